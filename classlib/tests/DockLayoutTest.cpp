#include <gtest/gtest.h>

#include "classlib/core/DockLayout.h"

namespace {

using cl::TPoint;
using cl::TRect;

TEST(DockLayout, SharesTheAreaEquallyAlongTheSitesAxis) {
    const TRect area{10, 20, 110, 120};  // 100 x 100
    struct Case {
        int count;
        bool sideBySide;
        std::vector<TRect> zones;
    };
    const Case cases[] = {
        {0, false, {}},
        {1, false, {area}},
        {3, false, {{10, 20, 110, 53}, {10, 53, 110, 86}, {10, 86, 110, 120}}},  // the last takes the rounding
        {2, true, {{10, 20, 60, 120}, {60, 20, 110, 120}}},
    };
    for (const Case& c : cases) EXPECT_EQ(cl::ShareDockArea(area, c.count, c.sideBySide), c.zones) << c.count << c.sideBySide;
    EXPECT_EQ(cl::ShareDockArea({0, 0, 0, 50}, 2, true), (std::vector<TRect>{{0, 0, 0, 50}, {0, 0, 0, 50}})) << "no width left";
}

TEST(DockLayout, ADropGoesBeforeTheFirstZoneWhoseMiddleLiesPastThePointer) {
    const std::vector<TRect> stacked{{0, 0, 100, 40}, {0, 40, 100, 80}};
    struct Case {
        TPoint point;
        int index;
    };
    for (const Case& c : {Case{{50, 5}, 0}, Case{{50, 19}, 0}, Case{{50, 20}, 1}, Case{{50, 59}, 1}, Case{{50, 60}, 2},
                          Case{{50, 500}, 2}, Case{{50, -5}, 0}})
        EXPECT_EQ(cl::DockInsertIndex(stacked, c.point, false), c.index) << c.point.y;
    EXPECT_EQ(cl::DockInsertIndex({{0, 0, 40, 100}, {40, 0, 80, 100}}, {30, 5}, true), 1) << "side by side goes by x";
    EXPECT_EQ(cl::DockInsertIndex({}, {30, 5}, true), 0) << "an empty site";
}

TEST(DockLayout, APressBecomesADragAtTheThresholdAlongEitherAxis) {
    EXPECT_FALSE(cl::BeyondDragThreshold({10, 10}, {13, 7}, 4));
    EXPECT_TRUE(cl::BeyondDragThreshold({10, 10}, {14, 10}, 4));
    EXPECT_TRUE(cl::BeyondDragThreshold({10, 10}, {10, 6}, 4));
    EXPECT_TRUE(cl::BeyondDragThreshold({10, 10}, {10, 10}, 0)) << "an immediate drag";
}

TEST(DockLayout, AFloatingRectangleKeepsThePointerWhereItHeldTheWindow) {
    EXPECT_EQ(cl::RectAtPointer({200, 100}, {30, 8}, 120, 80), TRect::FromBounds(170, 92, 120, 80));
    EXPECT_EQ(cl::RectAtPointer({200, 100}, {150, 90}, 120, 80), TRect::FromBounds(81, 21, 120, 80))
        << "held past the new size: the pointer stays inside it";
}

}  // namespace
