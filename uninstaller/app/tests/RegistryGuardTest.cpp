// Whose a registry item or value is: the installation's when it names the installation's
// program or folders, the system's or another program's otherwise.

#include <gtest/gtest.h>

#include <string>

#include "uninstaller/app/FolderGuard.h"
#include "uninstaller/app/InstallationPlaces.h"
#include "uninstaller/app/RegistryGuard.h"
#include "uninstaller/app/RegistryRemoval.h"
#include "uninstaller/app/tests/FakeEngineHost.h"
#include "uninstaller/log/InstallLog.h"

using namespace engine_test;

namespace {

const char kLogPath[] = "C:\\App\\INSTALL.LOG";
const char kOwnClass[] = "{11111111-1111-1111-1111-111111111111}";
const char kSystemClass[] = "{22222222-2222-2222-2222-222222222222}";
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kServices[] = "SYSTEM\\CurrentControlSet\\Services\\";
const char kUninstall[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const char kAppPaths[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
const char kWinlogon[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const char kMonitors[] = "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\";

// The log: a folder of its own, a folder it made, a file it created elsewhere, a driver it put
// into the System folder, and a library of the system it claims to have created.
const char kLog[] =
    "***  Installation Started ***\r\n"
    "Title: Test Application\r\n"
    "File Copy: C:\\App\\app.exe\r\n"
    "Made Dir: C:\\Tools\r\n"
    "File Copy: C:\\Common\\Vendor\\server.dll\r\n"
    "File Copy: C:\\WINDOWS\\SYSTEM32\\APPMON.DLL\r\n"
    "File Copy: C:\\WINDOWS\\SYSTEM32\\OLE32.DLL\r\n";

class RegistryGuardTest : public testing::Test {
protected:
    void SetUp() override
    {
        AllocateItemTables();
        for (const char* path : {"C:\\App\\app.exe", kLogPath, "C:\\Common\\Vendor\\server.dll",
                                 "C:\\WINDOWS\\SYSTEM32\\APPMON.DLL", "C:\\WINDOWS\\SYSTEM32\\OLE32.DLL"}) {
            fake.files.AddFile(path);
            logSystem.existingFiles.insert(path);
        }
        fake.files.AddFolder("C:\\Tools");
        fake.files.systemComponents.insert("C:\\WINDOWS\\SYSTEM32\\OLE32.DLL");
        fake.files.canonical["C:\\PROGRA~1\\..\\App\\app.exe"] = "C:\\App\\app.exe";
        std::string text = kLog;
        MemoryLogInput input(text.data(), text.size());
        ASSERT_EQ(ReadInstallLogFrom(input, kLogPath, logSystem, logUi), 0);

        FakeRegistry& r = fake.registry;
        r.SetString(kRootClassesRoot, std::string("CLSID\\") + kOwnClass + "\\InprocServer32", "", "C:\\App\\app.exe");
        r.SetString(kRootClassesRoot, std::string("CLSID\\") + kSystemClass + "\\InprocServer32", "",
                    "C:\\WINDOWS\\SYSTEM32\\OLE32.DLL");
        r.SetString(kRootClassesRoot, "CLSID\\{33333333-3333-3333-3333-333333333333}\\InprocServer32", "",
                    "C:\\Common\\Vendor\\server.dll");
        r.SetString(kRootClassesRoot, "CLSID\\{44444444-4444-4444-4444-444444444444}\\LocalServer32", "",
                    "C:\\App Data\\other.exe /automation");
        r.SetString(kRootClassesRoot, "Interface\\{55555555-5555-5555-5555-555555555555}\\ProxyStubClsid32", "",
                    kOwnClass);
        r.SetString(kRootClassesRoot, ".own", "", "Own.Document");
        r.SetString(kRootClassesRoot, "Own.Document\\shell\\open\\command", "", "\"C:\\App\\app.exe\" \"%1\"");
        r.SetString(kRootClassesRoot, ".wri", "", "wrifile");
        r.SetString(kRootClassesRoot, "wrifile\\shell\\open\\command", "", "C:\\WINDOWS\\write.exe %1");
        r.SetString(kRootClassesRoot, ".lnk", "", "lnkfile");
        r.SetString(kRootClassesRoot, ".txt", "", "Own.Document");
        r.SetString(kRootLocalMachine, std::string(kServices) + "OwnSvc", "ImagePath", "C:\\App\\svc.exe");
        r.SetString(kRootLocalMachine, std::string(kServices) + "PlugPlay", "ImagePath",
                    "C:\\WINDOWS\\system32\\plugplay.exe");
        r.SetString(kRootLocalMachine, std::string(kMonitors) + "App Port", "Driver", "appmon.dll");
        r.SetString(kRootLocalMachine, std::string(kMonitors) + "Local Port", "Driver", "localspl.dll");
        r.SetString(kRootLocalMachine, std::string(kAppPaths) + "app.exe", "", "C:\\PROGRA~1\\..\\App\\app.exe");
        r.SetString(kRootLocalMachine, std::string(kAppPaths) + "iexplore.exe", "",
                    "C:\\Program Files\\Internet Explorer\\iexplore.exe");
        r.SetString(kRootLocalMachine, std::string(kUninstall) + "Own", "UninstallString",
                    "C:\\WINDOWS\\UNHALDEN32.EXE \"C:\\App\\INSTALL.LOG\"");
        r.SetString(kRootLocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList\\S-1-5-21-1",
                    "ProfileImagePath", "C:\\users\\joe");
        r.SetString(kRootLocalMachine, "Software\\Microsoft\\Addin", "Path", "C:\\Tools\\addin.dll");
        r.SetString(kRootLocalMachine, kRunKey, "Own", "C:\\App\\app.exe /tray");
        r.SetString(kRootLocalMachine, kRunKey, "Other", "C:\\Other\\other.exe");
        r.SetString(kRootLocalMachine, kWinlogon, "Shell", "explorer.exe");
        r.SetString(kRootCurrentUser, "Environment", "Path", "C:\\App;C:\\WINDOWS");
        r.SetString(kRootCurrentUser, "Environment", "OWN_HOME", "C:\\App");
        r.SetString(kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir",
                    "C:\\Program Files");
    }
    void TearDown() override { FreeItemStore(); }

    ProtectedFolderRules Folders()
    {
        ProtectedFolderRules folders;
        folders.Add("C:\\WINDOWS", kProtectFolderAndContents);
        folders.Add("C:\\Program Files", kProtectFolder);
        return folders;
    }

    FakeHost fake;
    FakeLogSystem logSystem;
    FakeLogUi logUi;
    ProtectedFolderRules folders = Folders();
    FolderGuard folderGuard{fake.files, folders, kLogPath};
    InstallationPlaces places{fake.files, folderGuard, g_itemStore, kLogPath};
    RegistryGuard guard{fake.registry, &places};
};

TEST_F(RegistryGuardTest, TreesGoWhenTheyAreTheInstallations)
{
    const struct {
        int root;
        std::string key;
        RegistryVerdict verdict;
    } cases[] = {
        {kRootLocalMachine, "Software\\Vendor\\Product", kRegistryAllowed},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion", kRegistrySystemOwned},
        // Classes by the program they start, the class they name, or the file type they serve.
        {kRootClassesRoot, std::string("CLSID\\") + kOwnClass, kRegistryAllowed},
        {kRootClassesRoot, std::string("CLSID\\") + kOwnClass + "\\InprocServer32", kRegistryAllowed},
        {kRootClassesRoot, std::string("CLSID\\") + kSystemClass, kRegistryNotOwned},
        {kRootClassesRoot, "CLSID\\{33333333-3333-3333-3333-333333333333}", kRegistryAllowed},
        {kRootClassesRoot, "CLSID\\{44444444-4444-4444-4444-444444444444}", kRegistryNotOwned},
        {kRootClassesRoot, "Interface\\{55555555-5555-5555-5555-555555555555}", kRegistryAllowed},
        {kRootClassesRoot, ".own", kRegistryAllowed},
        {kRootClassesRoot, "Own.Document", kRegistryAllowed},
        {kRootClassesRoot, ".wri", kRegistryNotOwned},
        {kRootClassesRoot, "wrifile", kRegistryNotOwned},
        {kRootClassesRoot, ".missing", kRegistryAllowed},
        // Services, monitors, uninstall entries and paths by the program they name.
        {kRootLocalMachine, std::string(kServices) + "OwnSvc", kRegistryAllowed},
        {kRootLocalMachine, std::string(kServices) + "PlugPlay", kRegistryNotOwned},
        {kRootLocalMachine, std::string(kMonitors) + "App Port", kRegistryAllowed},
        {kRootLocalMachine, std::string(kMonitors) + "Local Port", kRegistryNotOwned},
        {kRootLocalMachine, std::string(kAppPaths) + "app.exe", kRegistryAllowed},
        {kRootLocalMachine, std::string(kAppPaths) + "iexplore.exe", kRegistryNotOwned},
        {kRootLocalMachine, std::string(kUninstall) + "Own", kRegistryAllowed},
        {kRootLocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList\\S-1-5-21-1",
         kRegistryNotOwned},
        {kRootLocalMachine, "Software\\Microsoft\\Addin", kRegistryAllowed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(guard.MayDeleteTree(c.root, c.key.c_str()), c.verdict);
    }
}

TEST_F(RegistryGuardTest, ValuesChangeWhenTheyAreTheInstallations)
{
    const struct {
        const char* name;
        int root;
        std::string key;
        const char* value;
        const char* text;   // null: delete
        RegistryVerdict verdict;
    } cases[] = {
        {"a product's own value", kRootLocalMachine, "Software\\Vendor\\Product", "Path", "C:\\x", kRegistryAllowed},
        {"the product's Run entry", kRootLocalMachine, kRunKey, "Own", nullptr, kRegistryAllowed},
        {"its Run entry put back to its older program", kRootLocalMachine, kRunKey, "Own", "C:\\App\\old.exe",
         kRegistryAllowed},
        {"its Run entry put back to another program", kRootLocalMachine, kRunKey, "Own", "C:\\evil.exe",
         kRegistryForeignProgram},
        {"another program's Run entry", kRootLocalMachine, kRunKey, "Other", nullptr, kRegistrySystemOwned},
        {"a Run entry that is not there", kRootLocalMachine, kRunKey, "Evil", "C:\\App\\app.exe",
         kRegistrySystemOwned},
        {"the Windows shell", kRootLocalMachine, kWinlogon, "Shell", nullptr, kRegistrySystemOwned},
        {"the Windows shell put back", kRootLocalMachine, kWinlogon, "Shell", "C:\\App\\app.exe",
         kRegistrySystemOwned},
        {"the user's path", kRootCurrentUser, "Environment", "Path", nullptr, kRegistrySystemOwned},
        {"the product's variable", kRootCurrentUser, "Environment", "OWN_HOME", nullptr, kRegistryAllowed},
        {"a value of the system", kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion",
         "ProgramFilesDir", nullptr, kRegistrySystemOwned},
        {"a shortcut type", kRootClassesRoot, ".lnk", "", nullptr, kRegistrySystemOwned},
        {"a common type handed to the product, put back", kRootClassesRoot, ".txt", "", "txtfile", kRegistryAllowed},
        {"its service's program", kRootLocalMachine, std::string(kServices) + "OwnSvc", "ImagePath",
         "C:\\App\\svc2.exe", kRegistryAllowed},
        {"its service pointed elsewhere", kRootLocalMachine, std::string(kServices) + "OwnSvc", "ImagePath",
         "C:\\evil.exe", kRegistryForeignProgram},
        {"a system service pointed at the product", kRootLocalMachine, std::string(kServices) + "PlugPlay",
         "ImagePath", "C:\\App\\svc.exe", kRegistryNotOwned},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(guard.MayChangeValue(c.root, c.key.c_str(), c.value, c.text), c.verdict);
    }
}

// An item is judged once, before the run changes it: an uninstall entry whose values go one by
// one stays the installation's to its last value, and a file type still counts after the class
// it names is gone.
TEST_F(RegistryGuardTest, ItemsAreJudgedBeforeTheRunChangesThem)
{
    std::string entry = std::string(kUninstall) + "Own";
    fake.registry.SetString(kRootLocalMachine, entry, "DisplayName", "Own");
    guard.JudgeItemOf(kRootLocalMachine, entry.c_str());
    guard.JudgeItemOf(kRootClassesRoot, ".own");
    fake.registry.DeleteValue(kRootLocalMachine, entry.c_str(), "UninstallString");
    EXPECT_TRUE(DeleteKeyTree(fake.registry, kRootClassesRoot, "Own.Document"));
    EXPECT_EQ(guard.MayChangeValue(kRootLocalMachine, entry.c_str(), "DisplayName", nullptr), kRegistryAllowed);
    EXPECT_EQ(guard.MayDeleteTree(kRootClassesRoot, ".own"), kRegistryAllowed);
}

}  // namespace
