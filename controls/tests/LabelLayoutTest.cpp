// The label's geometry: angles, border room, auto-size extents, where flat-rotated text and
// the characters of curved text go, and the vertical layout.

#include <gtest/gtest.h>

#include <cmath>

#include "controls/basic/LabelLayout.h"

namespace {

using cl::TPoint;
using cl::TRect;
using namespace mw;

TEST(LabelLayout, AnglesAreKeptBetween0And359) {
    const struct {
        int given, stored;
    } cases[] = {{0, 0}, {45, 45}, {359, 359}, {360, 0}, {450, 90}, {-90, 270}, {-1, 359}, {-450, 270}, {-720, 0}};
    for (const auto& c : cases) EXPECT_EQ(NormalizeAngle(c.given), c.stored) << c.given;
}

TEST(LabelLayout, BordersTakeTheirRoomOnTheirSidesOnly) {
    const TRect client{0, 0, 100, 40};
    const struct {
        const char* name;
        TLabelBorders borders;
        TRect inner;
    } cases[] = {
        {"none", {}, client},
        {"flat outer", {TFrameStyle::Flat, TFrameStyle::None, sdAll, 1, 0}, {1, 1, 99, 39}},
        {"flat bold draws no room", {TFrameStyle::FlatBold, TFrameStyle::None, sdAll, 1, 0}, client},
        {"popup is the bevel wide", {TFrameStyle::Popup, TFrameStyle::None, sdAll, 3, 0}, {3, 3, 97, 37}},
        {"groove and lowered inside", {TFrameStyle::Groove, TFrameStyle::Lowered, sdAll, 1, 0}, {4, 4, 96, 36}},
        {"left and top only", {TFrameStyle::Raised, TFrameStyle::None, sdLeft | sdTop, 1, 0}, {2, 2, 100, 40}},
        {"border width all round", {TFrameStyle::Flat, TFrameStyle::None, sdBottom, 1, 5}, {5, 5, 95, 34}},
    };
    for (const auto& c : cases) EXPECT_EQ(AdjustRectForBorders(client, c.borders), c.inner) << c.name;
}

TEST(LabelLayout, AutoSizeGrowsByBordersAndShadowAndTurnsWithTheText) {
    const TLabelBorders flat{TFrameStyle::Flat, TFrameStyle::None, sdAll, 1, 2};  // 3 a side
    const struct {
        const char* name;
        TAutoSizeInput in;
        TSize size;
    } cases[] = {
        {"plain", {{40, 13}, {}, TTextStyle::Normal, 2, TRotation::None, 0}, {40, 13}},
        {"borders", {{40, 13}, flat, TTextStyle::Normal, 2, TRotation::None, 0}, {46, 19}},
        {"shadow", {{40, 13}, {}, TTextStyle::Shadow, 3, TRotation::None, 0}, {43, 16}},
        {"flat at 0 stays", {{40, 13}, {}, TTextStyle::Normal, 2, TRotation::Flat, 0}, {40, 13}},
        {"flat at 180 stays", {{40, 13}, {}, TTextStyle::Normal, 2, TRotation::Flat, 180}, {40, 13}},
        {"flat at 90 swaps", {{40, 13}, {}, TTextStyle::Normal, 2, TRotation::Flat, 90}, {13, 40}},
        {"flat at 270 swaps, borders upright", {{40, 13}, flat, TTextStyle::Normal, 2, TRotation::Flat, 270}, {19, 46}},
        {"flat at 45", {{40, 10}, {}, TTextStyle::Normal, 2, TRotation::Flat, 45}, {35, 35}},
        {"flat at 30 with half the shadow", {{40, 10}, {}, TTextStyle::Shadow, 4, TRotation::Flat, 30}, {42, 31}},
    };
    for (const auto& c : cases) EXPECT_EQ(AutoSizeExtent(c.in), c.size) << c.name;
}

TEST(LabelLayout, FlatTextStartsWhereTheAngleAndAlignmentPutIt) {
    // A 100 x 60 label without borders, text 40 wide and 12 high ("Pp").
    auto input = [](int angle, TLabelAlign align, int shadow = 0) {
        TFlatTextInput in;
        in.angle = angle;
        in.align = align;
        in.r = {0, 0, 100, 60};
        in.centre = {50, 30};
        in.textHeight = 12;
        in.textWidth = 40;
        in.shadowOffset = shadow;
        return in;
    };
    const struct {
        const char* name;
        TFlatTextInput in;
        TTextAnchor anchor;
    } cases[] = {
        {"0 centred", input(0, TLabelAlign::Center), {50, 24, false, true}},
        {"0 left", input(0, TLabelAlign::Left), {0, 24, false, false}},
        {"0 right with shadow", input(0, TLabelAlign::Right, 1), {58, 24, false, false}},
        {"90 centred", input(90, TLabelAlign::Center), {53, 50, true, false}},
        {"90 right", input(90, TLabelAlign::Right), {53, 40, true, false}},
        {"90 left", input(90, TLabelAlign::Left), {53, 60, true, false}},
        {"180 centred", input(180, TLabelAlign::Center), {70, 27, true, false}},
        {"180 left", input(180, TLabelAlign::Left), {100, 27, true, false}},
        {"270 centred", input(270, TLabelAlign::Center), {47, 10, true, false}},
        {"270 right", input(270, TLabelAlign::Right), {47, 20, true, false}},
        {"45 turns round the centre", input(45, TLabelAlign::Left), {52, 32, true, true}},
    };
    for (const auto& c : cases) {
        const TTextAnchor a = FlatTextAnchor(c.in);
        EXPECT_EQ(a, c.anchor) << c.name << ": got " << a.x << "," << a.y;
    }
}

TEST(LabelLayout, CurvedTextTurnsRoundItsCentrePoint) {
    const struct {
        TCenterPoint point;
        TPoint anchor;
        TSize radii;
    } cases[] = {
        {TCenterPoint::UpperLeft, {2, 2}, {96, 56}},       {TCenterPoint::UpperCenter, {50, 2}, {46, 56}},
        {TCenterPoint::RightCenter, {98, 30}, {96, 26}},   {TCenterPoint::Center, {50, 30}, {46, 26}},
        {TCenterPoint::LowerRight, {98, 58}, {96, 56}},    {TCenterPoint::LowerCenter, {50, 58}, {46, 56}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CurveAnchor(c.point, 100, 60, 2), c.anchor) << static_cast<int>(c.point);
        EXPECT_EQ(CurveRadii(c.point, 100, 60, 2), c.radii) << static_cast<int>(c.point);
    }
    const double quarter = std::acos(0.0);
    // Straight above the anchor at angle 0, to its left at a quarter turn, one text height in.
    EXPECT_EQ(CurveCharPosition({50, 30}, {46, 26}, 0, 10), (TPoint{50, 14}));
    EXPECT_EQ(CurveCharPosition({50, 30}, {46, 26}, quarter, 10), (TPoint{14, 30}));
    EXPECT_EQ(CurveEscapement(quarter), 900);
    EXPECT_EQ(CurveEscapement(-quarter), -900);
}

TEST(LabelLayout, TheLayoutMovesTheTextDown) {
    EXPECT_EQ(LayoutOffset(TTextLayout::Top, 40, 2, 15), 0);
    EXPECT_EQ(LayoutOffset(TTextLayout::Center, 40, 2, 15), 11);
    EXPECT_EQ(LayoutOffset(TTextLayout::Bottom, 40, 2, 15), 23);
}

}  // namespace
