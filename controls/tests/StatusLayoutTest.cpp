// The geometry of the status bar, its panes and the progress bar, and the clock's date-time
// pictures.

#include <gtest/gtest.h>

#include <string>

#include "controls/basic/DateTimeText.h"
#include "controls/basic/ProgressBarLayout.h"
#include "controls/basic/StatusBarLayout.h"
#include "controls/basic/StatusPaneLayout.h"

namespace {

using cl::TRect;
using namespace mw;

TEST(StatusBarLayoutTest, ClientRectDependsOnTheThemeLibraryAndSimpleMode) {
    struct Case {
        const char* name;
        bool library, simple;
        TRect expected;
    };
    const TRect panel{0, 0, 300, 19};
    const Case cases[] = {
        {"no library: one pixel past left, right and bottom", false, false, {-1, 1, 301, 20}},
        {"no library, simple box", false, true, {0, 2, 300, 20}},
        {"library: unchanged", true, false, {0, 0, 300, 19}},
        {"library, simple box one pixel in", true, true, {1, 1, 299, 19}},
    };
    for (const Case& c : cases) EXPECT_EQ(StatusBarClientRect(panel, c.library, c.simple), c.expected) << c.name;
}

TEST(StatusBarLayoutTest, GripIsHitInTheLastThirteenPixelsAndPassedOnInTheLastTwelve) {
    EXPECT_EQ(SizeGripHitRect(300, 19), (TRect{287, 0, 300, 19}));
    struct Case {
        int x;
        bool inStrip;
    };
    for (const Case& c : {Case{287, false}, Case{288, true}, Case{299, true}, Case{300, false}})
        EXPECT_EQ(InSizeGripStrip(c.x, 300), c.inStrip) << c.x;
    EXPECT_EQ(ThemedGripRect({0, 0, 300, 18}), (TRect{280, 0, 300, 18}));
}

TEST(StatusBarLayoutTest, GripDotsFormATriangleWithShadowsUpAndLeftOfTheHighlights) {
    const std::vector<TGripDot> dots = SizeGripDots({0, 0, 100, 18});
    ASSERT_EQ(dots.size(), 12u);
    // Highlights with the corner at (99, 18): three dots in the right column, two, then one.
    const TRect highlights[] = {{95, 6, 97, 8}, {95, 10, 97, 12}, {95, 14, 97, 16},
                                {91, 10, 93, 12}, {91, 14, 93, 16}, {87, 14, 89, 16}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(dots[i].highlight);
        EXPECT_EQ(dots[i].rect, highlights[i]) << i;
        const TRect& h = highlights[i];
        EXPECT_FALSE(dots[i + 6].highlight);
        EXPECT_EQ(dots[i + 6].rect, (TRect{h.left - 1, h.top - 1, h.right - 1, h.bottom - 1})) << i;
    }
}

TEST(StatusBarLayoutTest, PanesTakeTheirShareOfAWidthChangeWithHalvesToEven) {
    struct Case {
        int pane, change, previous, expected;
    };
    const Case cases[] = {
        {100, 100, 400, 125},  // a quarter of the bar gets a quarter of the change
        {100, -100, 400, 75},
        {10, 2, 40, 10},   // 0.5 rounds to 0
        {10, 6, 40, 12},   // 1.5 rounds to 2
        {10, 10, 40, 12},  // 2.5 rounds to 2
        {0, 50, 400, 0},
        {100, 80, 0, 100},  // no previous width: nothing to scale by
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaledPaneWidth(c.pane, c.change, c.previous), c.expected) << c.pane << " " << c.change << " " << c.previous;
}

TEST(ProgressBarLayoutTest, PartsGiveTheNearestPercentWithHalvesToEven) {
    struct Case {
        unsigned parts, total;
        int percent;
    };
    const Case cases[] = {{1, 8, 12}, {3, 8, 38}, {5, 8, 62}, {1, 3, 33}, {2, 3, 67}, {0, 7, 0}, {10, 10, 100},
                          {2147483647u, 2147483647u, 100}};
    for (const Case& c : cases) EXPECT_EQ(PercentOfParts(c.parts, c.total), c.percent) << c.parts << "/" << c.total;
}

TEST(ProgressBarLayoutTest, OrientationFollowsTheShape) {
    EXPECT_EQ(OrientationForShape(200, 24), TOrientation::Horizontal);
    EXPECT_EQ(OrientationForShape(24, 200), TOrientation::Vertical);
    EXPECT_EQ(OrientationForShape(30, 30), TOrientation::Horizontal);
}

TEST(ProgressBarLayoutTest, ThemedFrameAndBarRectangles) {
    struct Case {
        const char* name;
        bool onStatusBar, themeAware;
        TBarStyle style;
        int offset;
        bool drawFrame;
        TRect frame, bar;
    };
    const TRect client{0, 0, 100, 20};
    const Case cases[] = {
        {"status bar, plain", true, true, TBarStyle::Traditional, 0, true, {3, 2, 97, 18}, {6, 5, 94, 15}},
        {"status bar, LED", true, true, TBarStyle::LED, 1, true, {3, 2, 97, 18}, {5, 4, 95, 16}},
        {"status bar, not theme-aware: no frame", true, false, TBarStyle::Traditional, 2, false, {}, {7, 6, 93, 14}},
        {"elsewhere, plain", false, false, TBarStyle::Traditional, 0, true, {0, 0, 100, 20}, {3, 3, 97, 17}},
        {"elsewhere, LED theme-aware", false, true, TBarStyle::LED, 1, true, {0, 0, 100, 20}, {2, 2, 98, 18}},
        {"elsewhere, LED classic chunks", false, false, TBarStyle::LED, 1, true, {0, 0, 100, 20}, {3, 3, 97, 17}},
    };
    for (const Case& c : cases) {
        const TThemedProgressRects rects = ThemedProgressRects(client, c.onStatusBar, c.themeAware, c.style, c.offset);
        EXPECT_EQ(rects.drawFrame, c.drawFrame) << c.name;
        if (c.drawFrame) {
            EXPECT_EQ(rects.frame, c.frame) << c.name;
        }
        EXPECT_EQ(rects.bar, c.bar) << c.name;
    }
}

TEST(StatusPaneLayoutTest, TextInsetAndAutoWidth) {
    struct Case {
        TFrameStyle style;
        int inset;
    };
    for (const Case& c : {Case{TFrameStyle::Flat, 2}, Case{TFrameStyle::Status, 2}, Case{TFrameStyle::Popup, 2},
                          Case{TFrameStyle::None, 1}, Case{TFrameStyle::FlatBold, 1}, Case{TFrameStyle::Lowered, 3},
                          Case{TFrameStyle::Groove, 3}})
        EXPECT_EQ(PaneTextInset(c.style, 1), c.inset) << static_cast<int>(c.style);

    EXPECT_EQ(PaneAutoWidth(true, 50, 1, 2, 40), 60);
    EXPECT_EQ(PaneAutoWidth(false, 0, 1, 2, 40), 40);
}

TEST(StatusPaneLayoutTest, OpenCornerBoxLeavesTheCornerPixelsOut) {
    const auto lines = OpenCornerBoxLines({2, 3, 12, 10});
    EXPECT_EQ(lines[0], (TRect{2, 4, 3, 9}));
    EXPECT_EQ(lines[1], (TRect{3, 3, 11, 4}));
    EXPECT_EQ(lines[2], (TRect{11, 4, 12, 9}));
    EXPECT_EQ(lines[3], (TRect{3, 9, 11, 10}));
}

TDateTimeLocale TestLocale() {
    TDateTimeLocale l;
    l.shortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    l.longMonthNames = {"January", "February", "March", "April", "May", "June",
                        "July", "August", "September", "October", "November", "December"};
    l.shortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    l.longDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    l.dateSeparator = ".";
    l.timeSeparator = "h";
    l.amText = "vorm";
    l.pmText = "nachm";
    l.shortDate = [](const TDateTimeParts&) { return std::string("SD"); };
    l.longDate = [](const TDateTimeParts&) { return std::string("LD"); };
    l.shortTime = [](const TDateTimeParts&) { return std::string("ST"); };
    l.longTime = [](const TDateTimeParts&) { return std::string("LT"); };
    return l;
}

TEST(DateTimeTextTest, PicturesFollowTheSpecifiers) {
    const TDateTimeLocale locale = TestLocale();
    const TDateTimeParts afternoon{2024, 2, 9, 5, 13, 5, 7, 42};  // Friday 9 February 2024, 13:05:07.042
    const TDateTimeParts midnight{2003, 11, 30, 0, 0, 0, 0, 0};
    struct Case {
        const char* format;
        const TDateTimeParts& time;
        const char* expected;
    };
    const Case cases[] = {
        {"c", afternoon, "SD LT"},
        {"d dd ddd dddd ddddd dddddd", afternoon, "9 09 Fri Friday SD LD"},
        {"m mm mmm mmmm", afternoon, "2 02 Feb February"},
        {"yy yyyy y", afternoon, "24 2024 24"},
        {"hh:mm:ss", afternoon, "13h05h07"},      // m after an hour is minutes
        {"H:N:S z zzz", afternoon, "13h5h7 42 042"},
        {"h:nn am/pm", afternoon, "1h05 pm"},
        {"hh:nn AM/PM", midnight, "12h00 AM"},
        {"h a/p", afternoon, "1 p"},
        {"h ampm", midnight, "12 vorm"},
        {"t tt", afternoon, "ST LT"},
        {"dd/mm/yyyy", midnight, "30.11.2003"},
        {"'d' \"mm\" d", afternoon, "d mm 9"},
        {"[hh]", afternoon, "[13]"},
        {"'unclosed", afternoon, "unclosed"},
        {"hh 'am/pm'", afternoon, "13 am/pm"},  // a quoted specifier is text and keeps the 24-hour clock
    };
    for (const Case& c : cases) EXPECT_EQ(FormatDateTimeText(c.format, c.time, locale), c.expected) << c.format;
}

}  // namespace
