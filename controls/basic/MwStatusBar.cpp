#include "controls/basic/MwStatusBar.h"

#include <windowsx.h>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/Form.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"

using namespace mw;

const cl::TClassInfo& TMwStatusBar::StaticClass() {
    using S = TMwStatusBar;
    static const auto info = cl::TClassBuilder<S>("TMwStatusBar", TMwCustomPanel::StaticClass())
                                 .Creatable()
                                 .Bool("AutoStyle", &S::AutoStyle, &S::SetAutoStyle)
                                 .Bool("AutoScalePanes", &S::AutoScalePanes, &S::SetAutoScalePanes)
                                 .Bool("ShowSizeGrip", &S::ShowSizeGrip, &S::SetShowSizeGrip)
                                 .Bool("SimpleStatus", &S::SimpleStatus, &S::SetSimpleStatus)
                                 .Str("SimpleCaption", &S::SimpleCaption, &S::SetSimpleCaption)
                                 .Enum<TFrameStyle>("SimpleFrameStyle", &S::SimpleFrameStyle, &S::SetSimpleFrameStyle, kFrameStyleNames)
                                 .Build();
    return *info;
}

TMwStatusBar::TMwStatusBar(cl::TComponent* owner) : TMwCustomPanel(owner) {
    SetAlign(cl::TAlign::Bottom);
    ApplyAutoStyle();
}

void TMwStatusBar::ApplyAutoStyle() {
    const bool keep = autoStyle_;
    SetBorderInner(TFrameStyle::None);
    SetBorderOuter(TFrameStyle::None);
    SetBorderSides(sdAll);
    SetHeight(19);
    SetBorderWidth(0);
    autoStyle_ = keep;
}

void TMwStatusBar::Loaded() {
    TMwCustomPanel::Loaded();
    if (autoStyle_) ApplyAutoStyle();
}

void TMwStatusBar::SetBorderOuter(TFrameStyle v) {
    if (v == BorderOuter()) return;
    TMwCustomPanel::SetBorderOuter(v);
    autoStyle_ = false;
}

void TMwStatusBar::SetBorderInner(TFrameStyle v) {
    if (v == BorderInner()) return;
    TMwCustomPanel::SetBorderInner(v);
    autoStyle_ = false;
}

void TMwStatusBar::SetBorderSides(TSides v) {
    if ((v & sdAll) == BorderSides()) return;
    TMwCustomPanel::SetBorderSides(v);
    autoStyle_ = false;
}

void TMwStatusBar::SetSimpleStatus(bool v) {
    if (v == simpleStatus_) return;
    simpleStatus_ = v;
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetVisible(!v);
    Invalidate();
}

bool TMwStatusBar::GripUsable() const {
    cl::TCustomForm* form = ParentForm();
    if (!form || form->WindowState() == cl::TWindowState::Maximized) return false;
    if (form->HandleAllocated() && IsZoomed(form->Handle())) return false;
    return form->BorderStyle() == cl::TFormBorderStyle::Sizeable || form->BorderStyle() == cl::TFormBorderStyle::SizeToolWin;
}

void TMwStatusBar::WndProc(cl::TMessage& m) {
    if (showSizeGrip_ && GripUsable()) {
        if (m.msg == WM_LBUTTONDOWN && GripRect().Contains({GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)})) {
            ReleaseCapture();
            SendMessageA(ParentForm()->Handle(), WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, 0);
            return;
        }
        if (m.msg == WM_SETCURSOR) {
            POINT p;
            GetCursorPos(&p);
            ::ScreenToClient(Handle(), &p);
            if (GripRect().Contains({p.x, p.y})) {
                SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZENWSE)));
                m.result = TRUE;
                return;
            }
        }
    }
    TMwCustomPanel::WndProc(m);
    // The grip lies over the children, so it is drawn after them.
    if (m.msg == WM_PAINT && showSizeGrip_ && GripUsable()) {
        HDC dc = GetDCEx(Handle(), nullptr, DCX_CACHE);  // not clipped by the children
        const int x0 = Width() - 1, y0 = Height() - 1;
        for (int pass = 0; pass < 2; ++pass) {
            const cl::TColor color = pass == 0 ? cl::clBtnHighlight : cl::clBtnShadow;
            const int x = x0 - pass, y = y0 - pass;
            const int dots[6][2] = {{4, 12}, {4, 8}, {4, 4}, {8, 8}, {8, 4}, {12, 4}};
            for (const auto& d : dots) FillSolid(dc, {x - d[0], y - d[1], x - d[0] + 2, y - d[1] + 2}, color);
        }
        ReleaseDC(Handle(), dc);
    }
}

void TMwStatusBar::Paint(cl::TCanvas& canvas) {
    cl::TRect r = PaintFrameAndBackground(canvas);
    if (!simpleStatus_) return;
    r.bottom -= 1;
    PaintFrame(canvas, r, simpleFrameStyle_, sdAll, {FlatColor(), BorderHighlight(), BorderShadow(), BevelWidth()});
    if (simpleCaption_.empty()) return;
    canvas.Font().Assign(*Font());
    const cl::TRect text = Inset(r, 1, 1);
    canvas.TextRect({text.left + 2, text.top, text.right, text.bottom}, simpleCaption_,
                    DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
}

