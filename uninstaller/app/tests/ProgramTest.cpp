// UNHALDEN32.EXE itself, copied into a folder of its own under the temporary directory with
// its INI file and logs beside it, started as a separate process.

#include <gtest/gtest.h>

#include <string>

#include "uninstaller/app/tests/WineTestSupport.h"

using namespace wine_test;

namespace {

const DWORD kDeadline = 30000;

std::string WindowsFile(const std::string& name)
{
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    return std::string(windows) + "\\" + name;
}

struct ChildTexts {
    std::string texts;
};

BOOL CALLBACK CollectStaticText(HWND child, LPARAM context)
{
    char name[32] = "";
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Static") == 0)
        reinterpret_cast<ChildTexts*>(context)->texts += WindowText(child);
    return TRUE;
}

std::string MessageBoxText(HWND box)
{
    ChildTexts collected;
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&collected));
    return collected.texts;
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = TempFolder("unhprog");
        program = folder + "\\UNHALDEN32.EXE";
        ini = folder + "\\UNHALDEN32.INI";
        ASSERT_TRUE(CopyFileA(UNHALDEN32_EXE, program.c_str(), FALSE)) << UNHALDEN32_EXE;
        mifName = "UNH" + std::to_string(GetCurrentProcessId()) + ".MIF";
        goodLog = folder + "\\INSTALL.LOG";
        WriteFile(goodLog, "*** Installation Started 03/07/2026 10:00 ***\r\n"
                           "Title: My Game Installation\r\n"
                           "Uninstall MIF: " + mifName + "\r\n"
                           "Manufacturer: Halden Games\r\n"
                           "Product: My Game\r\n");
        badLog = folder + "\\BAD.LOG";
        WriteFile(badLog, "*** Installation Started ***\r\nNo title here\r\n");
    }
    void TearDown() override { DeleteFileA(WindowsFile(mifName).c_str()); }

    std::string Command(const std::string& arguments) const { return "\"" + program + "\" " + arguments; }

    std::string folder, program, ini, mifName, goodLog, badLog;
};

bool NoUninstallerRunning()
{
    for (const std::string& name : RunningPrograms())
        if (name == "UNHALDEN32.EXE" || name == "VZB1A2B.EXE")
            return false;
    return true;
}

TEST_F(ProgramTest, SilentRunsEndWithoutWaitingForAnyone)
{
    const struct {
        const char* name;
        std::string log;
        bool reported;
    } cases[] = {
        {"valid log", goodLog, true},
        {"invalid log", badLog, false},
        {"missing log", folder + "\\NONE.LOG", false},
        {"no log", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Child child(Command("/S " + (c.log.empty() ? "" : "\"" + c.log + "\"")));
        ASSERT_TRUE(child.Started());
        EXPECT_EQ(child.WaitForExit(kDeadline), 0);
        EXPECT_TRUE(WaitUntil(NoUninstallerRunning, 30000));
        std::string mif = ReadFile(WindowsFile(mifName));
        if (c.reported) {
            EXPECT_NE(mif.find("VALUE = \"Halden Games\""), std::string::npos);
            EXPECT_NE(mif.find("VALUE = \"Success\""), std::string::npos);
        } else {
            EXPECT_EQ(mif, "");
        }
        DeleteFileA(WindowsFile(mifName).c_str());
    }
    // Every run made its temporary copy and scheduled it for deletion; unused, it is gone.
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string copy = Upper(std::string(temp) + "VZB1A2B.EXE");
    bool scheduled = false;
    for (const std::string& entry : PendingRenames())
        scheduled |= entry.find(copy) != std::string::npos;
    EXPECT_TRUE(scheduled);
    EXPECT_FALSE(Exists(copy));
}

struct BoxSearch {
    DWORD processId;
    const std::string* text;
    HWND found;
};

BOOL CALLBACK MatchBoxText(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<BoxSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && MessageBoxText(window) == *search->text) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// A report name that leads out of the Windows folder is refused; a person watching is told so.
TEST_F(ProgramTest, AReportNameWithAPathIsRefused)
{
    std::string escape = "..\\UNH" + std::to_string(GetCurrentProcessId()) + ".BAT";
    std::string log = folder + "\\ESCAPE.LOG";
    WriteFile(log, "*** Installation Started ***\r\nTitle: My Game Installation\r\nUninstall MIF: " + escape + "\r\n");
    Child child(Command("/A \"" + log + "\""));
    ASSERT_TRUE(child.Started());
    // The run's outcome comes first, once the progress window that has the same caption is gone.
    HWND outcome = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            outcome = FindProcessWindow(child.Id(), "#32770", "Uninstall");
            return outcome && MessageBoxText(outcome).compare(0, 4, "The ") == 0;
        },
        kDeadline));
    EXPECT_NE(MessageBoxText(outcome).find("My Game"), std::string::npos) << MessageBoxText(outcome);
    PostMessageA(outcome, WM_COMMAND, IDOK, 0);
    // Then the report's refusal, known by its text.
    {
        std::string text = "The status report was not written: \"" + escape + "\" is not a plain file name.";
        SCOPED_TRACE(text);
        BoxSearch search{child.Id(), &text, nullptr};
        auto boxShown = [&] {
            EnumWindows(MatchBoxText, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        };
        ASSERT_TRUE(WaitUntil(boxShown, kDeadline));
        EXPECT_EQ(WindowText(search.found), "Uninstall");
        PostMessageA(search.found, WM_COMMAND, IDOK, 0);
    }
    EXPECT_EQ(child.WaitForExit(kDeadline), 0);
    EXPECT_FALSE(Exists(WindowsFile(escape)));
}

TEST_F(ProgramTest, SettingsAndLanguageComeFromTheIniBesideTheProgram)
{
    WriteFile(ini, "[Settings]\r\n"
                   "No Background=0\r\n"
                   "Start Red=255\r\nStart Green=0\r\nStart Blue=0\r\n"
                   "End Red=255\r\nEnd Green=0\r\nEnd Blue=0\r\n"
                   "[Language]\r\n"
                   "Msg2=Halden~Entferner\r\n"
                   "Msg4=Protokoll|unbrauchbar.\r\n");
    Child child(Command("\"" + badLog + "\" \"Mein Spiel\""));
    ASSERT_TRUE(child.Started());

    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindProcessWindow(child.Id(), "#32770", "Halden Entferner")) != nullptr; },
                          kDeadline));
    EXPECT_EQ(MessageBoxText(box), "Protokoll\r\nunbrauchbar.");

    // "No Background" 0 shows the main window maximised, in the gradient's colours.
    HWND main = FindProcessWindow(child.Id(), "VZBSUninstall");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(WindowText(main), "Mein Spiel");
    EXPECT_TRUE(IsZoomed(main));
    // Windows of tests running beside this one may cover part of the screen: a few points
    // of the client area are enough. The default colours have no pure red anywhere.
    auto someRed = [&] {
        RECT client;
        GetClientRect(main, &client);
        HDC screen = GetDC(nullptr);
        bool red = false;
        for (int i = 1; i <= 3 && !red; ++i)
            for (int j = 1; j <= 3 && !red; ++j) {
                POINT p{client.right * i / 4, client.bottom * j / 4};
                ClientToScreen(main, &p);
                red = GetPixel(screen, p.x, p.y) == RGB(255, 0, 0);
            }
        ReleaseDC(nullptr, screen);
        return red;
    };
    EXPECT_TRUE(WaitUntil(someRed, kDeadline));

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(child.WaitForExit(kDeadline), 0);
}

// "/Z": no temporary copy is made; after a run the program deletes its INI file (and its own
// file where the system allows deleting a running program). A run that never took place
// deletes nothing.
TEST_F(ProgramTest, UpperZDeletesTheIniOnlyAfterARun)
{
    const struct {
        const char* name;
        std::string log;
        bool deleted;
    } cases[] = {
        {"invalid log", badLog, false},
        {"valid log", goodLog, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(ini, "[Settings]\r\nStart Blue=200\r\n");
        Child child(Command("/Z /S \"" + c.log + "\""));
        ASSERT_TRUE(child.Started());
        EXPECT_EQ(child.WaitForExit(kDeadline), 0);
        EXPECT_EQ(Exists(ini), !c.deleted);
    }
}

// The temporary copy's part: once the launching program has had time to end, its file (a copy
// of this program) is deleted. Paths with spaces arrive whole because they are quoted.
TEST_F(ProgramTest, TemporaryCopyDeletesTheLauncher)
{
    std::string app = folder + "\\My App";
    ASSERT_TRUE(CreateDirectoryA(app.c_str(), nullptr));
    std::string launcher = app + "\\UNHALDEN32.EXE";
    ASSERT_TRUE(CopyFileA(program.c_str(), launcher.c_str(), FALSE));
    Child child(Command("/z \"" + launcher + "\" \"" + app + "\\\""));
    ASSERT_TRUE(child.Started());
    EXPECT_EQ(child.WaitForExit(kDeadline), 0);
    EXPECT_FALSE(Exists(launcher));
    EXPECT_TRUE(Exists(goodLog));
}

}  // namespace
