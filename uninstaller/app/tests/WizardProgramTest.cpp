// UNHALDEN32.EXE with a log of its own: the wizard as a person meets it, driven by messages.

#include <gtest/gtest.h>

#include <string>

#include "uninstaller/app/tests/WineTestSupport.h"

using namespace wine_test;

namespace {

const DWORD kDeadline = 30000;

class WizardProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = TempFolder("unhwizprog");
        program = folder + "\\UNHALDEN32.EXE";
        ASSERT_TRUE(CopyFileA(UNHALDEN32_EXE, program.c_str(), FALSE)) << UNHALDEN32_EXE;
        log = folder + "\\INSTALL.LOG";
        WriteFile(log, "*** Installation Started 03/07/2026 10:00 ***\r\nTitle: My Game Installation\r\n");
    }

    HWND FindWizard(const Child& child)
    {
        HWND wizard = nullptr;
        WaitUntil([&] { return (wizard = FindProcessWindow(child.Id(), "#32770", "My Game")) != nullptr; }, kDeadline);
        return wizard;
    }

    static std::string Title(HWND wizard) { return WindowText(GetDlgItem(wizard, 1011)); }

    std::string folder, program, log;
};

TEST_F(WizardProgramTest, CancelAsksThenEndsWithoutARun)
{
    Child child("\"" + program + "\" \"" + log + "\"");
    ASSERT_TRUE(child.Started());
    HWND wizard = FindWizard(child);
    ASSERT_NE(wizard, nullptr);
    EXPECT_EQ(Title(wizard), "Select Uninstall Method");

    PostMessageA(wizard, WM_COMMAND, IDCANCEL, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindProcessWindow(child.Id(), "#32770", "Uninstall")) != nullptr; },
                          kDeadline));
    PostMessageA(box, WM_COMMAND, IDYES, 0);
    EXPECT_EQ(child.WaitForExit(kDeadline), 0);
    EXPECT_TRUE(Exists(log));
}

// A Custom run with nothing chosen walks to the perform page; Finish runs it and the program ends.
TEST_F(WizardProgramTest, CustomRunFinishes)
{
    Child child("\"" + program + "\" \"" + log + "\"");
    ASSERT_TRUE(child.Started());
    HWND wizard = FindWizard(child);
    ASSERT_NE(wizard, nullptr);
    SendMessageA(GetDlgItem(wizard, 1001), BM_CLICK, 0, 0);
    for (int page = 0; page < 12 && Title(wizard) != "Perform Uninstall"; ++page) {
        std::string before = Title(wizard);
        PostMessageA(wizard, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitUntil([&] { return Title(wizard) != before; }, kDeadline)) << before;
    }
    ASSERT_EQ(Title(wizard), "Perform Uninstall");
    EXPECT_EQ(WindowText(GetDlgItem(wizard, IDOK)), "&Finish");
    PostMessageA(wizard, WM_COMMAND, IDOK, 0);
    // The program says what it did before it ends.
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindProcessWindow(child.Id(), "#32770", "Uninstall")) != nullptr; },
                          kDeadline));
    EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), "The My Game has been uninstalled.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(child.WaitForExit(kDeadline), 0);
}

}  // namespace
