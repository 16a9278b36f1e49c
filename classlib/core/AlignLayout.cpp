#include "classlib/core/AlignLayout.h"

#include <algorithm>
#include <numeric>

namespace cl {

namespace {

// The position on its own edge that orders controls of one alignment.
int EdgeKey(const TAlignItem& item) {
    switch (item.align) {
        case TAlign::Top: return item.bounds.top;
        case TAlign::Bottom: return -item.bounds.bottom;
        case TAlign::Left: return item.bounds.left;
        case TAlign::Right: return -item.bounds.right;
        default: return 0;
    }
}

}  // namespace

void ArrangeAligned(const TRect& client, std::vector<TAlignItem>& items) {
    TRect rest = client;
    for (TAlign align : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client}) {
        std::vector<size_t> order;
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i].align == align && items[i].visible) order.push_back(i);
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return EdgeKey(items[a]) < EdgeKey(items[b]); });
        for (size_t i : order) {
            TRect& r = items[i].bounds;
            const int w = r.Width(), h = r.Height();
            switch (align) {
                case TAlign::Top:
                    r = {rest.left, rest.top, rest.right, rest.top + h};
                    rest.top = std::min(rest.bottom, r.bottom);
                    break;
                case TAlign::Bottom:
                    r = {rest.left, rest.bottom - h, rest.right, rest.bottom};
                    rest.bottom = std::max(rest.top, r.top);
                    break;
                case TAlign::Left:
                    r = {rest.left, rest.top, rest.left + w, rest.bottom};
                    rest.left = std::min(rest.right, r.right);
                    break;
                case TAlign::Right:
                    r = {rest.right - w, rest.top, rest.right, rest.bottom};
                    rest.right = std::max(rest.left, r.left);
                    break;
                case TAlign::Client:
                    r = rest;
                    break;
                case TAlign::None:
                    break;
            }
        }
    }
}

}  // namespace cl
