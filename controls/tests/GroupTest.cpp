// The radio and check groups under Wine: the selected item, a refused change, items placed in
// columns, and the check states streamed with the form resource.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "classlib/core/FormReader.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/RegisterClasses.h"
#include "controls/RegisterControls.h"
#include "controls/basic/MwCheckGroup.h"
#include "controls/basic/MwRadioGroup.h"

namespace {

class GroupTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(0, 0, 400, 300);
        form->Show();
        group = new TMwRadioGroup(form);
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
    EXPECT_EQ(log, std::vector<std::string>{"click"});

    allow = false;
    ClickItem(2);
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(Checks(), (std::vector<bool>{false, true, false})) << "the previous choice is back";
    EXPECT_EQ(log.size(), 1u) << "no click for a refused change";
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

}  // namespace
