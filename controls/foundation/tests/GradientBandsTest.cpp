// Gradient geometry: where each colour lies, band merging, and the copies that replicate a strip.

#include <gtest/gtest.h>

#include <algorithm>

#include "controls/foundation/ColorArithmetic.h"
#include "controls/foundation/GradientBands.h"

namespace {

using namespace mw;
using cl::TColor;

// The colour each coordinate of [0, extent) gets; fails when a coordinate is covered twice or not at all.
std::vector<TColor> Paint(const std::vector<TGradientSpan>& spans, int extent) {
    std::vector<TColor> line(static_cast<size_t>(extent), cl::clNone);
    for (const TGradientSpan& span : spans) {
        for (int p = span.from; p < span.to; ++p) {
            EXPECT_TRUE(p >= 0 && p < extent) << p;
            if (p < 0 || p >= extent) continue;
            EXPECT_EQ(line[p], cl::clNone) << "covered twice: " << p;
            line[p] = span.color;
        }
    }
    for (int p = 0; p < extent; ++p) EXPECT_NE(line[p], cl::clNone) << "not covered: " << p;
    return line;
}

TEST(GradientBandsTest, StraightGradientsPutTheColoursAtTheEndsOrAtTheSplit) {
    struct Case {
        const char* name;
        int split, extent;
        std::vector<std::pair<int, TColor>> colors;  // coordinate, colour
    };
    const TColor black = cl::clBlack, white = cl::clWhite;
    const Case cases[] = {
        {"no split: first colour at 0, second at the far end", -1, 256, {{0, black}, {255, white}, {128, RgbOf(128, 128, 128)}}},
        {"split in the middle: second colour there, first at both ends", 255, 511, {{0, black}, {255, white}, {510, black}}},
        {"one pixel", -1, 1, {{0, white}}},
        {"split at 0 still covers the far part", 0, 5, {{0, white}, {4, black}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<TColor> line = Paint(LinearGradientSpans(c.split, c.extent, black, white, 0), c.extent);
        for (const auto& [p, color] : c.colors) EXPECT_EQ(line[p], color) << p;
        // The halves run steadily from one colour to the other.
        const int middle = c.split < 0 ? c.extent - 1 : c.split;
        for (int p = 1; p <= middle; ++p) EXPECT_GE(RedOf(line[p]), RedOf(line[p - 1])) << p;
        for (int p = middle + 1; p + 1 < c.extent; ++p) EXPECT_GE(RedOf(line[p]), RedOf(line[p + 1])) << p;
    }
    EXPECT_TRUE(LinearGradientSpans(-1, 0, black, white, 0).empty());
}

TEST(GradientBandsTest, AReductionMakesFewerLongerBands) {
    const int extent = 256;
    const auto fine = LinearGradientSpans(-1, extent, cl::clBlack, cl::clWhite, 0);
    const auto coarse = LinearGradientSpans(-1, extent, cl::clBlack, cl::clWhite, 16);  // about 16 colours
    EXPECT_EQ(fine.size(), 256u);
    EXPECT_EQ(StraightGradientBandSteps(16), 16);
    EXPECT_EQ(coarse.size(), 16u);
    for (const TGradientSpan& span : coarse) EXPECT_GE(span.to - span.from, 16);
    Paint(coarse, extent);
    // Small reductions are a step count; the box gradient divides 256 instead of 255.
    EXPECT_EQ(StraightGradientBandSteps(5), 5);
    EXPECT_EQ(StraightGradientBandSteps(64), 4);
    EXPECT_EQ(BoxGradientBandSteps(64), 5);
    // A band keeps growing while its colour does not change: a two-level gradient over 100 pixels.
    const auto twoLevels = LinearGradientSpans(-1, 100, RgbOf(10, 10, 10), RgbOf(11, 11, 11), 0);
    EXPECT_LE(twoLevels.size(), 2u);
}

// The quadrant as a grid of colours; every pixel of it must be covered.
std::vector<std::vector<TColor>> PaintQuadrant(const std::vector<TGradientFill>& fills, int width, int height) {
    std::vector<std::vector<TColor>> grid(static_cast<size_t>(height), std::vector<TColor>(static_cast<size_t>(width), cl::clNone));
    for (const TGradientFill& fill : fills)
        for (int y = std::max(fill.rect.top, 0); y < std::min(fill.rect.bottom, height); ++y)
            for (int x = std::max(fill.rect.left, 0); x < std::min(fill.rect.right, width); ++x) grid[y][x] = fill.color;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) EXPECT_NE(grid[y][x], cl::clNone) << x << "," << y;
    return grid;
}

TEST(GradientBandsTest, BoxQuadrantRunsFromAPlateauOfTheSecondColourToTheFirstAtTheEdges) {
    // 17 x 9 with a plateau of a quarter of the width: the centre is at (8, 4).
    const auto fills = BoxGradientQuadrant(17, 9, 4, 0, cl::clBlack, cl::clWhite, 0);
    const auto grid = PaintQuadrant(fills, 9, 5);
    for (int x = 4; x <= 8; ++x) EXPECT_EQ(grid[4][x], cl::clWhite) << x;  // the plateau
    EXPECT_NE(grid[4][3], cl::clWhite);
    // Rings: every pixel of the outer edges is near the first colour, the middle ones too.
    for (int x = 0; x < 9; ++x) EXPECT_LT(RedOf(grid[0][x]), 64) << x;
    for (int y = 0; y < 5; ++y) EXPECT_LT(RedOf(grid[y][0]), 64) << y;
    EXPECT_LT(RedOf(grid[4][0]), RedOf(grid[4][3]));
    EXPECT_EQ(grid[2][6], grid[2][2]);  // the same ring above and left of the plateau
}

TEST(GradientBandsTest, BoxQuadrantOfTinyOrFlatAreasEnds) {
    // Edges that cannot move (nothing to cross on an axis) must not keep the quadrant going.
    const int sizes[][4] = {{1, 1, 0, 0}, {2, 2, 0, 0}, {4, 2, 1, 0}, {3, 40, 0, 10}, {600, 3, 150, 0}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(testing::Message() << s[0] << "x" << s[1]);
        const auto fills = BoxGradientQuadrant(s[0], s[1], s[2], s[3], cl::clBlack, cl::clWhite, 0);
        PaintQuadrant(fills, (s[0] - 1) / 2 + 1, (s[1] - 1) / 2 + 1);
    }
    EXPECT_TRUE(BoxGradientQuadrant(0, 5, 0, 0, cl::clBlack, cl::clWhite, 0).empty());
}

TEST(GradientBandsTest, DiagonalBandsStartInTheirCornerWithTheirColour) {
    const auto bands = DiagonalGradientBands(40, 30, cl::clRed, cl::clBlue, 0);
    ASSERT_FALSE(bands.empty());
    EXPECT_EQ(bands.front().color, cl::clRed);
    EXPECT_EQ(bands.front().points[0], (cl::TPoint{0, 0}));
    EXPECT_EQ(bands.back().points[1], (cl::TPoint{40, 30}));
    EXPECT_GT(BlueOf(bands.back().color), 240);

    const auto other = DiagonalGradientBands(-40, 30, cl::clRed, cl::clBlue, 0);
    ASSERT_FALSE(other.empty());
    EXPECT_EQ(other.front().color, cl::clBlue);
    EXPECT_EQ(other.front().points[0], (cl::TPoint{40, 0}));
    EXPECT_EQ(other.back().points[1], (cl::TPoint{0, 30}));
    EXPECT_TRUE(DiagonalGradientBands(0, 30, cl::clRed, cl::clBlue, 0).empty());
}

TEST(GradientBandsTest, TileCopiesDoubleAndTheLastOneTakesOnlyWhatIsLeft) {
    struct Case {
        int filledWidth, filledHeight, totalWidth, totalHeight;
        std::vector<TBlockCopy> copies;
    };
    const Case cases[] = {
        {8, 10, 100, 10, {{8, 0, 8, 10}, {16, 0, 16, 10}, {32, 0, 32, 10}, {64, 0, 36, 10}}},
        {50, 8, 50, 20, {{0, 8, 50, 8}, {0, 16, 50, 4}}},
        {8, 10, 8, 10, {}},
        {8, 10, 5, 10, {}},  // narrower than the strip: nothing to copy
        {0, 10, 100, 10, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TileCopies(c.filledWidth, c.filledHeight, c.totalWidth, c.totalHeight), c.copies)
            << c.filledWidth << "x" << c.filledHeight << " to " << c.totalWidth << "x" << c.totalHeight;
}

}  // namespace
