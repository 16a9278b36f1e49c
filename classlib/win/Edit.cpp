#include "classlib/win/Edit.h"

#include "classlib/core/ClassBuilder.h"

namespace cl {

const TClassInfo& TEdit::StaticClass() {
    static const auto info = TClassBuilder<TEdit>("TEdit", TControl::StaticClass())
                                 .Creatable()
                                 .Bool("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly)
                                 .Int("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength)
                                 .Event("OnChange", &TEdit::OnChange)
                                 .Build();
    return *info;
}

TEdit::TEdit(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetColor(clWindow);
}

void TEdit::SetReadOnly(bool v) {
    readOnly_ = v;
    if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, v, 0);
}

void TEdit::SetMaxLength(int v) {
    maxLength_ = v;
    if (HandleAllocated()) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(v), 0);
}

void TEdit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }

void TEdit::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.windowClass = "EDIT";
    params.standardClass = true;
    params.exStyle = WS_EX_CLIENTEDGE;
    params.style &= ~WS_CLIPCHILDREN;
    params.style |= ES_AUTOHSCROLL;
}

void TEdit::InitializeWnd() {
    SendMessageA(Handle(), EM_SETREADONLY, readOnly_, 0);
    if (maxLength_ > 0) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

bool TEdit::CommandNotification(WORD code) {
    if (code != EN_CHANGE) return false;
    OnChange(this);
    return true;
}

}  // namespace cl
