#include "controls/foundation/GradientBands.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "controls/foundation/ColorArithmetic.h"

namespace mw {

namespace {

// A colour that moves from one colour toward another in 16.16 fixed point, the same amount per
// step on each channel.
class TColorSteps {
public:
    TColorSteps(cl::TColor from, cl::TColor to, int stepCount) {
        const int fromChannels[3] = {RedOf(from), GreenOf(from), BlueOf(from)};
        const int toChannels[3] = {RedOf(to), GreenOf(to), BlueOf(to)};
        for (int i = 0; i < 3; ++i) {
            start_[i] = int64_t{fromChannels[i]} << 16;
            step_[i] = stepCount > 0 ? ((int64_t{toChannels[i]} << 16) - start_[i]) / stepCount : 0;
        }
    }
    cl::TColor At(int step) const {
        int channels[3];
        for (int i = 0; i < 3; ++i) channels[i] = static_cast<int>(std::clamp<int64_t>((start_[i] + step * step_[i]) >> 16, 0, 255));
        return RgbOf(channels[0], channels[1], channels[2]);
    }

private:
    int64_t start_[3];
    int64_t step_[3];
};

struct TStepBand {
    int first;  // the band covers steps [first, last)
    int last;
    cl::TColor color;
};

// Groups steps 0..count-1 into bands of at least minSteps steps that end where the colour
// changes; each band has the colour of its first step.
template <class ColorAt>
std::vector<TStepBand> MergeSteps(const ColorAt& colorAt, int count, int minSteps) {
    std::vector<TStepBand> bands;
    for (int first = 0; first < count;) {
        const cl::TColor color = colorAt(first);
        int last = first;
        int budget = minSteps - 1;
        do {
            ++last;
            --budget;
        } while (last < count && !(budget < 0 && colorAt(last) != color));
        bands.push_back({first, last, color});
        first = last;
    }
    return bands;
}

// One pass of a straight gradient over [low, high): the start colour at high - 1, stepping
// toward the end colour at low.
void AppendLinearPass(std::vector<TGradientSpan>& spans, int low, int high, cl::TColor start, cl::TColor end,
                      int minSteps) {
    const int count = high - low;
    const TColorSteps colors(start, end, count);
    for (const TStepBand& band : MergeSteps([&](int step) { return colors.At(step); }, count, minSteps))
        spans.push_back({high - band.last, high - band.first, band.color});
}

}  // namespace

int StraightGradientBandSteps(int reduction) { return reduction > 8 ? 255 / reduction + 1 : reduction; }
int BoxGradientBandSteps(int reduction) { return reduction > 8 ? 256 / reduction + 1 : reduction; }

std::vector<TGradientSpan> LinearGradientSpans(int split, int extent, cl::TColor first, cl::TColor second,
                                               int reduction) {
    std::vector<TGradientSpan> spans;
    if (extent <= 0) return spans;
    const int minSteps = StraightGradientBandSteps(reduction);
    const int end = split < 0 ? extent : std::min(split + 1, extent);
    AppendLinearPass(spans, 0, end, second, first, minSteps);
    // The far part runs from the first colour at the far edge back to the second at the split.
    if (end < extent) AppendLinearPass(spans, end, extent, first, second, minSteps);
    return spans;
}

std::vector<TGradientFill> BoxGradientQuadrant(int width, int height, int insetX, int insetY, cl::TColor first,
                                               cl::TColor second, int reduction) {
    std::vector<TGradientFill> fills;
    if (width <= 0 || height <= 0) return fills;
    const int hx = (width - 1) / 2, hy = (height - 1) / 2;
    const int64_t reachX = std::max(hx - insetX, 0), reachY = std::max(hy - insetY, 0);
    const int steps = static_cast<int>(std::max(reachX, reachY)) + 1;
    const int64_t dx = (reachX << 16) / steps, dy = (reachY << 16) / steps;
    const auto edgeX = [&](int step) { return (reachX << 16) - step * dx; };
    const auto edgeY = [&](int step) { return (reachY << 16) - step * dy; };

    // The edges reach below 0 about one step after the last colour; an edge that does not move
    // (nothing to cross on that axis) must not keep the loop going.
    int count = 1;
    while (count <= steps && !(edgeX(count) < 0 && edgeY(count) < 0)) ++count;

    const TColorSteps colors(second, first, steps);
    const auto colorAt = [&](int step) { return colors.At(step); };
    // Each band is the ring between the rectangle from its new edge to the centre and the one
    // from the previous edge: a strip along the left of it and a strip along its top.
    int previousLeft = hx + 1, previousTop = hy + 1;
    for (const TStepBand& band : MergeSteps(colorAt, count, BoxGradientBandSteps(reduction))) {
        const bool last = band.last == count;
        const int left = last ? 0 : std::min(static_cast<int>(edgeX(band.last) >> 16) + 1, previousLeft);
        const int top = last ? 0 : std::min(static_cast<int>(edgeY(band.last) >> 16) + 1, previousTop);
        if (left < previousLeft) fills.push_back({{left, top, previousLeft, hy + 1}, band.color});
        if (top < previousTop) fills.push_back({{previousLeft, top, hx + 1, previousTop}, band.color});
        previousLeft = left;
        previousTop = top;
    }
    return fills;
}

std::vector<TGradientPolygon> DiagonalGradientBands(int width, int height, cl::TColor first, cl::TColor second,
                                                    int reduction) {
    std::vector<TGradientPolygon> bands;
    const bool otherDiagonal = width < 0;
    const int w = std::abs(width);
    if (w == 0 || height <= 0) return bands;
    if (otherDiagonal) std::swap(first, second);
    const int length = static_cast<int>(std::sqrt(double(w) * w + double(height) * height)) + 1;
    const int half = std::max(length / 2, 1);
    const int64_t dx = (int64_t{w} << 16) / half, dy = (int64_t{height} << 16) / half;
    // Distance of the band edge from its starting corner after a number of steps of a half.
    const auto along = [&](int64_t delta, int step, int limit) {
        return step >= half ? limit : static_cast<int>(std::min<int64_t>(step * delta >> 16, limit));
    };
    const TColorSteps colors(first, second, length);
    const int minSteps = StraightGradientBandSteps(reduction);
    const auto mirror = [&](cl::TPoint p) { return otherDiagonal ? cl::TPoint{w - p.x, p.y} : p; };

    // First half: edges from the top-left corner along the top and the left side.
    for (const TStepBand& band : MergeSteps([&](int step) { return colors.At(step); }, half, minSteps)) {
        const int x0 = along(dx, band.first, w), x1 = along(dx, band.last, w);
        const int y0 = along(dy, band.first, height), y1 = along(dy, band.last, height);
        bands.push_back({{mirror({x0, 0}), mirror({x1, 0}), mirror({0, y1}), mirror({0, y0})}, band.color});
    }
    // Second half: edges from the top-right and bottom-left corners down the right side and
    // along the bottom, with the colour stepping on from where the first half ended.
    for (const TStepBand& band : MergeSteps([&](int step) { return colors.At(half + step); }, half, minSteps)) {
        const int s0 = band.first, s1 = band.last;
        const int y0 = along(dy, s0, height), y1 = along(dy, s1, height);
        const int x0 = along(dx, s0, w), x1 = along(dx, s1, w);
        bands.push_back({{mirror({w, y0}), mirror({w, y1}), mirror({x1, height}), mirror({x0, height})}, band.color});
    }
    return bands;
}

std::vector<TBlockCopy> TileCopies(int filledWidth, int filledHeight, int totalWidth, int totalHeight) {
    std::vector<TBlockCopy> copies;
    if (filledWidth <= 0 || filledHeight <= 0) return copies;
    if (filledHeight < totalHeight) {
        while (filledHeight < totalHeight) {
            const int height = std::min(filledHeight, totalHeight - filledHeight);
            copies.push_back({0, filledHeight, filledWidth, height});
            filledHeight += height;
        }
    } else {
        while (filledWidth < totalWidth) {
            const int width = std::min(filledWidth, totalWidth - filledWidth);
            copies.push_back({filledWidth, 0, width, filledHeight});
            filledWidth += width;
        }
    }
    return copies;
}

}  // namespace mw
