#include "controls/navigation/MwTabCloseButton.h"

#include <windowsx.h>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "controls/foundation/MwThemeSrv.h"
#include "controls/navigation/MwTabs.h"

const cl::TClassInfo& TMwTabCloseButton::StaticClass() {
    static const auto info =
        cl::TClassBuilder<TMwTabCloseButton>("TMwTabCloseButton", cl::TCustomControl::StaticClass()).Build();
    return *info;
}

TMwTabCloseButton::TMwTabCloseButton(cl::TComponent* owner, TMwCustomTabControl* tabControl)
    : cl::TCustomControl(owner), tabControl_(tabControl) {}

void TMwTabCloseButton::WndProc(cl::TMessage& m) {
    cl::TCustomControl::WndProc(m);
    switch (m.msg) {
        case WM_LBUTTONDOWN:
            buttonDown_ = true;
            pressedInside_ = true;
            Invalidate();
            SetCapture(Handle());
            break;
        case WM_MOUSEMOVE:
            if (buttonDown_) {
                const bool inside = ClientRect().Contains({GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)});
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
                OnClose(this);
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

void TMwTabCloseButton::Paint(cl::TCanvas& canvas) {
    const cl::TRect r = cl::TRect::FromBounds(0, 0, Width(), Height());
    const bool disabled = tabControl_->TabIndex() == -1;
    const bool pushed = buttonDown_ && pressedInside_;
    if (mw::ThemeServices().ThemesEnabled()) {
        using W = mw::TThemedWindow;
        const W part = disabled ? W::CloseButtonDisabled : pushed ? W::CloseButtonPressed : W::CloseButtonNormal;
        mw::ThemeServices().DrawElement(canvas.Handle(), mw::ThemeElementDetails(part), r);
        return;
    }
    RECT rc{r.left, r.top, r.right, r.bottom};
    DrawFrameControl(canvas.Handle(), &rc, DFC_CAPTION,
                     DFCS_CAPTIONCLOSE | DFCS_FLAT | (pushed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0));
    canvas.SetPenColor(frameColor_);
    canvas.SetBrushStyle(cl::TBrushStyle::Clear);
    canvas.Rectangle(r);
}
