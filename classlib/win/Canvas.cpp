#include "classlib/win/Canvas.h"

namespace cl {

namespace {
RECT ToRECT(const TRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
}

TBrushHandle TCanvas::MakeBrush() const { return TBrushHandle(CreateSolidBrush(ColorToRGB(brushColor_))); }

void TCanvas::FillRect(const TRect& r) {
    if (brushStyle_ == TBrushStyle::Clear) return;
    const RECT rc = ToRECT(r);
    ::FillRect(dc_, &rc, MakeBrush().Get());
}

void TCanvas::FrameRect(const TRect& r) {
    const RECT rc = ToRECT(r);
    ::FrameRect(dc_, &rc, MakeBrush().Get());
}

void TCanvas::Rectangle(const TRect& r) {
    TPenHandle pen(CreatePen(PS_SOLID, 1, ColorToRGB(penColor_)));
    TBrushHandle brush = MakeBrush();
    TSelectObject selectPen(dc_, pen.Get());
    TSelectObject selectBrush(dc_, brushStyle_ == TBrushStyle::Clear ? GetStockObject(NULL_BRUSH) : brush.Get());
    ::Rectangle(dc_, r.left, r.top, r.right, r.bottom);
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
    TPenHandle pen(CreatePen(PS_SOLID, 1, ColorToRGB(penColor_)));
    TSelectObject selectPen(dc_, pen.Get());
    ::LineTo(dc_, x, y);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    TSelectObject selectFont(dc_, font_.Handle());
    SetTextColor(dc_, ColorToRGB(font_.Color()));
    if (brushStyle_ == TBrushStyle::Clear) {
        SetBkMode(dc_, TRANSPARENT);
    } else {
        SetBkMode(dc_, OPAQUE);
        SetBkColor(dc_, ColorToRGB(brushColor_));
    }
    ::TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
}

void TCanvas::TextRect(const TRect& r, const std::string& text, UINT format) {
    TSelectObject selectFont(dc_, font_.Handle());
    SetTextColor(dc_, ColorToRGB(font_.Color()));
    SetBkMode(dc_, TRANSPARENT);
    RECT rc = ToRECT(r);
    DrawTextA(dc_, text.data(), static_cast<int>(text.size()), &rc, format);
}

int TCanvas::TextWidth(const std::string& text) {
    TSelectObject selectFont(dc_, font_.Handle());
    SIZE size = {};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int TCanvas::TextHeight(const std::string& text) {
    TSelectObject selectFont(dc_, font_.Handle());
    SIZE size = {};
    GetTextExtentPoint32A(dc_, text.empty() ? "W" : text.data(), text.empty() ? 1 : static_cast<int>(text.size()), &size);
    return size.cy;
}

void TCanvas::FloodFill(int x, int y, TColor color) {
    TBrushHandle brush = MakeBrush();
    TSelectObject selectBrush(dc_, brush.Get());
    ExtFloodFill(dc_, x, y, ColorToRGB(color), FLOODFILLBORDER);
}

}  // namespace cl
