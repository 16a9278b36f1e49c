#include "controls/basic/MwStatusPane.h"

#include <windowsx.h>

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/Handles.h"
#include "controls/basic/MwFrameController.h"
#include "controls/basic/MwStatusBar.h"
#include "controls/basic/StatusBarLayout.h"
#include "controls/basic/StatusPaneLayout.h"
#include "controls/foundation/ColorShades.h"
#include "controls/foundation/MwBlinkingControls.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/MwThemeSrv.h"

using namespace mw;

const cl::TClassInfo& TMwCustomStatusPane::StaticClass() {
    using P = TMwCustomStatusPane;
    static const auto info = cl::TClassBuilder<P>("TMwCustomStatusPane", cl::TCustomControl::StaticClass())
                                 .Enum<TMwAboutInfo>("About", &P::About, &P::SetAbout, kAboutInfoNames)
                                 .Int("BorderWidth", &P::BorderWidth, &P::SetBorderWidth)
                                 .Color("FillColor", &P::FillColor, &P::SetFillColor)
                                 .Color("FlatColor", &P::FlatColor, &P::SetFlatColor)
                                 .Int("FlatColorAdjustment", &P::FlatColorAdjustment, &P::SetFlatColorAdjustment)
                                 .Enum<TFrameStyle>("FrameStyle", &P::FrameStyle, &P::SetFrameStyle, kFrameStyleNames)
                                 .Ref<TMwFrameController>("FrameController", &P::FrameController, &P::SetFrameController)
                                 .Enum<cl::TAlignment>("Alignment", &P::Alignment, &P::SetAlignment, cl::kAlignmentNames)
                                 .Bool("AutoSize", &P::AutoSize, &P::SetAutoSize)
                                 .Bool("Blinking", &P::Blinking, &P::SetBlinking)
                                 .Color("BlinkColor", &P::BlinkColor, &P::SetBlinkColor)
                                 .Int("BlinkIntervalOn", &P::BlinkIntervalOn, &P::SetBlinkIntervalOn)
                                 .Int("BlinkIntervalOff", &P::BlinkIntervalOff, &P::SetBlinkIntervalOff)
                                 .Int("CaptionOffset", &P::CaptionOffset, &P::SetCaptionOffset)
                                 .Int("DefaultWidth", &P::DefaultWidth, &P::SetDefaultWidth)
                                 .Event("OnMouseEnter", &P::OnMouseEnter)
                                 .Event("OnMouseLeave", &P::OnMouseLeave)
                                 .Build();
    return *info;
}

TMwCustomStatusPane::TMwCustomStatusPane(cl::TComponent* owner) : cl::TCustomControl(owner) {
    SetBounds(0, 0, 100, 20);
    SetParentColor(true);
    normalColor_ = currentColor_ = Font()->Color();
    JoinBlinkingControls(*this);
}

TMwCustomStatusPane::~TMwCustomStatusPane() {
    LeaveBlinkingControls(*this);
    if (frameController_) frameController_->UnregisterControl(this);
}

// ---- properties ----

// The blinking list exists as long as this pane does.
int TMwCustomStatusPane::BlinkIntervalOn() const { return BlinkingControls()->IntervalOn(); }
void TMwCustomStatusPane::SetBlinkIntervalOn(int v) {
    BlinkingControls()->SetIntervalOn(static_cast<uint16_t>(std::clamp(v, 0, 0xFFFF)));
}
int TMwCustomStatusPane::BlinkIntervalOff() const { return BlinkingControls()->IntervalOff(); }
void TMwCustomStatusPane::SetBlinkIntervalOff(int v) {
    BlinkingControls()->SetIntervalOff(static_cast<uint16_t>(std::clamp(v, 0, 0xFFFF)));
}

void TMwCustomStatusPane::SetAutoSize(bool v) {
    if (v == autoSize_) return;
    autoSize_ = v;
    AdjustWidth();
}

void TMwCustomStatusPane::SetCaptionOffset(int v) {
    if (v == captionOffset_) return;
    captionOffset_ = v;
    Invalidate();
    AdjustWidth();
}

void TMwCustomStatusPane::SetDefaultWidth(int v) {
    if (v == defaultWidth_) return;
    defaultWidth_ = v;
    AdjustWidth();
}

void TMwCustomStatusPane::SetBlinking(bool v) {
    if (v == blinking_) return;
    blinking_ = v;
    if (!v) currentColor_ = normalColor_;
    Invalidate();
}

void TMwCustomStatusPane::SetFrameController(TMwFrameController* controller) {
    if (frameController_) {
        frameController_->UnregisterControl(this);
        RemoveFreeNotification(frameController_);
    }
    frameController_ = controller;
    if (!controller) return;
    FreeNotification(controller);
    controller->RegisterControl(this);
}

void TMwCustomStatusPane::UpdateFrameFromController() {
    if (!frameController_ || !frameController_->FrameVisible()) return;
    frameStyle_ = frameController_->FrameStyle();
    flatColor_ = frameController_->FrameColor();
    flatColorAdjustment_ = 0;
    fillColor_ = frameController_->Color();
    SetParentColor(frameController_->ParentColor());
    Invalidate();
}

void TMwCustomStatusPane::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TCustomControl::Notification(component, operation);
    if (operation == cl::TOperation::Remove && component == frameController_) frameController_ = nullptr;
}

void TMwCustomStatusPane::Loaded() {
    cl::TCustomControl::Loaded();
    normalColor_ = currentColor_ = Font()->Color();
    AdjustWidth();
}

void TMwCustomStatusPane::FontChanged() {
    cl::TCustomControl::FontChanged();
    if (IsLoading()) return;
    normalColor_ = Font()->Color();
    if (!blinking_) currentColor_ = normalColor_;
    AdjustWidth();
}

void TMwCustomStatusPane::ChangePaneCaption(const std::string& text) {
    if (text == paneCaption_) return;
    paneCaption_ = text;
    Invalidate();
    AdjustWidth();
}

// ---- size ----

int TMwCustomStatusPane::TextWidth(const std::string& text) {
    const cl::TScreenDC dc;
    const HGDIOBJ old = SelectObject(dc.Handle(), Font()->Handle());
    RECT r{0, 0, 0, 0};
    DrawTextA(dc.Handle(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE);
    SelectObject(dc.Handle(), old);
    return r.right - r.left;
}

int TMwCustomStatusPane::GetAutoWidth() {
    const bool hasCaption = !paneCaption_.empty();
    return PaneAutoWidth(hasCaption, hasCaption ? TextWidth(paneCaption_) : 0, borderWidth_, captionOffset_, defaultWidth_);
}

void TMwCustomStatusPane::AdjustWidth() {
    if (IsLoading() || !autoSize_) return;
    SetWidth(GetAutoWidth());
}

cl::TRect TMwCustomStatusPane::GetTextRect() {
    const int inset = PaneTextInset(frameStyle_, borderWidth_);
    return Inset(cl::TRect::FromBounds(0, 0, Width(), Height()), inset, inset);
}

// ---- the status bar ----

TMwStatusBar* TMwCustomStatusPane::StatusBar() const { return dynamic_cast<TMwStatusBar*>(Parent()); }

bool TMwCustomStatusPane::Themed() const {
    const TMwStatusBar* bar = StatusBar();
    return bar && bar->ThemesChildren();
}

bool TMwCustomStatusPane::IsAtSizeGrip(const cl::TRect& r) {
    TMwStatusBar* bar = StatusBar();
    return bar && Left() + r.right >= bar->ClientRect().right;
}

bool TMwCustomStatusPane::InGripStrip(LPARAM screenPoint) {
    POINT p{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    ::ScreenToClient(Handle(), &p);
    const int barRight = StatusBar()->ClientRect().right - Left();  // in pane coordinates
    return InSizeGripStrip(p.x, barRight) && p.y >= 0 && p.y < Height();
}

// ---- painting ----

void TMwCustomStatusPane::Paint(cl::TCanvas& canvas) {
    DrawPaneFrame(canvas);
    DrawCaption(canvas, paneCaption_);
    if (TMwStatusBar* bar = StatusBar()) bar->DrawSizeGripOver(*this, canvas);
}

void TMwCustomStatusPane::DrawPaneFrame(cl::TCanvas& canvas) {
    HDC dc = canvas.Handle();
    const cl::TRect all = cl::TRect::FromBounds(0, 0, Width(), Height());
    if (Themed()) {
        StatusBar()->PaintThemedBackground(*this, dc, all);
        ThemeServices().DrawElement(dc, ThemeElementDetails(TThemedStatus::Pane), all);
        return;
    }
    FillSolid(dc, all, Color());
    const cl::TRect r = Inset(all, borderWidth_, borderWidth_);
    if (frameStyle_ == TFrameStyle::Flat) {
        const cl::TColor line = ShadeColor(flatColor_, flatColorAdjustment_);
        for (const cl::TRect& segment : OpenCornerBoxLines(r)) FillSolid(dc, segment, line);
        return;
    }
    PaintBorder(canvas, r, frameStyle_);
}

int TMwCustomStatusPane::CaptionTop(cl::TCanvas& canvas, const cl::TRect& r) {
    return r.top + (r.Height() - canvas.TextHeight("Pp")) / 2;
}

void TMwCustomStatusPane::DrawTextClipped(HDC dc, const cl::TRect& r, int x, int y, const std::string& text,
                                          cl::TColor textColor, bool transparent, cl::TColor fillColor) {
    SetTextColor(dc, cl::ColorToRGB(textColor));
    SetBkColor(dc, cl::ColorToRGB(fillColor));
    SetBkMode(dc, transparent ? TRANSPARENT : OPAQUE);
    const RECT clip{r.left, r.top, r.right, r.bottom};
    ExtTextOutA(dc, x, y, ETO_CLIPPED | (transparent ? 0 : ETO_OPAQUE), &clip, text.data(), static_cast<UINT>(text.size()),
                nullptr);
}

void TMwCustomStatusPane::DrawCaption(cl::TCanvas& canvas, const std::string& text) {
    canvas.Font().Assign(*Font());
    const cl::TRect r = GetTextRect();
    HDC dc = canvas.Handle();
    cl::TSelectObject selectFont(dc, canvas.Font().Handle());
    UINT align = TA_LEFT;
    int x = r.left + captionOffset_ + 1;
    if (alignment_ == cl::TAlignment::RightJustify) {
        align = TA_RIGHT;
        x = r.right - captionOffset_ - 1;
    } else if (alignment_ == cl::TAlignment::Center) {
        align = TA_CENTER;
        x = r.left + r.Width() / 2;
    }
    const int y = CaptionTop(canvas, r);
    const bool themed = Themed();
    if (themed) StatusBar()->PaintThemedBackground(*this, dc, r);
    bool transparent = themed;
    cl::TColor color = currentColor_;
    const UINT oldAlign = SetTextAlign(dc, align | TA_TOP);
    if (!Enabled()) {
        DrawTextClipped(dc, r, x + 1, y + 1, text, cl::clBtnHighlight, transparent, fillColor_);
        color = cl::clBtnShadow;
        transparent = true;
    }
    DrawTextClipped(dc, r, x, y, text, color, transparent, fillColor_);
    SetTextAlign(dc, oldAlign);
}

// ---- messages ----

void TMwCustomStatusPane::Blink(bool on) {
    currentColor_ = on ? blinkColor_ : normalColor_;
    Repaint();
}

void TMwCustomStatusPane::WndProc(cl::TMessage& m) {
    switch (mouse_.Handle(Handle(), m.msg)) {
        case TMouseTracking::TChange::Entered: MouseEnter(); break;
        case TMouseTracking::TChange::Left: MouseLeave(); break;
        case TMouseTracking::TChange::None: break;
    }
    switch (m.msg) {
        case CM_ISBLINKING:
            cl::TCustomControl::WndProc(m);
            if (blinking_) m.result = 1;
            return;
        case CM_BLINK:
            cl::TCustomControl::WndProc(m);
            if (blinking_) Blink(m.wParam != 0);
            return;
        case WM_ERASEBKGND:  // the paint covers everything
            m.result = 1;
            return;
        case WM_NCHITTEST: {
            cl::TCustomControl::WndProc(m);
            // Where the pane covers the status bar's size grip, the mouse goes through to the
            // status bar, which sizes the form.
            const TMwStatusBar* bar = StatusBar();
            if (bar && bar->GripActive() && IsAtSizeGrip(cl::TRect::FromBounds(0, 0, Width(), Height())) &&
                InGripStrip(m.lParam))
                m.result = HTTRANSPARENT;
            return;
        }
        default: break;
    }
    cl::TCustomControl::WndProc(m);
}
