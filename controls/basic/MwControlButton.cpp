#include "controls/basic/MwControlButton.h"

#include <windowsx.h>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "controls/basic/BitBtnLayout.h"
#include "controls/foundation/DropDownArrows.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/MwThemeSrv.h"

using namespace mw;

namespace {

const cl::TEnumNames kStyleNames{
    {{"cbsNone", 0}, {"cbsLeft", 1}, {"cbsUp", 2}, {"cbsRight", 3}, {"cbsDown", 4}, {"cbsDropDown", 5}}};

// Normal, hot, pressed, disabled: the order of every themed family's states used here.
int ThemedStateOffset(bool enabled, bool down, bool hot) { return !enabled ? 3 : down ? 2 : hot ? 1 : 0; }

template <class E>
E Shifted(E first, int offset) {
    return static_cast<E>(static_cast<int>(first) + offset);
}

}  // namespace

const cl::TClassInfo& TMwControlButton::StaticClass() {
    using B = TMwControlButton;
    static const auto info = cl::TClassBuilder<B>("TMwControlButton", cl::TCustomControl::StaticClass())
                                 .Creatable()
                                 .Ref<cl::TAction>("Action", &B::Action, &B::SetAction)
                                 .Int("Delay", &B::Delay, &B::SetDelay)
                                 .Bool("Flat", &B::Flat, &B::SetFlat)
                                 .Binary("Glyph", &B::GlyphData, &B::SetGlyphData)
                                 .Int("InitialDelay", &B::InitialDelay, &B::SetInitialDelay)
                                 .Int("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs)
                                 .Bool("RepeatClicks", &B::RepeatClicks, &B::SetRepeatClicks)
                                 .Enum<TMwControlButtonStyle>("Style", &B::Style, &B::SetStyle, kStyleNames)
                                 .Event("OnMouseEnter", &B::OnMouseEnter)
                                 .Event("OnMouseLeave", &B::OnMouseLeave)
                                 .Build();
    return *info;
}

TMwControlButton::TMwControlButton(cl::TComponent* owner)
    : cl::TCustomControl(owner), repeater_(*this, [this] { return down_; }) {
    SetBounds(0, 0, 17, 21);
    glyph_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { GlyphChanged(); });
}

TMwControlButton::~TMwControlButton() {
    if (action_) action_->UnregisterClient(this);
}

void TMwControlButton::CreateParams(TCreateParams& params) {
    cl::TCustomControl::CreateParams(params);
    params.classStyle &= ~CS_DBLCLKS;  // quick presses are clicks, each of them
}

void TMwControlButton::GlyphChanged() {
    numGlyphs_ = NumGlyphsForGlyph(glyph_.Width(), glyph_.Height(), numGlyphs_);
    Invalidate();
}

// ---- action ----

void TMwControlButton::SetAction(cl::TAction* action) {
    if (action == action_) return;
    if (action_) action_->UnregisterClient(this);
    action_ = action;
    if (!action) return;
    action->RegisterClient(this);
    ActionChanged(*action);
}

void TMwControlButton::ActionChanged(cl::TAction& action) {
    if (&action != action_) return;
    SetCaption(action.Caption());
    SetEnabled(action.Enabled());
    SetHint(action.Hint());
    SetVisible(action.Visible());
}

void TMwControlButton::ActionFreed(cl::TAction& action) {
    if (&action == action_) action_ = nullptr;
}

void TMwControlButton::Click() {
    if (action_ && !(OnClick && OnClick != action_->OnExecute)) action_->Execute();
    else cl::TCustomControl::Click();
}

// ---- mouse ----

void TMwControlButton::MouseEnter() {
    mouseOver_ = true;
    OnMouseEnter(this);
    if (flat_ || ThemeServices().ThemesEnabled()) Repaint();
}

void TMwControlButton::MouseLeave() {
    mouseOver_ = false;
    OnMouseLeave(this);
    if (flat_ || ThemeServices().ThemesEnabled()) Repaint();
}

void TMwControlButton::Press() {
    if (!Enabled()) return;
    down_ = true;
    dragging_ = true;
    Invalidate();
    SetCapture(Handle());
    if (repeatClicks_) repeater_.Start(initialDelay_, delay_);
}

void TMwControlButton::Release(cl::TPoint p) {
    repeater_.Stop();
    if (!dragging_) return;
    dragging_ = false;
    down_ = false;
    if (GetCapture() == Handle()) ReleaseCapture();
    mouseOver_ = false;
    Repaint();
    if (ClientRect().Contains(p)) Click();
    if (HandleAllocated() && PointerOverWindow(Handle()) && Enabled()) MouseEnter();
}

void TMwControlButton::WndProc(cl::TMessage& m) {
    mouse_.Follow(Handle(), m.msg, mouseOver_, [this] { MouseEnter(); }, [this] { MouseLeave(); });
    const cl::TPoint point{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    switch (m.msg) {
        case WM_LBUTTONDOWN:
            Press();
            OnMouseDown(this, cl::TMouseButton::Left, cl::ShiftStateFromKeys(m.wParam), point.x, point.y);
            m.result = 0;
            return;
        case WM_LBUTTONUP:
            Release(point);
            OnMouseUp(this, cl::TMouseButton::Left, cl::ShiftStateFromKeys(m.wParam), point.x, point.y);
            m.result = 0;
            return;
        case WM_CAPTURECHANGED:
            if (dragging_ && reinterpret_cast<HWND>(m.lParam) != Handle()) {
                repeater_.Stop();
                dragging_ = down_ = false;
                Invalidate();
            }
            break;
        default: break;
    }
    cl::TCustomControl::WndProc(m);
}

// ---- painting ----

bool TMwControlButton::Active() const { return down_ || (mouseOver_ && Enabled()); }

void TMwControlButton::Paint(cl::TCanvas& canvas) {
    const cl::TRect r = PaintFace(canvas);
    const bool themed = ThemeServices().ThemesEnabled();
    // Under themes only a flat button at rest draws its arrow itself; the elements carry theirs.
    const bool ownArrow = !themed || (flat_ && !Active());
    const bool themedArrow = themed && flat_ && !Active();
    switch (style_) {
        case TMwControlButtonStyle::None: PaintGlyph(canvas, r); break;
        case TMwControlButtonStyle::DropDown:
            if (ownArrow) DrawSpinArrow(canvas, r, themedArrow, Enabled(), down_);
            break;
        default: {
            const TArrowDirection direction = style_ == TMwControlButtonStyle::Left    ? TArrowDirection::Left
                                              : style_ == TMwControlButtonStyle::Up    ? TArrowDirection::Up
                                              : style_ == TMwControlButtonStyle::Right ? TArrowDirection::Right
                                                                                       : TArrowDirection::Down;
            if (ownArrow) DrawDropDownArrow(canvas, r, themedArrow, Enabled(), down_, direction);
        }
    }
}

cl::TRect TMwControlButton::PaintFace(cl::TCanvas& canvas) {
    cl::TRect r = ClientRect();
    const bool active = Active();
    if (!ThemeServices().ThemesEnabled()) {
        cl::TColor fill = Color();
        if (flat_) {
            if (active) r = PaintBorder(canvas, r, down_ ? TFrameStyle::Status : TFrameStyle::Popup);
        } else {
            if (down_) r = PaintBevel(canvas, r, cl::clBtnShadow, cl::clBtnShadow, 1, sdAll);
            else r = PaintBorder(canvas, r, TFrameStyle::ButtonUp);
            fill = cl::clBtnFace;
        }
        FillSolid(canvas.Handle(), r, fill);
        return r;
    }
    if (flat_ && !active) {
        FillSolid(canvas.Handle(), r, Color());
    } else {
        const int state = ThemedStateOffset(Enabled(), down_, mouseOver_);
        switch (style_) {
            case TMwControlButtonStyle::None: PaintThemedThumb(canvas, r, active); break;
            case TMwControlButtonStyle::DropDown:
                ThemeServices().DrawElement(canvas.Handle(),
                                            ThemeElementDetails(Shifted(TThemedComboBox::DropDownButtonNormal, state)), r);
                break;
            default: {
                const TThemedSpin first = style_ == TMwControlButtonStyle::Left    ? TThemedSpin::DownHorzNormal
                                          : style_ == TMwControlButtonStyle::Right ? TThemedSpin::UpHorzNormal
                                          : style_ == TMwControlButtonStyle::Up    ? TThemedSpin::UpNormal
                                                                                   : TThemedSpin::DownNormal;
                ThemeServices().DrawElement(canvas.Handle(), ThemeElementDetails(Shifted(first, state)), r);
            }
        }
    }
    return cl::TRect{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
}

void TMwControlButton::PaintThemedThumb(cl::TCanvas& canvas, const cl::TRect& r, bool active) {
    // The thumb's own outline falls mostly outside the control, clipped away.
    const cl::TRect element{r.left - 1, r.top - 2, r.right + 2, r.bottom + 2};
    const int state = ThemedStateOffset(Enabled(), down_, mouseOver_ && active);
    ThemeServices().DrawElement(canvas.Handle(), ThemeElementDetails(Shifted(TThemedScrollBar::ThumbBtnHorzNormal, state)),
                                element, &r);
}

void TMwControlButton::PaintGlyph(cl::TCanvas& canvas, const cl::TRect& face) {
    if (glyph_.Empty()) return;
    const int width = glyph_.Width() / numGlyphs_, height = glyph_.Height();
    const cl::TRect area{face.left + 1, face.top + 1, face.right - 1, face.bottom - 1};
    int left = area.left + (area.Width() - width) / 2, top = area.top + (area.Height() - height) / 2;
    if (down_) {
        left += 1;
        top += ThemeServices().ThemesEnabled() ? 0 : 1;
    }
    const int image = !Enabled() && numGlyphs_ >= 2 ? 1 : 0;
    glyph_.Draw(canvas, cl::TRect::FromBounds(left, top, width, height),
                cl::TRect::FromBounds(image * width, 0, width, height));
}
