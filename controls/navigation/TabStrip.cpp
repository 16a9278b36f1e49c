#include "controls/navigation/TabStrip.h"

#include <algorithm>
#include <cstdlib>

#include "controls/navigation/TabCaption.h"

namespace mw {

namespace {

// How far the card is pushed past the control's edges when there is no card: beyond its frame
// and its two-pixel shadow.
constexpr int kHiddenCardOverhang = 3;

}  // namespace

TTabExtent CaptionExtent(const std::string& caption, bool verticalText, bool bold, const TLineMeasure& measure) {
    TTabExtent extent;
    for (const TCaptionLine& line : SplitCaption(caption)) {
        TTabExtent size = measure(line.text, bold);
        if (verticalText) std::swap(size.width, size.height);
        if (verticalText) {
            extent.width += size.width;
            extent.height = std::max(extent.height, size.height);
        } else {
            extent.width = std::max(extent.width, size.width);
            extent.height += size.height;
        }
    }
    return extent;
}

int TabSlant(TMwTabStyle style, int length) {
    switch (style) {
        case TMwTabStyle::SingleSlant: return length / 2;
        case TMwTabStyle::DoubleSlant: return length;
        default: return -1;
    }
}

cl::TRect NormalizedRect(const cl::TRect& r) {
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right), std::max(r.top, r.bottom)};
}

// ---- sizes ----

TTabExtent TTabStrip::SampleSize(const TTabMetrics& metrics) const {
    const char* sample = settings.style == TMwTabStyle::RoundCorners ? "AAA" : "A";
    const TTabExtent extent = CaptionExtent(sample, settings.verticalText, settings.boldCurrentTab, metrics.measure);
    const int h = std::abs(metrics.fontHeight);
    return settings.verticalText ? TTabExtent{h, extent.height} : TTabExtent{extent.width, h};
}

TTabExtent TTabStrip::ContentSize(const TMwTabData& tab, const TTabMetrics& metrics, TTabExtent sample) const {
    if (!tab.visible) return {};
    const TTabExtent image = metrics.hasImages && tab.imageIndex != -1 ? metrics.imageSize : TTabExtent{};
    const TTabExtent text = tab.caption.empty()
                                ? TTabExtent{}
                                : CaptionExtent(tab.caption, settings.verticalText, settings.boldCurrentTab, metrics.measure);
    TTabExtent size;
    switch (settings.imagePosition) {
        case TMwImagePosition::Left:
        case TMwImagePosition::Right:
            size = {settings.imageMargin + image.width + text.width, std::max(image.height, text.height)};
            break;
        case TMwImagePosition::Top:
        case TMwImagePosition::Bottom:
            size = {std::max(image.width, text.width), settings.imageMargin + image.height + text.height};
            break;
        case TMwImagePosition::Back:
            size = {std::max(image.width, text.width), std::max(image.height, text.height)};
            break;
        case TMwImagePosition::Stretch:
            size = text;
            break;
    }
    if (settings.tabWidth == 0) size.width = std::max(size.width, sample.width);
    if (settings.tabHeight == 0) size.height = std::max(size.height, sample.height);
    return size;
}

TTabExtent TTabStrip::TabSizeFor(TTabExtent content) const {
    const int w = content.width, h = content.height;
    const int th = settings.tabHeight, cc = settings.cutCornerSize;
    const TMwTabStyle style = settings.style;
    const bool side = SideTabs(), vertical = settings.verticalText;
    TTabExtent size;
    switch (style) {
        case TMwTabStyle::SingleSlant:
            size = side ? TTabExtent{w + 6, h + 6 + 2 * TabSlant(style, w + 6) + th / 2}
                        : TTabExtent{w + 6 + 2 * TabSlant(style, h + 6) + th / 2, h + 6};
            break;
        case TMwTabStyle::DoubleSlant:
            size = side ? TTabExtent{w + 6, h + 6 + 2 * TabSlant(style, w + 2) + th}
                        : TTabExtent{w + 6 + 2 * TabSlant(style, h + 2) + th, h + 6};
            break;
        case TMwTabStyle::CutCorner:
            if (vertical) size = side ? TTabExtent{w + 7, h + 8 + 2 * cc} : TTabExtent{w + 10, h + 7 + cc};
            else size = side ? TTabExtent{w + 7 + cc, h + 10} : TTabExtent{w + 8 + 2 * cc, h + 7};
            break;
        case TMwTabStyle::RoundCorners:
            size = vertical ? TTabExtent{w + 6, h + 16} : TTabExtent{w + 16, h + 6};
            break;
    }
    if (settings.tabWidth > 0) size.width = settings.tabWidth;
    if (settings.tabHeight > 0) size.height = settings.tabHeight;
    return size;
}

int TTabStrip::LengthAlong(TTabExtent size, int available) const {
    const int length = SideTabs() ? size.height : size.width;
    return std::min(length, available - (settings.style == TMwTabStyle::RoundCorners ? 4 : 0));
}

// ---- the layout run ----

void TTabStrip::Layout(const TTabMetrics& metrics) {
    const bool side = SideTabs();
    std::vector<int> visible;
    for (int i = 0; i < tabs_.Count(); ++i)
        if (tabs_[i].visible) visible.push_back(i);

    const TTabExtent sample = SampleSize(metrics);
    std::vector<TTabExtent> content(static_cast<size_t>(tabs_.Count()));
    TTabExtent largestContent;
    TTabExtent largestTab;
    for (int i : visible) {
        const TTabExtent c = ContentSize(tabs_[i], metrics, sample);
        content[static_cast<size_t>(i)] = c;
        largestContent = {std::max(largestContent.width, c.width), std::max(largestContent.height, c.height)};
        const TTabExtent t = TabSizeFor({std::max(c.width, sample.width), std::max(c.height, sample.height)});
        largestTab = {std::max(largestTab.width, t.width), std::max(largestTab.height, t.height)};
    }
    if (settings.tabWidth > 0) largestTab.width = settings.tabWidth;
    if (settings.tabHeight > 0) largestTab.height = settings.tabHeight;
    fixedDimension_ = side ? largestTab.width : largestTab.height;

    // The buttons are as high as a line of the tab font, whichever way the text runs.
    const int lineHeight = metrics.measure("A", settings.boldCurrentTab).height;
    buttonSize_ = std::max(lineHeight + 4 + (settings.verticalText ? 2 : 0), fixedDimension_ - 2);

    // Every tab as deep as the deepest content, so that a row's tabs line up.
    std::vector<TTabExtent> sizes(content.size());
    for (int i : visible) {
        TTabExtent c = content[static_cast<size_t>(i)];
        if (side) c.width = std::max(c.width, largestContent.width);
        else c.height = std::max(c.height, largestContent.height);
        sizes[static_cast<size_t>(i)] = TabSizeFor(c);
    }

    rows_ = settings.multiLine ? CountRows(visible, sizes) : 1;
    PlaceTabs(visible, sizes);
    if (settings.multiLine && settings.alignTabs && (side ? settings.tabHeight : settings.tabWidth) == 0) AlignRows(visible);

    scrolling_ = false;
    if (!settings.multiLine && !visible.empty()) {
        const int room = StripLength() - 2 * settings.margin - CloseButtonSize();
        const TMwTabData& end = tabs_[Standard() ? visible.back() : visible.front()];
        scrolling_ = end.rect.right > room;
    }
    ChooseFirstShown();
}

int TTabStrip::CountRows(const std::vector<int>& visible, const std::vector<TTabExtent>& sizes) const {
    const int slant = TabSlant(settings.style, fixedDimension_);
    int tryRows = 1;
    int available = StripLength() - 2 * settings.margin;
    // Each restart tries one row more; a walk can only use about two rows per tab, so the
    // restarts end.
    for (;;) {
        int used = 1;
        int pos = settings.margin;
        bool firstInRow = true;
        bool restart = false;
        for (size_t k = 0; k < visible.size();) {
            const int n = LengthAlong(sizes[static_cast<size_t>(visible[k])], available);
            if (pos + n < available) {
                pos += n - slant + 1;
                firstInRow = false;
                ++k;
                continue;
            }
            if (used < tryRows) {
                ++used;
                if (firstInRow) ++k;  // too long even alone: it keeps the row to itself
            } else if (!firstInRow || k + 1 < visible.size()) {
                restart = true;
                break;
            } else {
                ++k;
            }
            firstInRow = true;
            pos = settings.margin;
        }
        if (!restart) return used;
        ++tryRows;
        available -= settings.rowIndent;
    }
}

void TTabStrip::PlaceTabs(const std::vector<int>& visible, const std::vector<TTabExtent>& sizes) {
    const int fd = fixedDimension_;
    const int slant = TabSlant(settings.style, fd);
    const int rowStep = fd - settings.rowOverlap;
    int available = StripLength() - 2 * settings.margin;
    if (settings.multiLine) {
        available -= (rows_ - 1) * settings.rowIndent;
    } else {
        if (settings.showCloseButton && !visible.empty()) available -= CloseButtonSize() + 2;
        available -= 2 * buttonSize_ + 2;
    }
    for (int i = 0; i < tabs_.Count(); ++i)
        if (!tabs_[i].visible) {
            tabs_[i].rect = {};
            tabs_[i].row = 0;
        }

    const int start = Standard() ? settings.margin : -settings.margin;
    int row = 0;
    int y = Depth() - fd;
    int pos = start;
    bool firstInRow = true;
    for (int i : visible) {
        const int n = LengthAlong(sizes[static_cast<size_t>(i)], available);
        bool newRowAfter = false;
        if (settings.multiLine && (Standard() ? pos : -pos) + n >= available) {
            if (firstInRow) {
                newRowAfter = true;  // alone and still too long: it stays in its row
            } else {
                ++row;
                y -= rowStep;
                pos = start;
            }
        }
        TMwTabData& tab = tabs_[i];
        tab.row = row;
        if (Standard()) {
            tab.rect = {pos, y, pos + n, y + fd};
            pos += n - slant + 1;
        } else {
            tab.rect = {pos - n, y, pos, y + fd};
            pos -= n - slant + 1;
        }
        firstInRow = false;
        if (newRowAfter) {
            ++row;
            y -= rowStep;
            pos = start;
            firstInRow = true;
        }
    }
    if (!Standard()) {
        // The tabs ran leftwards from 0; move them into positive coordinates.
        const int shift = settings.multiLine ? width_ : std::abs(pos);
        for (int i : visible) {
            tabs_[i].rect.left += shift;
            tabs_[i].rect.right += shift;
        }
    }
}

void TTabStrip::AlignRows(const std::vector<int>& visible) {
    const int room = StripLength() - 2 * settings.margin - (rows_ - 1) * settings.rowIndent;
    int highestRow = 0;
    for (int i : visible) highestRow = std::max(highestRow, tabs_[i].row);
    for (int row = 0; row <= highestRow; ++row) {
        std::vector<int> inRow;
        int from = 0, to = 0;
        for (int i : visible) {
            if (tabs_[i].row != row) continue;
            const cl::TRect& r = tabs_[i].rect;
            from = inRow.empty() ? r.left : std::min(from, r.left);
            to = inRow.empty() ? r.right : std::max(to, r.right);
            inRow.push_back(i);
        }
        if (inRow.empty()) continue;
        const int used = to - from + (settings.style == TMwTabStyle::RoundCorners ? 4 : 0);
        const int spare = room - used;
        if (spare < 1) continue;
        const int count = static_cast<int>(inRow.size());
        int moved = 0;
        for (int k = 0; k < count; ++k) {
            const int growth = spare / count + (k < spare % count ? 1 : 0);
            cl::TRect& r = tabs_[inRow[static_cast<size_t>(k)]].rect;
            if (Standard()) {
                r.left += moved;
                r.right += moved + growth;
            } else {
                r.right -= moved;
                r.left -= moved + growth;
            }
            moved += growth;
        }
    }
}

void TTabStrip::ChooseFirstShown() {
    if (!scrolling_) {
        firstShown_ = FirstVisibleTab();
        return;
    }
    const int count = tabs_.Count();
    const int previous = std::clamp(firstShown_, 0, count - 1);
    int first = previous;
    while (first < count && !IsShownFrom(first, first)) ++first;
    if (first >= count) {
        first = previous - 1;
        while (first >= 0 && !IsShownFrom(first, first)) --first;
        if (first < 0) first = FirstVisibleTab();
    }
    firstShown_ = first;
}

// ---- queries ----

int TTabStrip::CloseButtonSize() const { return settings.showCloseButton && HasVisibleTabs() ? buttonSize_ : 0; }

int TTabStrip::FirstVisibleTab() const {
    for (int i = 0; i < tabs_.Count(); ++i)
        if (tabs_[i].visible) return i;
    return -1;
}

int TTabStrip::LastVisibleTab() const {
    for (int i = tabs_.Count() - 1; i >= 0; --i)
        if (tabs_[i].visible) return i;
    return -1;
}

int TTabStrip::Depth() const {
    int depth;
    if (settings.hasCard)
        depth = (settings.style == TMwTabStyle::RoundCorners ? 3 : 0) + fixedDimension_ +
                (fixedDimension_ - settings.rowOverlap) * (rows_ - 1);
    else
        depth = SideTabs() ? width_ - 1 : height_ - 1;
    if (settings.style == TMwTabStyle::RoundCorners &&
        (settings.side == TMwTabOrientation::Bottom || settings.side == TMwTabOrientation::Right))
        --depth;
    return depth;
}

cl::TRect TTabStrip::TabArea() const {
    const int right = width_ - 1, bottom = height_ - 1, depth = Depth();
    switch (settings.side) {
        case TMwTabOrientation::Top: return {0, 0, right - (settings.showShadow ? 2 : 0), depth};
        case TMwTabOrientation::Left: return {0, 0, depth, bottom};
        case TMwTabOrientation::Bottom: return {0, bottom - depth, right, bottom};
        case TMwTabOrientation::Right: return {right - depth, 0, right, bottom};
    }
    return {};
}

int TTabStrip::StripLength() const {
    const cl::TRect area = TabArea();
    return SideTabs() ? area.Height() : area.Width();
}

int TTabStrip::ScrollOriginFrom(int first) const {
    if (first < 0 || first >= tabs_.Count()) return 0;
    const cl::TRect& r = tabs_[first].rect;
    const int round = settings.style == TMwTabStyle::RoundCorners ? 2 : 0;
    return Standard() ? r.left - round - settings.margin : r.right + round + settings.margin;
}

cl::TPoint TTabStrip::MapPoint(cl::TPoint p) const {
    const cl::TRect area = TabArea();
    const int a = ScrollOrigin();
    const bool standard = Standard();
    switch (settings.side) {
        case TMwTabOrientation::Top: return {(standard ? area.left : area.right) + p.x - a, area.top + p.y};
        case TMwTabOrientation::Left: return {area.left + p.y, (standard ? area.bottom : area.top) + a - p.x};
        case TMwTabOrientation::Bottom: return {(standard ? area.left : area.right) + p.x - a, area.bottom - p.y};
        case TMwTabOrientation::Right: return {area.right - p.y, (standard ? area.top : area.bottom) + p.x - a};
    }
    return p;
}

cl::TRect TTabStrip::MapRect(const cl::TRect& r) const {
    const cl::TPoint a = MapPoint({r.left, r.top});
    const cl::TPoint b = MapPoint({r.right, r.bottom});
    return NormalizedRect({a.x, a.y, b.x, b.y});
}

cl::TRect TTabStrip::WorkingRect(int index, bool current) const {
    const TMwTabData& tab = tabs_[index];
    cl::TRect r = tab.rect;
    const int indent = settings.rowIndent * tab.row * (Standard() ? 1 : -1);
    r.left += indent;
    r.right += indent;
    if (current && settings.style == TMwTabStyle::RoundCorners) {
        r.left -= 2;
        r.right += 2;
        r.top -= 2;
    }
    return r;
}

int TTabStrip::ShownRoom() const {
    return StripLength() - 2 * buttonSize_ - 2 * settings.margin - CloseButtonSize();
}

bool TTabStrip::IsShownFrom(int index, int first) const {
    if (index < 0 || index >= tabs_.Count() || !tabs_[index].visible) return false;
    if (!scrolling_) return true;
    const int a = ScrollOriginFrom(first), room = ShownRoom();
    const cl::TRect& r = tabs_[index].rect;
    return Standard() ? r.left >= a && r.right - a <= room : r.right <= a && a - r.left <= room;
}

cl::TRect TTabStrip::CardRect(int row) const {
    const int right = width_ - 1, bottom = height_ - 1;
    if (settings.hasCard && !HasVisibleTabs()) return {0, 0, right, bottom};
    const int step = fixedDimension_ - settings.rowOverlap;
    const int b = Depth() - row * step, c = row * settings.rowIndent, d = row * step,
              e = (rows_ - row - 1) * settings.rowIndent;
    const bool standard = Standard();
    cl::TRect r;
    switch (settings.side) {
        case TMwTabOrientation::Top:
            r = standard ? cl::TRect{c, b, right - e, bottom - d} : cl::TRect{e, b, right - c, bottom - d};
            break;
        case TMwTabOrientation::Left:
            r = standard ? cl::TRect{b, e, right - d, bottom - c} : cl::TRect{b, c, right - d, bottom - e};
            break;
        case TMwTabOrientation::Bottom:
            r = standard ? cl::TRect{c, d, right - e, bottom - b} : cl::TRect{e, d, right - c, bottom - b};
            break;
        case TMwTabOrientation::Right:
            r = standard ? cl::TRect{d, c, right - b, bottom - e} : cl::TRect{d, e, right - b, bottom - c};
            break;
    }
    if (r.left > r.right || r.top > r.bottom) return {};
    if (!settings.hasCard) {
        const int k = kHiddenCardOverhang;
        switch (settings.side) {
            case TMwTabOrientation::Top: r = {-k, r.top, right + k, bottom + k}; break;
            case TMwTabOrientation::Left: r = {r.left, -k, right + k, bottom + k}; break;
            case TMwTabOrientation::Bottom: r = {-k, -k, right + k, r.bottom}; break;
            case TMwTabOrientation::Right: r = {-k, -k, r.right, bottom + k}; break;
        }
    }
    return r;
}

cl::TRect TTabStrip::DisplayRect() const {
    if (!settings.hasCard) return {-2, -2, -1, -1};
    cl::TRect r = CardRect(0);
    if (settings.showCardFrame && settings.showFullFrame) {
        ++r.left;
        ++r.top;
        if (settings.side == TMwTabOrientation::Top && Standard() && settings.showShadow) {
            r.right -= 2;
            r.bottom -= 2;
        }
    } else if (settings.showCardFrame) {
        ++r.top;
        ++r.right;
        ++r.bottom;
    } else {
        ++r.right;
        ++r.bottom;
    }
    return r;
}

cl::TRect TTabStrip::ScrollerBounds() const {
    const int s = buttonSize_;
    const bool side = SideTabs();
    const int w = side ? s : 2 * s - 1, h = side ? 2 * s - 1 : s;
    if (!ScrollerNeeded()) return cl::TRect::FromBounds(-w - 1, -h - 1, w, h);
    const cl::TRect area = TabArea();
    const int margin = settings.margin, close = CloseButtonSize();
    const bool withClose = settings.showCloseButton && close > 0;
    const int k = withClose ? close + margin + 2 : margin;
    const bool standard = Standard();
    int x = 0, y = 0;
    switch (settings.side) {
        case TMwTabOrientation::Top:
            x = standard ? area.right - w - (settings.showShadow ? 1 : -1) - k : area.left + k;
            y = area.bottom - h - 2;
            break;
        case TMwTabOrientation::Left:
            x = area.right - w - 2;
            y = standard ? area.top + k : area.bottom - h + 1 - k;
            break;
        case TMwTabOrientation::Bottom:
            x = standard ? (withClose ? area.right - w - close - margin - 1 : area.right - w - margin + 1) : area.left + k;
            y = area.top + 2;
            break;
        case TMwTabOrientation::Right:
            x = area.left + 2;
            y = standard ? area.bottom - h + 1 - k : area.top + k;
            break;
    }
    return cl::TRect::FromBounds(x, y, w, h);
}

cl::TRect TTabStrip::CloseButtonBounds() const {
    const int c = CloseButtonSize();
    const cl::TRect area = TabArea();
    const int margin = settings.margin;
    const bool standard = Standard();
    int x = 0, y = 0;
    switch (settings.side) {
        case TMwTabOrientation::Top:
            x = standard ? area.right - c - margin - 1 + (settings.showShadow ? 0 : 2) : area.left + margin;
            y = area.bottom - c - 2;
            break;
        case TMwTabOrientation::Left:
            x = area.right - c - 2;
            y = standard ? area.top + margin : area.bottom - c - margin + 1;
            break;
        case TMwTabOrientation::Bottom:
            x = standard ? area.right - c - margin + 1 : area.left + margin;
            y = area.top + 2;
            break;
        case TMwTabOrientation::Right:
            x = area.left + 2;
            y = standard ? area.bottom - c - margin + 1 : area.top + margin;
            break;
    }
    return cl::TRect::FromBounds(x, y, c, c);
}

// ---- moving ----

bool TTabStrip::UpRightScrollsTowardEnd() const { return (settings.side == TMwTabOrientation::Right) != Standard(); }

bool TTabStrip::ScrollTowardEnd() {
    const int last = LastVisibleTab();
    if (last < 0 || IsShown(last) || firstShown_ >= tabs_.Count() - 1) return false;
    for (int i = firstShown_ + 1; i < tabs_.Count(); ++i)
        if (IsShownFrom(i, i)) {
            firstShown_ = i;
            return true;
        }
    return false;
}

bool TTabStrip::ScrollTowardStart() {
    if (firstShown_ <= 0 || IsShown(FirstVisibleTab())) return false;
    for (int i = std::min(firstShown_, tabs_.Count()) - 1; i >= 0; --i)
        if (IsShownFrom(i, i)) {
            firstShown_ = i;
            return true;
        }
    return false;
}

bool TTabStrip::ScrollIntoView(int index) {
    const int old = firstShown_;
    if (index < firstShown_) {
        firstShown_ = index;
    } else {
        // Only visible tabs can lead the strip: the origin comes from the first shown tab.
        while (firstShown_ < index && !IsShown(index)) {
            int next = firstShown_ + 1;
            while (next < index && !tabs_[next].visible) ++next;
            firstShown_ = next;
        }
    }
    return firstShown_ != old;
}

void TTabStrip::RotateRows(int index) {
    if (index < 0 || index >= tabs_.Count() || !tabs_[index].visible) return;
    int highest = 0;
    for (int i = 0; i < tabs_.Count(); ++i)
        if (tabs_[i].visible) highest = std::max(highest, tabs_[i].row);
    const int selectedRow = tabs_[index].row;
    if (selectedRow == 0) return;
    // The across-strip position of each row, from the first tab in it.
    std::vector<std::pair<int, int>> rowTopBottom(static_cast<size_t>(highest + 1), {0, 0});
    std::vector<bool> known(static_cast<size_t>(highest + 1), false);
    for (int i = 0; i < tabs_.Count(); ++i) {
        const TMwTabData& tab = tabs_[i];
        if (!tab.visible || known[static_cast<size_t>(tab.row)]) continue;
        known[static_cast<size_t>(tab.row)] = true;
        rowTopBottom[static_cast<size_t>(tab.row)] = {tab.rect.top, tab.rect.bottom};
    }
    for (int i = 0; i < tabs_.Count(); ++i) {
        TMwTabData& tab = tabs_[i];
        if (!tab.visible) continue;
        const int row = (tab.row + highest - selectedRow + 1) % (highest + 1);
        tab.row = row;
        if (known[static_cast<size_t>(row)]) {
            tab.rect.top = rowTopBottom[static_cast<size_t>(row)].first;
            tab.rect.bottom = rowTopBottom[static_cast<size_t>(row)].second;
        }
    }
}

}  // namespace mw
