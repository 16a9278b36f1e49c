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

// The windows are served at most this often while items pass: waiting for a timer after every
// item would hold a large run to a few dozen items a second. Cancel and the animation are
// still answered well within a tenth of a second.
const DWORD kServeInterval = 30;

DWORD lastServed;
bool servedOnce;

// Progress labels as loaded for this run: each item would otherwise read the INI file again.
const unsigned kLabelIds = 128;
char labelTexts[kLabelIds][64];
bool labelLoaded[kLabelIds];

const unsigned kUninstallHeading = 45;
const unsigned kRollbackHeading = 86;
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

void LoadLabel(unsigned id, char* label, size_t size)
{
    if (id >= kLabelIds) {
        LoadMessage(id, label, size);
        return;
    }
    if (!labelLoaded[id]) {
        LoadMessage(id, labelTexts[id], sizeof labelTexts[id]);
        labelLoaded[id] = true;
    }
    std::snprintf(label, size, "%s", labelTexts[id]);
}

}  // namespace

void EnterProgressView(bool repair)
{
    std::memset(labelLoaded, 0, sizeof labelLoaded);
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
    unsigned headingId = repair ? kRepairHeading : RollbackChosen() ? kRollbackHeading : kUninstallHeading;
    FormatMessageText(headingId, g_itemStore.productTitle, heading, sizeof heading);
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
    if (dialog && text) {
        char shown[kProgressTextSize + 4], current[sizeof shown];
        std::snprintf(shown, sizeof shown, "\r\n\r\n%s", text);
        GetDlgItemTextA(dialog, kProgressText, current, sizeof current);
        if (std::strcmp(shown, current) != 0)
            SetDlgItemTextA(dialog, kProgressText, shown);
    }
    DWORD now = GetTickCount();
    if (servedOnce && now - lastServed < kServeInterval)
        return;
    if (dialog)
        InvalidateRect(dialog, &g_wizard.barRect, FALSE);
    PumpMessages(0);
    servedOnce = true;
    lastServed = GetTickCount();
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
    LoadLabel(labelId, label, sizeof label);
    ShowProgressPath(label, path);
}

void ShowProgressKey(unsigned labelId, const char* key)
{
    char label[kLabelSize], shortKey[kProgressTextSize], text[kProgressTextSize];
    LoadLabel(labelId, label, sizeof label);
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
