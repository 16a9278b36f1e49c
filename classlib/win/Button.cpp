#include "classlib/win/Button.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Form.h"

namespace cl {

const TClassInfo& TButton::StaticClass() {
    static const auto info = TClassBuilder<TButton>("TButton", TControl::StaticClass())
                                 .Creatable()
                                 .Bool("Default", &TButton::Default, &TButton::SetDefault)
                                 .Bool("Cancel", &TButton::Cancel, &TButton::SetCancel)
                                 .Int("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)
                                 .Ref<TAction>("Action", &TButton::Action, &TButton::SetAction)
                                 .Build();
    return *info;
}

const TClassInfo& TCheckBox::StaticClass() {
    static const auto info = TClassBuilder<TCheckBox>("TCheckBox", TControl::StaticClass())
                                 .Creatable()
                                 .Bool("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked)
                                 .Build();
    return *info;
}

TButton::TButton(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

TButton::~TButton() {
    if (action_) action_->UnregisterClient(this);
}

void TButton::SetDefault(bool v) {
    if (v == default_) return;
    default_ = v;
    if (HandleAllocated()) SendMessageA(Handle(), BM_SETSTYLE, v ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::SetAction(TAction* action) {
    if (action == action_) return;
    if (action_) action_->UnregisterClient(this);
    action_ = action;
    if (action) {
        action->RegisterClient(this);
        ActionChanged(*action);
    }
}

void TButton::ActionChanged(TAction& action) {
    SetCaption(action.Caption());
    SetEnabled(action.Enabled());
    SetVisible(action.Visible());
    SetHint(action.Hint());
}

void TButton::ActionFreed(TAction& action) {
    if (&action == action_) action_ = nullptr;
}

void TButton::Click() {
    if (modalResult_ != 0) {
        if (TCustomForm* form = ParentForm()) form->SetModalResult(modalResult_);
    }
    if (action_) action_->Execute();
    else TControl::Click();
}

void TButton::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.windowClass = "BUTTON";
    params.standardClass = true;
    params.exStyle = 0;
    params.style &= ~WS_CLIPCHILDREN;
    params.style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

bool TButton::CommandNotification(WORD code) {
    if (code != BN_CLICKED) return false;
    Click();
    return true;
}

TCheckBox::TCheckBox(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
    SetParentColor(true);
}

bool TCheckBox::Checked() {
    if (HandleAllocated()) checked_ = SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
    return checked_;
}

void TCheckBox::SetChecked(bool checked) {
    if (checked == Checked()) return;
    checked_ = checked;
    if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!IsLoading()) Click();
}

void TCheckBox::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.windowClass = "BUTTON";
    params.standardClass = true;
    params.exStyle = 0;
    params.style &= ~WS_CLIPCHILDREN;
    params.style |= BS_AUTOCHECKBOX;
}

void TCheckBox::InitializeWnd() { SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0); }

bool TCheckBox::CommandNotification(WORD code) {
    if (code != BN_CLICKED) return false;
    checked_ = SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
    Click();
    return true;
}

}  // namespace cl
