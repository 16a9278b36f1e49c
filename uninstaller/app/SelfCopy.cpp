#include "uninstaller/app/SelfCopy.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Engine.h"
#include "uninstaller/app/InUseFiles.h"
#include "uninstaller/app/MessagePump.h"
#include "uninstaller/app/WindowsRepairSystem.h"

void MakeTemporaryCopy()
{
    g_app.temporaryCopyPath[0] = '\0';
    char folder[MAX_PATH], copy[MAX_PATH];
    DWORD length = GetTempPathA(sizeof folder, folder);
    // GetTempFileName needs room for the 13-character name after the folder.
    if (length == 0 || length >= sizeof folder - 14)
        return;
    // A unique number of 6699 (0x1A2B) gives the fixed name VZB1A2B.TMP; nothing is created.
    if (!GetTempFileNameA(folder, "VZB", 6699, copy))
        return;
    size_t copyLength = std::strlen(copy);
    if (copyLength < 3)
        return;
    std::memcpy(copy + copyLength - 3, "EXE", 3);
    if (!CopyFileA(g_app.modulePath, copy, FALSE))
        return;
    ScheduleDeletionAtRestart(copy);
    std::strcpy(g_app.temporaryCopyPath, copy);
}

namespace {

// Cuts a path at its last "\" (the folder holding it).
void FolderOf(const char* path, char* folder, size_t size)
{
    std::snprintf(folder, size, "%s", path);
    char* last = std::strrchr(folder, '\\');
    if (last)
        *last = '\0';
    else
        folder[0] = '\0';
}

struct ProgramIdentity {
    uint64_t size;
    uint32_t crc;
};

// A file (not a folder, not a link) with its size and CRC-32.
bool IdentityOf(const char* path, ProgramIdentity* identity)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
        return false;
    identity->size = static_cast<uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
    WindowsRepairSystem files;
    return files.FileCrc32(path, &identity->crc);
}

// The launcher is a copy of this program: this copy was made from it.
bool IsSameProgram(const char* launcher, const char* self)
{
    size_t length = std::strlen(launcher);
    if (length < 5 || lstrcmpiA(launcher + length - 4, ".EXE") != 0)
        return false;
    ProgramIdentity theirs, ours;
    return IdentityOf(launcher, &theirs) && IdentityOf(self, &ours) && theirs.size == ours.size &&
           theirs.crc == ours.crc;
}

}  // namespace

void CleanUpAfterLauncher()
{
    PumpMessages(1000);
    const char* launcher = g_app.commandLine.launcherPath;
    // Only the uninstaller that started this copy is deleted, and only then its folder (when
    // empty) is removed.
    if (IsSameProgram(launcher, g_app.modulePath)) {
        SetFileAttributesA(launcher, FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(launcher);
        char folder[MAX_PATH];
        FolderOf(launcher, folder, sizeof folder);
        if (folder[0])
            RemoveDirectoryTree(folder, false);
    }

    char top[MAX_PATH];
    std::snprintf(top, sizeof top, "%s", g_app.commandLine.topDirectory);
    size_t topLength = std::strlen(top);
    if (topLength && top[topLength - 1] == '\\')
        top[topLength - 1] = '\0';
    if (top[0])
        RemoveDirectoryTree(top, false);
}
