#include "controls/navigation/GroupBarLayout.h"

#include <algorithm>

namespace mw {

std::vector<cl::TRect> StackGroups(const std::vector<TGroupRequest>& groups, int clientWidth, int border, int scrollPosition) {
    std::vector<cl::TRect> placed;
    const int width = clientWidth - 2 * border;
    int base = -scrollPosition;
    for (const TGroupRequest& g : groups) {
        const cl::TRect r = g.visible ? cl::TRect::FromBounds(border, base + border, width, g.height)
                                      : cl::TRect::FromBounds(border, base, width, 0);
        placed.push_back(r);
        base = r.bottom;
    }
    return placed;
}

std::vector<cl::TRect> ShareGroups(const std::vector<TGroupRequest>& groups, int clientWidth, int clientHeight, int border) {
    std::vector<cl::TRect> placed;
    if (groups.empty()) return placed;
    size_t open = 0;
    for (size_t i = 0; i < groups.size(); ++i)
        if (groups[i].opened) open = i;
    int captions = 0;
    for (size_t i = 0; i < groups.size(); ++i)
        if (i != open && groups[i].visible) captions += groups[i].captionHeight + border;
    const int width = clientWidth - 2 * border;
    int bottom = 0;
    for (size_t i = 0; i < groups.size(); ++i) {
        const TGroupRequest& g = groups[i];
        cl::TRect r;
        if (!g.visible) r = cl::TRect::FromBounds(border, bottom, width, 0);
        else if (i == open) r = cl::TRect::FromBounds(border, bottom + border, width, clientHeight - captions - 2 * border);
        else r = cl::TRect::FromBounds(border, bottom + border, width, g.captionHeight);
        placed.push_back(r);
        bottom = r.bottom;
    }
    return placed;
}

int GroupsContentHeight(const std::vector<cl::TRect>& placed, int border) {
    if (placed.empty()) return 2 * border;
    return placed.back().bottom - placed.front().top + 2 * border;
}

int GroupItemTextLeft(const TGroupItemMetrics& m, int indentLevel) {
    int left = 8;
    if (m.imageWidth > 0 && m.anyItemImage) left += m.imageWidth + 4;
    return left + m.itemIndent * indentLevel;
}

int LayoutGroupItems(const TGroupItemMetrics& m, std::vector<TGroupItemBox>& items) {
    const bool any = std::any_of(items.begin(), items.end(), [](const TGroupItemBox& b) { return b.visible; });
    if (!any) return m.captionHeight;
    const int pad = (m.itemHeight - m.sampleTextHeight) / 2;
    int y = m.captionHeight + 4;
    int height = m.captionHeight + 4;
    for (TGroupItemBox& item : items) {
        if (!item.visible) continue;
        const int row = std::max(2 * pad + item.textHeight, m.itemHeight);
        if (m.largeItems) {
            const int cell = m.imageHeight > 0 ? m.imageHeight + 2 : 34;
            item.imageRect = cl::TRect::FromBounds((m.width - m.imageWidth) / 2, y, m.imageWidth, m.imageHeight);
            item.textRect = {8, y + cell + pad, m.width - 8, y + cell + pad + item.textHeight};
            height = y + 2 * pad + item.textHeight + cell + 4;
            y += row + cell + 8;
        } else {
            const int left = GroupItemTextLeft(m, item.indentLevel);
            item.textRect = {left, y + pad, std::max(m.width - 8, left + 1), y + pad + item.textHeight};
            item.imageRect = cl::TRect::FromBounds(left - m.imageWidth - 4, y + (row - m.imageHeight) / 2, m.imageWidth, m.imageHeight);
            height = y + 2 * pad + item.textHeight + 4;
            y += row;
        }
    }
    return height;
}

}  // namespace mw
