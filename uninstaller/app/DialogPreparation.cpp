#include "uninstaller/app/DialogPreparation.h"

#include <algorithm>
#include <cstdio>

#include "uninstaller/app/AppState.h"

namespace {

const LONG kLightWeight = 300;
const LONG kBoldWeight = 700;

// The dialog fonts, made once per process from the first prepared dialog's own font.
struct DialogFonts {
    HFONT normal = nullptr;
    HFONT bold = nullptr;
    DialogFonts() = default;
    DialogFonts(const DialogFonts&) = delete;
    DialogFonts& operator=(const DialogFonts&) = delete;
    ~DialogFonts() { Free(); }
    void Free()
    {
        if (normal)
            DeleteObject(normal);
        if (bold)
            DeleteObject(bold);
        normal = bold = nullptr;
    }
};

DialogFonts fonts;

void CreateDialogFonts(HWND dialog)
{
    HFONT own = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    LOGFONTA font{};
    if (!own || !GetObjectA(own, sizeof font, &font))
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    const Settings& settings = g_app.settings;
    HDC screen = GetDC(nullptr);
    font.lfHeight = -MulDiv(settings.fontSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    font.lfWidth = 0;
    font.lfWeight = kLightWeight;
    font.lfCharSet = static_cast<BYTE>(settings.fontCharSet);
    if (settings.textFont[0])
        std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "%s", settings.textFont);
    fonts.normal = CreateFontIndirectA(&font);
    font.lfWeight = kBoldWeight;
    fonts.bold = CreateFontIndirectA(&font);
}

LONG Widened(LONG edge)
{
    return edge + edge / 6;
}

// Height of a line of text in the font (the system font when there is none).
LONG LineHeight(HFONT font)
{
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = font ? SelectObject(screen, font) : nullptr;
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    if (previous)
        SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight;
}

struct VerticalScale {
    LONG numerator, denominator;
    LONG Of(LONG y) const { return MulDiv(y, numerator, denominator); }
};

}  // namespace

void PrepareDialog(HWND dialog)
{
    LONG templateLine = LineHeight(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
    if (!fonts.normal)
        CreateDialogFonts(dialog);
    LONG fontLine = std::max(LineHeight(fonts.normal), LineHeight(fonts.bold));
    // A settings font larger than the template's makes the dialog and its controls taller by as
    // much, so that no text is cut off; a smaller one leaves the layout as designed.
    VerticalScale scale{fontLine > templateLine && templateLine > 0 ? fontLine : 1,
                        fontLine > templateLine && templateLine > 0 ? templateLine : 1};

    RECT window, client;
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    window.left = Widened(window.left);
    window.right = Widened(window.right);
    window.bottom += scale.Of(client.bottom) - client.bottom;
    MoveWindow(dialog, window.left, window.top, window.right - window.left, window.bottom - window.top, FALSE);

    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        r.left = Widened(r.left);
        r.right = Widened(r.right);
        r.top = scale.Of(r.top);
        r.bottom = scale.Of(r.bottom);
        MoveWindow(child, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
        if (fonts.normal)
            SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.normal), FALSE);
    }
}

void CentreDialog(HWND dialog)
{
    RECT r;
    GetWindowRect(dialog, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    SetWindowPos(dialog, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT DialogTitleFont()
{
    return fonts.bold;
}

void FreeDialogFonts()
{
    fonts.Free();
}
