// The framed tree view: node paths both ways, colours that follow focus and the enabled state,
// its frame and the selection outline read back as pixels, wheel scrolling, automatic
// selection, and node context menus from the mouse and the keyboard.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "classlib/core/ClassInfo.h"
#include "classlib/core/FormReader.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/Menus.h"
#include "classlib/win/RegisterClasses.h"
#include "classlib/win/Screen.h"
#include "controls/navigation/MwTreeView.h"
#include "controls/tests/PaintSurface.h"

namespace {

using cl::TPoint;
using cl::TRect;

constexpr cl::TColor kRed = 0x0000F0, kBlue = 0xF00000, kYellow = 0x00E0E0, kGray = 0x808080;

class TreeViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(100, 100, 400, 300);
        tree = NewTree(10);
        other = NewTree(200);
        form->Show();
    }
    void TearDown() override { cl::TPopupMenu::PopupHook() = nullptr; }

    TMwTreeView* NewTree(int left) {
        auto* t = new TMwTreeView(form);
        t->SetParent(form);
        t->SetBounds(left, 10, 150, 100);
        return t;
    }
    TRect TextRect(cl::TTreeNode* node) {
        RECT r{};
        TreeView_GetItemRect(tree->Handle(), node->ItemId(), &r, TRUE);
        return {r.left, r.top, r.right, r.bottom};
    }
    static TPoint Centre(const TRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    // The right click the tree reports to its parent, with the pointer at p.
    void RightClickAt(TPoint p) {
        const TPoint screen = tree->ClientToScreen(p);
        SetCursorPos(screen.x, screen.y);
        NMHDR header{tree->Handle(), 0, static_cast<UINT>(NM_RCLICK)};
        SendMessageA(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    }
    // Counts the menus that pop up, and chooses no item.
    void CountPopups() {
        cl::TPopupMenu::PopupHook() = [this](cl::TPopupMenu&, int x, int y) -> cl::TMenuItem* {
            popups.push_back({x, y});
            return nullptr;
        };
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    TMwTreeView* tree = nullptr;
    TMwTreeView* other = nullptr;
    std::vector<TPoint> popups;
};

TEST_F(TreeViewTest, PathsRunFromTheRootAndFindNodesWithoutRegardToCase) {
    cl::TTreeNode* data = tree->AddChild(nullptr, "Data");
    cl::TTreeNode* maps = tree->AddChild(data, "Maps");
    tree->AddChild(data, "Maps");  // a second sibling of the same text is never found
    cl::TTreeNode* deeper = tree->AddChild(maps, "Deeper");
    tree->AddChild(nullptr, "Other");

    EXPECT_EQ(tree->GetPathFromNode(maps), "Data\\Maps\\");
    EXPECT_EQ(tree->GetPathFromNode(deeper), "Data\\Maps\\Deeper\\");
    EXPECT_EQ(tree->GetPathFromNode(nullptr), "");

    const struct {
        const char* path;
        cl::TTreeNode* expected;
    } cases[] = {
        {"data\\maps", maps},          {"DATA\\MAPS\\", maps},  {"Data\\Maps\\", maps},       {"Data", data},
        {"data\\maps\\deeper", deeper}, {"Other\\Maps", nullptr}, {"Data\\Nothing\\", nullptr}, {"Missing", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tree->GetNodeFromPath(c.path), c.expected) << c.path;
        EXPECT_EQ(cl::Screen().Cursor(), cl::crDefault) << "the hourglass is gone again";
    }
}

TEST_F(TreeViewTest, OlderFormResourcesMapTheirRetiredFrameProperties) {
    cl::RegisterClassLibrary();
    cl::TClassRegistry::Register(TMwTreeView::StaticClass());
    const struct {
        const char* settings;
        bool hotTrack;
        TFrameStyle style, hotStyle;
    } cases[] = {
        {"FrameFlat = True", true, TFrameStyle::Status, TFrameStyle::Lowered},
        {"FrameFlat = False\n    FrameFocusStyle = fsRaised\n    FrameFlatStyle = fsButtonUp", false, TFrameStyle::Flat,
         TFrameStyle::Raised},
    };
    for (const auto& c : cases) {
        auto* root = new cl::TForm(&app);
        cl::ReadFormResource(*root, std::string("object F: TForm\n  object T: TMwTreeView\n    ") + c.settings + "\n  end\nend\n",
                             "Old");
        auto* read = dynamic_cast<TMwTreeView*>(root->FindComponent("T"));
        ASSERT_NE(read, nullptr) << c.settings;
        EXPECT_EQ(read->FrameHotTrack(), c.hotTrack) << c.settings;
        EXPECT_EQ(read->FrameVisible(), c.hotTrack) << c.settings;
        EXPECT_EQ(read->FrameStyle(), c.style) << c.settings;
        EXPECT_EQ(read->FrameHotStyle(), c.hotStyle) << c.settings;
    }
}

TEST_F(TreeViewTest, SelectedIsNoneBeforeTheWindowExists) {
    auto* detached = new TMwTreeView(form);
    EXPECT_FALSE(detached->HandleAllocated());
    EXPECT_EQ(detached->Selected(), nullptr);
}

TEST_F(TreeViewTest, ColoursFollowFocusAndTheEnabledState) {
    tree->SetFocusColor(kYellow);
    tree->SetDisabledColor(kGray);
    auto background = [&] { return TreeView_GetBkColor(tree->Handle()); };

    tree->SetFocus();
    EXPECT_EQ(tree->Color(), kYellow);
    EXPECT_EQ(background(), cl::ColorToRGB(kYellow));
    other->SetFocus();
    EXPECT_EQ(tree->Color(), cl::clWindow);
    EXPECT_EQ(background(), cl::ColorToRGB(cl::clWindow));
    tree->SetEnabled(false);
    EXPECT_EQ(tree->Color(), kGray);
    tree->SetEnabled(true);
    EXPECT_EQ(tree->Color(), cl::clWindow);

    // A focus colour equal to the colour moves with it; a different one stays.
    other->SetColor(kRed);
    EXPECT_EQ(other->FocusColor(), kRed);
    tree->SetColor(kRed);
    EXPECT_EQ(tree->FocusColor(), kYellow);
}

TEST_F(TreeViewTest, FramePaintsInTheNonClientAreaAndTurnsHotWithFocus) {
    tree->SetFrameVisible(true);
    tree->SetFrameColor(kRed);
    tree->SetFrameHotColor(kBlue);
    other->SetFocus();
    auto corner = [&] {
        SendMessageA(tree->Handle(), WM_NCPAINT, 1, 0);
        HDC dc = GetWindowDC(tree->Handle());
        const COLORREF pixel = GetPixel(dc, 0, 0);
        ReleaseDC(tree->Handle(), dc);
        return pixel;
    };
    EXPECT_EQ(corner(), cl::ColorToRGB(kRed));
    tree->SetFocus();
    EXPECT_EQ(corner(), cl::ColorToRGB(kRed)) << "no hot style without hot tracking";
    tree->SetFrameHotTrack(true);
    EXPECT_EQ(corner(), cl::ColorToRGB(kBlue));
    other->SetFocus();
    EXPECT_EQ(corner(), cl::ColorToRGB(kRed));
}

TEST_F(TreeViewTest, OutlinesTheSelectedNodeOnlyWhileUnfocused) {
    tree->SetHideSelection(false);
    tree->SelectionPen()->SetColor(kRed);
    tree->AddChild(nullptr, "First");
    cl::TTreeNode* second = tree->AddChild(nullptr, "Second");
    tree->SetSelected(second);
    other->SetFocus();
    const TRect text = TextRect(second);
    const int middle = (text.top + text.bottom) / 2;

    TPaintSurface unfocused(150, 100);
    unfocused.Paint(*tree);
    EXPECT_EQ(unfocused.At(text.left, middle), cl::ColorToRGB(kRed));
    EXPECT_EQ(unfocused.At(text.right - 1, middle), cl::ColorToRGB(kRed));
    EXPECT_EQ(unfocused.Count(kRed, {0, 0, 150, text.top - 1}), 0) << "no other node";

    tree->SetFocus();
    TPaintSurface focused(150, 100);
    focused.Paint(*tree);
    EXPECT_EQ(focused.Count(kRed, {0, 0, 150, 100}), 0);
}

TEST_F(TreeViewTest, WheelScrollsByWholeLinesAndNotAboveTheTop) {
    for (int i = 0; i < 40; ++i) tree->AddChild(nullptr, "Node " + std::to_string(i));
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    auto wheel = [&](int delta) { SendMessageA(tree->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0); };
    auto position = [&] { return GetScrollPos(tree->Handle(), SB_VERT); };

    wheel(-WHEEL_DELTA);
    EXPECT_EQ(position(), static_cast<int>(lines));
    EXPECT_EQ(tree->TopItem()->Index(), static_cast<int>(lines));
    wheel(WHEEL_DELTA);
    EXPECT_EQ(position(), 0);

    SendMessageA(tree->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    ASSERT_EQ(position(), 1);
    wheel(WHEEL_DELTA);  // would go above the top: stays
    EXPECT_EQ(position(), 1);
}

TEST_F(TreeViewTest, AutoSelectSelectsANodeThatTheUserExpandsOrCollapses) {
    cl::TTreeNode* first = tree->AddChild(nullptr, "First");
    cl::TTreeNode* parent = tree->AddChild(nullptr, "Parent");
    tree->AddChild(parent, "Child");
    tree->SetSelected(first);
    tree->SetAutoExpand(true);
    tree->SetAutoSelect(true);
    EXPECT_FALSE(tree->AutoExpand()) << "the two exclude each other";

    // The expand button lies left of the node's text.
    const TRect text = TextRect(parent);
    TPoint button{-1, Centre(text).y};
    for (int x = 0; x < text.left && button.x < 0; ++x) {
        TVHITTESTINFO hit{};
        hit.pt = {x, button.y};
        TreeView_HitTest(tree->Handle(), &hit);
        if (hit.flags & TVHT_ONITEMBUTTON) button.x = x;
    }
    ASSERT_GE(button.x, 0);
    SendMessageA(tree->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.x, button.y));
    SendMessageA(tree->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(button.x, button.y));
    EXPECT_TRUE(parent->Expanded());
    EXPECT_EQ(tree->Selected(), parent);

    tree->SetSelected(first);
    SendMessageA(tree->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.x, button.y));
    SendMessageA(tree->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(button.x, button.y));
    EXPECT_FALSE(parent->Expanded());
    EXPECT_EQ(tree->Selected(), parent);
}

TEST_F(TreeViewTest, RightClickRaisesOneMenuForTheNodeUnderThePointer) {
    cl::TTreeNode* first = tree->AddChild(nullptr, "First");
    cl::TTreeNode* second = tree->AddChild(nullptr, "Second");
    auto* menu = new cl::TPopupMenu(form);
    tree->SetPopupMenu(menu);
    CountPopups();

    const struct {
        const char* name;
        cl::TTreeNode* selected;
        bool rightClickSelect;
    } cases[] = {{"nothing selected", nullptr, false}, {"plain", first, false}, {"RightClickSelect", first, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tree->SetSelected(c.selected);
        tree->SetRightClickSelect(c.rightClickSelect);
        popups.clear();
        cl::TTreeNode* reported = nullptr;
        cl::TTreeNode* selectedMeanwhile = nullptr;
        tree->OnNodeContextMenu = TMwTvOnNodeContextMenuEvent::FromFunction(
            [&](cl::TObject*, cl::TTreeNode* node, TPoint&, cl::TPopupMenu*&) {
                reported = node;
                selectedMeanwhile = tree->Selected();
            });
        const TPoint at = Centre(TextRect(second));
        RightClickAt(at);
        EXPECT_EQ(reported, second);
        EXPECT_EQ(selectedMeanwhile, c.rightClickSelect ? second : c.selected);
        EXPECT_EQ(tree->Selected(), c.selected) << "the click does not select";
        ASSERT_EQ(popups.size(), 1u) << "one menu, not a second one for the context-menu message";
        EXPECT_EQ(popups[0], tree->ClientToScreen(at));
    }

    // The handler may suppress the menu.
    popups.clear();
    tree->OnNodeContextMenu =
        TMwTvOnNodeContextMenuEvent::FromFunction([](cl::TObject*, cl::TTreeNode*, TPoint&, cl::TPopupMenu*& m) { m = nullptr; });
    RightClickAt(Centre(TextRect(second)));
    EXPECT_TRUE(popups.empty());
}

TEST_F(TreeViewTest, MenuKeyRaisesTheMenuAtTheSelectedNodesText) {
    tree->AddChild(nullptr, "First");
    cl::TTreeNode* second = tree->AddChild(nullptr, "Second");
    tree->SetPopupMenu(new cl::TPopupMenu(form));
    CountPopups();

    // Without a selected node the tree's menu comes up at its corner.
    SendMessageA(tree->Handle(), WM_KEYDOWN, VK_APPS, 0);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0], tree->ClientToScreen({0, 0}));

    tree->SetSelected(second);
    cl::TTreeNode* reported = nullptr;
    tree->OnNodeContextMenu = TMwTvOnNodeContextMenuEvent::FromFunction(
        [&](cl::TObject*, cl::TTreeNode* node, TPoint&, cl::TPopupMenu*&) { reported = node; });
    SendMessageA(tree->Handle(), WM_KEYDOWN, VK_APPS, 0);
    EXPECT_EQ(reported, second);
    ASSERT_EQ(popups.size(), 2u);
    EXPECT_EQ(popups[1], tree->ClientToScreen(Centre(TextRect(second))));
}

}  // namespace
