#include <gtest/gtest.h>

#include "classlib/core/AlignLayout.h"

namespace {

using cl::TAlign;
using cl::TRect;

TEST(AlignLayout, PlacesEdgesInOrderAndClientInTheRest) {
    // The main window's shape: status bar at the bottom, a bar on the left, the rest split.
    std::vector<cl::TAlignItem> items = {
        {TAlign::Client, TRect::FromBounds(0, 0, 10, 10)},
        {TAlign::Bottom, TRect::FromBounds(0, 0, 100, 19)},
        {TAlign::Left, TRect::FromBounds(0, 0, 145, 10)},
        {TAlign::Top, TRect::FromBounds(0, 50, 10, 20)},
        {TAlign::Top, TRect::FromBounds(0, 5, 10, 30)},  // nearer the top: placed first
        {TAlign::Right, TRect::FromBounds(0, 0, 40, 10), false},  // hidden: takes nothing
        {TAlign::None, TRect::FromBounds(3, 4, 5, 6)},
    };
    cl::ArrangeAligned(TRect::FromBounds(0, 0, 654, 485), items);
    EXPECT_EQ(items[4].bounds, TRect::FromBounds(0, 0, 654, 30));
    EXPECT_EQ(items[3].bounds, TRect::FromBounds(0, 30, 654, 20));
    EXPECT_EQ(items[1].bounds, TRect::FromBounds(0, 466, 654, 19));
    EXPECT_EQ(items[2].bounds, TRect::FromBounds(0, 50, 145, 416));
    EXPECT_EQ(items[0].bounds, TRect::FromBounds(145, 50, 509, 416));
    EXPECT_EQ(items[6].bounds, TRect::FromBounds(3, 4, 5, 6));
}

TEST(AlignLayout, NeverProducesNegativeSizesWhenSpaceRunsOut) {
    std::vector<cl::TAlignItem> items = {
        {TAlign::Top, TRect::FromBounds(0, 0, 10, 80)},
        {TAlign::Bottom, TRect::FromBounds(0, 0, 10, 80)},
        {TAlign::Client, TRect::FromBounds(0, 0, 10, 10)},
    };
    cl::ArrangeAligned(TRect::FromBounds(0, 0, 100, 100), items);
    EXPECT_EQ(items[2].bounds.Height(), 0);
    EXPECT_GE(items[1].bounds.Height(), 0);
}

}  // namespace
