#include "uninstaller/app/InUseFiles.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Handles.h"
#include "uninstaller/app/ShortLongPath.h"
#include "uninstaller/app/WininitText.h"
#include "uninstaller/log/ItemStore.h"

namespace {

bool WriteAll(HANDLE file, const void* data, DWORD size)
{
    DWORD written = 0;
    return WriteFile(file, data, size, &written, nullptr) && written == size;
}

bool WininitPath(char* out, size_t size)
{
    char windows[MAX_PATH];
    UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (length == 0 || length >= sizeof windows)
        return false;
    int written = std::snprintf(out, size, "%s\\WININIT.INI", windows);
    return written > 0 && static_cast<size_t>(written) < size;
}

// Reads the end of the file: whole lines of at most the buffer's size. The file is emptied by
// every start of the system, so the end is all of it in practice. WININIT.INI serves only the
// systems outside the NT family, so only calls that they have are used.
size_t ReadWholeLinesAtEnd(HANDLE file, char* buffer, size_t size)
{
    DWORD fileSize = GetFileSize(file, nullptr);
    if (fileSize == INVALID_FILE_SIZE)
        return 0;
    DWORD start = fileSize > size ? fileSize - static_cast<DWORD>(size) : 0;
    DWORD got = 0;
    if (SetFilePointer(file, static_cast<LONG>(start), nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER ||
        !ReadFile(file, buffer, static_cast<DWORD>(size), &got, nullptr))
        return 0;
    if (start == 0)
        return got;
    const void* lineEnd = std::memchr(buffer, '\n', got);
    if (!lineEnd)
        return 0;
    size_t skipped = static_cast<size_t>(static_cast<const char*>(lineEnd) - buffer) + 1;
    std::memmove(buffer, buffer + skipped, got - skipped);
    return got - skipped;
}

int AppendToWininit(const char* path)
{
    char wininit[MAX_PATH + 16], tail[16384], text[MAX_PATH + 32];
    if (!WininitPath(wininit, sizeof wininit))
        return 1;
    FileHandle file(CreateFileA(wininit, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return 1;
    bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    size_t tailLength = existed ? ReadWholeLinesAtEnd(file.handle, tail, sizeof tail) : 0;
    size_t length = BuildWininitDeletion(existed ? tail : nullptr, tailLength, path, text, sizeof text);
    if (length == 0 || SetFilePointer(file.handle, 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER)
        return 1;
    return WriteAll(file.handle, text, static_cast<DWORD>(length)) ? 0 : 1;
}

// The long form of path in out; a path without "~" has no other long form, which spares a
// search of every folder on the way for each file deleted.
bool LongFormOf(const char* path, char* out, size_t size)
{
    if (!std::strchr(path, '~')) {
        int written = std::snprintf(out, size, "%s", path);
        return written >= 0 && static_cast<size_t>(written) < size;
    }
    return ToLongPath(path, out, size) == 0;
}

bool IsOwnProgramFile(const char* path)
{
    char longPath[MAX_PATH], ownPath[MAX_PATH];
    if (!g_app.modulePath[0] || !LongFormOf(path, longPath, sizeof longPath) ||
        !LongFormOf(g_app.modulePath, ownPath, sizeof ownPath))
        return false;
    return lstrcmpiA(longPath, ownPath) == 0;
}

void DeleteWithHelpIndex(const char* path)
{
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    DeleteFileOrSchedule(path);
    size_t length = std::strlen(path);
    if (length <= 4 || length >= MAX_PATH || lstrcmpiA(path + length - 4, ".HLP") != 0)
        return;
    char index[MAX_PATH];
    std::strcpy(index, path);
    static const char* const kIndexExtensions[] = {".GID", ".FTS"};
    for (const char* extension : kIndexExtensions) {
        std::strcpy(index + length - 4, extension);
        SetFileAttributesA(index, FILE_ATTRIBUTE_NORMAL);
        DeleteFileOrSchedule(index);
    }
}

// A name "~VZUnnnn.TMP" in folder that no file has yet; the counter goes on from run to run of
// this function, so two replacements in one folder take different names.
bool FreeTemporaryName(const char* folder, char* out, size_t size)
{
    static unsigned counter;
    for (unsigned tries = 0; tries < 0x10000; ++tries, ++counter) {
        int written = std::snprintf(out, size, "%s\\~VZU%04x.TMP", folder, counter & 0xFFFF);
        if (written < 0 || static_cast<size_t>(written) >= size)
            return false;
        if (GetFileAttributesA(out) == INVALID_FILE_ATTRIBUTES) {
            ++counter;
            return true;
        }
    }
    return false;
}

// At the next restart the target is deleted and the temporary file takes its name.
bool ScheduleReplacementAtRestart(const char* temporary, const char* target)
{
    if (g_app.platform != kPlatformNt) {
        char wininit[MAX_PATH + 16];
        return WininitPath(wininit, sizeof wininit) &&
               WritePrivateProfileStringA("rename", target, temporary, wininit) != FALSE;
    }
    return MoveFileExA(target, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) &&
           MoveFileExA(temporary, target, MOVEFILE_DELAY_UNTIL_REBOOT);
}

// The folder whose deleted files the shell has not heard of yet; empty when none.
char foldersPendingUpdate[MAX_PATH];

void NoteDeletedFile(const char* path)
{
    if (!g_app.shellFlag || !g_app.shChangeNotify)
        return;
    const char* last = std::strrchr(path, '\\');
    size_t length = last ? static_cast<size_t>(last - path) : 0;
    if (length == 0 || length >= sizeof foldersPendingUpdate) {
        g_app.shChangeNotify(SHCNE_DELETE, SHCNF_PATHA, path, nullptr);
        return;
    }
    if (std::strlen(foldersPendingUpdate) == length && CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE,
                                                                       foldersPendingUpdate, static_cast<int>(length),
                                                                       path, static_cast<int>(length)) == CSTR_EQUAL)
        return;
    NotifyShellOfDeletedFiles();
    std::memcpy(foldersPendingUpdate, path, length);
    foldersPendingUpdate[length] = '\0';
}

}  // namespace

void NotifyShellOfDeletedFiles()
{
    if (foldersPendingUpdate[0] && g_app.shChangeNotify)
        g_app.shChangeNotify(SHCNE_UPDATEDIR, SHCNF_PATHA, foldersPendingUpdate, nullptr);
    foldersPendingUpdate[0] = '\0';
}

FileRemoval DeleteFileOrSchedule(const char* path)
{
    bool own = IsOwnProgramFile(path);
    if (own)
        g_app.ownFileDeleted = true;
    // Most files go at the first try; the attributes are looked at only when one does not,
    // which spares two file-system calls for every file of a large run.
    if (DeleteFileA(path)) {
        NoteDeletedFile(path);
        return kFileRemoved;
    }
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        return kFileMissing;
    if (SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL) && DeleteFileA(path)) {
        NoteDeletedFile(path);
        return kFileRemoved;
    }
    if (own)
        return kFileScheduled;
    if (!g_itemStore.deleteInUseFiles)
        return kFileKept;
    char shortPath[MAX_PATH];
    ToShortPath(path, shortPath, sizeof shortPath);
    if (ScheduleDeletionAtRestart(shortPath) != 0)
        return kFileKept;
    g_app.restartNeeded = true;
    return kFileScheduled;
}

bool PutBackupBack(const char* backup, const char* target)
{
    if (CopyFileA(backup, target, FALSE)) {
        DeleteWithHelpIndex(backup);
        return true;
    }
    // The target is in use: the backup waits beside it under a temporary name until the restart.
    char folder[MAX_PATH], temporary[MAX_PATH];
    std::snprintf(folder, sizeof folder, "%s", target);
    char* last = std::strrchr(folder, '\\');
    if (last)
        *last = '\0';
    if (!last || !FreeTemporaryName(folder, temporary, sizeof temporary) || !CopyFileA(backup, temporary, FALSE)) {
        DeleteWithHelpIndex(target);
        return false;
    }
    char shortTemporary[MAX_PATH], shortTarget[MAX_PATH];
    ToShortPath(temporary, shortTemporary, sizeof shortTemporary);
    ToShortPath(target, shortTarget, sizeof shortTarget);
    // The backup is deleted only once the replacement is scheduled: until then it is the only
    // copy of the version to restore.
    if (!ScheduleReplacementAtRestart(shortTemporary, shortTarget)) {
        DeleteFileA(temporary);
        return false;
    }
    g_app.restartNeeded = true;
    DeleteWithHelpIndex(backup);
    return true;
}

int ScheduleDeletionAtRestart(const char* path)
{
    if (g_app.platform == kPlatformNt)
        return MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) ? 0 : 1;
    return AppendToWininit(path);
}

int WriteRestartProgram(char* out, size_t size)
{
    if (size)
        out[0] = '\0';
    HRSRC found =
        FindResourceA(g_app.instance, MAKEINTRESOURCEA(kRestartProgramId), MAKEINTRESOURCEA(kHelperProgramType));
    HGLOBAL loaded = found ? LoadResource(g_app.instance, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    DWORD byteCount = found ? SizeofResource(g_app.instance, found) : 0;
    char windows[MAX_PATH];
    UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (!bytes || byteCount == 0 || length == 0 || length >= sizeof windows)
        return 1;
    int written = std::snprintf(out, size, "%s\\_MSRSTRT.EXE", windows);
    if (written < 0 || static_cast<size_t>(written) >= size) {
        out[0] = '\0';
        return 1;
    }
    bool complete;
    {
        FileHandle file(CreateFileA(out, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.IsOpen()) {
            out[0] = '\0';
            return 1;
        }
        complete = WriteAll(file.handle, bytes, byteCount);
    }
    // A cut program must not be started.
    if (!complete) {
        DeleteFileA(out);
        out[0] = '\0';
        return 1;
    }
    return 0;
}
