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
    FolderGuard folderGuard{fake.files, folders, kLogPath, &g_itemStore};
    InstallationPlaces places{fake.files, folderGuard, g_itemStore, kLogPath};
    RegistryGuard guard{fake.registry, &places};
};

TEST_F(RegistryGuardTest, TreesGoWhenTheyAreTheInstallations)
{
    const struct {
        int root;
        std::string key;
        KeepReason verdict;
    } cases[] = {
        {kRootLocalMachine, "Software\\Vendor\\Product", kKeptNothing},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion", kKeptSystem},
        // Classes by the program they start, the class they name, or the file type they serve.
        {kRootClassesRoot, std::string("CLSID\\") + kOwnClass, kKeptNothing},
        {kRootClassesRoot, std::string("CLSID\\") + kOwnClass + "\\InprocServer32", kKeptNothing},
        {kRootClassesRoot, std::string("CLSID\\") + kSystemClass, kKeptNotInstallations},
        {kRootClassesRoot, "CLSID\\{33333333-3333-3333-3333-333333333333}", kKeptNothing},
        {kRootClassesRoot, "CLSID\\{44444444-4444-4444-4444-444444444444}", kKeptNotInstallations},
        {kRootClassesRoot, "Interface\\{55555555-5555-5555-5555-555555555555}", kKeptNothing},
        {kRootClassesRoot, ".own", kKeptNothing},
        {kRootClassesRoot, "Own.Document", kKeptNothing},
        {kRootClassesRoot, ".wri", kKeptNotInstallations},
        {kRootClassesRoot, "wrifile", kKeptNotInstallations},
        {kRootClassesRoot, ".missing", kKeptNothing},
        // Services, monitors, uninstall entries and paths by the program they name.
        {kRootLocalMachine, std::string(kServices) + "OwnSvc", kKeptNothing},
        {kRootLocalMachine, std::string(kServices) + "PlugPlay", kKeptNotInstallations},
        {kRootLocalMachine, std::string(kMonitors) + "App Port", kKeptNothing},
        {kRootLocalMachine, std::string(kMonitors) + "Local Port", kKeptNotInstallations},
        {kRootLocalMachine, std::string(kAppPaths) + "app.exe", kKeptNothing},
        {kRootLocalMachine, std::string(kAppPaths) + "iexplore.exe", kKeptNotInstallations},
        {kRootLocalMachine, std::string(kUninstall) + "Own", kKeptNothing},
        {kRootLocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList\\S-1-5-21-1",
         kKeptNotInstallations},
        {kRootLocalMachine, "Software\\Microsoft\\Addin", kKeptNothing},
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
        KeepReason verdict;
    } cases[] = {
        {"a product's own value", kRootLocalMachine, "Software\\Vendor\\Product", "Path", "C:\\x", kKeptNothing},
        {"the product's Run entry", kRootLocalMachine, kRunKey, "Own", nullptr, kKeptNothing},
        {"its Run entry put back to its older program", kRootLocalMachine, kRunKey, "Own", "C:\\App\\old.exe",
         kKeptNothing},
        {"its Run entry put back to another program", kRootLocalMachine, kRunKey, "Own", "C:\\evil.exe",
         kKeptForeignProgram},
        {"another program's Run entry", kRootLocalMachine, kRunKey, "Other", nullptr, kKeptSystem},
        {"a Run entry that is not there", kRootLocalMachine, kRunKey, "Evil", "C:\\App\\app.exe",
         kKeptSystem},
        {"the Windows shell", kRootLocalMachine, kWinlogon, "Shell", nullptr, kKeptSystem},
        {"the Windows shell put back", kRootLocalMachine, kWinlogon, "Shell", "C:\\App\\app.exe",
         kKeptSystem},
        {"the user's path", kRootCurrentUser, "Environment", "Path", nullptr, kKeptSystem},
        {"the product's variable", kRootCurrentUser, "Environment", "OWN_HOME", nullptr, kKeptNothing},
        {"a value of the system", kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion",
         "ProgramFilesDir", nullptr, kKeptSystem},
        {"a shortcut type", kRootClassesRoot, ".lnk", "", nullptr, kKeptSystem},
        {"a common type handed to the product, put back", kRootClassesRoot, ".txt", "", "txtfile", kKeptNothing},
        {"its service's program", kRootLocalMachine, std::string(kServices) + "OwnSvc", "ImagePath",
         "C:\\App\\svc2.exe", kKeptNothing},
        {"its service pointed elsewhere", kRootLocalMachine, std::string(kServices) + "OwnSvc", "ImagePath",
         "C:\\evil.exe", kKeptForeignProgram},
        {"a system service pointed at the product", kRootLocalMachine, std::string(kServices) + "PlugPlay",
         "ImagePath", "C:\\App\\svc.exe", kKeptNotInstallations},
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
    EXPECT_EQ(guard.MayChangeValue(kRootLocalMachine, entry.c_str(), "DisplayName", nullptr), kKeptNothing);
    EXPECT_EQ(guard.MayDeleteTree(kRootClassesRoot, ".own"), kKeptNothing);
}

// A folder the log claims to have made is a place of the installation only when the file
// guard would let it go with its contents and it holds nothing the log does not list: another
// product's folder, one holding another installation's log, a folder of the system or a link
// gives no item in it away.
TEST_F(RegistryGuardTest, OnlyFoldersTheInstallationMadeArePlaces)
{
    fake.files.AddFile("C:\\Game\\game.dat");
    fake.files.AddFile("C:\\Program Files\\Internet Explorer\\iexplore.exe");
    fake.files.AddFile("C:\\Other\\INSTALL.LOG", "***  Installation Started ***\r\nFile Copy: C:\\Other\\o.exe\r\n");
    fake.files.AddLink("C:\\Linked", "C:\\Elsewhere");
    const struct {
        const char* folder;
        bool place;
    } cases[] = {
        {"C:\\Game", true},
        {"C:\\Program Files\\Internet Explorer", false},
        {"C:\\Other", false},
        {"C:\\WINDOWS", false},
        {"C:\\Linked", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        FreeItemStore();
        AllocateItemTables();
        std::string text = std::string("***  Installation Started ***\r\nTitle: Test Application\r\nMade Dir: ") +
                           c.folder + "\r\nFile Copy: C:\\Game\\game.dat\r\n";
        MemoryLogInput input(text.data(), text.size());
        ASSERT_EQ(ReadInstallLogFrom(input, kLogPath, logSystem, logUi), 0);
        std::string key = std::string(kAppPaths) + "tool" + std::to_string(&c - cases) + ".exe";
        fake.registry.SetString(kRootLocalMachine, key, "", std::string(c.folder) + "\\tool.exe");
        FolderGuard files(fake.files, folders, kLogPath, &g_itemStore);
        InstallationPlaces madeFolders(fake.files, files, g_itemStore, kLogPath);
        RegistryGuard registry(fake.registry, &madeFolders);
        EXPECT_EQ(registry.MayDeleteTree(kRootLocalMachine, key.c_str()),
                  c.place ? kKeptNothing : kKeptNotInstallations);
    }
}

}  // namespace
