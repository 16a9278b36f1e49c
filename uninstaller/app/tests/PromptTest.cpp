// The modal questions of dialogs 104 and 107. A thread timer answers them the way a person
// would: it finds the dialog among this thread's windows, reads it and presses a button.

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "uninstaller/app/SharedFilePrompt.h"
#include "uninstaller/app/SourcePrompt.h"
#include "uninstaller/app/tests/WizardTestSupport.h"

using namespace wizard_test;

namespace {

// What the answering timer does and what it saw.
struct Answerer {
    int button = IDOK;
    WPARAM key = 0;                // pressed on the focused control instead of a button, when set
    int focused = 0;               // the control that had the focus
    int defaultButton = 0;
    std::string typedPath;         // typed into the path edit first, when set
    bool useTypedPath = false;
    int dialogsSeen = 0;
    std::string caption;
    std::map<int, std::string> texts;
    bool animationRunning = false;
    bool centred = false;
};

Answerer answerer;

BOOL CALLBACK FindDialog(HWND window, LPARAM found)
{
    char name[32] = "";
    GetClassNameA(window, name, sizeof name);
    // The wizard is a dialog of this thread too.
    if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window) && window != g_app.wizard) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK Answer(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog)
        return;
    KillTimer(nullptr, timer);
    ++answerer.dialogsSeen;
    answerer.caption = wine_test::WindowText(dialog);
    for (int id : {1002, 1005, 1006, 1007, 1010, IDOK, IDCANCEL}) {
        char text[2048] = "";
        if (GetDlgItem(dialog, id)) {
            GetDlgItemTextA(dialog, id, text, sizeof text);
            answerer.texts[id] = text;
        }
    }
    answerer.animationRunning = g_wizard.animationTimerRunning;
    RECT r;
    GetWindowRect(dialog, &r);
    answerer.centred = std::abs(r.left + r.right - GetSystemMetrics(SM_CXSCREEN)) <= 1;
    if (answerer.useTypedPath)
        SetDlgItemTextA(dialog, 1010, answerer.typedPath.c_str());
    HWND focus = GetFocus();
    answerer.focused = focus ? GetDlgCtrlID(focus) : 0;
    answerer.defaultButton = LOWORD(SendMessageA(dialog, DM_GETDEFID, 0, 0));
    if (answerer.key && focus) {
        PostMessageA(focus, WM_KEYDOWN, answerer.key, 1);
        PostMessageA(focus, WM_KEYUP, answerer.key, 0xC0000001);
        return;
    }
    PostMessageA(dialog, WM_COMMAND, answerer.button, 0);
}

class PromptTest : public WizardFixture {
protected:
    void TearDown() override
    {
        if (timer_)
            KillTimer(nullptr, timer_);
        WizardFixture::TearDown();
    }
    void Arm(int button, WPARAM key = 0)
    {
        if (timer_)
            KillTimer(nullptr, timer_);
        answerer = Answerer{};
        answerer.button = button;
        answerer.key = key;
        timer_ = SetTimer(nullptr, 0, 20, Answer);
    }

private:
    UINT_PTR timer_ = 0;
};

TEST_F(PromptTest, SharedFileQuestionReturnsThePressedButton)
{
    ReadLog("");
    ASSERT_NE(Open(kPagePerform), nullptr);
    ASSERT_TRUE(g_wizard.animationTimerRunning);
    const struct {
        int button;
        int answer;
    } cases[] = {
        {kAnswerYes, kAnswerYes},
        {kAnswerNo, kAnswerNo},
        {kAnswerYesToAll, kAnswerYesToAll},
        {kAnswerNoToAll, kAnswerNoToAll},
        {IDCANCEL, kAnswerNo},   // closed: the file stays
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        Arm(c.button);
        EXPECT_EQ(AskSharedFile("The system indicates...\n\nC:\\WINDOWS\\SYSTEM\\SHARED.DLL"), c.answer);
        EXPECT_EQ(answerer.dialogsSeen, 1);
        EXPECT_EQ(answerer.caption, "Remove Shared Component");
        EXPECT_EQ(answerer.texts[1002], "The system indicates...\n\nC:\\WINDOWS\\SYSTEM\\SHARED.DLL");
        EXPECT_EQ(answerer.texts[kAnswerYes], "&Yes");
        EXPECT_EQ(answerer.texts[kAnswerNo], "N&o");
        EXPECT_EQ(answerer.texts[kAnswerYesToAll], "Yes &to All");
        EXPECT_EQ(answerer.texts[kAnswerNoToAll], "No to &All");
        EXPECT_FALSE(answerer.animationRunning);
        EXPECT_TRUE(answerer.centred);
        EXPECT_TRUE(g_wizard.animationTimerRunning);
    }

    // During a repair the question is about a newer file.
    g_wizard.repairView = true;
    Arm(kAnswerYes);
    EXPECT_EQ(AskSharedFile("newer"), kAnswerYes);
    EXPECT_EQ(answerer.caption, "Repair Newer File?");
}

// Enter and Space on the question as it opens take the safe answer: the file stays.
TEST_F(PromptTest, SharedFileQuestionOpensOnNoToAll)
{
    ReadLog("");
    ASSERT_NE(Open(kPagePerform), nullptr);
    for (WPARAM key : {VK_RETURN, VK_SPACE}) {
        SCOPED_TRACE(key);
        Arm(kAnswerYes, key);
        EXPECT_EQ(AskSharedFile("remove?"), kAnswerNoToAll);
        EXPECT_EQ(answerer.dialogsSeen, 1);
        EXPECT_EQ(answerer.focused, kAnswerNoToAll);
        EXPECT_EQ(answerer.defaultButton, kAnswerNoToAll);
    }
}

TEST_F(PromptTest, SourceQuestionTakesTheEnteredPath)
{
    const struct {
        const char* name;
        int button;
        const char* typed;   // null: left as offered
        size_t size;
        int result;
        std::string path;
    } cases[] = {
        {"accepted as offered", IDOK, nullptr, 260, kSourcePromptOk, "D:\\SETUP.EXE"},
        {"another path", IDOK, "E:\\Games\\SETUP.EXE", 260, kSourcePromptOk, "E:\\Games\\SETUP.EXE"},
        {"cancelled", IDCANCEL, "E:\\Other.exe", 260, kSourcePromptCancel, "D:\\SETUP.EXE"},
        {"longer than the caller's buffer", IDOK, "F:\\0123456789\\0123456789\\setup.exe", 16, kSourcePromptOk,
         "F:\\0123456789\\0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Arm(c.button);
        answerer.useTypedPath = c.typed != nullptr;
        answerer.typedPath = c.typed ? c.typed : "";
        char path[260] = "D:\\SETUP.EXE";
        EXPECT_EQ(AskSourcePath("01-02-2003 | 10:11:12 | 99", path, c.size), c.result);
        EXPECT_EQ(std::string(path), c.path);
        EXPECT_EQ(answerer.caption, "Select Installation Pathname");
        EXPECT_EQ(answerer.texts[1002], "Enter the full pathname to the installation file with the following "
                                         "attributes:\r\n\r\n01-02-2003 / 10:11:12 / 99\r\n\r\nSource Pathname:");
        EXPECT_EQ(answerer.texts[1010], "D:\\SETUP.EXE");
        EXPECT_EQ(answerer.texts[IDOK], "OK");
        EXPECT_EQ(answerer.texts[IDCANCEL], "Cancel");
    }
}

// A silent run has nobody to ask: the safe answers come at once (a dialog would have been
// answered Yes by the armed timer).
TEST_F(PromptTest, SilentRunsAskNobody)
{
    g_app.commandLine.silent = true;
    Arm(kAnswerYes);
    EXPECT_EQ(AskSharedFile("remove?"), kAnswerNo);
    char path[260] = "D:\\SETUP.EXE";
    EXPECT_EQ(AskSourcePath("identity", path, sizeof path), kSourcePromptCancel);
    EXPECT_STREQ(path, "D:\\SETUP.EXE");
    EXPECT_EQ(answerer.dialogsSeen, 0);
}

}  // namespace
