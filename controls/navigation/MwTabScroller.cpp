#include "controls/navigation/MwTabScroller.h"

#include <windowsx.h>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "controls/foundation/DropDownArrows.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/MwThemeSrv.h"
#include "controls/navigation/MwTabs.h"

const cl::TClassInfo& TMwTabScroller::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwTabScroller>("TMwTabScroller", cl::TCustomControl::StaticClass()).Build();
    return *info;
}

TMwTabScroller::TMwTabScroller(cl::TComponent* owner, TMwCustomTabControl* tabControl)
    : cl::TCustomControl(owner), tabControl_(tabControl) {}

TMwTabScroller::THalf TMwTabScroller::HalfAt(int x, int y) const {
    if (orientation_ == TOrientation::Horizontal) return x >= Width() / 2 ? THalf::UpRight : THalf::DownLeft;
    return y <= Height() / 2 ? THalf::UpRight : THalf::DownLeft;
}

bool TMwTabScroller::InsideHalf(int x, int y, THalf half) {
    return ClientRect().Contains({x, y}) && HalfAt(x, y) == half;
}

void TMwTabScroller::WndProc(cl::TMessage& m) {
    cl::TCustomControl::WndProc(m);
    const int x = GET_X_LPARAM(m.lParam), y = GET_Y_LPARAM(m.lParam);
    switch (m.msg) {
        case WM_LBUTTONDOWN:
            pressedHalf_ = HalfAt(x, y);
            buttonDown_ = true;
            pressedInside_ = true;
            Invalidate();
            SetCapture(Handle());
            break;
        case WM_MOUSEMOVE:
            if (buttonDown_) {
                const bool inside = InsideHalf(x, y, pressedHalf_);
                if (inside != pressedInside_) {
                    pressedInside_ = inside;
                    Invalidate();
                }
            }
            break;
        case WM_LBUTTONUP: {
            const bool click = buttonDown_ && pressedInside_;
            buttonDown_ = false;
            pressedInside_ = false;
            if (GetCapture() == Handle()) ReleaseCapture();
            if (click) {
                (pressedHalf_ == THalf::UpRight ? OnUpRightClick : OnDownLeftClick)(this);
                Invalidate();
            }
            break;
        }
        case WM_CAPTURECHANGED:
            buttonDown_ = false;
            pressedInside_ = false;
            break;
        default:
            break;
    }
}

void TMwTabScroller::Paint(cl::TCanvas& canvas) {
    const bool themed = mw::ThemeServices().ThemesEnabled();
    PaintHalf(canvas, THalf::DownLeft, themed);
    PaintHalf(canvas, THalf::UpRight, themed);
}

void TMwTabScroller::PaintHalf(cl::TCanvas& canvas, THalf half, bool themed) {
    const bool horizontal = orientation_ == TOrientation::Horizontal;
    const int w = Width(), h = Height();
    const bool upRight = half == THalf::UpRight;
    const bool towardEnd = upRight == tabControl_->UpRightScrollsTowardEnd();
    const bool enabled = towardEnd ? tabControl_->CanScrollTowardEnd() : tabControl_->CanScrollTowardStart();
    const bool pressed = enabled && buttonDown_ && pressedInside_ && pressedHalf_ == half;
    if (themed) {
        // Left and bottom halves are half the size, rounded down; the other half takes the rest.
        cl::TRect r = horizontal ? (upRight ? cl::TRect{w / 2, 0, w, h} : cl::TRect{0, 0, w / 2, h})
                                 : (upRight ? cl::TRect{0, 0, w, h - h / 2} : cl::TRect{0, h - h / 2, w, h});
        using S = mw::TThemedSpin;
        S part;
        if (horizontal) part = upRight ? (!enabled ? S::UpHorzDisabled : pressed ? S::UpHorzPressed : S::UpHorzNormal)
                                       : (!enabled ? S::DownHorzDisabled : pressed ? S::DownHorzPressed : S::DownHorzNormal);
        else part = upRight ? (!enabled ? S::UpDisabled : pressed ? S::UpPressed : S::UpNormal)
                            : (!enabled ? S::DownDisabled : pressed ? S::DownPressed : S::DownNormal);
        mw::ThemeServices().DrawElement(canvas.Handle(), mw::ThemeElementDetails(part), r);
        return;
    }
    // The halves overlap by one pixel, so that they share the frame line between them.
    cl::TRect r = horizontal ? (upRight ? cl::TRect{w - w / 2 - 1, 0, w, h} : cl::TRect{0, 0, w / 2 + 1, h})
                             : (upRight ? cl::TRect{0, 0, w, h / 2 + 1} : cl::TRect{0, h - h / 2 - 1, w, h});
    mw::FillSolid(canvas.Handle(), r, cl::clBtnFace);
    const mw::TArrowDirection direction = horizontal ? (upRight ? mw::TArrowDirection::Right : mw::TArrowDirection::Left)
                                                     : (upRight ? mw::TArrowDirection::Up : mw::TArrowDirection::Down);
    mw::DrawDropDownArrow(canvas, r, false, enabled, pressed, direction);
    canvas.SetPenColor(frameColor_);
    canvas.SetBrushStyle(cl::TBrushStyle::Clear);
    canvas.Rectangle(r);
}
