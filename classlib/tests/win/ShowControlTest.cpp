#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/Panel.h"

namespace {

// A container that notes which child it was asked to show, and shows itself first.
class TRecordingPanel : public cl::TPanel {
public:
    TRecordingPanel(cl::TComponent* owner, std::vector<std::string>& log) : cl::TPanel(owner), log_(log) {}

protected:
    void ShowControl(cl::TControl* child) override {
        log_.push_back(Name() + " shows " + child->Name());
        SetVisible(true);
        cl::TPanel::ShowControl(child);
    }

private:
    std::vector<std::string>& log_;
};

class ShowControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(0, 0, 300, 200);
        outer = new TRecordingPanel(form, log);
        outer->SetName("Outer");
        outer->SetParent(form);
        inner = new TRecordingPanel(form, log);
        inner->SetName("Inner");
        inner->SetParent(outer);
        leaf = new cl::TPanel(form);
        leaf->SetName("Leaf");
        leaf->SetParent(inner);
        form->Show();
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    TRecordingPanel* outer = nullptr;
    TRecordingPanel* inner = nullptr;
    cl::TPanel* leaf = nullptr;
    std::vector<std::string> log;
};

TEST_F(ShowControlTest, EveryContainerOnTheWayUpHearsOfTheShowBeforeTheControlShows) {
    outer->Hide();
    inner->Hide();
    leaf->Hide();
    leaf->Show();
    EXPECT_EQ(log, (std::vector<std::string>{"Inner shows Leaf", "Outer shows Inner"}));
    EXPECT_TRUE(leaf->Showing());
    EXPECT_TRUE(IsWindowVisible(leaf->Handle()));
}

TEST_F(ShowControlTest, SettingVisibleIsNotAShowRequest) {
    inner->Hide();
    leaf->Hide();
    leaf->SetVisible(true);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(leaf->Showing());
}

}  // namespace
