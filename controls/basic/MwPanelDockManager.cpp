#include "controls/basic/MwPanelDockManager.h"

#include "classlib/win/Handles.h"
#include "controls/basic/MwPanel.h"
#include "controls/foundation/FontUtils.h"

namespace {

bool HoldsFocus(cl::TControl& client) {
    if (!client.HandleAllocated()) return false;
    HWND focus = GetFocus();
    return focus && (focus == client.Handle() || IsChild(client.Handle(), focus));
}

// Draws text turned by 90 degrees (reading upwards) with its baseline starting at (x, y).
void TextOutUpwards(HDC dc, const cl::TFont& font, int x, int y, const std::string& text) {
    const cl::TFontHandle turned = mw::CreateRotatedFont(font, 90);
    cl::TSelectObject select(dc, turned.Get());
    const UINT previous = SetTextAlign(dc, TA_BASELINE);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, cl::ColorToRGB(cl::clCaptionText));
    TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
    SetTextAlign(dc, previous);
}

}  // namespace

TMwPanelDockManager::TMwPanelDockManager(TMwCustomPanel& panel) : cl::TDockTree(panel, kGrabberSize) {
    captionFont_.SetName("Verdana");
    captionFont_.SetSize(8);
    closeFont_.SetName("Marlett");
    closeFont_.SetSize(8);
}

void TMwPanelDockManager::SiteMessage(UINT msg) {
    if (msg == WM_COMMAND || msg == WM_MOUSEACTIVATE) DockSite().Invalidate();
}

cl::TRect TMwPanelDockManager::CloseBoxRect(const cl::TRect& r) const {
    if (SideBySide()) return {r.left + 1, r.top + 1, r.left + 12, r.top + 12};
    return {r.right - 15, r.top + 1, r.right - 2, r.top + 12};
}

void TMwPanelDockManager::PaintDockFrame(cl::TCanvas& canvas, cl::TControl& client, const cl::TRect& r) {
    if (!static_cast<TMwCustomPanel&>(DockSite()).ShowDockClientCaptions()) {
        cl::TDockTree::PaintDockFrame(canvas, client, r);
        return;
    }
    // Every client here is a windowed control; one without a window yet counts as inactive.
    const bool active = HoldsFocus(client);
    canvas.Font().Assign(captionFont_);
    canvas.SetBrushColor(active ? cl::clActiveCaption : cl::clInactiveCaption);
    canvas.Font().SetColor(active ? cl::clCaptionText : cl::clInactiveCaptionText);
    if (SideBySide()) {
        const cl::TRect strip{r.left, r.top, r.left + kGrabberSize, r.bottom};
        canvas.FillRect(strip);
        TextOutUpwards(canvas.Handle(), captionFont_, strip.right - 2, strip.bottom - 3, client.Caption());
    } else {
        const cl::TRect strip{r.left, r.top, r.right, r.top + kGrabberSize};
        canvas.FillRect(strip);
        canvas.TextOut(strip.left + 2, strip.top, client.Caption());
    }
    const cl::TRect box = CloseBoxRect(r);
    canvas.Font().Assign(closeFont_);
    canvas.Font().SetColor(active ? cl::clCaptionText : cl::clInactiveCaptionText);
    canvas.SetBrushStyle(cl::TBrushStyle::Clear);
    canvas.TextOut(box.left, box.top, "r");
    canvas.SetBrushStyle(cl::TBrushStyle::Solid);
}
