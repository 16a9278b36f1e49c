// The group bar, its groups and their items under Wine: stacking and scrolling, the three
// styles' open and close rules, the borders, the background, item selection, mouse states,
// action links and the painted captions, buttons and items in memory bitmaps.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "classlib/win/Actions.h"
#include "classlib/win/Application.h"
#include "classlib/win/Edit.h"
#include "classlib/win/Form.h"
#include "classlib/win/ImageList.h"
#include "classlib/win/RegisterClasses.h"
#include "controls/RegisterControls.h"
#include "controls/basic/MwRapidFireButton.h"
#include "controls/foundation/ColorShades.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/navigation/MwGroup.h"
#include "controls/navigation/MwGroupBar.h"
#include "controls/navigation/MwGroupItem.h"
#include "controls/tests/FakeThemes.h"
#include "controls/tests/PaintSurface.h"

namespace {

using cl::TRect;

constexpr cl::TColor kRed = 0x0000F0, kBlue = 0xF00000, kBar = 0x806040, kCaption = 0x40C0C0, kText = 0x102080,
                     kBody = 0xE0F0F0, kFrame = 0x00A000, kDivider = 0xA000A0, kOlive = 0x008080;

COLORREF Rgb(cl::TColor color) { return cl::ColorToRGB(color); }

// Gradient ends land within a step of their colour.
bool Near(COLORREF actual, cl::TColor wanted) {
    const COLORREF w = cl::ColorToRGB(wanted);
    return std::abs(GetRValue(actual) - GetRValue(w)) <= 2 && std::abs(GetGValue(actual) - GetGValue(w)) <= 2 &&
           std::abs(GetBValue(actual) - GetBValue(w)) <= 2;
}

cl::TBitmapHandle RedBlueStrip() {
    HDC screen = GetDC(nullptr);
    cl::TBitmapHandle bitmap(CreateCompatibleBitmap(screen, 32, 16));
    ReleaseDC(nullptr, screen);
    HDC dc = CreateCompatibleDC(nullptr);
    {
        cl::TSelectObject select(dc, bitmap.Get());
        mw::FillSolid(dc, {0, 0, 16, 16}, kRed);
        mw::FillSolid(dc, {16, 0, 32, 16}, kBlue);
        SetPixel(dc, 0, 15, kOlive);
    }
    DeleteDC(dc);
    return bitmap;
}

class GroupBarTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        cl::RegisterClassLibrary();
        RegisterQuillonControls();
    }
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(0, 0, 400, 400);
        bar = new TMwGroupBar(form);
        bar->SetAlign(cl::TAlign::None);
        bar->SetParent(form);
        bar->SetBounds(0, 0, 160, 200);
        bar->HandleNeeded();
    }
    TMwGroup* AddGroup(const std::string& caption, int openedHeight = 50) {
        auto* group = new TMwGroup(form);
        group->SetCaption(caption);
        group->SetGroupBar(bar);
        group->SetOpenedHeight(openedHeight);
        group->OnOpen = Logger("open " + caption);
        group->OnClose = Logger("close " + caption);
        return group;
    }
    TMwGroupItem* AddItem(TMwGroup* group, const std::string& caption, bool clickable = true) {
        TMwGroupItem* item = group->Items()->Add();
        item->SetCaption(caption);
        if (clickable) item->OnClick = Logger("click " + caption);
        return item;
    }
    cl::TNotifyEvent Logger(const std::string& entry) {
        return cl::TNotifyEvent::FromFunction([this, entry](cl::TObject*) { log.push_back(entry); });
    }
    cl::TAction* NewAction(const std::string& caption, const std::string& hint, int image) {
        auto* action = new cl::TAction(form);
        action->SetCaption(caption);
        action->SetHint(hint);
        action->SetImageIndex(image);
        action->OnExecute = Logger("execute " + caption);
        return action;
    }
    static void Send(cl::TControl* control, UINT msg, cl::TPoint p, WPARAM keys = 0) {
        SendMessageA(control->Handle(), msg, keys, MAKELPARAM(p.x, p.y));
    }
    static cl::TPoint Centre(const TRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    void Wheel(int delta) { SendMessageA(bar->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0); }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    TMwGroupBar* bar = nullptr;
    std::vector<std::string> log;
};

// ---- the bar ----

TEST_F(GroupBarTest, StacksOpenGroupsAndScrollsThemWithinTheContent) {
    TMwGroup* one = AddGroup("One", 50);
    TMwGroup* two = AddGroup("Two", 100);
    TMwGroup* three = AddGroup("Three", 200);
    EXPECT_EQ(one->Top(), 8);
    EXPECT_EQ(two->Top(), 66);
    EXPECT_EQ(three->Top(), 174);
    EXPECT_EQ(three->Height(), 200);
    EXPECT_EQ(one->Width(), bar->ClientWidth() - 16);
    EXPECT_LT(bar->ClientWidth(), 160) << "the content (382) needs the scroll bar";

    Wheel(WHEEL_DELTA);  // up, at the top
    EXPECT_EQ(bar->ScrollPosition(), 0);
    Wheel(-WHEEL_DELTA);
    EXPECT_EQ(bar->ScrollPosition(), 10);
    EXPECT_EQ(one->Top(), -2);

    SendMessageA(bar->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(bar->ScrollPosition(), 382 - 200);
    EXPECT_EQ(three->BoundsRect().bottom, 200 - 8);
    Wheel(-WHEEL_DELTA);  // down, at the bottom
    EXPECT_EQ(bar->ScrollPosition(), 382 - 200);
    SendMessageA(bar->Handle(), WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(bar->ScrollPosition(), 382 - 200 - 10);

    // Closing groups leaves a gap below: the bar scrolls back so that nothing hangs above the top.
    three->Close();
    two->Close();
    EXPECT_EQ(bar->ScrollPosition(), 0);
    EXPECT_EQ(one->Top(), 8);
    EXPECT_EQ(bar->ClientWidth(), 160) << "no scroll bar once everything fits";
}

TEST_F(GroupBarTest, TheScrollBarNeverCoversTheGroups) {
    // The bar shrinks, or grows again, under groups already placed: the scroll bar comes or goes
    // while they are laid out, and they take the client width it leaves.
    TMwGroup* one = AddGroup("One", 80);
    TMwGroup* two = AddGroup("Two", 80);
    ASSERT_EQ(bar->ClientWidth(), 160) << "everything fits";
    for (const int height : {120, 200, 120}) {
        bar->SetBounds(0, 0, 160, height);
        const bool scrolls = height < 8 + 80 + 8 + 80 + 8;
        EXPECT_EQ(bar->ClientWidth() < 160, scrolls) << height;
        for (TMwGroup* group : {one, two})
            EXPECT_EQ(group->BoundsRect().right, bar->ClientWidth() - 8) << group->Caption() << " at height " << height;
    }
}

TEST_F(GroupBarTest, InvisibleGroupsTakeNoSpaceAndOpeningScrollsAGroupIntoView) {
    AddGroup("One", 50);
    TMwGroup* hidden = AddGroup("Hidden", 100);
    TMwGroup* last = AddGroup("Last", 20);
    hidden->SetVisible(false);
    bar->Realign();
    EXPECT_EQ(hidden->Height(), 0);
    EXPECT_EQ(last->Top(), 66);

    last->Close();
    last->SetOpenedHeight(180);
    last->Open();  // would end below the bottom: the bar scrolls it up to end a gap above it
    EXPECT_EQ(last->BoundsRect().bottom, 200 - 8);
    EXPECT_GT(bar->ScrollPosition(), 0);
}

TEST_F(GroupBarTest, AControlOfAClosedGroupThatTakesTheFocusOpensItsGroupIntoView) {
    form->Show();
    AddGroup("One", 150);
    TMwGroup* closed = AddGroup("Two", 120);
    auto* edit = new cl::TEdit(form);
    edit->SetParent(closed);
    edit->SetBounds(10, 30, 80, 21);
    closed->Close();
    log.clear();

    edit->SetFocus();  // as Tab would
    EXPECT_TRUE(closed->Opened());
    EXPECT_EQ(log, std::vector<std::string>{"open Two"});
    EXPECT_EQ(closed->BoundsRect().bottom, 200 - 8) << "scrolled up to end a gap above the bottom";
}

TEST_F(GroupBarTest, AGroupGoesOnlyToAnotherBarAndLeavesItsOwnWhenItDoes) {
    TMwGroup* one = AddGroup("One");
    TMwGroup* two = AddGroup("Two");
    auto* panel = new cl::TCustomControl(form);
    panel->SetParent(form);
    EXPECT_THROW(two->SetParent(panel), EMwGroupBarError);
    EXPECT_EQ(two->Parent(), bar);
    EXPECT_EQ(bar->GroupCount(), 2);

    auto* other = new TMwGroupBar(form);
    other->SetAlign(cl::TAlign::None);
    other->SetParent(form);
    other->SetBounds(200, 0, 160, 200);
    two->SetParent(other);
    EXPECT_EQ(two->GroupBar(), other);
    EXPECT_EQ(two->GroupIndex(), 0);
    EXPECT_EQ(bar->GroupCount(), 1);
    EXPECT_EQ(bar->Groups(0), one);
    EXPECT_EQ(two->Top(), 8) << "placed by its new bar";

    two->SetParent(nullptr);
    EXPECT_EQ(two->GroupBar(), nullptr);
    EXPECT_EQ(other->GroupCount(), 0);
    two->SetBounds(1, 2, 30, 40);
    other->Realign();
    bar->Realign();
    EXPECT_EQ(two->BoundsRect(), TRect::FromBounds(1, 2, 30, 40)) << "no bar places it any more";
}

TEST_F(GroupBarTest, ExclusiveModeKeepsOneCategoryGroupOpen) {
    TMwGroup* one = AddGroup("One");
    TMwGroup* two = AddGroup("Two");
    bar->SetStyle(TMwGroupBarStyle::TaskList);
    bar->SetExclusiveMode(true);
    EXPECT_FALSE(bar->ExclusiveMode()) << "only the category view has it";

    bar->SetStyle(TMwGroupBarStyle::CategoryView);
    bar->SetExclusiveMode(true);
    EXPECT_TRUE(one->Opened());
    EXPECT_FALSE(two->Opened());
    two->Open();
    EXPECT_FALSE(one->Opened());
    EXPECT_TRUE(two->Opened());

    cl::Free(two);  // the open group goes: the one before it takes the open place
    EXPECT_TRUE(one->Opened());
    EXPECT_EQ(bar->GroupCount(), 1);
}

TEST_F(GroupBarTest, StylesSetTheBarsLookAndTheGroupsRules) {
    TMwGroup* one = AddGroup("One");
    TMwGroup* two = AddGroup("Two");

    bar->SetStyle(TMwGroupBarStyle::TaskList);
    EXPECT_EQ(bar->Color(), cl::clWindow);
    EXPECT_EQ(bar->GroupBorderSize(), 4);
    EXPECT_FALSE(bar->UseGradients());
    EXPECT_FALSE(two->CanClose());
    EXPECT_TRUE(two->DividerVisible());
    EXPECT_EQ(two->Color(), cl::clWindow) << "a task-list group shows the bar's colour";
    two->Close();
    EXPECT_TRUE(two->Opened());

    bar->SetStyle(TMwGroupBarStyle::Outlook);
    EXPECT_EQ(bar->GroupBorderSize(), 0);
    EXPECT_EQ(two->Color(), cl::clBtnShadow);
    EXPECT_EQ(two->CaptionColor(), cl::clBtnFace);
    EXPECT_TRUE(one->Opened());
    EXPECT_FALSE(two->Opened());
    EXPECT_EQ(one->BoundsRect(), TRect::FromBounds(0, 0, 160, 200 - 20));
    EXPECT_EQ(two->BoundsRect(), TRect::FromBounds(0, 180, 160, 20));

    log.clear();
    two->Close();  // closing does nothing in the outlook style
    one->Close();
    EXPECT_TRUE(one->Opened());
    two->Open();
    EXPECT_FALSE(one->Opened());
    EXPECT_EQ(two->BoundsRect(), TRect::FromBounds(0, 20, 160, 180));
    EXPECT_EQ(log, (std::vector<std::string>{"open Two", "close One"}));

    bar->SetStyle(TMwGroupBarStyle::CategoryView);
    EXPECT_TRUE(one->Opened()) << "every group opens coming from the outlook style";
    EXPECT_TRUE(two->CanClose());
    EXPECT_EQ(two->CaptionColor(), cl::clHighlightText);
}

TEST_F(GroupBarTest, BordersTakeTheirWidthFromTheClientArea) {
    const TRect before = bar->ClientRect();
    bar->SetBorderOuter(TFrameStyle::Flat);
    EXPECT_EQ(bar->ClientWidth(), before.Width() - 2);
    EXPECT_EQ(bar->ClientHeight(), before.Height() - 2);
    bar->SetBorderWidth(3);
    bar->SetBorderInner(TFrameStyle::Bump);
    bar->SetBorderSides(sdLeft | sdTop);
    EXPECT_EQ(bar->ClientWidth(), before.Width() - 1 - 3 - 2);
    bar->SetBorderInner(TFrameStyle::FlatBold);  // takes nothing
    EXPECT_EQ(bar->ClientWidth(), before.Width() - 1 - 3);

    // Before the window exists the same rule holds.
    auto* fresh = new TMwGroupBar(form);
    fresh->SetBorderOuter(TFrameStyle::Popup);
    fresh->SetBevelWidth(3);
    EXPECT_EQ(fresh->ClientRect(), TRect::FromBounds(0, 0, 160 - 6, 250 - 6));
}

TEST_F(GroupBarTest, CategoryViewPaintsAGradientOverTheTopTwoThirds) {
    if (!mw::ScreenHasFullColor()) GTEST_SKIP() << "gradients need more than 256 colours";
    bar->SetColor(kBar);
    const int h = bar->ClientHeight();
    struct Case {
        int adjustment;
        cl::TColor top, bottom;
    };
    for (const Case& c : {Case{30, mw::LightenColor(kBar, 30), kBar}, Case{-30, kBar, mw::DarkenColor(kBar, 30)}}) {
        bar->SetColorAdjustment(c.adjustment);
        TPaintSurface s(bar->ClientWidth(), h);
        s.Paint(*bar);
        EXPECT_TRUE(Near(s.At(5, 0), c.top)) << c.adjustment;
        EXPECT_TRUE(Near(s.At(5, h - 1), c.bottom)) << c.adjustment;
        const int plain = c.adjustment > 0 ? h - h / 3 + 2 : 2;  // the third without gradient
        EXPECT_EQ(s.At(5, plain), cl::ColorToRGB(kBar)) << c.adjustment;
    }
    bar->SetStyle(TMwGroupBarStyle::TaskList);
    TPaintSurface flat(bar->ClientWidth(), h);
    flat.Paint(*bar);
    EXPECT_EQ(flat.At(5, 0), cl::ColorToRGB(cl::clWindow));
}

// ---- selection ----

TEST_F(GroupBarTest, SelectingAnItemDeselectsOnlyItsOwnGroupsItems) {
    TMwGroup* a = AddGroup("A");
    TMwGroup* b = AddGroup("B");
    TMwGroup* c = AddGroup("C");
    a->SetShowItemSelection(true);
    b->SetShowItemSelection(true);
    TMwGroupItem* a1 = AddItem(a, "a1");
    TMwGroupItem* a2 = AddItem(a, "a2");
    TMwGroupItem* b1 = AddItem(b, "b1");
    TMwGroupItem* c1 = AddItem(c, "c1");
    a1->SetSelected(true);
    b1->SetSelected(true);
    c1->SetSelected(true);

    a2->SetSelected(true);
    EXPECT_FALSE(a1->Selected());
    EXPECT_TRUE(b1->Selected());

    // The bar passes a selection it receives to the groups that show selections.
    bar->Perform(CM_ITEMSELECTED, 0, reinterpret_cast<LPARAM>(a2));
    EXPECT_TRUE(a2->Selected());
    EXPECT_FALSE(b1->Selected());
    EXPECT_TRUE(c1->Selected());
}

// ---- groups ----

TEST_F(GroupBarTest, GroupPropertiesKeepTheirRules) {
    TMwGroup* group = AddGroup("G");
    for (const auto& [set, stored] : {std::pair{10, 16}, std::pair{16, 16}, std::pair{30, 30}}) {
        group->SetCaptionHeight(set);
        EXPECT_EQ(group->CaptionHeight(), stored) << set;
    }
    group->Close();
    group->SetCanClose(false);  // a category group that cannot close is open
    EXPECT_TRUE(group->Opened());
    group->Close();
    EXPECT_TRUE(group->Opened());

    // The caption font follows the body font until it is changed on its own.
    group->Font()->SetName("Courier New");
    EXPECT_EQ(group->CaptionFont()->Name(), "Courier New");
    EXPECT_TRUE(group->CaptionFont()->Style() & cl::fsBold);
    group->CaptionFont()->SetName("Arial");
    group->Font()->SetName("Tahoma");
    EXPECT_EQ(group->CaptionFont()->Name(), "Arial");

    group->SetCaptionHotColor(cl::clRed);
    EXPECT_EQ(group->PressedCaptionColor(), mw::MixColors(cl::clBtnShadow, cl::clRed, 128));
}

TEST_F(GroupBarTest, MouseMakesItemsAndCaptionHotPressedAndClicked) {
    TMwGroup* group = AddGroup("G");
    TMwGroupItem* first = AddItem(group, "First");
    TMwGroupItem* plain = AddItem(group, "Plain", false);
    TMwGroupItem* last = AddItem(group, "Last");
    last->OnPopupClick = cl::TEvent<cl::TObject*, int, int, int>::FromFunction(
        [this](cl::TObject*, int index, int x, int y) { log.push_back("popup " + std::to_string(index) + " " + std::to_string(x) + "," + std::to_string(y)); });
    const cl::TPoint onFirst = Centre(first->TextRect()), onLast = Centre(last->TextRect());

    Send(group, WM_MOUSEMOVE, onFirst);
    EXPECT_EQ(first->State(), TMwItemState::Hot);
    Send(group, WM_MOUSEMOVE, Centre(plain->TextRect()));
    EXPECT_EQ(first->State(), TMwItemState::Normal) << "an item without anything to run stays normal";
    EXPECT_EQ(plain->State(), TMwItemState::Normal);
    Send(group, WM_MOUSEMOVE, {5, 5});
    EXPECT_EQ(group->CaptionState(), TMwCaptionState::Hot);
    SendMessageA(group->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(group->CaptionState(), TMwCaptionState::Normal);

    Send(group, WM_LBUTTONDOWN, onFirst, MK_LBUTTON);
    EXPECT_EQ(first->State(), TMwItemState::Pressed);
    EXPECT_TRUE(first->Selected());
    Send(group, WM_LBUTTONUP, onFirst);
    EXPECT_EQ(first->State(), TMwItemState::Hot);
    EXPECT_EQ(group->GetClickedItem(), first);

    Send(group, WM_LBUTTONDOWN, onLast, MK_LBUTTON);
    Send(group, WM_LBUTTONUP, Centre(plain->TextRect()));  // let go elsewhere: no click
    Send(group, WM_RBUTTONDOWN, onLast, MK_RBUTTON);
    Send(group, WM_RBUTTONUP, onLast);
    const cl::TPoint screen = group->ClientToScreen(onLast);
    EXPECT_EQ(log, (std::vector<std::string>{"click First", "popup 2 " + std::to_string(screen.x) + "," + std::to_string(screen.y)}));

    // The clicked item follows removals before it and goes with its own.
    EXPECT_EQ(group->GetClickedItem(), last);
    AddItem(group, "Tail");
    group->Items()->Delete(1);
    EXPECT_EQ(group->GetClickedItem(), last);
    group->Items()->Delete(1);
    EXPECT_EQ(group->GetClickedItem(), nullptr);
}

TEST_F(GroupBarTest, CaptionClickAsksBeforeItOpensOrCloses) {
    TMwGroup* group = AddGroup("G");
    bool allow = false;
    group->OnCanClose = TMwCanCloseEvent::FromFunction([&](cl::TObject*, bool& can) { can = allow; });
    Send(group, WM_LBUTTONDOWN, {5, 5}, MK_LBUTTON);
    EXPECT_EQ(group->CaptionState(), TMwCaptionState::Pressed);
    Send(group, WM_LBUTTONUP, {5, 5});
    EXPECT_TRUE(group->Opened());
    EXPECT_EQ(group->CaptionState(), TMwCaptionState::Hot);
    allow = true;
    Send(group, WM_LBUTTONDOWN, {5, 5}, MK_LBUTTON);
    Send(group, WM_LBUTTONUP, {5, 5});
    EXPECT_FALSE(group->Opened());
    EXPECT_EQ(log, (std::vector<std::string>{"close G"}));
}

TEST_F(GroupBarTest, OutlookScrollButtonsMoveTheFirstItemShown) {
    bar->SetStyle(TMwGroupBarStyle::Outlook);
    TMwGroup* group = AddGroup("G");
    AddGroup("Other");
    for (int i = 0; i < 12; ++i) AddItem(group, "Item " + std::to_string(i));
    ASSERT_TRUE(group->Opened());
    EXPECT_FALSE(group->ScrollUpButton()->Visible());
    ASSERT_TRUE(group->ScrollDownButton()->Visible());
    EXPECT_EQ(group->ScrollDownButton()->BoundsRect(),
              TRect::FromBounds(group->ClientWidth() - 21, group->ClientHeight() - 21, 17, 17));
    const int firstTop = group->Items()->Items(0)->TextRect().top;

    group->ScrollDownButton()->Click();
    EXPECT_EQ(group->TopItemIndex(), 1);
    EXPECT_TRUE(group->ScrollUpButton()->Visible());
    EXPECT_EQ(group->Items()->Items(1)->TextRect().top, firstTop);
    group->ScrollUpButton()->Click();
    group->ScrollUpButton()->Click();
    EXPECT_EQ(group->TopItemIndex(), 0);
}

TEST_F(GroupBarTest, AHotItemsHintReachesTheApplicationsHintWindow) {
    TMwGroup* group = AddGroup("G");
    cl::TAction* open = NewAction("Open", "Open|Opens an archive", 1);
    open->SetShortCut(static_cast<int>(cl::scCtrl | 'O'));
    TMwGroupItem* item = group->Items()->Add();
    item->SetAction(open);
    group->Repaint();  // records the item's text rectangle
    const cl::TPoint onItem = Centre(item->TextRect());
    Send(group, WM_MOUSEMOVE, onItem);
    MSG move{};
    move.hwnd = group->Handle();
    move.message = WM_MOUSEMOVE;
    move.lParam = MAKELPARAM(onItem.x, onItem.y);
    app.Hints().Observe(move);
    EXPECT_EQ(app.Hints().Text(), "Open (Ctrl+O)");
    app.Hints().SetShowShortCuts(false);
    app.Hints().Cancel();
    app.Hints().Observe(move);
    EXPECT_EQ(app.Hints().Text(), "Open");
}

// ---- items and their actions ----

TEST_F(GroupBarTest, ItemsFollowTheirActionsAndKeepTheirOwnValues) {
    TMwGroup* group = AddGroup("G");
    group->SetShowItemSelection(true);
    cl::TAction* open = NewAction("Open", "Open", 1);
    open->SetShortCut(static_cast<int>(cl::scCtrl | 'O'));
    cl::TAction* save = NewAction("Save", "Save it", 2);
    save->SetEnabled(false);
    TMwGroupItem* item = group->Items()->Add();

    item->SetAction(open);
    EXPECT_EQ(item->Caption(), "Open");
    EXPECT_EQ(item->HintText(true), "Open (Ctrl+O)");
    EXPECT_EQ(item->HintText(false), "Open");
    item->SetAction(save);
    EXPECT_EQ(item->Caption(), "Save");
    EXPECT_FALSE(item->Enabled());
    EXPECT_EQ(item->Hint(), "Save it");
    EXPECT_EQ(item->ImageIndex(), 2);
    EXPECT_TRUE(item->OnClick == save->OnExecute);

    // Values the item was given on its own stay when the action changes.
    item->SetCaption("Mine");
    save->SetCaption("Save as");
    save->SetEnabled(true);
    EXPECT_EQ(item->Caption(), "Mine");
    EXPECT_TRUE(item->Enabled());
    save->SetChecked(true);
    EXPECT_TRUE(item->Selected()) << "the group shows selections";

    // An OnClick of its own runs instead of the action.
    item->Click();
    item->OnClick = Logger("own");
    item->Click();
    EXPECT_EQ(log, (std::vector<std::string>{"execute Save", "own"}));

    TMwGroupItem* copy = group->Items()->Add();
    copy->Assign(*item);
    EXPECT_EQ(copy->Action(), save);
    EXPECT_EQ(copy->Caption(), "Mine");
    cl::TAction* fresh = NewAction("", "", -1);
    item->AssignTo(*fresh);
    EXPECT_EQ(fresh->Caption(), "Mine");
    EXPECT_EQ(fresh->ImageIndex(), 2);

    cl::Free(save);
    EXPECT_EQ(item->Action(), nullptr);
    EXPECT_EQ(copy->Action(), nullptr);
}

// ---- painting ----

class GroupPaintTest : public GroupBarTest {
protected:
    void SetUp() override {
        GroupBarTest::SetUp();
        bar->SetColor(kBar);
        bar->SetUseGradients(false);
        group = AddGroup("G", 60);
        group->SetCaptionColor(kCaption);
        group->CaptionFont()->SetColor(kText);
        group->SetGroupColor(kBody);
        group->SetBorderColor(kFrame);
        group->SetDividerColor(kDivider);
    }
    TPaintSurface Painted() {
        TPaintSurface s(group->ClientWidth(), group->ClientHeight());
        s.Paint(*group);
        return s;
    }
    TMwGroup* group = nullptr;
};

TEST_F(GroupPaintTest, ClassicCaptionWithItsRoundButtonAndBody) {
    const int w = group->ClientWidth(), h = group->ClientHeight();
    const int bx = w - 20, by = (20 - 15) / 2;
    TPaintSurface open = Painted();
    EXPECT_EQ(open.At(30, 10), Rgb(kCaption));
    EXPECT_EQ(open.At(0, 0), Rgb(kBar)) << "rounded corner shows the bar";
    EXPECT_EQ(open.At(w - 1, 1), Rgb(kBar));
    EXPECT_EQ(open.At(bx + 7, by), Rgb(kBar)) << "outline in the bar's colour";
    EXPECT_EQ(open.At(bx + 7, by + 3), Rgb(kText)) << "chevron tip pointing up";
    EXPECT_EQ(open.At(bx + 7, by + 11), Rgb(kCaption));
    EXPECT_EQ(open.At(0, 30), Rgb(kFrame));
    EXPECT_EQ(open.At(w - 1, 30), Rgb(kFrame));
    EXPECT_EQ(open.At(30, h - 1), Rgb(kFrame));
    EXPECT_EQ(open.At(30, 40), Rgb(kBody));

    group->Close();
    TPaintSurface closed = Painted();
    EXPECT_EQ(closed.At(bx + 7, by + 11), Rgb(kText)) << "chevron tip pointing down";
    EXPECT_EQ(closed.At(bx + 7, by + 3), Rgb(kCaption));

    group->SetCanClose(false);
    TPaintSurface fixed = Painted();
    EXPECT_EQ(fixed.At(0, 0), Rgb(kCaption)) << "no button: square corners";
    EXPECT_EQ(fixed.At(bx + 7, by), Rgb(kCaption));
}

TEST_F(GroupPaintTest, TaskListAndOutlookCaptions) {
    const int w = group->ClientWidth();
    bar->SetStyle(TMwGroupBarStyle::TaskList);
    group->SetDividerColor(kDivider);
    TPaintSurface task = Painted();
    EXPECT_EQ(task.At(30, 5), Rgb(kBody)) << "the caption in the group's colour";
    EXPECT_EQ(task.Count(kDivider, {0, 19, w, 20}), w) << "the divider under it";
    EXPECT_EQ(task.At(w - 13, 10), Rgb(kBody)) << "no open/close button";

    bar->SetStyle(TMwGroupBarStyle::Outlook);  // no gap round the groups: wider
    const int wide = group->ClientWidth();
    TPaintSurface outlook = Painted();
    EXPECT_EQ(outlook.At(0, 10), Rgb(cl::clBtnHighlight)) << "a raised caption";
    EXPECT_EQ(outlook.At(wide - 1, 10), Rgb(cl::clBtnShadow));
    EXPECT_EQ(outlook.At(wide - 4, 10), Rgb(kCaption));
}

TEST_F(GroupPaintTest, SeparatorsDrawALineAndNoText) {
    AddItem(group, "-", false);
    AddItem(group, "Text");
    const int row = 20 + 4 + 20 / 2;
    TPaintSurface s = Painted();
    EXPECT_EQ(s.Count(kDivider, {8, row, group->ClientWidth() - 8, row + 1}), group->ClientWidth() - 16);
    EXPECT_EQ(s.Count(kBody, {1, row - 6, group->ClientWidth() - 1, row}), (group->ClientWidth() - 2) * 6);
    EXPECT_GT(s.Count(group->Font()->Color(), group->Items()->Items(1)->TextRect()), 0);
}

TEST_F(GroupPaintTest, AHotItemsTextShowsInTheHotColourOnlyWhereThatStandsOut) {
    constexpr cl::TColor kGreyBody = 0xF5F5F5, kPaleHot = 0xE0E0E0, kItemText = 0x402000;
    group->SetGroupColor(kGreyBody);
    group->Font()->SetColor(kItemText);
    TMwGroupItem* item = AddItem(group, "Open RFA");
    const struct {
        TMwItemStyle style;
        cl::TColor hot;
        cl::TColor shown;
    } cases[] = {
        {TMwItemStyle::Large, kRed, kRed},
        {TMwItemStyle::Large, kPaleHot, kItemText},  // a pale hot-tracking colour would look disabled
        {TMwItemStyle::Small, kPaleHot, kItemText},
    };
    for (const auto& c : cases) {
        group->SetItemStyle(c.style);
        group->SetItemHotColor(c.hot);
        Send(group, WM_MOUSEMOVE, Centre(item->TextRect()));
        ASSERT_EQ(item->State(), TMwItemState::Hot);
        TPaintSurface s = Painted();
        EXPECT_GT(s.Count(c.shown, item->TextRect()), 0) << int(c.style) << " " << c.hot;
        EXPECT_EQ(s.Count(c.shown == kRed ? kItemText : c.hot, item->TextRect()), 0) << int(c.style) << " " << c.hot;
        SendMessageA(group->Handle(), WM_MOUSELEAVE, 0, 0);
    }
}

TEST_F(GroupPaintTest, DisabledItemsShowTheirDisabledImage) {
    auto* images = new cl::TImageList(form);
    const cl::TBitmapHandle strip = RedBlueStrip();
    images->AddMasked(strip.Get(), kOlive);
    group->SetSmallImages(images);
    TMwGroupItem* item = AddItem(group, "Item");
    item->SetImageIndex(0);
    item->SetDisabledIndex(1);
    struct Case {
        bool enabled;
        COLORREF expected;
    };
    for (const Case& c : {Case{true, kRed}, Case{false, kBlue}}) {
        item->SetEnabled(c.enabled);
        TPaintSurface s = Painted();
        const TRect image = item->ImageRect();
        EXPECT_EQ(s.At(image.left + 8, image.top + 8), c.expected) << c.enabled;
    }
    cl::Free(images);
}

TEST_F(GroupBarTest, ThemedCategoryViewTakesItsColoursAndButtonSizeFromTheTheme) {
    constexpr cl::TColor kFill = 0xC08060, kThemeText = 0x2040A0;
    TFakeThemes themes;
    ASSERT_TRUE(themes.Loaded());
    themes.State().themeFillColor = kFill;
    themes.State().themeTextColor = kThemeText;
    themes.State().partSize = {20, 18};
    TMwGroup* group = AddGroup("Themed", 60);
    EXPECT_EQ(group->Color(), kFill) << "the theme's group fill";
    TMwGroupItem* item = AddItem(group, "Item");
    const int w = group->ClientWidth();

    // The explorer bar's parts: 0 root, 5 and 9 group backgrounds, 6 and 10 collapse, 7 and 11
    // expand, 8 and 12 heads.
    const struct {
        const char* name;
        bool special, opened, canClose;
        std::vector<int> parts;
    } cases[] = {
        {"open", false, true, true, {0, 8, 6, 5}},
        {"closed", false, false, true, {0, 8, 7, 5}},
        {"special", true, true, true, {0, 12, 10, 9}},
        {"fixed open", false, true, false, {0, 8, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        group->SetCanClose(true);
        group->SetSpecial(c.special);
        if (c.opened) group->Open();
        else group->Close();
        group->SetCanClose(c.canClose);
        themes.Forget();
        TPaintSurface s(w, group->ClientHeight());
        s.Paint(*group);
        std::vector<int> parts;
        for (const TDrawnElement& drawn : themes.Drawn()) {
            EXPECT_EQ(drawn.themeClass, "explorerbar");
            parts.push_back(drawn.part);
            if (drawn.part == 6 || drawn.part == 7 || drawn.part == 10) {
                EXPECT_EQ((TRect{drawn.rect.left, drawn.rect.top, drawn.rect.right, drawn.rect.bottom}),
                          TRect::FromBounds(w - 20 - 2, (20 - 18) / 2, 20, 18))
                    << "the button in the size the theme gives it";
            }
        }
        EXPECT_EQ(parts, c.parts);
        if (c.opened) {
            EXPECT_GT(s.Count(kThemeText, item->TextRect()), 0) << "items in the theme's text colour";
            EXPECT_EQ(s.Count(group->Font()->Color(), item->TextRect()), 0);
        }
    }
}

}  // namespace
