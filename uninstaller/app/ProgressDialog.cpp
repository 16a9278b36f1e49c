#include "uninstaller/app/ProgressDialog.h"

#include <cstring>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Messages.h"
#include "uninstaller/app/Wizard.h"

namespace {

const COLORREF kBarColour = 0x7F0000;

void CentreOnScreen(HWND dialog)
{
    RECT r;
    GetWindowRect(dialog, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    SetWindowPos(dialog, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void InitDialog(HWND dialog)
{
    PrepareDialog(dialog);
    char text[512];
    LoadMessage(25, text, sizeof text);
    SetWindowTextA(dialog, text);
    LoadMessage(48, text, sizeof text);
    SetDlgItemTextA(dialog, IDCANCEL, text);

    // "Initializing " + "Halden Uninstall" + " Wizard..."
    size_t length = LoadMessage(70, text, sizeof text);
    const char kName[] = "Halden Uninstall";
    if (length + sizeof kName < sizeof text) {
        std::strcpy(text + length, kName);
        length += sizeof kName - 1;
        LoadMessage(71, text + length, sizeof text - length);
    }
    SetDlgItemTextA(dialog, kProgressTextControl, text);

    HWND bar = GetDlgItem(dialog, kProgressBarControl);
    SetRectEmpty(&g_app.progressBar);
    if (bar) {
        GetWindowRect(bar, &g_app.progressBar);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&g_app.progressBar), 2);
        InflateRect(&g_app.progressBar, -1, -1);
        ShowWindow(bar, SW_HIDE);
    }
    CentreOnScreen(dialog);
}

void FillSolid(HDC dc, const RECT& r, COLORREF colour)
{
    COLORREF previous = SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

void PaintBar(HWND dialog)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    RECT bar = g_app.progressBar;
    if (!IsRectEmpty(&bar)) {
        uint64_t width = static_cast<uint64_t>(bar.right - bar.left);
        uint64_t done = 0;
        if (g_app.progressSize)
            done = width * (g_app.progressPosition < g_app.progressSize ? g_app.progressPosition : g_app.progressSize) /
                   g_app.progressSize;
        RECT filled = bar;
        filled.right = bar.left + static_cast<LONG>(done);
        RECT rest = bar;
        rest.left = filled.right;
        FillSolid(dc, filled, kBarColour);
        FillSolid(dc, rest, GetSysColor(COLOR_BTNFACE));
        RECT frame = bar;
        InflateRect(&frame, 1, 1);
        DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
    }
    EndPaint(dialog, &paint);
}

}  // namespace

extern "C" INT_PTR CALLBACK ProgressDlg(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitDialog(dialog);
        return TRUE;
    case WM_PAINT:
        PaintBar(dialog);
        return TRUE;
    case WM_COMMAND:
        g_app.cancelled = true;
        return TRUE;
    default:
        return FALSE;
    }
}

HWND CreateProgressDialog()
{
    HWND dialog = CreateDialogParamA(g_app.instance, MAKEINTRESOURCEA(kProgressDialogId), nullptr, ProgressDlg, 0);
    if (dialog) {
        ShowWindow(dialog, SW_SHOW);
        UpdateWindow(dialog);
    }
    g_app.progressDialog = dialog;
    return dialog;
}

void CloseProgressDialog()
{
    if (g_app.progressDialog) {
        DestroyWindow(g_app.progressDialog);
        g_app.progressDialog = nullptr;
    }
}

void ShowStartupProgress(uint64_t position, uint64_t size)
{
    if (position == g_app.progressPosition && size == g_app.progressSize)
        return;
    g_app.progressPosition = position;
    g_app.progressSize = size;
    if (!g_app.progressDialog)
        return;
    InvalidateRect(g_app.progressDialog, &g_app.progressBar, FALSE);
    UpdateWindow(g_app.progressDialog);
}
