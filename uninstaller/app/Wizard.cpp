#include "uninstaller/app/Wizard.h"

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/GdiHandles.h"
#include "uninstaller/app/Messages.h"
#include "uninstaller/app/UserPrompts.h"
#include "uninstaller/app/WizardAnimation.h"
#include "uninstaller/app/WizardPages.h"
#include "uninstaller/app/WizardPainting.h"

WizardState g_wizard;

namespace {

const int kWizardDialog = 106;

void SetText(HWND wizard, int id, unsigned textId)
{
    char text[256];
    LoadMessage(textId, text, sizeof text);
    SetDlgItemTextA(wizard, id, text);
}

void Hide(HWND wizard, int id)
{
    if (HWND control = GetDlgItem(wizard, id))
        ShowWindow(control, SW_HIDE);
}

// A control's rectangle in the wizard's client coordinates (empty when it is missing).
RECT ClientRectOf(HWND wizard, int id)
{
    RECT r{};
    if (HWND control = GetDlgItem(wizard, id)) {
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, wizard, reinterpret_cast<POINT*>(&r), 2);
    }
    return r;
}

// The maker's label takes the room its text needs from the line beside it, whatever the
// dialog font.
void FitMakerLabel(HWND wizard)
{
    HWND label = GetDlgItem(wizard, kMakerLabel), line = GetDlgItem(wizard, kLowerLine);
    if (!label || !line)
        return;
    char text[128];
    GetWindowTextA(label, text, sizeof text);
    SIZE size{};
    {
        WindowDc dc(label);
        SelectedObject font(dc.dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32A(dc.dc, text, lstrlenA(text), &size);
    }
    RECT labelRect = ClientRectOf(wizard, kMakerLabel), lineRect = ClientRectOf(wizard, kLowerLine);
    if (size.cx <= labelRect.right - labelRect.left)
        return;
    int gap = lineRect.left - labelRect.right;
    labelRect.right = labelRect.left + size.cx;
    MoveWindow(label, labelRect.left, labelRect.top, size.cx, labelRect.bottom - labelRect.top, FALSE);
    lineRect.left = labelRect.right + gap < lineRect.right ? labelRect.right + gap : lineRect.right;
    MoveWindow(line, lineRect.left, lineRect.top, lineRect.right - lineRect.left, lineRect.bottom - lineRect.top,
               FALSE);
}

void InitWizard(HWND wizard)
{
    PrepareDialog(wizard);
    SetText(wizard, kBackButton, 47);
    SetText(wizard, kCancelButton, 48);
    SetText(wizard, kSelectAllButton, 49);
    SetText(wizard, kSelectNoneButton, 50);
    char caption[256] = "";
    if (g_app.mainWindow)
        GetWindowTextA(g_app.mainWindow, caption, sizeof caption);
    SetWindowTextA(wizard, caption);
    if (HFONT bold = DialogTitleFont())
        SendDlgItemMessageA(wizard, kPageTitle, WM_SETFONT, reinterpret_cast<WPARAM>(bold), FALSE);
    if (g_wizard.page == kPagePerform && g_app.commandLine.automatic) {
        Hide(wizard, kNextButton);
        Hide(wizard, kBackButton);
    }
    SetUpPage(wizard);
    FitMakerLabel(wizard);
    Hide(wizard, kBarArea);
    Hide(wizard, kLowerLine);
    Hide(wizard, kBannerLine);
    g_wizard.barRect = ClientRectOf(wizard, kBarArea);
    InflateRect(&g_wizard.barRect, -1, -1);
    g_wizard.animationRect = ClientRectOf(wizard, kAnimationArea);
    CentreDialog(wizard);
}

void Cancel(HWND wizard)
{
    int answer;
    {
        AnimationPause pause;
        answer = ShowMessageBox(wizard, g_app.cancelQuestion, g_app.cancelCaption, MB_YESNO, IDNO);
    }
    if (answer != IDYES)
        return;
    g_app.cancelled = true;
    // The run stops at its next test of the flag; the wizard has had its say.
    ShowWindow(wizard, SW_HIDE);
}

// Enter reaches the dialog as Next even when the button is hidden or disabled.
bool Usable(HWND wizard, int id)
{
    HWND button = GetDlgItem(wizard, id);
    return button && IsWindowVisible(button) && IsWindowEnabled(button);
}

void OnCommand(HWND wizard, int id)
{
    if ((id == kNextButton || id == kBackButton) && !Usable(wizard, id))
        return;
    switch (id) {
    case kNextButton:
        if (g_wizard.page == kPagePerform)
            g_wizard.finished = true;
        else
            TurnPage(wizard, true);
        break;
    case kBackButton:
        TurnPage(wizard, false);
        break;
    case kSelectAllButton:
        SelectAllLines(wizard, true);
        break;
    case kSelectNoneButton:
        SelectAllLines(wizard, false);
        break;
    case kCancelButton:
        Cancel(wizard);
        break;
    }
}

void Paint(HWND wizard, HDC dc)
{
    StartAnimationOnFirstPaint(wizard);
    PaintWizard(wizard, dc);
}

}  // namespace

extern "C" INT_PTR CALLBACK ItemDlg(HWND wizard, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitWizard(wizard);
        return FALSE;   // the page has put the focus on Next
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            OnCommand(wizard, LOWORD(wParam));
        return TRUE;
    case WM_PAINT: {
        PaintDc paint(wizard);
        Paint(wizard, paint.dc);
        return TRUE;
    }
    case WM_PRINTCLIENT:
        Paint(wizard, reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_TIMER:
        if (wParam == kAnimationTimerId)
            AdvanceAnimation(wizard);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == GetDlgItem(wizard, kPageTitle)) {
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(g_app.hollowBrush ? g_app.hollowBrush : GetStockObject(HOLLOW_BRUSH));
        }
        return FALSE;
    default:
        return FALSE;
    }
}

HWND CreateWizard(HWND owner)
{
    // A new window paints, animates and lists afresh; the choices so far are kept.
    g_wizard.progressView = false;
    g_wizard.painted = false;
    g_wizard.animationTimerRunning = false;
    g_wizard.animationFrame = 0;
    g_wizard.listCount = 0;
    HWND wizard;
    if (g_app.wizardTemplate)
        wizard = CreateDialogIndirectParamA(
            g_app.instance, static_cast<LPCDLGTEMPLATEA>(LockResource(g_app.wizardTemplate)), owner, ItemDlg, 0);
    else
        wizard = CreateDialogParamA(g_app.instance, MAKEINTRESOURCEA(kWizardDialog), owner, ItemDlg, 0);
    g_app.wizard = wizard;
    if (!wizard) {
        if (!g_app.commandLine.automatic) {
            g_app.cancelled = true;
            g_app.runFailed = true;
        }
        return nullptr;
    }
    ShowWindow(wizard, SW_SHOW);
    FocusNext(wizard);
    UpdateWindow(wizard);
    return wizard;
}

void DestroyWizard()
{
    if (!g_app.wizard)
        return;
    if (g_wizard.animationTimerRunning)
        KillTimer(g_app.wizard, kAnimationTimerId);
    g_wizard.animationTimerRunning = false;
    g_wizard.progressView = false;
    DestroyWindow(g_app.wizard);
    g_app.wizard = nullptr;
}
