#pragma once
// Colour arithmetic on plain RGB colours (0x00BBGGRR) in hue, saturation and luminance, each on
// a 0..240 scale. System colours must be resolved to RGB before they come here (see
// ColorShades.h for the forms that do it).

#include <cstdint>

#include "classlib/core/Colors.h"

namespace mw {

struct THsl {
    uint8_t hue = 0;
    uint8_t saturation = 0;
    uint8_t luminance = 0;
    bool operator==(const THsl& o) const { return hue == o.hue && saturation == o.saturation && luminance == o.luminance; }
};

constexpr cl::TColor RgbOf(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }
constexpr int RedOf(cl::TColor rgb) { return rgb & 0xFF; }
constexpr int GreenOf(cl::TColor rgb) { return (rgb >> 8) & 0xFF; }
constexpr int BlueOf(cl::TColor rgb) { return (rgb >> 16) & 0xFF; }

THsl RgbToHsl(cl::TColor rgb);
// Luminance and saturation may exceed 240 (lightening passes up to 255); channels that come out
// beyond full intensity are capped.
cl::TColor HslToRgb(uint8_t hue, uint8_t saturation, uint8_t luminance);

// The same hue and saturation with the luminance lowered (to no less than 0) or raised (to no
// more than 255) by amount.
cl::TColor DarkenRgb(cl::TColor rgb, uint8_t amount);
cl::TColor LightenRgb(cl::TColor rgb, uint8_t amount);
// Negative amounts darken, positive ones lighten, 0 keeps the colour.
cl::TColor ShadeRgb(cl::TColor rgb, int32_t amount);
// weight/255 of the first colour and the rest of the second, per channel.
cl::TColor MixRgb(cl::TColor first, cl::TColor second, uint8_t weight);
// Hues less than 20 and luminances less than 60 apart: one would not stand out on the other.
bool RgbHuesTooClose(cl::TColor a, cl::TColor b);

}  // namespace mw
