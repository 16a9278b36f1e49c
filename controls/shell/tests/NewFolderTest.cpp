// Making new folders with free names, and the warnings when that fails.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/win/Dialogs.h"
#include "controls/shell/NewFolder.h"
#include "controls/shell/ShellText.h"
#include "utils/tests/ScratchFolder.h"

namespace {

class NewFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        cl::DialogHooks().messageBox = [this](const std::string& text, cl::TMsgDlgType type, cl::TMsgDlgButtons buttons) {
            EXPECT_EQ(type, cl::TMsgDlgType::Warning);
            EXPECT_EQ(buttons, cl::mbOK);
            messages.push_back(text);
            return cl::mrOk;
        };
    }
    void TearDown() override { cl::DialogHooks().messageBox = nullptr; }

    ut_test::ScratchFolder scratch;
    std::vector<std::string> messages;
};

TEST_F(NewFolderTest, TakesTheFirstFreeName) {
    std::string name;
    ASSERT_TRUE(mw::CreateNewFolder(scratch.Path(), name));
    EXPECT_EQ(name, "New Folder");
    ASSERT_TRUE(mw::CreateNewFolder(scratch.Path() + "\\", name));
    EXPECT_EQ(name, "New Folder (2)");
    ASSERT_TRUE(mw::CreateNewFolder(scratch.Path(), name));
    EXPECT_EQ(name, "New Folder (3)");
    EXPECT_TRUE(ut_test::Exists(scratch / "New Folder (3)"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(NewFolderTest, FallsBackToShortNamesWhenTheSeriesIsTaken) {
    ut_test::MakeFolder(scratch / "New Folder");
    for (int n = 2; n <= 50; ++n) ut_test::MakeFolder(scratch / ("New Folder (" + std::to_string(n) + ")"));
    ut_test::MakeFolder(scratch / "fldr");
    std::string name;
    ASSERT_TRUE(mw::CreateNewFolder(scratch.Path(), name));
    EXPECT_EQ(name, "fldr2");
    EXPECT_TRUE(messages.empty());
}

TEST_F(NewFolderTest, FailuresAreShownOncePerSeries) {
    std::string name = "unchanged";
    EXPECT_FALSE(mw::CreateNewFolder(scratch / "missing\\deeper", name));
    EXPECT_EQ(name, "unchanged");
    ASSERT_EQ(messages.size(), 2u);
    // The tried name, then the system's text for the error.
    const std::string first = "Unable to create the folder 'New Folder'";
    EXPECT_EQ(messages[0].rfind(first, 0), 0u) << messages[0];
    EXPECT_NE(messages[0].find(mw::SysErrorMessage(ERROR_PATH_NOT_FOUND)), std::string::npos) << messages[0];
    EXPECT_EQ(messages[1].rfind("Unable to create the folder 'fldr'", 0), 0u) << messages[1];
}

}  // namespace
