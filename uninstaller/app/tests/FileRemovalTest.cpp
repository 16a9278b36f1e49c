// Deleting recorded files and folders, and the guard that keeps deletions inside what the log
// recorded.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "uninstaller/app/FileRemoval.h"
#include "uninstaller/app/tests/FakeEngineHost.h"

using namespace engine_test;

namespace {

ProtectedFolderRules SystemLikeFolders()
{
    ProtectedFolderRules rules;
    rules.Add("C:\\WINDOWS", kProtectWindowsFolder);
    rules.Add("C:\\WINDOWS\\SYSTEM32", kProtectFolderAndContents);
    rules.Add("C:\\Program Files\\", kProtectFolder);
    rules.AddProfile("C:\\Users\\ann");
    return rules;
}

const ProtectedFolderRules kProtected = SystemLikeFolders();

class FileRemovalTest : public testing::Test {
protected:
    void SetUp() override
    {
        files.canonical["C:\\PROGRA~1"] = "C:\\Program Files";
        files.canonical["C:\\App\\..\\WINDOWS"] = "C:\\WINDOWS";
        files.canonical["C:\\OS\\WIN"] = "C:\\WINDOWS";
        for (const char* path : {"C:\\WINDOWS\\WIN.INI", "C:\\WINDOWS\\SYSTEM32\\KERNEL32.DLL",
                                 "C:\\Program Files\\Other\\other.exe", "C:\\AUTOEXEC.BAT", "C:\\App\\app.exe",
                                 "C:\\App\\app.log", "C:\\App\\readme.txt", "C:\\App\\Help\\app.hlp",
                                 "C:\\App\\Help\\app.gid", "C:\\App\\Help\\app.fts", "C:\\App\\Data\\one.log",
                                 "C:\\App\\Data\\Deep\\two.log", "C:\\App\\Data\\keep.dat",
                                 "C:\\Shared\\shared.dat", "C:\\Program Files\\stray.exe",
                                 "C:\\Users\\ann\\Desktop\\App.lnk", "C:\\Users\\ann\\Desktop\\letter.doc"})
            files.AddFile(path);
        files.AddFolder("C:\\App\\Empty\\Inner");
        files.AddFolder("C:\\App\\Linked");
        files.links.insert("C:\\App\\Linked");
    }

    // Every file and folder that was there before and is gone now.
    std::set<std::string> Gone(const FakeFiles& before) const
    {
        std::set<std::string> gone;
        for (const auto& file : before.files)
            if (!files.Has(file.first))
                gone.insert(file.first);
        for (const auto& folder : before.folders)
            if (!files.Has(folder))
                gone.insert(folder + "\\");
        return gone;
    }

    FakeFiles files;
};

TEST_F(FileRemovalTest, FilesAndPatterns)
{
    const struct {
        const char* name;
        const char* path;
        RemovalResult result;
        std::set<std::string> gone;
    } cases[] = {
        {"one file", "C:\\App\\app.exe", kRemovalDone, {"C:\\App\\app.exe"}},
        {"a help file takes its index files", "C:\\App\\Help\\APP.HLP", kRemovalDone,
         {"C:\\App\\Help\\app.fts", "C:\\App\\Help\\app.gid", "C:\\App\\Help\\app.hlp"}},
        {"a missing file is no failure", "C:\\App\\gone.exe", kRemovalDone, {}},
        {"a pattern deletes matching files only", "C:\\App\\*.log", kRemovalDone, {"C:\\App\\app.log"}},
        {"a pattern for every file of a created folder", "C:\\App\\Data\\*.*", kRemovalDone,
         {"C:\\App\\Data\\keep.dat", "C:\\App\\Data\\one.log"}},
        // What lies in the Windows folder or a drive's root is the system's, whatever its name.
        {"a system file named by itself", "C:\\WINDOWS\\SYSTEM32\\KERNEL32.DLL", kRemovalRefused, {}},
        {"the system's own settings", "C:\\windows\\win.ini", kRemovalRefused, {}},
        {"the system's start-up file", "C:\\AUTOEXEC.BAT", kRemovalRefused, {}},
        // Directly in a shared or user folder only shortcuts go.
        {"a file directly in Program Files", "C:\\Program Files\\stray.exe", kRemovalRefused, {}},
        {"a shortcut on the desktop", "C:\\Users\\ann\\Desktop\\App.lnk", kRemovalDone,
         {"C:\\Users\\ann\\Desktop\\App.lnk"}},
        {"a document on the desktop", "C:\\Users\\ann\\Desktop\\letter.doc", kRemovalRefused, {}},
        // Patterns never reach beyond a folder the installation made.
        {"a relative pattern", "*.*", kRemovalRefused, {}},
        {"a relative file", "app.exe", kRemovalRefused, {}},
        {"the drive's root", "C:\\*.*", kRemovalRefused, {}},
        {"the drive's root, any pattern", "C:\\*.BAT", kRemovalRefused, {}},
        {"a share's root", "\\\\server\\share\\*.*", kRemovalRefused, {}},
        {"the Windows folder", "C:\\windows\\*.*", kRemovalRefused, {}},
        {"the Windows folder, any pattern", "C:\\WINDOWS\\*.INI", kRemovalRefused, {}},
        {"the System folder", "C:\\WINDOWS\\SYSTEM32\\*.DLL", kRemovalRefused, {}},
        {"Program Files", "C:\\Program Files\\*", kRemovalRefused, {}},
        {"Program Files by its short name", "C:\\PROGRA~1\\*.*", kRemovalRefused, {}},
        {"Windows through \"..\"", "C:\\App\\..\\WINDOWS\\*.*", kRemovalRefused, {}},
        {"wildcards in a folder", "C:\\Ap*\\app.exe", kRemovalRefused, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeFiles before = files;
        FolderGuard guard(files, kProtected);
        EXPECT_EQ(RemoveFiles(files, guard, c.path, "", false).result, c.result);
        EXPECT_EQ(Gone(before), c.gone);
        files = before;
    }
}

TEST_F(FileRemovalTest, BackupsArePutBackOnlyWhenAsked)
{
    files.AddFile("C:\\App\\app.exe", "new");
    files.AddFile("C:\\Backup\\app.exe", "old");
    FolderGuard guard(files, kProtected);
    EXPECT_EQ(RemoveFiles(files, guard, "C:\\App\\app.exe", "C:\\Backup\\app.exe", false).result, kRemovalDone);
    EXPECT_FALSE(files.FileExists("C:\\App\\app.exe"));
    EXPECT_TRUE(files.FileExists("C:\\Backup\\app.exe"));

    files.AddFile("C:\\App\\app.exe", "new");
    EXPECT_EQ(RemoveFiles(files, guard, "C:\\App\\app.exe", "C:\\Backup\\app.exe", true).result, kRemovalDone);
    EXPECT_EQ(files.files["C:\\App\\app.exe"], "old");
    EXPECT_FALSE(files.FileExists("C:\\Backup\\app.exe"));

    // A backup that went missing keeps the file as it is: the restore failed.
    EXPECT_EQ(RemoveFiles(files, guard, "C:\\App\\app.exe", "C:\\Backup\\app.exe", true).result, kRemovalFailed);
    EXPECT_EQ(files.files["C:\\App\\app.exe"], "old");
}

// A backup is never put back over the system's files, nor taken from a user's or another
// installation's files.
TEST_F(FileRemovalTest, BackupsNeverReachBeyondTheInstallation)
{
    files.AddFile("C:\\Users\\ann\\Documents\\letter.doc", "letter");
    files.AddFile("C:\\Program Files\\Other\\INSTALL.LOG", "*** Other\r\n");
    files.AddFile("C:\\App\\Backup\\win.ini", "evil");
    const struct {
        const char* name;
        const char* target;
        const char* backup;
        KeepReason reason;
    } cases[] = {
        {"over the Windows folder's file", "C:\\WINDOWS\\WIN.INI", "C:\\App\\Backup\\win.ini", kKeptSystem},
        {"over the System folder's file", "C:\\WINDOWS\\SYSTEM32\\KERNEL32.DLL", "C:\\App\\Backup\\win.ini",
         kKeptSystem},
        {"a user's document as the backup", "C:\\App\\app.exe", "C:\\Users\\ann\\Documents\\letter.doc",
         kKeptSharedFolder},
        {"another product's program as the backup", "C:\\App\\app.exe", "C:\\Program Files\\Other\\other.exe",
         kKeptOtherInstallation},
        {"over another product's program", "C:\\Program Files\\Other\\other.exe", "C:\\App\\Backup\\win.ini",
         kKeptOtherInstallation},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeFiles before = files;
        FolderGuard guard(files, kProtected);
        RemovalOutcome outcome = RemoveFiles(files, guard, c.target, c.backup, true);
        EXPECT_EQ(outcome.result, kRemovalRefused);
        EXPECT_EQ(outcome.reason, c.reason);
        EXPECT_EQ(Gone(before), std::set<std::string>{});
        EXPECT_EQ(files.files, before.files);
        files = before;
    }
}

TEST_F(FileRemovalTest, FilesInUse)
{
    files.inUse.insert("C:\\App\\app.exe");
    FolderGuard guard(files, kProtected);
    EXPECT_EQ(RemoveFiles(files, guard, "C:\\App\\app.exe", "", false).result, kRemovalDone);
    EXPECT_EQ(files.scheduled, std::vector<std::string>{"C:\\App\\app.exe"});

    // Without permission to delete at restart the file stays, and that is a failure.
    files.scheduleInUse = false;
    EXPECT_EQ(RemoveFiles(files, guard, "C:\\App\\app.exe", "", false).result, kRemovalFailed);
    EXPECT_TRUE(files.FileExists("C:\\App\\app.exe"));
}

TEST_F(FileRemovalTest, DirectoryTrees)
{
    const struct {
        const char* name;
        const char* folder;
        bool withFiles;
        RemovalResult result;
        std::set<std::string> gone;
    } cases[] = {
        {"only empty folders go", "C:\\App", false, kRemovalDone, {"C:\\App\\Empty\\", "C:\\App\\Empty\\Inner\\"}},
        {"with files", "C:\\App\\Data", true, kRemovalDone,
         {"C:\\App\\Data\\Deep\\two.log", "C:\\App\\Data\\keep.dat", "C:\\App\\Data\\one.log", "C:\\App\\Data\\",
          "C:\\App\\Data\\Deep\\"}},
        {"a pattern deletes its files in every subfolder", "C:\\App\\Data\\*.log", true, kRemovalDone,
         {"C:\\App\\Data\\Deep\\two.log", "C:\\App\\Data\\one.log", "C:\\App\\Data\\Deep\\"}},
        {"a pattern without files removes empty folders", "C:\\App\\*.log", false, kRemovalDone,
         {"C:\\App\\Empty\\", "C:\\App\\Empty\\Inner\\"}},
        // A link below goes as a link, never followed.
        {"links below go as links", "C:\\App", true, kRemovalDone,
         {"C:\\App\\Data\\Deep\\two.log", "C:\\App\\Data\\keep.dat", "C:\\App\\Data\\one.log",
          "C:\\App\\Help\\app.fts", "C:\\App\\Help\\app.gid", "C:\\App\\Help\\app.hlp", "C:\\App\\app.exe",
          "C:\\App\\app.log", "C:\\App\\readme.txt", "C:\\App\\Data\\", "C:\\App\\Data\\Deep\\",
          "C:\\App\\Empty\\", "C:\\App\\Empty\\Inner\\", "C:\\App\\Help\\", "C:\\App\\Linked\\",
          "C:\\App\\"}},
        {"a drive", "C:", true, kRemovalRefused, {}},
        {"a drive's root", "C:\\", true, kRemovalRefused, {}},
        {"a share", "\\\\server\\share", true, kRemovalRefused, {}},
        {"the Windows folder", "C:\\WINDOWS", false, kRemovalRefused, {}},
        {"the Windows folder under another name", "C:\\OS\\WIN", true, kRemovalRefused, {}},
        {"the System folder", "c:\\windows\\system32", true, kRemovalRefused, {}},
        {"Program Files", "C:\\Program Files", true, kRemovalRefused, {}},
        {"Program Files by its short name", "C:\\PROGRA~1", true, kRemovalRefused, {}},
        {"a pattern in Program Files", "C:\\Program Files\\*.exe", true, kRemovalRefused, {}},
        {"a relative folder", "App", true, kRemovalRefused, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeFiles before = files;
        FolderGuard guard(files, kProtected);
        EXPECT_EQ(RemoveDirectoryTree(files, guard, c.folder, c.withFiles).result, c.result);
        EXPECT_EQ(Gone(before), c.gone);
        files = before;
    }
}

TEST_F(FileRemovalTest, AFolderHoldingAProtectedOneIsNeverRemovedAsATree)
{
    ProtectedFolderRules windowsInside;
    windowsInside.Add("D:\\OS\\WINDOWS", kProtectFolderAndContents);
    files.AddFile("D:\\OS\\WINDOWS\\WIN.INI");
    files.AddFile("D:\\OS\\boot.cfg");
    FolderGuard guard(files, windowsInside);
    EXPECT_EQ(RemoveDirectoryTree(files, guard, "D:\\OS", true).result, kRemovalRefused);
    EXPECT_TRUE(files.FileExists("D:\\OS\\boot.cfg"));
    EXPECT_TRUE(guard.Search("D:\\OS").Allowed());
    EXPECT_FALSE(guard.Search("D:\\OS\\Windows\\").Allowed());
}

// Links named by the log are removed as links; a path through a link is never followed: a
// folder that leads elsewhere than its name is refused, and every entry is deleted only as the
// entry its name leads to. Another installation's folder is left whole.
TEST_F(FileRemovalTest, LinksAndOtherInstallations)
{
    files.AddFile("C:\\WINDOWS\\Fonts\\arial.ttf");
    files.AddFile("C:\\Users\\ann\\Documents\\letter.doc");
    files.AddFile("D:\\Outside\\keep.txt");
    files.AddFile("D:\\Outside\\Sub\\deep.txt");
    files.AddLink("C:\\App\\ToFonts", "C:\\WINDOWS\\Fonts");
    files.AddLink("C:\\App\\ToOutside", "D:\\Outside");
    files.AddLink("C:\\Users\\ann\\Documents", "D:\\Documents");
    files.AddLink("C:\\App\\Via", "C:\\WINDOWS");
    files.AddLink("C:\\App\\keep-link.txt", "D:\\Outside\\keep.txt", true);
    files.AddFile("C:\\App\\Other\\INSTALL.LOG");
    files.AddFile("C:\\App\\Other\\other.exe");
    files.AddFile("C:\\Mine\\INSTALL.LOG");
    files.AddFile("C:\\Mine\\mine.exe");

    const struct {
        const char* name;
        const char* folder;
        RemovalResult result;
        std::set<std::string> gone;
    } cases[] = {
        {"a link to a protected folder goes as a link", "C:\\App\\ToFonts", kRemovalDone, {"C:\\App\\ToFonts\\"}},
        {"a link outside goes as a link", "C:\\App\\ToOutside\\", kRemovalDone, {"C:\\App\\ToOutside\\"}},
        {"a protected folder that is a link stays", "C:\\Users\\ann\\Documents", kRemovalRefused, {}},
        {"a pattern in a link is refused", "C:\\App\\ToOutside\\*.txt", kRemovalRefused, {}},
        {"a path through a link into Windows", "C:\\App\\Via\\Fonts", kRemovalRefused, {}},
        {"a link in the middle of a tree's path", "C:\\App\\ToOutside\\Sub", kRemovalRefused, {}},
        {"another installation's folder", "C:\\App\\Other", kRemovalRefused, {}},
        {"our own log's folder", "C:\\Mine", kRemovalDone, {"C:\\Mine\\", "C:\\Mine\\INSTALL.LOG", "C:\\Mine\\mine.exe"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeFiles before = files;
        FolderGuard guard(files, kProtected, "C:\\Mine\\INSTALL.LOG");
        EXPECT_EQ(RemoveDirectoryTree(files, guard, c.folder, true).result, c.result);
        EXPECT_EQ(Gone(before), c.gone);
        files = before;
    }

    const struct {
        const char* name;
        const char* path;
        KeepReason reason;
        std::set<std::string> gone;
    } single[] = {
        {"a file through a link in the middle", "C:\\App\\ToOutside\\keep.txt", kKeptThroughLink, {}},
        {"a pattern through a link into Windows", "C:\\App\\Via\\Fonts\\*.ttf", kKeptThroughLink, {}},
        {"a file link goes as a link", "C:\\App\\keep-link.txt", kKeptNothing, {"C:\\App\\keep-link.txt"}},
    };
    for (const auto& c : single) {
        SCOPED_TRACE(c.name);
        FakeFiles before = files;
        FolderGuard guard(files, kProtected);
        EXPECT_EQ(RemoveFiles(files, guard, c.path, "", false).reason, c.reason);
        EXPECT_EQ(Gone(before), c.gone);
        files = before;
    }

    // A tree holding another installation keeps that installation and itself; links in it go
    // as links.
    FolderGuard guard(files, kProtected, "C:\\Mine\\INSTALL.LOG");
    RemovalOutcome outcome = RemoveDirectoryTree(files, guard, "C:\\App", true);
    EXPECT_EQ(outcome.result, kRemovalRefused);
    EXPECT_EQ(outcome.reason, kKeptOtherInstallation);
    EXPECT_TRUE(files.FileExists("C:\\App\\Other\\other.exe"));
    EXPECT_FALSE(files.FileExists("C:\\App\\app.exe"));
    EXPECT_FALSE(files.Has("C:\\App\\ToOutside"));
    EXPECT_FALSE(files.Has("C:\\App\\keep-link.txt"));
    EXPECT_TRUE(files.FileExists("D:\\Outside\\keep.txt"));
    EXPECT_TRUE(files.FileExists("C:\\WINDOWS\\Fonts\\arial.ttf"));
}

// Another installation's log, in the tree or above it, says what is its: the files its lines
// name and what lies in a folder it removes with its contents. A file named INSTALL.LOG that is
// no log gives its whole folder away.
TEST_F(FileRemovalTest, WhatAnotherInstallationsLogListsIsKept)
{
    files.AddFile("C:\\App\\Plugin\\INSTALL.LOG", "***  Installation ***\r\n"
                                                   "Title: Plugin\r\n"
                                                   "File Copy: C:\\App\\Plugin\\plugin.dll\r\n"
                                                   "File Copy: C:\\App\\Shared\\plugin.dat | 01-02-2003 | x\r\n"
                                                   "File Tree: C:\\App\\PluginData\\*.*\r\n");
    for (const char* path : {"C:\\App\\Plugin\\plugin.dll", "C:\\App\\Shared\\plugin.dat", "C:\\App\\Shared\\mine.dat",
                             "C:\\App\\PluginData\\cache.bin", "C:\\App\\Odd\\INSTALL.LOG", "C:\\App\\Odd\\odd.dat"})
        files.AddFile(path);
    files.AddFile("C:\\Game\\INSTALL.LOG", "***  Installation ***\r\nFile Copy: C:\\Game\\game.exe\r\n"
                                            "File Tree: C:\\Game\\Saves\r\n");
    for (const char* path : {"C:\\Game\\game.exe", "C:\\Game\\patch.dll", "C:\\Game\\Saves\\one.sav",
                             "C:\\Game\\Mods\\Mine\\mod.dat", "C:\\Game\\Mods\\Mine\\Maps\\map.dat"})
        files.AddFile(path);

    FakeFiles before = files;
    FolderGuard guard(files, kProtected);
    RemovalOutcome outcome = RemoveDirectoryTree(files, guard, "C:\\App", true);
    EXPECT_EQ(outcome.result, kRemovalRefused);
    EXPECT_EQ(outcome.reason, kKeptOtherInstallation);
    EXPECT_EQ(Gone(before),
              (std::set<std::string>{"C:\\App\\Shared\\mine.dat", "C:\\App\\app.exe", "C:\\App\\app.log",
                                     "C:\\App\\readme.txt", "C:\\App\\Help\\", "C:\\App\\Help\\app.hlp",
                                     "C:\\App\\Help\\app.gid", "C:\\App\\Help\\app.fts", "C:\\App\\Data\\",
                                     "C:\\App\\Data\\one.log", "C:\\App\\Data\\keep.dat", "C:\\App\\Data\\Deep\\",
                                     "C:\\App\\Data\\Deep\\two.log", "C:\\App\\Empty\\", "C:\\App\\Empty\\Inner\\",
                                     "C:\\App\\Linked\\"}));

    // A mod in the game's folder goes; the game's files and the folder holding its log stay.
    EXPECT_EQ(RemoveDirectoryTree(files, guard, "C:\\Game\\Mods\\Mine", true).result, kRemovalDone);
    EXPECT_FALSE(files.Has("C:\\Game\\Mods\\Mine"));
    const struct {
        const char* path;
        RemovalResult result;
    } single[] = {
        {"C:\\Game\\game.exe", kRemovalRefused},
        {"C:\\Game\\patch.dll", kRemovalRefused},
        {"C:\\Game\\Saves\\one.sav", kRemovalRefused},
        {"C:\\Game\\Saves\\*.sav", kRemovalRefused},
    };
    for (const auto& c : single) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(RemoveFiles(files, guard, c.path, "", false).result, c.result);
    }
    EXPECT_EQ(RemoveDirectoryTree(files, guard, "C:\\Game\\Saves", true).result, kRemovalRefused);
    for (const char* path : {"C:\\Game\\game.exe", "C:\\Game\\patch.dll", "C:\\Game\\Saves\\one.sav"})
        EXPECT_TRUE(files.FileExists(path)) << path;
}

}  // namespace
