#include "controls/foundation/ColorShades.h"

#include <windows.h>

#include "classlib/win/Font.h"
#include "classlib/win/Handles.h"

namespace mw {

namespace {
cl::TColor Rgb(cl::TColor color) { return static_cast<cl::TColor>(cl::ColorToRGB(color)); }
}  // namespace

THsl RgbColorToHsl(cl::TColor color) { return RgbToHsl(Rgb(color)); }
cl::TColor HslToRgbColor(uint8_t hue, uint8_t saturation, uint8_t luminance) { return HslToRgb(hue, saturation, luminance); }
uint8_t HueOfColor(cl::TColor color) { return RgbColorToHsl(color).hue; }
cl::TColor DarkenColor(cl::TColor color, uint8_t amount) { return DarkenRgb(Rgb(color), amount); }
cl::TColor LightenColor(cl::TColor color, uint8_t amount) { return LightenRgb(Rgb(color), amount); }
cl::TColor ShadeColor(cl::TColor color, int32_t amount) { return amount == 0 ? color : ShadeRgb(Rgb(color), amount); }
cl::TColor MixColors(cl::TColor first, cl::TColor second, uint8_t weight) { return MixRgb(Rgb(first), Rgb(second), weight); }
bool HuesTooClose(cl::TColor a, cl::TColor b) { return RgbHuesTooClose(Rgb(a), Rgb(b)); }

bool ScreenHasFullColor() {
    const cl::TScreenDC screen;
    return GetDeviceCaps(screen.Handle(), NUMCOLORS) == -1;
}

}  // namespace mw
