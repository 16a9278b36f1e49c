// The tab control driven the way a user drives it: clicks, keys and accelerators sent as
// messages, hot tracking through the hot-track timer, the scroller and the close button, and
// its paint read back from a memory bitmap.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/ImageList.h"
#include "controls/foundation/ColorShades.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/navigation/MwTabCloseButton.h"
#include "controls/navigation/MwTabRegionCache.h"
#include "controls/navigation/MwTabScroller.h"
#include "controls/navigation/MwTabs.h"

namespace {

using cl::TPoint;
using cl::TRect;

constexpr cl::TColor kFormColor = 0x00C0A080, kCardColor = 0x00E0E0E0, kTabColor = 0x00F0D0B0, kRed = 0x000000F0,
                     kBlue = 0x00F00000, kGreen = 0x0000C000;

// A memory bitmap that the control paints into, read back pixel by pixel.
class TSurface {
public:
    TSurface(int width, int height) : bitmap_(nullptr, width, height) {
        mw::FillSolid(bitmap_.DC(), {0, 0, width, height}, cl::clBlack);
    }
    void Paint(cl::TControl& control) { SendMessageA(control.Handle(), WM_PAINT, reinterpret_cast<WPARAM>(bitmap_.DC()), 0); }
    cl::TColor At(int x, int y) const { return static_cast<cl::TColor>(GetPixel(bitmap_.DC(), x, y)); }
    int Count(cl::TColor color, const TRect& r) const {
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) count += At(x, y) == color ? 1 : 0;
        return count;
    }

private:
    mw::TMemoryBitmap bitmap_;
};

// Three 60 x 20 tabs along the top of a 300 x 150 control at (10, 10) of a shown form:
// (0, 0)-(60, 20), (51, 0)-(111, 20) and (102, 0)-(162, 20), each overlapping the one before.
class TabControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(100, 100, 400, 300);
        form->SetColor(kFormColor);
        tabs = new TMwCustomTabControl(form);
        tabs->SetParent(form);
        tabs->SetBounds(10, 10, 300, 150);
        tabs->SetTabWidth(60);
        tabs->SetTabHeight(20);
        SetCaptions({"&Alpha", "Beta", "Gamma"});
        tabs->OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { log.push_back("change " + Current()); });
        tabs->OnTabClick = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { log.push_back("click " + Current()); });
        tabs->OnChanging = TMwTabChangingEvent::FromFunction([this](cl::TObject*, int index, bool& allow) {
            log.push_back("changing " + std::to_string(index));
            allow = allowChange;
        });
        form->Show();
        tabs->SetTabIndex(0);
        log.clear();
    }

    void SetCaptions(std::initializer_list<const char*> captions) {
        tabs->Tabs().Clear();
        for (const char* caption : captions) tabs->Tabs().Add().caption = caption;
        tabs->LayoutChanged();
    }
    std::string Current() const { return std::to_string(tabs->TabIndex()); }
    static void Send(cl::TControl* control, UINT msg, WPARAM wParam, TPoint p) {
        SendMessageA(control->Handle(), msg, wParam, MAKELPARAM(p.x, p.y));
    }
    static void Click(cl::TControl* control, TPoint p) {
        Send(control, WM_LBUTTONDOWN, MK_LBUTTON, p);
        Send(control, WM_LBUTTONUP, 0, p);
    }
    void Key(WORD key) { SendMessageA(tabs->Handle(), WM_KEYDOWN, key, 0); }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    TMwCustomTabControl* tabs = nullptr;
    std::vector<std::string> log;
    bool allowChange = true;
};

TEST_F(TabControlTest, TabIndexAsksBeforeItChangesAndTellsAfterwards) {
    tabs->SetTabIndex(2);
    EXPECT_EQ(log, (std::vector<std::string>{"changing 2", "change 2"}));

    log.clear();
    tabs->SetTabIndex(2);  // already current: neither asked nor told
    allowChange = false;
    tabs->SetTabIndex(1);
    EXPECT_EQ(tabs->TabIndex(), 2);
    EXPECT_EQ(log, (std::vector<std::string>{"changing 1"}));

    log.clear();
    for (int outside : {3, -5}) {
        tabs->SetTabIndex(outside);
        EXPECT_EQ(tabs->TabIndex(), -1) << outside;
    }
    EXPECT_TRUE(log.empty());  // no OnChange for "no tab"

    allowChange = true;
    tabs->Tabs()[1].enabled = false;
    tabs->Tabs()[2].visible = false;
    tabs->LayoutChanged();
    tabs->SetTabIndex(1);
    tabs->SetTabIndex(2);
    EXPECT_EQ(tabs->TabIndex(), -1);
    EXPECT_TRUE(log.empty());
}

TEST_F(TabControlTest, AClickSelectsTheTabUnderThePointerTheCurrentTabFirst) {
    EXPECT_EQ(tabs->TabAtPoint({80, 12}), 1);
    EXPECT_EQ(tabs->TabAtPoint({150, 80}), -1);  // the card
    EXPECT_EQ(tabs->TabAtPoint({200, 5}), -1);   // beyond the last tab
    // Where the first tab's slant lies over the second, the current tab wins.
    EXPECT_EQ(tabs->TabAtPoint({53, 17}), 0);

    Click(tabs, {80, 12});
    EXPECT_EQ(log, (std::vector<std::string>{"changing 1", "change 1", "click 1"}));
    EXPECT_EQ(tabs->TabAtPoint({53, 17}), 1);

    log.clear();
    tabs->Tabs()[2].enabled = false;
    tabs->LayoutChanged();
    Click(tabs, {130, 12});
    Click(tabs, {150, 80});
    EXPECT_TRUE(log.empty());
    tabs->Tabs()[2].enabled = true;
    tabs->LayoutChanged();
    Send(tabs, WM_LBUTTONDBLCLK, MK_LBUTTON, {130, 12});  // the second press of a double click
    EXPECT_EQ(tabs->TabIndex(), 2);
    tabs->SetTabIndex(1);
    log.clear();

    // Clicking the current tab of a tab stop takes the focus.
    SetFocus(form->Handle());
    Click(tabs, {80, 12});
    EXPECT_TRUE(tabs->Focused());
    EXPECT_EQ(log, (std::vector<std::string>{"click 1"}));
}

TEST_F(TabControlTest, ArrowKeysWalkRoundToTheNextTabThatMayBeSelected) {
    SetCaptions({"A", "B", "C", "D"});
    tabs->Tabs()[1].enabled = false;
    tabs->LayoutChanged();
    struct Case {
        TMwTabSequence sequence;
        int from;
        WORD key;
        int to;
    };
    const Case cases[] = {
        {TMwTabSequence::Standard, 0, VK_RIGHT, 2}, {TMwTabSequence::Standard, 3, VK_RIGHT, 0},
        {TMwTabSequence::Standard, 0, VK_LEFT, 3},  {TMwTabSequence::Standard, 2, VK_UP, 0},
        {TMwTabSequence::Standard, 2, VK_DOWN, 3},  {TMwTabSequence::Reverse, 0, VK_RIGHT, 3},
        {TMwTabSequence::Reverse, 2, VK_LEFT, 3},   {TMwTabSequence::Standard, 3, VK_HOME, 0},
        {TMwTabSequence::Standard, 0, VK_END, 3},   {TMwTabSequence::Standard, 0, VK_HOME, 0},
    };
    for (const Case& c : cases) {
        tabs->SetTabSequence(c.sequence);
        tabs->SetTabIndex(c.from);
        log.clear();
        Key(c.key);
        EXPECT_EQ(tabs->TabIndex(), c.to) << c.from << " key " << c.key;
        if (c.to != c.from) {
            // Asked once by the walk, not again by the setter.
            const std::string to = std::to_string(c.to);
            EXPECT_EQ(log, (std::vector<std::string>{"changing " + to, "change " + to, "click " + to})) << c.from << " key " << c.key;
        } else {
            EXPECT_TRUE(log.empty());
        }
    }

    // A walk that finds no tab it may select stays where it is.
    allowChange = false;
    tabs->SetTabIndex(0);
    Key(VK_RIGHT);
    EXPECT_EQ(tabs->TabIndex(), 0);
    EXPECT_EQ(SendMessageA(tabs->Handle(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
}

TEST_F(TabControlTest, AnAcceleratorSelectsItsTabAndTakesTheFocus) {
    SetCaptions({"&Alpha", "&Beta", "A&&B", "&Off"});
    tabs->Tabs()[3].enabled = false;
    tabs->LayoutChanged();
    SendMessageA(tabs->Handle(), WM_CHAR, 'b', 0);
    EXPECT_EQ(tabs->TabIndex(), 1);
    EXPECT_TRUE(tabs->Focused());
    EXPECT_EQ(log.back(), "click 1");

    // From elsewhere on the form, as Alt+key reaches every control.
    SetFocus(form->Handle());
    EXPECT_EQ(SendMessageA(tabs->Handle(), cl::CM_DIALOGCHAR, 'A', 0), 1);
    EXPECT_EQ(tabs->TabIndex(), 0);
    EXPECT_EQ(SendMessageA(tabs->Handle(), cl::CM_DIALOGCHAR, 'O', 0), 0);  // disabled
    EXPECT_EQ(SendMessageA(tabs->Handle(), cl::CM_DIALOGCHAR, 'B', 0), 1);
    EXPECT_EQ(tabs->TabIndex(), 1);
    tabs->SetTabIndex(0);
    EXPECT_EQ(SendMessageA(tabs->Handle(), cl::CM_DIALOGCHAR, '&', 0), 0);  // "&&" is no accelerator
    EXPECT_EQ(tabs->TabIndex(), 0);

    // Alt+B typed while the form has the focus goes round the form's controls.
    SetFocus(form->Handle());
    PostMessageA(form->Handle(), WM_SYSCHAR, 'b', 0);
    app.ProcessMessages();
    EXPECT_EQ(tabs->TabIndex(), 1);
}

TEST_F(TabControlTest, NegativeSizesAndWrongCacheCapacitiesAreIgnored) {
    using Getter = int (TMwCustomTabControl::*)() const;
    using Setter = void (TMwCustomTabControl::*)(int);
    const std::pair<Getter, Setter> settings[] = {
        {&TMwCustomTabControl::TabHeight, &TMwCustomTabControl::SetTabHeight},
        {&TMwCustomTabControl::TabWidth, &TMwCustomTabControl::SetTabWidth},
        {&TMwCustomTabControl::Margin, &TMwCustomTabControl::SetMargin},
        {&TMwCustomTabControl::RowIndent, &TMwCustomTabControl::SetRowIndent},
        {&TMwCustomTabControl::RowOverlap, &TMwCustomTabControl::SetRowOverlap},
        {&TMwCustomTabControl::ImageMargin, &TMwCustomTabControl::SetImageMargin},
        {&TMwCustomTabControl::CutCornerSize, &TMwCustomTabControl::SetCutCornerSize},
    };
    for (const auto& [get, set] : settings) {
        const int before = (tabs->*get)();
        (tabs->*set)(-1);
        EXPECT_EQ((tabs->*get)(), before);
        (tabs->*set)(before + 3);
        EXPECT_EQ((tabs->*get)(), before + 3);
    }
    for (int wrong : {0, -2}) {
        tabs->SetRegionCacheCapacity(wrong);
        EXPECT_EQ(tabs->RegionCacheCapacity(), 1) << wrong;
    }
    tabs->SetRegionCacheCapacity(-1);
    EXPECT_EQ(tabs->RegionCacheCapacity(), -1);
    tabs->SetBackgroundColor(kRed);
    EXPECT_FALSE(tabs->ParentBackgroundColor());
    tabs->SetShowFullFrame(false);
    EXPECT_FALSE(tabs->ShowShadow());
    tabs->SetShowShadow(true);
    EXPECT_TRUE(tabs->ShowFullFrame());
}

TEST_F(TabControlTest, HotTrackingFollowsThePointerAndTheTimerEndsIt) {
    tabs->SetTabHints(true);
    tabs->Tabs()[1].hint = "second tab";
    tabs->LayoutChanged();
    tabs->SetHint("the control");
    Send(tabs, WM_MOUSEMOVE, 0, {80, 12});
    EXPECT_EQ(tabs->HotTabIndex(), 1);
    EXPECT_TRUE(tabs->HotTrackTimer().Enabled());
    EXPECT_EQ(tabs->HotTrackTimer().Interval(), 60);
    EXPECT_EQ(tabs->Hint(), "second tab");

    // While the pointer stays on the tab a tick changes nothing.
    const TPoint onTab = tabs->ClientToScreen({80, 12});
    SetCursorPos(onTab.x, onTab.y);
    tabs->HotTrackTimer().Fire();
    EXPECT_EQ(tabs->HotTabIndex(), 1);

    // Off the control, the next tick ends hot tracking.
    SetCursorPos(onTab.x, onTab.y + 250);
    tabs->HotTrackTimer().Fire();
    EXPECT_EQ(tabs->HotTabIndex(), -1);
    EXPECT_FALSE(tabs->HotTrackTimer().Enabled());

    // Between tabs there is no hint.
    Send(tabs, WM_MOUSEMOVE, 0, {80, 12});
    Send(tabs, WM_MOUSEMOVE, 0, {250, 5});
    EXPECT_EQ(tabs->HotTabIndex(), -1);
    EXPECT_EQ(tabs->Hint(), "");

    tabs->SetHotTrack(false);
    tabs->SetTabHints(false);
    Send(tabs, WM_MOUSEMOVE, 0, {80, 12});
    EXPECT_EQ(tabs->HotTabIndex(), -1);
    EXPECT_FALSE(tabs->HotTrackTimer().Enabled());
}

TEST_F(TabControlTest, SelectingATabInABackRowBringsItsRowToTheCardAndItStaysThere) {
    // Five 60-pixel tabs in 147 pixels of strip make three rows: back (0..20) "E", middle
    // (15..35) "C" and "D" indented by 5, front (30..50) "A" and "B" indented by 10.
    SetCaptions({"A", "B", "C", "D", "E"});
    tabs->SetMultiLine(true);
    tabs->SetWidth(150);
    ASSERT_EQ(tabs->RowCount(), 3);
    EXPECT_EQ(tabs->TabAtPoint({40, 5}), 4);
    EXPECT_EQ(tabs->TabAtPoint({30, 45}), 0);

    Click(tabs, {40, 5});
    EXPECT_EQ(tabs->TabIndex(), 4);
    // "E" is in front; the former front row went one further out, the middle row to the back.
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_EQ(tabs->TabAtPoint({30, 45}), 4) << pass;
        EXPECT_EQ(tabs->TabAtPoint({30, 25}), 0) << pass;
        EXPECT_EQ(tabs->TabAtPoint({40, 5}), 2) << pass;
        tabs->LayoutChanged();  // a new layout keeps the current tab's row in front
    }
}

TEST_F(TabControlTest, ChangesOfTheImageListLayTheTabsOutAgain) {
    tabs->SetTabWidth(0);
    auto* images = new cl::TImageList(form);
    tabs->Tabs()[0].imageIndex = 0;
    const int withoutImage = tabs->TabRect(0).Width();
    tabs->SetImages(images);
    const int withImage = tabs->TabRect(0).Width();
    images->SetWidth(40);
    EXPECT_EQ(tabs->TabRect(0).Width(), withImage + 24);
    cl::Free(images);
    EXPECT_EQ(tabs->Images(), nullptr);
    EXPECT_EQ(tabs->TabRect(0).Width(), withoutImage);
}

TEST_F(TabControlTest, TheScrollerMovesAStripThatDoesNotFit) {
    SetCaptions({"A", "B", "C", "D", "E", "F"});  // 6 tabs end at 315
    ASSERT_TRUE(tabs->ScrollingNeeded());
    TMwTabScroller* scroller = tabs->Scroller();
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(scroller->Orientation(), TOrientation::Horizontal);
    EXPECT_GT(scroller->Left(), 200);
    EXPECT_EQ(tabs->FirstShownTab(), 0);
    const TPoint right{scroller->Width() - 3, scroller->Height() / 2}, left{2, scroller->Height() / 2};

    Click(scroller, right);
    EXPECT_EQ(tabs->FirstShownTab(), 1);
    EXPECT_EQ(tabs->TabAtPoint({5, 12}), 1);  // the strip starts at the second tab now
    Click(scroller, left);
    EXPECT_EQ(tabs->FirstShownTab(), 0);

    // Pressed, dragged off and let go outside: no click.
    Send(scroller, WM_LBUTTONDOWN, MK_LBUTTON, right);
    Send(scroller, WM_MOUSEMOVE, MK_LBUTTON, {right.x, right.y + 40});
    Send(scroller, WM_LBUTTONUP, 0, {right.x, right.y + 40});
    EXPECT_EQ(tabs->FirstShownTab(), 0);

    // Selecting a tab out of sight scrolls it into view.
    tabs->SetTabIndex(5);
    EXPECT_GT(tabs->FirstShownTab(), 0);
    EXPECT_NE(tabs->TabAtPoint({tabs->TabRect(5).left + 20, 12}), -1);

    tabs->SetWidth(400);  // everything fits: the scroller goes out of sight
    EXPECT_FALSE(tabs->ScrollingNeeded());
    EXPECT_LT(scroller->Left(), 0);
}

TEST_F(TabControlTest, AVerticalScrollerClicksUpWhenPressedAndLetGoInItsTopHalf) {
    tabs->SetTabOrientation(TMwTabOrientation::Left);
    tabs->SetTabWidth(20);
    tabs->SetTabHeight(40);
    SetCaptions({"A", "B", "C", "D", "E"});
    ASSERT_TRUE(tabs->ScrollingNeeded());
    TMwTabScroller* scroller = tabs->Scroller();
    EXPECT_EQ(scroller->Orientation(), TOrientation::Vertical);
    int upClicks = 0;
    const cl::TNotifyEvent scroll = scroller->OnUpRightClick;
    scroller->OnUpRightClick = cl::TNotifyEvent::FromFunction([&](cl::TObject* sender) {
        ++upClicks;
        scroll(sender);
    });
    Send(scroller, WM_LBUTTONDOWN, MK_LBUTTON, {3, 2});
    Send(scroller, WM_MOUSEMOVE, MK_LBUTTON, {4, scroller->Height() / 2 - 1});
    Send(scroller, WM_LBUTTONUP, 0, {4, scroller->Height() / 2 - 1});
    EXPECT_EQ(upClicks, 1);
    EXPECT_EQ(tabs->FirstShownTab(), 1);  // on the left side, up leads toward the end
}

TEST_F(TabControlTest, TheCloseButtonAsksOnCloseOnlyWithACurrentTab) {
    int asked = 0;
    bool allow = false;
    tabs->OnClose = TMwTabCloseEvent::FromFunction([&](cl::TObject*, bool& allowClose) {
        EXPECT_FALSE(allowClose);
        ++asked;
        allowClose = allow;
    });
    tabs->SetShowCloseButton(true);
    TMwTabCloseButton* close = tabs->CloseButton();
    ASSERT_NE(close, nullptr);
    tabs->FirstShownTab();  // lays out and places the button
    EXPECT_GT(close->Width(), 10);
    const TPoint inside{close->Width() / 2, close->Height() / 2};
    Click(close, inside);
    EXPECT_EQ(asked, 1);
    allow = true;
    Click(close, inside);  // the generic tab control has nothing to close
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(tabs->TabIndex(), 0);

    // Without a current tab the button looks disabled, and its click does nothing.
    TSurface enabled(close->Width(), close->Height());
    enabled.Paint(*close);
    tabs->SetTabIndex(-1);
    TSurface disabled(close->Width(), close->Height());
    disabled.Paint(*close);
    EXPECT_NE(enabled.Count(cl::ColorToRGB(cl::clBtnText), {0, 0, close->Width(), close->Height()}),
              disabled.Count(cl::ColorToRGB(cl::clBtnText), {0, 0, close->Width(), close->Height()}));
    Click(close, inside);
    EXPECT_EQ(asked, 2);
    Send(close, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    Send(close, WM_MOUSEMOVE, MK_LBUTTON, {-5, -5});
    Send(close, WM_LBUTTONUP, 0, {-5, -5});
    EXPECT_EQ(asked, 2);
}

TEST(TabRegionCacheTest, KeepsTheNewestRegionsUpToItsCapacity) {
    TMwTabRegionCache cache;
    EXPECT_EQ(cache.Capacity(), 1);
    auto region = [] { return CreateRectRgn(0, 0, 5, 5); };
    cache.Add({0, 0, 5, 5}, region());
    cache.Add({1, 1, 5, 5}, region());
    EXPECT_EQ(cache.Count(), 1);
    EXPECT_EQ(cache.Find({0, 0, 5, 5}), nullptr);
    EXPECT_NE(cache.Find({1, 1, 5, 5}), nullptr);

    cache.SetCapacity(-1);
    for (int i = 0; i < 10; ++i) cache.Add({i, 0, 9, 9}, region());
    EXPECT_EQ(cache.Count(), 11);
    cache.SetCapacity(3);
    EXPECT_EQ(cache.Count(), 3);
    EXPECT_NE(cache.Find({9, 0, 9, 9}), nullptr);  // the newest stay

    for (int wrong : {0, -2}) {
        try {
            cache.SetCapacity(wrong);
            ADD_FAILURE() << wrong;
        } catch (const cl::Exception& e) {
            EXPECT_STREQ(e.what(), "Capacity must be -1 (to cache all regions) or > 0");
        }
    }
    EXPECT_EQ(cache.Capacity(), 3);
}

// ---- painting ----

class TabPaintTest : public TabControlTest {
protected:
    void SetUp() override {
        TabControlTest::SetUp();
        tabs->SetColor(kCardColor);
        tabs->SetUseGradients(false);
        tabs->TabColors()->SetUnselected(kTabColor);
        tabs->SetFlatColor(kBlue);
        tabs->SetHotTrack(false);
        tabs->SetShowShadow(false);
        tabs->SetShowFocusRect(false);
    }
    TSurface Painted() {
        TSurface surface(300, 150);
        surface.Paint(*tabs);
        return surface;
    }
};

TEST_F(TabPaintTest, TheCurrentTabJoinsTheCardThroughAnOpeningInItsFrame) {
    const TSurface s = Painted();
    EXPECT_EQ(s.At(250, 10), kFormColor);  // the strip's background is the parent's colour
    EXPECT_EQ(s.At(30, 2), kCardColor);    // the current tab (above its caption)
    EXPECT_EQ(s.At(80, 2), kTabColor);
    EXPECT_EQ(s.At(150, 80), kCardColor);  // the card
    EXPECT_EQ(s.At(200, 20), kBlue);       // the card's frame along the tabs...
    EXPECT_EQ(s.At(30, 20), kCardColor);   // ...open under the current tab
    EXPECT_EQ(s.At(80, 20), kBlue);        // and closed under the others
    EXPECT_EQ(s.At(299, 80), kBlue);
    EXPECT_EQ(s.At(0, 10), kBlue);         // the current tab's outline

    tabs->SetTabIndex(1);
    const TSurface second = Painted();
    EXPECT_EQ(second.At(30, 20), kBlue);
    EXPECT_EQ(second.At(80, 20), kCardColor);
    EXPECT_EQ(second.At(80, 2), kCardColor);
}

TEST_F(TabPaintTest, TheShadowDarkensWhatLiesBehindTheCard) {
    tabs->SetShowShadow(true);
    const TSurface s = Painted();
    EXPECT_EQ(s.At(297, 80), kBlue);  // the frame, two pixels in
    EXPECT_EQ(s.At(298, 80), mw::MixColors(cl::clBlack, kFormColor, 30));
    EXPECT_EQ(s.At(299, 80), mw::MixColors(cl::clBlack, kFormColor, 15));
    EXPECT_EQ(s.At(150, 148), mw::MixColors(cl::clBlack, kFormColor, 30));
    EXPECT_EQ(s.At(150, 149), mw::MixColors(cl::clBlack, kFormColor, 15));
}

TEST_F(TabPaintTest, CaptionsTakeTheirColourByState) {
    tabs->SetFlatColor(cl::clBlack);  // outlines in neither caption colour
    tabs->TextColors()->SetSelected(kRed);
    tabs->TextColors()->SetUnselected(kGreen);
    tabs->TextColors()->SetDisabledHighlight(cl::clWhite);
    tabs->TextColors()->SetDisabledShadow(kBlue);
    tabs->Tabs()[2].enabled = false;
    tabs->LayoutChanged();
    const TRect first{4, 3, 45, 19}, second{60, 3, 95, 19}, third{111, 3, 146, 19};
    const TSurface s = Painted();
    EXPECT_GT(s.Count(kRed, first), 5);
    EXPECT_EQ(s.Count(kGreen, first), 0);
    EXPECT_GT(s.Count(kGreen, second), 5);
    // A disabled caption: highlight one pixel right and down, shadow in place.
    EXPECT_GT(s.Count(cl::clWhite, third), 5);
    EXPECT_GT(s.Count(kBlue, third), 5);

    // OnGetTextColor may change any of them.
    std::vector<TMwTextStyle> styles;
    tabs->OnGetTextColor = TMwGetTextColorEvent::FromFunction(
        [&](cl::TObject*, int index, TMwTextStyle style, cl::TColor& color, bool& handled) {
            styles.push_back(style);
            if (index == 1) {
                color = kBlue;
                handled = true;
            }
        });
    const TSurface changed = Painted();
    EXPECT_GT(changed.Count(kBlue, second), 5);
    EXPECT_EQ(changed.Count(kGreen, second), 0);
    EXPECT_EQ(styles, (std::vector<TMwTextStyle>{TMwTextStyle::DisabledHighlight, TMwTextStyle::DisabledShadow,
                                                 TMwTextStyle::Enabled, TMwTextStyle::Current}));
}

TEST_F(TabPaintTest, TheAcceleratorIsUnderlined) {
    tabs->TextColors()->SetSelected(kRed);
    const TRect caption{4, 3, 45, 20};
    SetCaptions({"W", "B"});
    const TSurface plain = Painted();
    SetCaptions({"&W", "B"});
    const TSurface underlined = Painted();
    // The same letter, plus one row of pixels under it.
    std::vector<TPoint> added;
    for (int y = caption.top; y < caption.bottom; ++y)
        for (int x = caption.left; x < caption.right; ++x) {
            const bool was = plain.At(x, y) == kRed, is = underlined.At(x, y) == kRed;
            EXPECT_FALSE(was && !is) << x << "," << y;
            if (is && !was) added.push_back({x, y});
        }
    ASSERT_GE(added.size(), 2u);
    for (const TPoint& p : added) EXPECT_EQ(p.y, added.front().y);
}

TEST_F(TabPaintTest, HotAndCurrentTabsGetABarAlongTheirOuterEdge) {
    tabs->SetHotTrack(true);
    tabs->SetHotTrackColor(kGreen);
    tabs->SetHotTrackColorType(TMwHotTrackColorType::Actual);
    tabs->TabColors()->SetHighlightBar(kRed);
    Send(tabs, WM_MOUSEMOVE, 0, {130, 12});
    const TSurface s = Painted();
    EXPECT_EQ(s.At(30, 3), kRed);     // the current tab's highlight bar
    EXPECT_EQ(s.At(130, 3), kGreen);  // the hot tab's bar
    EXPECT_EQ(s.At(80, 3), kTabColor);

    // The complement: a third of the hue circle on, strong and middling.
    tabs->SetHotTrackColorType(TMwHotTrackColorType::Complement);
    const int hue = mw::HueOfColor(kGreen);
    EXPECT_EQ(Painted().At(130, 3), mw::HslToRgbColor(static_cast<uint8_t>(hue < 120 ? hue + 120 : hue - 120), 240, 140));
}

TEST_F(TabPaintTest, ColouredTabsGiveTheirColourToTheCard) {
    tabs->SetUseColoredTabs(true);
    tabs->Tabs()[0].color = kGreen;
    tabs->Tabs()[1].color = kRed;
    tabs->LayoutChanged();
    const TSurface s = Painted();
    EXPECT_EQ(s.At(150, 80), kGreen);
    EXPECT_EQ(s.At(80, 2), kRed);  // an unselected tab in its own colour

    tabs->SetTabIndex(1);
    tabs->Update();
    EXPECT_FALSE(GetUpdateRect(tabs->Handle(), nullptr, FALSE)) << "one paint for a change of tab, not a second one";
    EXPECT_EQ(Painted().At(150, 80), kRed);
    EXPECT_EQ(tabs->Color(), kCardColor) << "painting leaves the control's own colour alone";
}

TEST_F(TabPaintTest, PaintEventsReplaceTheBackgroundsTheyHandle) {
    std::vector<int> cards;
    tabs->OnPaintBackground = TMwPaintBackgroundEvent::FromFunction([](cl::TObject*, cl::TCanvas& canvas, TRect r, bool& handled) {
        mw::FillSolid(canvas.Handle(), r, kRed);
        handled = true;
    });
    tabs->OnPaintTabBackground = TMwPaintTabBackgroundEvent::FromFunction(
        [](cl::TObject*, cl::TCanvas& canvas, int index, TRect r, bool& handled) {
            if (index != 1) return;
            mw::FillSolid(canvas.Handle(), {r.left, r.top, r.right + 1, r.bottom + 1}, kGreen);
            handled = true;
        });
    tabs->OnPaintCardBackground = TMwPaintCardBackgroundEvent::FromFunction(
        [&](cl::TObject*, cl::TCanvas&, int row, TRect, bool&) { cards.push_back(row); });
    const TSurface s = Painted();
    EXPECT_EQ(s.At(250, 10), kRed);
    EXPECT_EQ(s.At(75, 2), kGreen);
    EXPECT_EQ(s.At(30, 2), kCardColor);
    EXPECT_EQ(cards, std::vector<int>{0});
}

TEST_F(TabPaintTest, TransparentControlsShowTheParentBehindTheStrip) {
    tabs->SetBackgroundColor(kRed);
    EXPECT_FALSE(tabs->ParentBackgroundColor());
    EXPECT_EQ(Painted().At(250, 10), kRed);
    tabs->SetTransparent(true);
    EXPECT_EQ(Painted().At(250, 10), kFormColor);
    tabs->SetParentBackgroundColor(true);
    tabs->SetTransparent(false);
    EXPECT_EQ(Painted().At(250, 10), kFormColor);

    tabs->Update();
    form->SetColor(kGreen);
    EXPECT_TRUE(GetUpdateRect(tabs->Handle(), nullptr, FALSE)) << "a new parent colour repaints the strip";
    EXPECT_EQ(Painted().At(250, 10), kGreen);
}

TEST_F(TabPaintTest, EverySideAndStylePaintsItsTabsWhereTheyAreHit) {
    const TMwTabStyle styles[] = {TMwTabStyle::SingleSlant, TMwTabStyle::DoubleSlant, TMwTabStyle::CutCorner,
                                  TMwTabStyle::RoundCorners};
    const TMwTabOrientation sides[] = {TMwTabOrientation::Top, TMwTabOrientation::Left, TMwTabOrientation::Bottom,
                                       TMwTabOrientation::Right};
    tabs->SetTabIndex(1);
    for (TMwTabStyle style : styles)
        for (TMwTabOrientation side : sides)
            for (TMwTabSequence sequence : {TMwTabSequence::Standard, TMwTabSequence::Reverse}) {
                const bool sideTabs = mw::IsSideOrientation(side);
                tabs->SetTabWidth(sideTabs ? 20 : 60);  // the width is a side tab's depth
                tabs->SetTabHeight(sideTabs ? 40 : 20);  // three fit down the 149-pixel side
                tabs->SetTabStyle(style);
                tabs->SetTabOrientation(side);
                tabs->SetTabSequence(sequence);
                tabs->SetTextOrientation(sideTabs ? TOrientation::Vertical : TOrientation::Horizontal);
                const TSurface s = Painted();
                for (int i = 0; i < 3; ++i) {
                    const TRect r = tabs->TabRect(i);
                    const TPoint centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
                    SCOPED_TRACE(std::to_string(static_cast<int>(style)) + "/" + std::to_string(static_cast<int>(side)) + "/" +
                                 std::to_string(static_cast<int>(sequence)) + " tab " + std::to_string(i));
                    EXPECT_EQ(tabs->TabAtPoint(centre), i);
                    EXPECT_NE(s.At(centre.x, centre.y), kFormColor);
                }
            }
}

}  // namespace
