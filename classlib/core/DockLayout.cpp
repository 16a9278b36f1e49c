#include "classlib/core/DockLayout.h"

#include <algorithm>
#include <cstdlib>

namespace cl {

std::vector<TRect> ShareDockArea(const TRect& area, int count, bool sideBySide) {
    std::vector<TRect> zones;
    if (count <= 0) return zones;
    const int extent = std::max(0, sideBySide ? area.Width() : area.Height());
    zones.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int from = extent * i / count;
        const int to = extent * (i + 1) / count;
        TRect zone = area;
        if (sideBySide) {
            zone.left = area.left + from;
            zone.right = area.left + to;
        } else {
            zone.top = area.top + from;
            zone.bottom = area.top + to;
        }
        zones.push_back(zone);
    }
    return zones;
}

int DockInsertIndex(const std::vector<TRect>& zones, TPoint point, bool sideBySide) {
    for (size_t i = 0; i < zones.size(); ++i) {
        const TRect& z = zones[i];
        const int middle = sideBySide ? (z.left + z.right) / 2 : (z.top + z.bottom) / 2;
        if ((sideBySide ? point.x : point.y) < middle) return static_cast<int>(i);
    }
    return static_cast<int>(zones.size());
}

bool BeyondDragThreshold(TPoint start, TPoint now, int threshold) {
    return std::abs(now.x - start.x) >= threshold || std::abs(now.y - start.y) >= threshold;
}

TRect RectAtPointer(TPoint pointer, TPoint grabOffset, int width, int height) {
    const int dx = std::clamp(grabOffset.x, 0, std::max(0, width - 1));
    const int dy = std::clamp(grabOffset.y, 0, std::max(0, height - 1));
    return TRect::FromBounds(pointer.x - dx, pointer.y - dy, width, height);
}

}  // namespace cl
