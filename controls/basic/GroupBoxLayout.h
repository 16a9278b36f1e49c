#pragma once
// The geometry of the group box: where its children go below the title, where the title
// sits in the frame's top line, and the rounded outline of the flat style.

#include "classlib/core/Geometry.h"
#include "controls/basic/PanelLayout.h"

enum class TMwGroupBoxStyle { Standard, Custom, TopLine, Flat };

namespace mw {

// The client area left below the title, from the panel's client area r; textHeight is the
// height of a line of the group box's font.
cl::TRect GroupBoxClientRect(const cl::TRect& r, TMwGroupBoxStyle style, int textHeight, int borderWidth);

// The title's rectangle: 8 pixels in from the left (flush left for gsTopLine), or, under
// right-to-left alignment, as far in from the right edge of a box boxWidth wide; empty
// without a title and for gsCustom, which draws it as a panel caption.
cl::TRect GroupBoxCaptionRect(TMwGroupBoxStyle style, bool hasCaption, int textWidth, int textHeight, bool rightToLeft,
                              int boxWidth);

// The flat style's outline in f: four lines with the corners cut, and one pixel inside each
// corner.
TStrokes FlatGroupOutline(const cl::TRect& f);

}  // namespace mw
