// Theme element families: each member maps to the schema's part and state.

#include <gtest/gtest.h>

#include <string>

#include "controls/foundation/ThemeElements.h"

namespace {

using namespace mw;

TEST(ThemeElementsTest, MembersMapToTheirPartAndState) {
    struct Case {
        const char* name;
        TThemedElementDetails details;
        TThemedElementDetails expected;
    };
    const Case cases[] = {
        {"don't care", ThemeElementDetails(TThemedButton::DontCare), {TThemedElement::Button, 0, 1}},
        {"root", ThemeElementDetails(TThemedScrollBar::Root), {TThemedElement::ScrollBar, 0, 2}},
        {"third arrow state", ThemeElementDetails(TThemedScrollBar::ArrowBtnUpPressed), {TThemedElement::ScrollBar, 1, 3}},
        {"last arrow state", ThemeElementDetails(TThemedScrollBar::ArrowBtnRightDisabled), {TThemedElement::ScrollBar, 1, 16}},
        {"size box", ThemeElementDetails(TThemedScrollBar::SizeBoxLeftAlign), {TThemedElement::ScrollBar, 10, 2}},
        {"first push button state", ThemeElementDetails(TThemedButton::PushButtonNormal), {TThemedElement::Button, 1, 1}},
        {"mixed check box", ThemeElementDetails(TThemedButton::CheckBoxMixedDisabled), {TThemedElement::Button, 3, 12}},
        {"disabled group box", ThemeElementDetails(TThemedButton::GroupBoxDisabled), {TThemedElement::Button, 4, 2}},
        {"combo drop-down", ThemeElementDetails(TThemedComboBox::DropDownButtonNormal), {TThemedElement::ComboBox, 1, 1}},
        {"progress chunk", ThemeElementDetails(TThemedProgress::Chunk), {TThemedElement::Progress, 3, 1}},
        {"vertical chunk", ThemeElementDetails(TThemedProgress::ChunkVert), {TThemedElement::Progress, 4, 1}},
        {"rebar chevron", ThemeElementDetails(TThemedRebar::ChevronVertDisabled), {TThemedElement::Rebar, 5, 4}},
        {"spin", ThemeElementDetails(TThemedSpin::DownHorzHot), {TThemedElement::Spin, 4, 2}},
        {"status gripper", ThemeElementDetails(TThemedStatus::Gripper), {TThemedElement::Status, 3, 1}},
        {"vertical separator", ThemeElementDetails(TThemedToolBar::SeparatorVertHotChecked), {TThemedElement::ToolBar, 6, 6}},
        {"explorer bar head", ThemeElementDetails(TThemedExplorerBar::SpecialGroupHead), {TThemedElement::ExplorerBar, 12, 1}},
        {"pin", ThemeElementDetails(TThemedExplorerBar::HeaderPinSelectedHot), {TThemedElement::ExplorerBar, 3, 5}},
        {"window frame", ThemeElementDetails(TThemedWindow::SmallFrameBottomInactive), {TThemedElement::Window, 12, 2}},
        {"window thumb", ThemeElementDetails(TThemedWindow::VertThumbDisabled), {TThemedElement::Window, 28, 4}},
        {"last window part", ThemeElementDetails(TThemedWindow::SmallFrameBottomSizingTemplate), {TThemedElement::Window, 37, 1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.details.element, c.expected.element) << c.name;
        EXPECT_EQ(c.details.part, c.expected.part) << c.name;
        EXPECT_EQ(c.details.state, c.expected.state) << c.name;
    }
}

TEST(ThemeElementsTest, FamiliesEndAtTheOrdinalsOfTheSchema) {
    EXPECT_EQ(static_cast<int>(TThemedButton::UserButton), 29);
    EXPECT_EQ(static_cast<int>(TThemedExplorerBar::SpecialGroupHead), 32);
    EXPECT_EQ(static_cast<int>(TThemedRebar::ChevronVertDisabled), 17);
    EXPECT_EQ(static_cast<int>(TThemedScrollBar::SizeBoxLeftAlign), 51);
    EXPECT_EQ(static_cast<int>(TThemedSpin::DownHorzDisabled), 17);
    EXPECT_EQ(static_cast<int>(TThemedToolBar::SeparatorVertHotChecked), 37);
    EXPECT_EQ(static_cast<int>(TThemedWindow::SmallFrameBottomSizingTemplate), 104);
}

TEST(ThemeElementsTest, EachElementOpensItsThemeClass) {
    EXPECT_EQ(std::string(ThemeClassName(TThemedElement::Button)), "button");
    EXPECT_EQ(std::string(ThemeClassName(TThemedElement::ExplorerBar)), "explorerbar");
    EXPECT_EQ(std::string(ThemeClassName(TThemedElement::TrayNotify)), "traynotify");
    EXPECT_EQ(std::string(ThemeClassName(TThemedElement::Window)), "window");
}

}  // namespace
