// UNHALDEN32.EXE run silently over logs that reach beyond their installation. A complete
// installation (a program folder in Program Files, a counted shared DLL, INI entries, registry
// values and trees under the product's own key and its CLSID, a service, icons) is set up in
// the prefix beside sentinel files, folders and keys that no log owns. Each run adds hostile
// lines to the installation's log; every run must end in time, remove the installation as
// logged and leave every sentinel alone.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "uninstaller/app/tests/SystemStateSupport.h"
#include "uninstaller/app/tests/WineTestSupport.h"

using namespace wine_test;

namespace {

const DWORD kRunDeadline = 60000;
const char kSharedDlls[] = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// A directory symbolic link: under Wine a host link, which Wine shows as a reparse point.
bool MakeFolderLink(const std::string& link, const std::string& target)
{
    return MakeLink(link, target, true);
}

void EndProgramsNamed(const std::string& upperName)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (Upper(entry.szExeFile) != upperName)
            continue;
        HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID);
        if (process) {
            TerminateProcess(process, 1);
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
}

struct Sentinel {
    HKEY root;
    std::string key, name, value;
};

class HostileLogWineTest : public testing::Test {
protected:
    void SetUp() override
    {
        id = RunId();
        windows = WindowsFolder();
        system = SystemFolder();
        profile = ShellFolder(CSIDL_PROFILE);
        users = ParentOf(profile);
        documents = ShellFolder(CSIDL_PERSONAL);
        roaming = ShellFolder(CSIDL_APPDATA);
        programData = ShellFolder(CSIDL_COMMON_APPDATA);
        commonFiles = ShellFolder(CSIDL_PROGRAM_FILES_COMMON);
        programFiles = ShellFolder(CSIDL_PROGRAM_FILES);
        ASSERT_FALSE(profile.empty() || documents.empty() || programFiles.empty() || commonFiles.empty());

        app = programFiles + "\\HaldenHostile" + id;
        logPath = app + "\\INSTALL.LOG";
        runner = "C:\\UnhRunner" + id;
        program = runner + "\\UNHALDEN32.EXE";
        productKey = "Software\\HaldenVendor" + id + "\\Product";
        clsid = "CLSID\\{0000" + std::to_string(GetCurrentProcessId() % 10000) + "-1234-1234-1234-123456789ABC}";
        serviceName = "UnhHostile" + id;
        settingsIni = windows + "\\HaldenHostile" + id + ".ini";

        SetUpInstallation();
        SetUpSentinels();
    }

    void TearDown() override { EndProgramsNamed("HANG.EXE"); }

    void SetUpInstallation()
    {
        CreateDirectoryA(app.c_str(), nullptr);
        CreateDirectoryA((app + "\\Data").c_str(), nullptr);
        for (const char* name : {"app.exe", "readme.txt", "Data\\data.bin", "shared.dll", "app.ini"})
            WriteFile(app + "\\" + name, name);
        ASSERT_TRUE(CopyFileA(UNHALDEN_HELPER_EXE, (app + "\\hang.exe").c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(UNHALDEN_LIBRARY_DLL, (app + "\\server.dll").c_str(), FALSE));
        DeleteFileA((app + "\\server.dll.txt").c_str());
        WritePrivateProfileStringA("Main", "Mode", "new", settingsIni.c_str());
        WritePrivateProfileStringA("Main", "Added", "1", settingsIni.c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, settingsIni.c_str());
        SetText(HKEY_LOCAL_MACHINE, productKey, "Path", app);
        SetText(HKEY_LOCAL_MACHINE, productKey + "\\Options", "Level", "2");
        SetText(HKEY_CLASSES_ROOT, clsid + "\\InprocServer32", "", app + "\\app.exe");
        SetNumber(HKEY_LOCAL_MACHINE, kSharedDlls, app + "\\shared.dll", 2);

        // Set up again for the next run, the service may still be there.
        const DWORD service = CreateTestService(serviceName, app + "\\app.exe");
        ASSERT_TRUE(service == ERROR_SUCCESS || service == ERROR_SERVICE_EXISTS) << service;

        installation = "***  Installation Started ***\r\n"
                       "Title: Hostile Test Installation\r\n"
                       "Made Dir: " + app + "\r\n"
                       "File Copy: " + app + "\\app.exe\r\n"
                       "File Copy: " + app + "\\readme.txt\r\n"
                       "File Copy: " + app + "\\Data\\data.bin\r\n"
                       "File Copy: " + app + "\\shared.dll\r\n"
                       "File Copy: " + app + "\\server.dll\r\n"
                       "Self-Register: " + app + "\\server.dll\r\n"
                       "File Tree: " + app + "\\Data\r\n"
                       "INI New: \r\n"
                       "INI File: " + app + "\\app.ini\r\n"
                       "INI File: " + settingsIni + "\r\n"
                       "INI Sect: Main\r\nINI Item: Mode\r\nINI Val: new\r\nINI Old: old\r\n"
                       "INI File: " + settingsIni + "\r\n"
                       "INI Sect: Main\r\nINI Item: Added\r\nINI Val: 1\r\n"
                       "RegDB Key: " + productKey + "\r\n"
                       "RegDB Val: " + app + "\r\nRegDB Name: Path\r\nRegDB Root: 2\r\n"
                       "RegDB Tree: " + productKey + "\r\nRegDB Root: 2\r\n"
                       "RegDB Tree: " + clsid + "\r\nRegDB Root: 0\r\n"
                       "Create Service: " + serviceName + "\r\n"
                       "Icon Group: Halden Hostile " + id + "\r\n"
                       "Icon Name: Hostile App\r\n"
                       "Icon Cmd: " + app + "\\app.exe\r\n";
    }

    void AddSentinelFile(const std::string& path)
    {
        CreateDirectoryA(ParentOf(path).c_str(), nullptr);
        WriteFile(path, "sentinel " + path);
        sentinelFiles.push_back(path);
    }

    void SetUpSentinels()
    {
        otherProduct = programFiles + "\\OtherProduct" + id;
        linkTarget = "C:\\SentinelTarget" + id;
        for (const std::string& path :
             {system + "\\drivers\\sentinel" + id + ".sys", windows + "\\Fonts\\sentinel" + id + ".ttf",
              windows + "\\Temp\\sentinel" + id + ".txt", system + "\\sentinel" + id + ".dll",
              windows + "\\sentinel" + id + ".txt", profile + "\\sentinel" + id + ".txt",
              documents + "\\important" + id + ".txt", roaming + "\\sentinel" + id + ".txt",
              programData + "\\sentinel" + id + ".txt", commonFiles + "\\sentinel" + id + ".txt",
              users + "\\sentinel" + id + ".txt", otherProduct + "\\other.exe", otherProduct + "\\INSTALL.LOG",
              linkTarget + "\\keep.txt", "C:\\sentinel" + id + ".bat"})
            AddSentinelFile(path);
        sentinelKeys = {
            {HKEY_CLASSES_ROOT, "CLSID\\{99999999-9999-9999-9999-999999999999}", "", "sentinel"},
            {HKEY_CLASSES_ROOT, ".sentinel" + id, "", "sentinelfile"},
            {HKEY_LOCAL_MACHINE, kRunKey, "Sentinel" + id, "x"},
            {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sentinel" + id, "Name",
             "x"},
            {HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Sentinel" + id, "Name", "x"},
            {HKEY_LOCAL_MACHINE, "Software\\Classes\\Interface\\{Sentinel" + id + "}", "", "x"},
            {HKEY_CURRENT_USER, "Software\\Microsoft\\Sentinel" + id, "Name", "x"},
            {HKEY_LOCAL_MACHINE, "Software\\HaldenVendor" + id + "\\Sibling", "Name", "x"},
        };
        for (const Sentinel& key : sentinelKeys)
            SetText(key.root, key.key, key.name, key.value);
        for (const std::string& path : {windows + "\\win.ini", windows + "\\system.ini"})
            systemFiles[path] = ReadFile(path);
    }

    // Writes the log, puts the uninstaller in its own folder and runs it; false when it did
    // not end in time.
    bool Run(const std::string& switches, const std::string& logText, int waitSeconds = 60)
    {
        WriteFile(logPath, logText);
        CreateDirectoryA(runner.c_str(), nullptr);
        if (!CopyFileA(UNHALDEN32_EXE, program.c_str(), FALSE))
            return false;
        std::string settings = runner + "\\UNHALDEN32.INI";
        WritePrivateProfileStringA("Settings", "Silent Wait Seconds", std::to_string(waitSeconds).c_str(),
                                   settings.c_str());
        Child child("\"" + program + "\" " + switches + " \"" + logPath + "\"");
        return child.Started() && child.WaitForExit(kRunDeadline) != -1;
    }

    void ExpectSentinelsSurvive()
    {
        for (const std::string& path : sentinelFiles)
            EXPECT_EQ(ReadFile(path), "sentinel " + path) << path;
        for (const Sentinel& key : sentinelKeys)
            EXPECT_EQ(Value(key.root, key.key, key.name), key.value) << key.key;
        for (const auto& file : systemFiles)
            EXPECT_TRUE(Exists(file.first) && ReadFile(file.first) == file.second) << file.first;
        for (const std::string& folder : {windows + "\\Fonts", system + "\\drivers", windows + "\\Temp", profile,
                                          documents, roaming, programData, commonFiles, users})
            EXPECT_TRUE(Exists(folder)) << folder;
    }

    // The installation is gone as its log says: the counted DLL stays with one count less.
    void ExpectInstallationRemoved()
    {
        for (const char* name : {"app.exe", "readme.txt", "Data", "app.ini", "server.dll", "INSTALL.LOG"})
            EXPECT_FALSE(Exists(app + "\\" + name)) << name;
        // The library was asked to unregister before it went.
        EXPECT_EQ(ReadFile(app + "\\server.dll.txt"), "DllUnregisterServer\n");
        EXPECT_EQ(ReadFile(app + "\\shared.dll"), "shared.dll");
        EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kSharedDlls, app + "\\shared.dll"), "1");
        EXPECT_EQ(Ini(settingsIni, "Main", "Mode"), "old");
        EXPECT_EQ(Ini(settingsIni, "Main", "Added"), "<none>");
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, productKey));
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, clsid));
        EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "CLSID"));
        EXPECT_FALSE(ServiceExists(serviceName));
    }

    std::string id, windows, system, profile, users, documents, roaming, programData, commonFiles, programFiles;
    std::string app, logPath, runner, program, productKey, clsid, serviceName, settingsIni, otherProduct, linkTarget;
    std::string installation;
    std::vector<std::string> sentinelFiles;
    std::vector<Sentinel> sentinelKeys;
    std::map<std::string, std::string> systemFiles;   // path -> contents
};

// The installation alone: removed exactly, nothing else touched.
TEST_F(HostileLogWineTest, ARealInstallationIsRemovedExactly)
{
    ASSERT_TRUE(Run("/S", installation));
    ExpectInstallationRemoved();
    ExpectSentinelsSurvive();
}

TEST_F(HostileLogWineTest, HostileLinesAreRefusedAndEveryRunEnds)
{
    std::string links = "C:\\HaldenLinks" + id;
    CreateDirectoryA(links.c_str(), nullptr);
    bool linked = MakeFolderLink(links + "\\ToFonts", windows + "\\Fonts") &&
                  MakeFolderLink(links + "\\ToTarget", linkTarget) && MakeFolderLink(links + "\\ToUsers", users);

    const struct {
        const char* name;
        std::string lines;
    } cases[] = {
        {"system folders and what is in them",
         "File Tree: " + system + "\\drivers\r\n"
         "File Tree: " + windows + "\\Fonts\\*.ttf\r\n"
         "File Tree: " + windows + "\\Temp\r\n"
         "Made Dir: " + windows + "\\Temp\\\r\n"
         "File Tree: " + system + "\\*.*\r\n"
         "File Tree: " + windows + "\\*.txt\r\n"},
        {"profiles and shared folders",
         "File Tree: " + profile + "\r\n"
         "File Tree: " + users + "\r\n"
         "File Tree: " + documents + "\r\n"
         "File Tree: " + documents + "\\*.*\r\n"
         "File Tree: " + roaming + "\r\n"
         "File Tree: " + programData + "\r\n"
         "File Tree: " + commonFiles + "\r\n"
         "File Tree: " + programFiles + "\\OTHERP~1\\..\\OtherProduct" + id + "\r\n"
         "File Tree: C:\\*.*\r\n"},
        {"links named by the log",
         "File Tree: " + links + "\\ToFonts\r\n"
         "File Tree: " + links + "\\ToTarget\r\n"
         "File Tree: " + links + "\\ToTarget\\*.*\r\n"
         "File Tree: " + links + "\\ToUsers\\..\\ToUsers\r\n"
         "Made Dir: " + links + "\\ToTarget\r\n"},
        {"status report names with paths",
         "Uninstall MIF: ..\\" + documents.substr(3) + "\\important" + id + ".txt\r\n"},
        {"status report outside the Windows folder", "Uninstall MIF: ..\\owned" + id + ".bat\r\n"},
        {"shared registry trees",
         "RegDB Tree: CLSID\r\nRegDB Root: 0\r\n"
         "RegDB Tree: .sentinel" + id + "\\..\\.txt\r\n"
         "RegDB Tree: Software\\Microsoft\\Windows\\CurrentVersion\r\nRegDB Root: 2\r\n"
         "RegDB Tree: Software\\Microsoft\\Windows\\CurrentVersion\\Run\r\nRegDB Root: 2\r\n"
         "RegDB Tree: SYSTEM\\CurrentControlSet\r\nRegDB Root: 2\r\n"
         "RegDB Tree: Software\\Classes\\Interface\r\nRegDB Root: 2\r\n"
         "RegDB Tree: Software\\Microsoft\r\nRegDB Root: 1\r\n"
         "RegDB Tree: Software\\HaldenVendor" + id + "\\Product\\..\r\nRegDB Root: 2\r\n"},
        {"the system's own settings file", "INI New: \r\nINI File: " + windows + "\\win.ini\r\n"},
        {"a program that does not end", "Execute Program: " + app + "\\hang.exe /hang\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!linked && std::string(c.name) == "links named by the log")
            continue;
        SetUpInstallation();
        DWORD start = GetTickCount();
        // The silent wait also bounds the library's registration helper, whose start under Wine
        // on a loaded machine can take seconds: short enough for the hanging program's case,
        // long enough not to give up on a library that answers.
        ASSERT_TRUE(Run("/S", installation + c.lines, 10)) << "the run did not end";
        EXPECT_LT(GetTickCount() - start, 30000u);
        ExpectInstallationRemoved();
        ExpectSentinelsSurvive();
        EXPECT_FALSE(Exists("C:\\owned" + id + ".bat"));
        EndProgramsNamed("HANG.EXE");
    }
    // A link named by the log goes as a link at most; what it leads to stays.
    EXPECT_TRUE(linked) << "no folder links on this system";
    EXPECT_TRUE(Exists(windows + "\\Fonts"));
}

// A rollback whose backups went missing keeps the files it cannot put back, and still undoes
// what the last section created.
TEST_F(HostileLogWineTest, RollbackWithMissingBackupsKeepsTheFiles)
{
    WriteFile(app + "\\app.exe", "v2");
    WriteFile(app + "\\readme.txt", "v2");
    WriteFile(app + "\\added.txt", "added");
    std::string upgrade = "***  Upgrade Started ***\r\n"
                          "File Overwrite: " + app + "\\app.exe\r\n"
                          "Backup Copy: " + app + "\\Backup\\app.exe\r\n"
                          "File Copy: " + app + "\\readme.txt\r\n"
                          "Backup Copy: " + app + "\\Backup\\readme.txt\r\n"
                          "File Copy: " + app + "\\added.txt\r\n";
    ASSERT_TRUE(Run("/S /R", installation + upgrade));
    EXPECT_EQ(ReadFile(app + "\\app.exe"), "v2");
    EXPECT_EQ(ReadFile(app + "\\readme.txt"), "v2");
    EXPECT_FALSE(Exists(app + "\\added.txt"));
    EXPECT_EQ(ReadFile(logPath), installation);
    ExpectSentinelsSurvive();
}

// The temporary copy deletes the program that started it, and nothing else its command line
// names.
TEST_F(HostileLogWineTest, TheTemporaryCopyDeletesOnlyItsLauncher)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string copy = std::string(temp) + "UNH" + id + ".EXE";
    ASSERT_TRUE(CopyFileA(UNHALDEN32_EXE, copy.c_str(), FALSE));
    CreateDirectoryA(runner.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(UNHALDEN32_EXE, program.c_str(), FALSE));
    std::string victim = documents + "\\important" + id + ".txt";
    std::string impostor = runner + "\\OTHER.EXE";
    WriteFile(impostor, "not the uninstaller");

    for (const std::string& launcher : {victim, impostor, documents, program}) {
        SCOPED_TRACE(launcher);
        Child child("\"" + copy + "\" /z " + launcher + " " + runner + "\\");
        ASSERT_TRUE(child.Started());
        EXPECT_NE(child.WaitForExit(kRunDeadline), -1);
    }
    EXPECT_FALSE(Exists(program));
    EXPECT_EQ(ReadFile(impostor), "not the uninstaller");
    EXPECT_TRUE(Exists(runner));
    DeleteFileA(copy.c_str());
    ExpectSentinelsSurvive();
}

}  // namespace
