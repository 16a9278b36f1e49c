// Hue, saturation and luminance on the 0..240 scale, and the shades made from them.

#include <gtest/gtest.h>

#include <cstdlib>

#include "controls/foundation/ColorArithmetic.h"

namespace {

using namespace mw;
using cl::TColor;

TEST(ColorArithmeticTest, RgbToHslOnTheTwoHundredFortyScale) {
    struct Case {
        TColor rgb;
        THsl hsl;
    };
    const Case cases[] = {
        {cl::clRed, {0, 240, 120}},   {cl::clLime, {80, 240, 120}}, {cl::clBlue, {160, 240, 120}},
        {cl::clWhite, {0, 0, 240}},   {cl::clBlack, {0, 0, 0}},     {cl::clGray, {0, 0, 120}},
        {0x00FFC0C0, {160, 240, 210}},  // a light blue: luminance above the middle
        {0x00400080, {220, 240, 60}},   // red brightest, blue above green: the hue wraps below 0
    };
    for (const Case& c : cases) EXPECT_EQ(RgbToHsl(c.rgb), c.hsl) << std::hex << c.rgb;
}

TEST(ColorArithmeticTest, HslToRgbCoversEverySectorAndTheTopHueWrapsToRed) {
    struct Case {
        int h, s, l;
        TColor rgb;
    };
    // Hues are divided by 239, so the sector boundaries of the 240 scale land a little inside
    // the next sector.
    const Case cases[] = {
        {0, 0, 240, cl::clWhite},      {0, 240, 120, cl::clRed},        {40, 240, 120, RgbOf(254, 255, 0)},
        {80, 240, 120, RgbOf(0, 255, 2)}, {120, 240, 120, RgbOf(0, 252, 255)}, {160, 240, 120, RgbOf(4, 0, 255)},
        {200, 240, 120, RgbOf(255, 0, 250)},
        {239, 240, 120, cl::clRed},  // sector 6 is drawn as sector 0
        {0, 240, 0, cl::clBlack},    {0, 0, 60, RgbOf(64, 64, 64)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HslToRgb(static_cast<uint8_t>(c.h), static_cast<uint8_t>(c.s), static_cast<uint8_t>(c.l)), c.rgb)
            << c.h << "," << c.s << "," << c.l;
}

TEST(ColorArithmeticTest, RoundTripsStayCloseToTheColour) {
    // Greys lose at most one step of the 240 scale; colours a little more through the hue scale.
    for (int v = 0; v <= 255; ++v) {
        const THsl hsl = RgbToHsl(RgbOf(v, v, v));
        const TColor back = HslToRgb(hsl.hue, hsl.saturation, hsl.luminance);
        EXPECT_LE(std::abs(RedOf(back) - v), 1) << v;
        EXPECT_EQ(RedOf(back), BlueOf(back)) << v;
    }
    for (TColor rgb : {0x00336699, 0x00C08040, 0x0010E0A0, 0x00905020, 0x00FF8000}) {
        const THsl hsl = RgbToHsl(rgb);
        const TColor back = HslToRgb(hsl.hue, hsl.saturation, hsl.luminance);
        EXPECT_LE(std::abs(RedOf(back) - RedOf(rgb)), 8) << std::hex << rgb;
        EXPECT_LE(std::abs(GreenOf(back) - GreenOf(rgb)), 8) << std::hex << rgb;
        EXPECT_LE(std::abs(BlueOf(back) - BlueOf(rgb)), 8) << std::hex << rgb;
    }
}

TEST(ColorArithmeticTest, DarkenLightenAndShadeStopAtTheirBounds) {
    struct Case {
        const char* name;
        TColor result;
        TColor expected;
    };
    const TColor nearWhite = 0x00F4F4F4;  // luminance 230
    ASSERT_EQ(RgbToHsl(nearWhite).luminance, 230);
    const Case cases[] = {
        {"red darkened to luminance 60 keeps hue and saturation", DarkenRgb(cl::clRed, 60), 0x000080},
        {"darkening below 0 gives black", DarkenRgb(0x00404040, 255), cl::clBlack},
        {"lightening past 240 caps every channel", LightenRgb(nearWhite, 40), cl::clWhite},
        {"a saturated colour lightened to 255 is white", LightenRgb(cl::clBlue, 135), cl::clWhite},
        {"lightening grey by 60", LightenRgb(cl::clGray, 60), 0x00BFBFBF},
        {"shade 0 keeps the colour", ShadeRgb(0x00123456, 0), 0x00123456},
        {"negative shade darkens", ShadeRgb(cl::clRed, -60), DarkenRgb(cl::clRed, 60)},
        {"positive shade lightens", ShadeRgb(cl::clGray, 60), LightenRgb(cl::clGray, 60)},
        {"a shade beyond a byte goes as far as a byte", ShadeRgb(cl::clGray, -1000), cl::clBlack},
    };
    for (const Case& c : cases) EXPECT_EQ(c.result, c.expected) << c.name;
}

TEST(ColorArithmeticTest, MixWeighsTheFirstColourByWeightOver255) {
    EXPECT_EQ(MixRgb(cl::clWhite, cl::clBlack, 255), cl::clWhite);
    EXPECT_EQ(MixRgb(cl::clWhite, cl::clBlack, 0), cl::clBlack);
    EXPECT_EQ(MixRgb(cl::clRed, cl::clBlue, 128), RgbOf(128, 0, 127));
    EXPECT_EQ(MixRgb(0x00FF8040, 0x00000000, 51), RgbOf(13, 26, 51));
}

TEST(ColorArithmeticTest, HuesTooCloseNeedsBothHueAndLuminanceNear) {
    EXPECT_TRUE(RgbHuesTooClose(cl::clRed, 0x000000E0));     // the same hue, a little darker
    EXPECT_FALSE(RgbHuesTooClose(cl::clRed, 0x00000040));    // the same hue, much darker
    EXPECT_FALSE(RgbHuesTooClose(cl::clRed, cl::clYellow));  // hues 40 apart
}

}  // namespace
