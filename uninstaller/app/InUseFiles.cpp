#include "uninstaller/app/InUseFiles.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Handles.h"

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

}  // namespace

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
