#include "uninstaller/app/WizardPages.h"

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/GdiHandles.h"
#include "uninstaller/app/MessageFormat.h"
#include "uninstaller/app/Messages.h"
#include "uninstaller/app/PageLines.h"
#include "uninstaller/app/Wizard.h"
#include "uninstaller/log/ItemStore.h"

namespace {

const size_t kTitleSize = 256;
const size_t kTextSize = 1024;

// Title and text string of each list page.
const struct {
    unsigned title, text;
} kListPageTexts[kWizardPageCount] = {
    {0, 0}, {5, 6}, {8, 9}, {11, 12}, {14, 15}, {17, 18}, {20, 21}, {54, 55}, {23, 24}, {26, 27}, {42, 41},
};

void Show(HWND wizard, int id, bool shown)
{
    if (HWND control = GetDlgItem(wizard, id))
        ShowWindow(control, shown ? SW_SHOW : SW_HIDE);
}

void Enable(HWND wizard, int id, bool enabled)
{
    if (HWND control = GetDlgItem(wizard, id))
        EnableWindow(control, enabled);
}

void SetText(HWND wizard, int id, unsigned textId)
{
    char text[kTextSize];
    LoadMessage(textId, text, sizeof text);
    SetDlgItemTextA(wizard, id, text);
}

const int kListControls[] = {kItemList, kSelectAllButton, kSelectNoneButton};
const int kRadios[] = {kRadioFirst, kRadioSecond, kRadioRepair};

void ShowList(HWND wizard, bool shown)
{
    for (int id : kListControls) {
        Show(wizard, id, shown);
        Enable(wizard, id, shown);
    }
}

void ShowRadios(HWND wizard, bool shown, bool repairShown)
{
    Show(wizard, kRadioFirst, shown);
    Show(wizard, kRadioSecond, shown);
    Show(wizard, kRadioRepair, repairShown);
}

void CheckRadios(HWND wizard, int checked)
{
    for (int id : kRadios)
        CheckDlgButton(wizard, id, id == checked ? BST_CHECKED : BST_UNCHECKED);
}

void SetUpMethodPage(HWND wizard, char* title, char* text)
{
    LoadMessage(16, title, kTitleSize);
    FormatMessageText(7, g_itemStore.productTitle, text, kTextSize);
    SetText(wizard, kSecondTextControl, 10);
    SetText(wizard, kRadioFirst, 60);
    SetText(wizard, kRadioSecond, 61);
    SetText(wizard, kRadioRepair, 72);
    int checked = g_wizard.method == kMethodCustom   ? kRadioSecond
                  : g_wizard.method == kMethodRepair ? kRadioRepair
                                                     : kRadioFirst;
    CheckRadios(wizard, checked);
    ShowRadios(wizard, true, g_itemStore.repairPossible != 0);
    Enable(wizard, kBackButton, false);
}

void SetUpRollbackPage(HWND wizard, char* title, char* text)
{
    LoadMessage(64, title, kTitleSize);
    LoadMessage(65, text, kTextSize);
    SetText(wizard, kSecondTextControl, 66);
    SetText(wizard, kRadioFirst, 51);
    SetText(wizard, kRadioSecond, 52);
    bool rollback = g_wizard.rollback && g_app.commandLine.shortcut == 0;
    CheckRadios(wizard, rollback ? kRadioFirst : kRadioSecond);
    ShowRadios(wizard, true, false);
    Enable(wizard, kBackButton, true);
}

// Title, text and second text of the perform page for the run the choices so far make.
const struct {
    unsigned title, text, secondText;
} kPerformTexts[] = {{19, 13, 22}, {64, 84, 85}, {74, 73, 75}};

void SetUpPerformPage(HWND wizard, char* title, char* text)
{
    const auto& texts = kPerformTexts[g_wizard.method == kMethodRepair ? 2 : RollbackChosen() ? 1 : 0];
    LoadMessage(texts.title, title, kTitleSize);
    FormatMessageText(texts.text, g_itemStore.productTitle, text, kTextSize);
    SetText(wizard, kSecondTextControl, texts.secondText);
    ShowList(wizard, false);
    ShowRadios(wizard, false, false);
    Show(wizard, kSecondTextControl, true);
    Enable(wizard, kBackButton, !g_app.commandLine.startOnLastPage);
}

void FillList(HWND wizard, int page)
{
    HWND list = GetDlgItem(wizard, kItemList);
    if (!list)
        return;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    unsigned count = PageItemCount(g_itemStore, page);
    int widest = 0;
    {
        WindowDc window(list);
        SelectedObject font(window.dc, reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
        char line[kPageLineSize];
        for (unsigned i = 0; i < count; ++i) {
            PageItemText(g_itemStore, page, i, line, sizeof line);
            LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
            if (index < 0)
                break;
            if (*PageItemSelection(g_itemStore, page, i))
                SendMessageA(list, LB_SETSEL, TRUE, index);
            SIZE size{};
            if (window.dc && GetTextExtentPoint32A(window.dc, line, lstrlenA(line), &size) && size.cx > widest)
                widest = size.cx;
        }
    }
    g_wizard.listCount = static_cast<unsigned>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    SendMessageA(list, LB_SETHORIZONTALEXTENT, widest, 0);
    SendMessageA(list, LB_SETTOPINDEX, 0, 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void SetUpListPage(HWND wizard, char* title, char* text)
{
    int page = g_wizard.page;
    LoadMessage(kListPageTexts[page].title, title, kTitleSize);
    LoadMessage(kListPageTexts[page].text, text, kTextSize);
    ShowRadios(wizard, false, false);
    Show(wizard, kSecondTextControl, false);
    ShowList(wizard, true);
    Enable(wizard, kBackButton, true);
    FillList(wizard, page);
}

// The transparent title shows the banner behind it, so the area is repainted whole.
void RepaintTitle(HWND wizard)
{
    HWND title = GetDlgItem(wizard, kPageTitle);
    if (!title)
        return;
    RECT area;
    GetWindowRect(title, &area);
    MapWindowPoints(nullptr, wizard, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(wizard, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace

void FocusNext(HWND wizard)
{
    HWND next = GetDlgItem(wizard, kNextButton);
    if (next && IsWindowVisible(next) && IsWindowEnabled(next))
        SendMessageA(wizard, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
}

void SetUpPage(HWND wizard)
{
    int page = g_wizard.page;
    SetText(wizard, kNextButton, page == kPagePerform ? 63 : 46);
    char title[kTitleSize] = "", text[kTextSize] = "";
    if (page == kPageMethod || page == kPageRollback) {
        ShowList(wizard, false);
        Show(wizard, kSecondTextControl, true);
        if (page == kPageMethod)
            SetUpMethodPage(wizard, title, text);
        else
            SetUpRollbackPage(wizard, title, text);
    } else if (page == kPagePerform) {
        SetUpPerformPage(wizard, title, text);
    } else if (IsListPage(page)) {
        SetUpListPage(wizard, title, text);
    }
    SetDlgItemTextA(wizard, kPageTitle, title);
    SetDlgItemTextA(wizard, kPageTextControl, text);
    FocusNext(wizard);
    RepaintTitle(wizard);
}

void ReadPageSelections(HWND wizard)
{
    int page = g_wizard.page;
    if (page == kPageMethod) {
        g_wizard.method = IsDlgButtonChecked(wizard, kRadioFirst) == BST_CHECKED    ? kMethodAutomatic
                          : IsDlgButtonChecked(wizard, kRadioRepair) == BST_CHECKED ? kMethodRepair
                                                                                    : kMethodCustom;
    } else if (page == kPageRollback) {
        g_wizard.rollback = IsDlgButtonChecked(wizard, kRadioFirst) == BST_CHECKED;
    } else if (IsListPage(page)) {
        unsigned count = PageItemCount(g_itemStore, page);
        for (unsigned i = 0; i < g_wizard.listCount && i < count; ++i)
            *PageItemSelection(g_itemStore, page, i) =
                SendDlgItemMessageA(wizard, kItemList, LB_GETSEL, i, 0) > 0 ? 1 : 0;
    }
}

void TurnPage(HWND wizard, bool forward)
{
    ReadPageSelections(wizard);
    unsigned counts[kWizardPageCount];
    for (int page = 0; page < kWizardPageCount; ++page)
        counts[page] = PageItemCount(g_itemStore, page);
    g_wizard.page = StepPage(g_wizard.page, forward, g_wizard.method, g_itemStore.backupsExist != 0, counts);
    SetUpPage(wizard);
}

void SelectAllLines(HWND wizard, bool selected)
{
    SendDlgItemMessageA(wizard, kItemList, LB_SETSEL, selected ? TRUE : FALSE, -1);
}
