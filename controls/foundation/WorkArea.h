#pragma once
// The screen area a window may use: the work area of the monitor it is (mostly) on.

#include <windows.h>

#include "classlib/core/Geometry.h"

namespace mw {

cl::TRect GetWorkArea(HWND window);
int GetWorkAreaWidth(HWND window);
cl::TRect GetMonitorWorkArea(HMONITOR monitor);
cl::TRect GetMonitorBoundsRect(HMONITOR monitor);

}  // namespace mw
