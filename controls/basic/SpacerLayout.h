#pragma once
// The etched separator line of a grooved spacer: a shadow line across the middle of the
// spacer's longer side with a highlight line one pixel below (or to the right of) it.

#include "classlib/core/Geometry.h"
#include "controls/basic/PanelLayout.h"

namespace mw {

struct TSpacerGroove {
    TLine shadow;
    TLine highlight;
};
TSpacerGroove SpacerGroove(const cl::TRect& r);

}  // namespace mw
