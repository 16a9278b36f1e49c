// The splitter's hot-spot rules that its painting follows: which way the arrows point in each
// state, and how many grip dots a hot spot of a given length holds.

#include <gtest/gtest.h>

#include "controls/navigation/SplitterGeometry.h"

namespace {

TEST(SplitterHotSpotTest, ArrowsPointWhereAClickMovesTheBar) {
    struct Case {
        const char* name;
        THotSpotDirection direction;
        bool closed, closedToMin, closedToMax;
        mw::THotSpotArrows expected;  // {first toward start, second toward start}
    };
    const Case cases[] = {
        {"min, open", THotSpotDirection::Min, false, false, false, {true, true}},
        {"min, closed", THotSpotDirection::Min, true, true, false, {false, false}},
        {"max, open", THotSpotDirection::Max, false, false, false, {false, false}},
        {"max, closed", THotSpotDirection::Max, true, false, true, {true, true}},
        {"both, open", THotSpotDirection::Both, false, false, false, {true, false}},
        {"both, closed to the start", THotSpotDirection::Both, true, true, false, {false, false}},
        {"both, closed to the end", THotSpotDirection::Both, true, false, true, {true, true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mw::HotSpotArrows(c.direction, c.closed, c.closedToMin, c.closedToMax), c.expected) << c.name;
}

TEST(SplitterHotSpotTest, GripDotsStartAtThirtyPixelsAndComeEveryThree) {
    const struct {
        int length, dots;
    } cases[] = {{0, 0}, {29, 0}, {30, 1}, {34, 1}, {35, 2}, {80, 17}};
    for (const auto& c : cases) EXPECT_EQ(mw::HotSpotGripDotCount(c.length), c.dots) << c.length;
}

}  // namespace
