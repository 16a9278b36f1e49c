// Tab captions, outlines, the parts of a tab's face, and the strokes of tab and card frames.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "classlib/core/Exception.h"
#include "controls/navigation/TabCaption.h"
#include "controls/navigation/TabFrameCommands.h"
#include "controls/navigation/TabShapes.h"

using cl::TPoint;
using cl::TRect;

namespace {

TEST(TabCaptionTest, TheFirstAmpersandMarksTheAccelerator) {
    struct Case {
        const char* caption;
        std::vector<std::string> lines;
        std::vector<int> underlines;
        char accelerator;
    };
    const Case cases[] = {
        {"&Code", {"Code"}, {0}, 'C'},
        {"Gra&phic", {"Graphic"}, {3}, 'p'},
        {"A&&B", {"A&B"}, {-1}, '\0'},
        {"&&", {"&"}, {-1}, '\0'},
        {"Save&", {"Save&"}, {-1}, '\0'},       // at the end it stays
        {"a&&b&c", {"a&b&c"}, {-1}, '\0'},      // only the first "&" counts
        {"One\r\n&Two", {"One", "Two"}, {-1, 0}, 'T'},
        {"&x\r\n&y", {"x", "y"}, {0, -1}, 'x'},  // later lines lose theirs too
        {"", {""}, {-1}, '\0'},
    };
    for (const Case& c : cases) {
        const std::vector<mw::TCaptionLine> lines = mw::SplitCaption(c.caption);
        ASSERT_EQ(lines.size(), c.lines.size()) << c.caption;
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].text, c.lines[i]) << c.caption;
            EXPECT_EQ(lines[i].underline, c.underlines[i]) << c.caption;
        }
        EXPECT_EQ(mw::CaptionAccelerator(c.caption), c.accelerator) << c.caption;
    }
    EXPECT_TRUE(mw::IsAcceleratorKey("Gra&phic", 'P'));
    EXPECT_FALSE(mw::IsAcceleratorKey("A&&B", 'B'));
}

TEST(TabShapeTest, OutlinesRunFromTheInnerLeftCornerRoundTheOuterEdge) {
    const TRect r{10, 0, 90, 19};
    EXPECT_EQ(mw::TabOutline(TMwTabStyle::SingleSlant, r, 6),
              (std::vector<TPoint>{{10, 19}, {10, 2}, {12, 0}, {71, 0}, {90, 19}}));
    EXPECT_EQ(mw::TabOutline(TMwTabStyle::DoubleSlant, r, 6), (std::vector<TPoint>{{10, 19}, {29, 0}, {71, 0}, {90, 19}}));
    EXPECT_EQ(mw::TabOutline(TMwTabStyle::CutCorner, r, 6),
              (std::vector<TPoint>{{10, 19}, {10, 0}, {84, 0}, {90, 6}, {90, 19}}));
    EXPECT_EQ(mw::TabOutline(TMwTabStyle::RoundCorners, r, 6),
              (std::vector<TPoint>{{10, 19}, {10, 2}, {12, 0}, {88, 0}, {90, 2}, {90, 19}}));
    // Narrower than twice its depth, a double-slanted tab crosses itself.
    const std::vector<TPoint> narrow = mw::TabOutline(TMwTabStyle::DoubleSlant, {0, 0, 30, 19}, 6);
    EXPECT_GT(narrow[1].x, narrow[2].x);
}

TEST(TabShapeTest, TheContentRectangleKeepsClearOfSlantsAndCorners) {
    struct Case {
        TMwTabStyle style;
        TMwTabOrientation side;
        bool verticalText;
        TRect mapped;
        TRect content;
    };
    const Case cases[] = {
        {TMwTabStyle::SingleSlant, TMwTabOrientation::Top, false, {10, 0, 90, 19}, {15, 4, 71, 17}},
        {TMwTabStyle::SingleSlant, TMwTabOrientation::Bottom, false, {10, 0, 90, 19}, {15, 3, 71, 16}},
        {TMwTabStyle::DoubleSlant, TMwTabOrientation::Top, false, {10, 0, 90, 19}, {30, 4, 72, 17}},
        {TMwTabStyle::CutCorner, TMwTabOrientation::Top, false, {10, 0, 90, 19}, {20, 5, 80, 17}},
        {TMwTabStyle::RoundCorners, TMwTabOrientation::Top, false, {10, 0, 90, 19}, {15, 3, 85, 16}},
        {TMwTabStyle::SingleSlant, TMwTabOrientation::Left, false, {0, 10, 36, 90}, {4, 49, 34, 87}},
        {TMwTabStyle::SingleSlant, TMwTabOrientation::Right, false, {0, 10, 36, 90}, {3, 15, 33, 53}},
        {TMwTabStyle::CutCorner, TMwTabOrientation::Right, true, {0, 10, 36, 90}, {3, 20, 30, 80}},
    };
    for (const Case& c : cases) {
        const mw::TTabShapeSettings shape{c.style, c.side, c.verticalText, 6};
        EXPECT_EQ(mw::TabContentRect(shape, c.mapped), c.content)
            << static_cast<int>(c.style) << "/" << static_cast<int>(c.side);
    }
}

TEST(TabShapeTest, TheImageTakesItsSideAndTheCaptionTheRest) {
    const TRect content{0, 0, 100, 30};
    struct Case {
        TMwImagePosition position;
        TMwHorizontalAlignment alignment;
        TMwVerticalAlignment alignmentVertical;
        TRect image, text;
    };
    const Case cases[] = {
        {TMwImagePosition::Left, TMwHorizontalAlignment::Center, TMwVerticalAlignment::Center, {1, 7, 17, 23}, {18, 0, 100, 30}},
        {TMwImagePosition::Right, TMwHorizontalAlignment::Right, TMwVerticalAlignment::Top, {84, 0, 100, 16}, {0, 0, 82, 30}},
        {TMwImagePosition::Top, TMwHorizontalAlignment::Left, TMwVerticalAlignment::Bottom, {0, 2, 16, 18}, {0, 18, 100, 30}},
        {TMwImagePosition::Back, TMwHorizontalAlignment::Center, TMwVerticalAlignment::Center, {42, 7, 58, 23}, {0, 0, 100, 30}},
        {TMwImagePosition::Stretch, TMwHorizontalAlignment::Left, TMwVerticalAlignment::Top, {0, 0, 100, 30}, {0, 0, 100, 30}},
    };
    for (const Case& c : cases) {
        const mw::TTabContentParts parts =
            mw::SplitTabContent(content, {16, 16}, {c.position, 2, c.alignment, c.alignmentVertical});
        EXPECT_EQ(parts.image, c.image) << static_cast<int>(c.position);
        EXPECT_EQ(parts.text, c.text) << static_cast<int>(c.position);
    }
    EXPECT_EQ(mw::SplitTabContent(content, {}, {}).text, content);  // no image, no room taken
}

TEST(TabShapeTest, CaptionLinesStackOrStandSideBySide) {
    const TRect area{0, 0, 100, 60};
    const std::vector<mw::TTabExtent> sizes{{40, 13}, {20, 13}};
    using H = TMwHorizontalAlignment;
    using V = TMwVerticalAlignment;
    EXPECT_EQ(mw::CaptionLineBoxes(area, sizes, mw::TTextDirection::Horizontal, H::Center, V::Center),
              (std::vector<TRect>{{30, 17, 70, 30}, {40, 30, 60, 43}}));
    EXPECT_EQ(mw::CaptionLineBoxes(area, sizes, mw::TTextDirection::Horizontal, H::Right, V::Top),
              (std::vector<TRect>{{60, 0, 100, 13}, {80, 13, 100, 26}}));
    // Turned upward the first line is on the left; turned downward, on the right.
    EXPECT_EQ(mw::CaptionLineBoxes(area, sizes, mw::TTextDirection::Up, H::Left, V::Bottom),
              (std::vector<TRect>{{0, 20, 13, 60}, {13, 40, 26, 60}}));
    EXPECT_EQ(mw::CaptionLineBoxes(area, sizes, mw::TTextDirection::Down, H::Left, V::Top),
              (std::vector<TRect>{{13, 0, 26, 40}, {0, 0, 13, 20}}));
}

TEST(TabShapeTest, BarsLieAlongTheOuterEdge) {
    const TRect mapped{10, 20, 90, 39};
    EXPECT_EQ(mw::TabBarRect(mapped, TMwTabOrientation::Top), (TRect{9, 19, 91, 25}));
    EXPECT_EQ(mw::TabBarRect(mapped, TMwTabOrientation::Bottom), (TRect{9, 36, 91, 40}));
    EXPECT_EQ(mw::TabBarRect(mapped, TMwTabOrientation::Left), (TRect{9, 19, 15, 40}));
    EXPECT_EQ(mw::TabBarRect(mapped, TMwTabOrientation::Right), (TRect{87, 19, 91, 40}));
}

// The pixels the commands draw: lines without their end point, shadow lines with both ends,
// each pixel with the weight of its last shadow (0 for frame lines).
std::map<std::pair<int, int>, int> Rasterize(const mw::TFrameCommandList& list) {
    std::map<std::pair<int, int>, int> pixels;
    TPoint at{};
    list.ForEach([&](int code, int x, int y) {
        if (code == mw::fcLineTo || code == mw::fcShadow30 || code == mw::fcShadow15) {
            const int dx = x > at.x ? 1 : x < at.x ? -1 : 0, dy = y > at.y ? 1 : y < at.y ? -1 : 0;
            const bool shadow = code != mw::fcLineTo;
            for (TPoint p = at; !(p == TPoint{x, y}) || shadow; p = {p.x + dx, p.y + dy}) {
                pixels[{p.x, p.y}] = code == mw::fcShadow30 ? 30 : code == mw::fcShadow15 ? 15 : 0;
                if (p == TPoint{x, y}) break;
            }
        }
        if (code >= mw::fcMoveTo) at = {x, y};
    });
    return pixels;
}

TEST(TabFrameTest, TheFrontCardOpensUnderTheCurrentTabAndCastsATwoPixelShadow) {
    mw::TFrameCommandList list;
    mw::TCardFrameOptions options;
    options.shadowFrame = true;
    options.opened = true;
    options.openingFrom = {46, 19};
    options.openingTo = {121, 19};
    mw::BuildCardFrame(list, {{0, 19}, {299, 19}, {299, 149}, {0, 149}}, options, 0);
    EXPECT_EQ(list.Items()[0], mw::fcResetFrameColor);
    EXPECT_EQ(list.Items()[3], mw::fcPenToFrameColor);
    const auto pixels = Rasterize(list);
    auto weight = [&](int x, int y) {
        const auto it = pixels.find({x, y});
        return it == pixels.end() ? -1 : it->second;
    };
    EXPECT_EQ(weight(46, 19), 0);
    EXPECT_EQ(weight(121, 19), 0);
    for (int x = 47; x < 121; ++x) EXPECT_EQ(weight(x, 19), -1) << x;  // the opening
    EXPECT_EQ(weight(297, 100), 0);  // the frame stops two pixels short of the right
    EXPECT_EQ(weight(100, 147), 0);  // and of the bottom
    EXPECT_EQ(weight(298, 100), 30);
    EXPECT_EQ(weight(299, 100), 15);
    EXPECT_EQ(weight(100, 148), 30);
    EXPECT_EQ(weight(100, 149), 15);
    EXPECT_EQ(weight(0, 148), 15);
    EXPECT_EQ(weight(298, 19), 15);

    options.drawShadow = false;  // a hot-track repaint
    mw::BuildCardFrame(list, {{0, 19}, {299, 19}, {299, 149}, {0, 149}}, options, 0);
    EXPECT_FALSE(list.HasShadow());
}

TEST(TabFrameTest, OtherSidesOpenTheirOwnEdge) {
    mw::TFrameCommandList list;
    mw::TCardFrameOptions options;
    options.side = TMwTabOrientation::Left;
    options.opened = true;
    options.openingFrom = {36, 120};
    options.openingTo = {36, 60};
    mw::BuildCardFrame(list, {{36, 0}, {299, 0}, {299, 149}, {36, 149}}, options, 0);
    const auto pixels = Rasterize(list);
    EXPECT_TRUE(pixels.count({36, 120}));
    EXPECT_TRUE(pixels.count({36, 60}));
    EXPECT_FALSE(pixels.count({36, 90}));
    EXPECT_TRUE(pixels.count({36, 10}));
    EXPECT_TRUE(pixels.count({150, 0}));  // the top edge is whole
    EXPECT_FALSE(list.HasShadow());

    options.fullFrame = false;  // only the line along the top
    options.opened = false;
    mw::BuildCardFrame(list, {{36, 0}, {299, 0}, {299, 149}, {36, 149}}, options, 0);
    const auto top = Rasterize(list);
    EXPECT_TRUE(top.count({150, 0}));
    EXPECT_FALSE(top.count({299, 100}));
}

TEST(TabFrameTest, ATabOutlineNeedsThePointsOfItsStyle) {
    mw::TFrameCommandList list;
    mw::BuildTabOutline(list, TMwTabStyle::DoubleSlant, {{0, 19}, {19, 0}, {61, 0}, {80, 19}}, 3);
    EXPECT_EQ(list.Items(), (std::vector<int>{mw::fcResetFrameColor, mw::fkTab, 3, mw::fcPenToFrameColor, mw::fcMoveTo, 0, 19,
                                              mw::fcLineTo, 19, 0, mw::fcLineTo, 61, 0, mw::fcLineTo, 80, 19}));
    try {
        mw::BuildTabOutline(list, TMwTabStyle::SingleSlant, {{0, 19}, {19, 0}, {61, 0}, {80, 19}}, 3);
        ADD_FAILURE() << "no error";
    } catch (const cl::Exception& e) {
        EXPECT_STREQ(e.what(), "Incorrect number of points in tab shape");
    }
}

}  // namespace
