#include "controls/basic/MwButtonEdit.h"

#include "classlib/core/ClassBuilder.h"

const cl::TClassInfo& TMwButtonEdit::StaticClass() {
    using E = TMwButtonEdit;
    static const auto info = cl::TClassBuilder<E>("TMwButtonEdit", cl::TEdit::StaticClass())
                                 .Creatable()
                                 .Int("ButtonWidth", &E::ButtonWidth, &E::SetButtonWidth)
                                 .Event("OnButtonClick", &E::OnButtonClick)
                                 .Build();
    return *info;
}

TMwButtonEdit::TMwButtonEdit(cl::TComponent* owner) : cl::TEdit(owner), button_(new cl::TButton(this)) {
    button_->SetCaption("...");
    button_->SetTabStop(false);
    button_->SetParent(this);
    button_->OnClick = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { OnButtonClick(this); });
    PlaceButton();
}

void TMwButtonEdit::SetButtonWidth(int v) {
    buttonWidth_ = v;
    PlaceButton();
}

void TMwButtonEdit::ButtonClick() { button_->Click(); }

void TMwButtonEdit::CreateParams(TCreateParams& params) {
    cl::TEdit::CreateParams(params);
    // The button lies inside the edit: the edit must not paint over it.
    params.style |= WS_CLIPCHILDREN;
}

void TMwButtonEdit::InitializeWnd() {
    cl::TEdit::InitializeWnd();
    PlaceButton();
}

void TMwButtonEdit::WndProc(cl::TMessage& message) {
    if (message.msg == WM_KEYDOWN && message.wParam == VK_F4) {
        ButtonClick();
        return;
    }
    cl::TEdit::WndProc(message);
}

void TMwButtonEdit::Resize() {
    cl::TEdit::Resize();
    PlaceButton();
}

void TMwButtonEdit::PlaceButton() {
    const cl::TRect client = ClientRect();
    button_->SetBounds(client.right - buttonWidth_, 0, buttonWidth_, client.Height());
    // The text stops short of the button.
    if (HandleAllocated()) SendMessageA(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, buttonWidth_));
}
