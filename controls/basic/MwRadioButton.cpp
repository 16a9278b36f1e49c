#include "controls/basic/MwRadioButton.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Application.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/MwThemeSrv.h"

using namespace mw;

namespace {

TThemedButton ThemedRadio(bool checked, TGlyphLook look) {
    const auto base = static_cast<int>(checked ? TThemedButton::RadioButtonCheckedNormal
                                               : TThemedButton::RadioButtonUncheckedNormal);
    const int offset = look == TGlyphLook::Hot ? 1 : look == TGlyphLook::Pressed ? 2 : look == TGlyphLook::Disabled ? 3 : 0;
    return static_cast<TThemedButton>(base + offset);
}

}  // namespace

const cl::TClassInfo& TMwRadioButton::StaticClass() {
    using C = TMwRadioButton;
    static const auto info = cl::TClassBuilder<C>("TMwRadioButton", TMwCustomGlyphButton::StaticClass())
                                 .Creatable()
                                 .Bool("Checked", &C::Checked, &C::SetChecked)
                                 .Build();
    return *info;
}

TMwRadioButton::TMwRadioButton(cl::TComponent* owner) : TMwCustomGlyphButton(owner) {
    SetBounds(0, 0, 113, 17);
    SetTabStop(false);
    SetAlignmentVertical(TAlignmentVertical::Top);
}

void TMwRadioButton::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    SetTabStop(checked);
    ButtonStateChanged();
    if (!checked) return;
    if (cl::TControl* parent = Parent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* sibling = dynamic_cast<TMwRadioButton*>(parent->Controls(i)); sibling && sibling != this)
                sibling->SetChecked(false);
    Click();
}

void TMwRadioButton::Toggle() {
    if (!checked_) SetChecked(true);
}

void TMwRadioButton::BuildGlyphs(TMemoryBitmap& glyph) {
    const TGlyphLook look = Look();
    const cl::TRect r{0, 0, glyph.Width(), glyph.Height()};
    if (UseCustomGlyphs() && !CustomGlyphs().Empty()) {
        ExtractGlyph(glyph, RadioGlyphIndex(checked_, PressedLook(), Enabled()));
        return;
    }
    if (ThemesEnabled()) {
        FillSolid(glyph.DC(), r, Color());
        ThemeServices().DrawElement(glyph.DC(), ThemeElementDetails(ThemedRadio(checked_, look)), r);
        return;
    }
    if (HotTrack() && LoadHotTrackGlyph(glyph, checked_ ? "MWCOMMON_RADIOBUTTON_CHECKED" : "MWCOMMON_RADIOBUTTON_UNCHECKED",
                                        RadioGlyphColors(Palette(), look)))
        return;
    FillSolid(glyph.DC(), r, TransparentColor());
    RECT rc{0, 0, glyph.Width(), glyph.Height()};
    UINT state = DFCS_BUTTONRADIO | DFCS_TRANSPARENT;
    if (checked_) state |= DFCS_CHECKED;
    if (PressedLook()) state |= DFCS_PUSHED;
    if (!Enabled()) state |= DFCS_INACTIVE;
    DrawFrameControl(glyph.DC(), &rc, DFC_BUTTON, state);
}

void TMwRadioButton::WndProc(cl::TMessage& m) {
    switch (m.msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            mouseFocus_ = true;
            TMwCustomGlyphButton::WndProc(m);
            return;
        case WM_LBUTTONUP:
            TMwCustomGlyphButton::WndProc(m);
            mouseFocus_ = false;
            return;
        case WM_SETFOCUS:
            TMwCustomGlyphButton::WndProc(m);
            if (!mouseFocus_) SetChecked(true);
            return;
        case cl::CM_DIALOGKEY:
            if (m.wParam == VK_DOWN && !(m.lParam & (cl::ssShift | cl::ssCtrl | cl::ssAlt)) && CanFocus()) {
                Click();
                m.result = 1;
                return;
            }
            break;
        case cl::CM_DIALOGCHAR:
            // Focusing it checks it.
            m.result = IsAccelerator(static_cast<char>(m.wParam)) && CanFocus() ? 1 : 0;
            if (m.result) SetFocus();
            return;
        case BM_CLICK:
            // The caption's accelerator (from the dialog manager), or a click sent to the window.
            if (CanFocus()) {
                SetFocus();
                SetChecked(true);
            }
            return;
        case BM_GETCHECK:
            m.result = checked_ ? BST_CHECKED : BST_UNCHECKED;
            return;
        case BM_SETCHECK:
            SetChecked(m.wParam == BST_CHECKED);
            return;
        default:
            break;
    }
    TMwCustomGlyphButton::WndProc(m);
}
