// LED segments of the percentage bar and the split of its text into filled and empty parts.

#include <gtest/gtest.h>

#include "controls/foundation/PercentBarLayout.h"

namespace {

using cl::TRect;
using mw::LayoutLedBar;

TEST(PercentBarLayoutTest, LedSegmentsAreWholePixelsCentredByTheirMargins) {
    struct Case {
        int length, segments, percent;
        int count, segment, margin, lit;
    };
    const Case cases[] = {
        {60, 20, 50, 10, 6, 0, 5},    // short bars get at most 10 segments
        {100, 10, 0, 10, 10, 0, 0},   // nothing lit at 0 %
        {100, 7, 100, 7, 14, 1, 7},   // 2 pixels left over: a margin of 1
        {95, 10, 99, 10, 9, 2, 9},
        {100, 30, 50, 33, 3, 0, 16},  // the room left over makes three more segments
        {5, 20, 50, 10, 0, 2, 5},     // too short for a pixel per segment: no segments
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.length << " px, " << c.segments << " segments");
        const auto bar = LayoutLedBar({0, 0, c.length, 12}, TOrientation::Horizontal, c.percent, c.segments);
        EXPECT_EQ(bar.count, c.count);
        EXPECT_EQ(bar.segment, c.segment);
        EXPECT_EQ(bar.margin, c.margin);
        EXPECT_EQ(bar.lit, c.lit);
        EXPECT_EQ(bar.segments.size(), c.segment > 0 ? static_cast<size_t>(c.count) : 0u);
    }
}

TEST(PercentBarLayoutTest, SegmentsRunFromTheStartOrFromTheBottom) {
    const auto across = LayoutLedBar({10, 5, 110, 17}, TOrientation::Horizontal, 30, 10);
    EXPECT_EQ(across.segments.front(), (TRect{10, 5, 20, 17}));
    EXPECT_EQ(across.segments.back(), (TRect{100, 5, 110, 17}));
    EXPECT_EQ(across.startMargin, (TRect{9, 5, 11, 18}));
    EXPECT_EQ(across.endMargin, (TRect{109, 5, 111, 18}));

    const auto up = LayoutLedBar({0, 0, 12, 95}, TOrientation::Vertical, 30, 10);  // 9-pixel segments, margin 2
    EXPECT_EQ(up.segments.front(), (TRect{0, 83, 12, 92}));  // the first lit segment is the lowest
    EXPECT_EQ(up.segments.back(), (TRect{0, 2, 12, 11}));
    EXPECT_EQ(up.lit, 3);
    // Out-of-range percentages light nothing or everything; a count below 1 is taken as 1.
    EXPECT_EQ(LayoutLedBar({0, 0, 100, 10}, TOrientation::Horizontal, 150, 10).lit, 10);
    EXPECT_EQ(LayoutLedBar({0, 0, 100, 10}, TOrientation::Horizontal, -5, 10).lit, 0);
    EXPECT_EQ(LayoutLedBar({0, 0, 100, 10}, TOrientation::Horizontal, 50, 0).count, 1);
}

TEST(PercentBarLayoutTest, TextPartsSplitWhereTheBarEnds) {
    const TRect r{0, 0, 101, 20};
    struct Case {
        TOrientation orientation;
        int percent;
        TRect filled, remaining;
    };
    const Case cases[] = {
        {TOrientation::Horizontal, 50, {0, 0, 50, 20}, {50, 0, 101, 20}},  // 50.5 rounds to even
        {TOrientation::Horizontal, 100, r, {101, 0, 101, 20}},
        {TOrientation::Horizontal, 0, {0, 0, 0, 20}, r},
        {TOrientation::Vertical, 25, {0, 15, 101, 20}, {0, 0, 101, 15}},
        {TOrientation::Vertical, 120, r, {0, 0, 101, 0}},
    };
    for (const Case& c : cases) {
        const auto parts = mw::SplitPercentText(r, c.orientation, c.percent);
        EXPECT_EQ(parts.filled, c.filled) << c.percent;
        EXPECT_EQ(parts.remaining, c.remaining) << c.percent;
    }
    EXPECT_EQ(mw::ThemedBarChunk(r, TOrientation::Horizontal, 50), (TRect{1, 1, 51, 19}));  // 49.5 to even
    EXPECT_EQ(mw::ThemedBarChunk(r, TOrientation::Vertical, 50), (TRect{1, 10, 100, 19}));
}

}  // namespace
