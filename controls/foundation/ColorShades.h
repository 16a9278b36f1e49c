#pragma once
// The colour arithmetic of ColorArithmetic.h for any colour, system colours included: they
// are turned into RGB first. The results are plain RGB colours.

#include "classlib/core/Colors.h"
#include "controls/foundation/ColorArithmetic.h"

namespace mw {

THsl RgbColorToHsl(cl::TColor color);
cl::TColor HslToRgbColor(uint8_t hue, uint8_t saturation, uint8_t luminance);
uint8_t HueOfColor(cl::TColor color);
cl::TColor DarkenColor(cl::TColor color, uint8_t amount);
cl::TColor LightenColor(cl::TColor color, uint8_t amount);
// Negative amounts darken, positive ones lighten, 0 returns the colour as it is.
cl::TColor ShadeColor(cl::TColor color, int32_t amount);
cl::TColor MixColors(cl::TColor first, cl::TColor second, uint8_t weight);
bool HuesTooClose(cl::TColor a, cl::TColor b);

// The screen shows more than 256 colours.
bool ScreenHasFullColor();

}  // namespace mw
