#include "controls/basic/MwControlButton.h"

#include <windowsx.h>

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "controls/basic/BitBtnLayout.h"
#include "controls/foundation/DropDownArrows.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwThemeSrv.h"

using namespace mw;
using cl::TRect;

namespace {

const cl::TEnumNames kControlButtonStyleNames{
    {{"cbsNone", 0}, {"cbsLeft", 1}, {"cbsUp", 2}, {"cbsRight", 3}, {"cbsDown", 4}, {"cbsDropDown", 5}}};

TRect Inflated(const TRect& r, int by) { return {r.left - by, r.top - by, r.right + by, r.bottom + by}; }

// Normal, hot, pressed, disabled: the four members of an element come in this order.
template <class TMember>
TMember StateMember(TMember normal, bool enabled, bool down, bool hot) {
    const int offset = !enabled ? 3 : down ? 2 : hot ? 1 : 0;
    return static_cast<TMember>(static_cast<int>(normal) + offset);
}

}  // namespace

const cl::TClassInfo& TMwControlButton::StaticClass() {
    using B = TMwControlButton;
    static const auto info = cl::TClassBuilder<B>("TMwControlButton", cl::TCustomControl::StaticClass())
                                 .Bool("Flat", &B::Flat, &B::SetFlat)
                                 .Int("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs)
                                 .Enum<TMwControlButtonStyle>("Style", &B::Style, &B::SetStyle, kControlButtonStyleNames)
                                 .Event("OnMouseEnter", &B::OnMouseEnter)
                                 .Event("OnMouseLeave", &B::OnMouseLeave)
                                 .Build();
    return *info;
}

TMwControlButton::TMwControlButton(cl::TComponent* owner) : cl::TCustomControl(owner) {
    SetBounds(0, 0, 17, 21);
    SetColor(cl::clBtnFace);
    glyph_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) {
        numGlyphs_ = NumGlyphsForGlyph(glyph_.Width(), glyph_.Height(), numGlyphs_);
        Invalidate();
    });
}

void TMwControlButton::SetNumGlyphs(int v) { StoreAndInvalidate(numGlyphs_, std::clamp(v, 1, 4)); }

void TMwControlButton::SetEnabled(bool enabled) {
    cl::TCustomControl::SetEnabled(enabled);
    Invalidate();
}

void TMwControlButton::CreateParams(TCreateParams& params) {
    cl::TCustomControl::CreateParams(params);
    params.style &= ~WS_TABSTOP;
}

void TMwControlButton::WndProc(cl::TMessage& m) {
    switch (mouse_.Handle(Handle(), m.msg)) {
        case TMouseTracking::TChange::Entered:
            Invalidate();
            OnMouseEnter(this);
            break;
        case TMouseTracking::TChange::Left:
            Invalidate();
            OnMouseLeave(this);
            break;
        case TMouseTracking::TChange::None: break;
    }
    switch (m.msg) {
        case WM_MOUSEACTIVATE:
            m.result = MA_NOACTIVATE;  // the host control keeps the focus
            return;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (Enabled()) {
                down_ = true;
                dragging_ = true;
                SetCapture(Handle());
                Invalidate();
            }
            OnMouseDown(this, cl::TMouseButton::Left, cl::ShiftStateFromKeys(m.wParam), GET_X_LPARAM(m.lParam),
                        GET_Y_LPARAM(m.lParam));
            return;
        case WM_LBUTTONUP: {
            if (!dragging_) break;
            dragging_ = false;
            down_ = false;
            if (GetCapture() == Handle()) ReleaseCapture();
            Invalidate();
            const cl::TPoint p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
            if (p.x >= 0 && p.x < ClientWidth() && p.y >= 0 && p.y < ClientHeight()) Click();
            return;
        }
        case WM_CAPTURECHANGED:
            if (dragging_ && reinterpret_cast<HWND>(m.lParam) != Handle()) {
                dragging_ = false;
                down_ = false;
                Invalidate();
            }
            break;
        default: break;
    }
    cl::TCustomControl::WndProc(m);
}

// ---- painting ----

void TMwControlButton::Paint(cl::TCanvas& canvas) {
    const bool themed = ThemeServices().ThemesEnabled();
    TRect r = ClientRect();
    if (style_ == TMwControlButtonStyle::None) {
        PaintFace(canvas, r, themed);
        if (glyph_.Empty()) return;
        const int imageWidth = glyph_.Width() / numGlyphs_, imageHeight = glyph_.Height();
        const TRect inner = Inflated(r, -1);
        int x = inner.left + (inner.Width() - imageWidth) / 2, y = inner.top + (inner.Height() - imageHeight) / 2;
        if (down_) {
            x += 1;
            if (!themed) y += 1;
        }
        const int image = !Enabled() && numGlyphs_ >= 2 ? 1 : 0;
        glyph_.Draw(canvas, TRect::FromBounds(x, y, imageWidth, imageHeight),
                    TRect::FromBounds(image * imageWidth, 0, imageWidth, imageHeight));
        return;
    }
    const bool active = down_ || (mouse_.Inside() && Enabled());
    r = PaintFace(canvas, r, themed);
    const bool themedArrow = themed && flat_ && !active;
    if (style_ == TMwControlButtonStyle::DropDown) {
        DrawSpinArrow(canvas, r, themedArrow, Enabled(), down_);
        return;
    }
    const TArrowDirection direction = style_ == TMwControlButtonStyle::Left   ? TArrowDirection::Left
                                      : style_ == TMwControlButtonStyle::Up   ? TArrowDirection::Up
                                      : style_ == TMwControlButtonStyle::Right ? TArrowDirection::Right
                                                                               : TArrowDirection::Down;
    DrawDropDownArrow(canvas, r, themedArrow, Enabled(), down_, direction);
}

TRect TMwControlButton::PaintFace(cl::TCanvas& canvas, const TRect& client, bool themed) {
    const bool active = down_ || (mouse_.Inside() && Enabled());
    if (themed) {
        if (flat_ && !active) {
            canvas.SetBrushColor(Color());
            canvas.FillRect(client);
        } else {
            PaintThemedFace(canvas, client, active);
        }
        return Inflated(client, -2);
    }
    TRect r = client;
    cl::TColor fill = Color();
    if (flat_) {
        if (active) r = PaintBorder(canvas, r, down_ ? TFrameStyle::Status : TFrameStyle::Popup);
    } else {
        r = down_ ? PaintBevel(canvas, r, cl::clBtnShadow, cl::clBtnShadow, 1, sdAll)
                  : PaintBorder(canvas, r, TFrameStyle::ButtonUp);
        fill = cl::clBtnFace;
    }
    canvas.SetBrushColor(fill);
    canvas.FillRect(r);
    return r;
}

void TMwControlButton::PaintThemedFace(cl::TCanvas& canvas, const TRect& r, bool active) {
    TThemeServices& theme = ThemeServices();
    const bool enabled = Enabled(), hot = active && !down_;
    switch (style_) {
        case TMwControlButtonStyle::None: {
            // The thumb's own outline falls mostly outside the button.
            const TRect thumb{r.left - 1, r.top - 2, r.right + 2, r.bottom + 2};
            theme.DrawElement(canvas.Handle(),
                              ThemeElementDetails(StateMember(TThemedScrollBar::ThumbBtnHorzNormal, enabled, down_, hot)),
                              thumb, &r);
            return;
        }
        case TMwControlButtonStyle::DropDown:
            theme.DrawElement(canvas.Handle(),
                              ThemeElementDetails(StateMember(TThemedComboBox::DropDownButtonNormal, enabled, down_, hot)), r);
            return;
        default: {
            const TThemedSpin normal = style_ == TMwControlButtonStyle::Left    ? TThemedSpin::DownHorzNormal
                                       : style_ == TMwControlButtonStyle::Right ? TThemedSpin::UpHorzNormal
                                       : style_ == TMwControlButtonStyle::Up    ? TThemedSpin::UpNormal
                                                                                : TThemedSpin::DownNormal;
            theme.DrawElement(canvas.Handle(), ThemeElementDetails(StateMember(normal, enabled, down_, hot)), r);
        }
    }
}
