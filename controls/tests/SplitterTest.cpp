// The splitter driven the way a user drives it: the bar dragged and the hot spot clicked by
// mouse messages, resizes by the rules of its fixed pane, its bar and hot spot painted into a
// memory bitmap, and its cursors taken from the program's resources.

#include <gtest/gtest.h>

#include <windows.h>

#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/Canvas.h"
#include "controls/basic/MwPanel.h"
#include "controls/navigation/MwSplitter.h"
#include "controls/tests/PaintSurface.h"

namespace {

using cl::TPoint;
using cl::TRect;

class SplitterTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(100, 100, 500, 400);
        splitter = new TMwSplitter(form);
        splitter->SetParent(form);
        splitter->SetBounds(0, 0, 200, 200);
        form->Show();
    }

    // Upper and lower panes, the bar at 100 and 7 pixels thick with its hot spot from x 60 to 140.
    void MakeVerticalWithHotSpot(THotSpotDirection direction) {
        splitter->SetOrientation(TOrientation::Vertical);
        splitter->SetHotSpotVisible(true);
        splitter->SetHotSpotDirection(direction);
        splitter->SetPosition(100);
    }

    void Press(TPoint p) { SendMessageA(splitter->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
    void MoveTo(TPoint p) { SendMessageA(splitter->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
    void Release(TPoint p) { SendMessageA(splitter->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y)); }
    void Click(TPoint p) {
        Press(p);
        Release(p);
    }
    void Drag(TPoint from, TPoint to) {
        Press(from);
        MoveTo(to);
        Release(to);
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    TMwSplitter* splitter = nullptr;
};

TEST_F(SplitterTest, ShowingAControlInAHiddenPaneShowsThePane) {
    splitter->SetPosition(80);
    auto* inner = new TMwPanel(form);
    inner->SetParent(splitter->LowerRightPane());
    for (const bool innerHidden : {true, false}) {
        splitter->LowerRight()->SetVisible(false);
        ASSERT_EQ(splitter->UpperLeftPane()->Width(), 200) << "the lone pane takes the whole splitter";
        inner->SetVisible(!innerHidden);
        inner->Show();
        EXPECT_TRUE(splitter->LowerRightPane()->Visible()) << innerHidden;
        EXPECT_TRUE(inner->Showing()) << innerHidden;
        EXPECT_EQ(splitter->UpperLeftPane()->Width(), 80) << "laid out again";
        EXPECT_EQ(splitter->LowerRightPane()->Left(), 80 + splitter->SplitterWidth());
    }
}

// A control whose paints are counted by where they went: to the window or off-screen.
class TCountedSplitter : public TMwSplitter {
public:
    using TMwSplitter::TMwSplitter;
    int paints = 0, offScreen = 0;

protected:
    void Paint(cl::TCanvas& canvas) override {
        ++paints;
        if (GetObjectType(canvas.Handle()) == OBJ_MEMDC) ++offScreen;
        TMwSplitter::Paint(canvas);
    }
};

TEST_F(SplitterTest, ADoubleBufferedSplitterPaintsOffScreen) {
    auto* counted = new TCountedSplitter(form);
    counted->SetParent(form);
    counted->SetBounds(250, 0, 200, 200);
    counted->SetSplitterStyle(TSplitterStyle::Groove);
    for (const bool buffered : {false, true}) {
        counted->SetDoubleBuffered(buffered);
        counted->paints = counted->offScreen = 0;
        counted->Repaint();
        EXPECT_GT(counted->paints, 0);
        EXPECT_EQ(counted->offScreen, buffered ? counted->paints : 0);
        // The bar's grooves reach the window all the same.
        HDC dc = GetDC(counted->Handle());
        const cl::TRect bar = counted->BarRect();
        int shadows = 0;
        for (int x = bar.left; x < bar.right; ++x) shadows += GetPixel(dc, x, 50) == cl::ColorToRGB(cl::clBtnShadow) ? 1 : 0;
        ReleaseDC(counted->Handle(), dc);
        EXPECT_GT(shadows, 0) << buffered;
    }
}

TEST_F(SplitterTest, ResizeKeepsTheFixedPaneOrTheProportion) {
    // Left and right panes, 200 wide with a 4-pixel bar.
    splitter->SetPosition(150);
    splitter->SetWidth(300);
    EXPECT_EQ(splitter->Position(), 150) << "the upper-left pane keeps its size";

    splitter->SetFixedPane(TFixedPane::LowerRight);
    splitter->SetWidth(400);
    EXPECT_EQ(splitter->Position(), 250);
    EXPECT_EQ(splitter->LowerRightPane()->Width(), 146) << "the lower-right pane keeps its size";

    splitter->SetPercent(25);  // turns UsePercent on, and with it the upper-left pane fixed
    EXPECT_TRUE(splitter->UsePercent());
    EXPECT_EQ(splitter->FixedPane(), TFixedPane::UpperLeft);
    EXPECT_EQ(splitter->Position(), 100);  // 25 % of 398 is 99.5, rounded to even
    splitter->SetWidth(802);
    EXPECT_EQ(splitter->Position(), 200);
    EXPECT_EQ(splitter->Percent(), 25);
}

TEST_F(SplitterTest, HotSpotClosesTowardItsDirectionAndReopensWhereTheBarWas) {
    struct Case {
        const char* name;
        THotSpotDirection direction;
        bool ignoreMargins;
        TPoint click;  // on the hot spot
        int closed;    // the position after the first click
    };
    const Case cases[] = {
        {"toward the end, margins ignored", THotSpotDirection::Max, true, {120, 103}, 200 - 7},
        {"toward the end, within the margin", THotSpotDirection::Max, false, {120, 103}, 200 - 30 - 7},
        {"toward the start", THotSpotDirection::Min, true, {120, 103}, 0},
        {"both ways, first half", THotSpotDirection::Both, true, {80, 103}, 0},
        {"both ways, second half", THotSpotDirection::Both, true, {120, 103}, 200 - 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        splitter->ResetHotSpot();
        MakeVerticalWithHotSpot(c.direction);
        splitter->SetMarginMin(20);
        splitter->SetMarginMax(30);
        splitter->SetHotSpotIgnoreMargins(c.ignoreMargins);
        int clicks = 0;
        splitter->OnHotSpotClick = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { ++clicks; });

        Click(c.click);
        EXPECT_TRUE(splitter->HotSpotClosed());
        EXPECT_EQ(splitter->Position(), c.closed);
        EXPECT_EQ(clicks, 1);

        // The bar moved: so did the hot spot.
        const int y = splitter->Position() + 3;
        Click({c.click.x, y});
        EXPECT_FALSE(splitter->HotSpotClosed());
        EXPECT_EQ(splitter->Position(), 100);
        EXPECT_EQ(clicks, 2);
    }
}

TEST_F(SplitterTest, DraggingAClosedBarOpensItAndLaterResizesFollowThePercent) {
    MakeVerticalWithHotSpot(THotSpotDirection::Max);
    splitter->SetPercent(50);
    Click({120, splitter->Position() + 3});
    ASSERT_EQ(splitter->Position(), 193);

    // Beside the hot spot, dragged up 50 pixels, with a ghost bar until the release.
    Press({20, 196});
    MoveTo({20, 146});
    EXPECT_EQ(splitter->Position(), 193);
    EXPECT_FALSE(splitter->HotSpotClosed());
    Release({20, 146});
    EXPECT_EQ(splitter->Position(), 143);
    EXPECT_EQ(splitter->Percent(), 73);  // 143 of 197

    splitter->SetHeight(300);
    EXPECT_EQ(splitter->Position(), 217);  // 73 % of 297 is 216.81
}

TEST_F(SplitterTest, ALockedBarOrAVetoedMoveLeavesTheBar) {
    MakeVerticalWithHotSpot(THotSpotDirection::Max);
    splitter->SetRealTimeDrag(true);
    splitter->SetLockBar(true);
    Drag({20, 103}, {20, 50});
    EXPECT_EQ(splitter->Position(), 100);
    Click({120, 103});  // the hot spot still works
    EXPECT_EQ(splitter->Position(), 193);
    Click({120, 196});
    EXPECT_EQ(splitter->Position(), 100);

    splitter->SetLockBar(false);
    int changes = 0;
    splitter->OnChange = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { ++changes; });
    splitter->OnChanging = TPositionChangingEvent::FromFunction([](cl::TObject*, int newPos, bool& allow) { allow = newPos > 80; });
    Drag({20, 103}, {20, 53});
    EXPECT_EQ(splitter->Position(), 100);
    EXPECT_EQ(changes, 0);
    Drag({20, 103}, {20, 93});
    EXPECT_EQ(splitter->Position(), 90);
    EXPECT_EQ(splitter->UpperLeftPane()->Height(), 90);
}

TEST_F(SplitterTest, HotSpotAndGroovedStylesWidenANarrowBar) {
    struct Case {
        int width;
        bool hotSpot;
        TSplitterStyle style;
        int expected;
    };
    const Case cases[] = {
        {4, true, TSplitterStyle::Standard, 7},
        {4, false, TSplitterStyle::Groove, 6},
        {4, false, TSplitterStyle::Bump, 6},
        {8, true, TSplitterStyle::Bump, 8},
        {4, false, TSplitterStyle::Standard, 4},
    };
    for (const Case& c : cases) {
        splitter->SetHotSpotVisible(false);
        splitter->SetSplitterStyle(TSplitterStyle::Standard);
        splitter->SetSplitterWidth(c.width);
        splitter->SetSplitterStyle(c.style);
        splitter->SetHotSpotVisible(c.hotSpot);
        EXPECT_EQ(splitter->SplitterWidth(), c.expected) << c.width;
        EXPECT_EQ(splitter->BarRect().Width(), c.expected) << "the bar follows";
    }
}

TEST_F(SplitterTest, PaintsGroovesAndTheHotSpotWithItsDividerArrowsAndGrip) {
    MakeVerticalWithHotSpot(THotSpotDirection::Both);
    splitter->SetSplitterStyle(TSplitterStyle::Groove);
    const TRect hot = splitter->HotSpotRect();
    ASSERT_EQ(hot, (TRect{60, 100, 140, 107}));
    TPaintSurface surface(200, 200);
    surface.Paint(*splitter);

    const COLORREF shadow = cl::ColorToRGB(cl::clBtnShadow), highlight = cl::ColorToRGB(cl::clBtnHighlight);
    EXPECT_EQ(surface.At(hot.left, hot.top), shadow) << "frame";
    EXPECT_EQ(surface.At(hot.right - 1, hot.bottom - 1), shadow) << "frame";
    EXPECT_EQ(surface.At(100, hot.top + 3), shadow) << "divider at the centre";
    EXPECT_EQ(surface.At(99, hot.top + 3), highlight) << "divider's light side";
    // Open both ways: the first arrow points up (its base below), the second down.
    const COLORREF arrow = cl::ColorToRGB(cl::clHighlight);
    EXPECT_EQ(surface.At(66, 104), arrow);
    EXPECT_NE(surface.At(66, 102), arrow);
    EXPECT_EQ(surface.At(130, 102), arrow);
    EXPECT_NE(surface.At(130, 104), arrow);
    // Grip dots every 3 pixels from 15 in, none near the divider.
    EXPECT_EQ(surface.At(75, 103), cl::ColorToRGB(cl::clHighlightText));
    EXPECT_EQ(surface.At(76, 104), cl::ColorToRGB(cl::clHighlight));
    EXPECT_NE(surface.At(102, 103), cl::ColorToRGB(cl::clHighlightText));

    // Beside the hot spot the bar shows its two grooves.
    const TRect grooves{0, 100, 50, 107};
    EXPECT_GT(surface.Count(cl::clBtnShadow, grooves), 0);
    EXPECT_GT(surface.Count(cl::clBtnHighlight, grooves), 0);
}

TEST_F(SplitterTest, BarCursorsComeFromTheProgramsResources) {
    ASSERT_NE(FindResourceA(GetModuleHandleA(nullptr), "MWSPLIT_VERT", reinterpret_cast<LPCSTR>(RT_GROUP_CURSOR)), nullptr);
    MakeVerticalWithHotSpot(THotSpotDirection::Max);
    auto cursorAt = [&](TPoint p) {
        const TPoint screen = splitter->ClientToScreen(p);
        SetCursorPos(screen.x, screen.y);
        SetCursor(nullptr);
        SendMessageA(splitter->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(splitter->Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    const HCURSOR bar = cursorAt({20, 103});
    const HCURSOR hotSpot = cursorAt({120, 103});
    EXPECT_NE(bar, nullptr);
    EXPECT_NE(bar, LoadCursorA(nullptr, IDC_SIZENS)) << "not the system's stand-in";
    EXPECT_NE(hotSpot, nullptr);
    EXPECT_NE(hotSpot, bar);
    EXPECT_NE(hotSpot, LoadCursorA(nullptr, IDC_HAND));
}

}  // namespace
