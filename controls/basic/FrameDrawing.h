#pragma once
// Drawing of the frame styles with system colours or a flat colour, on chosen sides.

#include <windows.h>

#include "classlib/core/Colors.h"
#include "classlib/core/Geometry.h"
#include "controls/basic/FrameModel.h"

namespace mw {

struct TFrameColors {
    cl::TColor flat = cl::clBtnShadow;         // fsFlat and fsFlatBold
    cl::TColor highlight = cl::clBtnHighlight;  // light side of fsStatus and fsPopup
    cl::TColor shadow = cl::clBtnShadow;        // dark side of fsStatus and fsPopup
    int bevelWidth = 1;                         // width of fsStatus and fsPopup
};

// Draws count one-pixel rings on the chosen sides: upper-left colour on the left and top,
// lower-right colour on the right and bottom. Returns the rectangle inside them.
cl::TRect PaintBevel(HDC dc, const cl::TRect& r, cl::TColor upperLeft, cl::TColor lowerRight, int count, TSides sides);

// Draws a frame style on the chosen sides and returns the rectangle inside it.
cl::TRect PaintFrame(HDC dc, const cl::TRect& r, TFrameStyle style, TSides sides, const TFrameColors& colors = {});

void FillSolid(HDC dc, const cl::TRect& r, cl::TColor color);

}  // namespace mw
