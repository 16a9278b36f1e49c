// The program's start-up and end run in this process, with the message boxes and the
// open-file dialog replaced by recorders.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Messages.h"
#include "uninstaller/app/ShortLongPath.h"
#include "uninstaller/app/Uninstaller.h"
#include "uninstaller/app/UserPrompts.h"
#include "uninstaller/app/Wizard.h"
#include "uninstaller/app/tests/PendingOperations.h"
#include "uninstaller/app/tests/StringTableFile.h"
#include "uninstaller/app/tests/WineTestSupport.h"

using namespace wine_test;

namespace {

struct ShownBox {
    std::string text;
    std::string caption;
    bool ownedByMainWindow;
    bool ownedByWizard;
    bool progressWindowOpen;
    UINT type;
};

std::vector<ShownBox> shownBoxes;
int boxAnswer = IDOK;

int RecordMessageBox(HWND owner, const char* text, const char* caption, UINT type)
{
    shownBoxes.push_back({text, caption, owner && owner == g_app.mainWindow, owner && owner == g_app.wizard,
                          IsWindow(g_app.progressDialog) != FALSE, type});
    return boxAnswer;
}

std::string offeredLog;
LogFileAnswer answerWithoutLog = kLogFileCancelled;
int fileDialogs;
bool fileDialogOwnedByMainWindow;

LogFileAnswer OfferLog(HWND owner, char* path, size_t size)
{
    ++fileDialogs;
    fileDialogOwnedByMainWindow = owner && owner == g_app.mainWindow;
    if (offeredLog.empty())
        return answerWithoutLog;
    std::snprintf(path, size, "%s", offeredLog.c_str());
    return kLogFileChosen;
}

const char kValidLog[] =
    "*** Installation Started 03/07/2026 10:00 ***\r\n"
    "Title: My Game Installation\r\n"
    "Manufacturer: Halden Games\r\n";

std::string ClassOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string ControlText(HWND dialog, int id)
{
    char text[256] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

class UninstallerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        shownBoxes.clear();
        boxAnswer = IDOK;
        offeredLog.clear();
        fileDialogs = 0;
        SetMessageBoxHook(RecordMessageBox);
        SetOpenFileHook(OfferLog);
        folder = TempFolder("unh");
        logPath = folder + "\\INSTALL.LOG";
        WriteFile(logPath, kValidLog);
    }
    void TearDown() override
    {
        SetMessageBoxHook(nullptr);
        SetOpenFileHook(nullptr);
    }

    static HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

    std::string folder;
    std::string logPath;
};

bool ScheduledForDeletion(const std::string& path)
{
    std::string wanted = Upper(path);
    for (const std::string& entry : PendingRenames())
        if (entry.size() >= wanted.size() && entry.compare(entry.size() - wanted.size(), wanted.size(), wanted) == 0)
            return true;
    return false;
}

// Each run that showed the progress window costs about two seconds under Wine without a window
// manager (hiding a window waits for one), so the cases are few.
TEST_F(UninstallerTest, MainWindowTakesTheProductTitleAndTheRunEndsCleanly)
{
    const struct {
        std::string arguments;
        const char* caption;
    } cases[] = {
        {"/A " + logPath, "My Game"},
        {"\"" + logPath + "\" \"Another Title\"", "Another Title"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        shownBoxes.clear();
        CreateDirectoryA(folder.c_str(), nullptr);   // an Automatic run deletes its log and folder
        WriteFile(logPath, kValidLog);
        ASSERT_EQ(StartUninstaller(Instance(), c.arguments.c_str()), kStartReady);
        HWND main = g_app.mainWindow;
        ASSERT_TRUE(IsWindow(main));
        EXPECT_EQ(ClassOf(main), "VZBSUninstall");
        EXPECT_EQ(WindowText(main), c.caption);
        EXPECT_FALSE(IsWindowVisible(main));   // "No Background" defaults to 1

        HWND progress = g_app.progressDialog;
        ASSERT_TRUE(IsWindow(progress));
        EXPECT_EQ(WindowText(progress), "Uninstall");
        EXPECT_EQ(ControlText(progress, 1002), "Initializing Halden Uninstall Wizard...");
        EXPECT_EQ(ControlText(progress, IDCANCEL), "Cancel");

        // The temporary copy of the program, scheduled for deletion at restart.
        std::string copy = g_app.temporaryCopyPath;
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        EXPECT_EQ(Upper(copy), Upper(std::string(temp) + "VZB1A2B.EXE"));
        EXPECT_TRUE(Exists(copy));
        EXPECT_TRUE(ScheduledForDeletion(copy));

        g_wizard.finished = true;   // as if Finish were pressed at once: the wizard has tests of its own
        RunUninstall();
        EXPECT_FALSE(IsWindow(progress));
        EXPECT_EQ(EndUninstaller(), 0);
        EXPECT_FALSE(IsWindow(main));
        ASSERT_EQ(shownBoxes.size(), 1u);
        EXPECT_EQ(shownBoxes[0].text, "The My Game has been uninstalled.");
        // The run did not delete the program's own file, so the copy was not needed.
        EXPECT_FALSE(Exists(copy));
    }
}

TEST_F(UninstallerTest, NoCopyWithUpperOrLowerCaseZ)
{
    for (const char* prefix : {"/Z /S ", "/z"}) {
        std::string arguments = std::string(prefix) + (prefix[2] ? logPath : "");
        SCOPED_TRACE(arguments);
        offeredLog = logPath;
        ASSERT_EQ(StartUninstaller(Instance(), arguments.c_str()), kStartReady);
        EXPECT_STREQ(g_app.temporaryCopyPath, "");
        // Stop before the end sequence, which would delete this test program's file.
        g_app.cancelled = true;
        RunUninstall();
        EndUninstaller();
    }
    EXPECT_EQ(fileDialogs, 1);   // "/z" alone asks for the log like a normal start
}

TEST_F(UninstallerTest, WithoutALogTheFileDialogAsks)
{
    const struct {
        bool offer;
        LogFileAnswer answerWithoutLog;
        StartOutcome outcome;
        const char* message;
    } cases[] = {
        {true, kLogFileCancelled, kStartReady, nullptr},
        // Cancel is the user's choice to uninstall nothing: the program ends without a word.
        {false, kLogFileCancelled, kStartExit, nullptr},
        {false, kLogFileFailed, kStartFailed, "Could not open INSTALL.LOG file."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offer);
        SCOPED_TRACE(c.answerWithoutLog);
        shownBoxes.clear();
        fileDialogs = 0;
        offeredLog = c.offer ? logPath : "";
        answerWithoutLog = c.answerWithoutLog;
        ASSERT_EQ(StartUninstaller(Instance(), ""), c.outcome);
        EXPECT_EQ(fileDialogs, 1);
        EXPECT_TRUE(fileDialogOwnedByMainWindow);
        EXPECT_FALSE(IsWindow(g_app.progressDialog));
        if (c.message) {
            ASSERT_EQ(shownBoxes.size(), 1u);
            EXPECT_EQ(shownBoxes[0].text, c.message);
            EXPECT_EQ(shownBoxes[0].caption, "Halden Uninstall");
        } else {
            EXPECT_TRUE(shownBoxes.empty());
        }
        if (c.outcome == kStartExit) {
            EXPECT_FALSE(IsWindow(g_app.mainWindow));
            continue;
        }
        if (c.outcome == kStartReady) {
            EXPECT_EQ(WindowText(g_app.mainWindow), "My Game");
            g_wizard.finished = true;
            RunUninstall();
        }
        EXPECT_EQ(EndUninstaller(), 0);
    }
}

// The end of a run says what was done, or what was left; a silent run says nothing.
TEST_F(UninstallerTest, TheEndSaysWhatTheRunDid)
{
    const std::string inUse = folder + "\\engine.dll";
    const struct {
        const char* name;
        std::string switches, log;
        const char* said;   // null: nothing
        UINT icon;
    } cases[] = {
        {"uninstalled", "/A", kValidLog, "The My Game has been uninstalled.", MB_ICONINFORMATION},
        {"rolled back", "/A /R",
         std::string(kValidLog) + "*** Upgrade Started ***\r\nFile Copy: " + folder + "\\new.dll\r\n",
         "The last installation or upgrade of the My Game has been rolled back.", MB_ICONINFORMATION},
        {"a file in use is kept", "/A",
         std::string(kValidLog) + "Delete in-use files: Off\r\nFile Copy: " + inUse + "\r\n",
         "The uninstall of the My Game is not complete: some items were left in place.\n\nKept 1: ", MB_ICONWARNING},
        {"silent", "/S", kValidLog, nullptr, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CreateDirectoryA(folder.c_str(), nullptr);
        WriteFile(logPath, c.log);
        WriteFile(folder + "\\new.dll", "new");
        WriteFile(inUse, "engine");
        shownBoxes.clear();
        {
            LockedFile lock(inUse);
            ASSERT_EQ(StartUninstaller(Instance(), (c.switches + " \"" + logPath + "\"").c_str()), kStartReady);
            RunUninstall();
        }
        EndUninstaller();
        if (!c.said) {
            EXPECT_TRUE(shownBoxes.empty());
            continue;
        }
        ASSERT_EQ(shownBoxes.size(), 1u);
        EXPECT_EQ(shownBoxes[0].text.substr(0, std::strlen(c.said)), c.said);
        EXPECT_EQ(shownBoxes[0].caption, "Uninstall");
        EXPECT_EQ(shownBoxes[0].type, MB_OK | c.icon);
        EXPECT_TRUE(shownBoxes[0].ownedByWizard);
    }
}

struct ChooserWatch {
    bool centred = false;
    RECT shown{};
};

// Waits for this process's open-file dialog, notes whether it sits in the screen's middle, then
// cancels it as the user would.
DWORD WINAPI WatchTheChooser(void* context)
{
    ChooserWatch& watch = *static_cast<ChooserWatch*>(context);
    HWND dialog = nullptr;
    if (!WaitUntil([&] { return (dialog = FindProcessWindow(GetCurrentProcessId(), "#32770")) != nullptr; }, 30000))
        return 0;
    watch.centred = WaitUntil(
        [&] {
            GetWindowRect(dialog, &watch.shown);
            int dx = (watch.shown.left + watch.shown.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2;
            int dy = (watch.shown.top + watch.shown.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2;
            return dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1;
        },
        5000);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return 0;
}

TEST_F(UninstallerTest, TheLogChooserOpensCentredAndCancelIsACancel)
{
    SetOpenFileHook(nullptr);
    ResetAppState();
    g_app.instance = Instance();
    // A hidden owner at the screen's corner, as the main window is without its background.
    HWND owner = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr, Instance(), nullptr);
    ChooserWatch watch;
    HANDLE watcher = CreateThread(nullptr, 0, WatchTheChooser, &watch, 0, nullptr);
    ASSERT_NE(watcher, nullptr);
    char path[MAX_PATH] = "left over";
    EXPECT_EQ(AskForLogFile(owner, path, sizeof path), kLogFileCancelled);
    WaitForSingleObject(watcher, INFINITE);
    CloseHandle(watcher);
    DestroyWindow(owner);
    EXPECT_TRUE(watch.centred) << watch.shown.left << "," << watch.shown.top << " " << watch.shown.right << ","
                               << watch.shown.bottom;
    EXPECT_STREQ(path, "");
}

TEST_F(UninstallerTest, UnreadableLogGivesTheErrorText)
{
    const struct {
        const char* name;
        const char* text;      // null: no file
        const char* switches;
        const char* message;   // null: nothing shown
    } cases[] = {
        {"no title", "*** Installation Started ***\r\nProduct: My Game\r\n", "", "Invalid INSTALL.LOG file."},
        {"missing", nullptr, "", "Could not open INSTALL.LOG file."},
        // A path too long for its field is refused rather than cut into another path.
        {"overlong", nullptr, "", "Could not open INSTALL.LOG file."},
        {"silent", "Title: My Game\r\n", "/S ", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shownBoxes.clear();
        std::string path = folder + "\\" + c.name + ".LOG";
        if (std::string(c.name) == "overlong")
            path = folder + "\\" + std::string(300, 'x') + "\\INSTALL.LOG";
        if (c.text)
            WriteFile(path, c.text);
        std::string arguments = std::string(c.switches) + "\"" + path + "\"";
        ASSERT_EQ(StartUninstaller(Instance(), arguments.c_str()), kStartFailed);
        if (c.message) {
            ASSERT_EQ(shownBoxes.size(), 1u);
            EXPECT_EQ(shownBoxes[0].text, c.message);
            EXPECT_EQ(shownBoxes[0].caption, "Halden Uninstall");
            EXPECT_TRUE(shownBoxes[0].ownedByMainWindow);
            EXPECT_FALSE(shownBoxes[0].progressWindowOpen);
        } else {
            EXPECT_TRUE(shownBoxes.empty());
        }
        EXPECT_EQ(EndUninstaller(), 0);
        EXPECT_FALSE(IsWindow(g_app.mainWindow));
    }
}

// The self-repair check: a Repair key whose REG_DWORD value names a missing file marks the
// installation damaged; shortcut 3 names an application that does not exist, so starting it
// shows the system's error with the path as caption.
class SelfRepairTest : public UninstallerTest {
protected:
    void SetUp() override
    {
        UninstallerTest::SetUp();
        std::string logKey = logPath;
        for (char& ch : logKey)
            if (ch == '\\')
                ch = '/';
        keyPath = "Software\\Halden Solutions\\Halden Installation System\\Repair\\" + logKey;
        applicationPath = folder + "\\NoSuchGame.exe";
    }
    void TearDown() override
    {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, keyPath.c_str());
        UninstallerTest::TearDown();
    }

    void CreateRepairKey(bool damaged)
    {
        HKEY key, icon;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        DWORD one = 1;
        std::string file = damaged ? folder + "\\Missing.dll" : logPath;
        RegSetValueExA(key, file.c_str(), 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), sizeof one);
        const char present[] = "";
        RegSetValueExA(key, "2\\Software\\Halden Solutions\\\\", 0, REG_SZ, reinterpret_cast<const BYTE*>(present), 1);
        ASSERT_EQ(RegCreateKeyExA(key, "Icons\\3", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &icon, nullptr), ERROR_SUCCESS);
        RegSetValueExA(icon, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(applicationPath.c_str()),
                       static_cast<DWORD>(applicationPath.size() + 1));
        RegCloseKey(icon);
        RegCloseKey(key);
    }

    DWORD ValuesLeft()
    {
        HKEY key;
        DWORD values = 0;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
            RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                             nullptr, nullptr);
            RegCloseKey(key);
        }
        return values;
    }

    std::string keyPath;
    std::string applicationPath;
};

TEST_F(SelfRepairTest, WithoutTheRepairKeyNothingStarts)
{
    // Another installation's key beside the one this log would have.
    const char* parent = "Software\\Halden Solutions\\Halden Installation System\\Repair";
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, parent, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    DWORD one = 1;
    RegSetValueExA(key, "C:\\Missing\\Other.dll", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), sizeof one);
    RegCloseKey(key);

    for (std::string arguments : {"/W3 " + logPath, std::string("/W3")}) {
        SCOPED_TRACE(arguments);
        ASSERT_EQ(StartUninstaller(Instance(), arguments.c_str()), kStartExit);
        EXPECT_EQ(g_app.mainWindow, nullptr);
        EXPECT_TRUE(shownBoxes.empty());
    }
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, parent);
}

TEST_F(SelfRepairTest, AnswersToTheDamageQuestion)
{
    const struct {
        const char* name;
        bool damaged;
        int answer;
        StartOutcome outcome;
        DWORD valuesLeft;
    } cases[] = {
        {"intact", false, IDOK, kStartExit, 2},
        {"no", true, IDNO, kStartExit, 2},
        {"cancel", true, IDCANCEL, kStartExit, 0},
        {"yes", true, IDYES, kStartReady, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, keyPath.c_str());
        CreateRepairKey(c.damaged);
        shownBoxes.clear();
        boxAnswer = c.answer;
        ASSERT_EQ(StartUninstaller(Instance(), ("/W3 " + logPath).c_str()), c.outcome);
        if (c.outcome == kStartReady) {
            EXPECT_FALSE(IsWindowVisible(g_app.mainWindow));
            EXPECT_EQ(g_app.progressDialog, nullptr);
            RunUninstall();
            EXPECT_EQ(g_wizard.method, kMethodRepair);
            EXPECT_EQ(g_wizard.page, kWizardLastPage);
            boxAnswer = IDOK;
            EndUninstaller();
        }
        size_t question = c.damaged ? 1 : 0, repaired = c.outcome == kStartReady ? 1 : 0;
        ASSERT_EQ(shownBoxes.size(), question + repaired + 1);
        if (c.damaged) {
            EXPECT_EQ(shownBoxes[0].text.substr(0, 38), "This application is damaged and should");
            EXPECT_EQ(shownBoxes[0].caption, "Perform Repair");
        }
        if (repaired) {
            EXPECT_EQ(shownBoxes[question].text, "The My Game has been repaired.");
        }
        // The application is started in every case; here it does not exist.
        EXPECT_EQ(shownBoxes[question + repaired].caption, applicationPath);
        EXPECT_EQ(ValuesLeft(), c.valuesLeft);
    }
}

// A log path with spaces becomes a short path without them, which names the same file.
TEST(ShortLongPath, ShortAndLongFormsOnThisSystem)
{
    std::string folder = TempFolder("unhpath") + "\\My Game Folder";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    std::string log = folder + "\\Install Log.txt";
    WriteFile(log, "x");

    char shortPath[MAX_PATH], longPath[MAX_PATH];
    ASSERT_EQ(ToShortPath(log.c_str(), shortPath, sizeof shortPath), 0);
    EXPECT_EQ(std::string(shortPath).find(' '), std::string::npos) << shortPath;
    EXPECT_TRUE(Exists(shortPath));
    ASSERT_EQ(ToLongPath(shortPath, longPath, sizeof longPath), 0);
    EXPECT_EQ(Upper(longPath), Upper(log));

    // Paths without "~" are left to themselves by the long form.
    ASSERT_EQ(ToLongPath("C:\\NO\\SUCH\\PATH", longPath, sizeof longPath), 0);
    EXPECT_STREQ(longPath, "C:\\NO\\SUCH\\PATH");
}

class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetAppState();
        g_app.instance = GetModuleHandleA(nullptr);
        folder = TempFolder("unhmsg");
        std::snprintf(g_app.iniPath, sizeof g_app.iniPath, "%s\\UNHALDEN32.INI", folder.c_str());
    }
    std::string folder;
};

TEST_F(MessagesTest, StringTableMatchesItsTextFile)
{
    std::map<int, std::string> table = ReadStringTableFile(UNHALDEN_STRINGS_TXT);
    ASSERT_EQ(table.size(), 95u);
    for (int id = 1; id <= 95; ++id) {
        char text[1024];
        LoadMessage(id, text, sizeof text);
        EXPECT_EQ(text, table[id]) << id;
    }
}

TEST_F(MessagesTest, LanguageOverrides)
{
    WriteFile(g_app.iniPath,
              "[Language]\r\n"
              "Msg2=Halden~Deinstallation\r\n"
              "Msg3=Zeile eins|Zeile zwei\r\n"
              "Msg7=Willkommen bei %s.\r\n"
              "Msg13=Bereit, %d zu entfernen\r\n"
              "Msg38=Ohne Platzhalter\r\n"
              "Msg45=%s und %s\r\n"
              "Msg48=\r\n");
    const struct {
        unsigned id;
        const char* expected;
    } cases[] = {
        {2, "Halden Deinstallation"},
        {3, "Zeile eins\r\nZeile zwei"},
        {7, "Willkommen bei %s."},
        {13, "You are now ready to uninstall the %s from your system."},
        {38, "The system indicates that the following shared file is no longer used by any programs and may be "
             "deleted.\n\n%s\n\nIf any programs are still using this file and it is removed those programs may not "
             "function. "},
        {45, "Performing uninstall of %s...\n\nPress the Cancel button to cancel the uninstall process and exit this "
             "program."},
        {48, ""},
        {49, "Select &All"},
    };
    for (const auto& c : cases) {
        char text[1024];
        LoadMessage(c.id, text, sizeof text);
        EXPECT_STREQ(text, c.expected) << c.id;
    }
    char small[8];
    EXPECT_EQ(LoadMessage(3, small, sizeof small), 7u);
    EXPECT_STREQ(small, "Zeile e");
}

}  // namespace
