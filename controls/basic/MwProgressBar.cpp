#include "controls/basic/MwProgressBar.h"

#include <windowsx.h>

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "controls/basic/MwStatusBar.h"
#include "controls/basic/ProgressBarLayout.h"
#include "controls/basic/StatusBarLayout.h"
#include "controls/basic/StatusPaneLayout.h"
#include "controls/foundation/ColorShades.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/MwThemeSrv.h"
#include "controls/foundation/PercentBar.h"

using namespace mw;

const cl::TClassInfo& TMwCustomProgressBar::StaticClass() {
    using B = TMwCustomProgressBar;
    static const auto info = cl::TClassBuilder<B>("TMwCustomProgressBar", cl::TCustomControl::StaticClass())
                                 .Enum<TMwAboutInfo>("About", &B::About, &B::SetAbout, kAboutInfoNames)
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

TMwCustomProgressBar::TMwCustomProgressBar(cl::TComponent* owner) : cl::TCustomControl(owner) { SetBounds(0, 0, 200, 24); }

// ---- properties ----

void TMwCustomProgressBar::SetPercent(int v) {
    v = std::clamp(v, 0, 0xFFFF);
    if (v == percent_) return;
    percent_ = v;
    Change();
    Repaint();
}

void TMwCustomProgressBar::Change() { OnChange(this, percent_); }

void TMwCustomProgressBar::SetPartsComplete(int v) {
    if (v == partsComplete_) return;
    // While loading, TotalParts may still come: Loaded clamps.
    if (IsLoading()) {
        partsComplete_ = v;
        return;
    }
    partsComplete_ = static_cast<unsigned>(v) > static_cast<unsigned>(totalParts_) ? totalParts_ : v;
    if (totalParts_ != 0)
        SetPercent(PercentOfParts(static_cast<unsigned>(partsComplete_), static_cast<unsigned>(totalParts_)));
}

void TMwCustomProgressBar::SetTotalParts(int v) {
    v = std::max(v, 0);
    if (v == totalParts_) return;
    totalParts_ = v;
    if (IsLoading()) return;
    partsComplete_ = 0;
    SetPercent(0);
}

void TMwCustomProgressBar::Loaded() {
    cl::TCustomControl::Loaded();
    if (static_cast<unsigned>(partsComplete_) > static_cast<unsigned>(totalParts_)) partsComplete_ = totalParts_;
}

void TMwCustomProgressBar::SetBarStyle(TBarStyle v) {
    if (v == barStyle_) return;
    barStyle_ = v;
    showPercent_ = v == TBarStyle::Traditional;
    interiorOffset_ = v == TBarStyle::LED ? 1 : 0;
    Repaint();
}

void TMwCustomProgressBar::SetNumSegments(int v) { StoreAndRepaint(numSegments_, std::clamp(v, 1, 100)); }

void TMwCustomProgressBar::SetInteriorOffset(int v) { StoreAndRepaint(interiorOffset_, std::clamp(v, 0, 255)); }

void TMwCustomProgressBar::SetBarColor(cl::TColor v) {
    if (v == barColor_) return;
    barColor_ = v;
    Font()->SetColor(v);
    Repaint();
}

void TMwCustomProgressBar::SetBounds(int left, int top, int width, int height) {
    cl::TCustomControl::SetBounds(left, top, width, height);
    SetOrientation(OrientationForShape(Width(), Height()));
}

void TMwCustomProgressBar::CreateParams(TCreateParams& params) {
    cl::TCustomControl::CreateParams(params);
    params.classStyle |= CS_HREDRAW | CS_VREDRAW;
}

// ---- messages ----

bool TMwCustomProgressBar::InGripStrip(LPARAM screenPoint) {
    POINT p{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    ::ScreenToClient(Handle(), &p);
    const cl::TRect client = ClientRect();
    return InSizeGripStrip(p.x, client.right) && p.y >= client.top && p.y < client.bottom;
}

void TMwCustomProgressBar::WndProc(cl::TMessage& m) {
    switch (m.msg) {
        case WM_ERASEBKGND:  // the paint covers everything
            m.result = 1;
            return;
        case WM_NCHITTEST: {
            cl::TCustomControl::WndProc(m);
            // Where the bar covers the status bar's size grip, the mouse goes through to the
            // status bar, which sizes the form.
            auto* bar = dynamic_cast<TMwStatusBar*>(Parent());
            if (bar && bar->GripActive() && InGripStrip(m.lParam)) m.result = HTTRANSPARENT;
            return;
        }
        default: break;
    }
    cl::TCustomControl::WndProc(m);
}

// ---- painting ----

void TMwCustomProgressBar::Paint(cl::TCanvas& target) {
    const int width = Width(), height = Height();
    TMemoryBitmap image(target.Handle(), width, height);
    cl::TCanvas canvas(image.DC());
    canvas.Font().Assign(*Font());
    const cl::TRect client{0, 0, width, height};
    auto* bar = dynamic_cast<TMwStatusBar*>(Parent());
    const bool themed = ThemeServices().ThemesEnabled() && (!bar || bar->ThemeAware());
    const cl::TRect r = themed ? PaintThemedFrame(canvas, client, bar) : PaintClassicBorders(canvas, client);
    if (barStyle_ == TBarStyle::Traditional)
        DrawPercentText(canvas, r, orientation_, showPercent_, static_cast<uint16_t>(percent_), backColor_, barColor_);
    else
        DrawPercentBar(canvas, r, orientation_, themeAware_, percent_, numSegments_, backColor_, barColor_);
    if (bar) bar->DrawSizeGripOver(*this, canvas);
    BitBlt(target.Handle(), 0, 0, width, height, image.DC(), 0, 0, SRCCOPY);
}

cl::TRect TMwCustomProgressBar::PaintThemedFrame(cl::TCanvas& canvas, const cl::TRect& client, TMwStatusBar* bar) {
    TThemeServices& themes = ThemeServices();
    const TThemedProgressRects rects = ThemedProgressRects(client, bar != nullptr, themeAware_, barStyle_, interiorOffset_);
    if (bar) {
        bar->PaintThemedBackground(*this, canvas.Handle(), client);
        themes.DrawElement(canvas.Handle(), ThemeElementDetails(TThemedStatus::Pane), client);
    }
    if (rects.drawFrame) {
        const TThemedProgress frame = orientation_ == TOrientation::Horizontal ? TThemedProgress::Bar : TThemedProgress::BarVert;
        themes.DrawElement(canvas.Handle(), ThemeElementDetails(frame), rects.frame);
    }
    return rects.bar;
}

cl::TRect TMwCustomProgressBar::PaintClassicBorders(cl::TCanvas& canvas, cl::TRect r) {
    HDC dc = canvas.Handle();
    const cl::TColor flat = ShadeColor(flatColor_, flatColorAdjustment_);
    FillSolid(dc, r, borderColor_);
    if (borderOuter_ == TFrameStyle::Flat) r = PaintBevel(canvas, r, flat, flat, 1, sdAll);
    else r = PaintBorder(canvas, r, borderOuter_);
    if (borderWidth_ > 0) r = PaintBevel(canvas, r, borderColor_, borderColor_, borderWidth_, sdAll);
    if (borderInner_ == TFrameStyle::Flat) {
        for (const cl::TRect& line : OpenCornerBoxLines(r)) FillSolid(dc, line, flat);
        r = Inset(r, 1, 1);
    } else {
        r = PaintBorder(canvas, r, borderInner_);
    }
    if (interiorOffset_ > 0) {
        // A frame of InteriorOffset pixels inside r, in the back colour.
        cl::TPenHandle pen(CreatePen(PS_INSIDEFRAME, interiorOffset_, cl::ColorToRGB(backColor_)));
        cl::TSelectObject selectPen(dc, pen.Get());
        cl::TSelectObject noBrush(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
    }
    return Inset(r, interiorOffset_, interiorOffset_);
}
