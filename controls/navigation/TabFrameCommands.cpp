#include "controls/navigation/TabFrameCommands.h"

#include <algorithm>
#include <cstdlib>

#include "classlib/core/Exception.h"
#include "controls/navigation/TabShapes.h"

namespace mw {

namespace {

struct TSegment {
    cl::TPoint from, to;
};

// One pixel further along a horizontal or vertical segment, so that LineTo draws its end too.
cl::TPoint OnePast(cl::TPoint from, cl::TPoint to) {
    const int dx = to.x > from.x ? 1 : to.x < from.x ? -1 : 0;
    const int dy = to.y > from.y ? 1 : to.y < from.y ? -1 : 0;
    return {to.x + dx, to.y + dy};
}

void AddStroke(TFrameCommandList& list, const TSegment& s) {
    list.Add(fcMoveTo, s.from.x, s.from.y);
    list.Add(fcLineTo, s.to.x, s.to.y);
}

// Draws the segment with the pixels strictly between the two opening points left out.
void AddOpenedStroke(TFrameCommandList& list, const TSegment& s, cl::TPoint a, cl::TPoint b) {
    const bool horizontal = s.from.y == s.to.y;
    auto along = [&](cl::TPoint p) { return horizontal ? p.x : p.y; };
    auto at = [&](int v) { return horizontal ? cl::TPoint{v, s.from.y} : cl::TPoint{s.from.x, v}; };
    const int start = along(s.from), end = along(s.to);
    const int direction = end >= start ? 1 : -1;
    // The opening in the segment's own direction, kept inside the segment.
    int nearEdge = along(a), farEdge = along(b);
    if ((farEdge - nearEdge) * direction < 0) std::swap(nearEdge, farEdge);
    const int lo = std::min(start, end), hi = std::max(start, end);
    nearEdge = std::clamp(nearEdge, lo, hi);
    farEdge = std::clamp(farEdge, lo, hi);
    if (std::abs(farEdge - nearEdge) <= 1) {
        AddStroke(list, s);
        return;
    }
    AddStroke(list, {s.from, OnePast(s.from, at(nearEdge))});
    AddStroke(list, {at(farEdge), s.to});
}

// The frame runs top, right, bottom, left.
std::vector<TSegment> CardFramePath(const TCardCorners& c, const TCardFrameOptions& options) {
    if (options.shadowFrame) {
        const cl::TPoint tr{c.topRight.x - 2, c.topRight.y}, br{c.bottomRight.x - 2, c.bottomRight.y - 2},
            bl{c.bottomLeft.x, c.bottomLeft.y - 2};
        return {{c.topLeft, tr}, {tr, br}, {br, bl}, {bl, c.topLeft}};
    }
    if (options.fullFrame)
        return {{c.topLeft, c.topRight}, {c.topRight, c.bottomRight}, {c.bottomRight, c.bottomLeft}, {c.bottomLeft, c.topLeft}};
    return {{c.topLeft, c.topRight}};
}

}  // namespace

void TFrameCommandList::Add(TFrameCommandCode code, int x, int y) {
    items_.push_back(code);
    items_.push_back(x);
    items_.push_back(y);
}

bool TFrameCommandList::HasShadow() const {
    bool shadow = false;
    ForEach([&](int code, int, int) { shadow = shadow || code == fcShadow30 || code == fcShadow15; });
    return shadow;
}

void BuildTabOutline(TFrameCommandList& list, TMwTabStyle style, const std::vector<cl::TPoint>& points, int tabIndex) {
    list.Clear();
    list.Add(fcResetFrameColor, fkTab, tabIndex);
    list.Add(fcPenToFrameColor);
    if (static_cast<int>(points.size()) != TabOutlinePointCount(style))
        throw cl::Exception("Incorrect number of points in tab shape");
    list.Add(fcMoveTo, points.front().x, points.front().y);
    for (size_t i = 1; i < points.size(); ++i) list.Add(fcLineTo, points[i].x, points[i].y);
}

void BuildCardFrame(TFrameCommandList& list, const TCardCorners& c, const TCardFrameOptions& options, int row) {
    list.Clear();
    list.Add(fcResetFrameColor, fkCard, row);
    list.Add(fcPenToFrameColor);
    // tabSide is the edge the tabs stand on.
    const std::vector<TSegment> path = CardFramePath(c, options);
    int tabSide = -1;
    switch (options.side) {
        case TMwTabOrientation::Top: tabSide = 0; break;
        case TMwTabOrientation::Right: tabSide = 1; break;
        case TMwTabOrientation::Bottom: tabSide = 2; break;
        case TMwTabOrientation::Left: tabSide = 3; break;
    }
    for (size_t i = 0; i < path.size(); ++i) {
        if (options.opened && static_cast<int>(i) == tabSide) AddOpenedStroke(list, path[i], options.openingFrom, options.openingTo);
        else AddStroke(list, path[i]);
    }
    if (options.shadowFrame && options.drawShadow) {
        const cl::TPoint tr = c.topRight, br = c.bottomRight, bl = c.bottomLeft;
        list.Add(fcMoveTo, tr.x - 1, tr.y + 1);
        list.Add(fcShadow30, br.x - 1, br.y - 1);
        list.Add(fcShadow30, bl.x, bl.y - 1);
        list.Add(fcMoveTo, tr.x - 1, tr.y);
        list.Add(fcShadow15, tr.x, tr.y);
        list.Add(fcShadow15, br.x, br.y);
        list.Add(fcShadow15, bl.x, bl.y);
        list.Add(fcShadow15, bl.x, bl.y - 1);
    }
}

}  // namespace mw
