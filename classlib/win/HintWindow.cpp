#include "classlib/win/HintWindow.h"

#include "classlib/win/Application.h"
#include "classlib/win/Control.h"

namespace cl {

namespace {

const char kHintClass[] = "QuillonHintWindow";
constexpr UINT_PTR kHoverTimer = 1;
constexpr UINT_PTR kPointerTimer = 2;
constexpr UINT kPointerCheckMs = 100;

bool IsPressOrKey(UINT msg) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_MOUSEWHEEL: return true;
        default: return false;
    }
}

}  // namespace

std::string ShortHint(const std::string& hint) { return hint.substr(0, hint.find('|')); }

THintWindow::THintWindow() {
    UINT hover = 0;
    if (SystemParametersInfoA(SPI_GETMOUSEHOVERTIME, 0, &hover, 0) && hover > 0) hoverTime_ = static_cast<int>(hover);
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        font_.Reset(CreateFontIndirectA(&metrics.lfStatusFont));
}

THintWindow::~THintWindow() = default;

void THintWindow::MakeWindow() {
    if (window_) return;
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.style = CS_SAVEBITS;
        wc.lpfnWndProc = &THintWindow::WindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = kHintClass;
        return RegisterClassA(&wc) != 0;
    }();
    if (!registered) return;
    window_.Reset(CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kHintClass, "", WS_POPUP | WS_BORDER, 0, 0, 0, 0,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    if (window_) SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LRESULT CALLBACK THintWindow::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<THintWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    try {
        if (self && msg == WM_TIMER) {
            if (wParam == kHoverTimer) self->HoverElapsed();
            else if (wParam == kPointerTimer) self->CheckPointer();
            return 0;
        }
        if (self && msg == WM_PAINT) {
            const TPaintScope scope(window);
            self->Paint(scope.DC());
            return 0;
        }
        if (msg == WM_NCHITTEST) return HTTRANSPARENT;  // the pointer passes through to the control
        if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    } catch (...) {
        TApplication::HandleCurrentException();
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

bool THintWindow::Showing() const { return window_ && IsWindowVisible(window_.Get()); }

void THintWindow::Observe(const MSG& msg) {
    if (msg.message == WM_MOUSEMOVE) MouseMoved(msg.hwnd, {static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))});
    else if (IsPressOrKey(msg.message) && (waiting_ || Showing())) {
        suppressed_ = target_;
        suppressedText_ = text_;
        Cancel();
    }
}

void THintWindow::MouseMoved(HWND window, TPoint point) {
    TControl* control = TControl::FromHandle(window);
    std::string text;
    TRect area;
    if (!control || !control->HintAt(point, text, area) || text.empty()) {
        suppressed_ = nullptr;
        Cancel();
        return;
    }
    const bool same = window == target_ && text == text_ && area == area_;
    if (same && (waiting_ || Showing())) return;
    if (window == suppressed_ && text == suppressedText_) return;  // hidden by a click or key
    suppressed_ = nullptr;
    Cancel();
    MakeWindow();
    if (!window_) return;
    target_ = window;
    text_ = text;
    area_ = area;
    waiting_ = true;
    SetTimer(window_.Get(), kHoverTimer, static_cast<UINT>(hoverTime_), nullptr);
}

void THintWindow::HoverElapsed() {
    if (window_) KillTimer(window_.Get(), kHoverTimer);
    if (!waiting_) return;
    waiting_ = false;
    POINT cursor{};
    GetCursorPos(&cursor);
    if (!IsWindow(target_) || WindowFromPoint(cursor) != target_) {
        Cancel();
        return;
    }
    Show();
}

void THintWindow::Show() {
    RECT measure{0, 0, 300, 0};
    {
        const TScreenDC screen;
        TSelectObject font(screen.Handle(), font_ ? static_cast<HGDIOBJ>(font_.Get()) : GetStockObject(DEFAULT_GUI_FONT));
        DrawTextA(screen.Handle(), text_.c_str(), static_cast<int>(text_.size()), &measure, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    }
    const int width = measure.right + 8, height = measure.bottom + 4;
    POINT cursor{};
    GetCursorPos(&cursor);
    int x = cursor.x, y = cursor.y + GetSystemMetrics(SM_CYCURSOR) * 2 / 3;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (GetMonitorInfoA(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        if (x + width > work.right) x = work.right - width;
        if (y + height > work.bottom) y = cursor.y - height - 2;
        if (x < work.left) x = work.left;
    }
    SetWindowPos(window_.Get(), HWND_TOPMOST, x, y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(window_.Get(), nullptr, TRUE);
    SetTimer(window_.Get(), kPointerTimer, kPointerCheckMs, nullptr);
}

void THintWindow::CheckPointer() {
    POINT cursor{};
    GetCursorPos(&cursor);
    POINT local = cursor;
    const bool over = IsWindow(target_) && WindowFromPoint(cursor) == target_ && ScreenToClient(target_, &local) &&
                      area_.Contains({local.x, local.y});
    if (!over) Cancel();
}

void THintWindow::Hide() {
    if (!window_) return;
    KillTimer(window_.Get(), kPointerTimer);
    ShowWindow(window_.Get(), SW_HIDE);
}

void THintWindow::Cancel() {
    if (window_) KillTimer(window_.Get(), kHoverTimer);
    waiting_ = false;
    Hide();
    target_ = nullptr;
    text_.clear();
    area_ = {};
}

void THintWindow::Paint(HDC dc) {
    RECT client{};
    GetClientRect(window_.Get(), &client);
    TBrushHandle background(CreateSolidBrush(GetSysColor(COLOR_INFOBK)));
    FillRect(dc, &client, background.Get());
    TSelectObject font(dc, font_ ? static_cast<HGDIOBJ>(font_.Get()) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    RECT text{client.left + 3, client.top + 1, client.right - 3, client.bottom - 1};
    DrawTextA(dc, text_.c_str(), static_cast<int>(text_.size()), &text, DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace cl
