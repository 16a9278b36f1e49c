#pragma once
// See-through controls: the parent's image painted behind a control into the control's device
// context, by letting the parent erase and paint into it at the control's offset.

#include <windows.h>

#include "classlib/win/Canvas.h"
#include "classlib/win/Control.h"

namespace mw {

// Does nothing for a control without a parent. With invalidateParent, a parent that does not
// paint itself through our custom-control painting (and is no form) is invalidated as well.
void PaintParentBackground(cl::TControl& control, HDC dc, bool invalidateParent = false);
void PaintParentBackground(cl::TControl& control, cl::TCanvas& canvas, bool invalidateParent = false);

}  // namespace mw
