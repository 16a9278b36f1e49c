#pragma once
// Drawing of the drop-down and spin arrows (shapes in ArrowShapes.h). Disabled arrows are
// clBtnShadow; enabled classic ones black; enabled themed ones take the arrow colour of the
// themed combo-box button, or cl3DDkShadow where that would not stand out on clWindow.

#include "classlib/core/Geometry.h"
#include "classlib/win/Canvas.h"
#include "controls/foundation/ArrowShapes.h"

namespace mw {

void DrawSpinArrow(cl::TCanvas& canvas, const cl::TRect& r, bool themedLook, bool enabled, bool shifted);
void DrawDropDownArrow(cl::TCanvas& canvas, const cl::TRect& r, bool themedLook, bool enabled, bool pressed,
                       TArrowDirection direction);

}  // namespace mw
