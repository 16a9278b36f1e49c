#pragma once
// The percentage bar and its text, as the progress bar draws them: the themed progress chunk,
// or LED segments; and the percentage text that changes colour where the bar ends.

#include <cstdint>

#include "classlib/core/Colors.h"
#include "classlib/core/Geometry.h"
#include "classlib/win/Canvas.h"
#include "controls/foundation/FrameModel.h"

namespace mw {

// Themed (when asked for and the theme services are enabled): the progress chunk over the
// filled part. Otherwise segmentCount LED segments (see LayoutLedBar), the lit ones in barColor.
void DrawPercentBar(cl::TCanvas& canvas, const cl::TRect& r, TOrientation orientation, bool themed, int percent,
                    int segmentCount, cl::TColor backColor, cl::TColor barColor);

// "NN%" (or no text without showPercent) centred in r: the filled part in barColor with the
// text in backColor, the rest the other way round. Paints the whole rectangle.
void DrawPercentText(cl::TCanvas& canvas, const cl::TRect& r, TOrientation orientation, bool showPercent,
                     uint16_t percent, cl::TColor backColor, cl::TColor barColor);

}  // namespace mw
