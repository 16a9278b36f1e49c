#include "controls/foundation/PercentBar.h"

#include <string>
#include <tuple>

#include "classlib/win/Font.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/MwThemeSrv.h"
#include "controls/foundation/PercentBarLayout.h"

namespace mw {

namespace {

void DrawThemedBar(cl::TCanvas& canvas, const cl::TRect& r, TOrientation orientation, int percent) {
    TThemeServices& services = ThemeServices();
    const cl::TRect chunk = ThemedBarChunk(r, orientation, percent);
    if (orientation == TOrientation::Horizontal) {
        services.DrawElement(canvas.Handle(), ThemeElementDetails(TThemedProgress::Chunk), chunk);
        return;
    }
    // The vertical chunk is drawn upside down into a bitmap of its own, so that its look grows
    // from the bottom, and then flipped into place.
    const int height = chunk.Height() > 0 ? chunk.Height() : 1;
    TMemoryBitmap image(canvas.Handle(), chunk.Width(), height);
    services.DrawElement(image.DC(), ThemeElementDetails(TThemedProgress::ChunkVert), {0, 0, chunk.Width(), height});
    FlipBitmapVertically(image);
    BitBlt(canvas.Handle(), chunk.left, chunk.top, chunk.Width(), height, image.DC(), 0, 0, SRCCOPY);
}

// A rectangle as GDI's Rectangle draws it: outlined with the selected pen, filled with brush.
void DrawRectangle(HDC dc, const cl::TRect& r, cl::TColor brushColor) {
    cl::TBrushHandle brush(CreateSolidBrush(cl::ColorToRGB(brushColor)));
    cl::TSelectObject selectBrush(dc, brush.Get());
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void DrawLedBar(HDC dc, const cl::TRect& r, TOrientation orientation, int percent, int segmentCount,
                cl::TColor backColor, cl::TColor barColor) {
    const TLedBarLayout bar = LayoutLedBar(r, orientation, percent, segmentCount);
    {
        cl::TSelectObject noPen(dc, GetStockObject(NULL_PEN));
        DrawRectangle(dc, bar.startMargin, backColor);
        DrawRectangle(dc, bar.endMargin, backColor);
    }
    cl::TPenHandle pen(CreatePen(PS_SOLID, 1, cl::ColorToRGB(backColor)));
    cl::TSelectObject selectPen(dc, pen.Get());
    for (size_t i = 0; i < bar.segments.size(); ++i)
        DrawRectangle(dc, bar.segments[i], static_cast<int>(i) < bar.lit ? barColor : backColor);
}

}  // namespace

void DrawPercentBar(cl::TCanvas& canvas, const cl::TRect& r, TOrientation orientation, bool themed, int percent,
                    int segmentCount, cl::TColor backColor, cl::TColor barColor) {
    if (themed && ThemeServices().ThemesEnabled()) DrawThemedBar(canvas, r, orientation, percent);
    else DrawLedBar(canvas.Handle(), r, orientation, percent, segmentCount, backColor, barColor);
}

void DrawPercentText(cl::TCanvas& canvas, const cl::TRect& r, TOrientation orientation, bool showPercent,
                     uint16_t percent, cl::TColor backColor, cl::TColor barColor) {
    const std::string text = showPercent ? std::to_string(percent) + "%" : std::string();
    const TPercentTextParts parts = SplitPercentText(r, orientation, percent);
    HDC dc = canvas.Handle();
    cl::TSelectObject selectFont(dc, canvas.Font().Handle());
    SIZE letter{};
    GetTextExtentPoint32A(dc, "X", 1, &letter);
    const int x = (r.left + r.right) / 2;
    const int y = r.top + (r.Height() - letter.cy) / 2;
    const UINT oldAlign = SetTextAlign(dc, TA_CENTER | TA_TOP);
    for (const auto& [part, textColor, fillColor] :
         {std::tuple{parts.filled, backColor, barColor}, std::tuple{parts.remaining, barColor, backColor}}) {
        if (part.Width() <= 0 || part.Height() <= 0) continue;
        SetTextColor(dc, cl::ColorToRGB(textColor));
        SetBkColor(dc, cl::ColorToRGB(fillColor));
        const RECT clip{part.left, part.top, part.right, part.bottom};
        ExtTextOutA(dc, x, y, ETO_CLIPPED | ETO_OPAQUE, &clip, text.data(), static_cast<UINT>(text.size()), nullptr);
    }
    SetTextAlign(dc, oldAlign);
}

}  // namespace mw
