// UNHALDEN32.EXE run over an installation whose disk was not the installer's alone: names that
// change on their way to the ANSI code page, links anywhere in a path, a second installation in
// the first one's folder, rollback and repair writes aimed at the system, the system's own files
// named by the log, and the installations that rightly made a folder in the Windows folder. Each
// family runs in this prefix beside sentinels inside and outside it; every run must end in
// time, remove what the installation owns, keep every sentinel, and report "Success" only when
// nothing the log owns is left.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "uninstaller/app/tests/PendingOperations.h"
#include "uninstaller/app/tests/SystemStateSupport.h"
#include "uninstaller/app/tests/WineTestSupport.h"

using namespace wine_test;

namespace {

const DWORD kRunDeadline = 60000;
const DWORD kRunLimit = 30000;   // what a run may take

// Files named in UTF-16, as the ANSI functions cannot name them.
bool WriteWide(const std::wstring& path, const std::string& text)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return written == text.size();
}

bool ExistsWide(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class HostileFilesWineTest : public testing::Test {
protected:
    void SetUp() override
    {
        id = RunId();
        windows = WindowsFolder();
        system = SystemFolder();
        programFiles = ShellFolder(CSIDL_PROGRAM_FILES);
        documents = ShellFolder(CSIDL_PERSONAL);
        ASSERT_FALSE(programFiles.empty() || documents.empty());

        app = programFiles + "\\HaldenFiles" + id;
        logPath = app + "\\INSTALL.LOG";
        runner = "C:\\UnhFilesRunner" + id;
        program = runner + "\\UNHALDEN32.EXE";
        mif = "files" + id + ".mif";
        insideTarget = "C:\\FilesTarget" + id;
        outsideTarget = FolderOutsidePrefix("files-outside" + id);
        otherProduct = programFiles + "\\OtherProduct" + id;

        SetUpInstallation();
        SetUpSentinels();
    }

    void TearDown() override { DeleteFileA((windows + "\\" + mif).c_str()); }

    // The installation every family starts from: a program folder with files and a tree.
    void SetUpInstallation()
    {
        CreateDirectoryA(app.c_str(), nullptr);
        CreateDirectoryA((app + "\\Data").c_str(), nullptr);
        for (const char* name : {"app.exe", "readme.txt", "Data\\data.bin"})
            WriteFile(app + "\\" + name, name);
        installation = "***  Installation Started ***\r\n"
                       "Title: Hostile Files Installation\r\n"
                       "Uninstall MIF: " + mif + "\r\n"
                       "Made Dir: " + app + "\r\n"
                       "File Copy: " + app + "\\app.exe\r\n"
                       "File Copy: " + app + "\\readme.txt\r\n"
                       "File Tree: " + app + "\\Data\r\n";
    }

    void AddSentinelFile(const std::string& path)
    {
        CreateDirectoryA(ParentOf(path).c_str(), nullptr);
        WriteFile(path, "sentinel " + path);
        sentinelFiles.push_back(path);
    }

    void SetUpSentinels()
    {
        for (const std::string& path :
             {insideTarget + "\\keep.txt", insideTarget + "\\sub\\deep.txt", outsideTarget + "\\far.txt",
              outsideTarget + "\\sub\\deep.txt", documents + "\\important" + id + ".txt",
              otherProduct + "\\other.exe", windows + "\\sentinel" + id + ".txt", system + "\\sentinel" + id + ".dll",
              programFiles + "\\OtherProduct" + id + "\\data\\other.dat"})
            AddSentinelFile(path);
        WriteFile(otherProduct + "\\INSTALL.LOG", "***  Installation ***\r\nTitle: Other\r\nFile Copy: " +
                                                      otherProduct + "\\other.exe\r\n");
        for (const std::string& path : {windows + "\\win.ini", windows + "\\system.ini", system + "\\kernel32.dll",
                                        system + "\\drivers\\etc\\hosts", otherProduct + "\\INSTALL.LOG"})
            systemFiles[path] = ReadFile(path);
        WIN32_FIND_DATAA found;
        HANDLE fonts = FindFirstFileA((windows + "\\Fonts\\*.ttf").c_str(), &found);
        if (fonts != INVALID_HANDLE_VALUE) {
            font = windows + "\\Fonts\\" + found.cFileName;
            systemFiles[font] = ReadFile(font);
            FindClose(fonts);
        }
    }

    // Writes the log, puts the uninstaller in its own folder (its language INI gives the status
    // report a plain form: "status|description") and runs it; false when it did not end in time.
    bool Run(const std::string& switches, const std::string& logText)
    {
        WriteFile(logPath, logText);
        DeleteFileA((windows + "\\" + mif).c_str());
        CreateDirectoryA(runner.c_str(), nullptr);
        if (!CopyFileA(UNHALDEN32_EXE, program.c_str(), FALSE))
            return false;
        std::string settings = runner + "\\UNHALDEN32.INI";
        WritePrivateProfileStringA("Settings", "Silent Wait Seconds", "5", settings.c_str());
        WritePrivateProfileStringA("Language", "Msg1000", "%7%|%8%", settings.c_str());
        DWORD start = GetTickCount();
        Child child("\"" + program + "\" " + switches + " \"" + logPath + "\"");
        bool ended = child.Started() && child.WaitForExit(kRunDeadline) != -1;
        EXPECT_LT(GetTickCount() - start, kRunLimit);
        return ended;
    }

    // "Success|" or "Failed|<what was kept and why>".
    std::string Status() { return ReadFile(windows + "\\" + mif); }

    void ExpectSentinelsSurvive()
    {
        for (const std::string& path : sentinelFiles)
            EXPECT_EQ(ReadFile(path), "sentinel " + path) << path;
        for (const auto& file : systemFiles)
            EXPECT_TRUE(Exists(file.first) && ReadFile(file.first) == file.second) << file.first;
        for (const std::string& folder : {windows + "\\Fonts", system + "\\drivers\\etc", documents, programFiles})
            EXPECT_TRUE(Exists(folder)) << folder;
    }

    // The installation's own files and tree are gone.
    void ExpectInstallationFilesRemoved()
    {
        for (const char* name : {"app.exe", "readme.txt", "Data", "INSTALL.LOG"})
            EXPECT_FALSE(Exists(app + "\\" + name)) << name;
    }

    std::string id, windows, system, programFiles, documents, font;
    std::string app, logPath, runner, program, mif, insideTarget, outsideTarget, otherProduct;
    std::string installation;
    std::vector<std::string> sentinelFiles;
    std::map<std::string, std::string> systemFiles;   // path -> contents
};

// The installation alone: removed, nothing else touched, and a success.
TEST_F(HostileFilesWineTest, ARealInstallationIsRemovedAndSucceeds)
{
    ASSERT_TRUE(Run("/S", installation));
    ExpectInstallationFilesRemoved();
    EXPECT_FALSE(Exists(app));
    ExpectSentinelsSurvive();
    EXPECT_EQ(Status(), "Success|");
}

// Names planted in the installation's tree whose ANSI form leads elsewhere ("．．＼" becomes
// "..\"), and owned names with no ANSI form at all: all are the tree's own entries and go with
// it; nothing they seem to name is touched.
TEST_F(HostileFilesWineTest, NamesThatChangeInTheAnsiCodePage)
{
    const std::wstring data = WideOf(app + "\\Data\\");
    const std::wstring up = L"\xFF0E\xFF0E\xFF3C";
    std::wstring winIni = up + up + up + up + L"windows\xFF3Cwin.ini";
    std::wstring product = L"x";
    for (int i = 0; i < 5; ++i)
        product += L"\xFF3C\xFF0E\xFF0E";
    product += L"\xFF3CProgram Files\xFF3COtherProduct" + WideOf(id);
    ASSERT_TRUE(WriteWide(data + winIni, "planted"));
    ASSERT_TRUE(CreateDirectoryW((data + product).c_str(), nullptr));
    ASSERT_TRUE(WriteWide(data + product + L"\\inner.txt", "planted"));
    // Owned files whose names the ANSI code page cannot hold, and one it can (named by the log).
    const std::wstring cjk = data + L"\x65E5\x672C\x8A9E.txt", cyrillic = WideOf(app) + L"\\\x0444\x0430\x0439\x043B.txt";
    ASSERT_TRUE(WriteWide(cjk, "owned"));
    ASSERT_TRUE(WriteWide(cyrillic, "owned"));
    ASSERT_TRUE(WriteWide(WideOf(app) + L"\\caf\x00E9.txt", "owned"));

    ASSERT_TRUE(Run("/S", installation + "File Copy: " + app + "\\caf\xE9.txt\r\nFile Tree: " + app + "\r\n"));
    EXPECT_FALSE(ExistsWide(data + winIni));
    EXPECT_FALSE(ExistsWide(cjk));
    EXPECT_FALSE(ExistsWide(cyrillic));
    EXPECT_FALSE(Exists(app));
    ExpectSentinelsSurvive();
    EXPECT_EQ(Status(), "Success|");
}

// A link in the middle of a logged path, to a folder inside and to one outside the prefix: what
// lies behind it stays, and the link itself is never followed. Wine cannot remove a link as a
// link, so it stays too, and the run reports it.
TEST_F(HostileFilesWineTest, LinksInTheMiddleOfAPath)
{
    ASSERT_TRUE(MakeLink(app + "\\Cache", insideTarget, true));
    ASSERT_TRUE(MakeLink(app + "\\Data\\Far", outsideTarget, true));
    ASSERT_TRUE(Run("/S", installation + "File Tree: " + app + "\\Cache\\sub\r\n"
                                         "File Copy: " + app + "\\Cache\\keep.txt\r\n"
                                         "File Copy: " + app + "\\Data\\Far\\far.txt\r\n"
                                         "File Tree: " + app + "\\Data\\Far\\sub\r\n"
                                         "File Tree: " + app + "\r\n"));
    for (const char* name : {"app.exe", "readme.txt", "Data\\data.bin", "INSTALL.LOG"})
        EXPECT_FALSE(Exists(app + "\\" + name)) << name;
    ExpectSentinelsSurvive();
    EXPECT_EQ(Status().compare(0, 7, "Failed|"), 0) << Status();
}

// A file that is a link, named by the log or met in its tree: where it leads stays.
TEST_F(HostileFilesWineTest, FileLinks)
{
    ASSERT_TRUE(MakeLink(app + "\\link.txt", insideTarget + "\\keep.txt", false));
    ASSERT_TRUE(MakeLink(app + "\\Data\\far-link.txt", outsideTarget + "\\far.txt", false));
    ASSERT_TRUE(MakeLink(app + "\\Data\\system-link.dll", system + "\\kernel32.dll", false));
    ASSERT_TRUE(Run("/S", installation + "File Copy: " + app + "\\link.txt\r\n"));
    for (const char* name : {"app.exe", "readme.txt", "Data\\data.bin", "INSTALL.LOG"})
        EXPECT_FALSE(Exists(app + "\\" + name)) << name;
    ExpectSentinelsSurvive();
    EXPECT_NE(Status().find("Kept "), std::string::npos) << Status();
}

// A second product installed inside the first: its folder, its log and every file its log lists
// (in its folder or elsewhere in the first product's tree) stay; the first product's files go.
TEST_F(HostileFilesWineTest, ASecondInstallationInside)
{
    std::string plugin = app + "\\Plugin";
    CreateDirectoryA(plugin.c_str(), nullptr);
    CreateDirectoryA((app + "\\Shared").c_str(), nullptr);
    std::string pluginLog = "***  Installation Started ***\r\nTitle: Plugin\r\n"
                            "File Copy: " + plugin + "\\plugin.dll\r\n"
                            "File Copy: " + app + "\\Shared\\plugin.dat\r\n"
                            "File Copy: " + app + "\\Data\\plugin.cfg\r\n";
    WriteFile(plugin + "\\INSTALL.LOG", pluginLog);
    for (const std::string& path : {plugin + "\\plugin.dll", app + "\\Shared\\plugin.dat", app + "\\Data\\plugin.cfg"})
        AddSentinelFile(path);
    WriteFile(app + "\\Shared\\mine.dat", "mine");

    ASSERT_TRUE(Run("/S", installation + "File Copy: " + app + "\\Shared\\mine.dat\r\n"
                                         "File Copy: " + plugin + "\\plugin.dll\r\n"
                                         "File Tree: " + app + "\r\n"));
    for (const char* name : {"app.exe", "readme.txt", "Data\\data.bin", "Shared\\mine.dat", "INSTALL.LOG"})
        EXPECT_FALSE(Exists(app + "\\" + name)) << name;
    EXPECT_EQ(ReadFile(plugin + "\\INSTALL.LOG"), pluginLog);
    ExpectSentinelsSurvive();
    EXPECT_NE(Status().find("another installation's"), std::string::npos) << Status();
}

// A rollback whose backups would go over the system's files, a file the system uses right now,
// and whose "backups" are a user's document and another product's program: none is written,
// moved or scheduled; the rollback's own file goes back.
TEST_F(HostileFilesWineTest, RollbackWritesIntoSystemPlaces)
{
    CreateDirectoryA((app + "\\Backup").c_str(), nullptr);
    for (const char* name : {"win.ini", "system.ini", "sentinel.dll", "app.exe"})
        WriteFile(app + "\\Backup\\" + name, std::string("backup ") + name);
    WriteFile(app + "\\new.dll", "new");
    WriteFile(app + "\\other.dll", "upgrade");
    WriteFile(app + "\\app.exe", "v2");
    std::string inUse = system + "\\sentinel" + id + ".dll";
    LockedFile lock(inUse);
    std::string upgrade = "***  Upgrade Started ***\r\n"
                          "Delete in-use files: On\r\n"
                          "File Delete: " + windows + "\\win.ini\r\n"
                          "Backup Copy: " + app + "\\Backup\\win.ini\r\n"
                          "File Edit: " + windows + "\\system.ini\r\n"
                          "Backup Copy: " + app + "\\Backup\\system.ini\r\n"
                          "File Overwrite: " + inUse + "\r\n"
                          "Backup Copy: " + app + "\\Backup\\sentinel.dll\r\n"
                          "File Copy: " + app + "\\new.dll\r\n"
                          "Backup Copy: " + documents + "\\important" + id + ".txt\r\n"
                          "File Copy: " + app + "\\other.dll\r\n"
                          "Backup Copy: " + otherProduct + "\\other.exe\r\n"
                          "File Overwrite: " + app + "\\app.exe\r\n"
                          "Backup Copy: " + app + "\\Backup\\app.exe\r\n";
    ASSERT_TRUE(Run("/S /R", installation + upgrade));
    lock.Release();
    EXPECT_EQ(ReadFile(app + "\\app.exe"), "backup app.exe");
    EXPECT_EQ(ReadFile(app + "\\new.dll"), "new");
    EXPECT_EQ(ReadFile(app + "\\other.dll"), "upgrade");
    EXPECT_FALSE(PendingOperation(inUse, ""));
    for (const auto& operation : PendingOperations())
        EXPECT_EQ(operation.second.find(Upper(windows)), std::string::npos) << operation.second;
    ExpectSentinelsSurvive();
    EXPECT_NE(Status().find("Kept "), std::string::npos) << Status();
}

// Repair makes shortcuts again only as shortcuts of the installation: not over the system's
// settings, not over a user's document, not through a link into the Windows folder.
TEST_F(HostileFilesWineTest, RepairWritesShortcutsOnlyAsShortcuts)
{
    ASSERT_TRUE(MakeLink(app + "\\ToWindows", windows, true));
    std::string document = documents + "\\letter" + id + ".lnk";
    AddSentinelFile(document);
    std::string own = app + "\\Menu\\App.lnk";
    const std::string linkInfo = "Link Info: " + app + "\\app.exe|" + app + "|" + app + "\\app.exe|0|1|0|\r\n";
    std::string log = installation + "Source: D:\\SETUP" + id + ".EXE | 06-01-2001 | 10:00:00 | 4096\r\n";
    for (const std::string& shortcut : {windows + "\\win.ini", windows + "\\Evil" + id + ".lnk", document,
                                        app + "\\ToWindows\\Linked" + id + ".lnk", own})
        log += "Shell Link: " + shortcut + "\r\n" + linkInfo;

    // The self-repair check of shortcut 1 finds a file missing and, told Yes, repairs.
    char longLog[MAX_PATH];
    WriteFile(logPath, log);
    ASSERT_NE(GetLongPathNameA(logPath.c_str(), longLog, sizeof longLog), 0u);
    std::string logKey = longLog;
    for (char& c : logKey)
        if (c == '\\')
            c = '/';
    std::string repairKey = "Software\\Halden Solutions\\Halden Installation System\\Repair\\" + logKey;
    SetNumber(HKEY_LOCAL_MACHINE, repairKey, app + "\\missing" + id + ".exe", 1);
    std::string started = runner + "\\started.exe";
    CreateDirectoryA(runner.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(UNHALDEN_HELPER_EXE, started.c_str(), FALSE));
    SetText(HKEY_LOCAL_MACHINE, repairKey + "\\Icons\\1", "Path", started);

    ASSERT_TRUE(CopyFileA(UNHALDEN32_EXE, program.c_str(), FALSE));
    WritePrivateProfileStringA("Language", "Msg1000", "%7%|%8%", (runner + "\\UNHALDEN32.INI").c_str());
    DWORD start = GetTickCount();
    Child child("\"" + program + "\" /W1 \"" + logPath + "\"");
    ASSERT_TRUE(child.Started());
    HWND question = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (question = FindProcessWindow(child.Id(), "#32770", "Perform Repair")) != nullptr; },
        kRunDeadline));
    PostMessageA(question, WM_COMMAND, IDYES, 0);
    // The repair tells that it kept what it refused.
    HWND outcome = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (outcome = FindProcessWindow(child.Id(), "#32770", "Uninstall")) != nullptr; }, kRunDeadline));
    EXPECT_NE(WindowText(GetDlgItem(outcome, 0xFFFF)).find("Kept "), std::string::npos);
    PostMessageA(outcome, WM_COMMAND, IDOK, 0);
    EXPECT_NE(child.WaitForExit(kRunDeadline), -1);
    EXPECT_LT(GetTickCount() - start, kRunLimit);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, repairKey.c_str());

    EXPECT_EQ(ReadFile(own).substr(0, 4), std::string("\x4C\0\0\0", 4));
    EXPECT_FALSE(Exists(windows + "\\Evil" + id + ".lnk"));
    EXPECT_FALSE(Exists(windows + "\\Linked" + id + ".lnk"));
    ExpectSentinelsSurvive();
    EXPECT_NE(Status().find("Kept "), std::string::npos) << Status();
}

// The system's own files named by the log, singly or as a tree, are judged by where they lie:
// the Windows folder's content stays whatever its name.
TEST_F(HostileFilesWineTest, TheSystemsOwnFiles)
{
    ASSERT_FALSE(font.empty());
    ASSERT_TRUE(Run("/S", installation + "File Copy: " + system + "\\drivers\\etc\\hosts\r\n"
                                         "File Copy: " + font + "\r\n"
                                         "Non-System File:\r\n"
                                         "File Copy: " + system + "\\kernel32.dll\r\n"
                                         "Non-System File:\r\n"
                                         "File Copy: " + windows + "\\sentinel" + id + ".txt\r\n"
                                         "Non-System File:\r\n"
                                         "File Copy: " + system + "\\sentinel" + id + ".dll\r\n"
                                         "Made Dir: " + windows + "\\Fonts\r\n"
                                         "File Tree: " + windows + "\\Fonts\r\n"
                                         "File Tree: " + system + "\\drivers\\etc\r\n"));
    ExpectInstallationFilesRemoved();
    ExpectSentinelsSurvive();
    EXPECT_NE(Status().find("the system's own"), std::string::npos) << Status();
}

// Installations that rightly made a folder in the Windows folder: the folder and its files go,
// and the run is a success.
TEST_F(HostileFilesWineTest, AFolderTheInstallationMadeInTheWindowsFolder)
{
    std::string helper = windows + "\\MyGameHelper" + id;
    CreateDirectoryA(helper.c_str(), nullptr);
    CreateDirectoryA((helper + "\\Data").c_str(), nullptr);
    WriteFile(helper + "\\helper.dll", "helper");
    WriteFile(helper + "\\Data\\help.dat", "help");
    ASSERT_TRUE(Run("/S", installation + "Made Dir: " + helper + "\r\n"
                                         "File Copy: " + helper + "\\helper.dll\r\n"
                                         "File Copy: " + helper + "\\Data\\help.dat\r\n"
                                         "File Tree: " + helper + "\r\n"));
    EXPECT_FALSE(Exists(helper));
    ExpectInstallationFilesRemoved();
    ExpectSentinelsSurvive();
    EXPECT_EQ(Status(), "Success|");
}

// A log that cannot be deleted (here held open, as a read-only drive would hold it) is no
// success: the log and its folder stay, and the report says so.
TEST_F(HostileFilesWineTest, ALogThatStaysIsNoSuccess)
{
    WriteFile(logPath, installation);
    HANDLE held = CreateFileA(logPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    bool ended = Run("/S", installation);
    CloseHandle(held);
    ASSERT_TRUE(ended);
    EXPECT_TRUE(Exists(logPath));
    EXPECT_FALSE(Exists(app + "\\app.exe"));
    ExpectSentinelsSurvive();
    EXPECT_NE(Status().find("INSTALL.LOG (could not be removed)"), std::string::npos) << Status();
}

}  // namespace
