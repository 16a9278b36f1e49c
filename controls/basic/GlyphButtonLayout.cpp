#include "controls/basic/GlyphButtonLayout.h"

#include <algorithm>
#include <cctype>

#include "controls/basic/ButtonFace.h"
#include "controls/foundation/ColorArithmetic.h"

namespace mw {

const cl::TEnumNames kCheckBoxStateNames{{{"cbUnchecked", 0}, {"cbChecked", 1}, {"cbGrayed", 2}}};
const cl::TEnumNames kLeftRightNames{{{"taLeftJustify", 0}, {"taRightJustify", 1}}};

TGlyphSize GlyphSizeOf(bool useCustomGlyphs, int stripWidth, int stripHeight, int stateCount) {
    if (!useCustomGlyphs || stripWidth <= 0 || stripHeight <= 0 || stateCount <= 0) return {};
    return {stripWidth / stateCount, stripHeight};
}

cl::TPoint GlyphPosition(bool captionRight, TAlignmentVertical alignment, int width, int height, TGlyphSize glyph) {
    const int x = captionRight ? 0 : width - glyph.width;
    switch (alignment) {
        case TAlignmentVertical::Top: return {x, 2};
        case TAlignmentVertical::Center: return {x, (height - glyph.height) / 2};
        case TAlignmentVertical::Bottom: return {x, height - glyph.height - 2};
    }
    return {x, 2};
}

cl::TRect GlyphCaptionRect(const cl::TRect& client, bool captionRight, int glyphWidth) {
    cl::TRect r = Inset(client, 1, 1);
    if (captionRight) r.left += glyphWidth + 4;
    else r.right -= glyphWidth + 4;
    return r;
}

cl::TRect GlyphFocusRect(const cl::TRect& captionRect, int textWidth, bool rightToLeft) {
    cl::TRect r = Inset(captionRect, -1, -1);
    const int width = std::min(r.Width(), textWidth + 3);
    if (rightToLeft) r.left = r.right - width;
    else r.right = r.left + width;
    return r;
}

int RadioGlyphIndex(bool checked, bool pressed, bool enabled) {
    if (!enabled) return checked ? 5 : 4;
    return (checked ? 1 : 0) + (pressed ? 2 : 0);
}

int CheckGlyphIndex(TCheckBoxState state, bool pressed, bool enabled) {
    const int base = static_cast<int>(state);
    if (!enabled) return 6 + base;
    return base + (pressed ? 3 : 0);
}

bool IsCaptionAccelerator(const std::string& caption, char key) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {  // "&&" shows one ampersand
            ++i;
            continue;
        }
        return std::toupper(static_cast<unsigned char>(caption[i + 1])) == std::toupper(static_cast<unsigned char>(key));
    }
    return false;
}

TCheckBoxState NextCheckState(TCheckBoxState state, bool allowGrayed) {
    switch (state) {
        case TCheckBoxState::Unchecked: return allowGrayed ? TCheckBoxState::Grayed : TCheckBoxState::Checked;
        case TCheckBoxState::Checked: return TCheckBoxState::Unchecked;
        case TCheckBoxState::Grayed: return TCheckBoxState::Checked;
    }
    return TCheckBoxState::Unchecked;
}

cl::TColor AvoidKeyColor(cl::TColor c, cl::TColor transparentColor, cl::TColor winMaskColor) {
    return c == transparentColor || c == winMaskColor || c == cl::clGray ? c + 1 : c;
}

namespace {

// The key colours of the glyph bitmaps.
constexpr cl::TColor kWhite = cl::clWhite, kBlack = cl::clBlack, kGreen = cl::clGreen, kGray = cl::clGray,
                     kPurple = cl::clPurple, kMaroon = cl::clMaroon, kLime = cl::clLime, kRed = cl::clRed,
                     kFuchsia = cl::clFuchsia, kYellow = cl::clYellow, kNavy = cl::clNavy, kBlue = cl::clBlue;

// The two colours of the pointer over a glyph: lighter and darker.
void HotColors(const TGlyphPalette& p, cl::TColor& light, cl::TColor& dark) {
    if (p.hotTrackType == TMwHotTrackColorType::Complement) {
        light = HslToRgb(ComplementHue(RgbToHsl(p.hotTrack).hue), 220, 180);
        dark = DarkenRgb(light, 30);
    } else {
        light = LightenRgb(p.hotTrack, 30);
        dark = DarkenRgb(p.hotTrack, 30);
    }
}

void Set(std::vector<TColorSwap>& swaps, std::initializer_list<cl::TColor> keys, cl::TColor to) {
    for (cl::TColor key : keys)
        for (TColorSwap& swap : swaps)
            if (swap.from == key) swap.to = to;
}

}  // namespace

std::vector<TColorSwap> RadioGlyphColors(const TGlyphPalette& p, TGlyphLook look) {
    const cl::TColor frame = AvoidKeyColor(p.frame, p.transparent, p.winMask);
    const cl::TColor highlight = AvoidKeyColor(p.highlight, p.transparent, p.winMask);
    std::vector<TColorSwap> swaps;
    if (p.fullColor) {
        swaps = {{kWhite, p.window},
                 {kBlack, frame},
                 {kGreen, LightenRgb(p.frame, 10)},
                 {kGray, MixRgb(p.frame, p.window, 128)},
                 {kPurple, MixRgb(p.frame, p.window, 128)},
                 {kMaroon, MixRgb(p.frame, p.window, 80)},
                 {kLime, MixRgb(p.frame, p.window, 80)},
                 {kRed, p.window},
                 {kFuchsia, p.window},
                 {kYellow, p.window},
                 {kNavy, highlight},
                 {kBlue, MixRgb(p.highlight, p.window, 153)}};
    } else {
        swaps = {{kWhite, p.window}, {kBlack, frame},      {kGreen, frame},     {kGray, p.window},
                 {kPurple, p.window}, {kMaroon, p.window}, {kLime, p.window},   {kRed, p.window},
                 {kFuchsia, p.window}, {kYellow, p.window}, {kNavy, highlight}, {kBlue, highlight}};
    }
    if (look == TGlyphLook::Disabled) {
        Set(swaps, {kWhite, kRed, kFuchsia, kYellow}, p.disabled);
        Set(swaps, {kGray, kPurple}, MixRgb(p.frame, p.disabled, 128));
        Set(swaps, {kMaroon, kLime}, MixRgb(p.frame, p.disabled, 80));
        Set(swaps, {kNavy}, p.buttonShadow);
        Set(swaps, {kBlue}, MixRgb(p.highlight, p.disabled, 128));
        return swaps;
    }
    if (!p.fullColor) return swaps;
    if (look == TGlyphLook::Pressed) {
        const cl::TColor pressed = DarkenRgb(p.window, 20);
        Set(swaps, {kWhite, kRed, kFuchsia, kYellow}, pressed);
        Set(swaps, {kGray, kPurple}, MixRgb(p.frame, pressed, 128));
        Set(swaps, {kMaroon, kLime}, MixRgb(p.frame, pressed, 80));
        Set(swaps, {kBlue}, MixRgb(p.highlight, pressed, 153));
    } else if (look == TGlyphLook::Hot) {
        cl::TColor light, dark;
        HotColors(p, light, dark);
        Set(swaps, {kGray}, MixRgb(p.frame, dark, 128));
        Set(swaps, {kPurple}, MixRgb(p.frame, light, 128));
        Set(swaps, {kMaroon}, MixRgb(p.frame, dark, 80));
        Set(swaps, {kLime}, MixRgb(p.frame, light, 80));
        Set(swaps, {kRed}, dark);
        Set(swaps, {kFuchsia}, light);
        Set(swaps, {kYellow}, MixRgb(light, p.window, 128));
    }
    return swaps;
}

std::vector<TColorSwap> CheckGlyphColors(const TGlyphPalette& p, TGlyphLook look) {
    std::vector<TColorSwap> swaps = {{kWhite, p.window}, {kGray, p.frame}, {kRed, p.window}, {kFuchsia, p.window}};
    if (look == TGlyphLook::Disabled) {
        Set(swaps, {kWhite, kRed, kFuchsia}, p.disabled);
    } else if (p.fullColor && look == TGlyphLook::Pressed) {
        Set(swaps, {kWhite, kRed, kFuchsia}, DarkenRgb(p.window, 20));
    } else if (p.fullColor && look == TGlyphLook::Hot) {
        cl::TColor light, dark;
        HotColors(p, light, dark);
        Set(swaps, {kRed}, dark);
        Set(swaps, {kFuchsia}, light);
    }
    return swaps;
}

cl::TColor SwapColor(const std::vector<TColorSwap>& swaps, cl::TColor c) {
    for (const TColorSwap& swap : swaps)
        if (swap.from == c) return swap.to;
    return c;
}

}  // namespace mw
