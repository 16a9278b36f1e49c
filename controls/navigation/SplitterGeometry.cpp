#include "controls/navigation/SplitterGeometry.h"

#include <cmath>

namespace mw {

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

int PositionOfPercent(int percent, int size, int splitterWidth) {
    return RoundHalfEven(percent / 100.0 * (size - splitterWidth / 2));
}

int PercentOfPosition(int position, int size, int splitterWidth) {
    const int span = size - splitterWidth / 2;
    if (span == 0) return 0;
    return RoundHalfEven(static_cast<double>(position) / span * 100.0);
}

int ClampSplitterPosition(int position, const TSplitterLimits& limits) {
    if (position < limits.marginMin) position = limits.marginMin;
    const int limit = limits.size - limits.marginMax - limits.splitterWidth - 2 * limits.borderOffset;
    if (limit < position) position = limit;
    return position;
}

TSplitterRects LayoutSplitterPanes(const cl::TRect& client, TOrientation orientation, int position, int splitterWidth,
                                   bool upperLeftVisible, bool lowerRightVisible) {
    const int l = client.left, t = client.top, w = client.Width(), h = client.Height();
    const bool both = upperLeftVisible && lowerRightVisible;
    using cl::TRect;
    TSplitterRects r;
    if (orientation == TOrientation::Vertical) {
        r.upperLeft = !upperLeftVisible ? TRect::FromBounds(l, t, w, 0) : both ? TRect::FromBounds(l, t, w, position) : client;
        r.bar = both ? TRect::FromBounds(l, t + position, w, splitterWidth) : TRect::FromBounds(l, t, w, 0);
        r.lowerRight = !lowerRightVisible ? TRect::FromBounds(l, t, w, 0)
                       : both             ? TRect::FromBounds(l, t + position + splitterWidth, w, h - position - splitterWidth)
                                          : client;
    } else {
        r.upperLeft = !upperLeftVisible ? TRect::FromBounds(l, t, 0, h) : both ? TRect::FromBounds(l, t, position, h) : client;
        r.bar = both ? TRect::FromBounds(l + position, t, splitterWidth, h) : TRect::FromBounds(l, t, 0, h);
        r.lowerRight = !lowerRightVisible ? TRect::FromBounds(l, t, 0, h)
                       : both             ? TRect::FromBounds(l + position + splitterWidth, t, w - position - splitterWidth, h)
                                          : client;
    }
    return r;
}

cl::TRect SplitterHotSpot(const cl::TRect& bar, TOrientation orientation, int sizePercent) {
    if (orientation == TOrientation::Vertical) {
        const int c = bar.left + bar.Width() / 2;
        const int half = RoundHalfEven(sizePercent / 100.0 * bar.Width()) / 2;
        return {c - half, bar.top, c + half, bar.bottom};
    }
    const int c = bar.top + bar.Height() / 2;
    const int half = RoundHalfEven(sizePercent / 100.0 * bar.Height()) / 2;
    return {bar.left, c - half, bar.right, c + half};
}

THotSpotArrows HotSpotArrows(THotSpotDirection direction, bool closed, bool closedToMin, bool closedToMax) {
    switch (direction) {
        case THotSpotDirection::Min: return {!closed, !closed};
        case THotSpotDirection::Max: return {closed, closed};
        case THotSpotDirection::Both: break;
    }
    if (closed && closedToMin) return {false, false};
    if (closed && closedToMax) return {true, true};
    return {true, false};  // open: each arrow points toward its own end
}

int HotSpotGripDotCount(int length) {
    const int count = (length - 32) / 3 + 1;  // truncating toward zero, as the drawing loop does
    return count > 0 ? count : 0;
}

}  // namespace mw
