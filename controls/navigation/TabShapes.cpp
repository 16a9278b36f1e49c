#include "controls/navigation/TabShapes.h"

#include <algorithm>

namespace mw {

namespace {

void Shrink(cl::TRect& r, int dx, int dy) {
    r.left += dx;
    r.right -= dx;
    r.top += dy;
    r.bottom -= dy;
}

void Move(cl::TRect& r, int dx, int dy) {
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
}

// Centre takes half the spare room, rounded toward zero.
int Aligned(int start, int room, int size, int alignment) {
    switch (alignment) {
        case 0: return start;
        case 1: return start + (room - size) / 2;
        default: return start + room - size;
    }
}

}  // namespace

int TabOutlinePointCount(TMwTabStyle style) {
    switch (style) {
        case TMwTabStyle::DoubleSlant: return 4;
        case TMwTabStyle::RoundCorners: return 6;
        default: return 5;
    }
}

std::vector<cl::TPoint> TabOutline(TMwTabStyle style, const cl::TRect& w, int cc) {
    const int l = w.left, t = w.top, r = w.right, b = w.bottom, h = b - t;
    switch (style) {
        case TMwTabStyle::SingleSlant: return {{l, b}, {l, t + 2}, {l + 2, t}, {r - h, t}, {r, b}};
        case TMwTabStyle::DoubleSlant: return {{l, b}, {l + h, t}, {r - h, t}, {r, b}};
        case TMwTabStyle::CutCorner: return {{l, b}, {l, t}, {r - cc, t}, {r, t + cc}, {r, b}};
        case TMwTabStyle::RoundCorners: return {{l, b}, {l, t + 2}, {l + 2, t}, {r - 2, t}, {r, t + 2}, {r, b}};
    }
    return {};
}

cl::TRect TabContentRect(const TTabShapeSettings& shape, const cl::TRect& mapped) {
    cl::TRect r = mapped;
    const TMwTabOrientation side = shape.side;
    const bool sideTab = IsSideOrientation(side);
    const bool top = side == TMwTabOrientation::Top, bottom = side == TMwTabOrientation::Bottom;
    const bool left = side == TMwTabOrientation::Left, right = side == TMwTabOrientation::Right;
    const int s = TabSlant(shape.style, sideTab ? mapped.Width() : mapped.Height());
    const int cc = shape.cutCornerSize;
    switch (shape.style) {
        case TMwTabStyle::SingleSlant:
            Shrink(r, 1, 1);
            if (!sideTab) {
                r.right -= 2 * s + 2;
                Move(r, 3, 0);
                if (top) r.top += 2;
                else r.bottom -= 2;
                if (bottom) Move(r, 0, 1);
            } else {
                if (left) {
                    r.top += 2 * s + 2;
                    Move(r, 0, -2);
                } else {
                    r.bottom -= 2 * s + 2;
                    Move(r, 0, 2);
                }
                Move(r, 0, 1);
                if (left) r.left += 2;
                else r.right -= 2;
                if (right) Move(r, 1, 0);
            }
            break;
        case TMwTabStyle::DoubleSlant:
            if (!sideTab) {
                Shrink(r, -1, 1);
                Shrink(r, s, 0);
                Move(r, 1, 0);
                if (top) r.top += 2;
                else r.bottom -= 2;
                if (bottom) Move(r, 0, 1);
            } else {
                Shrink(r, 1, -1);
                Shrink(r, 0, s);
                r.bottom += 2;
                Move(r, 0, 1);
                if (left) r.left += 2;
                else r.right -= 2;
                if (right) Move(r, 1, 0);
            }
            break;
        case TMwTabStyle::CutCorner:
            if (!shape.verticalText) {
                if (!sideTab) {
                    Shrink(r, cc + 3, 1);
                    if (top) {
                        r.top += 3;
                    } else {
                        r.bottom -= 3;
                        Move(r, 0, 1);
                    }
                } else {
                    Shrink(r, 1, 4);
                    if (left) {
                        r.left += cc + 5;
                    } else {
                        r.right -= cc + 5;
                        Move(r, 1, 0);
                    }
                }
            } else if (!sideTab) {
                Shrink(r, 4, 1);
                if (top) {
                    r.top += cc + 3;
                } else {
                    r.bottom -= cc + 3;
                    Move(r, 0, 1);
                }
            } else {
                Shrink(r, 1, cc + 3);
                if (left) {
                    r.left += 5;
                } else {
                    r.right -= 5;
                    Move(r, 1, 0);
                }
            }
            break;
        case TMwTabStyle::RoundCorners:
            if (shape.verticalText) Shrink(r, 2, 4);
            else Shrink(r, 4, 2);
            break;
    }
    Shrink(r, 1, 1);
    return r;
}

TTabContentParts SplitTabContent(const cl::TRect& content, TTabExtent size, const TTabImageSettings& image) {
    TTabContentParts parts{{content.left, content.top, content.left, content.top}, content};
    if (size.width <= 0 || size.height <= 0) return parts;
    cl::TRect part = content;
    switch (image.position) {
        case TMwImagePosition::Left:
            part.right = content.left + size.width + image.margin;
            parts.text.left = part.right;
            break;
        case TMwImagePosition::Right:
            part.left = content.right - size.width - image.margin;
            parts.text.right = part.left;
            break;
        case TMwImagePosition::Top:
            part.bottom = content.top + size.height + image.margin;
            parts.text.top = part.bottom;
            break;
        case TMwImagePosition::Bottom:
            part.top = content.bottom - size.height - image.margin;
            parts.text.bottom = part.top;
            break;
        case TMwImagePosition::Back:
            break;
        case TMwImagePosition::Stretch:
            parts.image = content;
            return parts;
    }
    const int x = Aligned(part.left, part.Width(), size.width, static_cast<int>(image.alignment));
    const int y = Aligned(part.top, part.Height(), size.height, static_cast<int>(image.alignmentVertical));
    parts.image = cl::TRect::FromBounds(x, y, size.width, size.height);
    return parts;
}

std::vector<cl::TRect> CaptionLineBoxes(const cl::TRect& area, const std::vector<TTabExtent>& sizes, TTextDirection direction,
                                        TMwHorizontalAlignment alignment, TMwVerticalAlignment alignmentVertical) {
    const int hAlign = static_cast<int>(alignment), vAlign = static_cast<int>(alignmentVertical);
    std::vector<cl::TRect> boxes;
    if (direction == TTextDirection::Horizontal) {
        int total = 0;
        for (const TTabExtent& s : sizes) total += s.height;
        int y = Aligned(area.top, area.Height(), total, vAlign);
        for (const TTabExtent& s : sizes) {
            boxes.push_back(cl::TRect::FromBounds(Aligned(area.left, area.Width(), s.width, hAlign), y, s.width, s.height));
            y += s.height;
        }
        return boxes;
    }
    // A turned line is as wide as its text is high, and as tall as its text is long.
    int total = 0;
    for (const TTabExtent& s : sizes) total += s.height;
    const int blockLeft = Aligned(area.left, area.Width(), total, hAlign);
    int x = direction == TTextDirection::Up ? blockLeft : blockLeft + total;
    for (const TTabExtent& s : sizes) {
        if (direction == TTextDirection::Down) x -= s.height;
        boxes.push_back(cl::TRect::FromBounds(x, Aligned(area.top, area.Height(), s.width, vAlign), s.height, s.width));
        if (direction == TTextDirection::Up) x += s.height;
    }
    return boxes;
}

cl::TRect TabBarRect(const cl::TRect& mapped, TMwTabOrientation side) {
    const cl::TRect r{mapped.left - 1, mapped.top - 1, mapped.right + 1, mapped.bottom + 1};
    switch (side) {
        case TMwTabOrientation::Top: return {r.left, r.top, r.right, r.top + 6};
        case TMwTabOrientation::Left: return {r.left, r.top, r.left + 6, r.bottom};
        case TMwTabOrientation::Bottom: return {r.left, r.bottom - 4, r.right, r.bottom};
        case TMwTabOrientation::Right: return {r.right - 4, r.top, r.right, r.bottom};
    }
    return r;
}

cl::TRect TabFocusRect(const std::vector<cl::TRect>& boxes, TMwTabStyle style, TMwTabOrientation side) {
    if (boxes.empty()) return {};
    cl::TRect r = boxes.front();
    for (const cl::TRect& b : boxes) {
        r.left = std::min(r.left, b.left);
        r.top = std::min(r.top, b.top);
        r.right = std::max(r.right, b.right);
        r.bottom = std::max(r.bottom, b.bottom);
    }
    --r.left;
    ++r.right;
    if (style == TMwTabStyle::RoundCorners) {
        switch (side) {
            case TMwTabOrientation::Top: Move(r, 0, 1); break;
            case TMwTabOrientation::Left: Move(r, 2, 0); break;
            case TMwTabOrientation::Bottom: Move(r, 0, -1); break;
            case TMwTabOrientation::Right: Move(r, -2, 0); break;
        }
    }
    return r;
}

}  // namespace mw
