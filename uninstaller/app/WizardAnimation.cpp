#include "uninstaller/app/WizardAnimation.h"

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/GdiHandles.h"
#include "uninstaller/app/Wizard.h"

namespace {

void StartTimer(HWND wizard)
{
    g_wizard.animationTimerRunning = SetTimer(wizard, kAnimationTimerId, kAnimationIntervalMs, nullptr) != 0;
}

void StopTimer(HWND wizard)
{
    if (wizard && g_wizard.animationTimerRunning)
        KillTimer(wizard, kAnimationTimerId);
    g_wizard.animationTimerRunning = false;
}

}  // namespace

void StartAnimationOnFirstPaint(HWND wizard)
{
    if (g_wizard.painted)
        return;
    g_wizard.painted = true;
    StartTimer(wizard);
}

void AdvanceAnimation(HWND wizard)
{
    g_wizard.animationFrame = NextAnimationFrame(g_wizard.animationFrame);
    if (g_wizard.progressView)
        InvalidateRect(wizard, &g_wizard.animationRect, FALSE);
}

void LoadAnimationIcons()
{
    for (int i = 0; i < kAnimationIcons; ++i)
        if (!g_wizard.animationIcons[i])
            g_wizard.animationIcons[i] = LoadIconA(g_app.instance, MAKEINTRESOURCEA(kBinIcon + i));
}

void DrawAnimationFrame(HDC dc)
{
    const RECT& area = g_wizard.animationRect;
    int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    MemoryDc memory(dc);
    GdiObject picture(CreateCompatibleBitmap(dc, width, height));
    if (!memory.dc || !picture.object)
        return;
    SelectedObject selected(memory.dc, picture.object);

    RECT whole = {0, 0, width, height};
    FillRect(memory.dc, &whole, GetSysColorBrush(COLOR_BTNFACE));
    LONG units = GetDialogBaseUnits();
    int baseWidth = LOWORD(units), baseHeight = HIWORD(units);
    if (g_wizard.animationIcons[0])
        DrawIcon(memory.dc, 0, BinIconTop(baseHeight), g_wizard.animationIcons[0]);
    int x, y, icon;
    if (SheetIconPosition(g_wizard.animationFrame, baseWidth, baseHeight, &x, &y, &icon) &&
        g_wizard.animationIcons[icon - kBinIcon])
        DrawIcon(memory.dc, x, y, g_wizard.animationIcons[icon - kBinIcon]);
    BitBlt(dc, area.left, area.top, width, height, memory.dc, 0, 0, SRCCOPY);
}

AnimationPause::AnimationPause() : wasRunning_(g_wizard.animationTimerRunning)
{
    StopTimer(g_app.wizard);
}

AnimationPause::~AnimationPause()
{
    if (wasRunning_ && g_app.wizard)
        StartTimer(g_app.wizard);
}
