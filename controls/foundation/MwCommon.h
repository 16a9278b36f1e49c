#pragma once
// Border and frame drawing shared by every framed control: sides, bevels, 3-D and button
// frames, the frame styles in system colours or in shades of one colour, the non-client frame
// of a control, and dotted lines and focus borders. Each routine that takes a rectangle returns
// the rectangle left inside what it drew.

#include <windows.h>

#include "classlib/core/Colors.h"
#include "classlib/core/Geometry.h"
#include "classlib/win/Canvas.h"
#include "controls/foundation/ColorShades.h"
#include "controls/foundation/FrameModel.h"

namespace mw {

// Upper-left colour on the left and top sides, lower-right colour on the right and bottom.
cl::TRect DrawSides(cl::TCanvas& canvas, const cl::TRect& r, cl::TColor upperLeft, cl::TColor lowerRight, TSides sides);
// count rings of DrawSides, each inside the previous one.
cl::TRect PaintBevel(cl::TCanvas& canvas, const cl::TRect& r, cl::TColor upperLeft, cl::TColor lowerRight, int count,
                     TSides sides);
cl::TRect DrawSunkenRaisedSides(cl::TCanvas& canvas, const cl::TRect& r, bool lowered, TSides sides);
cl::TRect DrawButtonFrame(cl::TCanvas& canvas, const cl::TRect& r, bool down);
cl::TRect DrawButtonFrameSides(cl::TCanvas& canvas, const cl::TRect& r, bool down, TSides sides);
cl::TRect DrawColorButtonFrame(cl::TCanvas& canvas, const cl::TRect& r, cl::TColor color, bool down);
cl::TRect DrawColorButtonFrameSides(cl::TCanvas& canvas, const cl::TRect& r, cl::TColor color, bool down, TSides sides);

// A frame style in the system colours.
cl::TRect PaintBorder(cl::TCanvas& canvas, const cl::TRect& r, TFrameStyle style);
cl::TRect PaintBorderSides(cl::TCanvas& canvas, const cl::TRect& r, TFrameStyle style, TSides sides);
// A frame style in shades of one colour.
cl::TRect DrawColorBorderAll(cl::TCanvas& canvas, const cl::TRect& r, cl::TColor color, TFrameStyle style);
cl::TRect PaintColorBorderSides(cl::TCanvas& canvas, const cl::TRect& r, cl::TColor color, TSides sides,
                                TFrameStyle style);

// The colours and bevel width of a control that draws its frame with its own flat, highlight
// and shadow colours: fsFlat and fsFlatBold in the flat colour, fsStatus and fsPopup as
// bevelWidth rings of shadow and highlight, the other styles in the system colours.
struct TFrameColors {
    cl::TColor flat = cl::clBtnShadow;
    cl::TColor highlight = cl::clBtnHighlight;
    cl::TColor shadow = cl::clBtnShadow;
    int bevelWidth = 1;
};
cl::TRect PaintFrame(cl::TCanvas& canvas, const cl::TRect& r, TFrameStyle style, TSides sides,
                     const TFrameColors& colors = {});

// The frame of a control's non-client area on (0, 0, width, height): the two outer rings are
// cleared to color unless keepBackground, then the style is drawn on the sides (fsFlat and
// fsFlatBold in frameColor; others in the system colours when color is clWindow, else in
// shades of color).
void DrawControlFrame(cl::TCanvas& canvas, int width, int height, bool keepBackground, TSides sides,
                      cl::TColor frameColor, cl::TColor color, TFrameStyle style);

// Every second pixel after the first one, up to the end (excluded), in black.
void DrawDottedHLine(cl::TCanvas& canvas, int x1, int x2, int y);
void DrawDottedVLine(cl::TCanvas& canvas, int x, int y1, int y2);
cl::TRect DrawDottedFocusBorder(cl::TCanvas& canvas, const cl::TRect& r);

}  // namespace mw
