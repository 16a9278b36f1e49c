#pragma once
// Points and rectangles in pixels; a rectangle's right and bottom edges are exclusive.

namespace cl {

struct TPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TPoint& o) const { return x == o.x && y == o.y; }
};

struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static TRect FromBounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(TPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool operator==(const TRect& o) const { return left == o.left && top == o.top && right == o.right && bottom == o.bottom; }
};

}  // namespace cl
