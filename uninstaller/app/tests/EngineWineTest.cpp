// A test installation in the prefix (files in the temporary folder, registry keys, INI files,
// shared-file counters, a service, a SYSTEM.INI device line) described by its INSTALL.LOG, then
// uninstalled or rolled back: by the program's code in this process, and by UNHALDEN32.EXE
// started with "/S".

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Engine.h"
#include "uninstaller/app/SharedFilePrompt.h"
#include "uninstaller/app/Uninstaller.h"
#include "uninstaller/app/UserPrompts.h"
#include "uninstaller/app/tests/SystemStateSupport.h"
#include "uninstaller/app/tests/WineTestSupport.h"

using namespace wine_test;

namespace {

const DWORD kDeadline = 60000;
const char kSharedDlls[] = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

std::string SystemDirectory()
{
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    return system;
}

std::string SystemIni()
{
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    return std::string(windows) + "\\system.ini";
}

int sharedQuestions;
std::string progressWhenAsked;   // the wizard's progress text under the last question

int AnswerYes(const char*, const char*)
{
    ++sharedQuestions;
    char text[1024] = "";
    if (g_app.wizard)
        GetDlgItemTextA(g_app.wizard, 1007, text, sizeof text);
    progressWhenAsked = text;
    return kAnswerYes;
}

// Keeps the file, then cancels the run as the user would from the wizard.
int AnswerNoAndCancel(const char*, const char*)
{
    ++sharedQuestions;
    g_app.cancelled = true;
    return kAnswerNo;
}

int AnswerOk(HWND, const char*, const char*, UINT)
{
    return IDOK;
}

// An application installed, then upgraded.
class EngineWineTest : public testing::Test {
protected:
    void SetUp() override
    {
        id = std::to_string(GetCurrentProcessId()) + "_" + std::to_string(GetTickCount() & 0xFFFF);
        folder = TempFolder("unheng");
        app = folder + "\\App";
        CreateDirectoryA(app.c_str(), nullptr);
        CreateDirectoryA((app + "\\Data").c_str(), nullptr);
        CreateDirectoryA((app + "\\Backup").c_str(), nullptr);
        logPath = app + "\\INSTALL.LOG";
        settingsIni = folder + "\\settings.ini";
        systemDll = SystemDirectory() + "\\UNH" + std::to_string(GetCurrentProcessId()) + ".DLL";
        softwareKey = "Software\\HaldenTest" + id;
        serviceName = "UnhTest" + id;

        WriteFile(app + "\\app.exe", "v2");
        WriteFile(app + "\\Backup\\app.exe", "v1");
        for (const char* name : {"readme.txt", "Data\\data.bin", "shared.dll", "new.dll", "app.ini", "user.doc",
                                 "drv.386"})
            WriteFile(app + "\\" + name, name);
        WriteFile(systemDll, "system");
        ASSERT_TRUE(CopyFileA(UNHALDEN_HELPER_EXE, (app + "\\helper.exe").c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(UNHALDEN_HELPER_EXE, (app + "\\reg.exe").c_str(), FALSE));
        WritePrivateProfileStringA("Main", "Mode", "modern2", settingsIni.c_str());
        WritePrivateProfileStringA("Main", "Added", "1", settingsIni.c_str());
        WritePrivateProfileStringA("Main", "Level", "2", settingsIni.c_str());
        WritePrivateProfileStringA("Added", "New", "1", settingsIni.c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, settingsIni.c_str());
        std::string systemIniText = ReadFile(SystemIni());
        WriteFile(SystemIni(), systemIniText + "\r\n[386Enh]\r\ndevice=" + app + "\\drv.386\r\n");

        SetText(HKEY_CURRENT_USER, softwareKey + "\\App", "Path", app);
        SetText(HKEY_CURRENT_USER, softwareKey + "\\Keep", "Mine", "x");
        SetText(HKEY_CURRENT_USER, softwareKey + "\\Tree\\Sub", "X", "1");
        SetText(HKEY_LOCAL_MACHINE, softwareKey, "Mode", "modern2");
        SetText(HKEY_LOCAL_MACHINE, softwareKey + "\\Product\\Settings", "X", "1");
        SetNumber(HKEY_LOCAL_MACHINE, kSharedDlls, app + "\\shared.dll", 3);
        SetNumber(HKEY_LOCAL_MACHINE, kSharedDlls, systemDll, 1);

        ASSERT_EQ(CreateTestService(serviceName, app + "\\helper.exe"), static_cast<DWORD>(ERROR_SUCCESS));

        firstSection = "***  Installation Started ***\r\n"
                       "Title: Engine Test Installation\r\n"
                       "File Copy: " + app + "\\app.exe\r\n"
                       "File Copy: " + app + "\\readme.txt\r\n"
                       "File Copy: " + app + "\\Data\\data.bin\r\n"
                       "File Copy: " + app + "\\shared.dll\r\n"
                       "File Copy: " + app + "\\drv.386\r\n"
                       "Add Device: " + app + "\\drv.386\r\n"
                       "File Copy: " + app + "\\reg.exe\r\n"
                       "Self-Register: " + app + "\\reg.exe\r\n"
                       "File Copy: " + systemDll + "\r\n"
                       "Made Dir: " + app + "\\Data\r\n"
                       "INI New: \r\n"
                       "INI File: " + app + "\\app.ini\r\n"
                       "INI File: " + settingsIni + "\r\n"
                       "INI Sect: Main\r\nINI Item: Mode\r\nINI Val: modern1\r\nINI Old: classic\r\n"
                       "INI File: " + settingsIni + "\r\n"
                       "INI Sect: Main\r\nINI Item: Added\r\nINI Val: 1\r\n"
                       "INI File: " + settingsIni + "\r\n"
                       "INI Sect: Main\r\nINI Item: Level\r\nINI Val: 1\r\n"
                       "INI File: " + settingsIni + "\r\n"
                       "INI Sect: Added\r\nINI Item: New\r\nINI Val: 1\r\n"
                       "RegDB Key: " + softwareKey + "\\App\r\n"
                       "RegDB Val: " + app + "\r\nRegDB Name: Path\r\nRegDB Root: 1\r\n"
                       "RegDB Key: " + softwareKey + "\r\n"
                       "RegDB Val: modern1\r\nRegDB Name: Mode\r\nRegDB Root: 2\r\nRegDB Old: classic\r\n"
                       "RegDB Tree: " + softwareKey + "\\Tree\r\nRegDB Root: 1\r\n"
                       "RegDB Tree: " + softwareKey + "\\Product\\Settings\r\nRegDB Root: 2\r\n"
                       "Create Service: " + serviceName + "\r\n"
                       "Execute Program: " + app + "\\helper.exe first second\r\n";
        upgrade = "***  Upgrade Started ***\r\n"
                  "File Copy: " + app + "\\app.exe\r\n"
                  "Backup Copy: " + app + "\\Backup\\app.exe\r\n"
                  "File Copy: " + app + "\\new.dll\r\n"
                  "INI File: " + settingsIni + "\r\n"
                  "INI Sect: Main\r\nINI Item: Mode\r\nINI Val: modern2\r\nINI Old: modern1\r\n"
                  "INI File: " + settingsIni + "\r\n"
                  "INI Sect: Main\r\nINI Item: Level\r\nINI Val: 2\r\nINI Old: 1\r\n"
                  "RegDB Key: " + softwareKey + "\r\n"
                  "RegDB Val: modern2\r\nRegDB Name: Mode\r\nRegDB Root: 2\r\nRegDB Old: modern1\r\n";
        WriteFile(logPath, firstSection + upgrade);
        sharedQuestions = 0;
        // The end of an in-process run tells its outcome.
        SetMessageBoxHook(AnswerOk);
    }
    void TearDown() override
    {
        SetSharedFileHook(nullptr);
        SetMessageBoxHook(nullptr);
    }

    // Runs the uninstaller's whole sequence in this process.
    void RunInProcess(const std::string& switches)
    {
        std::string arguments = switches + " \"" + logPath + "\"";
        ASSERT_EQ(StartUninstaller(GetModuleHandleA(nullptr), arguments.c_str()), kStartReady);
        RunUninstall();
        EXPECT_FALSE(g_app.runFailed) << g_app.keptReport;
        EndUninstaller();
    }

    // Runs UNHALDEN32.EXE, copied into the test's folder.
    void RunProgram(const std::string& switches)
    {
        std::string program = folder + "\\UNHALDEN32.EXE";
        ASSERT_TRUE(CopyFileA(UNHALDEN32_EXE, program.c_str(), FALSE));
        Child child("\"" + program + "\" " + switches + " \"" + logPath + "\"");
        ASSERT_TRUE(child.Started());
        EXPECT_EQ(child.WaitForExit(kDeadline), 0);
    }

    void ExpectNotLoggedUntouched()
    {
        EXPECT_EQ(ReadFile(app + "\\user.doc"), "user.doc");
        EXPECT_EQ(Value(HKEY_CURRENT_USER, softwareKey + "\\Keep", "Mine"), "x");
    }

    // Everything of both sections is undone; the shared files stay as their counters say (the
    // shared library's counter is sharedCounter after the run, "<none>" when it went); the
    // system file, in the System folder, is the system's and stays.
    void ExpectUninstalled(const char* sharedCounter = "2")
    {
        for (const char* name : {"app.exe", "readme.txt", "Data\\data.bin", "new.dll", "app.ini", "drv.386",
                                 "reg.exe", "Data", "INSTALL.LOG"})
            EXPECT_FALSE(Exists(app + "\\" + name)) << name;
        EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kSharedDlls, app + "\\shared.dll"), sharedCounter);
        EXPECT_EQ(Exists(app + "\\shared.dll"), std::string(sharedCounter) != "<none>");
        EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kSharedDlls, systemDll), "<none>");
        EXPECT_EQ(ReadFile(systemDll), "system");
        // The backups are left, and with them the folder that holds them.
        EXPECT_EQ(ReadFile(app + "\\Backup\\app.exe"), "v1");

        EXPECT_EQ(Ini(settingsIni, "Main", "Mode"), "classic");
        EXPECT_EQ(Ini(settingsIni, "Main", "Added"), "<none>");
        EXPECT_EQ(Ini(settingsIni, "Main", "Level"), "<none>");
        // The section the installation made goes with its last entry.
        EXPECT_EQ(ReadFile(settingsIni).find("[Added]"), std::string::npos) << ReadFile(settingsIni);
        EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, softwareKey, "Mode"), "classic");
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, softwareKey + "\\App"));
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, softwareKey + "\\Tree"));
        // The product's key that held only the tree goes; the vendor's key above it stays.
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, softwareKey + "\\Product"));
        EXPECT_FALSE(ServiceExists(serviceName));
        EXPECT_NE(ReadFile(SystemIni()).find(";device=" + app + "\\drv.386"), std::string::npos);
        // The external program ran with its arguments; the registering program was asked to
        // unregister before it was deleted.
        EXPECT_NE(ReadFile(app + "\\helper.exe.txt").find("first second"), std::string::npos);
        ExpectNotLoggedUntouched();
    }

    // Only the upgrade is undone.
    void ExpectRolledBack()
    {
        EXPECT_EQ(ReadFile(app + "\\app.exe"), "v1");
        // The backup folder the rollback emptied goes with its last backup.
        EXPECT_FALSE(Exists(app + "\\Backup"));
        EXPECT_FALSE(Exists(app + "\\new.dll"));
        EXPECT_EQ(Ini(settingsIni, "Main", "Mode"), "modern1");
        // Created by the installation, changed by the upgrade: back to the installation's value.
        EXPECT_EQ(Ini(settingsIni, "Main", "Level"), "1");
        EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, softwareKey, "Mode"), "modern1");
        EXPECT_EQ(ReadFile(logPath), firstSection);

        for (const char* name : {"readme.txt", "Data\\data.bin", "shared.dll", "app.ini", "drv.386", "reg.exe"})
            EXPECT_TRUE(Exists(app + "\\" + name)) << name;
        EXPECT_TRUE(Exists(systemDll));
        EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kSharedDlls, app + "\\shared.dll"), "3");
        EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kSharedDlls, systemDll), "1");
        EXPECT_EQ(Ini(settingsIni, "Main", "Added"), "1");
        EXPECT_EQ(Ini(settingsIni, "Added", "New"), "1");
        EXPECT_EQ(Value(HKEY_CURRENT_USER, softwareKey + "\\App", "Path"), app);
        EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, softwareKey + "\\Tree\\Sub"));
        EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, softwareKey + "\\Product\\Settings"));
        EXPECT_TRUE(ServiceExists(serviceName));
        EXPECT_EQ(ReadFile(SystemIni()).find(";device=" + app), std::string::npos);
        EXPECT_FALSE(Exists(app + "\\helper.exe.txt"));
        EXPECT_FALSE(Exists(app + "\\reg.exe.txt"));
        ExpectNotLoggedUntouched();
    }

    std::string id, folder, app, logPath, settingsIni, systemDll, softwareKey, serviceName;
    std::string firstSection, upgrade;
};

// The shared library's last use goes with the user's Yes; nobody is asked about the system
// file, which stays.
TEST_F(EngineWineTest, AutomaticUninstallInProcess)
{
    SetSharedFileHook(AnswerYes);
    SetMessageBoxHook(AnswerOk);
    SetNumber(HKEY_LOCAL_MACHINE, kSharedDlls, app + "\\shared.dll", 1);
    RunInProcess("/A");
    ExpectUninstalled("<none>");
    EXPECT_EQ(sharedQuestions, 1);
    EXPECT_EQ(progressWhenAsked, "\r\n\r\nRemoving File:\r\n" + app + "\\shared.dll");
    EXPECT_NE(Upper(ReadFile(app + "\\reg.exe.txt")).find("/UNREGSERVER"), std::string::npos);
}

TEST_F(EngineWineTest, SilentUninstallByTheProgram)
{
    RunProgram("/S");
    ExpectUninstalled();
}

// A run cancelled after it lowered the counters leaves a log that does not lower them again.
TEST_F(EngineWineTest, CountersAreLoweredOnceAcrossRuns)
{
    SetSharedFileHook(AnswerNoAndCancel);
    SetMessageBoxHook(AnswerOk);
    SetNumber(HKEY_LOCAL_MACHINE, kSharedDlls, app + "\\readme.txt", 1);
    std::string arguments = "/A \"" + logPath + "\"";
    ASSERT_EQ(StartUninstaller(GetModuleHandleA(nullptr), arguments.c_str()), kStartReady);
    RunUninstall();
    EndUninstaller();
    EXPECT_EQ(sharedQuestions, 1);
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kSharedDlls, app + "\\shared.dll"), "2");
    EXPECT_TRUE(Exists(logPath));

    SetSharedFileHook(AnswerYes);
    RunInProcess("/A");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kSharedDlls, app + "\\shared.dll"), "2");
    EXPECT_EQ(ReadFile(app + "\\shared.dll"), "shared.dll");
    // The file the user kept is neither asked about again nor deleted.
    EXPECT_EQ(sharedQuestions, 1);
    EXPECT_TRUE(Exists(app + "\\readme.txt"));
    EXPECT_FALSE(Exists(app + "\\new.dll"));
}

// The product's key goes once the tree and the value below it are gone; a key the log does not
// lead to stays, and with it the product's key that holds it.
TEST_F(EngineWineTest, EmptyParentKeysGoUnloggedSiblingsStay)
{
    SetSharedFileHook(AnswerYes);
    SetMessageBoxHook(AnswerOk);
    for (bool emptySibling : {false, true}) {
        SCOPED_TRACE(emptySibling);
        WriteFile(logPath, firstSection + upgrade);
        SetText(HKEY_CURRENT_USER, softwareKey + "\\App", "Path", app);
        SetText(HKEY_CURRENT_USER, softwareKey + "\\Tree\\Sub", "X", "1");
        RegDeleteTreeA(HKEY_CURRENT_USER, (softwareKey + "\\Keep").c_str());
        HKEY sibling;
        if (emptySibling) {
            ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (softwareKey + "\\Other").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                      nullptr, &sibling, nullptr),
                      ERROR_SUCCESS);
            RegCloseKey(sibling);
        }
        RunInProcess("/A");
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, softwareKey + "\\App"));
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, softwareKey + "\\Tree"));
        EXPECT_EQ(KeyExists(HKEY_CURRENT_USER, softwareKey + "\\Other"), emptySibling);
        EXPECT_EQ(KeyExists(HKEY_CURRENT_USER, softwareKey), emptySibling);
        EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "Software"));
    }
}

TEST_F(EngineWineTest, RollbackInProcess)
{
    RunInProcess("/A /R");
    ExpectRolledBack();
}

TEST_F(EngineWineTest, SilentRollbackByTheProgram)
{
    RunProgram("/S /R");
    ExpectRolledBack();
}

// The temporary copy removes empty folders only, and never in a protected folder.
TEST_F(EngineWineTest, EmptyFolderRemoval)
{
    CreateDirectoryA((app + "\\Empty").c_str(), nullptr);
    CreateDirectoryA((app + "\\Empty\\Inner").c_str(), nullptr);
    // Until its log is gone, the folder is an installation's that this copy knows nothing of.
    RemoveDirectoryTree(app.c_str(), false);
    EXPECT_TRUE(Exists(app + "\\Empty\\Inner"));
    DeleteFileA(logPath.c_str());
    RemoveDirectoryTree(app.c_str(), false);
    EXPECT_FALSE(Exists(app + "\\Empty"));
    EXPECT_TRUE(Exists(app + "\\Data\\data.bin"));
    EXPECT_TRUE(Exists(app + "\\user.doc"));

    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    std::string inWindows = std::string(windows) + "\\UnhEmpty" + id;
    ASSERT_TRUE(CreateDirectoryA(inWindows.c_str(), nullptr));
    RemoveDirectoryTree(windows, false);
    EXPECT_TRUE(Exists(inWindows));
    RemoveDirectoryA(inWindows.c_str());
}

}  // namespace
