#include "controls/basic/MwCheckBox.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Application.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/MwThemeSrv.h"

using namespace mw;

namespace {

TThemedButton ThemedCheck(TCheckBoxState state, TGlyphLook look) {
    const TThemedButton bases[] = {TThemedButton::CheckBoxUncheckedNormal, TThemedButton::CheckBoxCheckedNormal,
                                   TThemedButton::CheckBoxMixedNormal};
    const int offset = look == TGlyphLook::Hot ? 1 : look == TGlyphLook::Pressed ? 2 : look == TGlyphLook::Disabled ? 3 : 0;
    return static_cast<TThemedButton>(static_cast<int>(bases[static_cast<int>(state)]) + offset);
}

const char* const kHotTrackGlyphs[] = {"MWCOMMON_CHECKBOX_UNCHECKED", "MWCOMMON_CHECKBOX_CHECKED",
                                       "MWCOMMON_CHECKBOX_GRAYED"};

}  // namespace

const cl::TClassInfo& TMwCheckBox::StaticClass() {
    using C = TMwCheckBox;
    static const auto info = cl::TClassBuilder<C>("TMwCheckBox", TMwCustomGlyphButton::StaticClass())
                                 .Creatable()
                                 .Bool("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed)
                                 .Bool("Checked", &C::Checked, &C::SetChecked)
                                 .Enum<TCheckBoxState>("State", &C::State, &C::SetState, kCheckBoxStateNames)
                                 .Build();
    return *info;
}

TMwCheckBox::TMwCheckBox(cl::TComponent* owner) : TMwCustomGlyphButton(owner) {
    SetAlignmentVertical(TAlignmentVertical::Top);
}

void TMwCheckBox::SetState(TCheckBoxState state) {
    if (state == state_) return;
    state_ = state;
    ButtonStateChanged();
    Click();
}

void TMwCheckBox::Toggle() { SetState(NextCheckState(state_, allowGrayed_)); }

void TMwCheckBox::BuildGlyphs(TMemoryBitmap& glyph) {
    const TGlyphLook look = Look();
    const cl::TRect r{0, 0, glyph.Width(), glyph.Height()};
    if (UseCustomGlyphs() && !CustomGlyphs().Empty()) {
        ExtractGlyph(glyph, CheckGlyphIndex(state_, PressedLook(), Enabled()));
        return;
    }
    if (ThemesEnabled()) {
        const TThemedElementDetails details = ThemeElementDetails(ThemedCheck(state_, look));
        ThemeServices().DrawParentBackground(Handle(), glyph.DC(), &details, false);
        ThemeServices().DrawElement(glyph.DC(), details, r);
        return;
    }
    if (HotTrack() && LoadHotTrackGlyph(glyph, kHotTrackGlyphs[static_cast<int>(state_)], CheckGlyphColors(Palette(), look)))
        return;
    FillSolid(glyph.DC(), r, TransparentColor());
    RECT rc{0, 0, glyph.Width(), glyph.Height()};
    UINT flags = DFCS_BUTTONCHECK;
    if (state_ == TCheckBoxState::Checked) flags |= DFCS_CHECKED;
    if (state_ == TCheckBoxState::Grayed) flags = DFCS_BUTTON3STATE | DFCS_CHECKED;
    if (PressedLook()) flags |= DFCS_PUSHED;
    if (!Enabled()) flags |= DFCS_INACTIVE;
    DrawFrameControl(glyph.DC(), &rc, DFC_BUTTON, flags);
}

void TMwCheckBox::ReleaseSpace(bool toggle) {
    SetPressedLook(false);
    if (toggle) Toggle();
    ButtonStateChanged();
}

void TMwCheckBox::WndProc(cl::TMessage& m) {
    switch (m.msg) {
        case WM_KEYDOWN:
            TMwCustomGlyphButton::WndProc(m);
            if (m.wParam == VK_ESCAPE || m.wParam == VK_SPACE) {
                spacePending_ = m.wParam == VK_SPACE;
                SetPressedLook(spacePending_);
                ButtonStateChanged();
            }
            return;
        case WM_KEYUP:
            TMwCustomGlyphButton::WndProc(m);
            if (m.wParam == VK_SPACE) {
                const bool toggle = spacePending_;
                spacePending_ = false;
                ReleaseSpace(toggle);
            }
            return;
        case WM_KILLFOCUS:
            spacePending_ = false;
            TMwCustomGlyphButton::WndProc(m);
            ReleaseSpace(false);
            return;
        case cl::CM_DIALOGKEY:
            // Escape while Space is held cancels the toggle instead of closing the form.
            if (spacePending_ && m.wParam == VK_ESCAPE) {
                spacePending_ = false;
                ReleaseSpace(false);
                m.result = 1;
                return;
            }
            break;
        case cl::CM_DIALOGCHAR:
            if (!IsAccelerator(static_cast<char>(m.wParam)) || !CanFocus()) {
                m.result = 0;
                return;
            }
            SetFocus();
            if (Focused()) Toggle();
            ButtonStateChanged();
            m.result = 1;
            return;
        case BM_CLICK:
            // The caption's accelerator (from the dialog manager), or a click sent to the window.
            if (CanFocus()) {
                SetFocus();
                if (Focused()) Toggle();
                ButtonStateChanged();
            }
            return;
        case BM_GETCHECK:
            m.result = state_ == TCheckBoxState::Checked ? BST_CHECKED
                       : state_ == TCheckBoxState::Grayed ? BST_INDETERMINATE
                                                          : BST_UNCHECKED;
            return;
        case BM_SETCHECK:
            SetState(m.wParam == BST_CHECKED ? TCheckBoxState::Checked
                     : m.wParam == BST_INDETERMINATE ? TCheckBoxState::Grayed
                                                     : TCheckBoxState::Unchecked);
            return;
        default:
            break;
    }
    TMwCustomGlyphButton::WndProc(m);
}
