#include "controls/basic/MwCheckBox.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"

using namespace mw;

namespace {
const cl::TEnumNames kStateNames{{{"cbUnchecked", 0}, {"cbChecked", 1}, {"cbGrayed", 2}}};
const cl::TEnumNames kLeftRightNames{{{"taLeftJustify", 0}, {"taRightJustify", 1}}};

WPARAM ButtonStateOf(TCheckBoxState state) {
    switch (state) {
        case TCheckBoxState::Checked: return BST_CHECKED;
        case TCheckBoxState::Grayed: return BST_INDETERMINATE;
        default: return BST_UNCHECKED;
    }
}
}  // namespace

const cl::TClassInfo& TMwCheckBox::StaticClass() {
    using C = TMwCheckBox;
    static const auto info =
        cl::TClassBuilder<C>("TMwCheckBox", cl::TControl::StaticClass())
            .Creatable()
            .Enum<TCheckBoxState>("State", &C::State, &C::SetState, kStateNames)
            .Bool("Checked", &C::Checked, &C::SetChecked)
            .Bool("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed)
            .Enum<cl::TAlignment>("Alignment", &C::Alignment, &C::SetAlignment, kLeftRightNames)
            .Enum<TAlignmentVertical>("AlignmentVertical", &C::AlignmentVertical, &C::SetAlignmentVertical, kAlignmentVerticalNames)
            .Bool("HotTrack", &C::HotTrack, &C::SetHotTrack)
            .Color("HotTrackColor", &C::HotTrackColor, &C::SetHotTrackColor)
            .Enum<TMwHotTrackColorType>("HotTrackColorType", &C::HotTrackColorType, &C::SetHotTrackColorType, kHotTrackColorTypeNames)
            .Color("HighlightColor", &C::HighlightColor, &C::SetHighlightColor)
            .Bool("LightTextStyle", &C::LightTextStyle, &C::SetLightTextStyle)
            .Enum<TTextStyle>("TextStyle", &C::TextStyle, &C::SetTextStyle, kTextStyleNames)
            .Color("TextHighlightColor", &C::TextHighlightColor, &C::SetTextHighlightColor)
            .Color("TextShadowColor", &C::TextShadowColor, &C::SetTextShadowColor)
            .Int("TextShadowDepth", &C::TextShadowDepth, &C::SetTextShadowDepth)
            .Bool("Transparent", &C::Transparent, &C::SetTransparent)
            .Bool("UseCustomGlyphs", &C::UseCustomGlyphs, &C::SetUseCustomGlyphs)
            .Color("FrameColor", &C::FrameColor, &C::SetFrameColor)
            .Color("DisabledColor", &C::DisabledColor, &C::SetDisabledColor)
            .Color("TransparentColor", &C::TransparentColor, &C::SetTransparentColor)
            .Color("WinMaskColor", &C::WinMaskColor, &C::SetWinMaskColor)
            .Bool("TabOnEnter", &C::TabOnEnter, &C::SetTabOnEnter)
            .Event("OnMouseEnter", &C::OnMouseEnter)
            .Event("OnMouseLeave", &C::OnMouseLeave)
            .Build();
    return *info;
}

TMwCheckBox::TMwCheckBox(cl::TComponent* owner) : cl::TControl(owner) {
    SetBounds(0, 0, 115, 17);
    SetTabStop(true);
    SetParentColor(true);
}

void TMwCheckBox::SetState(TCheckBoxState state) {
    if (state == state_) return;
    state_ = state;
    if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, ButtonStateOf(state), 0);
    Click();
}

void TMwCheckBox::SetAllowGrayed(bool v) {
    if (v == allowGrayed_) return;
    allowGrayed_ = v;
    RecreateWnd();
}

void TMwCheckBox::SetAlignment(cl::TAlignment v) {
    if (v == alignment_) return;
    alignment_ = v;
    RecreateWnd();
}

bool TMwCheckBox::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    if (!cl::SameText(name, "Flat") || value.kind != cl::TValue::Kind::Boolean) return false;
    hotTrack_ = value.boolean;
    return true;
}

void TMwCheckBox::CreateParams(TCreateParams& params) {
    cl::TControl::CreateParams(params);
    params.windowClass = "BUTTON";
    params.standardClass = true;
    params.exStyle = 0;
    params.style &= ~WS_CLIPCHILDREN;
    params.style |= allowGrayed_ ? BS_3STATE : BS_CHECKBOX;
    if (alignment_ == cl::TAlignment::LeftJustify) params.style |= BS_LEFTTEXT;
}

void TMwCheckBox::InitializeWnd() { SendMessageA(Handle(), BM_SETCHECK, ButtonStateOf(state_), 0); }

bool TMwCheckBox::CommandNotification(WORD code) {
    if (code != BN_CLICKED) return false;
    // Toggle: unchecked goes to grayed when allowed, else to checked; grayed goes to checked.
    switch (state_) {
        case TCheckBoxState::Unchecked: SetState(allowGrayed_ ? TCheckBoxState::Grayed : TCheckBoxState::Checked); break;
        case TCheckBoxState::Checked: SetState(TCheckBoxState::Unchecked); break;
        case TCheckBoxState::Grayed: SetState(TCheckBoxState::Checked); break;
    }
    return true;
}

void TMwCheckBox::WndProc(cl::TMessage& m) {
    switch (mouse_.Handle(Handle(), m.msg)) {
        case TMouseTracking::TChange::Entered: OnMouseEnter(this); break;
        case TMouseTracking::TChange::Left: OnMouseLeave(this); break;
        case TMouseTracking::TChange::None: break;
    }
    if (m.msg == WM_CHAR && m.wParam == VK_RETURN && tabOnEnter_) {
        PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
        return;
    }
    cl::TControl::WndProc(m);
}
