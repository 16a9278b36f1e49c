#pragma once
// A memory bitmap that a control paints itself into, the way it paints into its window, for
// reading its pixels back.

#include <windows.h>

#include "classlib/core/Colors.h"
#include "classlib/core/Geometry.h"
#include "classlib/win/Control.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/foundation/MwGrafx.h"

class TPaintSurface {
public:
    static constexpr COLORREF kBackground = RGB(0x12, 0x34, 0x56);

    TPaintSurface(int width, int height) : bitmap_(nullptr, width, height) {
        mw::FillSolid(bitmap_.DC(), {0, 0, width, height}, static_cast<cl::TColor>(kBackground));
    }

    // The control's paint alone.
    void Paint(cl::TControl& control) { SendMessageA(control.Handle(), WM_PAINT, reinterpret_cast<WPARAM>(bitmap_.DC()), 0); }
    // Background erase, then paint.
    void EraseAndPaint(cl::TControl& control) {
        SendMessageA(control.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(bitmap_.DC()), 0);
        Paint(control);
    }

    COLORREF At(int x, int y) const { return GetPixel(bitmap_.DC(), x, y); }
    // Pixels of the colour in r.
    int Count(cl::TColor color, const cl::TRect& r) const {
        const COLORREF wanted = cl::ColorToRGB(color);
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) count += At(x, y) == wanted ? 1 : 0;
        return count;
    }

private:
    mw::TMemoryBitmap bitmap_;
};
