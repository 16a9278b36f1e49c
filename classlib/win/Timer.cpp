#include "classlib/win/Timer.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Application.h"

namespace cl {

namespace {
const char kTimerWindowClass[] = "TTimerWindow";
constexpr UINT_PTR kTimerId = 1;
}  // namespace

const TClassInfo& TTimer::StaticClass() {
    static const auto info = TClassBuilder<TTimer>("TTimer", TComponent::StaticClass())
                                 .Creatable()
                                 .Int("Interval", &TTimer::Interval, &TTimer::SetInterval)
                                 .Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
                                 .Event("OnTimer", &TTimer::onTimer_)
                                 .Build();
    return *info;
}

void TTimer::SetInterval(int milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    UpdateTimer();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetOnTimer(const TNotifyEvent& handler) {
    onTimer_ = handler;
    UpdateTimer();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();  // the form reader sets OnTimer without the setter
}

void TTimer::Fire() {
    try {
        onTimer_(this);
    } catch (...) {
        TApplication::HandleCurrentException();
    }
}

void TTimer::UpdateTimer() {
    if (window_) KillTimer(window_.Get(), kTimerId);
    if (!enabled_ || interval_ <= 0 || !onTimer_ || IsLoading()) return;
    if (!window_) {
        static const ATOM windowClass = [] {
            WNDCLASSEXA wc = {};
            wc.cbSize = sizeof(wc);
            wc.lpfnWndProc = &TTimer::WindowProc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = kTimerWindowClass;
            return RegisterClassExA(&wc);
        }();
        window_.Reset(CreateWindowExA(0, MAKEINTATOM(windowClass), "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      GetModuleHandleA(nullptr), nullptr));
        if (!window_) throw Exception("Not enough timers available");
        SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    if (!SetTimer(window_.Get(), kTimerId, static_cast<UINT>(interval_), nullptr))
        throw Exception("Not enough timers available");
}

LRESULT CALLBACK TTimer::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER && wParam == kTimerId) {
        // Fire catches everything the handler throws.
        if (auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrA(window, GWLP_USERDATA))) timer->Fire();
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace cl
