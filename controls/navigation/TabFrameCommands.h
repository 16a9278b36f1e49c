#pragma once
// Frames of tabs and cards as a list of drawing commands: each command is a code, and the
// codes that need a point are followed by its x and y. Building the list is apart from running
// it, so that the strokes can be checked without drawing.

#include <vector>

#include "classlib/core/Geometry.h"
#include "controls/navigation/TabEnums.h"

namespace mw {

enum TFrameCommandCode : int {
    fcPenToFrameColor = 0,  // set the pen to the current frame colour
    fcNoOperation = 1,
    fcResetFrameColor = 2,  // + kind and index of what is framed (not used when run)
    fcMoveTo = 3,           // + x, y
    fcLineTo = 4,           // + x, y
    fcShadow30 = 5,         // + x, y: shadow line at weight 30
    fcShadow15 = 6,         // + x, y: shadow line at weight 15
};

enum TFramedKind : int { fkTab = 0, fkCard = 1 };

class TFrameCommandList {
public:
    void Clear() { items_.clear(); }
    void Add(TFrameCommandCode code) { items_.push_back(code); }
    void Add(TFrameCommandCode code, int x, int y);
    const std::vector<int>& Items() const { return items_; }
    bool HasShadow() const;

    // Walks the commands: visit(code, x, y), with x and y 0 for the codes without a point.
    template <class F>
    void ForEach(F visit) const {
        for (size_t i = 0; i < items_.size();) {
            const int code = items_[i++];
            int x = 0, y = 0;
            if (HasPoint(code) && i + 2 <= items_.size()) {
                x = items_[i];
                y = items_[i + 1];
                i += 2;
            }
            visit(code, x, y);
        }
    }
    static bool HasPoint(int code) { return code >= fcResetFrameColor && code <= fcShadow15; }

private:
    std::vector<int> items_;
};

// The outline of a tab through its mapped points. A point count that does not fit the style
// raises cl::Exception.
void BuildTabOutline(TFrameCommandList& list, TMwTabStyle style, const std::vector<cl::TPoint>& points, int tabIndex);

struct TCardCorners {
    cl::TPoint topLeft, topRight, bottomRight, bottomLeft;
};

struct TCardFrameOptions {
    TMwTabOrientation side = TMwTabOrientation::Top;
    bool fullFrame = true;
    // Top tabs in standard sequence with a shadow: the frame stops two pixels short on the right
    // and bottom, where the shadow goes.
    bool shadowFrame = false;
    bool drawShadow = true;  // false while only the hot tab is repainted
    // The current tab joins the card: the tab side stays open between its inner corners.
    bool opened = false;
    cl::TPoint openingFrom, openingTo;
};

void BuildCardFrame(TFrameCommandList& list, const TCardCorners& corners, const TCardFrameOptions& options, int row);

}  // namespace mw
