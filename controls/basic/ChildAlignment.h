#pragma once
// Places a control's aligned children inside a given area of it (the part of the client area
// that its borders, caption or tabs leave), for controls whose children do not align on the
// whole client area.

#include "classlib/core/Geometry.h"
#include "classlib/win/Control.h"

namespace mw {

// busy guards against the re-entry that a child's new bounds cause (the child asks its parent
// to realign).
void AlignChildrenIn(cl::TControl& parent, const cl::TRect& area, bool& busy);

}  // namespace mw
