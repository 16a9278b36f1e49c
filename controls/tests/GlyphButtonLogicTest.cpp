// The radio button's and check box's platform-free rules: glyph size and place, caption and
// focus rectangles, custom strip images, the check box's state cycle and the colours of the
// hot-track glyphs.

#include <gtest/gtest.h>

#include "controls/basic/ButtonFace.h"
#include "controls/basic/GlyphButtonLayout.h"
#include "controls/foundation/ColorArithmetic.h"

namespace {

using cl::TPoint;
using cl::TRect;
using namespace mw;

TEST(GlyphButtonLogic, AStripIsCutIntoItsStateImages) {
    EXPECT_EQ(GlyphSizeOf(true, 78, 13, 6), (TGlyphSize{13, 13}));
    EXPECT_EQ(GlyphSizeOf(true, 144, 16, 9), (TGlyphSize{16, 16}));
    EXPECT_EQ(GlyphSizeOf(false, 144, 16, 9), (TGlyphSize{13, 13}));  // not used
    EXPECT_EQ(GlyphSizeOf(true, 0, 0, 6), (TGlyphSize{13, 13}));      // emptied
}

TEST(GlyphButtonLogic, TheGlyphSitsAtTheCaptionsOtherSide) {
    const struct {
        bool captionRight;
        TAlignmentVertical alignment;
        TPoint at;
    } cases[] = {
        {true, TAlignmentVertical::Top, {0, 2}},
        {true, TAlignmentVertical::Center, {0, 7}},
        {false, TAlignmentVertical::Bottom, {87, 13}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GlyphPosition(c.captionRight, c.alignment, 100, 28, {}), c.at) << static_cast<int>(c.alignment);

    EXPECT_EQ(GlyphCaptionRect({0, 0, 100, 28}, true, 13), (TRect{18, 1, 99, 27}));
    EXPECT_EQ(GlyphCaptionRect({0, 0, 100, 28}, false, 13), (TRect{1, 1, 82, 27}));
    // The focus border hugs the caption's text, from the reading side, never wider than it.
    EXPECT_EQ(GlyphFocusRect({18, 1, 99, 27}, 40, false), (TRect{17, 0, 60, 28}));
    EXPECT_EQ(GlyphFocusRect({18, 1, 99, 27}, 40, true), (TRect{57, 0, 100, 28}));
    EXPECT_EQ(GlyphFocusRect({18, 1, 99, 27}, 500, false), (TRect{17, 0, 100, 28}));
}

TEST(GlyphButtonLogic, CustomStripImagesFollowTheState) {
    const struct {
        bool checked, pressed, enabled;
        int index;
    } radio[] = {{false, false, true, 0}, {true, false, true, 1}, {false, true, true, 2},
                 {true, true, true, 3},   {false, true, false, 4}, {true, false, false, 5}};
    for (const auto& c : radio)
        EXPECT_EQ(RadioGlyphIndex(c.checked, c.pressed, c.enabled), c.index) << c.index;

    const struct {
        TCheckBoxState state;
        bool pressed, enabled;
        int index;
    } check[] = {{TCheckBoxState::Unchecked, false, true, 0}, {TCheckBoxState::Checked, false, true, 1},
                 {TCheckBoxState::Grayed, false, true, 2},    {TCheckBoxState::Unchecked, true, true, 3},
                 {TCheckBoxState::Checked, true, true, 4},    {TCheckBoxState::Grayed, true, true, 5},
                 {TCheckBoxState::Unchecked, true, false, 6}, {TCheckBoxState::Grayed, false, false, 8}};
    for (const auto& c : check) EXPECT_EQ(CheckGlyphIndex(c.state, c.pressed, c.enabled), c.index) << c.index;
}

TEST(GlyphButtonLogic, ACheckBoxCyclesThroughGrayedOnlyWhenAllowed) {
    using S = TCheckBoxState;
    auto cycle = [](bool allowGrayed) {
        std::vector<S> states{S::Unchecked};
        for (int i = 0; i < 3; ++i) states.push_back(NextCheckState(states.back(), allowGrayed));
        return states;
    };
    EXPECT_EQ(cycle(true), (std::vector<S>{S::Unchecked, S::Grayed, S::Checked, S::Unchecked}));
    EXPECT_EQ(cycle(false), (std::vector<S>{S::Unchecked, S::Checked, S::Unchecked, S::Checked}));
    EXPECT_EQ(NextCheckState(S::Grayed, false), S::Checked);  // streamed grayed without AllowGrayed
}

TEST(GlyphButtonLogic, TheAcceleratorIsTheCharacterAfterASingleAmpersand) {
    const struct {
        const char* caption;
        char key;
        bool accelerator;
    } cases[] = {{"&Open", 'o', true}, {"&Open", 'O', true}, {"Op&en", 'e', true}, {"Open", 'o', false},
                 {"Fish && &Chips", 'c', true}, {"Fish && Chips", 'c', false}, {"Tail&", '&', false},
                 {"&&Open", 'o', false}};
    for (const auto& c : cases) EXPECT_EQ(IsCaptionAccelerator(c.caption, c.key), c.accelerator) << c.caption << " " << c.key;
}

TEST(GlyphButtonLogic, AColourEqualToAKeyColourIsDrawnOneStepOff) {
    EXPECT_EQ(AvoidKeyColor(cl::clOlive, cl::clOlive, cl::clLime), cl::clOlive + 1);
    EXPECT_EQ(AvoidKeyColor(cl::clLime, cl::clOlive, cl::clLime), cl::clLime + 1);
    EXPECT_EQ(AvoidKeyColor(cl::clGray, cl::clOlive, cl::clLime), cl::clGray + 1);
    EXPECT_EQ(AvoidKeyColor(cl::clNavy, cl::clOlive, cl::clLime), cl::clNavy);
    // A frame colour chosen equal to the transparent colour still shows on the glyph's ring.
    TGlyphPalette p;
    p.frame = cl::clOlive;
    EXPECT_EQ(SwapColor(RadioGlyphColors(p, TGlyphLook::Normal), cl::clBlack), cl::clOlive + 1);
}

TEST(GlyphButtonLogic, HotTrackGlyphColoursFollowTheLook) {
    TGlyphPalette p;
    p.frame = RgbOf(0x40, 0x40, 0x80);
    p.highlight = RgbOf(0, 0, 0xC0);
    p.hotTrack = RgbOf(0xC0, 0x20, 0x20);
    p.window = cl::clWhite;
    p.disabled = RgbOf(0xD4, 0xD0, 0xC8);
    p.buttonShadow = RgbOf(0x80, 0x80, 0x80);
    const cl::TColor light = HslToRgb(ComplementHue(RgbToHsl(p.hotTrack).hue), 220, 180);
    const cl::TColor dark = DarkenRgb(light, 30);
    const cl::TColor pressed = DarkenRgb(cl::clWhite, 20);
    const struct {
        const char* name;
        bool check;
        TGlyphLook look;
        bool fullColor;
        cl::TColor key, becomes;
    } cases[] = {
        {"radio face", false, TGlyphLook::Normal, true, cl::clWhite, cl::clWhite},
        {"radio ring", false, TGlyphLook::Normal, true, cl::clGray, MixRgb(p.frame, cl::clWhite, 128)},
        {"radio dot", false, TGlyphLook::Normal, true, cl::clBlue, MixRgb(p.highlight, cl::clWhite, 153)},
        {"radio disabled dot", false, TGlyphLook::Disabled, true, cl::clNavy, p.buttonShadow},
        {"radio disabled face", false, TGlyphLook::Disabled, true, cl::clYellow, p.disabled},
        {"radio pressed face", false, TGlyphLook::Pressed, true, cl::clRed, pressed},
        {"radio hot inner", false, TGlyphLook::Hot, true, cl::clRed, dark},
        {"radio hot outer", false, TGlyphLook::Hot, true, cl::clFuchsia, light},
        {"radio hot ring", false, TGlyphLook::Hot, true, cl::clPurple, MixRgb(p.frame, light, 128)},
        {"radio 256 colours: no hot look", false, TGlyphLook::Hot, false, cl::clRed, cl::clWhite},
        {"radio 256 colours: dot", false, TGlyphLook::Normal, false, cl::clBlue, p.highlight},
        {"radio 256 colours: disabled", false, TGlyphLook::Disabled, false, cl::clWhite, p.disabled},
        {"check frame", true, TGlyphLook::Normal, true, cl::clGray, p.frame},
        {"check disabled face", true, TGlyphLook::Disabled, true, cl::clFuchsia, p.disabled},
        {"check pressed face", true, TGlyphLook::Pressed, true, cl::clWhite, pressed},
        {"check hot", true, TGlyphLook::Hot, true, cl::clFuchsia, light},
        {"check 256 colours: no pressed look", true, TGlyphLook::Pressed, false, cl::clWhite, cl::clWhite},
        {"check leaves black", true, TGlyphLook::Normal, true, cl::clBlack, cl::clBlack},
    };
    for (const auto& c : cases) {
        TGlyphPalette palette = p;
        palette.fullColor = c.fullColor;
        const auto swaps = c.check ? CheckGlyphColors(palette, c.look) : RadioGlyphColors(palette, c.look);
        EXPECT_EQ(SwapColor(swaps, c.key), c.becomes) << c.name;
    }
    TGlyphPalette actual = p;
    actual.hotTrackType = TMwHotTrackColorType::Actual;
    EXPECT_EQ(SwapColor(RadioGlyphColors(actual, TGlyphLook::Hot), cl::clFuchsia), LightenRgb(p.hotTrack, 30));
}

}  // namespace
