#include "controls/basic/MwRadioButton.h"

#include "classlib/core/ClassBuilder.h"

namespace {
const cl::TEnumNames kLeftRightNames{{{"taLeftJustify", 0}, {"taRightJustify", 1}}};
}  // namespace

const cl::TClassInfo& TMwRadioButton::StaticClass() {
    using C = TMwRadioButton;
    static const auto info = cl::TClassBuilder<C>("TMwRadioButton", cl::TControl::StaticClass())
                                 .Creatable()
                                 .Enum<TMwAboutInfo>("About", &C::About, &C::SetAbout, mw::kAboutInfoNames)
                                 .Bool("Checked", &C::Checked, &C::SetChecked)
                                 .Enum<cl::TAlignment>("Alignment", &C::Alignment, &C::SetAlignment, kLeftRightNames)
                                 .Build();
    return *info;
}

TMwRadioButton::TMwRadioButton(cl::TComponent* owner) : cl::TControl(owner) {
    SetBounds(0, 0, 113, 17);
    SetParentColor(true);
}

void TMwRadioButton::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    SetTabStop(checked);
    if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!checked) return;
    if (cl::TControl* parent = Parent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* sibling = dynamic_cast<TMwRadioButton*>(parent->Controls(i)); sibling && sibling != this)
                sibling->SetChecked(false);
    Click();
}

void TMwRadioButton::SetAlignment(cl::TAlignment v) {
    if (v == alignment_) return;
    alignment_ = v;
    RecreateWnd();
}

void TMwRadioButton::CreateParams(TCreateParams& params) {
    cl::TControl::CreateParams(params);
    params.windowClass = "BUTTON";
    params.standardClass = true;
    params.exStyle = 0;
    params.style &= ~WS_CLIPCHILDREN;
    params.style |= BS_RADIOBUTTON;
    if (alignment_ == cl::TAlignment::LeftJustify) params.style |= BS_LEFTTEXT;
}

void TMwRadioButton::InitializeWnd() { SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0); }

bool TMwRadioButton::CommandNotification(WORD code) {
    if (code != BN_CLICKED) return false;
    SetChecked(true);
    return true;
}
