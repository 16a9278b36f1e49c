#include "controls/foundation/WorkArea.h"

namespace mw {

namespace {

MONITORINFO InfoOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoA(monitor, &info);
    return info;
}

cl::TRect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

cl::TRect GetWorkArea(HWND window) { return GetMonitorWorkArea(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)); }
int GetWorkAreaWidth(HWND window) { return GetWorkArea(window).Width(); }
cl::TRect GetMonitorWorkArea(HMONITOR monitor) { return FromRECT(InfoOf(monitor).rcWork); }
cl::TRect GetMonitorBoundsRect(HMONITOR monitor) { return FromRECT(InfoOf(monitor).rcMonitor); }

}  // namespace mw
