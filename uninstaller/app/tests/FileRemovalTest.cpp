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
    rules.Add("C:\\WINDOWS", kProtectFolderAndContents);
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
                                 "C:\\Shared\\shared.dat"})
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
        {"a system file named by itself", "C:\\WINDOWS\\SYSTEM32\\KERNEL32.DLL", kRemovalDone,
         {"C:\\WINDOWS\\SYSTEM32\\KERNEL32.DLL"}},
        {"the system's own settings", "C:\\windows\\win.ini", kRemovalRefused, {}},
        {"the system's start-up file", "C:\\AUTOEXEC.BAT", kRemovalRefused, {}},
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
        EXPECT_EQ(RemoveFiles(files, guard, c.path, "", false), c.result);
        EXPECT_EQ(Gone(before), c.gone);
        files = before;
    }
}

TEST_F(FileRemovalTest, BackupsArePutBackOnlyWhenAsked)
{
    files.AddFile("C:\\App\\app.exe", "new");
    files.AddFile("C:\\Backup\\app.exe", "old");
    FolderGuard guard(files, kProtected);
    EXPECT_EQ(RemoveFiles(files, guard, "C:\\App\\app.exe", "C:\\Backup\\app.exe", false), kRemovalDone);
    EXPECT_FALSE(files.FileExists("C:\\App\\app.exe"));
    EXPECT_TRUE(files.FileExists("C:\\Backup\\app.exe"));

    files.AddFile("C:\\App\\app.exe", "new");
    EXPECT_EQ(RemoveFiles(files, guard, "C:\\App\\app.exe", "C:\\Backup\\app.exe", true), kRemovalDone);
    EXPECT_EQ(files.files["C:\\App\\app.exe"], "old");
    EXPECT_FALSE(files.FileExists("C:\\Backup\\app.exe"));

    // A backup that went missing keeps the file as it is: the restore failed.
    EXPECT_EQ(RemoveFiles(files, guard, "C:\\App\\app.exe", "C:\\Backup\\app.exe", true), kRemovalFailed);
    EXPECT_EQ(files.files["C:\\App\\app.exe"], "old");
}

TEST_F(FileRemovalTest, FilesInUse)
{
    files.inUse.insert("C:\\App\\app.exe");
    FolderGuard guard(files, kProtected);
    EXPECT_EQ(RemoveFiles(files, guard, "C:\\App\\app.exe", "", false), kRemovalDone);
    EXPECT_EQ(files.scheduled, std::vector<std::string>{"C:\\App\\app.exe"});

    // Without permission to delete at restart the file stays, and that is a failure.
    files.scheduleInUse = false;
    EXPECT_EQ(RemoveFiles(files, guard, "C:\\App\\app.exe", "", false), kRemovalFailed);
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
        // A link is left as it is, and with it the folder that holds it.
        {"links are not followed", "C:\\App", true, kRemovalDone,
         {"C:\\App\\Data\\Deep\\two.log", "C:\\App\\Data\\keep.dat", "C:\\App\\Data\\one.log",
          "C:\\App\\Help\\app.fts", "C:\\App\\Help\\app.gid", "C:\\App\\Help\\app.hlp", "C:\\App\\app.exe",
          "C:\\App\\app.log", "C:\\App\\readme.txt", "C:\\App\\Data\\", "C:\\App\\Data\\Deep\\",
          "C:\\App\\Empty\\", "C:\\App\\Empty\\Inner\\", "C:\\App\\Help\\"}},
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
        EXPECT_EQ(RemoveDirectoryTree(files, guard, c.folder, c.withFiles), c.result);
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
    EXPECT_EQ(RemoveDirectoryTree(files, guard, "D:\\OS", true), kRemovalRefused);
    EXPECT_TRUE(files.FileExists("D:\\OS\\boot.cfg"));
    EXPECT_TRUE(guard.MaySearch("D:\\OS"));
    EXPECT_FALSE(guard.MaySearch("D:\\OS\\Windows\\"));
}

// Links named by the log are removed as links; paths through a link are judged by where they
// lead; another installation's folder is left whole.
TEST_F(FileRemovalTest, LinksAndOtherInstallations)
{
    files.AddFile("C:\\WINDOWS\\Fonts\\arial.ttf");
    files.AddFile("C:\\Users\\ann\\Documents\\letter.doc");
    files.AddFile("D:\\Outside\\keep.txt");
    for (const auto& link : {std::make_pair("C:\\App\\ToFonts", "C:\\WINDOWS\\Fonts"),
                             std::make_pair("C:\\App\\ToOutside", "D:\\Outside"),
                             std::make_pair("C:\\Users\\ann\\Documents", "D:\\Documents")}) {
        files.AddFolder(link.first);
        files.links.insert(link.first);
        files.linkTargets[link.first] = link.second;
    }
    files.AddFolder("C:\\App\\Via");
    files.links.insert("C:\\App\\Via");
    files.linkTargets["C:\\App\\Via"] = "C:\\WINDOWS";
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
        {"another installation's folder", "C:\\App\\Other", kRemovalRefused, {}},
        {"our own log's folder", "C:\\Mine", kRemovalDone, {"C:\\Mine\\", "C:\\Mine\\INSTALL.LOG", "C:\\Mine\\mine.exe"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeFiles before = files;
        FolderGuard guard(files, kProtected, "C:\\Mine\\INSTALL.LOG");
        EXPECT_EQ(RemoveDirectoryTree(files, guard, c.folder, true), c.result);
        EXPECT_EQ(Gone(before), c.gone);
        files = before;
    }

    // A tree holding another installation keeps that installation and itself.
    FolderGuard guard(files, kProtected, "C:\\Mine\\INSTALL.LOG");
    EXPECT_EQ(RemoveDirectoryTree(files, guard, "C:\\App", true), kRemovalDone);
    EXPECT_TRUE(files.FileExists("C:\\App\\Other\\other.exe"));
    EXPECT_FALSE(files.FileExists("C:\\App\\app.exe"));
    EXPECT_TRUE(files.FileExists("D:\\Outside\\keep.txt"));
    EXPECT_TRUE(files.FileExists("C:\\WINDOWS\\Fonts\\arial.ttf"));
    EXPECT_EQ(RemoveFiles(files, guard, "C:\\App\\Via\\Fonts\\*.ttf", "", false), kRemovalRefused);
    EXPECT_TRUE(files.FileExists("C:\\WINDOWS\\Fonts\\arial.ttf"));
}

}  // namespace
