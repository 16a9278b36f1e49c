#pragma once
// The group bar's arithmetic: how its groups stack (or, in the outlook style, share the
// height), and where a group's items go and how tall they make it.

#include <vector>

#include "classlib/core/Geometry.h"

namespace mw {

struct TGroupRequest {
    bool visible = true;
    bool opened = true;
    int height = 0;         // the height the group wants (its caption alone when closed)
    int captionHeight = 20;  // outlook style: the height of a group that is not the open one
};

// Category view and task list: the groups one below the other with a gap of border around
// and between them, scrolled up by scrollPosition. An invisible group gets height 0 and no gap.
std::vector<cl::TRect> StackGroups(const std::vector<TGroupRequest>& groups, int clientWidth, int border, int scrollPosition);

// Outlook style: only the last opened group (the first when none is) shows its body and takes
// the height the captions of the others leave.
std::vector<cl::TRect> ShareGroups(const std::vector<TGroupRequest>& groups, int clientWidth, int clientHeight, int border);

// From the first group's top to the last one's bottom, plus the border above and below.
int GroupsContentHeight(const std::vector<cl::TRect>& placed, int border);

struct TGroupItemMetrics {
    bool largeItems = false;
    int width = 0;           // the group's width
    int captionHeight = 20;
    int itemHeight = 20;      // the minimum height of an item row
    int sampleTextHeight = 13;  // the height of a line of text in the group's font
    int imageWidth = 0;       // of the image list the items use (0 without one)
    int imageHeight = 0;
    bool anyItemImage = false;
    int itemIndent = 20;
};

struct TGroupItemBox {
    bool visible = true;
    int indentLevel = 0;
    int textHeight = 0;  // the item's text measured at textLeft .. width - 8 (small) or 8 .. width - 8 (large)
    cl::TRect textRect;   // results
    cl::TRect imageRect;
};

// Where a small item's text starts.
int GroupItemTextLeft(const TGroupItemMetrics& metrics, int indentLevel);

// Places the visible items and returns the group's height for them (the caption height when
// there are none).
int LayoutGroupItems(const TGroupItemMetrics& metrics, std::vector<TGroupItemBox>& items);

}  // namespace mw
