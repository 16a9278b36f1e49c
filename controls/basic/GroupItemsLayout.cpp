#include "controls/basic/GroupItemsLayout.h"

#include <algorithm>

namespace mw {

int ClampGroupColumns(int columns) { return std::clamp(columns, 1, kMaxGroupColumns); }

int ClampItemIndex(int index, int count) { return std::clamp(index, -1, std::max(-1, count - 1)); }

namespace {
bool IsBevelStyle(TFrameStyle style) { return style >= TFrameStyle::Groove && style <= TFrameStyle::ButtonUp; }
}  // namespace

int GroupFirstRowTop(const TGroupTopInput& in) {
    if (in.style == TMwGroupBoxStyle::Standard)
        return in.hasCaption ? in.minTextHeight + in.startY : in.minTextHeight / 2 + 2 + in.startY;
    int b = in.borderWidth + 1;
    if (IsBevelStyle(in.outer)) b += 2;
    if (IsBevelStyle(in.inner)) b += 2;
    return in.hasCaption ? b + in.minTextHeight + in.startY : b + in.startY;
}

std::vector<cl::TRect> ArrangeGroupItems(const TGroupItemsInput& in) {
    const int count = static_cast<int>(in.captionWidths.size());
    std::vector<cl::TRect> bounds;
    if (count == 0) return bounds;
    const int columns = ClampGroupColumns(in.columns);
    const int rows = (count + columns - 1) / columns;
    const int evenWidth = in.spaceEvenly ? (in.width - in.startX - 2 * in.borderWidth - 10) / columns : 0;
    std::vector<int> columnWidths(static_cast<size_t>(columns), 0);
    if (!in.spaceEvenly)
        for (int i = 0; i < count; ++i) {
            int& w = columnWidths[static_cast<size_t>(i / rows)];
            w = std::max(w, in.captionWidths[static_cast<size_t>(i)] + in.glyphWidth + 12);
        }
    for (int i = 0; i < count; ++i) {
        const int column = i / rows, row = i % rows;
        const int top = row * (in.itemHeight + in.verticalSpacing) + in.firstRowTop;
        if (in.spaceEvenly) {
            const int x = column * evenWidth;
            const int left = in.rightToLeft ? in.clientWidth - x - evenWidth - in.startX : x + in.startX;
            bounds.push_back(cl::TRect::FromBounds(left, top, evenWidth, in.itemHeight));
        } else {
            int x = 0;
            for (int c = 0; c < column; ++c) x += columnWidths[static_cast<size_t>(c)];
            const int width = columnWidths[static_cast<size_t>(column)];
            const int left = in.rightToLeft ? in.clientWidth - x - width + 4 - in.startX : x + in.startX;
            bounds.push_back(cl::TRect::FromBounds(left, top, width - 4, in.itemHeight));
        }
    }
    // A caption wider than the group would paint its item over the group's frame: the item
    // ends inside it and its caption is cut there.
    if (in.width > 0) {
        const int innerRight = in.width - in.borderWidth - kFrameAllowance;
        for (cl::TRect& item : bounds) item.right = std::max(item.left, std::min(item.right, innerRight));
    }
    return bounds;
}

}  // namespace mw
