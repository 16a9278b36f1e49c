#include "controls/basic/StatusBarLayout.h"

#include <cmath>

namespace mw {

cl::TRect StatusBarClientRect(const cl::TRect& panelClient, bool themeLibraryLoaded, bool simpleStatus) {
    cl::TRect r = panelClient;
    if (!themeLibraryLoaded) {
        r.bottom += 1;
        if (simpleStatus) {
            r.top = 2;
        } else {
            r.top = 1;
            r.left -= 1;
            r.right += 1;
        }
    } else if (simpleStatus) {
        r.left += 1;
        r.top += 1;
        r.right -= 1;
    }
    return r;
}

cl::TRect SizeGripHitRect(int width, int height) { return {width - 13, 0, width, height}; }

bool InSizeGripStrip(int x, int clientRight) { return x >= clientRight - 12 && x < clientRight; }

std::vector<TGripDot> SizeGripDots(const cl::TRect& r) {
    // Offsets of each dot's top-left corner from the corner point, for 2 x 2 dots.
    static const int kOffsets[6][2] = {{4, 12}, {4, 8}, {4, 4}, {8, 8}, {8, 4}, {12, 4}};
    std::vector<TGripDot> dots;
    dots.reserve(12);
    for (const bool highlight : {true, false}) {
        const int x = highlight ? r.right - 1 : r.right - 2;
        const int y = highlight ? r.bottom : r.bottom - 1;
        for (const auto& offset : kOffsets) {
            const int left = x - offset[0], top = y - offset[1];
            dots.push_back({{left, top, left + 2, top + 2}, highlight});
        }
    }
    return dots;
}

cl::TRect ThemedGripRect(const cl::TRect& r) { return {r.right - 20, r.top, r.right, r.bottom}; }

int ScaledPaneWidth(int paneWidth, int change, int previousBarWidth) {
    if (previousBarWidth == 0) return paneWidth;
    // The share is taken in single precision; nearbyint rounds halves to even.
    const float share = static_cast<float>(paneWidth) / static_cast<float>(previousBarWidth);
    return paneWidth + static_cast<int>(std::nearbyint(static_cast<double>(change) * static_cast<double>(share)));
}

}  // namespace mw
