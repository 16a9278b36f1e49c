#pragma once
// The rules of the progress bar that need no window: the percentage that a count of parts
// stands for, the direction that follows the control's shape, and where the themed frame and
// the bar go inside the control.

#include "classlib/core/Geometry.h"
#include "controls/foundation/FrameModel.h"

namespace mw {

// parts out of total (not 0) in percent, to the nearest integer with halves to even.
int PercentOfParts(unsigned parts, unsigned total);

// Vertical when taller than wide; a square is horizontal.
TOrientation OrientationForShape(int width, int height);

struct TThemedProgressRects {
    bool drawFrame = false;  // the progress frame element goes over frame
    cl::TRect frame;
    cl::TRect bar;  // where the percentage bar or text is drawn
};

// On a status bar the bar sits in a status pane element that fills the control; elsewhere the
// progress frame fills it. themeAware is the bar's own switch: on a status bar it decides
// whether the progress frame is drawn at all, elsewhere only how far an LED bar moves in.
TThemedProgressRects ThemedProgressRects(const cl::TRect& client, bool onStatusBar, bool themeAware, TBarStyle style,
                                         int interiorOffset);

}  // namespace mw
