#include "uninstaller/app/WizardPainting.h"

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/GdiHandles.h"
#include "uninstaller/app/ProgressBlocks.h"
#include "uninstaller/app/Wizard.h"
#include "uninstaller/app/WizardAnimation.h"

namespace {

const COLORREF kBlockColour = 0x7F0000;
const int kMaxBlocks = 1024;

// A control's rectangle in the wizard's client coordinates; false when it is missing.
bool ControlRect(HWND wizard, int id, RECT* r)
{
    HWND control = GetDlgItem(wizard, id);
    if (!control)
        return false;
    GetWindowRect(control, r);
    MapWindowPoints(nullptr, wizard, reinterpret_cast<POINT*>(r), 2);
    return true;
}

void Line(HDC dc, COLORREF colour, int x1, int y1, int x2, int y2)
{
    GdiObject pen(CreatePen(PS_SOLID, 1, colour));
    SelectedObject selected(dc, pen.object);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void FillSolid(HDC dc, const RECT& r, COLORREF colour)
{
    COLORREF previous = SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

void DrawBanner(HWND wizard, HDC dc)
{
    RECT line, client;
    if (!g_app.banner || !ControlRect(wizard, kBannerLine, &line))
        return;
    GetClientRect(wizard, &client);
    BITMAP picture{};
    GetObjectA(g_app.banner, sizeof picture, &picture);
    MemoryDc memory(dc);
    if (!memory.dc)
        return;
    SelectedObject selected(memory.dc, g_app.banner);
    int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, client.right, line.top, memory.dc, 0, 0, picture.bmWidth, picture.bmHeight, SRCCOPY);
    SetStretchBltMode(dc, previousMode);
}

void DrawEtchedLine(HWND wizard, HDC dc, int id)
{
    RECT r;
    if (!ControlRect(wizard, id, &r))
        return;
    Line(dc, GetSysColor(COLOR_BTNSHADOW), r.left + 1, r.top + 1, r.right + 1, r.top + 1);
    Line(dc, GetSysColor(COLOR_WINDOW), r.left + 1, r.top + 2, r.right + 1, r.top + 2);
}

void DrawProgressBar(HDC dc)
{
    const RECT& bar = g_wizard.barRect;
    int width = bar.right - bar.left, height = bar.bottom - bar.top;
    if (width <= 0 || height <= 0)
        return;
    BarBlock blocks[kMaxBlocks];
    int count = ProgressBarBlocks(width, height, g_wizard.progressDone, g_wizard.progressTotal, blocks, kMaxBlocks);
    for (int i = 0; i < count; ++i) {
        RECT block = {bar.left + blocks[i].left, bar.top + 1, bar.left + blocks[i].right, bar.bottom - 1};
        FillSolid(dc, block, kBlockColour);
    }
    RECT frame = bar;
    InflateRect(&frame, 1, 1);
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_WINDOW);
    Line(dc, shadow, frame.left, frame.bottom - 1, frame.left, frame.top);
    Line(dc, shadow, frame.left, frame.top, frame.right - 1, frame.top);
    Line(dc, light, frame.right - 1, frame.top, frame.right - 1, frame.bottom - 1);
    Line(dc, light, frame.right - 1, frame.bottom - 1, frame.left - 1, frame.bottom - 1);
}

}  // namespace

void PaintWizard(HWND wizard, HDC dc)
{
    DrawBanner(wizard, dc);
    DrawEtchedLine(wizard, dc, kLowerLine);
    DrawEtchedLine(wizard, dc, kBannerLine);
    if (g_wizard.progressView) {
        DrawAnimationFrame(dc);
        DrawProgressBar(dc);
    }
}
