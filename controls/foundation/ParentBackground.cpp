#include "controls/foundation/ParentBackground.h"

#include "classlib/win/Form.h"

namespace mw {

void PaintParentBackground(cl::TControl& control, HDC dc, bool invalidateParent) {
    cl::TControl* parent = control.Parent();
    if (!parent) return;
    const int saved = SaveDC(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x - control.Left(), origin.y - control.Top(), nullptr);
    const cl::TRect client = parent->ClientRect();
    IntersectClipRect(dc, 0, 0, client.Width(), client.Height());
    HWND parentWindow = parent->Handle();
    SendMessageA(parentWindow, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageA(parentWindow, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
    if (invalidateParent && !dynamic_cast<cl::TCustomControl*>(parent) && !dynamic_cast<cl::TCustomForm*>(parent))
        parent->Invalidate();
}

void PaintParentBackground(cl::TControl& control, cl::TCanvas& canvas, bool invalidateParent) {
    PaintParentBackground(control, canvas.Handle(), invalidateParent);
}

}  // namespace mw
