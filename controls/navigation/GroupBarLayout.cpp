#include "controls/navigation/GroupBarLayout.h"

#include <algorithm>

namespace mw {

std::vector<cl::TRect> StackGroups(const std::vector<TGroupSlot>& groups, int clientWidth, int border, int scrollPosition) {
    std::vector<cl::TRect> placed;
    const int width = clientWidth - 2 * border;
    int base = -scrollPosition;
    for (const TGroupSlot& g : groups) {
        const cl::TRect r = g.visible ? cl::TRect::FromBounds(border, base + border, width, g.height)
                                      : cl::TRect::FromBounds(border, base, width, 0);
        placed.push_back(r);
        base = r.bottom;
    }
    return placed;
}

std::vector<cl::TRect> ShareGroups(const std::vector<TGroupSlot>& groups, int clientWidth, int clientHeight, int border) {
    std::vector<cl::TRect> placed;
    size_t open = 0;
    for (size_t i = 0; i < groups.size(); ++i)
        if (groups[i].opened) open = i;
    int captions = 0;
    for (size_t i = 0; i < groups.size(); ++i)
        if (i != open && groups[i].visible) captions += groups[i].captionHeight + border;
    const int width = clientWidth - 2 * border;
    int bottom = 0;
    for (size_t i = 0; i < groups.size(); ++i) {
        const TGroupSlot& g = groups[i];
        cl::TRect r;
        if (i == open) r = cl::TRect::FromBounds(border, bottom + border, width, clientHeight - captions - 2 * border);
        else if (g.visible) r = cl::TRect::FromBounds(border, bottom + border, width, g.captionHeight);
        else r = cl::TRect::FromBounds(border, bottom, width, 0);
        placed.push_back(r);
        bottom = r.bottom;
    }
    return placed;
}

int StackedContentHeight(const std::vector<cl::TRect>& placed, int border) {
    if (placed.empty()) return 2 * border;
    return placed.back().bottom - placed.front().top + 2 * border;
}

int GapClosingScroll(const cl::TRect& first, const cl::TRect& last, int clientHeight, int border, int contentHeight) {
    if (last.bottom + border >= clientHeight || first.top >= 0) return 0;
    if (contentHeight >= clientHeight) return clientHeight - last.bottom - border;
    return border - first.top;
}

int ScrollIntoView(const cl::TRect& group, int clientHeight, int border) {
    if (group.Height() > clientHeight) return border - group.top;
    if (group.bottom + border > clientHeight && group.top > 0) return clientHeight - group.bottom - border;
    if (group.top < 0) return border - group.top;
    return 0;
}

int ClampScrollPosition(int value, const TScrollRange& range) {
    return std::max(std::min(value, range.max + range.min - range.page), range.min);
}

bool ScrollRequestTarget(TScrollRequest request, int position, int trackPosition, const TScrollRange& range, int& target) {
    switch (request) {
        case TScrollRequest::LineUp: target = position - kScrollLine; return true;
        case TScrollRequest::LineDown: target = position + kScrollLine; return true;
        case TScrollRequest::PageUp: target = position - range.page; return true;
        case TScrollRequest::PageDown: target = position + range.page; return true;
        case TScrollRequest::ThumbPosition:
        case TScrollRequest::ThumbTrack: target = std::clamp(trackPosition, range.min, std::max(range.min, range.max)); return true;
        case TScrollRequest::Top: target = range.min; return true;
        case TScrollRequest::Bottom: target = range.max; return true;
        case TScrollRequest::EndScroll: break;
    }
    return false;
}

namespace {

void PlaceLargeItem(const TGroupItemMetrics& m, const TGroupItemFacts& item, const TItemTextExtent& text, int y, int cell,
                    int pad, TGroupItemPlace& place) {
    // The text is centred in the whole row, which is also its hit area.
    place.textBox = {8, y + cell + pad, m.width - 8, y + cell + pad + text.height};
    place.textRect = place.textBox;
    if (!m.hasImages || !item.hasImage) return;
    const int x = (m.width - m.imageWidth) / 2;
    place.imageDrawn = true;
    place.imageAt = {x, y + 2};
    place.imageSelection = {x - 2, y, x + m.imageWidth + 2, y + m.imageHeight + 4};
    place.imageRect = {x, y + 2, x + m.imageWidth, y + m.imageHeight + 6};
}

void PlaceSmallItem(const TGroupItemMetrics& m, const TGroupItemFacts& item, const TItemTextExtent& text, int x, int y,
                    int pad, TGroupItemPlace& place) {
    const int right = m.width - 8;  // of the text; mirrored: its left
    const bool fits = text.lineWidth <= right - x;
    const int top = y + pad, bottom = y + pad + text.height;
    if (item.separator) {
        place.separatorY = y + m.itemHeight / 2;
    } else if (m.rightToLeft) {
        place.textBox = {8, top, m.width - x, bottom};
        place.textRect = {fits ? m.width - x - text.lineWidth : 8, top, m.width - x, bottom};
    } else {
        place.textBox = {x, top, right, bottom};
        place.textRect = {x, top, fits ? x + text.lineWidth : right, bottom};
    }
    if (!m.hasImages || !item.hasImage) return;
    const int indent = 8 + m.itemIndent * item.indentLevel;
    const int imageX = m.rightToLeft ? m.width - indent - m.imageWidth : indent;
    // Beside a wrapped text taller than a row, the image lines up with the text's first line.
    const int imageY = fits || text.height < m.itemHeight ? y + (m.itemHeight - m.imageHeight) / 2 : top + pad;
    place.imageDrawn = true;
    place.imageAt = {imageX, imageY};
    place.imageSelection = {imageX - 2, imageY - 2, imageX + m.imageWidth + 2, imageY + m.imageHeight + 2};
    place.imageRect = m.rightToLeft ? cl::TRect{imageX - 4, imageY, imageX + 16, imageY + 16}
                                    : cl::TRect{imageX, imageY, imageX + 20, imageY + 16};
}

// Where the small style's texts start, after the images when any item has one.
int SmallItemTextLeft(const TGroupItemMetrics& m, const std::vector<TGroupItemFacts>& items) {
    const bool anyImage = std::any_of(items.begin(), items.end(), [](const TGroupItemFacts& f) { return f.hasImage; });
    return 8 + (m.hasImages && anyImage ? m.imageWidth + 4 : 0);
}

}  // namespace

TGroupItemsLayout LayoutGroupItems(const TGroupItemMetrics& m, const std::vector<TGroupItemFacts>& items, int topIndex,
                                   const TMeasureItemText& measure) {
    TGroupItemsLayout layout;
    layout.items.resize(items.size());
    if (items.empty()) {
        layout.height = m.captionHeight;
        return layout;
    }
    const bool large = m.style == TMwItemStyle::Large;
    const int pad = (m.itemHeight - m.sampleTextHeight) / 2;
    const int cell = m.hasImages ? m.imageHeight + 2 : 34;  // large style: the image above the text
    const int textLeft = SmallItemTextLeft(m, items);
    int y = m.captionHeight + 4;
    layout.height = y;
    for (size_t i = static_cast<size_t>(std::max(topIndex, 0)); i < items.size(); ++i) {
        const TGroupItemFacts& item = items[i];
        if (!item.visible) continue;
        TGroupItemPlace& place = layout.items[i];
        place.shown = true;
        place.rowTop = y;
        if (large) {
            const TItemTextExtent text = measure(static_cast<int>(i), std::max(m.width - 16, 1));
            PlaceLargeItem(m, item, text, y, cell, pad, place);
            layout.height = y + 2 * pad + text.height + cell + 4;
            y += cell + std::max(2 * pad + text.height, m.itemHeight) + 8;
        } else {
            const int x = textLeft + m.itemIndent * item.indentLevel;
            const TItemTextExtent text = measure(static_cast<int>(i), std::max(m.width - 8 - x, 1));
            PlaceSmallItem(m, item, text, x, y, pad, place);
            layout.height = y + 2 * pad + text.height + 4;
            y += std::max(2 * pad + text.height, m.itemHeight);
        }
    }
    return layout;
}

int UnwrappedItemsWidth(const TGroupItemMetrics& m, const std::vector<TGroupItemFacts>& items,
                        const std::vector<int>& lineWidths) {
    const bool large = m.style == TMwItemStyle::Large;
    const int textLeft = SmallItemTextLeft(m, items);
    int width = 0;
    for (size_t i = 0; i < items.size() && i < lineWidths.size(); ++i) {
        if (items[i].separator) continue;
        const int left = large ? 8 : textLeft + m.itemIndent * items[i].indentLevel;
        width = std::max(width, left + lineWidths[i] + 8);
    }
    return width;
}

std::string WithoutAccelerators(const std::string& caption) {
    std::string text;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && ++i == caption.size()) break;
        text += caption[i];
    }
    return text;
}

TOutlookButtons PlaceOutlookButtons(bool outlook, bool opened, int clientWidth, int clientHeight, int captionHeight,
                                    int topIndex, int itemCount, int neededHeight) {
    TOutlookButtons buttons;
    const int left = clientWidth - kOutlookButtonSize - 4;
    buttons.up = cl::TRect::FromBounds(left, captionHeight + 4, kOutlookButtonSize, kOutlookButtonSize);
    buttons.down = cl::TRect::FromBounds(left, opened ? clientHeight - kOutlookButtonSize - 4 : captionHeight + 4,
                                         kOutlookButtonSize, kOutlookButtonSize);
    const bool showing = outlook && opened;
    buttons.upVisible = showing && topIndex > 0;
    buttons.downVisible = showing && itemCount > 0 && neededHeight > clientHeight;
    return buttons;
}

namespace {

void AddColumn(std::vector<TButtonPixel>& pixels, int x, int fromY, int toY, TButtonPixelKind kind) {
    for (int y = fromY; y <= toY; ++y) pixels.push_back({x, y, kind});
}

void AddPoints(std::vector<TButtonPixel>& pixels, std::initializer_list<cl::TPoint> points, TButtonPixelKind kind) {
    for (const cl::TPoint& p : points) pixels.push_back({p.x, p.y, kind});
}

}  // namespace

std::vector<TButtonPixel> OpenCloseButtonPixels(bool opened) {
    using K = TButtonPixelKind;
    std::vector<TButtonPixel> pixels;
    // The disc, column by column.
    for (int x : {1, 13}) AddColumn(pixels, x, 5, 9, K::Fill);
    for (int x : {2, 12}) AddColumn(pixels, x, 3, 11, K::Fill);
    for (int x : {3, 4, 10, 11}) AddColumn(pixels, x, 2, 12, K::Fill);
    for (int x = 5; x <= 9; ++x) AddColumn(pixels, x, 1, 13, K::Fill);
    // Its outline, with the corners of the circle softened.
    for (int i = 5; i <= 9; ++i) AddPoints(pixels, {{i, 0}, {i, 14}, {0, i}, {14, i}}, K::Outline);
    AddPoints(pixels, {{3, 1}, {11, 1}, {2, 2}, {12, 2}, {1, 3}, {13, 3}, {1, 11}, {13, 11}, {2, 12}, {12, 12}, {3, 13}, {11, 13}},
              K::Outline);
    AddPoints(pixels, {{4, 0}, {10, 0}, {0, 4}, {14, 4}, {0, 10}, {14, 10}, {4, 14}, {10, 14}}, K::OutlineOnBackground);
    AddPoints(pixels, {{4, 1}, {10, 1}, {1, 4}, {13, 4}, {1, 10}, {13, 10}, {4, 13}, {10, 13}}, K::OutlineOnFill);
    if (opened) {
        AddPoints(pixels,
                  {{7, 3}, {6, 4}, {7, 4}, {8, 4}, {5, 5}, {6, 5}, {8, 5}, {9, 5}, {4, 6}, {5, 6}, {9, 6}, {10, 6},
                   {7, 7}, {6, 8}, {7, 8}, {8, 8}, {5, 9}, {6, 9}, {8, 9}, {9, 9}, {4, 10}, {5, 10}, {9, 10}, {10, 10}},
                  K::Chevron);
    } else {
        AddPoints(pixels,
                  {{4, 4}, {5, 4}, {9, 4}, {10, 4}, {5, 5}, {6, 5}, {8, 5}, {9, 5}, {6, 6}, {7, 6}, {8, 6}, {7, 7},
                   {4, 8}, {5, 8}, {9, 8}, {10, 8}, {5, 9}, {6, 9}, {8, 9}, {9, 9}, {6, 10}, {7, 10}, {8, 10}, {7, 11}},
                  K::Chevron);
    }
    return pixels;
}

}  // namespace mw
