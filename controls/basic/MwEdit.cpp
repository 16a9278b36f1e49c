#include "controls/basic/MwEdit.h"

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Handles.h"
#include "controls/foundation/DropDownArrows.h"
#include "controls/foundation/MwCommon.h"

using namespace mw;

namespace {

const cl::TEnumNames kEditAlignmentNames{{{"taLeftJustify", 0}, {"taRightJustify", 1}}};

}  // namespace

const cl::TClassInfo& TMwCustomEdit::StaticClass() {
    using E = TMwCustomEdit;
    static const auto info = [] {
        cl::TClassBuilder<E> builder("TMwCustomEdit", cl::TEdit::StaticClass());
        AddFrameProperties(builder)
            .Enum<TMwAboutInfo>("About", &E::About, &E::SetAbout, kAboutInfoNames)
            .Enum<TEditAlignment>("Alignment", &E::Alignment, &E::SetAlignment, kEditAlignmentNames)
            .Bool("TabOnEnter", &E::TabOnEnter, &E::SetTabOnEnter)
            .Bool("AutoSelect", &E::AutoSelect, &E::SetAutoSelect);
        return builder.Build();
    }();
    return *info;
}

const cl::TClassInfo& TMwEdit::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwEdit>("TMwEdit", TMwCustomEdit::StaticClass()).Creatable().Build();
    return *info;
}

TMwCustomEdit::TMwCustomEdit(cl::TComponent* owner) : TMwFramedControl<cl::TEdit>(owner) {}

void TMwCustomEdit::SetAlignment(TEditAlignment v) {
    if (v == alignment_) return;
    alignment_ = v;
    if (HandleAllocated()) RecreateWnd();
}

void TMwCustomEdit::CreateParams(TCreateParams& params) {
    TMwFramedControl<cl::TEdit>::CreateParams(params);
    params.style |= WS_CLIPCHILDREN;
    params.style &= ~ES_MULTILINE;
    if (alignment_ == TEditAlignment::RightJustify) params.style |= ES_RIGHT;
}

void TMwCustomEdit::SetDropButtonVisible(bool v) {
    if (v == dropButtonVisible_) return;
    dropButtonVisible_ = v;
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// ---- drop-down button ----

void TMwCustomEdit::PressDropButton() {
    SetFocus();
    droppedDown_ = true;
    SetCapture(Handle());
    buttonState_ = TButtonState::Down;
    PaintDropButton();
    try {
        DropDown();
        CloseUp();
    } catch (...) {
        droppedDown_ = false;
        ReleaseDropButton();
        throw;
    }
    droppedDown_ = false;
    ReleaseDropButton();
}

void TMwCustomEdit::ReleaseDropButton() {
    if (!droppedDown_) buttonState_ = TButtonState::Up;
    if (GetCapture() == Handle()) ReleaseCapture();
    PaintDropButton();
}

void TMwCustomEdit::PaintDropButton() {
    if (dropButtonVisible_ && HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOERASE);
}

// A flat or themed drop button follows focus and the pointer; with hot tracking the whole frame
// is repainted already.
void TMwCustomEdit::UpdateFrame(bool viaMouse, bool inFocus) {
    TMwFramedControl<cl::TEdit>::UpdateFrame(viaMouse, inFocus);
    if (!dropButtonVisible_ || !HandleAllocated() || FrameHotTrack() || buttonState_ == TButtonState::Down) return;
    if (!FlatButtons() && !ThemeServices().ThemesEnabled()) return;
    RECT window;
    GetWindowRect(Handle(), &window);
    const cl::TRect inWindow = DropStrip(window.right - window.left, window.bottom - window.top);
    RECT strip{window.left + inWindow.left, window.top + inWindow.top, window.left + inWindow.right, window.top + inWindow.bottom};
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&strip), 2);
    RedrawWindow(Handle(), &strip, nullptr, RDW_FRAME | RDW_UPDATENOW | RDW_NOERASE | RDW_INVALIDATE);
}

cl::TRect TMwCustomEdit::DropStrip(int windowWidth, int windowHeight) const {
    const int inset = ThemeServices().ThemesEnabled() ? 1 : 2;  // the themed frame is a pixel thinner
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    return UseRightToLeftReading() ? cl::TRect{inset, inset, inset + width, windowHeight - inset}
                                   : cl::TRect{windowWidth - inset - width, inset, windowWidth - inset, windowHeight - inset};
}

void TMwCustomEdit::DrawDropButton(cl::TCanvas& canvas, const cl::TRect& r) {
    const bool down = buttonState_ == TButtonState::Down;
    const bool hot = Focused() || MouseOver();
    if (ThemeServices().ThemesEnabled()) {
        if (FlatButtons() && !hot) {
            canvas.SetBrushColor(Color());
            canvas.FillRect(r);
            DrawSpinArrow(canvas, r, true, Enabled(), false);
            return;
        }
        const TThemedComboBox member = !Enabled() ? TThemedComboBox::DropDownButtonDisabled
                                       : down     ? TThemedComboBox::DropDownButtonPressed
                                       : hot      ? TThemedComboBox::DropDownButtonHot
                                                  : TThemedComboBox::DropDownButtonNormal;
        ThemeServices().DrawElement(canvas.Handle(), ThemeElementDetails(member), r);
        return;
    }
    if (!FlatButtons()) {
        RECT rc{r.left, r.top, r.right, r.bottom};
        DrawFrameControl(canvas.Handle(), &rc, DFC_SCROLL,
                         DFCS_SCROLLCOMBOBOX | (down ? DFCS_PUSHED | DFCS_FLAT : 0) | (Enabled() ? 0 : DFCS_INACTIVE));
        return;
    }
    cl::TRect inner = r;
    if (hot) {
        inner = flatButtonColor_ == cl::clBtnFace
                    ? PaintBevel(canvas, r, down ? cl::clBtnShadow : cl::clBtnHighlight, down ? cl::clBtnHighlight : cl::clBtnShadow,
                                 1, sdAll)
                    : DrawColorBorderAll(canvas, r, flatButtonColor_, down ? TFrameStyle::Status : TFrameStyle::Popup);
        canvas.SetBrushColor(flatButtonColor_);
    } else {
        canvas.SetBrushColor(Color());
    }
    canvas.FillRect(inner);
    DrawSpinArrow(canvas, inner, false, Enabled(), down);
}

void TMwCustomEdit::WndProc(cl::TMessage& m) {
    if (dropButtonVisible_) {
        switch (m.msg) {
            case WM_NCCALCSIZE: {
                auto* r = reinterpret_cast<RECT*>(m.lParam);
                const RECT window = *r;
                TMwFramedControl<cl::TEdit>::WndProc(m);
                const cl::TRect strip = DropStrip(window.right - window.left, window.bottom - window.top);
                if (UseRightToLeftReading()) r->left = std::max(r->left, window.left + strip.right);
                else r->right = std::min(r->right, window.left + strip.left);
                return;
            }
            case WM_NCHITTEST:
                TMwFramedControl<cl::TEdit>::WndProc(m);
                mouseOverButton_ = m.result == HTNOWHERE;
                if (mouseOverButton_) m.result = HTCLIENT;
                return;
            case WM_NCPAINT: {
                TMwFramedControl<cl::TEdit>::WndProc(m);
                const cl::TRect r = DropStrip(Width(), Height());
                const cl::TWindowDC dc(Handle(), cl::TWindowDC::TArea::Whole);
                cl::TCanvas canvas(dc.Handle());
                DrawDropButton(canvas, r);
                return;
            }
            case WM_SETCURSOR:
                if (!mouseOverButton_) break;
                SetCursor(LoadCursor(nullptr, IDC_ARROW));
                m.result = TRUE;
                return;
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK:
                if (!mouseOverButton_) break;
                PressDropButton();
                return;
            case WM_RBUTTONDOWN:
                if (mouseOverButton_) return;
                break;
            case WM_SYSKEYDOWN:
                if (m.wParam != VK_DOWN) break;
                PressDropButton();
                return;
            case WM_LBUTTONUP:
            case WM_KILLFOCUS:
                ReleaseDropButton();
                break;
            default: break;
        }
    }
    if (tabOnEnter_) {
        // The dialog manager would press the default button; Enter moves on instead.
        if (m.msg == WM_GETDLGCODE) {
            TMwFramedControl<cl::TEdit>::WndProc(m);
            const MSG* key = reinterpret_cast<const MSG*>(m.lParam);
            if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) m.result |= DLGC_WANTALLKEYS;
            return;
        }
        if (m.msg == WM_CHAR && m.wParam == VK_RETURN) {
            PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
            return;
        }
    }
    TMwFramedControl<cl::TEdit>::WndProc(m);
}
