// The geometry of panels, group boxes and spacers, and the blink rhythm.

#include <gtest/gtest.h>

#include "controls/basic/GroupBoxLayout.h"
#include "controls/basic/PanelLayout.h"
#include "controls/basic/SpacerLayout.h"
#include "controls/foundation/BlinkSchedule.h"

namespace {

using cl::TPoint;
using cl::TRect;
using namespace mw;

TEST(PanelBordersTest, EachBorderTakesItsWidthOnTheChosenSides) {
    struct Case {
        const char* name;
        TPanelBorders borders;
        bool includeBand;
        TRect expected;
    };
    const TRect r{0, 0, 100, 50};
    const Case cases[] = {
        {"default raised", {}, true, {2, 2, 98, 48}},
        {"flat outer, lowered inner", {TFrameStyle::Flat, TFrameStyle::Lowered, sdAll, 0, 1}, true, {3, 3, 97, 47}},
        {"status as wide as the bevel", {TFrameStyle::Status, TFrameStyle::None, sdAll, 0, 3}, true, {3, 3, 97, 47}},
        {"popup inner with bevel 2", {TFrameStyle::None, TFrameStyle::Popup, sdLeft | sdBottom, 0, 2}, true, {2, 0, 100, 48}},
        {"no sides: only the band", {TFrameStyle::FlatBold, TFrameStyle::Raised, 0, 4, 1}, true, {4, 4, 96, 46}},
        {"band on all sides whatever the sides", {TFrameStyle::None, TFrameStyle::None, sdTop, 3, 1}, true, {3, 3, 97, 47}},
        {"without the band", {TFrameStyle::Groove, TFrameStyle::Flat, sdTop | sdRight, 5, 1}, false, {0, 3, 97, 50}},
    };
    for (const Case& c : cases) EXPECT_EQ(AdjustRectForBorders(r, c.borders, c.includeBand), c.expected) << c.name;
}

TEST(PanelBoundsTest, BottomAndRightAlignedPanelsKeepTheirFarEdge) {
    const TRect current = TRect::FromBounds(10, 100, 200, 40);
    EXPECT_EQ(AnchoredBounds(cl::TAlign::Bottom, current, TRect::FromBounds(10, 100, 200, 50)), TRect::FromBounds(10, 90, 200, 50));
    EXPECT_EQ(AnchoredBounds(cl::TAlign::Right, current, TRect::FromBounds(10, 100, 190, 40)), TRect::FromBounds(20, 100, 190, 40));
    // Only the size that changed moves its edge; other alignments take the bounds as given.
    EXPECT_EQ(AnchoredBounds(cl::TAlign::Bottom, current, TRect::FromBounds(0, 0, 300, 40)), TRect::FromBounds(0, 0, 300, 40));
    EXPECT_EQ(AnchoredBounds(cl::TAlign::Top, current, TRect::FromBounds(10, 100, 200, 50)), TRect::FromBounds(10, 100, 200, 50));
}

TEST(PanelResizeTest, WithoutFullRepaintOnlyTheBorderStripsAreRepainted) {
    const TPanelBorders raised{TFrameStyle::Raised, TFrameStyle::None, sdAll, 1, 1};
    EXPECT_TRUE(ResizeRepaintAreas(true, false, raised, 100, 50, 120, 50).whole);
    EXPECT_TRUE(ResizeRepaintAreas(false, true, raised, 100, 50, 120, 50).whole) << "a caption moves";

    // Growing: the old borders, inside (3, 3, 97, 47), become background.
    const TResizeRepaint grown = ResizeRepaintAreas(false, false, raised, 100, 50, 120, 60);
    EXPECT_FALSE(grown.whole);
    EXPECT_EQ(grown.strips, (std::vector<TRect>{{96, 0, 120, 60}, {0, 46, 120, 60}}));
    // Shrinking: the new bottom border, inside (3, 3, 97, 37), is drawn.
    EXPECT_EQ(ResizeRepaintAreas(false, false, raised, 100, 50, 100, 40).strips, (std::vector<TRect>{{0, 36, 100, 50}}));
}

TEST(PanelGridTest, GridMarksTheLastPixelOfEachCell) {
    const TRect r{2, 2, 20, 12};  // 18 x 10: two columns of 8, one row of 8
    const TStrokes dots = PlanGrid(r, TMwGridStyle::Dots, 8, 8);
    EXPECT_EQ(dots.pixels, (std::vector<TPoint>{{9, 9}, {17, 9}}));
    EXPECT_TRUE(dots.lines.empty());

    const TStrokes solid = PlanGrid(r, TMwGridStyle::SolidLines, 8, 8);
    EXPECT_EQ(solid.lines, (std::vector<TLine>{{{9, 2}, {9, 12}}, {{17, 2}, {17, 12}}, {{2, 9}, {20, 9}}}));

    // Dotted: every second pixel of the same lines, from one past the start to before the end.
    const TStrokes dotted = PlanGrid({0, 0, 8, 5}, TMwGridStyle::DottedLines, 4, 4);
    EXPECT_EQ(dotted.pixels, (std::vector<TPoint>{{3, 1}, {3, 3}, {7, 1}, {7, 3}, {1, 3}, {3, 3}, {5, 3}, {7, 3}}));

    // A pitch of 0 gives nothing in that direction, and no failure: only the row at y 9 is left.
    for (const TMwGridStyle style : {TMwGridStyle::Dots, TMwGridStyle::DottedLines, TMwGridStyle::SolidLines}) {
        const TStrokes rowsOnly = PlanGrid(r, style, 0, 8);
        for (const TPoint& p : rowsOnly.pixels) EXPECT_EQ(p.y, 9);
        for (const TLine& l : rowsOnly.lines) EXPECT_EQ(l.from.y, 9);
        const TStrokes nothing = PlanGrid(r, style, 0, 0);
        EXPECT_TRUE(nothing.pixels.empty() && nothing.lines.empty());
    }
}

TEST(PanelCaptionTest, CaptionIsPlacedAtTheTopCentreOrBottom) {
    const TRect r{0, 10, 100, 50};
    EXPECT_EQ(PlaceCaption(r, 13, TAlignmentVertical::Top), r);
    EXPECT_EQ(PlaceCaption(r, 13, TAlignmentVertical::Center), (TRect{0, 23, 100, 36}));  // (60 - 13) / 2
    EXPECT_EQ(PlaceCaption(r, 13, TAlignmentVertical::Bottom), (TRect{0, 36, 100, 50}));
    // A text taller than the panel is centred on it rather than sent off it.
    EXPECT_EQ(PlaceCaption({0, 0, 100, 10}, 31, TAlignmentVertical::Center), (TRect{0, -11, 100, 20}));
}

TEST(GroupBoxLayoutTest, ChildrenGoBelowTheTitle) {
    struct Case {
        TMwGroupBoxStyle style;
        int textHeight, borderWidth;
        TRect expected;
    };
    const TRect r{0, 0, 200, 100};
    const Case cases[] = {
        {TMwGroupBoxStyle::Standard, 13, 0, {2, 15, 198, 98}},  // 13 - 0 below the top, then 2 in
        {TMwGroupBoxStyle::Flat, 13, 0, {1, 14, 199, 99}},
        {TMwGroupBoxStyle::TopLine, 13, 6, {1, 6, 199, 99}},    // half a line (5) is less than the band
        {TMwGroupBoxStyle::Flat, 16, 3, {1, 14, 199, 99}},      // 16 - 3
        {TMwGroupBoxStyle::Custom, 13, 6, {2, 15, 198, 98}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GroupBoxClientRect(r, c.style, c.textHeight, c.borderWidth), c.expected) << static_cast<int>(c.style);

    // The title 40 x 13 in a box 200 wide; right to left it keeps the same distance from the
    // right edge.
    const struct {
        TMwGroupBoxStyle style;
        bool hasCaption, rightToLeft;
        TRect expected;
    } titles[] = {
        {TMwGroupBoxStyle::Standard, true, false, {8, 0, 48, 13}},
        {TMwGroupBoxStyle::Flat, true, false, {8, 0, 48, 13}},
        {TMwGroupBoxStyle::TopLine, true, false, {0, 0, 40, 13}},
        {TMwGroupBoxStyle::Standard, true, true, {152, 0, 192, 13}},
        {TMwGroupBoxStyle::TopLine, true, true, {160, 0, 200, 13}},
        {TMwGroupBoxStyle::Custom, true, false, {}},
        {TMwGroupBoxStyle::Custom, true, true, {}},
        {TMwGroupBoxStyle::Standard, false, true, {}},
    };
    for (const auto& t : titles)
        EXPECT_EQ(GroupBoxCaptionRect(t.style, t.hasCaption, 40, 13, t.rightToLeft, 200), t.expected)
            << static_cast<int>(t.style) << " " << t.rightToLeft;
}

TEST(GroupBoxLayoutTest, FlatOutlineCutsItsCorners) {
    const TStrokes outline = FlatGroupOutline({0, 5, 30, 20});
    EXPECT_EQ(outline.lines, (std::vector<TLine>{{{0, 7}, {0, 18}}, {{2, 5}, {28, 5}}, {{29, 7}, {29, 18}}, {{2, 19}, {28, 19}}}));
    EXPECT_EQ(outline.pixels, (std::vector<TPoint>{{1, 6}, {28, 6}, {28, 18}, {1, 18}}));
}

TEST(SpacerLayoutTest, GrooveRunsAlongTheLongerSide) {
    const TSpacerGroove across = SpacerGroove({0, 0, 25, 8});
    EXPECT_EQ(across.shadow, (TLine{{1, 3}, {25, 3}}));
    EXPECT_EQ(across.highlight, (TLine{{1, 4}, {25, 4}}));
    const TSpacerGroove down = SpacerGroove({0, 0, 8, 25});
    EXPECT_EQ(down.shadow, (TLine{{3, 1}, {3, 25}}));
    EXPECT_EQ(down.highlight, (TLine{{4, 1}, {4, 25}}));
}

TEST(BlinkScheduleTest, PhasesAlternateEachWithItsOwnInterval) {
    TBlinkSchedule schedule;
    EXPECT_EQ(schedule.Phase(), 1);
    schedule.SetIntervalOn(300);
    schedule.SetIntervalOff(700);
    EXPECT_EQ(schedule.Advance(), 700);
    EXPECT_EQ(schedule.Phase(), 0);
    EXPECT_EQ(schedule.Advance(), 300);
    EXPECT_EQ(schedule.Phase(), 1);
    EXPECT_EQ(schedule.Advance(), 700);
}

}  // namespace
