// Placement of the drop-down and spin arrows round the centre of their button.

#include <gtest/gtest.h>

#include "controls/foundation/ArrowShapes.h"

namespace {

using cl::TPoint;
using mw::TArrowDirection;

TEST(ArrowShapesTest, ArrowsSitBelowTheCentreOfTheButton) {
    struct Case {
        const char* name;
        std::vector<TPoint> points;
        std::vector<TPoint> expected;
    };
    const cl::TRect even{0, 0, 16, 20}, odd{0, 0, 16, 21};
    const Case cases[] = {
        {"classic spin arrow, even height: the upper middle row", mw::SpinArrowPoints(even, false, false),
         {{8, 11}, {5, 7}, {12, 7}}},
        {"classic spin arrow, odd height", mw::SpinArrowPoints(odd, false, false), {{8, 12}, {5, 8}, {12, 8}}},
        {"themed chevron, pressed", mw::SpinArrowPoints(even, true, true),
         {{9, 14}, {5, 9}, {6, 7}, {9, 11}, {12, 7}, {14, 9}}},
        {"classic up arrow", mw::DropDownArrowPoints(even, false, false, TArrowDirection::Up), {{8, 8}, {12, 13}, {4, 13}}},
        {"classic right arrow, pressed", mw::DropDownArrowPoints(even, false, true, TArrowDirection::Right),
         {{11, 12}, {7, 16}, {7, 8}}},
        {"themed left chevron", mw::DropDownArrowPoints(even, true, false, TArrowDirection::Left),
         {{7, 13}, {11, 9}, {11, 12}, {10, 13}, {11, 14}, {11, 17}}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.points, c.expected) << c.name;
}

}  // namespace
