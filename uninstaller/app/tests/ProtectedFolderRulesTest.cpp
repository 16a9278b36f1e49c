// The folders no log may remove, empty or search, and the folders an installation made inside
// them that stay removable.

#include <gtest/gtest.h>

#include "uninstaller/app/ProtectedFolderRules.h"

namespace {

ProtectedFolderRules SystemLikeFolders()
{
    ProtectedFolderRules rules;
    rules.Add("C:\\WINDOWS\\", kProtectFolderAndContents);
    rules.Add("C:\\WINDOWS\\system32", kProtectFolderAndContents);
    rules.Add("C:\\Program Files", kProtectFolder);
    rules.Add("C:\\Program Files (x86)", kProtectFolder);
    rules.Add("C:\\Program Files\\Common Files", kProtectFolder);
    rules.Add("C:\\ProgramData", kProtectFolder);
    rules.Add("C:\\users", kProtectFolder);
    rules.AddProfile("C:\\users\\alice");
    rules.AddProfile("D:\\Profiles\\bob\\");
    rules.Add("", kProtectFolder);
    return rules;
}

TEST(ProtectedFolderRules, FoldersThatMayBeSearchedAndRemoved)
{
    const struct {
        const char* folder;
        bool search;   // files deleted by a pattern, the folder removed when empty
        bool tree;     // removed with everything below it
    } cases[] = {
        // Roots and paths that are not absolute.
        {"C:", false, false},
        {"C:\\", false, false},
        {"\\\\server\\share", false, false},
        {"\\\\server\\share\\", false, false},
        {"\\\\server", false, false},
        {"App", false, false},
        {"\\App", false, false},
        {"", false, false},
        // The Windows folder and everything in it, in any case.
        {"C:\\Windows", false, false},
        {"c:\\windows\\system32\\drivers", false, false},
        {"C:\\WINDOWS\\Fonts", false, false},
        {"C:\\WINDOWS\\Temp\\", false, false},
        {"C:\\WINDOWS\\Vendor", false, false},
        {"C:\\WINDOWSAPP", true, true},
        // Shared folders themselves, and what an installation made in them.
        {"C:\\Program Files", false, false},
        {"C:\\Program Files (x86)\\", false, false},
        {"C:\\Program Files\\Common Files", false, false},
        {"C:\\Program Files\\Common Files\\Vendor", true, true},
        {"C:\\Program Files\\Vendor\\App", true, true},
        {"C:\\ProgramData", false, false},
        {"C:\\ProgramData\\Vendor", true, true},
        {"C:\\users", false, false},
        // A user's profile, its known folders, and the installation's folders inside them.
        {"C:\\users\\alice", false, false},
        {"C:\\Users\\Alice\\Desktop", false, false},
        {"C:\\users\\alice\\Documents", false, false},
        {"C:\\users\\alice\\AppData", false, false},
        {"C:\\users\\alice\\AppData\\Roaming", false, false},
        {"C:\\users\\alice\\AppData\\Local", false, false},
        {"C:\\users\\alice\\AppData\\Local\\Temp", false, false},
        {"C:\\users\\alice\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs", false, false},
        {"C:\\users\\alice\\AppData\\Roaming\\Vendor", true, true},
        {"C:\\users\\alice\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Vendor", true, true},
        {"C:\\users\\alice\\Documents\\Vendor Saves", true, true},
        {"D:\\Profiles\\bob", false, false},
        {"D:\\Profiles\\bob\\My Documents", false, false},
        {"D:\\Profiles\\bob\\Start Menu\\Programs\\Vendor", true, true},
        // A folder that holds a protected one may be searched, never removed as a tree.
        {"D:\\Profiles", true, false},
        {"C:\\users\\alice\\AppData\\Roaming\\Microsoft", false, false},
        {"C:\\Program Files\\Vendor", true, true},
    };
    ProtectedFolderRules rules = SystemLikeFolders();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        EXPECT_EQ(rules.MaySearch(c.folder), c.search);
        EXPECT_EQ(rules.MayRemoveTree(c.folder), c.tree);
    }
}

// Judged by where they lie, not by their names.
TEST(ProtectedFolderRules, TheSystemsOwnFilesAreNeverDeleted)
{
    const struct {
        const char* path;
        bool deletable;
    } cases[] = {
        {"C:\\WINDOWS\\WIN.INI", false},
        {"c:\\windows\\system.ini", false},
        {"C:\\WINDOWS\\system32\\CONTROL.INI", false},
        {"C:\\WINDOWS\\system32\\kernel32.dll", false},
        {"C:\\WINDOWS\\system32\\drivers\\etc\\hosts", false},
        {"C:\\WINDOWS\\Fonts\\tahoma.ttf", false},
        {"C:\\WINDOWS\\VENDOR.INI", false},
        {"C:\\WINDOWS\\system32\\vendor.dll", false},
        {"C:\\AUTOEXEC.BAT", false},
        {"C:\\vendor.bat", false},
        {"\\\\server\\share\\vendor.txt", false},
        {"C:\\App\\WIN.INI", true},
        {"C:\\App\\app.exe", true},
        {"C:\\WINDOWSAPP\\app.exe", true},
        {"app.exe", false},
    };
    ProtectedFolderRules rules = SystemLikeFolders();
    for (const auto& c : cases)
        EXPECT_EQ(rules.MayDeleteFile(c.path), c.deletable) << c.path;
}

TEST(ProtectedFolderRules, EmptyAndDuplicateEntriesAreHarmless)
{
    ProtectedFolderRules rules;
    rules.Add("", kProtectFolderAndContents);
    rules.Add("\\", kProtectFolderAndContents);
    EXPECT_TRUE(rules.MayRemoveTree("C:\\App"));
    rules.Add("C:\\App", kProtectFolder);
    rules.Add("C:\\App\\", kProtectFolder);
    EXPECT_FALSE(rules.MaySearch("C:\\App\\"));
    EXPECT_TRUE(rules.MayRemoveTree("C:\\App\\Data"));
    EXPECT_EQ(rules.Folders().size(), 1u);

    // Named again with its contents, in another case: the contents are protected from then on.
    rules.Add("c:\\app", kProtectFolderAndContents);
    rules.Add("C:\\APP\\", kProtectFolder);
    EXPECT_FALSE(rules.MayRemoveTree("C:\\App\\Data"));
    EXPECT_FALSE(rules.MayDeleteFile("C:\\App\\WIN.INI"));
    EXPECT_EQ(rules.Folders().size(), 1u);
}

}  // namespace
