// Where the items of radio and check groups go: columns, rows, the first row below the title
// and borders, natural and even column widths.

#include <gtest/gtest.h>

#include "controls/basic/GroupItemsLayout.h"

namespace {

using cl::TRect;
using namespace mw;

TEST(GroupItemsLayout, ColumnsAndItemIndexStayInRange) {
    const struct {
        int given, columns;
    } columns[] = {{0, 1}, {-3, 1}, {1, 1}, {3, 3}, {16, 16}, {20, 16}};
    for (const auto& c : columns) EXPECT_EQ(ClampGroupColumns(c.given), c.columns) << c.given;
    const struct {
        int index, count, clamped;
    } indexes[] = {{5, 3, 2}, {-7, 3, -1}, {1, 3, 1}, {-1, 3, -1}, {0, 0, -1}};
    for (const auto& c : indexes) EXPECT_EQ(ClampItemIndex(c.index, c.count), c.clamped) << c.index << "/" << c.count;
}

TEST(GroupItemsLayout, TheFirstRowSitsBelowTheTitleAndBorders) {
    const struct {
        const char* name;
        TGroupTopInput in;
        int top;
    } cases[] = {
        {"standard with a title", {TMwGroupBoxStyle::Standard, true, 15, 2, 0, TFrameStyle::None, TFrameStyle::None}, 17},
        {"standard without", {TMwGroupBoxStyle::Standard, false, 15, 2, 0, TFrameStyle::None, TFrameStyle::None}, 11},
        {"flat with a title", {TMwGroupBoxStyle::Flat, true, 15, 2, 0, TFrameStyle::None, TFrameStyle::None}, 18},
        {"flat without", {TMwGroupBoxStyle::Flat, false, 15, 2, 3, TFrameStyle::None, TFrameStyle::None}, 6},
        {"bevelled borders", {TMwGroupBoxStyle::Custom, true, 15, 2, 0, TFrameStyle::Groove, TFrameStyle::Lowered}, 22},
        {"flat border is no bevel", {TMwGroupBoxStyle::TopLine, true, 15, 2, 0, TFrameStyle::Flat, TFrameStyle::None}, 18},
    };
    for (const auto& c : cases) EXPECT_EQ(GroupFirstRowTop(c.in), c.top) << c.name;
}

TEST(GroupItemsLayout, ItemsFillTheColumnsTopToBottom) {
    // Two items in two columns: one row, each column as wide as its caption and glyph.
    TGroupItemsInput two;
    two.captionWidths = {100, 80};
    two.columns = 2;
    two.startX = 30;
    two.firstRowTop = 18;
    EXPECT_EQ(ArrangeGroupItems(two),
              (std::vector<TRect>{TRect::FromBounds(30, 18, 121, 17), TRect::FromBounds(155, 18, 101, 17)}));

    // Seven items in three columns: three rows, the last column holds one item.
    TGroupItemsInput seven;
    seven.captionWidths = {10, 50, 20, 30, 30, 30, 5};
    seven.columns = 3;
    seven.firstRowTop = 10;
    const std::vector<TRect> items = ArrangeGroupItems(seven);
    ASSERT_EQ(items.size(), 7u);
    const int lefts[] = {8, 8, 8, 83, 83, 83, 138};
    const int tops[] = {10, 30, 50, 10, 30, 50, 10};
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].left, lefts[i]) << i;
        EXPECT_EQ(items[i].top, tops[i]) << i;
    }
    EXPECT_EQ(items[0].Width(), 71) << "the widest caption of the column counts";

    // Evenly spaced: the width less the start, the borders and 10, shared.
    TGroupItemsInput even = seven;
    even.spaceEvenly = true;
    even.width = 200;
    even.borderWidth = 1;
    const std::vector<TRect> evenItems = ArrangeGroupItems(even);
    EXPECT_EQ(evenItems[3], TRect::FromBounds(8 + 60, 10, 60, 17));
    EXPECT_EQ(evenItems[6].left, 8 + 120);

    EXPECT_TRUE(ArrangeGroupItems(TGroupItemsInput{}).empty());
}

TEST(GroupItemsLayout, RightToLeftReadingMirrorsTheColumnsFromTheRightEdge) {
    TGroupItemsInput in;
    in.captionWidths = {96, 76};  // columns 121 and 101 wide
    in.columns = 2;
    in.startX = 30;
    in.firstRowTop = 18;
    in.width = in.clientWidth = 300;
    in.rightToLeft = true;
    EXPECT_EQ(ArrangeGroupItems(in), (std::vector<TRect>{TRect::FromBounds(300 - 121 + 4 - 30, 18, 117, 17),
                                                        TRect::FromBounds(300 - 121 - 101 + 4 - 30, 18, 97, 17)}));
    in.spaceEvenly = true;  // columns (300 - 30 - 10) / 2 = 130 wide
    EXPECT_EQ(ArrangeGroupItems(in), (std::vector<TRect>{TRect::FromBounds(300 - 130 - 30, 18, 130, 17),
                                                        TRect::FromBounds(300 - 260 - 30, 18, 130, 17)}));
}

// The options dialog's long "Automatically open ..." row in its 321-pixel group.
TEST(GroupItemsLayout, NoItemReachesIntoTheGroupsRightFrame) {
    const struct {
        std::vector<int> captionWidths;
        int right;
    } cases[] = {
        {{170, 110}, 8 + 170 + 13 + 12 - 4},  // fits: the column's own width
        {{170, 320, 110}, 321 - 1 - kFrameAllowance},
    };
    for (const auto& c : cases) {
        TGroupItemsInput in;
        in.captionWidths = c.captionWidths;
        in.width = 321;
        in.borderWidth = 1;
        for (const TRect& item : ArrangeGroupItems(in)) EXPECT_EQ(item.right, c.right) << c.captionWidths.size() << " items";
    }
}

}  // namespace
