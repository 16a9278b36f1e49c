// Where a tool button puts its image and caption, where its drop-down menu opens, and how a
// toolbar tiles its background.

#include <gtest/gtest.h>

#include <vector>

#include "controls/basic/ToolButtonLayout.h"
#include "controls/basic/ToolbarLayout.h"

namespace {

using cl::TRect;
using mw::TToolButtonFace;

TEST(ToolButtonLayoutTest, ImageAndCaptionFollowTheLayoutAndThePress) {
    // A 60 x 40 button with a 16 x 16 image and a 13-pixel caption.
    struct Case {
        const char* name;
        TButtonLayout layout;
        bool dropDown, pressed, themed;
        TRect image, caption;
    } cases[] = {
        {"left", TButtonLayout::GlyphLeft, false, false, false, {4, 12, 20, 28}, {22, 2, 58, 38}},
        {"right", TButtonLayout::GlyphRight, false, false, false, {40, 12, 56, 28}, {2, 2, 38, 38}},
        {"top", TButtonLayout::GlyphTop, false, false, false, {22, 3, 38, 19}, {2, 21, 58, 34}},
        {"bottom", TButtonLayout::GlyphBottom, false, false, false, {22, 18, 38, 34}, {2, 5, 58, 18}},
        {"drop-down loses the arrow part", TButtonLayout::GlyphRight, true, false, false, {26, 12, 42, 28}, {2, 2, 24, 38}},
        {"pressed classic", TButtonLayout::GlyphLeft, false, true, false, {5, 13, 21, 29}, {23, 3, 59, 39}},
        {"pressed themed", TButtonLayout::GlyphLeft, false, true, true, {5, 12, 21, 28}, {23, 2, 59, 38}},
    };
    for (const Case& c : cases) {
        TToolButtonFace face;
        face.width = 60;
        face.height = 40;
        face.dropDown = c.dropDown;
        face.imageWidth = face.imageHeight = 16;
        face.textHeight = 13;
        face.hasImage = true;
        face.layout = c.layout;
        face.pressed = c.pressed;
        face.themed = c.themed;
        EXPECT_EQ(mw::ToolButtonImageRect(face), c.image) << c.name;
        EXPECT_EQ(mw::ToolButtonCaptionRect(face), c.caption) << c.name;
    }
}

TEST(ToolButtonLayoutTest, WithoutAnImageIndexTheCaptionTakesTheWholeFace) {
    TToolButtonFace face;
    face.width = 60;
    face.height = 25;
    face.imageWidth = face.imageHeight = 16;
    face.hasImage = false;
    EXPECT_EQ(mw::ToolButtonCaptionRect(face), (TRect{2, 2, 58, 23}));
}

TEST(ToolButtonLayoutTest, AMenuThatWouldPassTheWorkAreaLinesUpWithTheButtonsRightEdge) {
    EXPECT_EQ(mw::DropDownMenuLeft(100, 39, 150, 1024), 100);
    EXPECT_EQ(mw::DropDownMenuLeft(900, 39, 150, 1024), 900 + 39 - 150);
    EXPECT_EQ(mw::DropDownMenuLeft(874, 39, 150, 1024), 874) << "ending exactly at the edge fits";
}

TEST(ToolbarBackgroundTest, TilesCoverTheAreaWithTheLastOnesCutOff) {
    const std::vector<cl::TPoint> tiles = mw::BackgroundTiles(50, 20, 16, 10);
    EXPECT_EQ(tiles.size(), 4u * 2u);
    EXPECT_EQ(tiles.back(), (cl::TPoint{48, 10}));
    EXPECT_EQ(mw::BackgroundTiles(48, 20, 16, 10).size(), 3u * 2u) << "no partial column when it fits exactly";
    EXPECT_TRUE(mw::BackgroundTiles(50, 20, 0, 10).empty());
}

}  // namespace
