// The status bar, its panes and the progress bar under Wine: the size grip and what lets the
// mouse through to it, the automatic style, simple mode and proportional panes; the progress
// bar's properties, form loading, borders and hit test; the panes' width, blinking, caption
// placement and shared polling timer; the clock; version information read from this program's
// own version resource.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "classlib/core/ClassInfo.h"
#include "classlib/core/FormReader.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/RegisterClasses.h"
#include "controls/basic/MwClockStatus.h"
#include "controls/basic/MwFrameController.h"
#include "controls/basic/MwPollingList.h"
#include "controls/basic/MwProgressBar.h"
#include "controls/basic/MwStatusBar.h"
#include "controls/basic/MwVersionInfoStatus.h"
#include "controls/basic/StatusBarLayout.h"
#include "controls/foundation/MwBlinkingControls.h"
#include "controls/foundation/MwThemeSrv.h"
#include "controls/tests/PaintSurface.h"

namespace {

using cl::TRect;
using namespace mw;

constexpr cl::TColor kRed = 0x0000F0, kBlue = 0xF00000, kGreen = 0x00C000, kPaper = 0xF0E8E0;
constexpr WPARAM kSizeFromBottomRight = 61448;

// Records the sizing command that the grip sends instead of entering the modal sizing loop.
class TRecordingForm : public cl::TForm {
public:
    using cl::TForm::TForm;
    int sizeCommands = 0;

protected:
    void WndProc(cl::TMessage& m) override {
        if (m.msg == WM_SYSCOMMAND && m.wParam == kSizeFromBottomRight) {
            ++sizeCommands;
            return;
        }
        cl::TForm::WndProc(m);
    }
};

// A pane whose caption the test sets.
class TTestPane : public TMwCustomStatusPane {
public:
    using TMwCustomStatusPane::TMwCustomStatusPane;
    using TMwCustomStatusPane::ChangePaneCaption;
    using TMwCustomStatusPane::GetTextRect;
};

// Records every caption the clock draws.
class TRecordingClock : public TMwClockStatus {
public:
    using TMwClockStatus::TMwClockStatus;
    using TMwClockStatus::GetTextRect;
    std::vector<std::string> drawn;

protected:
    void DrawCaption(cl::TCanvas& canvas, const std::string& text) override {
        drawn.push_back(text);
        TMwClockStatus::DrawCaption(canvas, text);
    }
};

// The leftmost column in r that holds a pixel of the colour, or -1.
int LeftmostColumn(const TPaintSurface& s, cl::TColor color, const TRect& r) {
    for (int x = r.left; x < r.right; ++x)
        if (s.Count(color, {x, r.top, x + 1, r.bottom}) > 0) return x;
    return -1;
}

class StatusTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        cl::RegisterClassLibrary();
        for (const cl::TClassInfo* info : {&TMwStatusBar::StaticClass(), &TMwProgressBar::StaticClass()})
            cl::TClassRegistry::Register(*info);
    }
    void SetUp() override {
        form = new TRecordingForm(&app);
        form->SetBounds(0, 0, 400, 200);
        bar = new TMwStatusBar(form);
        bar->SetParent(form);
        form->Show();
    }
    template <class T>
    T* NewChild(cl::TAlign align, int width) {
        auto* child = new T(form);
        child->SetParent(bar);
        child->SetWidth(width);
        child->SetAlign(align);
        return child;
    }
    // The answer of the control to a hit test at p (in its own client coordinates).
    static LRESULT HitTest(cl::TControl& control, cl::TPoint p) {
        const cl::TPoint screen = control.ClientToScreen(p);
        return control.Perform(WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    }

    cl::TApplication app;
    TRecordingForm* form = nullptr;
    TMwStatusBar* bar = nullptr;
};

// ---- status bar ----

TEST_F(StatusTest, GripWorksOnlyOnASizeableFormThatIsNotMaximised) {
    struct Case {
        const char* name;
        cl::TFormBorderStyle border;
        cl::TWindowState state;
        bool grip;
    };
    const Case cases[] = {
        {"sizeable", cl::TFormBorderStyle::Sizeable, cl::TWindowState::Normal, true},
        {"sizeable tool window", cl::TFormBorderStyle::SizeToolWin, cl::TWindowState::Normal, true},
        {"fixed single border", cl::TFormBorderStyle::Single, cl::TWindowState::Normal, false},
        {"dialog border", cl::TFormBorderStyle::Dialog, cl::TWindowState::Normal, false},
        {"maximised", cl::TFormBorderStyle::Sizeable, cl::TWindowState::Maximized, false},
        {"restored again", cl::TFormBorderStyle::Sizeable, cl::TWindowState::Normal, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form->SetBorderStyle(c.border);
        form->SetWindowState(c.state);
        TPaintSurface s(bar->Width(), bar->Height());
        s.Paint(*bar);  // a paint checks the form again
        EXPECT_EQ(bar->GripActive(), c.grip);

        form->sizeCommands = 0;
        const LPARAM corner = MAKELPARAM(bar->Width() - 3, bar->Height() / 2);
        bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, corner);
        bar->Perform(WM_LBUTTONUP, 0, corner);
        EXPECT_EQ(form->sizeCommands, c.grip ? 1 : 0);

        // The classic grip's dots are drawn exactly while it works (each highlight dot shows
        // below and right of its shadow).
        if (ThemeServices().ThemesEnabled()) continue;
        TRect area = bar->ClientRect();
        area.bottom -= 1;
        for (const TGripDot& dot : SizeGripDots(area)) {
            const COLORREF wanted = cl::ColorToRGB(dot.highlight ? cl::clBtnHighlight : cl::clBtnShadow);
            const cl::TPoint p = dot.highlight ? cl::TPoint{dot.rect.right - 1, dot.rect.bottom - 1}
                                               : cl::TPoint{dot.rect.left, dot.rect.top};
            EXPECT_EQ(s.At(p.x, p.y) == wanted, c.grip) << p.x << "," << p.y;
        }
    }
}

TEST_F(StatusTest, GripIsOnlyTheRightmostThirteenPixelsAndCanBeSwitchedOff) {
    ASSERT_TRUE(bar->GripActive());
    bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar->Width() - 14, 5));
    EXPECT_EQ(form->sizeCommands, 0);
    bar->SetShowSizeGrip(false);
    bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar->Width() - 2, 5));
    EXPECT_EQ(form->sizeCommands, 0);
    EXPECT_FALSE(bar->GripActive());
}

TEST_F(StatusTest, GripShowsTheDiagonalSizeCursor) {
    const cl::TPoint inGrip = bar->ClientToScreen({bar->Width() - 4, bar->Height() / 2});
    ASSERT_TRUE(SetCursorPos(inGrip.x, inGrip.y));
    POINT at;
    GetCursorPos(&at);
    if (at.x != inGrip.x || at.y != inGrip.y) GTEST_SKIP() << "the display does not move the pointer";
    EXPECT_EQ(bar->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(bar->Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), TRUE);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZENWSE)));
}

TEST_F(StatusTest, ExplicitBordersTurnTheAutomaticStyleOff) {
    struct Case {
        const char* name;
        const char* properties;
        bool autoStyle;
        int height;
    };
    const Case cases[] = {
        {"automatic borders restored after loading", "Height = 30\n", true, 19},
        {"streamed automatic borders keep it", "Height = 30\nBorderInner = fsNone\nBorderOuter = fsNone\n", true, 19},
        {"outer border", "Height = 30\nBorderOuter = fsLowered\n", false, 30},
        {"inner border", "Height = 30\nBorderInner = fsRaised\n", false, 30},
        {"sides", "Height = 30\nBorderSides = [sdTop]\n", false, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cl::TForm root(nullptr);
        cl::ReadFormResource(root, std::string("object F: TForm\n  object B: TMwStatusBar\n") + c.properties + "  end\nend\n", "F");
        auto* streamed = dynamic_cast<TMwStatusBar*>(root.FindComponent("B"));
        ASSERT_NE(streamed, nullptr);
        EXPECT_EQ(streamed->AutoStyle(), c.autoStyle);
        EXPECT_EQ(streamed->Height(), c.height);
        EXPECT_EQ(streamed->Align(), cl::TAlign::Bottom);
    }
}

TEST_F(StatusTest, SimpleStatusHidesEveryChildAndShowsThemAllAfterwards) {
    auto* version = NewChild<TMwVersionInfoStatus>(cl::TAlign::Left, 100);
    auto* progress = NewChild<TMwProgressBar>(cl::TAlign::Client, 100);
    auto* hidden = NewChild<TTestPane>(cl::TAlign::Right, 60);
    hidden->SetVisible(false);

    bar->SetSimpleStatus(true);
    for (cl::TControl* child : std::vector<cl::TControl*>{version, progress, hidden}) EXPECT_FALSE(child->Visible());
    bar->SetSimpleStatus(false);
    for (cl::TControl* child : std::vector<cl::TControl*>{version, progress, hidden}) EXPECT_TRUE(child->Visible());
    // Placed again as if they had never gone.
    EXPECT_EQ(version->Left(), bar->ClientRect().left);
    EXPECT_EQ(hidden->Left() + hidden->Width(), bar->ClientRect().right);
    EXPECT_EQ(progress->Left(), version->Left() + version->Width());
}

TEST_F(StatusTest, SimpleModeDrawsItsCaptionInAFlatBoxWithOpenCorners) {
    if (ThemeServices().ThemesEnabled()) GTEST_SKIP() << "the themed box is the theme's";
    bar->SetShowSizeGrip(false);
    bar->SetColor(kPaper);
    bar->SetFlatColor(kRed);
    bar->SetFlatColorAdjustment(0);
    bar->Font()->SetColor(kBlue);
    bar->SetSimpleCaption("Reading archive");
    bar->SetSimpleStatus(true);
    TPaintSurface s(bar->Width(), bar->Height());
    s.Paint(*bar);

    TRect box = bar->ClientRect();
    box.bottom -= 1;
    const int midY = (box.top + box.bottom) / 2;
    EXPECT_EQ(s.At(box.left, midY), cl::ColorToRGB(kRed));
    EXPECT_EQ(s.At(box.right - 1, midY), cl::ColorToRGB(kRed));
    EXPECT_EQ(s.At(box.left + 5, box.top), cl::ColorToRGB(kRed));
    EXPECT_EQ(s.At(box.left + 5, box.bottom - 1), cl::ColorToRGB(kRed));
    EXPECT_EQ(s.At(box.left, box.top), cl::ColorToRGB(kPaper));
    EXPECT_EQ(s.At(box.right - 1, box.bottom - 1), cl::ColorToRGB(kPaper));
    // The caption starts two pixels into the box's inside.
    EXPECT_GE(LeftmostColumn(s, kBlue, box), box.left + 1 + 2);
    EXPECT_GT(s.Count(kBlue, box), 20);

    bar->SetSimpleStatus(false);
    TPaintSurface normal(bar->Width(), bar->Height());
    normal.Paint(*bar);
    EXPECT_EQ(normal.Count(kBlue, {0, 0, bar->Width(), bar->Height()}), 0);
}

TEST_F(StatusTest, AutoScalePanesWidensChildrenInProportion) {
    bar->SetAutoScalePanes(true);
    form->SetClientWidth(400);
    ASSERT_EQ(bar->Width(), 400);
    auto* pane = NewChild<TTestPane>(cl::TAlign::Left, 100);
    form->SetClientWidth(500);
    EXPECT_EQ(pane->Width(), 125);
    form->SetClientWidth(400);
    EXPECT_EQ(pane->Width(), 100);

    bar->SetAutoScalePanes(false);
    form->SetClientWidth(500);
    EXPECT_EQ(pane->Width(), 100);
}

TEST_F(StatusTest, FirstResizeOfANewBarScalesNothing) {
    // As a form resource builds it: bar and pane in place before the windows are made.
    auto* other = new cl::TForm(&app);
    other->SetBounds(0, 0, 500, 200);
    auto* fresh = new TMwStatusBar(other);
    fresh->SetAutoScalePanes(true);
    fresh->SetParent(other);
    auto* pane = new TTestPane(other);
    pane->SetParent(fresh);
    pane->SetWidth(100);
    other->Show();  // the bar's first resize
    EXPECT_EQ(fresh->Width(), other->ClientWidth());
    EXPECT_EQ(pane->Width(), 100);
    other->SetClientWidth(other->ClientWidth() * 2);
    EXPECT_EQ(pane->Width(), 200);
}

// ---- progress bar ----

TEST_F(StatusTest, BarStyleSetsPercentTextAndInteriorGap) {
    auto* progress = new TMwProgressBar(form);
    progress->SetParent(form);
    progress->SetBarStyle(TBarStyle::LED);
    EXPECT_FALSE(progress->ShowPercent());
    EXPECT_EQ(progress->InteriorOffset(), 1);
    progress->SetBarStyle(TBarStyle::Traditional);
    EXPECT_TRUE(progress->ShowPercent());
    EXPECT_EQ(progress->InteriorOffset(), 0);
}

TEST_F(StatusTest, OrientationFollowsTheShapeOnEveryResize) {
    auto* progress = new TMwProgressBar(form);
    progress->SetParent(form);
    struct Case {
        int width, height;
        TOrientation orientation;
    };
    for (const Case& c : {Case{20, 120, TOrientation::Vertical}, Case{40, 40, TOrientation::Horizontal},
                          Case{30, 31, TOrientation::Vertical}, Case{200, 24, TOrientation::Horizontal}}) {
        progress->SetBounds(0, 0, c.width, c.height);
        EXPECT_EQ(progress->Orientation(), c.orientation) << c.width << "x" << c.height;
    }
}

TEST_F(StatusTest, LoadingKeepsTheStreamedPercentAndParts) {
    struct Case {
        const char* name;
        const char* properties;
        int percent, parts, total;
    };
    const Case cases[] = {
        {"total first", "Percent = 30\nTotalParts = 10\nPartsComplete = 5\n", 30, 5, 10},
        {"parts before their total", "PartsComplete = 5\nTotalParts = 10\nPercent = 30\n", 30, 5, 10},
        {"parts above the total", "TotalParts = 4\nPartsComplete = 9\n", 0, 4, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cl::TForm root(nullptr);
        cl::ReadFormResource(root, std::string("object F: TForm\n  object P: TMwProgressBar\n") + c.properties + "  end\nend\n", "F");
        auto* streamed = dynamic_cast<TMwProgressBar*>(root.FindComponent("P"));
        ASSERT_NE(streamed, nullptr);
        EXPECT_EQ(streamed->Percent(), c.percent);
        EXPECT_EQ(streamed->PartsComplete(), c.parts);
        EXPECT_EQ(streamed->TotalParts(), c.total);
    }
}

TEST_F(StatusTest, ProgressBarDrawsBordersBandGapAndBar) {
    if (ThemeServices().ThemesEnabled()) GTEST_SKIP() << "the themed frame is the theme's";
    auto* progress = new TMwProgressBar(form);
    progress->SetParent(form);
    progress->SetBounds(0, 0, 100, 20);
    progress->SetBorderOuter(TFrameStyle::Flat);
    progress->SetBorderInner(TFrameStyle::Flat);
    progress->SetFlatColor(kRed);
    progress->SetFlatColorAdjustment(0);
    progress->SetBorderWidth(2);
    progress->SetBorderColor(kBlue);
    progress->SetInteriorOffset(1);
    progress->SetBackColor(kPaper);
    progress->SetBarColor(kGreen);
    progress->SetShowPercent(false);
    progress->SetPercent(50);
    TPaintSurface s(100, 20);
    s.Paint(*progress);

    // Outer flat line, two pixels of band, inner flat line, the gap, then the bar.
    const std::vector<cl::TColor> fromLeft = {kRed, kBlue, kBlue, kRed, kPaper, kGreen};
    for (int x = 0; x < static_cast<int>(fromLeft.size()); ++x)
        EXPECT_EQ(s.At(x, 10), cl::ColorToRGB(fromLeft[x])) << "x " << x;
    const std::vector<cl::TColor> fromRight = {kRed, kBlue, kBlue, kRed, kPaper, kPaper};
    for (int i = 0; i < static_cast<int>(fromRight.size()); ++i)
        EXPECT_EQ(s.At(99 - i, 10), cl::ColorToRGB(fromRight[i])) << "x " << 99 - i;
    EXPECT_EQ(s.At(3, 3), cl::ColorToRGB(kBlue));  // the inner box leaves its corners out
    EXPECT_EQ(s.At(0, 0), cl::ColorToRGB(kRed));   // the outer one does not
    // Half of the 90 pixels inside is filled.
    EXPECT_EQ(s.Count(kGreen, {5, 10, 95, 11}), 45);
}

// The centred percentage moves with the size: a bar painted only where it grew would keep
// the old text beside the new one.
TEST_F(StatusTest, AResizedProgressBarIsPaintedWhole) {
    auto* progress = NewChild<TMwProgressBar>(cl::TAlign::Client, 100);
    ValidateRect(progress->Handle(), nullptr);
    for (const int width : {600, 300}) {
        form->SetBounds(0, 0, width, 200);
        RECT dirty{}, client{};
        GetUpdateRect(progress->Handle(), &dirty, FALSE);
        GetClientRect(progress->Handle(), &client);
        EXPECT_TRUE(EqualRect(&dirty, &client)) << "form " << width << " wide: " << dirty.left << ".." << dirty.right;
        UpdateWindow(form->Handle());
    }
}

TEST_F(StatusTest, ProgressBarPassesTheMouseThroughToTheGrip) {
    auto* progress = NewChild<TMwProgressBar>(cl::TAlign::Client, 100);
    ASSERT_TRUE(bar->GripActive());
    const int right = progress->Width();
    EXPECT_EQ(HitTest(*progress, {right - 12, 5}), HTTRANSPARENT);
    EXPECT_EQ(HitTest(*progress, {right - 1, 5}), HTTRANSPARENT);
    EXPECT_EQ(HitTest(*progress, {right - 13, 5}), HTCLIENT);

    form->SetBorderStyle(cl::TFormBorderStyle::Single);
    TPaintSurface s(bar->Width(), bar->Height());
    s.Paint(*bar);
    EXPECT_EQ(HitTest(*progress, {right - 1, 5}), HTCLIENT);
}

// ---- status panes ----

TEST_F(StatusTest, AutoSizedPaneFitsItsCaption) {
    auto* pane = NewChild<TTestPane>(cl::TAlign::Left, 100);
    auto textWidth = [&](const std::string& text) {
        HDC dc = GetDC(nullptr);
        const HGDIOBJ old = SelectObject(dc, pane->Font()->Handle());
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        return static_cast<int>(size.cx);
    };
    pane->SetAutoSize(true);
    EXPECT_EQ(pane->Width(), 40);  // no caption: DefaultWidth
    pane->SetDefaultWidth(55);
    EXPECT_EQ(pane->Width(), 55);

    struct Case {
        const char* caption;
        int borderWidth, captionOffset;
    };
    for (const Case& c : {Case{"Ready", 1, 2}, Case{"Reading archive", 3, 5}}) {
        pane->SetBorderWidth(c.borderWidth);
        pane->SetCaptionOffset(c.captionOffset);
        pane->ChangePaneCaption(c.caption);
        EXPECT_EQ(pane->Width(), 2 * c.borderWidth + textWidth(c.caption) + c.captionOffset + 6) << c.caption;
    }
    const int before = pane->Width();
    pane->Font()->SetHeight(-24);
    EXPECT_GT(pane->Width(), before);  // a larger font takes more room
    const int fixed = pane->Width();
    pane->SetAutoSize(false);
    pane->ChangePaneCaption("x");
    EXPECT_EQ(pane->Width(), fixed);
}

TEST_F(StatusTest, BlinkingPaneAnswersTheBlinkListAndSwitchesColours) {
    if (ThemeServices().ThemesEnabled()) GTEST_SKIP() << "classic colours";
    auto* pane = NewChild<TTestPane>(cl::TAlign::Left, 100);
    pane->SetColor(kPaper);
    pane->SetFillColor(kPaper);
    pane->Font()->SetColor(kBlue);
    pane->SetBlinkColor(kRed);
    pane->ChangePaneCaption("Busy");
    auto textPixels = [&](cl::TColor color) {
        TPaintSurface s(pane->Width(), pane->Height());
        s.Paint(*pane);
        return s.Count(color, pane->GetTextRect());
    };

    EXPECT_EQ(pane->Perform(CM_ISBLINKING), 0);
    pane->Perform(CM_BLINK, 1);
    EXPECT_EQ(textPixels(kRed), 0);  // not blinking: the phase is ignored

    pane->SetBlinking(true);
    EXPECT_EQ(pane->Perform(CM_ISBLINKING), 1);
    pane->Perform(CM_BLINK, 1);
    EXPECT_GT(textPixels(kRed), 0);
    EXPECT_EQ(textPixels(kBlue), 0);
    pane->Perform(CM_BLINK, 0);
    EXPECT_EQ(textPixels(kRed), 0);
    EXPECT_GT(textPixels(kBlue), 0);

    pane->Perform(CM_BLINK, 1);
    pane->SetBlinking(false);  // back to the normal colour at once
    EXPECT_EQ(textPixels(kRed), 0);
    EXPECT_GT(textPixels(kBlue), 0);

    // The intervals are the shared list's.
    auto* other = NewChild<TTestPane>(cl::TAlign::Left, 50);
    pane->SetBlinkIntervalOn(300);
    EXPECT_EQ(other->BlinkIntervalOn(), 300);
    EXPECT_EQ(BlinkingControls()->IntervalOn(), 300);
}

TEST_F(StatusTest, DisabledPaneEtchesItsCaption) {
    if (ThemeServices().ThemesEnabled()) GTEST_SKIP() << "classic colours";
    auto* pane = NewChild<TTestPane>(cl::TAlign::Left, 100);
    pane->SetColor(kPaper);
    pane->SetFillColor(kPaper);
    pane->Font()->SetColor(kBlue);
    pane->ChangePaneCaption("Idle");
    pane->SetEnabled(false);
    TPaintSurface s(pane->Width(), pane->Height());
    s.Paint(*pane);
    const TRect text = pane->GetTextRect();
    EXPECT_EQ(s.Count(kBlue, text), 0);
    EXPECT_GT(s.Count(cl::clBtnShadow, text), 0);
    EXPECT_GT(s.Count(cl::clBtnHighlight, text), 0);

    pane->SetEnabled(true);
    TPaintSurface enabled(pane->Width(), pane->Height());
    enabled.Paint(*pane);
    EXPECT_GT(enabled.Count(kBlue, text), 0);
    EXPECT_EQ(enabled.Count(cl::clBtnHighlight, text), 0);
}

TEST_F(StatusTest, PaneAtTheGripPassesItsRightmostTwelvePixelsToTheBar) {
    auto* left = NewChild<TTestPane>(cl::TAlign::Left, 100);
    auto* right = NewChild<TTestPane>(cl::TAlign::Right, 100);
    ASSERT_TRUE(bar->GripActive());
    struct Case {
        TTestPane* pane;
        int x;
        LRESULT expected;
    };
    for (const Case& c : {Case{right, 99, HTTRANSPARENT}, Case{right, 88, HTTRANSPARENT}, Case{right, 87, HTCLIENT},
                          Case{left, 99, HTCLIENT}})
        EXPECT_EQ(HitTest(*c.pane, {c.x, 5}), c.expected) << (c.pane == right ? "right " : "left ") << c.x;
}

TEST_F(StatusTest, FrameControllerGivesThePaneItsFrameWhileTheFrameIsVisible) {
    auto* pane = NewChild<TTestPane>(cl::TAlign::Left, 100);
    auto* controller = new TMwFrameController(form);
    controller->SetFrameVisible(false);
    controller->SetFrameStyle(TFrameStyle::Lowered);
    pane->SetFrameController(controller);
    EXPECT_EQ(pane->FrameStyle(), TFrameStyle::Flat);

    controller->SetFrameColor(kRed);
    controller->SetFrameVisible(true);
    EXPECT_EQ(pane->FrameStyle(), TFrameStyle::Lowered);
    EXPECT_EQ(pane->FlatColor(), kRed);
    EXPECT_EQ(pane->FlatColorAdjustment(), 0);

    cl::Free(controller);
    EXPECT_EQ(pane->FrameController(), nullptr);
}

TEST_F(StatusTest, PollingPanesShareOneTimerThatSkipsHiddenPanes) {
    auto* first = NewChild<TRecordingClock>(cl::TAlign::Right, 150);
    auto* second = NewChild<TRecordingClock>(cl::TAlign::Right, 150);
    std::vector<cl::TObject*> expired;
    const auto record = cl::TNotifyEvent::FromFunction([&](cl::TObject* sender) { expired.push_back(sender); });
    first->OnTimerExpired = record;
    second->OnTimerExpired = record;

    ASSERT_NE(PollingList(), nullptr);
    PollingList()->Tick();
    EXPECT_EQ(expired, (std::vector<cl::TObject*>{first, second}));

    second->SetVisible(false);
    expired.clear();
    PollingList()->Tick();
    EXPECT_EQ(expired, std::vector<cl::TObject*>{first});

    first->SetInterval(250);
    EXPECT_EQ(second->Interval(), 250);
    second->SetActive(false);
    EXPECT_FALSE(first->Active());

    cl::Free(first);
    EXPECT_NE(PollingList(), nullptr);
    cl::Free(second);
    EXPECT_EQ(PollingList(), nullptr);
}

TEST_F(StatusTest, ClockDrawsItsTextAtOnceOnlyWhenItChanges) {
    auto* clock = NewChild<TRecordingClock>(cl::TAlign::Right, 150);
    SYSTEMTIME time{};
    time.wYear = 2024;
    time.wMonth = 2;
    time.wDay = 9;
    time.wHour = 13;
    time.wMinute = 5;
    clock->OnGetDateTime = TMwGetDateTimeEvent::FromFunction([&](cl::TObject*, SYSTEMTIME& t) { t = time; });
    clock->Update();
    clock->SetFormat("yyyy-mm-dd hh:nn");
    clock->Update();
    clock->drawn.clear();

    PollingList()->Tick();
    EXPECT_TRUE(clock->drawn.empty());  // the same minute: nothing to draw
    time.wMinute = 6;
    PollingList()->Tick();
    EXPECT_EQ(clock->drawn, std::vector<std::string>{"2024-02-09 13:06"});

    TPaintSurface s(clock->Width(), clock->Height());
    s.Paint(*clock);
    EXPECT_EQ(clock->PaneCaption(), "2024-02-09 13:06");
}

TEST_F(StatusTest, ClockKeepsItsTextClearOfTheGrip) {
    auto* atGrip = NewChild<TRecordingClock>(cl::TAlign::Right, 150);
    auto* inside = NewChild<TRecordingClock>(cl::TAlign::Left, 150);
    EXPECT_EQ(inside->GetTextRect().right - atGrip->GetTextRect().right, 12);
}

// ---- version information ----

TEST_F(StatusTest, VersionInfoReadsTheProgramsOwnStrings) {
    auto* info = new TMwVersionInfo(form);
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof(path));
    EXPECT_EQ(info->FilePath(), path);
    EXPECT_TRUE(info->HasVersionInfo());
    // The translation 0407/04b0 is looked up in lower case.
    EXPECT_EQ(info->GetValue(TMwVersionInfoField::CompanyName), "Status test makers");
    EXPECT_EQ(info->GetValue(TMwVersionInfoField::ProductVersion), "4.5.6");
    EXPECT_EQ(info->GetValue(TMwVersionInfoField::Comments), "");  // a key the file lacks
}

TEST_F(StatusTest, FileWithoutVersionInformationGivesValueNotAvailable) {
    char folder[MAX_PATH] = "";
    GetTempPathA(sizeof(folder), folder);
    const std::string plain = std::string(folder) + "status-test-plain.txt";
    HANDLE file = CreateFileA(plain.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "text", 4, &written, nullptr);
    CloseHandle(file);

    auto* info = new TMwVersionInfo(form);
    auto* pane = NewChild<TMwVersionInfoStatus>(cl::TAlign::Left, 100);
    pane->SetVersionInfo(info);
    EXPECT_EQ(pane->PaneCaption(), "4.5.6");

    info->SetFilePath(plain);  // read again, and the pane follows
    EXPECT_FALSE(info->HasVersionInfo());
    for (int field = 0; field < 10; ++field)
        EXPECT_EQ(info->GetValue(static_cast<TMwVersionInfoField>(field)), "Value Not Available") << field;
    EXPECT_EQ(pane->PaneCaption(), "Value Not Available");
    DeleteFileA(plain.c_str());
}

TEST_F(StatusTest, VersionPaneFollowsItsFieldAndForgetsAFreedComponent) {
    auto* info = new TMwVersionInfo(form);
    auto* pane = NewChild<TMwVersionInfoStatus>(cl::TAlign::Left, 100);
    pane->SetField(TMwVersionInfoField::CompanyName);
    EXPECT_EQ(pane->PaneCaption(), "");  // nothing to show yet
    pane->SetVersionInfo(info);
    EXPECT_EQ(pane->PaneCaption(), "Status test makers");
    pane->SetField(TMwVersionInfoField::ProductName);
    EXPECT_EQ(pane->PaneCaption(), "Status test");

    cl::Free(info);
    EXPECT_EQ(pane->VersionInfo(), nullptr);
    pane->SetField(TMwVersionInfoField::CompanyName);  // no component: the caption stays
    EXPECT_EQ(pane->PaneCaption(), "Status test");
}

TEST_F(StatusTest, VersionPaneDrawsItsValueAfterTheLabel) {
    if (ThemeServices().ThemesEnabled()) GTEST_SKIP() << "classic colours";
    auto* info = new TMwVersionInfo(form);
    auto makePane = [&](const std::string& label) {
        auto* pane = NewChild<TMwVersionInfoStatus>(cl::TAlign::Left, 150);
        pane->SetVersionInfo(info);
        pane->SetColor(kPaper);
        pane->SetFillColor(kPaper);
        pane->Font()->SetColor(kBlue);
        pane->SetFieldLabelColor(kRed);
        pane->SetFieldLabel(label);
        return pane;
    };
    auto* plain = makePane("");
    auto* labelled = makePane("Quillon Ver:");
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, labelled->Font()->Handle());
    SIZE label{};
    GetTextExtentPoint32A(dc, "Quillon Ver:", 12, &label);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);

    TPaintSurface a(150, plain->Height()), b(150, labelled->Height());
    a.Paint(*plain);
    b.Paint(*labelled);
    const TRect all{0, 0, 150, plain->Height()};
    const int valueX = LeftmostColumn(a, kBlue, all);
    ASSERT_GE(valueX, 0);
    EXPECT_EQ(LeftmostColumn(b, kBlue, all), valueX + label.cx + 2 * 2);
    const int labelX = LeftmostColumn(b, kRed, all);
    EXPECT_GE(labelX, 0);
    EXPECT_LT(labelX, valueX + label.cx);
    EXPECT_EQ(a.Count(kRed, all), 0);

    // With AutoSize the label's room is part of the width.
    plain->SetAutoSize(true);
    labelled->SetAutoSize(true);
    EXPECT_EQ(labelled->Width() - plain->Width(), label.cx + 2 * 2);
    labelled->SetFieldLabel("");
    EXPECT_EQ(labelled->Width(), plain->Width());
}

}  // namespace
