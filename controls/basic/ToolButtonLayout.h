#pragma once
// Where a tool button draws its image and caption, and where its drop-down menu opens.

#include "classlib/core/Geometry.h"
#include "controls/basic/ButtonLayout.h"

namespace mw {

// The width of a drop-down tool button's arrow part, at its right edge.
constexpr int kToolButtonArrowWidth = 14;

struct TToolButtonFace {
    int width = 0;  // of the button
    int height = 0;
    bool dropDown = false;      // the arrow part takes the right edge
    int imageWidth = 0;         // 0 x 0 without an image list
    int imageHeight = 0;
    int textHeight = 0;         // of the word-wrapped caption
    bool hasImage = false;      // an image index is set
    TButtonLayout layout = TButtonLayout::GlyphLeft;
    bool pressed = false;       // drawn pressed: the contents move
    bool themed = false;        // themed faces move the contents right only
};

cl::TRect ToolButtonImageRect(const TToolButtonFace& face);
cl::TRect ToolButtonCaptionRect(const TToolButtonFace& face);

// The screen x of a drop-down menu menuWidth wide under a button whose left edge is at
// buttonLeft: there, unless the menu would pass the work area's right edge, in which case its
// right edge lines up with the button's.
int DropDownMenuLeft(int buttonLeft, int buttonWidth, int menuWidth, int workAreaRight);

}  // namespace mw
