#include "utils/UtBlendPlain.h"

namespace ut {

namespace {

// Each channel is x * w / 255 + y * (255 - w) / 255 rounded to the nearest, two channels per
// 32-bit word (red with blue, alpha with green). For a 16-bit lane t = sum + 128,
// (t + (t >> 8)) >> 8 is that sum divided by 255 and rounded; no lane carries into the next.
Color32 Mix(Color32 x, Color32 y, unsigned weight) {
    const uint32_t w = ClampedWeight(weight);
    const uint32_t v = 255 - w;
    uint32_t redBlue = (x & 0x00FF00FFu) * w + (y & 0x00FF00FFu) * v + 0x00800080u;
    uint32_t alphaGreen = ((x >> 8) & 0x00FF00FFu) * w + ((y >> 8) & 0x00FF00FFu) * v + 0x00800080u;
    redBlue = ((redBlue + ((redBlue >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    alphaGreen = (alphaGreen + ((alphaGreen >> 8) & 0x00FF00FFu)) & 0xFF00FF00u;
    return redBlue | alphaGreen;
}

Color32 CombineReg(Color32 x, Color32 y, unsigned weight) { return Mix(x, y, weight); }

void CombineMem(Color32 x, Color32& y, unsigned weight) { y = Mix(x, y, weight); }

Color32 BlendReg(Color32 foreground, Color32 background) { return Mix(foreground, background, foreground >> 24); }

void BlendMem(Color32 foreground, Color32& background) { background = BlendReg(foreground, background); }

Color32 BlendRegEx(Color32 foreground, Color32 background, unsigned master) {
    return Mix(foreground, background, ScaledAlpha(foreground >> 24, master));
}

void BlendMemEx(Color32 foreground, Color32& background, unsigned master) {
    background = BlendRegEx(foreground, background, master);
}

void BlendLine(const Color32* source, Color32* destination, size_t count) {
    for (size_t i = 0; i < count; ++i) destination[i] = Mix(source[i], destination[i], source[i] >> 24);
}

void BlendLineEx(const Color32* source, Color32* destination, size_t count, unsigned master) {
    for (size_t i = 0; i < count; ++i)
        destination[i] = Mix(source[i], destination[i], ScaledAlpha(source[i] >> 24, master));
}

}  // namespace

const BlendRoutines& PlainBlendRoutines() {
    static const BlendRoutines kPlain = {CombineReg, CombineMem, BlendReg, BlendMem,
                                         BlendRegEx, BlendMemEx, BlendLine, BlendLineEx};
    return kPlain;
}

}  // namespace ut
