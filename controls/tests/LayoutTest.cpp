// The platform-free layout rules of the toolbar, the splitter and the group bar.

#include <gtest/gtest.h>

#include "controls/basic/ToolbarLayout.h"
#include "controls/navigation/GroupBarLayout.h"
#include "controls/navigation/SplitterGeometry.h"

using cl::TRect;

namespace {

std::vector<mw::TToolbarSlot> Slots(std::initializer_list<std::pair<int, int>> sizes) {
    std::vector<mw::TToolbarSlot> slots;
    for (const auto& s : sizes) slots.push_back({s.first, s.second, true, false, 0, 0});
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
    EXPECT_EQ(placed[0].top, 8);
    EXPECT_EQ(placed[1].top, 66);
    EXPECT_EQ(placed[2].top, 174);
    EXPECT_EQ(placed[0].Width(), 129);
    EXPECT_EQ(mw::GroupsContentHeight(placed, 8), 382);

    const auto withHidden = mw::StackGroups({{true, true, 50}, {false, true, 100}, {true, true, 20}}, 145, 8, 0);
    EXPECT_EQ(withHidden[1].Height(), 0);
    EXPECT_EQ(withHidden[2].top, 66);

    const auto scrolled = mw::StackGroups({{true, true, 50}}, 145, 8, 30);
    EXPECT_EQ(scrolled[0].top, -22);
}

TEST(GroupBarLayoutTest, OutlookGivesTheOpenGroupWhatTheCaptionsLeave) {
    const auto placed = mw::ShareGroups({{true, false, 0, 20}, {true, true, 0, 20}, {true, false, 0, 20}}, 145, 300, 0);
    EXPECT_EQ(placed[0], TRect::FromBounds(0, 0, 145, 20));
    EXPECT_EQ(placed[1], TRect::FromBounds(0, 20, 145, 260));
    EXPECT_EQ(placed[2], TRect::FromBounds(0, 280, 145, 20));
}

TEST(GroupBarLayoutTest, ItemsSetTheGroupHeight) {
    mw::TGroupItemMetrics small;
    small.width = 129;
    small.sampleTextHeight = 14;  // pad (20 - 14) / 2 = 3
    std::vector<mw::TGroupItemBox> items(2);
    items[0].textHeight = 14;
    items[1].textHeight = 28;  // wrapped to two lines
    // y starts at 24; row 1 takes 20, the last ends at 44 + 6 + 28 + 4.
    EXPECT_EQ(mw::LayoutGroupItems(small, items), 82);
    EXPECT_EQ(items[1].textRect.top, 47);
    EXPECT_EQ(items[0].textRect.left, 8);

    mw::TGroupItemMetrics large = small;
    large.largeItems = true;
    large.imageWidth = large.imageHeight = 32;
    std::vector<mw::TGroupItemBox> one(1);
    one[0].textHeight = 14;
    EXPECT_EQ(mw::LayoutGroupItems(large, one), 24 + 6 + 14 + 34 + 4);
    EXPECT_EQ(one[0].imageRect, TRect::FromBounds(48, 24, 32, 32));

    std::vector<mw::TGroupItemBox> hidden(1);
    hidden[0].visible = false;
    EXPECT_EQ(mw::LayoutGroupItems(small, hidden), 20);
}

TEST(GroupBarLayoutTest, SmallItemTextMovesRightForImagesAndIndent) {
    mw::TGroupItemMetrics metrics;
    metrics.imageWidth = 16;
    metrics.anyItemImage = true;
    EXPECT_EQ(mw::GroupItemTextLeft(metrics, 0), 28);
    EXPECT_EQ(mw::GroupItemTextLeft(metrics, 2), 68);
    metrics.anyItemImage = false;
    EXPECT_EQ(mw::GroupItemTextLeft(metrics, 0), 8);
}

}  // namespace
