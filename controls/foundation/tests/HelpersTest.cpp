// The arrows drawn in their colours, rotated fonts, and the work area.

#include <gtest/gtest.h>

#include <windows.h>

#include "classlib/win/Canvas.h"
#include "controls/foundation/DropDownArrows.h"
#include "controls/foundation/FontUtils.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/MwThemeSrv.h"
#include "controls/foundation/WorkArea.h"

namespace {

using namespace mw;

TEST(DropDownArrowTest, TheArrowColourFollowsTheStateAndTheLook) {
    struct Case {
        const char* name;
        bool themedLook, enabled;
        cl::TColor color;
    };
    // Without an active visual style the themed button draws nothing, and its stand-in colour
    // would not stand out on the window colour.
    ASSERT_FALSE(ThemeServices().ThemesEnabled());
    const Case cases[] = {
        {"classic", false, true, cl::clBlack},
        {"disabled", false, false, cl::clBtnShadow},
        {"themed look without a theme", true, true, cl::cl3DDkShadow},
    };
    for (const Case& c : cases) {
        TMemoryBitmap bitmap(nullptr, 16, 20);
        FillSolid(bitmap.DC(), {0, 0, 16, 20}, cl::clWhite);
        cl::TCanvas canvas(bitmap.DC());
        DrawSpinArrow(canvas, {0, 0, 16, 20}, c.themedLook, c.enabled, false);
        EXPECT_EQ(GetPixel(bitmap.DC(), 8, c.themedLook ? 11 : 8), cl::ColorToRGB(c.color)) << c.name;
        EXPECT_EQ(GetPixel(bitmap.DC(), 1, 1), RGB(255, 255, 255)) << c.name;
    }
    TMemoryBitmap left(nullptr, 16, 20);
    FillSolid(left.DC(), {0, 0, 16, 20}, cl::clWhite);
    cl::TCanvas canvas(left.DC());
    DrawDropDownArrow(canvas, {0, 0, 16, 20}, false, true, false, TArrowDirection::Left);
    EXPECT_EQ(GetPixel(left.DC(), 9, 11), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(left.DC(), 5, 11), RGB(255, 255, 255));
}

TEST(FontUtilsTest, RotatedFontsKeepTheFontAndTurnByTheAngle) {
    cl::TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-13);
    font.SetStyle(cl::fsBold | cl::fsItalic);
    const cl::TFontHandle rotated = CreateRotatedFont(font, 90);
    LOGFONTA log{};
    ASSERT_TRUE(GetObjectA(rotated.Get(), sizeof(log), &log));
    EXPECT_EQ(log.lfEscapement, 900);
    EXPECT_EQ(log.lfHeight, -13);
    EXPECT_EQ(log.lfWeight, FW_BOLD);
    EXPECT_TRUE(log.lfItalic);
    EXPECT_STREQ(log.lfFaceName, "Tahoma");
    EXPECT_TRUE(IsTrueTypeFont(font));
    EXPECT_GE(GetMinFontHeight(font), 15);
}

TEST(WorkAreaTest, TheWorkAreaLiesOnItsMonitor) {
    const cl::TRect area = GetWorkArea(GetDesktopWindow());
    const cl::TRect bounds = GetMonitorBoundsRect(MonitorFromWindow(GetDesktopWindow(), MONITOR_DEFAULTTONEAREST));
    EXPECT_GT(area.Width(), 0);
    EXPECT_GT(area.Height(), 0);
    EXPECT_GE(area.left, bounds.left);
    EXPECT_LE(area.right, bounds.right);
    EXPECT_EQ(GetWorkAreaWidth(GetDesktopWindow()), area.Width());
}

}  // namespace
