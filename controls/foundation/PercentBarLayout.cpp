#include "controls/foundation/PercentBarLayout.h"

#include <algorithm>
#include <cmath>

namespace mw {

namespace {

// The part of length that percent covers, halves rounded to even.
int PercentOf(int length, int percent) { return static_cast<int>(std::nearbyint(length * percent / 100.0)); }

}  // namespace

TLedBarLayout LayoutLedBar(const cl::TRect& r, TOrientation orientation, int percent, int segmentCount) {
    const bool vertical = orientation == TOrientation::Vertical;
    const int length = vertical ? r.Height() : r.Width();
    TLedBarLayout bar;
    bar.count = std::max(segmentCount, 1);
    bar.segment = length / bar.count;
    if (length <= 80 && bar.count > 10) {
        bar.count = 10;
        bar.segment = length / 10;
    }
    const int extra = bar.segment > 0 ? (length - bar.segment * bar.count) / bar.segment : 0;
    if (extra > 0) bar.count += extra;
    bar.margin = (length - bar.count * bar.segment) / 2;
    bar.lit = std::clamp(percent * bar.count / 100, 0, bar.count);

    // The margin rectangles reach one pixel beyond the bar, as the segments' pen does.
    if (vertical) {
        bar.startMargin = {r.left, r.top, r.right + 1, r.top + bar.margin + 1};
        bar.endMargin = {r.left, r.bottom - bar.margin - 1, r.right + 1, r.bottom + 1};
    } else {
        bar.startMargin = {r.left - 1, r.top, r.left + bar.margin + 1, r.bottom + 1};
        bar.endMargin = {r.right - bar.margin - 1, r.top, r.right + 1, r.bottom + 1};
    }
    if (bar.segment <= 0) return bar;
    for (int i = 1; i <= bar.count; ++i) {
        if (vertical) {
            const int y = (bar.count - i) * bar.segment + bar.margin;
            bar.segments.push_back({r.left, r.top + y, r.right, r.top + y + bar.segment});
        } else {
            const int x = (i - 1) * bar.segment + bar.margin;
            bar.segments.push_back({r.left + x, r.top, r.left + x + bar.segment, r.bottom});
        }
    }
    return bar;
}

TPercentTextParts SplitPercentText(const cl::TRect& r, TOrientation orientation, int percent) {
    TPercentTextParts parts{r, r};
    percent = std::max(percent, 0);
    if (percent >= 100) {
        parts.remaining = {r.right, r.top, r.right, r.bottom};
        if (orientation == TOrientation::Vertical) parts.remaining = {r.left, r.top, r.right, r.top};
        return parts;
    }
    if (orientation == TOrientation::Vertical) {
        parts.filled.top = r.bottom - PercentOf(r.Height(), percent);
        parts.remaining.bottom = parts.filled.top;
    } else {
        parts.filled.right = r.left + PercentOf(r.Width(), percent);
        parts.remaining.left = parts.filled.right;
    }
    return parts;
}

cl::TRect ThemedBarChunk(const cl::TRect& r, TOrientation orientation, int percent) {
    cl::TRect inner = Inset(r, 1, 1);
    if (orientation == TOrientation::Vertical) inner.top = inner.bottom - PercentOf(inner.Height(), percent);
    else inner.right = inner.left + PercentOf(inner.Width(), percent);
    return inner;
}

}  // namespace mw
