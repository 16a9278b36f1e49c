// Files in use under Wine: deleted or replaced at the next restart through MoveFileEx (the NT
// family) or WININIT.INI (the platform forced to the other family), and the restart program
// written out of the resources.

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/InUseFiles.h"
#include "uninstaller/app/WideText.h"
#include "uninstaller/app/tests/PendingOperations.h"
#include "uninstaller/log/ItemStore.h"

using namespace wine_test;

namespace {

std::wstring Wide(const std::string& path)
{
    std::wstring wide;
    WideFromAnsiExact(path.c_str(), &wide);
    return wide;
}

FileRemoval Delete(const std::string& path)
{
    return DeleteFileOrSchedule(Wide(path), Wide(path));
}

class InUseFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ResetAppState();
        g_app.instance = GetModuleHandleA(nullptr);
        g_app.platform = kPlatformNt;
        g_itemStore.deleteInUseFiles = 0;
        folder = TempFolder("unhuse");
        DeleteFileA(WininitPath().c_str());
    }
    void TearDown() override
    {
        DeleteFileA(WininitPath().c_str());
        g_itemStore.deleteInUseFiles = 0;
    }

    std::string folder;
};

TEST_F(InUseFilesTest, DeletionOfFilesInUse)
{
    const struct {
        const char* name;
        bool allowed;     // "Delete in-use files: On"
        bool locked;
        bool own;         // the program's own file
        bool missing;
        FileRemoval result;
        bool scheduled;
    } cases[] = {
        {"free", false, false, false, false, kFileRemoved, false},
        {"in use, not allowed", false, true, false, false, kFileKept, false},
        {"in use, allowed", true, true, false, false, kFileScheduled, true},
        // The temporary copy deletes the program's own file once the program has ended.
        {"own file in use", true, true, true, false, kFileScheduled, false},
        {"missing", true, false, false, true, kFileMissing, false},
        {"read-only", false, false, false, false, kFileRemoved, false},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetAppState();
        g_app.platform = kPlatformNt;
        g_itemStore.deleteInUseFiles = c.allowed;
        std::string path = folder + "\\In Use File " + std::to_string(++n) + ".dll";
        if (!c.missing)
            WriteFile(path, "data");
        if (std::string(c.name) == "read-only")
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
        if (c.own)
            std::snprintf(g_app.modulePath, sizeof g_app.modulePath, "%s", path.c_str());
        LockedFile lock(path);
        if (!c.locked)
            lock.Release();

        EXPECT_EQ(Delete(path), c.result);
        EXPECT_EQ(PendingOperation(path, ""), c.scheduled);
        EXPECT_EQ(g_app.restartNeeded, c.scheduled);
        EXPECT_EQ(g_app.ownFileDeleted, c.own);
        EXPECT_EQ(Exists(path), c.locked);
    }
}

TEST_F(InUseFilesTest, DeletionThroughWininitElsewhere)
{
    g_app.platform = kPlatformWindows;
    g_itemStore.deleteInUseFiles = 1;
    std::string first = folder + "\\First Locked.dll", second = folder + "\\Second Locked.dll";
    WriteFile(first, "1");
    WriteFile(second, "2");
    LockedFile firstLock(first), secondLock(second);

    EXPECT_EQ(Delete(first), kFileScheduled);
    EXPECT_EQ(Delete(second), kFileScheduled);
    EXPECT_TRUE(g_app.restartNeeded);
    EXPECT_EQ(ReadFile(WininitPath()), "[rename]\r\nNUL=" + ShortPath(first) + "\r\nNUL=" + ShortPath(second) + "\r\n");
    EXPECT_FALSE(PendingOperation(first, ""));
}

// A file is deleted only as the file its path was judged to lead to; in use, it is not even
// scheduled then.
TEST_F(InUseFilesTest, AFileThatLeadsElsewhereIsLeft)
{
    g_itemStore.deleteInUseFiles = 1;
    std::string path = folder + "\\Judged.dll";
    WriteFile(path, "data");
    const std::wstring elsewhere = Wide(folder + "\\Other.dll");
    EXPECT_EQ(DeleteFileOrSchedule(Wide(path), elsewhere), kFileElsewhere);
    EXPECT_TRUE(Exists(path));
    LockedFile lock(path);
    EXPECT_EQ(DeleteFileOrSchedule(Wide(path), elsewhere), kFileElsewhere);
    EXPECT_FALSE(PendingOperation(path, ""));
    EXPECT_FALSE(g_app.restartNeeded);
}

TEST_F(InUseFilesTest, BackupPutBack)
{
    std::string target = folder + "\\Shared Library.dll", backup = folder + "\\Backup.dll";
    WriteFile(target, "new");
    WriteFile(backup, "old");
    EXPECT_EQ(CopyBackupOver(Wide(backup), Wide(target)), kBackupCopied);
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_FALSE(g_app.restartNeeded);
}

std::string TemporaryName(unsigned number)
{
    char name[16];
    std::snprintf(name, sizeof name, "~VZU%04x.TMP", number);
    return name;
}

// The file of folder whose name is "~VZUnnnn.TMP"; its number in number.
std::string FindTemporary(const std::string& folder, unsigned* number)
{
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\~VZU*.TMP").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return "";
    FindClose(find);
    std::sscanf(found.cFileName + 4, "%x", number);
    return folder + "\\" + found.cFileName;
}

TEST_F(InUseFilesTest, BackupReplacesAFileInUseAtRestart)
{
    std::string sub1 = folder + "\\One", sub2 = folder + "\\Two";
    CreateDirectoryA(sub1.c_str(), nullptr);
    CreateDirectoryA(sub2.c_str(), nullptr);
    std::string target1 = sub1 + "\\Game Engine.dll", backup1 = folder + "\\backup1.dll";
    WriteFile(target1, "new");
    WriteFile(backup1, "old");
    LockedFile lock1(target1);

    ASSERT_EQ(CopyBackupOver(Wide(backup1), Wide(target1)), kBackupAtRestart);
    unsigned number = 0;
    std::string temporary1 = FindTemporary(sub1, &number);
    ASSERT_NE(temporary1, "");
    EXPECT_EQ(ReadFile(temporary1), "old");
    EXPECT_TRUE(Exists(target1));
    EXPECT_TRUE(g_app.restartNeeded);
    EXPECT_TRUE(PendingOperation(target1, ""));
    EXPECT_TRUE(PendingOperation(temporary1, target1));

    // The next replacement, in another folder where the next name is taken, skips that name.
    WriteFile(sub2 + "\\" + TemporaryName(number + 1), "someone else's");
    std::string target2 = sub2 + "\\Game Engine.dll", backup2 = folder + "\\backup2.dll";
    WriteFile(target2, "new");
    WriteFile(backup2, "old 2");
    LockedFile lock2(target2);
    ASSERT_EQ(CopyBackupOver(Wide(backup2), Wide(target2)), kBackupAtRestart);
    std::string temporary2 = sub2 + "\\" + TemporaryName(number + 2);
    EXPECT_EQ(ReadFile(temporary2), "old 2");
    EXPECT_TRUE(PendingOperation(temporary2, target2));
}

TEST_F(InUseFilesTest, BackupReplacesAFileInUseThroughWininitElsewhere)
{
    g_app.platform = kPlatformWindows;
    std::string target = folder + "\\Game Engine.dll", backup = folder + "\\backup.dll";
    WriteFile(target, "new");
    WriteFile(backup, "old");
    LockedFile lock(target);

    ASSERT_EQ(CopyBackupOver(Wide(backup), Wide(target)), kBackupAtRestart);
    unsigned number = 0;
    std::string temporary = FindTemporary(folder, &number);
    ASSERT_NE(temporary, "");
    char value[MAX_PATH] = "";
    GetPrivateProfileStringA("rename", ShortPath(target).c_str(), "", value, sizeof value, WininitPath().c_str());
    EXPECT_EQ(Upper(value), Upper(ShortPath(temporary)));
    EXPECT_TRUE(g_app.restartNeeded);
}

std::vector<std::string> shellEvents;

void WINAPI RecordShellEvent(LONG event, UINT, LPCVOID item, LPCVOID)
{
    std::string path;
    AnsiFromWideExact(static_cast<const wchar_t*>(item), &path);
    shellEvents.push_back((event == SHCNE_UPDATEDIR ? "update " : event == SHCNE_DELETE ? "delete " : "other ") + path);
}

// The shell hears once per folder of the files deleted in it.
TEST_F(InUseFilesTest, ShellHearsOfDeletionsOncePerFolder)
{
    g_app.shellFlag = true;
    g_app.shChangeNotify = RecordShellEvent;
    shellEvents.clear();
    std::string other = folder + "\\Other";
    CreateDirectoryA(other.c_str(), nullptr);
    for (const std::string& path : {folder + "\\a.txt", folder + "\\b.txt", other + "\\c.txt", folder + "\\d.txt"}) {
        WriteFile(path, "x");
        EXPECT_EQ(Delete(path), kFileRemoved);
    }
    EXPECT_EQ(Delete(folder + "\\missing.txt"), kFileMissing);
    NotifyShellOfDeletedFiles();
    NotifyShellOfDeletedFiles();
    EXPECT_EQ(shellEvents, (std::vector<std::string>{"update " + folder, "update " + other, "update " + folder}));
    g_app.shChangeNotify = nullptr;
}

TEST_F(InUseFilesTest, RestartProgramIsWrittenFromTheResources)
{
    std::string expected = WindowsFolder() + "\\_MSRSTRT.EXE";
    WriteFile(expected, std::string(100000, 'x'));   // an older, larger file is replaced whole
    char path[MAX_PATH];
    ASSERT_EQ(WriteRestartProgram(path, sizeof path), 0);
    EXPECT_EQ(Upper(path), Upper(expected));
    std::string program = ReadFile(expected);
    EXPECT_EQ(program, ReadFile(RESTART_PROGRAM_EXE));
    EXPECT_EQ(program.substr(0, 2), "MZ");

    char tooSmall[8];
    EXPECT_EQ(WriteRestartProgram(tooSmall, sizeof tooSmall), 1);
    EXPECT_STREQ(tooSmall, "");
    DeleteFileA(expected.c_str());
}

}  // namespace
