// The tab strip's geometry: tab sizes, rows, scrolling and where tabs, cards and buttons go on
// each side. Captions are measured with a stand-in font: 7 pixels a character, 13 high.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/navigation/TabStrip.h"

using cl::TRect;
using mw::TTabStrip;

namespace {

mw::TTabMetrics Metrics() {
    mw::TTabMetrics metrics;
    metrics.measure = [](const std::string& line, bool bold) {
        return mw::TTabExtent{static_cast<int>(line.size()) * (bold ? 8 : 7), 13};
    };
    metrics.fontHeight = 13;
    return metrics;
}

class TabStripTest : public ::testing::Test {
protected:
    void SetTabs(std::initializer_list<const char*> captions) {
        tabs.Clear();
        for (const char* caption : captions) tabs.Add().caption = caption;
    }
    void Layout(int width = 300, int height = 150) {
        strip.SetSize(width, height);
        strip.Layout(Metrics());
    }
    TRect Mapped(int index, bool current = false) { return strip.MapRect(strip.WorkingRect(index, current)); }

    TMwTabDataList tabs;
    TTabStrip strip{tabs};
};

TEST_F(TabStripTest, SizesSingleSlantedTabsAlongTheTopAndOverlapsThemByHalfTheirDepth) {
    // "Code": 2 (image margin) + 28 wide, 13 high; a tab adds 6 + 2 x slant(19) = 24.
    SetTabs({"Code", "Graphic", "X"});
    Layout();
    EXPECT_EQ(strip.FixedDimension(), 19);
    EXPECT_EQ(strip.Rows(), 1);
    EXPECT_FALSE(strip.Scrolling());
    EXPECT_EQ(strip.FirstShown(), 0);
    EXPECT_EQ(tabs[0].rect, (TRect{0, 0, 54, 19}));
    EXPECT_EQ(tabs[1].rect, (TRect{46, 0, 121, 19}));  // overlaps by 19 div 2 - 1
    EXPECT_EQ(tabs[2].rect, (TRect{113, 0, 146, 19}));
    EXPECT_EQ(strip.TabArea(), (TRect{0, 0, 297, 19}));  // two pixels short of the shadow
    EXPECT_EQ(strip.CardRect(0), (TRect{0, 19, 299, 149}));
    EXPECT_EQ(strip.DisplayRect(), (TRect{1, 20, 297, 147}));
}

TEST_F(TabStripTest, NeighboursOverlapOrKeepApartByStyle) {
    struct Case {
        TMwTabStyle style;
        int depth;
        int secondLeftMinusFirstRight;
    };
    const Case cases[] = {
        {TMwTabStyle::SingleSlant, 19, -8},   // FD div 2 - 1
        {TMwTabStyle::DoubleSlant, 19, -18},  // FD - 1
        {TMwTabStyle::CutCorner, 20, 2},
        {TMwTabStyle::RoundCorners, 19, 2},
    };
    for (const Case& c : cases) {
        SetTabs({"Code", "Graphic"});
        strip.settings.style = c.style;
        Layout();
        EXPECT_EQ(strip.FixedDimension(), c.depth) << static_cast<int>(c.style);
        EXPECT_EQ(tabs[1].rect.left - tabs[0].rect.right, c.secondLeftMinusFirstRight) << static_cast<int>(c.style);
    }
}

TEST_F(TabStripTest, AFixedTabWidthOrHeightReplacesTheMeasuredOne) {
    SetTabs({"Code", "A much longer caption", ""});
    strip.settings.tabWidth = 80;
    strip.settings.tabHeight = 25;
    Layout();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(tabs[i].rect.Width(), 80) << i;
        EXPECT_EQ(tabs[i].rect.Height(), 25) << i;
    }
    EXPECT_EQ(strip.FixedDimension(), 25);
}

TEST_F(TabStripTest, MapsTheFirstTabToEachSideAndSequence) {
    // One 54 x 19 tab on top (36 x 55 on a side) in a 300 x 150 control without a shadow.
    struct Case {
        TMwTabOrientation side;
        TMwTabSequence sequence;
        TRect mapped;
    };
    const Case cases[] = {
        {TMwTabOrientation::Top, TMwTabSequence::Standard, {0, 0, 54, 19}},
        {TMwTabOrientation::Top, TMwTabSequence::Reverse, {245, 0, 299, 19}},
        {TMwTabOrientation::Bottom, TMwTabSequence::Standard, {0, 130, 54, 149}},
        {TMwTabOrientation::Bottom, TMwTabSequence::Reverse, {245, 130, 299, 149}},
        {TMwTabOrientation::Left, TMwTabSequence::Standard, {0, 94, 36, 149}},
        {TMwTabOrientation::Left, TMwTabSequence::Reverse, {0, 0, 36, 55}},
        {TMwTabOrientation::Right, TMwTabSequence::Standard, {263, 0, 299, 55}},
        {TMwTabOrientation::Right, TMwTabSequence::Reverse, {263, 94, 299, 149}},
    };
    for (const Case& c : cases) {
        SetTabs({"Code"});
        strip.settings.showShadow = false;
        strip.settings.side = c.side;
        strip.settings.sequence = c.sequence;
        Layout();
        EXPECT_EQ(Mapped(0), c.mapped) << static_cast<int>(c.side) << "/" << static_cast<int>(c.sequence);
    }
}

TEST_F(TabStripTest, ReverseTabsRunFromTheFarEnd) {
    SetTabs({"Code", "Graphic", "X"});
    strip.settings.sequence = TMwTabSequence::Reverse;
    Layout();
    EXPECT_EQ(Mapped(0), (TRect{243, 0, 297, 19}));
    EXPECT_EQ(Mapped(1), (TRect{176, 0, 251, 19}));
    EXPECT_EQ(Mapped(2), (TRect{151, 0, 184, 19}));
}

TEST_F(TabStripTest, TheCurrentRoundCorneredTabStandsOutOfItsRow) {
    SetTabs({"Code"});
    strip.settings.style = TMwTabStyle::RoundCorners;
    Layout();
    EXPECT_EQ(strip.Depth(), 22);  // three pixels more for the raised current tab
    EXPECT_EQ(Mapped(0), (TRect{2, 3, 48, 22}));
    EXPECT_EQ(Mapped(0, true), (TRect{0, 1, 50, 22}));
}

TEST_F(TabStripTest, BreaksIntoRowsAndIndentsTheCards) {
    SetTabs({"a", "b", "c", "d", "e"});
    strip.settings.multiLine = true;
    strip.settings.tabWidth = 80;
    Layout(200, 150);
    ASSERT_EQ(strip.Rows(), 3);
    const std::vector<int> rows{0, 0, 1, 1, 2};
    const std::vector<TRect> rects{{0, 28, 80, 47}, {72, 28, 152, 47}, {0, 14, 80, 33}, {72, 14, 152, 33}, {0, 0, 80, 19}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tabs[i].row, rows[static_cast<size_t>(i)]) << i;
        EXPECT_EQ(tabs[i].rect, rects[static_cast<size_t>(i)]) << i;
    }
    EXPECT_EQ(Mapped(2), (TRect{5, 14, 85, 33}));  // one row indent further along
    EXPECT_EQ(strip.CardRect(0), (TRect{0, 47, 189, 149}));
    EXPECT_EQ(strip.CardRect(1), (TRect{5, 33, 194, 135}));
    EXPECT_EQ(strip.CardRect(2), (TRect{10, 19, 199, 121}));
}

TEST_F(TabStripTest, SelectingATabInTheBackRowTurnsTheRowsRound) {
    SetTabs({"a", "b", "c", "d", "e"});
    strip.settings.multiLine = true;
    strip.settings.tabWidth = 80;
    Layout(200, 150);
    strip.RotateRows(4);
    // The back row comes to the card; every other row moves one further out.
    const std::vector<int> rows{1, 1, 2, 2, 0};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(tabs[i].row, rows[static_cast<size_t>(i)]) << i;
    EXPECT_EQ(tabs[4].rect, (TRect{0, 28, 80, 47}));
    EXPECT_EQ(tabs[0].rect, (TRect{0, 14, 80, 33}));
    EXPECT_EQ(tabs[2].rect, (TRect{0, 0, 80, 19}));
}

TEST_F(TabStripTest, AlignedRowsShareOutTheRoomThatIsLeft) {
    SetTabs({"AAAAAAAAAA", "AAAAAAAAAA", "AAAAAAAAAA"});  // 96 wide each
    strip.settings.multiLine = true;
    strip.settings.alignTabs = true;
    Layout(200, 150);
    ASSERT_EQ(strip.Rows(), 2);
    EXPECT_EQ(tabs[0].rect, (TRect{0, 14, 100, 33}));
    EXPECT_EQ(tabs[1].rect, (TRect{92, 14, 192, 33}));
    EXPECT_EQ(tabs[2].rect, (TRect{0, 0, 192, 19}));
}

TEST_F(TabStripTest, ATabTooLongForAnyRowKeepsARowToItselfCutToTheRoom) {
    SetTabs({"AAAAAAAAAA", std::string(40, 'A').c_str()});
    strip.settings.multiLine = true;
    Layout(200, 150);
    EXPECT_EQ(strip.Rows(), 2);
    EXPECT_EQ(tabs[0].rect, (TRect{0, 14, 96, 33}));
    EXPECT_EQ(tabs[1].rect, (TRect{0, 0, 192, 19}));
}

TEST_F(TabStripTest, ARowCountWalkEndsForAnyTabLengths) {
    for (int width : {1, 10, 40, 120}) {
        SetTabs({"A", std::string(30, 'A').c_str(), "AAAA", std::string(60, 'A').c_str(), "A", "AA"});
        strip.settings.multiLine = true;
        strip.settings.rowIndent = width % 3;
        Layout(width, 150);
        EXPECT_GE(strip.Rows(), 1) << width;
    }
}

TEST_F(TabStripTest, ASingleRowThatDoesNotFitScrollsTabByTab) {
    // 137 pixels of strip; the tabs end at 146, and the scroller leaves 103 for the tabs shown.
    SetTabs({"Code", "Graphic", "X"});
    Layout(140, 150);
    ASSERT_TRUE(strip.Scrolling());
    EXPECT_EQ(strip.FirstShown(), 0);
    EXPECT_TRUE(strip.IsShown(0));
    EXPECT_FALSE(strip.IsShown(1));
    EXPECT_EQ(strip.ScrollerBounds(), TRect::FromBounds(103, 0, 33, 17));
    EXPECT_TRUE(strip.UpRightScrollsTowardEnd());

    EXPECT_TRUE(strip.ScrollTowardEnd());
    EXPECT_EQ(strip.FirstShown(), 1);
    EXPECT_EQ(Mapped(1), (TRect{0, 0, 75, 19}));
    EXPECT_TRUE(strip.IsShown(2));
    EXPECT_FALSE(strip.ScrollTowardEnd());  // the last tab is shown
    EXPECT_TRUE(strip.ScrollTowardStart());
    EXPECT_EQ(strip.FirstShown(), 0);
    EXPECT_FALSE(strip.ScrollTowardStart());

    EXPECT_TRUE(strip.ScrollIntoView(2));
    EXPECT_EQ(strip.FirstShown(), 1);
    // A new layout keeps the strip where it was while that tab is still shown from there.
    Layout(140, 150);
    EXPECT_EQ(strip.FirstShown(), 1);
    EXPECT_TRUE(strip.ScrollIntoView(0));
    EXPECT_EQ(strip.FirstShown(), 0);

    Layout(300, 150);  // room for every tab: no scrolling, from the first tab
    EXPECT_FALSE(strip.Scrolling());
    EXPECT_EQ(strip.FirstShown(), 0);
    EXPECT_FALSE(strip.ScrollerNeeded());
}

TEST_F(TabStripTest, TheArrowsScrollTheOtherWayOnTheRightAndInReverse) {
    struct Case {
        TMwTabOrientation side;
        TMwTabSequence sequence;
        bool upRightTowardEnd;
    };
    const Case cases[] = {
        {TMwTabOrientation::Top, TMwTabSequence::Standard, true},   {TMwTabOrientation::Top, TMwTabSequence::Reverse, false},
        {TMwTabOrientation::Left, TMwTabSequence::Standard, true},  {TMwTabOrientation::Bottom, TMwTabSequence::Reverse, false},
        {TMwTabOrientation::Right, TMwTabSequence::Standard, false}, {TMwTabOrientation::Right, TMwTabSequence::Reverse, true},
    };
    for (const Case& c : cases) {
        strip.settings.side = c.side;
        strip.settings.sequence = c.sequence;
        EXPECT_EQ(strip.UpRightScrollsTowardEnd(), c.upRightTowardEnd) << static_cast<int>(c.side);
    }
}

TEST_F(TabStripTest, TheCloseButtonTakesRoomBeforeTheScroller) {
    SetTabs({"Code", "Graphic", "X"});
    strip.settings.showCloseButton = true;
    Layout(140, 150);
    ASSERT_TRUE(strip.Scrolling());
    EXPECT_EQ(strip.CloseButtonSize(), 17);
    EXPECT_EQ(strip.CloseButtonBounds(), TRect::FromBounds(119, 0, 17, 17));
    EXPECT_EQ(strip.ScrollerBounds(), TRect::FromBounds(84, 0, 33, 17));

    SetTabs({});
    Layout(140, 150);
    EXPECT_EQ(strip.CloseButtonSize(), 0);  // nothing to close
}

TEST_F(TabStripTest, InvisibleTabsTakeNoRoomAndAreNeverShown) {
    SetTabs({"Code", "Graphic", "X"});
    tabs[0].visible = false;
    Layout();
    EXPECT_EQ(strip.FirstShown(), 1);
    EXPECT_EQ(tabs[1].rect, (TRect{0, 0, 75, 19}));
    EXPECT_FALSE(strip.IsShown(0));
}

TEST_F(TabStripTest, WithoutTabsTheCardFillsTheControl) {
    struct Case {
        bool cardFrame, fullFrame, shadow, hasCard;
        TRect display;
    };
    const Case cases[] = {
        {true, true, true, true, {1, 1, 297, 147}},
        {true, true, false, true, {1, 1, 299, 149}},
        {true, false, false, true, {0, 1, 300, 150}},
        {false, false, false, true, {0, 0, 300, 150}},
        {true, true, true, false, {-2, -2, -1, -1}},
    };
    for (const Case& c : cases) {
        SetTabs({});
        strip.settings.showCardFrame = c.cardFrame;
        strip.settings.showFullFrame = c.fullFrame;
        strip.settings.showShadow = c.shadow;
        strip.settings.hasCard = c.hasCard;
        Layout();
        EXPECT_EQ(strip.FirstShown(), -1);
        EXPECT_EQ(strip.DisplayRect(), c.display) << c.cardFrame << c.fullFrame << c.shadow << c.hasCard;
        if (c.hasCard) {
            EXPECT_EQ(strip.CardRect(0), (TRect{0, 0, 299, 149}));
        }
    }
}

TEST_F(TabStripTest, VerticalTextStandsTheCaptionOnItsSide) {
    // Turned, "Code" is 13 wide and 28 long; two lines stand side by side.
    EXPECT_EQ(mw::CaptionExtent("Code", true, false, Metrics().measure), (mw::TTabExtent{13, 28}));
    EXPECT_EQ(mw::CaptionExtent("Code\r\nGraphic", true, false, Metrics().measure), (mw::TTabExtent{26, 49}));
    EXPECT_EQ(mw::CaptionExtent("Code\r\nGraphic", false, false, Metrics().measure), (mw::TTabExtent{49, 26}));
    EXPECT_EQ(mw::CaptionExtent("&Code", false, true, Metrics().measure), (mw::TTabExtent{32, 13}));

    SetTabs({"Code"});
    strip.settings.verticalText = true;
    Layout();
    // Content (2 + 13) x 28 makes a 15 + 6 + 2 x slant(34) wide, 34 high tab.
    EXPECT_EQ(tabs[0].rect, (TRect{0, 0, 55, 34}));
    EXPECT_EQ(strip.ButtonSize(), 32);  // at least FD - 2

    // A short caption makes a shallow strip: then a line of the font decides, not its turned width.
    SetTabs({"A"});
    Layout();
    EXPECT_EQ(strip.FixedDimension(), 13);
    EXPECT_EQ(strip.ButtonSize(), 13 + 4 + 2);
}

}  // namespace
