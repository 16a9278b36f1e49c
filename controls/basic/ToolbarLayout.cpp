#include "controls/basic/ToolbarLayout.h"

#include <algorithm>

namespace mw {

TToolbarRows PositionToolbarSlots(const TToolbarGeometry& g, std::vector<TToolbarSlot>& slots) {
    const bool horizontal = g.orientation == TOrientation::Horizontal;
    TToolbarRows result;
    int pos = g.margin;
    for (size_t i = 0; i < slots.size(); ++i) {
        TToolbarSlot& slot = slots[i];
        if (!slot.visible) continue;
        const int extent = horizontal ? slot.width : slot.height;
        const int room = (horizontal ? g.width : g.height) - g.margin;
        // The first control is never wrapped, however wide.
        if (g.wrapControls && i > 0 && room < pos + extent) {
            result.widest = std::max(result.widest, pos);
            pos = g.margin;
            ++result.rows;
        }
        const int across = (result.rows - 1) * g.rowHeight;
        if (horizontal) {
            slot.top = across + g.topMargin + g.rowHeight / 2 - slot.height / 2;
            slot.left = g.rightToLeft ? g.width - slot.width - pos : pos;
        } else {
            slot.left = across + g.margin + g.rowHeight / 2 - slot.width / 2;
            slot.top = pos;
        }
        pos += extent;
    }
    return result;
}

std::vector<cl::TPoint> BackgroundTiles(int width, int height, int tileWidth, int tileHeight) {
    std::vector<cl::TPoint> tiles;
    if (tileWidth <= 0 || tileHeight <= 0) return tiles;
    const int across = width / tileWidth + (width % tileWidth ? 1 : 0);
    const int down = height / tileHeight + (height % tileHeight ? 1 : 0);
    for (int i = 0; i < across; ++i)
        for (int j = 0; j < down; ++j) tiles.push_back({i * tileWidth, j * tileHeight});
    return tiles;
}

}  // namespace mw
