#include "controls/basic/PanelLayout.h"

#include <algorithm>

namespace mw {

cl::TRect AdjustRectForBorders(const cl::TRect& r, const TPanelBorders& borders, bool includeBand) {
    cl::TRect result = includeBand ? Inset(r, borders.borderWidth, borders.borderWidth) : r;
    result = InsetSides(result, FrameBorderWidth(borders.outer, borders.bevelWidth), borders.sides);
    return InsetSides(result, FrameBorderWidth(borders.inner, borders.bevelWidth), borders.sides);
}

cl::TRect AnchoredBounds(cl::TAlign align, const cl::TRect& current, const cl::TRect& wanted) {
    cl::TRect result = wanted;
    if (align == cl::TAlign::Bottom && wanted.Height() != current.Height()) {
        result.top = current.top + current.Height() - wanted.Height();
        result.bottom = result.top + wanted.Height();
    }
    if (align == cl::TAlign::Right && wanted.Width() != current.Width()) {
        result.left = current.left + current.Width() - wanted.Width();
        result.right = result.left + wanted.Width();
    }
    return result;
}

TResizeRepaint ResizeRepaintAreas(bool fullRepaint, bool hasCaption, const TPanelBorders& borders, int oldWidth,
                                  int oldHeight, int newWidth, int newHeight) {
    TResizeRepaint result;
    if (fullRepaint || hasCaption) {
        result.whole = true;
        return result;
    }
    // Measured on the smaller of the two sizes, so that a panel that grows repaints where its
    // old border was and one that shrinks draws its new border.
    const int width = std::max(oldWidth, newWidth), height = std::max(oldHeight, newHeight);
    const cl::TRect inside =
        AdjustRectForBorders({0, 0, std::min(oldWidth, newWidth), std::min(oldHeight, newHeight)}, borders, true);
    if (newWidth != oldWidth) result.strips.push_back({inside.right - 1, 0, width, height});
    if (newHeight != oldHeight) result.strips.push_back({0, inside.bottom - 1, width, height});
    return result;
}

namespace {

// Every second pixel of a line, from one pixel after its start to before its end.
void AddDottedLine(TStrokes& strokes, const TLine& line) {
    const int dx = line.to.x > line.from.x ? 1 : 0, dy = line.to.y > line.from.y ? 1 : 0;
    const int length = dx ? line.to.x - line.from.x : line.to.y - line.from.y;
    for (int step = 1; step < length; step += 2)
        strokes.pixels.push_back({line.from.x + step * dx, line.from.y + step * dy});
}

}  // namespace

TStrokes PlanGrid(const cl::TRect& r, TMwGridStyle style, int xSize, int ySize) {
    const int columns = xSize > 0 ? r.Width() / xSize : 0;
    const int rows = ySize > 0 ? r.Height() / ySize : 0;
    TStrokes strokes;
    if (style == TMwGridStyle::Dots) {
        for (int i = 1; i <= columns; ++i)
            for (int j = 1; j <= rows; ++j) strokes.pixels.push_back({r.left + i * xSize - 1, r.top + j * ySize - 1});
        return strokes;
    }
    std::vector<TLine> lines;
    for (int i = 1; i <= columns; ++i) {
        const int x = r.left + i * xSize - 1;
        lines.push_back({{x, r.top}, {x, r.bottom}});
    }
    for (int j = 1; j <= rows; ++j) {
        const int y = r.top + j * ySize - 1;
        lines.push_back({{r.left, y}, {r.right, y}});
    }
    if (style == TMwGridStyle::SolidLines) {
        strokes.lines = std::move(lines);
    } else {
        for (const TLine& line : lines) AddDottedLine(strokes, line);
    }
    return strokes;
}

cl::TRect PlaceCaption(const cl::TRect& r, int textHeight, TAlignmentVertical alignment) {
    cl::TRect result = r;
    switch (alignment) {
        case TAlignmentVertical::Top: break;
        case TAlignmentVertical::Center: {
            // Halved toward minus infinity, so that a text taller than the panel stays centred
            // on it (and is clipped) rather than leaving it.
            const int twiceTop = r.top + r.bottom - textHeight;
            result.top = twiceTop >= 0 ? twiceTop / 2 : -((1 - twiceTop) / 2);
            result.bottom = result.top + textHeight;
            break;
        }
        case TAlignmentVertical::Bottom: result.top = r.bottom - textHeight - 1; break;
    }
    return result;
}

}  // namespace mw
