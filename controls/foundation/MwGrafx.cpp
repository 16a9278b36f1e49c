#include "controls/foundation/MwGrafx.h"

#include <algorithm>

#include "classlib/win/Font.h"
#include "controls/foundation/MemoryBitmap.h"

namespace mw {

namespace {

cl::TColor Rgb(cl::TColor color) { return static_cast<cl::TColor>(cl::ColorToRGB(color)); }

void FillRgb(HDC dc, const cl::TRect& r, cl::TColor rgb) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    cl::TBrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(rgb)));
    const RECT rc{r.left, r.top, r.right, r.bottom};
    FillRect(dc, &rc, brush.Get());
}

}  // namespace

void FillSolid(HDC dc, const cl::TRect& r, cl::TColor color) { FillRgb(dc, r, Rgb(color)); }

void FillGradient(HDC dc, TGradientAxis axis, int split, int extent, cl::TColor first, cl::TColor second,
                  uint8_t reduction) {
    for (const TGradientSpan& span : LinearGradientSpans(split, extent, Rgb(first), Rgb(second), reduction)) {
        const cl::TRect band = axis == TGradientAxis::Y ? cl::TRect{0, span.from, kGradientStripWidth, span.to}
                                                        : cl::TRect{span.from, 0, span.to, kGradientStripWidth};
        FillRgb(dc, band, span.color);
    }
}

void FillGradientBox(HDC dc, int width, int height, int insetX, int insetY, cl::TColor first, cl::TColor second,
                     uint8_t reduction) {
    for (const TGradientFill& fill : BoxGradientQuadrant(width, height, insetX, insetY, Rgb(first), Rgb(second), reduction))
        FillRgb(dc, fill.rect, fill.color);
}

void FillGradientDiagonal(HDC dc, int width, int height, cl::TColor first, cl::TColor second, uint8_t reduction) {
    cl::TSelectObject noPen(dc, GetStockObject(NULL_PEN));
    for (const TGradientPolygon& band : DiagonalGradientBands(width, height, Rgb(first), Rgb(second), reduction)) {
        cl::TBrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(band.color)));
        cl::TSelectObject selectBrush(dc, brush.Get());
        POINT points[4];
        for (int i = 0; i < 4; ++i) points[i] = {band.points[i].x, band.points[i].y};
        Polygon(dc, points, 4);
    }
}

void TileBlit(HDC dc, int x, int y, DWORD rop, int filledHeight, int filledWidth, int totalHeight, int totalWidth) {
    for (const TBlockCopy& copy : TileCopies(filledWidth, filledHeight, totalWidth, totalHeight))
        BitBlt(dc, x + copy.x, y + copy.y, copy.width, copy.height, dc, x, y, rop);
}

void MirrorBlit(HDC dc, int x, int y, DWORD rop, int height, int width) {
    // Row by row and column by column: exact on every platform, where mirroring through
    // negative extents differs by a pixel.
    const int halfHeight = height / 2, halfWidth = width / 2;
    for (int row = 0; row < halfHeight; ++row) BitBlt(dc, x, y + height - 1 - row, width, 1, dc, x, y + row, rop);
    for (int column = 0; column < halfWidth; ++column)
        BitBlt(dc, x + width - 1 - column, y, 1, height, dc, x + column, y, rop);
}

void PaintGradient(cl::TCanvas& canvas, const cl::TRect& r, int direction, cl::TColor first, cl::TColor second,
                   uint8_t reduction) {
    const int w = r.Width(), h = r.Height();
    if (w <= 0 || h <= 0) return;
    TMemoryBitmap image(canvas.Handle(), w, h);
    HDC dc = image.DC();
    switch (direction) {
        case gdDiagonal:
        case gdDiagonalOther:
            if (Rgb(first) == Rgb(second)) FillSolid(dc, {0, 0, w, h}, first);
            else FillGradientDiagonal(dc, direction == gdDiagonal ? w : -w, h, first, second, reduction);
            break;
        case gdVertical:
        case gdVerticalMirror:
            FillGradient(dc, TGradientAxis::Y, direction == gdVertical ? -1 : h / 2, h, first, second, reduction);
            TileBlit(dc, 0, 0, SRCCOPY, h, kGradientStripWidth, h, w);
            break;
        case gdHorizontal:
        case gdHorizontalMirror:
            FillGradient(dc, TGradientAxis::X, direction == gdHorizontal ? -1 : w / 2, w, first, second, reduction);
            TileBlit(dc, 0, 0, SRCCOPY, kGradientStripWidth, w, h, w);
            break;
        default: {
            const int insetX = direction == gdBoxWide || direction == gdBoxLarge ? w / 4 : 0;
            const int insetY = direction == gdBoxTall || direction == gdBoxLarge ? h / 4 : 0;
            FillGradientBox(dc, w, h, insetX, insetY, first, second, reduction);
            MirrorBlit(dc, 0, 0, SRCCOPY, h, w);
            break;
        }
    }
    BitBlt(canvas.Handle(), r.left, r.top, w, h, dc, 0, 0, SRCCOPY);
}

void FlipBitmapVertically(TMemoryBitmap& bitmap) {
    const int width = bitmap.Width(), height = bitmap.Height();
    TMemoryBitmap original(bitmap.DC(), width, height);
    BitBlt(original.DC(), 0, 0, width, height, bitmap.DC(), 0, 0, SRCCOPY);
    for (int row = 0; row < height; ++row)
        BitBlt(bitmap.DC(), 0, height - 1 - row, width, 1, original.DC(), 0, row, SRCCOPY);
}

void BlitTransparentBitmap(cl::TCanvas& canvas, HDC sourceDc, const cl::TRect& destination,
                           cl::TColor transparentColor, const cl::TRect& source) {
    const int w = destination.Width(), h = destination.Height();
    if (w <= 0 || h <= 0) return;
    HDC dc = canvas.Handle();
    TMemoryBitmap color(dc, w, h);
    SetStretchBltMode(color.DC(), COLORONCOLOR);
    StretchBlt(color.DC(), 0, 0, w, h, sourceDc, source.left, source.top, source.Width(), source.Height(), SRCCOPY);
    // The mask is white where the colour bitmap shows the transparent colour.
    TMemoryBitmap mask = TMemoryBitmap::Monochrome(w, h);
    SetBkColor(color.DC(), cl::ColorToRGB(transparentColor));
    BitBlt(mask.DC(), 0, 0, w, h, color.DC(), 0, 0, SRCCOPY);
    // Transparent pixels of the colour bitmap become black, ...
    SetBkColor(color.DC(), RGB(0, 0, 0));
    SetTextColor(color.DC(), RGB(255, 255, 255));
    BitBlt(color.DC(), 0, 0, w, h, mask.DC(), 0, 0, SRCAND);
    // ... the others cut a black hole into the destination, which the colour bitmap fills.
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    BitBlt(dc, destination.left, destination.top, w, h, mask.DC(), 0, 0, SRCAND);
    BitBlt(dc, destination.left, destination.top, w, h, color.DC(), 0, 0, SRCPAINT);
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
}

}  // namespace mw
