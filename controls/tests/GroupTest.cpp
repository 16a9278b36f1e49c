// The radio and check groups under Wine: the selected item, a refused change, items placed in
// columns, and the check states streamed with the form resource.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "classlib/core/FormReader.h"
#include "classlib/win/Application.h"
#include "classlib/win/Edit.h"
#include "classlib/win/Form.h"
#include "classlib/win/RegisterClasses.h"
#include "controls/RegisterControls.h"
#include "controls/basic/MwCheckGroup.h"
#include "controls/basic/MwGroupBox.h"
#include "controls/basic/MwRadioGroup.h"
#include "controls/tests/FakeThemes.h"
#include "controls/tests/PaintSurface.h"

namespace {

// Logs the changed notification that it hands itself.
class TLoggingRadioGroup : public TMwRadioGroup {
public:
    TLoggingRadioGroup(cl::TComponent* owner, std::vector<std::string>& log) : TMwRadioGroup(owner), log_(log) {}

protected:
    void WndProc(cl::TMessage& m) override {
        if (m.msg == cl::CM_CHANGED) log_.push_back("changed");
        TMwRadioGroup::WndProc(m);
    }

private:
    std::vector<std::string>& log_;
};

class GroupTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(0, 0, 400, 300);
        form->Show();
        group = new TLoggingRadioGroup(form, log);
        group->SetParent(form);
        group->SetBounds(10, 10, 330, 120);
        group->SetCaption("Choice");
        for (const char* item : {"First", "Second", "Third"}) group->Items()->Add(item);
        group->OnClick = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { log.push_back("click"); });
    }

    std::vector<bool> Checks() const {
        std::vector<bool> checks;
        for (int i = 0; i < group->ItemCount(); ++i) checks.push_back(group->Item(i)->Checked());
        return checks;
    }
    void ClickItem(int index) {
        HWND item = group->Item(index)->Handle();
        SendMessageA(item, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        SendMessageA(item, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    TMwRadioGroup* group = nullptr;
    std::vector<std::string> log;
};

TEST_F(GroupTest, TheItemIndexStaysInRangeAndChecksItsItem) {
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(Checks(), (std::vector<bool>{false, false, false}));
    group->SetItemIndex(5);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(Checks(), (std::vector<bool>{false, false, true}));
    group->SetItemIndex(0);
    EXPECT_EQ(Checks(), (std::vector<bool>{true, false, false}));
    group->SetItemIndex(-7);
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(Checks(), (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(log.empty()) << "setting the index runs no events";

    group->SetItemIndex(2);
    group->Items()->Delete(2);
    EXPECT_EQ(group->ItemCount(), 2);
    EXPECT_EQ(group->ItemIndex(), 1) << "the index follows a shorter list";
}

TEST_F(GroupTest, TheUserChoosesUnlessOnChangingRefuses) {
    group->SetItemIndex(0);
    bool allow = true;
    std::vector<int> asked;
    group->OnChanging = TMwIndexChangingEvent::FromFunction([&](cl::TObject*, int index, bool& allowChange) {
        asked.push_back(index);
        allowChange = allow;
    });
    ClickItem(1);
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(Checks(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(log, (std::vector<std::string>{"changed", "click"}));

    allow = false;
    ClickItem(2);
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(Checks(), (std::vector<bool>{false, true, false})) << "the previous choice is back";
    EXPECT_TRUE(group->Item(1)->Focused()) << "and the focus with it";
    EXPECT_EQ(log.size(), 2u) << "nothing for a refused change";
    EXPECT_EQ(asked, (std::vector<int>{1, 2}));
}

TEST_F(GroupTest, ItemsFillTheirColumnsBelowTheTitle) {
    group->SetColumns(20);
    EXPECT_EQ(group->Columns(), 16);
    group->SetColumns(0);
    EXPECT_EQ(group->Columns(), 1);
    EXPECT_LT(group->Item(0)->Top(), group->Item(1)->Top());
    EXPECT_EQ(group->Item(0)->Left(), group->Item(2)->Left());

    group->Items()->Delete(2);
    group->SetColumns(2);
    group->SetStartXPos(30);
    EXPECT_EQ(group->Item(0)->Left(), 30);
    EXPECT_EQ(group->Item(1)->Top(), group->Item(0)->Top()) << "one row";
    EXPECT_GT(group->Item(1)->Left(), group->Item(0)->Left() + group->Item(0)->Width());
    EXPECT_GT(group->Item(0)->Top(), 10) << "below the title";
}

TEST_F(GroupTest, ItemsMoveWithTheGroupStyle) {
    auto* standard = new TMwRadioGroup(form);
    standard->SetParent(form);
    standard->SetBounds(10, 140, 330, 120);
    standard->SetCaption("Choice");
    standard->SetGroupStyle(TMwGroupBoxStyle::Standard);
    standard->Items()->Add("First");
    ASSERT_NE(group->Item(0)->Top(), standard->Item(0)->Top()) << "the styles start their items apart";

    group->SetGroupStyle(TMwGroupBoxStyle::Standard);
    EXPECT_EQ(group->Item(0)->Top(), standard->Item(0)->Top()) << "as if it had always had that style";
}

TEST_F(GroupTest, RightToLeftReadingStartsTheColumnsAtTheRightWithTheGlyphsThere) {
    group->SetColumns(3);
    const struct {
        TBiDiMode mode;
        cl::TAlignment alignment;  // of the caption beside the glyph
        bool firstRightmost;
    } cases[] = {{TBiDiMode::RightToLeftReadingOnly, cl::TAlignment::LeftJustify, true},
                 {TBiDiMode::LeftToRight, cl::TAlignment::RightJustify, false}};
    for (const auto& c : cases) {
        group->SetBiDiMode(c.mode);
        EXPECT_EQ(group->Item(0)->Alignment(), c.alignment);
        EXPECT_EQ(group->Item(0)->Left() > group->Item(2)->Left(), c.firstRightmost);
        EXPECT_LE(group->Item(0)->BoundsRect().right, group->ClientWidth());
    }
}

TEST_F(GroupTest, FormResourcesStreamTheItemsAndCheckStates) {
    cl::RegisterClassLibrary();
    RegisterQuillonControls();
    cl::TForm root(nullptr);
    cl::ReadFormResource(root, R"(
object F: TForm
  object Radio: TMwRadioGroup
    Width = 200
    Height = 80
    Items = ("A" "B")
    ItemIndex = 1
    Flat = True
  end
  object Checks: TMwCheckGroup
    Width = 200
    Height = 80
    Items = ("One" "Two" "Three")
    CheckStates = ("0" "1" "0")
  end
end
)",
                         "F");
    auto* radio = dynamic_cast<TMwRadioGroup*>(root.FindComponent("Radio"));
    auto* checks = dynamic_cast<TMwCheckGroup*>(root.FindComponent("Checks"));
    ASSERT_NE(radio, nullptr);
    ASSERT_NE(checks, nullptr);
    ASSERT_EQ(radio->ItemCount(), 2);
    EXPECT_EQ(radio->ItemIndex(), 1);
    EXPECT_TRUE(radio->Item(1)->Checked());
    EXPECT_TRUE(radio->ItemHotTrack());
    EXPECT_TRUE(radio->Item(0)->HotTrack());
    ASSERT_EQ(checks->ItemCount(), 3);
    EXPECT_FALSE(checks->ItemChecked(0));
    EXPECT_TRUE(checks->ItemChecked(1));
    EXPECT_FALSE(checks->ItemChecked(2));
}

TEST_F(GroupTest, EveryItemTakesTheGroupsItemLook) {
    struct Case {
        const char* name;
        std::function<void()> set;
        std::function<bool(TMwCustomGlyphButton&)> taken;
    } cases[] = {
        {"ItemFrameColor", [&] { group->SetItemFrameColor(cl::clRed); },
         [](TMwCustomGlyphButton& b) { return b.FrameColor() == cl::clRed; }},
        {"ItemHotTrack", [&] { group->SetItemHotTrack(true); }, [](TMwCustomGlyphButton& b) { return b.HotTrack(); }},
        {"ItemHighlightColor", [&] { group->SetItemHighlightColor(cl::clLime); },
         [](TMwCustomGlyphButton& b) { return b.HighlightColor() == cl::clLime; }},
        {"ItemHotTrackColor", [&] { group->SetItemHotTrackColor(cl::clNavy); },
         [](TMwCustomGlyphButton& b) { return b.HotTrackColor() == cl::clNavy; }},
        {"ItemHotTrackColorType", [&] { group->SetItemHotTrackColorType(TMwHotTrackColorType::Actual); },
         [](TMwCustomGlyphButton& b) { return b.HotTrackColorType() == TMwHotTrackColorType::Actual; }},
        {"TextStyle", [&] { group->SetTextStyle(TTextStyle::Raised); },
         [](TMwCustomGlyphButton& b) { return b.TextStyle() == TTextStyle::Raised; }},
        {"LightTextStyle", [&] { group->SetLightTextStyle(true); }, [](TMwCustomGlyphButton& b) { return b.LightTextStyle(); }},
        {"TextShadowDepth", [&] { group->SetTextShadowDepth(5); },
         [](TMwCustomGlyphButton& b) { return b.TextShadowDepth() == 5; }},
        {"WinMaskColor", [&] { group->SetWinMaskColor(cl::clFuchsia); },
         [](TMwCustomGlyphButton& b) { return b.WinMaskColor() == cl::clFuchsia; }},
        {"Transparent", [&] { group->SetTransparent(true); }, [](TMwCustomGlyphButton& b) { return b.Transparent(); }},
    };
    for (const Case& c : cases) {
        c.set();
        for (int i = 0; i < group->ItemCount(); ++i) EXPECT_TRUE(c.taken(*group->Item(i))) << c.name << " item " << i;
    }
    group->Items()->Add("Fourth");
    EXPECT_TRUE(group->Item(3)->HotTrack()) << "a new item is dressed too";
    EXPECT_EQ(group->Item(3)->FrameColor(), cl::clRed);
}

TEST_F(GroupTest, ItemsFollowTheGroupsFontUntilTheItemFontIsSetItself) {
    group->Font()->SetName("Courier New");
    EXPECT_EQ(group->Item(0)->Font()->Name(), "Courier New");
    group->ItemFont()->SetSize(12);
    group->Font()->SetName("Arial");
    EXPECT_EQ(group->ItemFont()->Name(), "Courier New") << "the item font is its own now";
    EXPECT_EQ(group->Item(0)->Font()->Size(), 12);
}

TEST_F(GroupTest, CheckGroupReportsItemChangesAndPassesAllowGrayedOn) {
    auto* checks = new TMwCheckGroup(form);
    checks->SetParent(form);
    checks->SetBounds(10, 140, 330, 120);
    for (const char* item : {"One", "Two"}) checks->Items()->Add(item);
    std::vector<std::string> changes;
    checks->OnChange = TStateChangeEvent::FromFunction([&](cl::TObject* sender, int index, TCheckBoxState state) {
        changes.push_back(std::to_string(index) + ":" + std::to_string(static_cast<int>(state)) +
                          (sender == checks ? "" : "?"));
    });
    checks->SetAllowGrayed(true);
    HWND second = checks->Item(1)->Handle();
    for (int i = 0; i < 3; ++i) {
        SendMessageA(second, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        SendMessageA(second, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    }
    EXPECT_EQ(changes, (std::vector<std::string>{"1:2", "1:1", "1:0"})) << "grayed, checked, unchecked";

    checks->SetItemState(0, TCheckBoxState::Grayed);
    EXPECT_EQ(checks->ItemState(0), TCheckBoxState::Grayed);
    checks->SetItemEnabled(0, false);
    EXPECT_FALSE(checks->Item(0)->Enabled());
    EXPECT_TRUE(checks->ItemEnabled(1));
}

TEST_F(GroupTest, TheCaptionsAcceleratorFocusesTheFirstItem) {
    auto* box = new TMwGroupBox(form);
    box->SetParent(form);
    box->SetBounds(10, 140, 200, 100);
    box->SetCaption("&Options");
    auto* first = new cl::TEdit(form);
    first->SetParent(box);
    first->SetBounds(10, 20, 80, 21);
    group->SetCaption("&Choice");
    EXPECT_EQ(SendMessageA(box->Handle(), cl::CM_DIALOGCHAR, 'o', 0), 1);
    EXPECT_EQ(GetFocus(), first->Handle());
    EXPECT_EQ(SendMessageA(box->Handle(), cl::CM_DIALOGCHAR, 'x', 0), 0);
    EXPECT_EQ(SendMessageA(group->Handle(), cl::CM_DIALOGCHAR, 'c', 0), 1);
    EXPECT_EQ(GetFocus(), group->Item(0)->Handle());
}

TEST_F(GroupTest, UnderThemesTheGroupAndItsItemsDrawThemeElements) {
    TFakeThemes themes;
    ASSERT_TRUE(themes.Loaded());
    group->SetItemIndex(1);
    struct Case {
        const char* name;
        cl::TControl* control;
        bool enabled;
        int part, state;
    } cases[] = {
        {"group box", group, true, 4, 1},
        {"unchecked radio item", group->Item(0), true, 2, 1},
        {"checked radio item", group->Item(1), true, 2, 5},
        {"disabled group box", group, false, 4, 2},
        {"disabled checked radio item", group->Item(1), false, 2, 8},
    };
    for (const Case& c : cases) {
        group->SetEnabled(c.enabled);
        themes.Forget();
        TPaintSurface s(c.control->Width(), c.control->Height());
        s.Paint(*c.control);
        const std::vector<TDrawnElement> drawn = themes.Drawn();
        ASSERT_FALSE(drawn.empty()) << c.name;
        EXPECT_EQ(drawn.back().themeClass, "button") << c.name;
        EXPECT_EQ(drawn.back().part, c.part) << c.name;
        EXPECT_EQ(drawn.back().state, c.state) << c.name;
    }
}

}  // namespace
