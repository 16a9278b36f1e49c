#pragma once
// The geometry of the percentage bar and its text: the LED segments with their centring
// margins, and the split of the bar into its filled and its empty part.

#include <vector>

#include "classlib/core/Geometry.h"
#include "controls/foundation/FrameModel.h"

namespace mw {

struct TLedBarLayout {
    int count = 0;    // segments
    int segment = 0;  // pixels per segment along the bar
    int margin = 0;   // pixels before the first segment (and about as many after the last)
    int lit = 0;      // segments in the bar colour, counted from the start (vertical: from the bottom)
    // The segments in drawing order: the lit ones first.
    std::vector<cl::TRect> segments;
    // The two ends outside the segments, painted in the back colour.
    cl::TRect startMargin;
    cl::TRect endMargin;
};

// Short bars (80 pixels or less) get at most 10 segments; segments stay whole pixels, and the
// room they leave over is turned into further segments where it holds any, the rest being
// shared by the two margins.
TLedBarLayout LayoutLedBar(const cl::TRect& r, TOrientation orientation, int percent, int segmentCount);

struct TPercentTextParts {
    cl::TRect filled;     // the bar: text in the back colour on the bar colour
    cl::TRect remaining;  // the rest: text in the bar colour on the back colour
};

TPercentTextParts SplitPercentText(const cl::TRect& r, TOrientation orientation, int percent);

// The part of the themed bar's inner rectangle (the bar's rectangle less one pixel all round)
// that the progress chunk covers.
cl::TRect ThemedBarChunk(const cl::TRect& r, TOrientation orientation, int percent);

}  // namespace mw
