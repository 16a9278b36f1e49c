#include "controls/foundation/ColorArithmetic.h"

#include <algorithm>
#include <cmath>

namespace mw {

namespace {

// Rounds halves to even, as the colour tables of the library were computed.
int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

int ChannelOf(double intensity) { return RoundEven(std::clamp(intensity, 0.0, 1.0) * 255.0); }

}  // namespace

THsl RgbToHsl(cl::TColor rgb) {
    const double r = RedOf(rgb) / 255.0, g = GreenOf(rgb) / 255.0, b = BlueOf(rgb) / 255.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    const double l = (max + min) / 2;
    double h = 0, s = 0;
    if (max != min) {
        const double d = max - min;
        s = l < 0.5 ? d / (max + min) : d / (2 - max - min);
        if (r == max) h = (g - b) / d;
        else if (g == max) h = 2 + (b - r) / d;
        else h = 4 + (r - g) / d;
        h /= 6;
        if (h < 0) h += 1;
    }
    return {static_cast<uint8_t>(RoundEven(h * 240)), static_cast<uint8_t>(RoundEven(s * 240)),
            static_cast<uint8_t>(RoundEven(l * 240))};
}

cl::TColor HslToRgb(uint8_t hue, uint8_t saturation, uint8_t luminance) {
    // 239, not 240: the top hue lands in the sixth sector, which is drawn as the first.
    const double h = hue / 239.0, s = saturation / 240.0, l = luminance / 240.0;
    const double m2 = l < 0.5 ? l * (1 + s) : l + s - l * s;
    if (m2 <= 0) return 0;
    const double m1 = 2 * l - m2;
    const int sector = static_cast<int>(h * 6);
    const double f = h * 6 - sector;
    const double rise = m1 + (m2 - m1) * f;
    const double fall = m2 - (m2 - m1) * f;
    double r, g, b;
    switch (sector) {
        case 1: r = fall, g = m2, b = m1; break;
        case 2: r = m1, g = m2, b = rise; break;
        case 3: r = m1, g = fall, b = m2; break;
        case 4: r = rise, g = m1, b = m2; break;
        case 5: r = m2, g = m1, b = fall; break;
        default: r = m2, g = rise, b = m1; break;
    }
    return RgbOf(ChannelOf(r), ChannelOf(g), ChannelOf(b));
}

cl::TColor DarkenRgb(cl::TColor rgb, uint8_t amount) {
    const THsl hsl = RgbToHsl(rgb);
    return HslToRgb(hsl.hue, hsl.saturation, static_cast<uint8_t>(std::max(hsl.luminance - amount, 0)));
}

cl::TColor LightenRgb(cl::TColor rgb, uint8_t amount) {
    const THsl hsl = RgbToHsl(rgb);
    return HslToRgb(hsl.hue, hsl.saturation, static_cast<uint8_t>(std::min(hsl.luminance + amount, 255)));
}

cl::TColor ShadeRgb(cl::TColor rgb, int32_t amount) {
    // Amounts beyond a byte would wrap: they darken or lighten as far as a byte goes.
    if (amount < 0) return DarkenRgb(rgb, static_cast<uint8_t>(std::min<int64_t>(-static_cast<int64_t>(amount), 255)));
    if (amount > 0) return LightenRgb(rgb, static_cast<uint8_t>(std::min(amount, 255)));
    return rgb;
}

cl::TColor MixRgb(cl::TColor first, cl::TColor second, uint8_t weight) {
    const float w = weight / 255.0f;
    auto mix = [w](int a, int b) { return static_cast<int>(std::nearbyint(a * w + (1 - w) * b)); };
    return RgbOf(mix(RedOf(first), RedOf(second)), mix(GreenOf(first), GreenOf(second)),
                 mix(BlueOf(first), BlueOf(second)));
}

bool RgbHuesTooClose(cl::TColor a, cl::TColor b) {
    const THsl ha = RgbToHsl(a), hb = RgbToHsl(b);
    return std::abs(ha.hue - hb.hue) < 20 && std::abs(ha.luminance - hb.luminance) < 60;
}

}  // namespace mw
