#include "controls/basic/FrameDrawing.h"

#include "classlib/win/Font.h"

namespace mw {

using cl::TColor;
using cl::TRect;

void FillSolid(HDC dc, const TRect& r, TColor color) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    HBRUSH brush = CreateSolidBrush(cl::ColorToRGB(color));
    const RECT rc{r.left, r.top, r.right, r.bottom};
    FillRect(dc, &rc, brush);
    DeleteObject(brush);
}

TRect PaintBevel(HDC dc, const TRect& r, TColor upperLeft, TColor lowerRight, int count, TSides sides) {
    TRect inner = r;
    for (int i = 0; i < count; ++i) {
        if (sides & sdLeft) FillSolid(dc, {inner.left, inner.top, inner.left + 1, inner.bottom}, upperLeft);
        if (sides & sdTop) FillSolid(dc, {inner.left, inner.top, inner.right, inner.top + 1}, upperLeft);
        if (sides & sdRight) FillSolid(dc, {inner.right - 1, inner.top, inner.right, inner.bottom}, lowerRight);
        if (sides & sdBottom) FillSolid(dc, {inner.left, inner.bottom - 1, inner.right, inner.bottom}, lowerRight);
        inner = InsetSides(inner, 1, sides);
    }
    return inner;
}

TRect PaintFrame(HDC dc, const TRect& r, TFrameStyle style, TSides sides, const TFrameColors& colors) {
    using namespace cl;
    // Two-ring styles: outer ring, then inner ring (upper-left / lower-right colours).
    auto twoRings = [&](TColor outerUL, TColor outerLR, TColor innerUL, TColor innerLR) {
        return PaintBevel(dc, PaintBevel(dc, r, outerUL, outerLR, 1, sides), innerUL, innerLR, 1, sides);
    };
    switch (style) {
        case TFrameStyle::None: return r;
        case TFrameStyle::Flat: return PaintBevel(dc, r, colors.flat, colors.flat, 1, sides);
        case TFrameStyle::FlatBold: return PaintBevel(dc, r, colors.flat, colors.flat, 2, sides);
        case TFrameStyle::Status: return PaintBevel(dc, r, colors.shadow, colors.highlight, colors.bevelWidth, sides);
        case TFrameStyle::Popup: return PaintBevel(dc, r, colors.highlight, colors.shadow, colors.bevelWidth, sides);
        case TFrameStyle::Groove: return twoRings(clBtnShadow, clBtnHighlight, clBtnHighlight, clBtnShadow);
        case TFrameStyle::Bump: return twoRings(clBtnHighlight, clBtnShadow, clBtnShadow, clBtnHighlight);
        case TFrameStyle::Lowered: return twoRings(clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight);
        case TFrameStyle::Raised: return twoRings(cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow);
        case TFrameStyle::ButtonUp: return twoRings(clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow);
        case TFrameStyle::ButtonDown: return twoRings(clBtnText, clBtnText, clBtnShadow, clBtnShadow);
    }
    return r;
}

}  // namespace mw
