#include "controls/basic/MwButtonPair.h"

#include "classlib/core/ClassBuilder.h"
#include "controls/foundation/MwThemeSrv.h"

const cl::TClassInfo& TMwButtonPair::StaticClass() {
    using P = TMwButtonPair;
    static const auto info = cl::TClassBuilder<P>("TMwButtonPair", cl::TCustomControl::StaticClass())
                                 .Color("Color", &P::Color, &P::SetColor)
                                 .Bool("Flat", &P::Flat, &P::SetFlat)
                                 .Ref<cl::TControl>("FocusControl", &P::FocusControl, &P::SetFocusControl)
                                 .Event("OnButtonClick", &P::OnButtonClick)
                                 .Event("OnAltBtnClick", &P::OnAltBtnClick)
                                 .Build();
    return *info;
}

TMwButtonPair::TMwButtonPair(cl::TComponent* owner) : cl::TCustomControl(owner) {
    altButton_ = CreateButton();
    button_ = CreateButton();
    button_->Show();
    SetBounds(0, 0, 34, 21);
    SetColor(cl::clBtnFace);
}

TMwControlButton* TMwButtonPair::CreateButton() {
    auto* button = new TMwControlButton(this);
    button->Hide();
    button->SetParent(this);
    button->SetWidth(mw::ThemeServices().ThemesEnabled() ? 15 : 17);
    button->OnClick = cl::TNotifyEvent(this, &TMwButtonPair::ButtonClicked);
    button->OnMouseDown = cl::TMouseEvent(this, &TMwButtonPair::ButtonMouseDown);
    return button;
}

void TMwButtonPair::CreateParams(TCreateParams& params) {
    cl::TCustomControl::CreateParams(params);
    params.style |= WS_CLIPCHILDREN;
    params.style &= ~WS_TABSTOP;
}

void TMwButtonPair::SetEnabled(bool enabled) {
    cl::TCustomControl::SetEnabled(enabled);
    button_->SetEnabled(enabled);
    altButton_->SetEnabled(enabled);
}

void TMwButtonPair::SetColor(cl::TColor color) {
    cl::TCustomControl::SetColor(color);
    button_->SetColor(color);
    altButton_->SetColor(color);
}

void TMwButtonPair::SetFlat(bool v) {
    flat_ = v;
    button_->SetFlat(v);
    altButton_->SetFlat(v);
}

void TMwButtonPair::SetFocusControl(cl::TControl* control) {
    if (focusControl_) RemoveFreeNotification(focusControl_);
    focusControl_ = control;
    if (control) FreeNotification(control);
}

void TMwButtonPair::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TCustomControl::Notification(component, operation);
    if (operation == cl::TOperation::Remove && component == focusControl_) focusControl_ = nullptr;
}

void TMwButtonPair::Resize() {
    cl::TCustomControl::Resize();
    PositionButtons();
}

void TMwButtonPair::PositionButtons() {
    if (IsLoading()) return;
    const int height = Height() - 1;
    int x = 0;
    for (TMwControlButton* button : {button_, altButton_}) {
        if (!button->Visible()) continue;
        button->SetBounds(x, 0, button->Width(), height);
        x += button->Width();
    }
}

void TMwButtonPair::ButtonClicked(cl::TObject* sender) {
    if (sender == altButton_) OnAltBtnClick(this);
    else OnButtonClick(this);
}

// The focus control must take the focus before the click counts; when it cannot, the button
// lets go without a click.
void TMwButtonPair::ButtonMouseDown(cl::TObject* sender, cl::TMouseButton button, cl::TShiftState, int, int) {
    if (button != cl::TMouseButton::Left) return;
    auto* pressed = static_cast<TMwControlButton*>(sender);
    for (cl::TControl* control : {focusControl_, static_cast<cl::TControl*>(this)}) {
        if (!control || !control->TabStop() || !control->Enabled() || !control->Showing() || control->Focused()) continue;
        control->SetFocus();
        if (!control->Focused()) {
            if (GetCapture() == pressed->Handle()) ReleaseCapture();
            return;
        }
    }
}
