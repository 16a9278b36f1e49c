#include "uninstaller/app/ProgressView.h"

#include <cstdio>
#include <cstring>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/GdiHandles.h"
#include "uninstaller/app/MessageFormat.h"
#include "uninstaller/app/MessagePump.h"
#include "uninstaller/app/Messages.h"
#include "uninstaller/app/PathFitting.h"
#include "uninstaller/app/Wizard.h"
#include "uninstaller/app/WizardAnimation.h"
#include "uninstaller/log/ItemStore.h"

namespace {

const unsigned kUninstallHeading = 45;
const unsigned kRepairHeading = 82;
const size_t kLabelSize = 64;

int MeasureText(void* context, const char* text, size_t length)
{
    SIZE size{};
    GetTextExtentPoint32A(static_cast<HDC>(context), text, static_cast<int>(length), &size);
    return size.cx;
}

void Show(HWND dialog, int id, bool shown)
{
    if (HWND control = GetDlgItem(dialog, id))
        ShowWindow(control, shown ? SW_SHOW : SW_HIDE);
}

void Enable(HWND dialog, int id, bool enabled)
{
    if (HWND control = GetDlgItem(dialog, id))
        EnableWindow(control, enabled);
}

}  // namespace

void EnterProgressView(bool repair)
{
    g_wizard.repairView = repair;
    HWND dialog = g_app.wizard;
    if (!dialog)
        return;
    g_wizard.progressView = true;
    Show(dialog, kPageTextControl, false);
    Show(dialog, kSecondTextControl, false);
    Show(dialog, kProgressHeading, true);
    Show(dialog, kProgressText, true);
    char heading[kProgressTextSize];
    FormatMessageText(repair ? kRepairHeading : kUninstallHeading, g_itemStore.productTitle, heading, sizeof heading);
    SetDlgItemTextA(dialog, kProgressHeading, heading);
    Enable(dialog, kNextButton, false);
    Enable(dialog, kBackButton, false);
    LoadAnimationIcons();
    InvalidateRect(dialog, nullptr, TRUE);
}

void SetProgressCounts(unsigned done, unsigned total)
{
    g_wizard.progressDone = done;
    g_wizard.progressTotal = total;
}

void ShowProgressText(const char* text)
{
    HWND dialog = g_app.wizard;
    if (!dialog) {
        PumpMessages(0);
        return;
    }
    if (text) {
        char shown[kProgressTextSize + 4], current[sizeof shown];
        std::snprintf(shown, sizeof shown, "\r\n\r\n%s", text);
        GetDlgItemTextA(dialog, kProgressText, current, sizeof current);
        if (std::strcmp(shown, current) != 0)
            SetDlgItemTextA(dialog, kProgressText, shown);
    }
    InvalidateRect(dialog, &g_wizard.barRect, FALSE);
    PumpMessages(1);
}

void ShowProgressPath(const char* label, const char* path)
{
    char text[kProgressTextSize];
    std::snprintf(text, sizeof text, "%s%s", label, path);
    if (g_app.wizard)
        FitPathToControl(GetDlgItem(g_app.wizard, kProgressText), text);
    ShowProgressText(text);
}

void ShowProgressItem(unsigned labelId, const char* path)
{
    char label[kLabelSize];
    LoadMessage(labelId, label, sizeof label);
    ShowProgressPath(label, path);
}

void ShowProgressKey(unsigned labelId, const char* key)
{
    char label[kLabelSize], shortKey[kProgressTextSize], text[kProgressTextSize];
    LoadMessage(labelId, label, sizeof label);
    ShortenKey(key, shortKey, sizeof shortKey);
    std::snprintf(text, sizeof text, "%s%s", label, shortKey);
    ShowProgressText(text);
}

void FitPathToControl(HWND control, char* text)
{
    if (!control)
        return;
    RECT client;
    GetClientRect(control, &client);
    WindowDc window(control);
    if (!window.dc)
        return;
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
    SelectedObject selected(window.dc, font);
    FitPathToWidth(text, client.right, MeasureText, window.dc);
}
