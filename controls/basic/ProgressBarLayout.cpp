#include "controls/basic/ProgressBarLayout.h"

#include <cmath>

namespace mw {

int PercentOfParts(unsigned parts, unsigned total) {
    // nearbyint rounds halves to even in the default rounding mode.
    return static_cast<int>(std::nearbyint(static_cast<double>(parts) / static_cast<double>(total) * 100.0));
}

TOrientation OrientationForShape(int width, int height) {
    return height > width ? TOrientation::Vertical : TOrientation::Horizontal;
}

TThemedProgressRects ThemedProgressRects(const cl::TRect& client, bool onStatusBar, bool themeAware, TBarStyle style,
                                         int interiorOffset) {
    TThemedProgressRects rects;
    const bool led = style == TBarStyle::LED;
    if (onStatusBar) {
        const cl::TRect pane = interiorOffset == 0 ? Inset(client, 3, 2)
                                                   : Inset(client, interiorOffset + 2, interiorOffset + 1);
        if (!themeAware) {
            rects.bar = Inset(pane, interiorOffset + 1, interiorOffset + 1);
            return rects;
        }
        rects.drawFrame = true;
        rects.frame = pane;
    } else {
        rects.drawFrame = true;
        rects.frame = client;
    }
    int inset = interiorOffset + 3;
    if (led) inset = interiorOffset + (themeAware ? 1 : 2);
    rects.bar = Inset(rects.frame, inset, inset);
    return rects;
}

}  // namespace mw
