#include "uninstaller/app/InUseFiles.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Handles.h"
#include "uninstaller/app/ShortLongPath.h"
#include "uninstaller/log/ItemStore.h"

namespace {

bool WriteAll(HANDLE file, const void* data, DWORD size)
{
    DWORD written = 0;
    return WriteFile(file, data, size, &written, nullptr) && written == size;
}

int AppendToWininit(const char* path)
{
    char windows[MAX_PATH], wininit[MAX_PATH + 16], line[MAX_PATH + 16];
    UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (length == 0 || length >= sizeof windows)
        return 1;
    std::snprintf(wininit, sizeof wininit, "%s\\WININIT.INI", windows);
    int lineLength = std::snprintf(line, sizeof line, "NUL=%s\r\n", path);
    if (lineLength < 0 || static_cast<size_t>(lineLength) >= sizeof line)
        return 1;
    bool existed = GetFileAttributesA(wininit) != INVALID_FILE_ATTRIBUTES;
    FileHandle file(CreateFileA(wininit, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.handle == INVALID_HANDLE_VALUE)
        return 1;
    SetFilePointer(file.handle, 0, nullptr, FILE_END);
    if (!existed && !WriteAll(file.handle, "[rename]\r\n", 10))
        return 1;
    return WriteAll(file.handle, line, static_cast<DWORD>(lineLength)) ? 0 : 1;
}

bool IsOwnProgramFile(const char* path)
{
    char longPath[MAX_PATH], ownPath[MAX_PATH];
    if (!g_app.modulePath[0] || ToLongPath(path, longPath, sizeof longPath) != 0 ||
        ToLongPath(g_app.modulePath, ownPath, sizeof ownPath) != 0)
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

void NotifyShell(LONG event, const char* path)
{
    if (g_app.shellFlag && g_app.shChangeNotify)
        g_app.shChangeNotify(event, SHCNF_PATHA, path, nullptr);
}

}  // namespace

FileRemoval DeleteFileOrSchedule(const char* path)
{
    bool exists = GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
    bool own = IsOwnProgramFile(path);
    if (own)
        g_app.ownFileDeleted = true;
    if (DeleteFileA(path)) {
        NotifyShell(SHCNE_DELETE, path);
        return kFileRemoved;
    }
    if (!exists)
        return kFileMissing;
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
    g_app.restartNeeded = true;
    DeleteWithHelpIndex(backup);
    char shortTemporary[MAX_PATH], shortTarget[MAX_PATH];
    ToShortPath(temporary, shortTemporary, sizeof shortTemporary);
    ToShortPath(target, shortTarget, sizeof shortTarget);
    if (g_app.platform != kPlatformNt) {
        char windows[MAX_PATH], wininit[MAX_PATH + 16];
        UINT length = GetWindowsDirectoryA(windows, sizeof windows);
        if (length == 0 || length >= sizeof windows)
            return false;
        std::snprintf(wininit, sizeof wininit, "%s\\WININIT.INI", windows);
        return WritePrivateProfileStringA("rename", shortTarget, shortTemporary, wininit) != FALSE;
    }
    MoveFileExA(shortTarget, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    return MoveFileExA(shortTemporary, shortTarget, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
}

int ScheduleDeletionAtRestart(const char* path)
{
    if (g_app.platform == kPlatformNt)
        return MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) ? 0 : 1;
    return AppendToWininit(path);
}

// The restart program is carried as resource 30202 of type 300; until it is part of the
// program's resources there is nothing to write.
int WriteRestartProgram(char* out, size_t size)
{
    if (size)
        out[0] = '\0';
    HRSRC found = FindResourceA(g_app.instance, MAKEINTRESOURCEA(30202), MAKEINTRESOURCEA(300));
    if (!found)
        return 1;
    HGLOBAL loaded = LoadResource(g_app.instance, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    DWORD byteCount = SizeofResource(g_app.instance, found);
    char windows[MAX_PATH];
    UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (!bytes || length == 0 || length >= sizeof windows)
        return 1;
    int written = std::snprintf(out, size, "%s\\_MSRSTRT.EXE", windows);
    if (written < 0 || static_cast<size_t>(written) >= size) {
        out[0] = '\0';
        return 1;
    }
    FileHandle file(CreateFileA(out, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.handle == INVALID_HANDLE_VALUE || !WriteAll(file.handle, bytes, byteCount)) {
        out[0] = '\0';
        return 1;
    }
    return 0;
}
