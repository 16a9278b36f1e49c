// The platform-free layout rules of the toolbar, the splitter and the group bar.

#include <gtest/gtest.h>

#include <algorithm>

#include "controls/basic/ToolbarLayout.h"
#include "controls/navigation/GroupBarLayout.h"
#include "controls/navigation/SplitterGeometry.h"

using cl::TRect;

namespace {

std::vector<mw::TToolbarSlot> Slots(std::initializer_list<std::pair<int, int>> sizes) {
    std::vector<mw::TToolbarSlot> slots;
    for (const auto& s : sizes) slots.push_back({s.first, s.second, true, 0, 0});
    return slots;
}

TEST(ToolbarLayoutTest, PlacesControlsInARowCentredOnTheRowHeight) {
    // Spacer 8 x 25, three buttons 25 x 25, a combo box 145 x 22.
    auto slots = Slots({{8, 25}, {25, 25}, {25, 25}, {25, 25}, {145, 22}});
    const mw::TToolbarRows rows = mw::PositionToolbarSlots({600, 32}, slots);
    EXPECT_EQ(rows.rows, 1);
    EXPECT_EQ(slots[0].left, 4);
    EXPECT_EQ(slots[0].top, 2);
    EXPECT_EQ(slots[3].left, 62);
    EXPECT_EQ(slots[4].left, 87);
    EXPECT_EQ(slots[4].top, 3);
}

TEST(ToolbarLayoutTest, WrapsAtTheFarMarginButNeverTheFirstControl) {
    struct Case {
        const char* name;
        int toolbarWidth;
        std::vector<mw::TToolbarSlot> slots;
        int rows;
        std::vector<std::pair<int, int>> positions;  // left, top of each slot
    };
    const Case cases[] = {
        {"fourth of four 30-wide buttons wraps at 100", 100, Slots({{30, 30}, {30, 30}, {30, 30}, {30, 30}}), 2,
         {{4, -1}, {34, -1}, {64, -1}, {4, 24}}},
        {"a first control wider than the toolbar stays", 50, Slots({{80, 25}, {25, 25}}), 2, {{4, 2}, {4, 27}}},
        {"without wrapping everything stays in one row", 50, Slots({{30, 25}, {30, 25}}), 1, {{4, 2}, {34, 2}}},
    };
    for (const Case& c : cases) {
        auto slots = c.slots;
        mw::TToolbarGeometry geometry{c.toolbarWidth, 32};
        geometry.wrapControls = std::string(c.name).find("without") == std::string::npos;
        const mw::TToolbarRows rows = mw::PositionToolbarSlots(geometry, slots);
        EXPECT_EQ(rows.rows, c.rows) << c.name;
        for (size_t i = 0; i < slots.size(); ++i) {
            EXPECT_EQ(slots[i].left, c.positions[i].first) << c.name << " slot " << i;
            if (c.positions[i].second >= 0) {
                EXPECT_EQ(slots[i].top, c.positions[i].second) << c.name << " slot " << i;
            }
        }
    }
}

TEST(ToolbarLayoutTest, AHiddenControlTakesNoRoom) {
    auto slots = Slots({{25, 25}, {25, 25}, {25, 25}});
    slots[1].visible = false;
    mw::PositionToolbarSlots({600, 32}, slots);
    EXPECT_EQ(slots[2].left, 29);
}

TEST(SplitterGeometryTest, PercentAndPositionRoundHalvesToEven) {
    // A 517-wide splitter with a 7-pixel bar spans 514 pixels.
    EXPECT_EQ(mw::PercentOfPosition(257, 517, 7), 50);
    EXPECT_EQ(mw::PercentOfPosition(100, 517, 7), 19);  // 19.46
    EXPECT_EQ(mw::PositionOfPercent(64, 381, 7), 242);  // 241.92
    EXPECT_EQ(mw::PositionOfPercent(50, 6, 2), 2);      // 2.5 rounds to 2
    EXPECT_EQ(mw::PositionOfPercent(50, 8, 2), 4);      // 3.5 rounds to 4
    EXPECT_EQ(mw::PercentOfPosition(10, 2, 4), 0);      // no span at all
}

TEST(SplitterGeometryTest, ClampsToTheMarginsWithTheUpperLimitWinning) {
    struct Case {
        int position;
        mw::TSplitterLimits limits;
        int expected;
    };
    const Case cases[] = {
        {5, {200, 4, 0, 20, 0}, 20},     // below MarginMin
        {190, {200, 4, 0, 0, 30}, 166},  // above size - MarginMax - bar
        {195, {200, 4, 2, 0, 0}, 192},   // the border offset counts twice
        {50, {100, 4, 0, 80, 40}, 56},   // limits cross: the upper one wins
    };
    for (const Case& c : cases) EXPECT_EQ(mw::ClampSplitterPosition(c.position, c.limits), c.expected) << c.position;
}

TEST(SplitterGeometryTest, LaysOutPanesAndBarForEachVisibility) {
    const TRect client{0, 0, 200, 100};
    auto vertical = mw::LayoutSplitterPanes(client, TOrientation::Vertical, 30, 7, true, true);
    EXPECT_EQ(vertical.upperLeft, TRect::FromBounds(0, 0, 200, 30));
    EXPECT_EQ(vertical.bar, TRect::FromBounds(0, 30, 200, 7));
    EXPECT_EQ(vertical.lowerRight, TRect::FromBounds(0, 37, 200, 63));

    auto horizontal = mw::LayoutSplitterPanes(client, TOrientation::Horizontal, 60, 4, true, true);
    EXPECT_EQ(horizontal.upperLeft, TRect::FromBounds(0, 0, 60, 100));
    EXPECT_EQ(horizontal.lowerRight, TRect::FromBounds(64, 0, 136, 100));

    auto lone = mw::LayoutSplitterPanes(client, TOrientation::Vertical, 30, 7, false, true);
    EXPECT_EQ(lone.upperLeft.Height(), 0);
    EXPECT_EQ(lone.bar.Height(), 0);
    EXPECT_EQ(lone.lowerRight, client);
}

TEST(SplitterGeometryTest, HotSpotIsCentredOnTheBar) {
    EXPECT_EQ(mw::SplitterHotSpot(TRect::FromBounds(0, 50, 200, 7), TOrientation::Vertical, 40), (TRect{60, 50, 140, 57}));
    EXPECT_EQ(mw::SplitterHotSpot(TRect::FromBounds(50, 0, 4, 100), TOrientation::Horizontal, 40), (TRect{50, 30, 54, 70}));
}

TEST(GroupBarLayoutTest, StacksGroupsWithBorderGapsAndSkipsInvisibleOnes) {
    const auto placed = mw::StackGroups({{true, true, 50}, {true, true, 100}, {true, true, 200}}, 145, 8, 0);
    EXPECT_EQ(placed[0], TRect::FromBounds(8, 8, 129, 50));
    EXPECT_EQ(placed[1].top, 66);
    EXPECT_EQ(placed[2].top, 174);
    EXPECT_EQ(mw::StackedContentHeight(placed, 8), 382);
    EXPECT_EQ(mw::StackedContentHeight({}, 8), 16);

    const auto withHidden = mw::StackGroups({{true, true, 50}, {false, true, 100}, {true, true, 20}}, 145, 8, 0);
    EXPECT_EQ(withHidden[1], TRect::FromBounds(8, 58, 129, 0));
    EXPECT_EQ(withHidden[2].top, 66);

    const auto scrolled = mw::StackGroups({{true, true, 50}}, 145, 8, 30);
    EXPECT_EQ(scrolled[0].top, -22);
}

TEST(GroupBarLayoutTest, OutlookGivesTheOpenGroupWhatTheCaptionsLeave) {
    struct Case {
        const char* name;
        std::vector<mw::TGroupSlot> groups;
        std::vector<TRect> expected;
    };
    const Case cases[] = {
        {"middle open",
         {{true, false, 0, 20}, {true, true, 0, 20}, {true, false, 0, 20}},
         {TRect::FromBounds(0, 0, 145, 20), TRect::FromBounds(0, 20, 145, 260), TRect::FromBounds(0, 280, 145, 20)}},
        {"none open: the first",
         {{true, false, 0, 20}, {true, false, 0, 30}},
         {TRect::FromBounds(0, 0, 145, 270), TRect::FromBounds(0, 270, 145, 30)}},
        {"the last opened wins",
         {{true, true, 0, 20}, {true, true, 0, 20}},
         {TRect::FromBounds(0, 0, 145, 20), TRect::FromBounds(0, 20, 145, 280)}},
        {"invisible takes nothing",
         {{false, false, 0, 20}, {true, true, 0, 20}, {true, false, 0, 20}},
         {TRect::FromBounds(0, 0, 145, 0), TRect::FromBounds(0, 0, 145, 280), TRect::FromBounds(0, 280, 145, 20)}},
    };
    for (const Case& c : cases) EXPECT_EQ(mw::ShareGroups(c.groups, 145, 300, 0), c.expected) << c.name;
    // With a border: the gap above every group and below the open one.
    const auto bordered = mw::ShareGroups({{true, true, 0, 20}, {true, false, 0, 20}}, 145, 300, 4);
    EXPECT_EQ(bordered[0], TRect::FromBounds(4, 4, 137, 300 - 24 - 8));
    EXPECT_EQ(bordered[1].top, bordered[0].bottom + 4);
}

TEST(GroupBarLayoutTest, ScrollsThatCloseGapsAndBringGroupsIntoView) {
    // Closing the gap: scrolled down with room below the last group.
    EXPECT_EQ(mw::GapClosingScroll({8, -40, 100, 20}, {8, 30, 100, 150}, 200, 8, 250), 200 - 150 - 8);
    EXPECT_EQ(mw::GapClosingScroll({8, -40, 100, 20}, {8, 30, 100, 150}, 200, 8, 150), 8 + 40);  // all fits: back to the top
    EXPECT_EQ(mw::GapClosingScroll({8, 8, 100, 20}, {8, 30, 100, 150}, 200, 8, 250), 0);         // not scrolled
    EXPECT_EQ(mw::GapClosingScroll({8, -40, 100, 20}, {8, 30, 100, 195}, 200, 8, 250), 0);       // no gap

    struct Case {
        TRect group;
        int expected;
    };
    const Case cases[] = {
        {{8, 150, 100, 250}, 200 - 250 - 8},  // fits, hangs off the bottom: ends B above it
        {{8, -30, 100, 50}, 8 + 30},          // fits, off the top: starts B below it
        {{8, 20, 100, 120}, 0},               // in view
        {{8, 100, 100, 400}, 8 - 100},        // taller than the client area: top to B
        {{8, -100, 100, 400}, 8 + 100},
    };
    for (const Case& c : cases) EXPECT_EQ(mw::ScrollIntoView(c.group, 200, 8), c.expected) << c.group.top;
}

TEST(GroupBarLayoutTest, ScrollRequestsAndClamping) {
    const mw::TScrollRange range{0, 382, 200};
    EXPECT_EQ(mw::ClampScrollPosition(-10, range), 0);
    EXPECT_EQ(mw::ClampScrollPosition(500, range), 182);
    EXPECT_EQ(mw::ClampScrollPosition(100, range), 100);

    struct Case {
        mw::TScrollRequest request;
        int expected;
    };
    const Case cases[] = {
        {mw::TScrollRequest::LineUp, 40},   {mw::TScrollRequest::LineDown, 60},     {mw::TScrollRequest::PageUp, -150},
        {mw::TScrollRequest::PageDown, 250}, {mw::TScrollRequest::ThumbTrack, 382}, {mw::TScrollRequest::Top, 0},
        {mw::TScrollRequest::Bottom, 382},
    };
    for (const Case& c : cases) {
        int target = -1;
        EXPECT_TRUE(mw::ScrollRequestTarget(c.request, 50, 900, range, target));
        EXPECT_EQ(target, c.expected) << static_cast<int>(c.request);
    }
    int target = 7;
    EXPECT_FALSE(mw::ScrollRequestTarget(mw::TScrollRequest::EndScroll, 50, 0, range, target));
}

// Every caption one line of 14 pixels, except those longer than the width given, which wrap.
mw::TMeasureItemText LinesOf(std::vector<int> lineWidths) {
    return [lineWidths](int index, int maxWidth) {
        const int w = lineWidths[static_cast<size_t>(index)];
        return mw::TItemTextExtent{w, w > maxWidth ? 28 : 14};
    };
}

TEST(GroupBarLayoutTest, SmallItemsSetTheGroupHeightAndTheirHitAreas) {
    mw::TGroupItemMetrics m;
    m.width = 129;
    m.sampleTextHeight = 14;  // pad (20 - 14) / 2 = 3
    std::vector<mw::TGroupItemFacts> items(3);
    items[1].visible = false;
    const auto layout = mw::LayoutGroupItems(m, items, 0, LinesOf({40, 40, 500}));
    // y starts at 24; the first row takes 20, the wrapped last ends at 44 + 6 + 28 + 4.
    EXPECT_EQ(layout.height, 82);
    EXPECT_EQ(layout.items[0].textRect, (TRect{8, 27, 48, 41}));    // as wide as the text
    EXPECT_EQ(layout.items[2].textRect, (TRect{8, 47, 121, 75}));   // wrapped: to width - 8
    EXPECT_FALSE(layout.items[1].shown);
    EXPECT_EQ(layout.items[1].textRect, mw::kNoHitRect);
    EXPECT_EQ(layout.items[0].imageRect, mw::kNoHitRect);

    // Images move every text right when any item has one; the indent adds per level.
    m.hasImages = true;
    m.imageWidth = m.imageHeight = 16;
    std::vector<mw::TGroupItemFacts> withImage(2);
    withImage[0].hasImage = true;
    withImage[1].indentLevel = 2;
    const auto imaged = mw::LayoutGroupItems(m, withImage, 0, LinesOf({40, 40}));
    EXPECT_EQ(imaged.items[0].textRect.left, 28);
    EXPECT_EQ(imaged.items[1].textRect.left, 68);
    EXPECT_EQ(imaged.items[0].imageAt, (cl::TPoint{8, 26}));
    EXPECT_EQ(imaged.items[0].imageRect, (TRect{8, 26, 28, 42}));
    EXPECT_FALSE(imaged.items[1].imageDrawn);

    // Right to left the text and the image are mirrored.
    m.rightToLeft = true;
    const auto mirrored = mw::LayoutGroupItems(m, withImage, 0, LinesOf({40, 40}));
    EXPECT_EQ(mirrored.items[0].textRect, (TRect{129 - 28 - 40, 27, 129 - 28, 41}));
    EXPECT_EQ(mirrored.items[0].imageAt.x, 129 - 8 - 16);

    // From the top item index on; without items only the caption.
    const auto scrolled = mw::LayoutGroupItems(m, withImage, 1, LinesOf({40, 40}));
    EXPECT_FALSE(scrolled.items[0].shown);
    EXPECT_EQ(scrolled.items[1].rowTop, 24);
    EXPECT_EQ(mw::LayoutGroupItems(m, {}, 0, LinesOf({})).height, 20);
}

// At the width given for unwrapped items no caption wraps, and one pixel less wraps one.
TEST(GroupBarLayoutTest, TheUnwrappedWidthIsTheLeastAtWhichNoCaptionWraps) {
    const auto wraps = [](const mw::TGroupItemMetrics& m, const std::vector<mw::TGroupItemFacts>& items,
                          const std::vector<int>& lineWidths) {
        const mw::TGroupItemsLayout layout = mw::LayoutGroupItems(m, items, 0, LinesOf(lineWidths));
        for (size_t i = 0; i < items.size(); ++i)
            if (!items[i].separator && layout.items[i].textBox.Height() > 14) return true;
        return false;
    };
    mw::TGroupItemFacts hidden, indented, imaged, separator;
    hidden.visible = false;
    indented.indentLevel = 2;
    imaged.hasImage = true;
    separator.separator = true;
    struct Case {
        const char* name;
        TMwItemStyle style;
        bool images;
        std::vector<mw::TGroupItemFacts> items;
        std::vector<int> lineWidths;
        int expected;
    };
    const Case cases[] = {
        {"small", TMwItemStyle::Small, false, {{}, {}}, {40, 90}, 8 + 90 + 8},
        {"a hidden item counts", TMwItemStyle::Small, false, {{}, hidden}, {40, 90}, 106},
        {"images and indent", TMwItemStyle::Small, true, {imaged, indented}, {60, 40}, 8 + 20 + 2 * 20 + 40 + 8},
        {"a separator needs none", TMwItemStyle::Small, false, {{}, separator}, {40, 500}, 56},
        {"large", TMwItemStyle::Large, true, {imaged, {}}, {70, 50}, 8 + 70 + 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        mw::TGroupItemMetrics m;
        m.style = c.style;
        m.sampleTextHeight = 14;
        m.hasImages = c.images;
        m.imageWidth = m.imageHeight = 16;
        const int width = mw::UnwrappedItemsWidth(m, c.items, c.lineWidths);
        EXPECT_EQ(width, c.expected);
        std::vector<mw::TGroupItemFacts> shown = c.items;
        for (mw::TGroupItemFacts& item : shown) item.visible = true;
        m.width = width;
        EXPECT_FALSE(wraps(m, shown, c.lineWidths));
        m.width = width - 1;
        EXPECT_TRUE(wraps(m, shown, c.lineWidths));
    }
}

TEST(GroupBarLayoutTest, LargeItemsStackImageCellsAboveTheirText) {
    mw::TGroupItemMetrics m;
    m.style = TMwItemStyle::Large;
    m.width = 129;
    m.sampleTextHeight = 14;
    m.hasImages = true;
    m.imageWidth = m.imageHeight = 32;
    std::vector<mw::TGroupItemFacts> items(2);
    items[0].hasImage = true;
    const auto layout = mw::LayoutGroupItems(m, items, 0, LinesOf({40, 40}));
    // Cell 34; row one: 24 + 34 + 20 + 8 = 86; the last ends at 86 + 6 + 14 + 34 + 4.
    EXPECT_EQ(layout.height, 144);
    EXPECT_EQ(layout.items[0].imageAt, (cl::TPoint{48, 26}));
    EXPECT_EQ(layout.items[0].imageRect, (TRect{48, 26, 80, 62}));
    EXPECT_EQ(layout.items[0].imageSelection, (TRect{46, 24, 82, 60}));
    EXPECT_EQ(layout.items[0].textRect, (TRect{8, 61, 121, 75}));
    EXPECT_EQ(layout.items[1].rowTop, 86);

    m.hasImages = false;  // a cell of 34 all the same
    EXPECT_EQ(mw::LayoutGroupItems(m, items, 0, LinesOf({40, 40})).height, 144);
}

TEST(GroupBarLayoutTest, CaptionsLoseTheirAcceleratorMarkers) {
    const std::pair<const char*, const char*> cases[] = {
        {"&Open", "Open"}, {"Save && Exit", "Save & Exit"}, {"End&", "End"}, {"&&&x", "&x"}, {"", ""}};
    for (const auto& c : cases) EXPECT_EQ(mw::WithoutAccelerators(c.first), c.second) << c.first;
}

TEST(GroupBarLayoutTest, OutlookScrollButtonsShowWhenThereIsMoreToSee) {
    const auto buttons = mw::PlaceOutlookButtons(true, true, 145, 200, 20, 0, 5, 300);
    EXPECT_EQ(buttons.up, TRect::FromBounds(124, 24, 17, 17));
    EXPECT_EQ(buttons.down, TRect::FromBounds(124, 179, 17, 17));
    EXPECT_FALSE(buttons.upVisible);
    EXPECT_TRUE(buttons.downVisible);

    EXPECT_TRUE(mw::PlaceOutlookButtons(true, true, 145, 200, 20, 2, 5, 100).upVisible);
    EXPECT_FALSE(mw::PlaceOutlookButtons(true, true, 145, 200, 20, 2, 5, 100).downVisible);
    const auto closed = mw::PlaceOutlookButtons(true, false, 145, 20, 20, 2, 5, 300);
    EXPECT_FALSE(closed.upVisible || closed.downVisible);
    EXPECT_EQ(closed.down.top, 24);
    EXPECT_FALSE(mw::PlaceOutlookButtons(false, true, 145, 200, 20, 2, 5, 300).upVisible);
}

TEST(GroupBarLayoutTest, OpenCloseButtonChevronsPointTheWayTheGroupWillGo) {
    auto kindAt = [](const std::vector<mw::TButtonPixel>& pixels, int x, int y) {
        mw::TButtonPixelKind kind{};
        bool found = false;
        for (const auto& p : pixels)  // later pixels paint over earlier ones
            if (p.x == x && p.y == y) kind = p.kind, found = true;
        return found ? static_cast<int>(kind) : -1;
    };
    using K = mw::TButtonPixelKind;
    const auto open = mw::OpenCloseButtonPixels(true), closed = mw::OpenCloseButtonPixels(false);
    EXPECT_EQ(kindAt(open, 7, 3), static_cast<int>(K::Chevron));  // tip of the upper chevron, pointing up
    EXPECT_EQ(kindAt(closed, 7, 3), static_cast<int>(K::Fill));
    EXPECT_EQ(kindAt(closed, 7, 11), static_cast<int>(K::Chevron));  // pointing down
    EXPECT_EQ(kindAt(open, 7, 0), static_cast<int>(K::Outline));
    EXPECT_EQ(kindAt(open, 4, 0), static_cast<int>(K::OutlineOnBackground));
    EXPECT_EQ(kindAt(open, 4, 1), static_cast<int>(K::OutlineOnFill));
    EXPECT_EQ(kindAt(open, 0, 0), -1);  // the corners stay as they are
    EXPECT_EQ(std::count_if(open.begin(), open.end(), [](const auto& p) { return p.kind == K::Chevron; }), 24);
}

}  // namespace
