#pragma once
// Painting a window through an off-screen bitmap of its client area, so that a control that
// fills its background and then draws on it does not flicker.

#include <windows.h>

#include "controls/foundation/MemoryBitmap.h"

namespace mw {

// Answers WM_PAINT: paint draws the whole client area into the bitmap's device context, which
// is then copied to the window. The window is validated also when paint throws.
template <class Paint>
void PaintBuffered(HWND window, Paint&& paint) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    try {
        RECT client;
        GetClientRect(window, &client);
        TMemoryBitmap buffer(dc, client.right, client.bottom);
        paint(buffer.DC());
        BitBlt(dc, 0, 0, client.right, client.bottom, buffer.DC(), 0, 0, SRCCOPY);
    } catch (...) {
        EndPaint(window, &ps);
        throw;
    }
    EndPaint(window, &ps);
}

}  // namespace mw
