#include "controls/foundation/ArrowShapes.h"

namespace mw {

namespace {

// The centre the arrows are placed from: the upper of two middle rows for an even height.
cl::TPoint ArrowCentre(const cl::TRect& r, bool themedLook) {
    int y = r.top + r.Height() / 2;
    if (r.Height() % 2 == 0) --y;
    return {r.left + r.Width() / 2, y + (themedLook ? 4 : 2)};
}

}  // namespace

std::vector<cl::TPoint> SpinArrowPoints(const cl::TRect& r, bool themedLook, bool shifted) {
    cl::TPoint c = ArrowCentre(r, themedLook);
    if (shifted) c = {c.x + 1, c.y + 1};
    const int x = c.x, y = c.y;
    if (themedLook) return {{x, y}, {x - 4, y - 5}, {x - 3, y - 7}, {x, y - 3}, {x + 3, y - 7}, {x + 5, y - 5}};
    return {{x, y}, {x - 3, y - 4}, {x + 4, y - 4}};
}

std::vector<cl::TPoint> DropDownArrowPoints(const cl::TRect& r, bool themedLook, bool pressed, TArrowDirection direction) {
    cl::TPoint c = ArrowCentre(r, themedLook);
    switch (direction) {
        case TArrowDirection::Up: c.y += themedLook ? 4 : 2; break;
        case TArrowDirection::Down: c.y += 2; break;
        case TArrowDirection::Left: c.x -= themedLook ? 1 : 2; break;
        case TArrowDirection::Right: c.x -= themedLook ? 3 : 2; break;
    }
    if (pressed) c = {c.x + 1, c.y + 1};
    const int x = c.x, y = c.y;
    if (themedLook) {
        switch (direction) {
            case TArrowDirection::Up: return {{x, y - 5}, {x + 4, y}, {x + 1, y}, {x, y - 2}, {x - 1, y}, {x - 4, y}};
            case TArrowDirection::Down: return {{x, y}, {x - 3, y - 4}, {x, y - 4}, {x, y - 3}, {x + 1, y - 4}, {x + 4, y - 4}};
            case TArrowDirection::Left: return {{x, y}, {x + 4, y - 4}, {x + 4, y - 1}, {x + 3, y}, {x + 4, y + 1}, {x + 4, y + 4}};
            case TArrowDirection::Right: return {{x + 4, y}, {x, y + 4}, {x, y + 1}, {x + 1, y}, {x, y - 1}, {x, y - 4}};
        }
    }
    switch (direction) {
        case TArrowDirection::Up: return {{x, y - 5}, {x + 4, y}, {x - 4, y}};
        case TArrowDirection::Down: return {{x, y + 1}, {x - 3, y - 3}, {x + 4, y - 3}};
        case TArrowDirection::Left: return {{x, y}, {x + 4, y - 4}, {x + 4, y + 4}};
        case TArrowDirection::Right: return {{x + 4, y}, {x, y + 4}, {x, y - 4}};
    }
    return {};
}

}  // namespace mw
