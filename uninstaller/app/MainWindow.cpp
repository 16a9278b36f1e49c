#include "uninstaller/app/MainWindow.h"

#include "uninstaller/app/AppState.h"

namespace {

const char kClassName[] = "VZBSUninstall";

struct PaintSession {
    HWND window;
    PAINTSTRUCT paint;
    HDC dc;
    explicit PaintSession(HWND w) : window(w), dc(BeginPaint(w, &paint)) {}
    ~PaintSession() { EndPaint(window, &paint); }
};

void PaintGradient(HWND window)
{
    PaintSession session(window);
    RECT client;
    GetClientRect(window, &client);
    for (int band = 0; band < kGradientBands; ++band) {
        int top, bottom;
        GradientBandSpan(band, client.bottom, &top, &bottom);
        HBRUSH brush = CreateSolidBrush(RGB(GradientBandComponent(g_app.gradient, 0, band),
                                            GradientBandComponent(g_app.gradient, 1, band),
                                            GradientBandComponent(g_app.gradient, 2, band)));
        if (!brush)
            continue;
        HGDIOBJ previous = SelectObject(session.dc, brush);
        PatBlt(session.dc, 0, top, client.right, bottom - top, PATCOPY);
        SelectObject(session.dc, previous);
        DeleteObject(brush);
    }
}

}  // namespace

extern "C" LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        PaintGradient(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMER:
        g_app.waitFlag = false;
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND CreateMainWindow()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = g_app.instance;
    windowClass.hIcon = LoadIconA(g_app.instance, MAKEINTRESOURCEA(101));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return nullptr;
    return CreateWindowExA(0, kClassName, " ", WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX,
                           0, 0, 640, 480, nullptr, nullptr, g_app.instance, nullptr);
}
