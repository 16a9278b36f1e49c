// The restart at the end of a run: the question, the restart program written out and started
// (its start recorded instead), and the restart program's own steps with a recorded reboot.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Uninstaller.h"
#include "uninstaller/app/UserPrompts.h"
#include "uninstaller/app/WindowsRestart.h"
#include "uninstaller/app/tests/PendingOperations.h"
#include "uninstaller/restart/RestartSteps.h"

using namespace wine_test;

namespace {

struct ShownBox {
    std::string text, caption;
    UINT type;
    bool ownedByWizard;
};
std::vector<ShownBox> shownBoxes;
int boxAnswer;

int RecordBox(HWND owner, const char* text, const char* caption, UINT type)
{
    shownBoxes.push_back({text, caption, type, owner && owner == g_app.wizard});
    return boxAnswer;
}

struct Restart {
    RestartAction action;
    std::string commandLine;
};
std::vector<Restart> restarts;

void RecordRestart(RestartAction action, const char* commandLine)
{
    restarts.push_back({action, commandLine ? commandLine : ""});
}

const char kRestartQuestion[] =
    "This uninstall must reboot your computer to replace/delete files that were in-use. Press the OK button to "
    "reboot your computer.";

class RestartTest : public testing::Test {
protected:
    void SetUp() override
    {
        shownBoxes.clear();
        restarts.clear();
        SetMessageBoxHook(RecordBox);
        SetRestartHook(RecordRestart);
        folder = TempFolder("unhrst");
        restartProgram = WindowsFolder() + "\\_MSRSTRT.EXE";
    }
    void TearDown() override
    {
        SetMessageBoxHook(nullptr);
        SetRestartHook(nullptr);
        DeleteFileA(restartProgram.c_str());
    }

    // An installation of one file, in use while it is uninstalled.
    void RunWithFileInUse(const std::string& switches, const char* deleteInUse)
    {
        std::string logPath = folder + "\\INSTALL.LOG", file = folder + "\\Game Engine.dll";
        WriteFile(file, "engine");
        WriteFile(logPath, std::string("*** Installation Started 03/07/2026 10:00 ***\r\n"
                                       "Title: Restart Test\r\n") +
                               (deleteInUse ? std::string("Delete in-use files: ") + deleteInUse + "\r\n" : "") +
                               "File Copy: " + file + "\r\n");
        LockedFile lock(file);
        std::string arguments = switches + " \"" + logPath + "\"";
        ASSERT_EQ(StartUninstaller(GetModuleHandleA(nullptr), arguments.c_str()), kStartReady);
        RunUninstall();
        EndUninstaller();
    }

    std::string folder, restartProgram;
};

TEST_F(RestartTest, FilesInUseEndInARestart)
{
    const struct {
        const char* name;
        const char* switches;
        const char* deleteInUse;
        int answer;
        bool asked;
        bool restarted;
    } cases[] = {
        {"agreed", "/A", "On", IDOK, true, true},
        {"declined", "/A", "On", IDCANCEL, true, false},
        {"silent: restarts without asking", "/S", "On", IDCANCEL, false, true},
        {"in-use deletion off", "/A", "Off", IDOK, false, false},
        {"in-use deletion not named", "/A", nullptr, IDOK, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shownBoxes.clear();
        restarts.clear();
        boxAnswer = c.answer;
        RunWithFileInUse(c.switches, c.deleteInUse);
        // The run's outcome is told before the question.
        std::vector<ShownBox> questions;
        for (const ShownBox& box : shownBoxes)
            if (box.text == kRestartQuestion)
                questions.push_back(box);
        if (c.asked) {
            ASSERT_EQ(questions.size(), 1u);
            EXPECT_EQ(questions[0].caption, "Uninstall");
            EXPECT_EQ(questions[0].type, static_cast<UINT>(MB_OKCANCEL));
            EXPECT_TRUE(questions[0].ownedByWizard);
            EXPECT_EQ(shownBoxes.back().text, kRestartQuestion);
        } else {
            EXPECT_TRUE(questions.empty());
        }
        if (c.restarted) {
            ASSERT_EQ(restarts.size(), 1u);
            EXPECT_EQ(restarts[0].action, kRestartByProgram);
            EXPECT_EQ(Upper(restarts[0].commandLine), Upper("\"" + restartProgram + "\""));
            EXPECT_EQ(ReadFile(restartProgram), ReadFile(RESTART_PROGRAM_EXE));
        } else {
            EXPECT_TRUE(restarts.empty());
        }
        DeleteFileA(restartProgram.c_str());
    }
}

// Without its restart program the uninstaller restarts Windows itself.
TEST_F(RestartTest, RestartProgramThatCannotBeWritten)
{
    WriteFile(restartProgram, "in use");
    LockedFile lock(restartProgram);
    RunWithFileInUse("/S", "On");
    ASSERT_EQ(restarts.size(), 1u);
    EXPECT_EQ(restarts[0].action, kRestartNow);
}

// The temporary copy restarts when the program that started it says so.
TEST_F(RestartTest, TemporaryCopyRestartsWhenDue)
{
    for (const char* flag : {"", "1"}) {
        SCOPED_TRACE(flag);
        restarts.clear();
        std::string launcherFolder = folder + "\\App";
        CreateDirectoryA(launcherFolder.c_str(), nullptr);
        std::string launcher = launcherFolder + "\\UNHALDEN32.EXE";
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, sizeof self);
        ASSERT_TRUE(CopyFileA(self, launcher.c_str(), FALSE));
        std::string arguments = std::string("/z") + flag + " " + launcher + " " + launcherFolder + "\\";
        ASSERT_EQ(StartUninstaller(GetModuleHandleA(nullptr), arguments.c_str()), kStartTemporaryCopy);
        FinishTemporaryCopy();
        EXPECT_FALSE(Exists(launcher));
        EXPECT_EQ(restarts.size(), flag[0] ? 1u : 0u);
    }
}

std::vector<UINT> rebootFlags;
BOOL rebootResult;

BOOL WINAPI RecordReboot(UINT flags, DWORD)
{
    rebootFlags.push_back(flags);
    return rebootResult;
}

bool ShutdownPrivilegeEnabled()
{
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    LUID shutdown;
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &shutdown);
    std::vector<char> buffer(4096);
    DWORD size = 0;
    bool enabled = false;
    if (GetTokenInformation(token, TokenPrivileges, buffer.data(), static_cast<DWORD>(buffer.size()), &size)) {
        auto* privileges = reinterpret_cast<TOKEN_PRIVILEGES*>(buffer.data());
        for (DWORD i = 0; i < privileges->PrivilegeCount; ++i)
            if (privileges->Privileges[i].Luid.LowPart == shutdown.LowPart &&
                privileges->Privileges[i].Luid.HighPart == shutdown.HighPart)
                enabled = (privileges->Privileges[i].Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
    CloseHandle(token);
    return enabled;
}

TEST_F(RestartTest, RestartProgramSteps)
{
    std::string program = folder + "\\_MSRSTRT.EXE";
    for (BOOL result : {TRUE, FALSE}) {
        SCOPED_TRACE(result);
        rebootFlags.clear();
        rebootResult = result;
        WriteFile(program, "program");
        EXPECT_EQ(RestartAndDeleteProgram(program.c_str(), RecordReboot), result ? 0 : 1);
        EXPECT_EQ(rebootFlags, std::vector<UINT>{EWX_REBOOT});
        EXPECT_TRUE(PendingOperation(program, ""));
        EXPECT_TRUE(ShutdownPrivilegeEnabled());
    }
}

}  // namespace
