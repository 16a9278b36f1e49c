#include "uninstaller/app/WindowsRepairSystem.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Crc32.h"
#include "uninstaller/app/Handles.h"
#include "uninstaller/app/MessagePump.h"
#include "uninstaller/app/SelfRegistration.h"
#include "uninstaller/app/ShellShortcut.h"
#include "uninstaller/app/ShortLongPath.h"

namespace {

const DWORD kCrcBlock = 16384;

HANDLE OpenForReading(const char* path)
{
    return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool LocalStampOf(const FILETIME& written, LocalStamp* stamp)
{
    FILETIME local;
    SYSTEMTIME time;
    if (!FileTimeToLocalFileTime(&written, &local) || !FileTimeToSystemTime(&local, &time))
        return false;
    *stamp = LocalStamp{time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
    return true;
}

// Waits for the process while serving this thread's messages. Once the program is closing (its
// quit message was taken) there is nothing left to serve.
void WaitServingMessages(HANDLE process)
{
    while (!g_app.quitReceived) {
        DWORD woken = MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT);
        if (woken != WAIT_OBJECT_0 + 1)
            break;
        PumpMessages(0);
    }
    WaitForSingleObject(process, INFINITE);
}

}  // namespace

FileLookup WindowsRepairSystem::LookUpFile(const char* path, FileFacts* facts)
{
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return kFileAbsent;
    FileHandle file(OpenForReading(path));
    FILETIME written;
    LARGE_INTEGER size;
    if (!file.IsOpen() || !GetFileTime(file.handle, nullptr, nullptr, &written) ||
        !GetFileSizeEx(file.handle, &size) || !LocalStampOf(written, &facts->written))
        return kFileUnreadable;
    facts->size = static_cast<std::uint64_t>(size.QuadPart);
    return kFileReadable;
}

bool WindowsRepairSystem::FileCrc32(const char* path, std::uint32_t* crc)
{
    FileHandle file(OpenForReading(path));
    if (!file.IsOpen())
        return false;
    unsigned char block[kCrcBlock];
    std::uint32_t running = 0xFFFFFFFFu;
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.handle, block, kCrcBlock, &got, nullptr))
            return false;
        if (got == 0)
            break;
        running = UpdateCrc32(g_app.crcTable, running, block, got);
    }
    *crc = ~running;
    return true;
}

bool WindowsRepairSystem::CreateListFile(char* path, std::size_t size)
{
    char folder[MAX_PATH], name[MAX_PATH];
    DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length >= sizeof folder || !GetTempFileNameA(folder, "VZC", 0, name))
        return false;
    if (std::strlen(name) >= size) {
        DeleteFileA(name);
        return false;
    }
    std::strcpy(path, name);
    return true;
}

bool WindowsRepairSystem::AppendToListFile(const char* listFile, const char* line)
{
    FileHandle file(CreateFileA(listFile, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD length = static_cast<DWORD>(std::strlen(line)), written = 0;
    return file.IsOpen() && WriteFile(file.handle, line, length, &written, nullptr) && written == length;
}

void WindowsRepairSystem::DeleteListFile(const char* listFile)
{
    DeleteFileA(listFile);
}

bool WindowsRepairSystem::SaveShortcut(const char* path, const ShortcutInfo& link)
{
    return SaveShellShortcut(path, link);
}

bool WindowsRepairSystem::RunSource(const char* source, const char* listFile)
{
    // The list goes unquoted after "/X=": its short form holds no spaces.
    char shortList[MAX_PATH], command[2 * MAX_PATH + 16];
    ToShortPath(listFile, shortList, sizeof shortList);
    int written = std::snprintf(command, sizeof command, "\"%s\" /X=%s", source, shortList);
    if (written < 0 || static_cast<std::size_t>(written) >= sizeof command)
        return false;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    WaitServingMessages(process.hProcess);
    DWORD exitCode = 1;
    bool succeeded = GetExitCodeProcess(process.hProcess, &exitCode) && exitCode == 0;
    CloseHandle(process.hProcess);
    return succeeded;
}

void WindowsRepairSystem::RegisterFile(const char* path)
{
    SelfRegisterFile(path, true);
}
