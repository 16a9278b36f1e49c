// The platform-free rules of the push buttons: caption placement and its 3-D passes, the
// bit button's glyph and caption layout, its kinds, and which face a button shows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/basic/BitBtnKind.h"
#include "controls/basic/BitBtnLayout.h"
#include "controls/basic/ButtonCaption.h"
#include "controls/basic/ButtonFace.h"

namespace {

using cl::TRect;
using namespace mw;

TEST(ButtonCaptionTest, CaptionIsPlacedByItsVerticalAlignment) {
    struct Case {
        TAlignmentVertical alignment;
        int textHeight;
        TRect expected;
    };
    const TRect r{5, 5, 70, 20};
    const Case cases[] = {
        {TAlignmentVertical::Top, 13, r},
        {TAlignmentVertical::Center, 13, {5, 6, 70, 19}},
        {TAlignmentVertical::Bottom, 13, {5, 6, 70, 20}},
        // A caption taller than the rectangle is centred over it, not thrown out of sight.
        {TAlignmentVertical::Center, 30, {5, -3, 70, 27}},
        {TAlignmentVertical::Center, 31, {5, -3, 70, 28}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(kAlignmentVerticalNames.NameOf(static_cast<int>(c.alignment)) + " " + std::to_string(c.textHeight));
        EXPECT_EQ(PlaceCaptionVertically(r, c.textHeight, c.alignment), c.expected);
    }
}

TEST(ButtonCaptionTest, EachTextStyleDrawsItsPassesInOrder) {
    constexpr cl::TColor font = 0x000001, light = 0x000002, dark = 0x000003;
    struct Case {
        const char* name;
        TTextStyle style;
        bool lightTextStyle;
        bool enabled;
        bool alignedRight;
        std::vector<TCaptionPass> passes;
    };
    const Case cases[] = {
        {"normal", TTextStyle::Normal, false, true, false, {{0, 0, font}}},
        {"raised", TTextStyle::Raised, false, true, false, {{1, 1, dark}, {-1, -1, light}, {0, 0, font}}},
        {"raised, light", TTextStyle::Raised, true, true, false, {{-1, -1, light}, {0, 0, font}}},
        {"recessed", TTextStyle::Recessed, false, true, false, {{1, 1, light}, {-1, -1, dark}, {0, 0, font}}},
        {"recessed, light", TTextStyle::Recessed, true, true, false, {{1, 1, light}, {0, 0, font}}},
        {"shadow", TTextStyle::Shadow, false, true, false, {{3, 3, dark}, {0, 0, font}}},
        {"shadow, right", TTextStyle::Shadow, false, true, true, {{0, 3, dark}, {-3, 0, font}}},
        {"normal, right", TTextStyle::Normal, false, true, true, {{-3, 0, font}}},
        {"disabled shadow", TTextStyle::Shadow, false, false, true, {{1, 1, cl::clBtnHighlight}, {0, 0, cl::clBtnShadow}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TCaptionStyle style;
        style.style = c.style;
        style.lightTextStyle = c.lightTextStyle;
        style.enabled = c.enabled;
        style.alignedRight = c.alignedRight;
        style.shadowDepth = 3;
        EXPECT_EQ(CaptionPasses(style, {font, light, dark}), c.passes);
    }
}

// A 75 x 25 button's caption rectangle (client inset by 5) with a 16 x 16 glyph, margin 2,
// spacing 4 and a 13-pixel caption; 75 x 60 for the stacked cases.
TEST(BitBtnLayoutTest, GlyphAndCaptionShareTheButtonByLayoutAndMargin) {
    struct Case {
        const char* name;
        TButtonLayout layout;
        int margin;
        int controlHeight;
        TRect caption;
        TRect glyph;
    };
    const Case cases[] = {
        {"left", TButtonLayout::GlyphLeft, 2, 25, {27, 5, 70, 20}, {7, 5, 23, 21}},
        {"right", TButtonLayout::GlyphRight, 2, 25, {5, 5, 48, 20}, {52, 5, 68, 21}},
        {"top", TButtonLayout::GlyphTop, 2, 60, {5, 27, 70, 55}, {30, 7, 46, 23}},
        {"bottom", TButtonLayout::GlyphBottom, 2, 60, {5, 5, 70, 33}, {30, 37, 46, 53}},
        {"left, centred", TButtonLayout::GlyphLeft, -1, 60, {24, 5, 70, 55}, {5, 22, 21, 38}},
        {"right, centred", TButtonLayout::GlyphRight, -1, 60, {5, 5, 51, 55}, {54, 22, 70, 38}},
        // (60 - (16 + 13 + 4)) / 2 = 13 pixels above the stack of glyph and caption.
        {"top, centred", TButtonLayout::GlyphTop, -1, 60, {5, 34, 70, 47}, {30, 13, 46, 29}},
        {"bottom, centred", TButtonLayout::GlyphBottom, -1, 60, {5, 18, 70, 31}, {30, 31, 46, 47}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBitBtnGeometry g;
        g.layout = c.layout;
        g.margin = c.margin;
        g.glyphWidth = g.glyphHeight = 16;
        g.textHeight = 13;
        g.controlHeight = c.controlHeight;
        const TRect base{5, 5, 70, c.controlHeight - 5};
        EXPECT_EQ(BitBtnCaptionRect(base, g), c.caption);
        EXPECT_EQ(BitBtnGlyphRect(base, g, false, false), c.glyph);
    }
}

TEST(BitBtnLayoutTest, PressedGlyphFollowsTheLookOfThePress) {
    TBitBtnGeometry g;
    g.glyphWidth = g.glyphHeight = 16;
    // Classic: the caption rectangle already moved by (1, 1); so does the glyph.
    EXPECT_EQ(BitBtnGlyphRect({6, 6, 71, 21}, g, true, false), (TRect{8, 6, 24, 22}));
    // Themed: the caption stays; the glyph moves one pixel right.
    EXPECT_EQ(BitBtnGlyphRect({5, 5, 70, 20}, g, true, true), (TRect{8, 5, 24, 21}));
    // Hot track: neither moves.
    EXPECT_EQ(BitBtnGlyphRect({5, 5, 70, 20}, g, true, false), (TRect{7, 5, 23, 21}));
}

TEST(BitBtnLayoutTest, GlyphSizeDecidesTheNumberOfImages) {
    struct Case {
        int width, height, current, expected;
    };
    const Case cases[] = {
        {48, 16, 1, 3}, {64, 16, 1, 4}, {16, 16, 2, 1},
        {80, 16, 2, 1},  // five or more images are not taken
        {40, 16, 2, 2},  // no whole number of square images: unchanged
        {0, 0, 3, 3},    // empty: unchanged
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumGlyphsForGlyph(c.width, c.height, c.current), c.expected) << c.width << " x " << c.height;
}

TEST(BitBtnKindTest, KindsBringTheirRolesAndHoldOnlyWhileTheButtonKeepsThem) {
    EXPECT_EQ(BitBtnKindInfo(TBitBtnKind::OK).caption, std::string("OK"));
    EXPECT_EQ(BitBtnKindInfo(TBitBtnKind::No).glyphResource, std::string("MWCOMMON_NO"));
    EXPECT_EQ(BitBtnKindInfo(TBitBtnKind::All).modalResult, 8);
    EXPECT_EQ(BitBtnKindInfo(TBitBtnKind::Custom).glyphResource, nullptr);

    struct Case {
        const char* name;
        TBitBtnKind stored;
        bool isDefault, isCancel;
        int modalResult;
        bool userGlyph;
        TBitBtnKind expected;
    };
    const Case cases[] = {
        {"intact OK", TBitBtnKind::OK, true, false, 1, false, TBitBtnKind::OK},
        {"OK no longer default", TBitBtnKind::OK, false, false, 1, false, TBitBtnKind::Custom},
        {"OK with another glyph", TBitBtnKind::OK, true, false, 1, true, TBitBtnKind::Custom},
        {"intact No", TBitBtnKind::No, false, true, 7, false, TBitBtnKind::No},
        {"No made default too", TBitBtnKind::No, true, true, 7, false, TBitBtnKind::Custom},
        {"Help with a modal result", TBitBtnKind::Help, false, false, 1, false, TBitBtnKind::Custom},
        {"custom stays custom", TBitBtnKind::Custom, true, false, 1, false, TBitBtnKind::Custom},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EffectiveBitBtnKind(c.stored, c.isDefault, c.isCancel, c.modalResult, c.userGlyph), c.expected) << c.name;
}

TEST(ButtonFaceTest, FirstMatchingStateDecidesTheFace) {
    struct Case {
        const char* name;
        TPushButtonState state;
        TPushButtonLook look;
    };
    const Case cases[] = {
        {"disabled wins over everything", {false, true, true, false, true}, TPushButtonLook::Disabled},
        {"pressed wins over hot", {true, true, true, false, true}, TPushButtonLook::Pressed},
        {"hot wins over default", {true, false, true, false, true}, TPushButtonLook::Hot},
        {"default", {true, false, false, false, true}, TPushButtonLook::Defaulted},
        {"a grouped button shows no default", {true, false, false, true, true}, TPushButtonLook::Normal},
        {"plain", {true, false, false, false, false}, TPushButtonLook::Normal},
    };
    for (const Case& c : cases) EXPECT_EQ(PushButtonLook(c.state), c.look) << c.name;
    EXPECT_EQ(ThemedPushButton(TPushButtonLook::Defaulted), TThemedButton::PushButtonDefaulted);
}

TEST(ButtonFaceTest, ComplementHueLiesAcrossTheColourCircle) {
    EXPECT_EQ(ComplementHue(0), 120);
    EXPECT_EQ(ComplementHue(119), 239);
    EXPECT_EQ(ComplementHue(120), 0);
    EXPECT_EQ(ComplementHue(240), 120);
}

}  // namespace
