#include "controls/basic/MwCustomButton.h"

#include <windowsx.h>

#include "classlib/core/ClassBuilder.h"
#include "controls/basic/ButtonCaption.h"
#include "controls/foundation/MwThemeSrv.h"
#include "controls/foundation/ParentBackground.h"

using namespace mw;

const cl::TClassInfo& TMwCustomButton::StaticClass() {
    using B = TMwCustomButton;
    static const auto info =
        cl::TClassBuilder<B>("TMwCustomButton", cl::TCustomControl::StaticClass())
            .Enum<TMwAboutInfo>("About", &B::About, &B::SetAbout, kAboutInfoNames)
            .Enum<TAlignmentVertical>("AlignmentVertical", &B::AlignmentVertical, &B::SetAlignmentVertical, kAlignmentVerticalNames)
            .Color("HighlightColor", &B::HighlightColor, &B::SetHighlightColor)
            .Bool("HotTrack", &B::HotTrack, &B::SetHotTrack)
            .Color("HotTrackColor", &B::HotTrackColor, &B::SetHotTrackColor)
            .Enum<TMwHotTrackColorType>("HotTrackColorType", &B::HotTrackColorType, &B::SetHotTrackColorType, kHotTrackColorTypeNames)
            .Bool("LightTextStyle", &B::LightTextStyle, &B::SetLightTextStyle)
            .Color("TextHighlightColor", &B::TextHighlightColor, &B::SetTextHighlightColor)
            .Color("TextShadowColor", &B::TextShadowColor, &B::SetTextShadowColor)
            .Int("TextShadowDepth", &B::TextShadowDepth, &B::SetTextShadowDepth)
            .Enum<TTextStyle>("TextStyle", &B::TextStyle, &B::SetTextStyle, kTextStyleNames)
            .Event("OnMouseEnter", &B::OnMouseEnter)
            .Event("OnMouseLeave", &B::OnMouseLeave)
            .Build();
    return *info;
}

TMwCustomButton::TMwCustomButton(cl::TComponent* owner) : cl::TCustomControl(owner) {
    SetBounds(0, 0, 115, 17);
    SetTabStop(true);
}

bool TMwCustomButton::ThemesEnabled() { return ThemeServices().ThemesEnabled(); }

void TMwCustomButton::SetEnabled(bool enabled) {
    if (enabled == Enabled()) return;
    cl::TCustomControl::SetEnabled(enabled);
    Invalidate();
}

// ---- caption ----

int TMwCustomButton::CaptionHeight(HDC dc, const cl::TRect& r) {
    RECT measured{r.left, r.top, r.right, r.bottom};
    cl::TSelectObject font(dc, Font()->Handle());
    DrawTextA(dc, Caption().data(), static_cast<int>(Caption().size()), &measured,
              DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER);
    return measured.bottom - measured.top;
}

void TMwCustomButton::DrawCaption(cl::TCanvas& canvas, const cl::TRect& r, UINT flags) {
    if (UseRightToLeftAlignment()) flags |= DT_RIGHT | DT_RTLREADING;
    canvas.SetBrushStyle(cl::TBrushStyle::Clear);
    canvas.Font().Assign(*Font());
    const cl::TRect placed = PlaceCaptionVertically(r, CaptionHeight(canvas.Handle(), r), alignmentVertical_);
    TCaptionStyle style;
    style.style = textStyle_;
    style.lightTextStyle = lightTextStyle_;
    style.enabled = Enabled();
    style.alignedRight = (flags & DT_RIGHT) != 0;
    style.shadowDepth = textShadowDepth_;
    for (const TCaptionPass& pass : CaptionPasses(style, {Font()->Color(), textHighlightColor_, textShadowColor_})) {
        canvas.Font().SetColor(pass.color);
        const cl::TRect at{placed.left + pass.dx, placed.top + pass.dy, placed.right + pass.dx, placed.bottom + pass.dy};
        canvas.TextRect(at, Caption(), flags);
    }
    canvas.SetBrushStyle(cl::TBrushStyle::Solid);
}

// ---- mouse ----

void TMwCustomButton::MouseEnter() {
    mouseOver_ = true;
    OnMouseEnter(this);
}

void TMwCustomButton::MouseLeave() {
    mouseOver_ = false;
    OnMouseLeave(this);
}

void TMwCustomButton::RepaintHotTrackRect() {
    if (!hotTrack_ && !ThemesEnabled()) return;
    const cl::TRect r = GetHotTrackRect();
    const RECT rc{r.left, r.top, r.right, r.bottom};
    InvalidateRect(Handle(), &rc, FALSE);
}

void TMwCustomButton::PressLeftButton() {
    if (!Enabled()) return;
    ::SetFocus(Handle());
    if (!Focused()) return;  // a focus handler moved the focus on
    pressedLook_ = true;
    ButtonStateChanged();
    dragging_ = true;
    SetCapture(Handle());
}

void TMwCustomButton::TrackPress(cl::TPoint point) {
    const bool inside = ClientRect().Contains(point);
    if (inside == pressedLook_) return;
    pressedLook_ = inside;
    ButtonStateChanged();
}

void TMwCustomButton::ReleaseLeftButton(cl::TPoint point) {
    dragging_ = false;
    ReleaseCapture();
    pressedLook_ = false;
    if (ClientRect().Contains(point)) Toggle();
    ButtonStateChanged();
}

void TMwCustomButton::WndProc(cl::TMessage& m) {
    switch (mouse_.Handle(Handle(), m.msg)) {
        case TMouseTracking::TChange::Entered:
            MouseEnter();
            RepaintHotTrackRect();
            break;
        case TMouseTracking::TChange::Left:
            MouseLeave();
            RepaintHotTrackRect();
            break;
        case TMouseTracking::TChange::None:
            break;
    }
    const cl::TPoint point{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    switch (m.msg) {
        case WM_LBUTTONDOWN:
            // The mouse-down event, but not the plain control's click on release: this button
            // clicks through Toggle.
            OnMouseDown(this, cl::TMouseButton::Left, cl::ShiftStateFromKeys(m.wParam), point.x, point.y);
            PressLeftButton();
            DefaultHandler(m);
            return;
        case WM_LBUTTONDBLCLK:
            cl::TCustomControl::WndProc(m);
            PressLeftButton();
            return;
        case WM_MOUSEMOVE:
            if (dragging_) TrackPress(point);
            break;
        case WM_LBUTTONUP:
            cl::TCustomControl::WndProc(m);
            if (dragging_) ReleaseLeftButton(point);
            return;
        case WM_CAPTURECHANGED:
            if (dragging_) {
                dragging_ = false;
                pressedLook_ = false;
                ButtonStateChanged();
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            cl::TCustomControl::WndProc(m);
            RepaintButton();
            return;
        case WM_ERASEBKGND:
            if (transparent_) {
                PaintParentBackground(*this, reinterpret_cast<HDC>(m.wParam));
                m.result = 1;
                return;
            }
            break;
        case WM_SETTEXT:
            cl::TCustomControl::WndProc(m);
            Repaint();
            return;
        default:
            break;
    }
    cl::TCustomControl::WndProc(m);
}
