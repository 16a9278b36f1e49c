#include <gtest/gtest.h>

#include "classlib/core/FormReader.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/Panel.h"
#include "classlib/win/RegisterClasses.h"

namespace {

using cl::TBiDiMode;

class BiDiModeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { cl::RegisterClassLibrary(); }
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(0, 0, 300, 200);
    }
    cl::TPanel* NewPanel(cl::TControl* parent) {
        auto* panel = new cl::TPanel(form);
        panel->SetParent(parent);
        return panel;
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
};

TEST_F(BiDiModeTest, ChildrenFollowTheirParentUntilTheyAreGivenAModeOfTheirOwn) {
    cl::TPanel* outer = NewPanel(form);
    cl::TPanel* inner = NewPanel(outer);
    form->SetBiDiMode(TBiDiMode::RightToLeft);
    EXPECT_EQ(outer->BiDiMode(), TBiDiMode::RightToLeft);
    EXPECT_EQ(inner->BiDiMode(), TBiDiMode::RightToLeft);

    outer->SetBiDiMode(TBiDiMode::RightToLeftReadingOnly);
    EXPECT_FALSE(outer->ParentBiDiMode());
    EXPECT_EQ(inner->BiDiMode(), TBiDiMode::RightToLeftReadingOnly);  // follows its own parent
    form->SetBiDiMode(TBiDiMode::LeftToRight);
    EXPECT_EQ(outer->BiDiMode(), TBiDiMode::RightToLeftReadingOnly);

    outer->SetParentBiDiMode(true);
    EXPECT_EQ(outer->BiDiMode(), TBiDiMode::LeftToRight);
    EXPECT_EQ(inner->BiDiMode(), TBiDiMode::LeftToRight);

    // A control put into a parent takes the parent's mode.
    form->SetBiDiMode(TBiDiMode::RightToLeftNoAlign);
    auto* late = new cl::TPanel(form);
    late->SetParent(outer);
    EXPECT_EQ(late->BiDiMode(), TBiDiMode::RightToLeftNoAlign);
}

TEST_F(BiDiModeTest, TheModeDecidesReadingAlignmentAndScrollBarSideAndTheWindowsStyles) {
    const struct {
        TBiDiMode mode;
        bool reading, alignment, scrollBar;
    } cases[] = {{TBiDiMode::LeftToRight, false, false, false},
                 {TBiDiMode::RightToLeft, true, true, true},
                 {TBiDiMode::RightToLeftNoAlign, true, false, true},
                 {TBiDiMode::RightToLeftReadingOnly, true, false, false}};
    cl::TPanel* panel = NewPanel(form);
    form->Show();
    for (const auto& c : cases) {
        panel->SetBiDiMode(c.mode);  // the window exists: its styles change in place
        EXPECT_EQ(panel->UseRightToLeftReading(), c.reading) << static_cast<int>(c.mode);
        EXPECT_EQ(panel->UseRightToLeftAlignment(), c.alignment) << static_cast<int>(c.mode);
        EXPECT_EQ(panel->UseRightToLeftScrollBar(), c.scrollBar) << static_cast<int>(c.mode);
        const LONG exStyle = GetWindowLongA(panel->Handle(), GWL_EXSTYLE);
        EXPECT_EQ((exStyle & WS_EX_RTLREADING) != 0, c.reading) << static_cast<int>(c.mode);
        EXPECT_EQ((exStyle & WS_EX_LEFTSCROLLBAR) != 0, c.scrollBar) << static_cast<int>(c.mode);
        EXPECT_EQ(panel->DrawTextBiDiModeFlagsReadingOnly(), c.reading ? UINT(DT_RTLREADING) : 0u);
    }
    // A window made afterwards gets them at once.
    cl::TPanel* late = NewPanel(panel);
    EXPECT_EQ(GetWindowLongA(late->Handle(), GWL_EXSTYLE) & (WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR), WS_EX_RTLREADING);
}

TEST_F(BiDiModeTest, FormResourcesSetTheModeAndTheInheritance) {
    auto* read = new cl::TForm(&app);
    cl::ReadFormResource(*read, R"(object Form: TForm
  BiDiMode = bdRightToLeft
  object Follows: TPanel
  end
  object Own: TPanel
    BiDiMode = bdRightToLeftReadingOnly
    object Inner: TPanel
    end
  end
  object Keeps: TPanel
    ParentBiDiMode = False
  end
end
)",
                         "Form");
    const auto mode = [&](const char* name) { return dynamic_cast<cl::TControl*>(read->FindComponent(name))->BiDiMode(); };
    EXPECT_EQ(mode("Follows"), TBiDiMode::RightToLeft);
    EXPECT_EQ(mode("Own"), TBiDiMode::RightToLeftReadingOnly);
    EXPECT_EQ(mode("Inner"), TBiDiMode::RightToLeftReadingOnly);
    // Without inheritance it keeps the mode it had when the switch went off.
    read->SetBiDiMode(TBiDiMode::LeftToRight);
    EXPECT_EQ(mode("Keeps"), TBiDiMode::RightToLeft);
    EXPECT_EQ(mode("Follows"), TBiDiMode::LeftToRight);
}

}  // namespace
