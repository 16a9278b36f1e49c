#include "controls/basic/MwProgressBar.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/basic/MwStatusBar.h"

using namespace mw;

const cl::TClassInfo& TMwCustomProgressBar::StaticClass() {
    using B = TMwCustomProgressBar;
    static const auto info = cl::TClassBuilder<B>("TMwCustomProgressBar", cl::TCustomControl::StaticClass())
                                 .Int("Percent", &B::Percent, &B::SetPercent)
                                 .Int("PartsComplete", &B::PartsComplete, &B::SetPartsComplete)
                                 .Int("TotalParts", &B::TotalParts, &B::SetTotalParts)
                                 .Enum<TBarStyle>("BarStyle", &B::BarStyle, &B::SetBarStyle, kBarStyleNames)
                                 .Enum<TOrientation>("Orientation", &B::Orientation, &B::SetOrientation, kOrientationNames)
                                 .Bool("ShowPercent", &B::ShowPercent, &B::SetShowPercent)
                                 .Int("NumSegments", &B::NumSegments, &B::SetNumSegments)
                                 .Int("InteriorOffset", &B::InteriorOffset, &B::SetInteriorOffset)
                                 .Color("BackColor", &B::BackColor, &B::SetBackColor)
                                 .Color("BarColor", &B::BarColor, &B::SetBarColor)
                                 .Color("BorderColor", &B::BorderColor, &B::SetBorderColor)
                                 .Enum<TFrameStyle>("BorderInner", &B::BorderInner, &B::SetBorderInner, kFrameStyleNames)
                                 .Enum<TFrameStyle>("BorderOuter", &B::BorderOuter, &B::SetBorderOuter, kFrameStyleNames)
                                 .Int("BorderWidth", &B::BorderWidth, &B::SetBorderWidth)
                                 .Int("BevelWidth", &B::BevelWidth, &B::SetBevelWidth)
                                 .Color("FlatColor", &B::FlatColor, &B::SetFlatColor)
                                 .Int("FlatColorAdjustment", &B::FlatColorAdjustment, &B::SetFlatColorAdjustment)
                                 .Bool("ThemeAware", &B::ThemeAware, &B::SetThemeAware)
                                 .Event("OnChange", &B::OnChange)
                                 .Build();
    return *info;
}

const cl::TClassInfo& TMwProgressBar::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwProgressBar>("TMwProgressBar", TMwCustomProgressBar::StaticClass()).Creatable().Build();
    return *info;
}

TMwCustomProgressBar::TMwCustomProgressBar(cl::TComponent* owner) : cl::TCustomControl(owner) {
    SetBounds(0, 0, 200, 24);
    Font()->SetColor(barColor_);
}

void TMwCustomProgressBar::SetPercent(int v) {
    v &= 0xFFFF;
    if (v == percent_) return;
    percent_ = v;
    OnChange(this, percent_);
    Repaint();
}

void TMwCustomProgressBar::SetPartsComplete(int v) {
    const unsigned parts = std::min(static_cast<unsigned>(v), static_cast<unsigned>(totalParts_));
    if (static_cast<int>(parts) == partsComplete_) return;
    partsComplete_ = static_cast<int>(parts);
    if (IsLoading() || totalParts_ == 0) return;
    // nearbyint rounds halves to even in the default rounding mode.
    SetPercent(static_cast<int>(std::nearbyint(static_cast<double>(partsComplete_) / totalParts_ * 100.0)));
}

void TMwCustomProgressBar::SetTotalParts(int v) {
    if (v < 0) v = 0;
    if (v == totalParts_) return;
    totalParts_ = v;
    if (IsLoading()) return;
    partsComplete_ = 0;
    SetPercent(0);
}

void TMwCustomProgressBar::SetBarStyle(TBarStyle v) {
    if (v == barStyle_) return;
    barStyle_ = v;
    showPercent_ = v == TBarStyle::Traditional;
    interiorOffset_ = v == TBarStyle::LED ? 1 : 0;
    Repaint();
}

void TMwCustomProgressBar::SetBarColor(cl::TColor v) {
    if (v == barColor_) return;
    barColor_ = v;
    Font()->SetColor(v);
    Repaint();
}

void TMwCustomProgressBar::SetBounds(int left, int top, int width, int height) {
    cl::TCustomControl::SetBounds(left, top, width, height);
    SetOrientation(Height() > Width() ? TOrientation::Vertical : TOrientation::Horizontal);
}

void TMwCustomProgressBar::WndProc(cl::TMessage& m) {
    cl::TCustomControl::WndProc(m);
    // The status bar's size grip works where the bar covers it.
    if (m.msg == WM_NCHITTEST && dynamic_cast<TMwStatusBar*>(Parent())) {
        POINT p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        ::ScreenToClient(Handle(), &p);
        if (p.x >= Width() - 12 && p.x < Width()) {
            // Transparent here, so the status bar underneath gets the mouse.
            m.result = HTTRANSPARENT;
        }
    }
}

void TMwCustomProgressBar::Paint(cl::TCanvas& canvas) {
    HDC dc = canvas.Handle();
    const TFrameColors colors{flatColor_, cl::clBtnHighlight, cl::clBtnShadow, 1};
    cl::TRect r = cl::TRect::FromBounds(0, 0, Width(), Height());
    FillSolid(dc, r, borderColor_);
    r = PaintFrame(canvas, r, borderOuter_, sdAll, colors);
    if (borderWidth_ > 0) r = PaintBevel(canvas, r, borderColor_, borderColor_, borderWidth_, sdAll);
    r = PaintFrame(canvas, r, borderInner_, sdAll, colors);
    if (interiorOffset_ > 0) {
        FillSolid(dc, r, backColor_);
        r = Inset(r, interiorOffset_, interiorOffset_);
    }
    DrawBar(dc, r);
}

void TMwCustomProgressBar::DrawBar(HDC dc, const cl::TRect& r) {
    const bool vertical = orientation_ == TOrientation::Vertical;
    const int length = vertical ? r.Height() : r.Width();
    const int filled = length * std::min(percent_, 100) / 100;
    cl::TRect bar = r;
    if (vertical) bar.top = r.bottom - filled;
    else bar.right = r.left + filled;

    FillSolid(dc, r, backColor_);
    if (barStyle_ == TBarStyle::LED) {
        // Blocks with a one-pixel gap; only whole blocks up to the percentage are lit.
        const int block = std::max(1, length / numSegments_);
        const int lit = numSegments_ * std::min(percent_, 100) / 100;
        for (int i = 0; i < lit; ++i) {
            cl::TRect b = r;
            if (vertical) {
                b.bottom = r.bottom - i * block;
                b.top = b.bottom - block + 1;
            } else {
                b.left = r.left + i * block;
                b.right = b.left + block - 1;
            }
            FillSolid(dc, b, barColor_);
        }
        return;
    }
    FillSolid(dc, bar, barColor_);
    if (!showPercent_) return;
    // The text shows in the bar colour over the empty part and in the back colour over the bar.
    const std::string text = std::to_string(percent_) + "%";
    HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
    SetBkMode(dc, TRANSPARENT);
    RECT rc{r.left, r.top, r.right, r.bottom};
    const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    for (const bool overBar : {false, true}) {
        const int saved = SaveDC(dc);
        if (overBar) IntersectClipRect(dc, bar.left, bar.top, bar.right, bar.bottom);
        else ExcludeClipRect(dc, bar.left, bar.top, bar.right, bar.bottom);
        SetTextColor(dc, cl::ColorToRGB(overBar ? backColor_ : barColor_));
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rc, flags);
        RestoreDC(dc, saved);
    }
    SelectObject(dc, oldFont);
}

