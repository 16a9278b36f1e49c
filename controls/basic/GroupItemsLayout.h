#pragma once
// Where the items of a radio or check group go: in columns filled top to bottom, below the
// group's title and borders, each column as wide as its widest caption or all of them equally
// wide.

#include <vector>

#include "classlib/core/Geometry.h"
#include "controls/basic/GroupBoxLayout.h"
#include "controls/foundation/FrameModel.h"

namespace mw {

constexpr int kMaxGroupColumns = 16;
// Room kept at a group's right edge for its frame: no item reaches into it.
constexpr int kFrameAllowance = 4;

// 1..16.
int ClampGroupColumns(int columns);
// -1 (none) .. count - 1.
int ClampItemIndex(int index, int count);

struct TGroupTopInput {
    TMwGroupBoxStyle style = TMwGroupBoxStyle::Flat;
    bool hasCaption = false;
    int minTextHeight = 0;  // a line of the group's font and two pixels
    int startY = 2;
    int borderWidth = 0;
    TFrameStyle outer = TFrameStyle::None;
    TFrameStyle inner = TFrameStyle::None;
};
// The top of the first row of items.
int GroupFirstRowTop(const TGroupTopInput& in);

struct TGroupItemsInput {
    std::vector<int> captionWidths;  // one per item, in the items' font
    int glyphWidth = 13;
    int columns = 1;
    bool spaceEvenly = false;
    int startX = 8;
    int width = 0;  // of the group
    int borderWidth = 0;
    int firstRowTop = 0;
    int itemHeight = 17;
    int verticalSpacing = 3;
    // Right-to-left reading mirrors the columns: the first one stands at the right, StartX
    // from the client area's right edge.
    bool rightToLeft = false;
    int clientWidth = 0;
};
// The bounds of every item.
std::vector<cl::TRect> ArrangeGroupItems(const TGroupItemsInput& in);

}  // namespace mw
