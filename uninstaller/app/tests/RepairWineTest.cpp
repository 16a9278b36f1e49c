// A damaged test installation in the prefix (a missing file, a changed registry value, a deleted
// value, a missing shortcut) repaired from its installation source: a small program that
// restores the files its "/X=" list names. Run by the program's code in this process, and by
// UNHALDEN32.EXE started from a shortcut's self-repair check.

#include <gtest/gtest.h>

#include <objbase.h>
#include <objidl.h>
#include <shlguid.h>
#include <shobjidl.h>

#include <cstdio>
#include <string>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Crc32.h"
#include "uninstaller/app/Repair.h"
#include "uninstaller/app/RepairCheck.h"
#include "uninstaller/app/SourcePrompt.h"
#include "uninstaller/app/Uninstaller.h"
#include "uninstaller/app/UserPrompts.h"
#include "uninstaller/app/tests/SystemStateSupport.h"
#include "uninstaller/app/tests/WineTestSupport.h"

using namespace wine_test;

namespace {

const DWORD kDeadline = 60000;

void SetLocalTime(const std::string& path, WORD year, WORD month, WORD day, WORD hour)
{
    SYSTEMTIME time{year, month, 0, day, hour, 0, 0, 0};
    FILETIME local, written;
    SystemTimeToFileTime(&time, &local);
    LocalFileTimeToFileTime(&local, &written);
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    SetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
}

std::string Crc(const std::string& contents)
{
    uint32_t table[256];
    BuildCrc32Table(table);
    char text[16];
    std::snprintf(text, sizeof text, "%08x", ~UpdateCrc32(table, 0xFFFFFFFFu, contents.data(), contents.size()));
    return text;
}

struct Shortcut {
    bool loaded = false;
    std::string target, arguments, workingDirectory;
};

// The show command as the file's header holds it (Wine's link object reads it back as 1).
int StoredShowCommand(const std::string& path)
{
    std::string file = ReadFile(path);
    return file.size() > 0x3C ? static_cast<unsigned char>(file[0x3C]) : -1;
}

Shortcut ReadShortcut(const std::string& path)
{
    Shortcut shortcut;
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    WCHAR widePath[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH);
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(widePath, STGM_READ))) {
        char text[MAX_PATH] = "";
        shortcut.loaded = true;
        link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH);
        shortcut.target = text;
        link->GetArguments(text, sizeof text);
        shortcut.arguments = text;
        link->GetWorkingDirectory(text, sizeof text);
        shortcut.workingDirectory = text;
    }
    if (file)
        file->Release();
    if (link)
        link->Release();
    CoUninitialize();
    return shortcut;
}

// List files a repair left in the temporary folder.
int ListFilesLeft()
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(temp) + "VZC*.TMP").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    do
        ++count;
    while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

std::string promptText, promptPath, answerPath;
int promptAnswer;

int AnswerSourcePrompt(const char* text, char* path, size_t size)
{
    promptText = text;
    promptPath = path;
    if (promptAnswer == kSourcePromptOk)
        std::snprintf(path, size, "%s", answerPath.c_str());
    return promptAnswer;
}

// An installed application whose source is a folder with SETUP.EXE and the original files.
class RepairWineTest : public testing::Test {
protected:
    void SetUp() override
    {
        id = std::to_string(GetCurrentProcessId()) + "_" + std::to_string(GetTickCount() & 0xFFFF);
        folder = TempFolder("unhrep");
        app = folder + "\\App";
        media = folder + "\\Media";
        shortcut = folder + "\\Menu\\Test Programs\\App.lnk";
        logPath = app + "\\INSTALL.LOG";
        softwareKey = "Software\\HaldenRepairTest" + id;
        for (const std::string& made : {app, media, media + "\\files"})
            CreateDirectoryA(made.c_str(), nullptr);

        setup = media + "\\SETUP.EXE";
        ASSERT_TRUE(CopyFileA(UNHALDEN_SOURCE_EXE, setup.c_str(), FALSE));
        SetLocalTime(setup, 2001, 6, 1, 10);
        std::string fileLines;
        for (const char* name : {"app.exe", "data.bin"}) {
            std::string contents = std::string("original ") + name;
            for (const std::string& copy : {app + "\\" + name, media + "\\files\\" + name}) {
                WriteFile(copy, contents);
                SetLocalTime(copy, 2001, 6, 15, 12);
            }
            fileLines += "File Copy: " + app + "\\" + name + " | 06-15-2001 | 12:00:00 | 0 | " +
                         std::to_string(contents.size()) + " | " + Crc(contents) + "\r\n";
        }
        WriteFile(logPath,
                  "***  Installation Started ***\r\n"
                  "Title: Repair Test Installation\r\n"
                  "Source: " + setup + " | 06-01-2001 | 10:00:00 | " + std::to_string(ReadFile(setup).size()) +
                      "\r\n" + fileLines +
                      "Shell Link: " + shortcut + "\r\n"
                      "Link Info: " + app + "\\app.exe | " + app + " | " + app + "\\app.exe | 0 | 3 | 0 | -start\r\n"
                      "RegDB Key: " + softwareKey + "\r\n"
                      "RegDB Val: v2\r\nRegDB Name: Mode\r\nRegDB Root: 1\r\nRegDB Old: v1\r\n"
                      "RegDB Key: " + softwareKey + "\\Created\r\n"
                      "RegDB Val: 7\r\nRegDB Name: Count\r\nRegDB Type: 3\r\nRegDB Root: 1\r\n");

        // The damage: the program gone (the shortcut's target, so the shortcut is made while its
        // target is missing), a value changed by someone else, a created key deleted; the
        // shortcut's folder is not there either.
        DeleteFileA((app + "\\app.exe").c_str());
        SetText(HKEY_CURRENT_USER, softwareKey, "Mode", "broken");
        listFilesBefore = ListFilesLeft();
        promptText.clear();
        promptPath.clear();
    }
    void TearDown() override { SetSourcePathHook(nullptr); }

    void ExpectRepaired()
    {
        EXPECT_EQ(ReadFile(app + "\\data.bin"), "original data.bin");
        EXPECT_EQ(ReadFile(app + "\\app.exe"), "original app.exe");
        EXPECT_EQ(Value(HKEY_CURRENT_USER, softwareKey, "Mode"), "v2");
        EXPECT_EQ(Value(HKEY_CURRENT_USER, softwareKey + "\\Created", "Count"), "7");
        Shortcut made = ReadShortcut(shortcut);
        ASSERT_TRUE(made.loaded);
        EXPECT_EQ(Upper(made.target), Upper(app + "\\app.exe"));
        EXPECT_EQ(made.arguments, "-start");
        EXPECT_EQ(Upper(made.workingDirectory), Upper(app));
        EXPECT_EQ(StoredShowCommand(shortcut), 3);
        // The source was given only the damaged file, and its list is gone.
        std::string record = ReadFile(setup + ".txt");
        EXPECT_NE(record.find("/X="), std::string::npos) << record;
        EXPECT_NE(record.find(app + "\\app.exe|10959|24576| 16 | " + Crc("original app.exe")), std::string::npos)
            << record;
        EXPECT_EQ(record.find("data.bin|"), std::string::npos) << record;
        EXPECT_EQ(ListFilesLeft(), listFilesBefore);
    }

    // Reads the log in this process as the program would, then repairs.
    int RepairInProcess(const std::string& switches)
    {
        std::string arguments = switches + " \"" + logPath + "\"";
        EXPECT_EQ(StartUninstaller(GetModuleHandleA(nullptr), arguments.c_str()), kStartReady);
        int result = RepairInstallation();
        EndUninstaller();
        return result;
    }

    std::string id, folder, app, media, setup, shortcut, logPath, softwareKey;
    int listFilesBefore = 0;
};

TEST_F(RepairWineTest, SilentRepairFromTheLoggedSource)
{
    EXPECT_EQ(RepairInProcess("/S"), 0);
    EXPECT_FALSE(g_app.cancelled);
    ExpectRepaired();
}

// The source was moved: the prompt shows the logged identity and path, and the path given there
// is used.
TEST_F(RepairWineTest, SourcePromptFindsTheMovedSource)
{
    std::string moved = folder + "\\Moved";
    ASSERT_TRUE(MoveFileA(media.c_str(), moved.c_str()));
    answerPath = moved + "\\SETUP.EXE";
    promptAnswer = kSourcePromptOk;
    SetSourcePathHook(AnswerSourcePrompt);

    EXPECT_EQ(RepairInProcess("/A"), 0);
    EXPECT_NE(promptText.find("06-01-2001 / 10:00:00 / "), std::string::npos) << promptText;
    EXPECT_EQ(promptPath, setup);
    ASSERT_TRUE(MoveFileA(moved.c_str(), media.c_str()));
    ExpectRepaired();
}

TEST_F(RepairWineTest, CancelledSourcePromptRunsNothing)
{
    std::string moved = folder + "\\Moved";
    ASSERT_TRUE(MoveFileA(media.c_str(), moved.c_str()));
    promptAnswer = kSourcePromptCancel;
    SetSourcePathHook(AnswerSourcePrompt);

    EXPECT_EQ(RepairInProcess("/A"), 0);
    EXPECT_TRUE(g_app.cancelled);
    EXPECT_FALSE(promptText.empty());
    EXPECT_FALSE(Exists(moved + "\\SETUP.EXE.txt"));
    EXPECT_FALSE(Exists(app + "\\app.exe"));
    EXPECT_EQ(ListFilesLeft(), listFilesBefore);
}

// A shortcut of the application starts UNHALDEN32.EXE with "/W1": the check finds the deleted
// value, the user agrees to repair, the repair runs and the application is started after it.
TEST_F(RepairWineTest, SelfRepairCheckRepairsThenStartsTheApplication)
{
    char longLog[MAX_PATH], key[MAX_PATH + 100];
    ASSERT_NE(GetLongPathNameA(logPath.c_str(), longLog, sizeof longLog), 0u);
    ASSERT_EQ(BuildRepairKeyPath(longLog, key, sizeof key), 0);
    std::string repairKey = key;
    SetText(HKEY_LOCAL_MACHINE, repairKey, ("1\\" + softwareKey + "\\Created\\\\Count").c_str(), "");
    std::string application = folder + "\\started.exe";
    ASSERT_TRUE(CopyFileA(UNHALDEN_HELPER_EXE, application.c_str(), FALSE));
    SetText(HKEY_LOCAL_MACHINE, repairKey + "\\Icons\\1", "Path", application);
    SetText(HKEY_LOCAL_MACHINE, repairKey + "\\Icons\\1", "Arguments", "after-repair");

    std::string program = folder + "\\UNHALDEN32.EXE";
    ASSERT_TRUE(CopyFileA(UNHALDEN32_EXE, program.c_str(), FALSE));
    Child child("\"" + program + "\" /W1 \"" + logPath + "\"");
    ASSERT_TRUE(child.Started());
    HWND question = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (question = FindProcessWindow(child.Id(), "#32770", "Perform Repair")) != nullptr; }, kDeadline));
    PostMessageA(question, WM_COMMAND, IDYES, 0);
    HWND outcome = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (outcome = FindProcessWindow(child.Id(), "#32770", "Uninstall")) != nullptr; }, kDeadline));
    EXPECT_EQ(WindowText(GetDlgItem(outcome, 0xFFFF)), "The Repair Test has been repaired.");
    PostMessageA(outcome, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(child.WaitForExit(kDeadline), 0);

    ExpectRepaired();
    ASSERT_TRUE(WaitUntil([&] { return ReadFile(application + ".txt").find("after-repair") != std::string::npos; },
                          kDeadline));
}

}  // namespace
