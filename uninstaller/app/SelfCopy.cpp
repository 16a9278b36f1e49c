#include "uninstaller/app/SelfCopy.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Engine.h"
#include "uninstaller/app/InUseFiles.h"
#include "uninstaller/app/MessagePump.h"

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

}  // namespace

void CleanUpAfterLauncher()
{
    PumpMessages(1000);
    const char* launcher = g_app.commandLine.launcherPath;
    size_t length = std::strlen(launcher);
    if (length && launcher[length - 1] != '\\') {
        SetFileAttributesA(launcher, FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(launcher);
    }
    char folder[MAX_PATH];
    FolderOf(launcher, folder, sizeof folder);
    if (folder[0])
        RemoveDirectoryTree(folder, false);

    char top[MAX_PATH];
    std::snprintf(top, sizeof top, "%s", g_app.commandLine.topDirectory);
    size_t topLength = std::strlen(top);
    if (topLength && top[topLength - 1] == '\\')
        top[topLength - 1] = '\0';
    if (top[0])
        RemoveDirectoryTree(top, false);
}
