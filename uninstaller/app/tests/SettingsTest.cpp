#include "uninstaller/app/Gradient.h"
#include "uninstaller/app/Settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace {

using Section = std::map<std::string, std::string>;

bool ReadFromMap(void* context, const char* key, char* out, size_t size)
{
    const Section& section = *static_cast<const Section*>(context);
    auto found = section.find(key);
    if (found == section.end())
        return false;
    std::snprintf(out, size, "%s", found->second.c_str());
    return true;
}

Settings Read(const Section& section)
{
    Settings settings;
    ReadSettings(&settings, ReadFromMap, const_cast<Section*>(&section));
    return settings;
}

}  // namespace

TEST(Settings, IniIntegers)
{
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"12", 12}, {"  7", 7}, {"-3", -3}, {"+4", 4}, {"255 ; blue", 255},
        {"", 99}, {"abc", 99}, {"-", 99}, {"99999999999", 99},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseIniInteger(c.text, 99), c.expected);
    }
}

TEST(Settings, DefaultsWhenSectionIsEmpty)
{
    Settings s = Read({});
    EXPECT_EQ(s.startRed, 0);
    EXPECT_EQ(s.startGreen, 0);
    EXPECT_EQ(s.startBlue, 255);
    EXPECT_EQ(s.endRed, 0);
    EXPECT_EQ(s.endGreen, 0);
    EXPECT_EQ(s.endBlue, 0);
    EXPECT_TRUE(s.noBackground);
    EXPECT_STREQ(s.textFont, "");
    EXPECT_EQ(s.fontCharSet, 0);
    EXPECT_EQ(s.fontSize, 8);
    EXPECT_EQ(s.silentWaitSeconds, 60);
}

TEST(Settings, ValuesAreReadAndBounded)
{
    Settings s = Read({{"Start Red", "300"}, {"Start Green", "-5"}, {"Start Blue", "x"},
                       {"End Red", "10"}, {"No Background", "0"}, {"Text Font", "Tahoma"},
                       {"Font Character Set", "238"}, {"Font Character Size", "0"}});
    EXPECT_EQ(s.startRed, 255);
    EXPECT_EQ(s.startGreen, 0);
    EXPECT_EQ(s.startBlue, 255);
    EXPECT_EQ(s.endRed, 10);
    EXPECT_FALSE(s.noBackground);
    EXPECT_STREQ(s.textFont, "Tahoma");
    EXPECT_EQ(s.fontCharSet, 238);
    EXPECT_EQ(s.fontSize, 8);

    EXPECT_EQ(Read({{"Silent Wait Seconds", "5"}}).silentWaitSeconds, 5);
    EXPECT_EQ(Read({{"Silent Wait Seconds", "0"}}).silentWaitSeconds, 1);
    EXPECT_EQ(Read({{"Silent Wait Seconds", "99999"}}).silentWaitSeconds, 3600);

    // A face name too long for a font is not cut into another face's name.
    Settings longFace = Read({{"Text Font", std::string(40, 'F')}});
    EXPECT_STREQ(longFace.textFont, "");
}

TEST(Gradient, BandsRunFromStartToEnd)
{
    Settings s = Read({{"Start Red", "10"}, {"Start Green", "200"}, {"Start Blue", "255"},
                       {"End Red", "200"}, {"End Green", "10"}, {"End Blue", "0"}});
    Gradient g = MakeGradient(s);
    EXPECT_EQ(g.difference[0], 190);
    EXPECT_EQ(g.difference[1], -190);
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(GradientBandComponent(g, c, 0), g.start[c]);
        EXPECT_EQ(GradientBandComponent(g, c, kGradientBands - 1), g.start[c] + g.difference[c]);
    }
    // Integer division truncates toward zero on the way down as well.
    EXPECT_EQ(GradientBandComponent(g, 1, 1), 200 - 2);
    EXPECT_EQ(GradientBandComponent(g, 0, 1), 10 + 2);
}

TEST(Gradient, BandsCoverTheClientAreaWithoutGaps)
{
    for (int height : {0, 1, 95, 96, 480, 1023}) {
        SCOPED_TRACE(height);
        int top, bottom, previousBottom = 0;
        for (int band = 0; band < kGradientBands; ++band) {
            GradientBandSpan(band, height, &top, &bottom);
            EXPECT_EQ(top, band == 0 ? -1 : previousBottom);
            previousBottom = bottom;
        }
        EXPECT_EQ(previousBottom, height);
    }
}
