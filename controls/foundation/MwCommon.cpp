#include "controls/foundation/MwCommon.h"

#include "classlib/win/Font.h"

namespace mw {

using cl::TColor;
using cl::TRect;

namespace {

struct TColorPair {
    TColor upperLeft;
    TColor lowerRight;
};

// Upper-left and lower-right system colours of the styles drawn in one colour pair.
TColorPair FrameStyleColors(TFrameStyle style) {
    switch (style) {
        case TFrameStyle::Flat: return {cl::cl3DDkShadow, cl::cl3DDkShadow};
        case TFrameStyle::Groove:
        case TFrameStyle::Status: return {cl::clBtnShadow, cl::clBtnHighlight};
        case TFrameStyle::Bump:
        case TFrameStyle::Popup: return {cl::clBtnHighlight, cl::clBtnShadow};
        case TFrameStyle::FlatBold: return {cl::clBtnShadow, cl::clBtnShadow};
        default: return {cl::clNone, cl::clNone};
    }
}

TRect TwoPasses(cl::TCanvas& canvas, const TRect& r, TColorPair outer, TColorPair inner, TSides sides) {
    const TRect middle = PaintBevel(canvas, r, outer.upperLeft, outer.lowerRight, 1, sides);
    return PaintBevel(canvas, middle, inner.upperLeft, inner.lowerRight, 1, sides);
}

void SetPixelColor(cl::TCanvas& canvas, int x, int y, TColor color) { SetPixel(canvas.Handle(), x, y, cl::ColorToRGB(color)); }

// The etched styles: a ring of lowerRight one pixel in, under a ring of upperLeft one pixel
// out, with the corner pixels set so that open sides end cleanly.
TRect DrawEtched(cl::TCanvas& canvas, const TRect& r, TColor upperLeft, TColor lowerRight, TSides sides) {
    const bool left = sides & sdLeft, top = sides & sdTop, right = sides & sdRight, bottom = sides & sdBottom;
    if (right) SetPixelColor(canvas, r.right - 1, r.top, lowerRight);
    if (top && !right) SetPixelColor(canvas, r.right - 1, r.top, upperLeft);
    if (bottom) SetPixelColor(canvas, r.left, r.bottom - 1, lowerRight);
    if (left && !bottom) SetPixelColor(canvas, r.left, r.bottom - 1, upperLeft);
    if (top && !left) SetPixelColor(canvas, r.left, r.top + 1, lowerRight);
    if (left && !top) SetPixelColor(canvas, r.left + 1, r.top, lowerRight);
    if (bottom && !right) SetPixelColor(canvas, r.right - 1, r.bottom - 2, upperLeft);
    if (right && !bottom) SetPixelColor(canvas, r.right - 2, r.bottom - 1, upperLeft);
    const TRect shifted{r.left + 1, r.top + 1, r.right, r.bottom};
    DrawSides(canvas, shifted, lowerRight, lowerRight, sides);
    DrawSides(canvas, {shifted.left - 1, shifted.top - 1, shifted.right - 1, shifted.bottom - 1}, upperLeft, upperLeft, sides);
    return InsetSides(r, 2, sides);
}

}  // namespace

TRect DrawSides(cl::TCanvas& canvas, const TRect& r, TColor upperLeft, TColor lowerRight, TSides sides) {
    // An empty rectangle has no sides to draw; lines would run backwards out of it.
    if (r.Width() > 0 && r.Height() > 0) {
        canvas.SetPenColor(upperLeft);
        if (sides & sdLeft) {
            canvas.MoveTo(r.left, r.top);
            canvas.LineTo(r.left, r.bottom);
        }
        if (sides & sdTop) {
            canvas.MoveTo(r.left, r.top);
            canvas.LineTo(r.right, r.top);
        }
        canvas.SetPenColor(lowerRight);
        if (sides & sdRight) {
            canvas.MoveTo(r.right - 1, r.top);
            canvas.LineTo(r.right - 1, r.bottom);
        }
        if (sides & sdBottom) {
            canvas.MoveTo(r.left, r.bottom - 1);
            canvas.LineTo(r.right, r.bottom - 1);
        }
    }
    return InsetSides(r, 1, sides);
}

TRect PaintBevel(cl::TCanvas& canvas, const TRect& r, TColor upperLeft, TColor lowerRight, int count, TSides sides) {
    TRect inner = r;
    for (int i = 0; i < count; ++i) inner = DrawSides(canvas, inner, upperLeft, lowerRight, sides);
    return inner;
}

TRect DrawSunkenRaisedSides(cl::TCanvas& canvas, const TRect& r, bool lowered, TSides sides) {
    if (lowered) return TwoPasses(canvas, r, {cl::clBtnShadow, cl::clBtnHighlight}, {cl::cl3DDkShadow, cl::cl3DLight}, sides);
    return TwoPasses(canvas, r, {cl::cl3DLight, cl::cl3DDkShadow}, {cl::clBtnHighlight, cl::clBtnShadow}, sides);
}

TRect DrawButtonFrame(cl::TCanvas& canvas, const TRect& r, bool down) { return DrawButtonFrameSides(canvas, r, down, sdAll); }

TRect DrawButtonFrameSides(cl::TCanvas& canvas, const TRect& r, bool down, TSides sides) {
    if (down) return TwoPasses(canvas, r, {cl::clBtnText, cl::clBtnText}, {cl::clBtnShadow, cl::clBtnShadow}, sides);
    return TwoPasses(canvas, r, {cl::clBtnHighlight, cl::cl3DDkShadow}, {cl::cl3DLight, cl::clBtnShadow}, sides);
}

TRect DrawColorButtonFrame(cl::TCanvas& canvas, const TRect& r, TColor color, bool down) {
    return DrawColorButtonFrameSides(canvas, r, color, down, sdAll);
}

TRect DrawColorButtonFrameSides(cl::TCanvas& canvas, const TRect& r, TColor color, bool down, TSides sides) {
    if (down) {
        const TColor outer = DarkenColor(color, 100), inner = DarkenColor(color, 50);
        return TwoPasses(canvas, r, {outer, outer}, {inner, inner}, sides);
    }
    return TwoPasses(canvas, r, {LightenColor(color, 100), DarkenColor(color, 100)},
                     {LightenColor(color, 40), DarkenColor(color, 50)}, sides);
}

TRect PaintBorder(cl::TCanvas& canvas, const TRect& r, TFrameStyle style) { return PaintBorderSides(canvas, r, style, sdAll); }

TRect PaintBorderSides(cl::TCanvas& canvas, const TRect& r, TFrameStyle style, TSides sides) {
    const TColorPair pair = FrameStyleColors(style);
    switch (style) {
        case TFrameStyle::None: return r;
        case TFrameStyle::Flat:
        case TFrameStyle::Status:
        case TFrameStyle::Popup: return DrawSides(canvas, r, pair.upperLeft, pair.lowerRight, sides);
        case TFrameStyle::Lowered:
        case TFrameStyle::Raised: return DrawSunkenRaisedSides(canvas, r, style == TFrameStyle::Lowered, sides);
        case TFrameStyle::ButtonDown:
        case TFrameStyle::ButtonUp: return DrawButtonFrameSides(canvas, r, style == TFrameStyle::ButtonDown, sides);
        case TFrameStyle::FlatBold: return PaintBevel(canvas, r, pair.upperLeft, pair.lowerRight, 2, sides);
        case TFrameStyle::Groove:
        case TFrameStyle::Bump: return DrawEtched(canvas, r, pair.upperLeft, pair.lowerRight, sides);
    }
    return r;
}

TRect DrawColorBorderAll(cl::TCanvas& canvas, const TRect& r, TColor color, TFrameStyle style) {
    return PaintColorBorderSides(canvas, r, color, sdAll, style);
}

TRect PaintColorBorderSides(cl::TCanvas& canvas, const TRect& r, TColor color, TSides sides, TFrameStyle style) {
    const auto dark = [color](uint8_t amount) { return DarkenColor(color, amount); };
    const auto light = [color](uint8_t amount) { return LightenColor(color, amount); };
    switch (style) {
        case TFrameStyle::None: return r;
        case TFrameStyle::Flat: return PaintBevel(canvas, r, dark(50), dark(50), 1, sides);
        case TFrameStyle::FlatBold: return PaintBevel(canvas, r, dark(50), dark(50), 2, sides);
        case TFrameStyle::Groove: return DrawEtched(canvas, r, dark(50), light(100), sides);
        case TFrameStyle::Bump: return DrawEtched(canvas, r, light(100), dark(50), sides);
        case TFrameStyle::Lowered: return TwoPasses(canvas, r, {dark(50), light(100)}, {dark(100), light(50)}, sides);
        case TFrameStyle::Raised: return TwoPasses(canvas, r, {light(50), dark(100)}, {light(100), dark(50)}, sides);
        case TFrameStyle::ButtonDown:
        case TFrameStyle::ButtonUp:
            return DrawColorButtonFrameSides(canvas, r, color, style == TFrameStyle::ButtonDown, sides);
        case TFrameStyle::Status: return DrawSides(canvas, r, dark(50), light(100), sides);
        case TFrameStyle::Popup: return DrawSides(canvas, r, light(100), dark(50), sides);
    }
    return r;
}

TRect PaintFrame(cl::TCanvas& canvas, const TRect& r, TFrameStyle style, TSides sides, const TFrameColors& colors) {
    switch (style) {
        case TFrameStyle::Flat: return PaintBevel(canvas, r, colors.flat, colors.flat, 1, sides);
        case TFrameStyle::FlatBold: return PaintBevel(canvas, r, colors.flat, colors.flat, 2, sides);
        case TFrameStyle::Status: return PaintBevel(canvas, r, colors.shadow, colors.highlight, colors.bevelWidth, sides);
        case TFrameStyle::Popup: return PaintBevel(canvas, r, colors.highlight, colors.shadow, colors.bevelWidth, sides);
        default: return PaintBorderSides(canvas, r, style, sides);
    }
}

void DrawControlFrame(cl::TCanvas& canvas, int width, int height, bool keepBackground, TSides sides, TColor frameColor,
                      TColor color, TFrameStyle style) {
    const TRect r{0, 0, width, height};
    if (!keepBackground) PaintBevel(canvas, r, color, color, 2, sdAll);
    switch (style) {
        case TFrameStyle::Flat: DrawSides(canvas, r, frameColor, frameColor, sides); break;
        case TFrameStyle::FlatBold: PaintBevel(canvas, r, frameColor, frameColor, 2, sides); break;
        default:
            if (color == cl::clWindow) PaintBorderSides(canvas, r, style, sides);
            else PaintColorBorderSides(canvas, r, color, sides, style);
            break;
    }
}

void DrawDottedHLine(cl::TCanvas& canvas, int x1, int x2, int y) {
    for (int x = x1 + 1; x < x2; x += 2) SetPixel(canvas.Handle(), x, y, 0);
}

void DrawDottedVLine(cl::TCanvas& canvas, int x, int y1, int y2) {
    for (int y = y1 + 1; y < y2; y += 2) SetPixel(canvas.Handle(), x, y, 0);
}

TRect DrawDottedFocusBorder(cl::TCanvas& canvas, const TRect& r) {
    DrawDottedVLine(canvas, r.left, r.top, r.bottom);
    DrawDottedVLine(canvas, r.right - 1, r.top, r.bottom);
    DrawDottedHLine(canvas, r.left, r.right, r.top);
    DrawDottedHLine(canvas, r.left, r.right, r.bottom - 1);
    return Inset(r, 1, 1);
}

}  // namespace mw
