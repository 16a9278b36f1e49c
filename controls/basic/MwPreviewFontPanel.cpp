#include "controls/basic/MwPreviewFontPanel.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"

const cl::TClassInfo& TMwPreviewFontPanel::StaticClass() {
    static const auto info =
        cl::TClassBuilder<TMwPreviewFontPanel>("TMwPreviewFontPanel", cl::TCustomControl::StaticClass()).Build();
    return *info;
}

TMwPreviewFontPanel::TMwPreviewFontPanel(cl::TComponent* owner) : cl::TCustomControl(owner) {
    SetVisibleFlag(false);
    SetBounds(0, 0, 260, 65);
    SetColor(cl::clWindow);
    SetParentFont(false);
    Font()->SetSize(36);
    SetCaption(kDefaultText);
}

void TMwPreviewFontPanel::CreateParams(TCreateParams& params) {
    cl::TCustomControl::CreateParams(params);
    params.style = WS_POPUP;
    params.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    params.classStyle |= CS_SAVEBITS;
    if (combo_ && combo_->Parent()) params.parentWindow = GetAncestor(combo_->Handle(), GA_ROOT);
}

void TMwPreviewFontPanel::ShowAt(cl::TPoint p) {
    SetWindowPos(Handle(), HWND_TOPMOST, p.x, p.y, Width(), Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TMwPreviewFontPanel::HidePanel() {
    if (PanelShowing())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}

bool TMwPreviewFontPanel::PanelShowing() const {
    return HandleAllocated() && IsWindowVisible(const_cast<TMwPreviewFontPanel*>(this)->Handle());
}

void TMwPreviewFontPanel::AskComboToHide() {
    if (combo_ && combo_->HandleAllocated()) SendMessageA(combo_->Handle(), CM_HIDEFONTPREVIEW, 0, 0);
}

void TMwPreviewFontPanel::WndProc(cl::TMessage& m) {
    switch (m.msg) {
        case WM_MOUSEACTIVATE:
            m.result = MA_NOACTIVATE;
            return;
        case cl::CM_CANCELMODE:
            if (reinterpret_cast<cl::TControl*>(m.lParam) != this) AskComboToHide();
            return;
        case WM_KILLFOCUS:
            cl::TCustomControl::WndProc(m);
            AskComboToHide();
            return;
        default: cl::TCustomControl::WndProc(m);
    }
}

void TMwPreviewFontPanel::Paint(cl::TCanvas& canvas) {
    const cl::TRect r = ClientRect();
    canvas.SetBrushColor(Color());
    canvas.FillRect(r);
    canvas.SetBrushColor(cl::clWindowText);
    canvas.FrameRect(r);
    SetBkMode(canvas.Handle(), TRANSPARENT);
    canvas.TextRect({r.left + 2, r.top + 1, r.right - 2, r.bottom - 1}, Caption(),
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (leftAligned_ ? DT_LEFT : DT_CENTER));
}
