// The main window built in-process from its form resource.

#include <gtest/gtest.h>

#include "app/tests/FormTestSupport.h"
#include "app/QuillonClasses.h"
#include "app/frmMainQuillon.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Application.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/ListView.h"
#include "controls/basic/MwStatusBar.h"
#include "controls/navigation/MwGroup.h"
#include "controls/navigation/MwGroupBar.h"
#include "controls/navigation/MwPageControl.h"
#include "controls/navigation/MwSplitter.h"
#include "controls/navigation/MwTreeView.h"

namespace {

using form_test::Exists;

class MainFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterQuillonClasses(); }
    void SetUp() override {
        cl::DialogHooks().messageBox = [this](const std::string& text, cl::TMsgDlgType, cl::TMsgDlgButtons) {
            messages.push_back(text);
            return cl::mrOk;
        };
    }
    void TearDown() override { cl::DialogHooks() = {}; }

    cl::TApplication app;
    std::vector<std::string> messages;
};

TEST_F(MainFormTest, StartsWithTheLayoutAndStateOfAFreshWindow) {
    auto* form = app.CreateForm<TfrmMainQuillon>();
    form->Show();
    EXPECT_EQ(FindWindowA("TfrmMainQuillon", "Col. Dalverin's BF1942 Quillon"), form->Handle());
    EXPECT_TRUE(messages.empty());

    // The layout: the group bar on the left, the status bar at the bottom, the
    // splitter with the folder tree and the file list in the rest.
    const cl::TRect client = form->ClientRect();
    EXPECT_EQ(form->gbMain->Left(), 0);
    EXPECT_EQ(form->gbMain->Width(), 145);
    EXPECT_EQ(form->MwStatusBar1->Top() + form->MwStatusBar1->Height(), client.bottom);
    EXPECT_EQ(form->MwStatusBar1->Height(), 19);
    EXPECT_EQ(form->MainSplitter->Left(), 145);
    EXPECT_EQ(form->MainSplitter->Width(), client.Width() - 145);
    EXPECT_TRUE(form->tvFolders->Showing());
    EXPECT_TRUE(form->lvFiles->Showing());
    ASSERT_EQ(form->lvFiles->Columns()->Count(), 4);
    EXPECT_EQ(form->lvFiles->Column(0)->Caption(), "Name");
    EXPECT_EQ(form->lvFiles->Column(0)->Width(), 160);

    // The state FormCreate leaves.
    EXPECT_EQ(form->pcPreview->ActivePage(), form->tsCode);
    EXPECT_FALSE(form->tsCode->TabVisible());
    EXPECT_FALSE(form->gbActions->Opened());
    EXPECT_FALSE(form->actSearch->Visible());
    EXPECT_EQ(form->Entries->Count(), 0);
    EXPECT_TRUE(Exists(TfrmMainQuillon::TempFolder()));

    cl::Free(form);
    EXPECT_FALSE(Exists(TfrmMainQuillon::TempFolder()));
}

}  // namespace
