#include "uninstaller/app/SelfRegistration.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "uninstaller/app/Handles.h"
#include "uninstaller/app/ShortLongPath.h"

namespace {

typedef HRESULT(WINAPI* OleInitializeProc)(LPVOID reserved);
typedef void(WINAPI* OleUninitializeProc)();
typedef HRESULT(STDAPICALLTYPE* RegisterServerProc)();

bool StartAndWait(char* commandLine)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool EndsWithNoCase(const char* text, const char* suffix)
{
    size_t length = std::strlen(text), suffixLength = std::strlen(suffix);
    return length >= suffixLength && lstrcmpiA(text + length - suffixLength, suffix) == 0;
}

// "MZ" at the start and "PE" at the offset stored at byte 60.
bool IsPortableExecutable(const char* path)
{
    FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return false;
    unsigned char header[64];
    DWORD got = 0;
    if (!ReadFile(file.handle, header, sizeof header, &got, nullptr) || got != sizeof header || header[0] != 'M' ||
        header[1] != 'Z')
        return false;
    DWORD stored = header[60] | header[61] << 8 | header[62] << 16 | static_cast<DWORD>(header[63]) << 24;
    LONG offset = static_cast<LONG>(stored);
    char signature[2];
    if (offset < 0 || SetFilePointer(file.handle, offset, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER ||
        !ReadFile(file.handle, signature, sizeof signature, &got, nullptr) || got != sizeof signature)
        return false;
    return signature[0] == 'P' && signature[1] == 'E';
}

void CallRegistrationEntry(const char* path, bool registerIt)
{
    LibraryHandle ole(LoadLibraryA("OLE32.DLL"));
    if (!ole.module)
        return;
    auto initialize = reinterpret_cast<OleInitializeProc>(
        reinterpret_cast<void*>(GetProcAddress(ole.module, "OleInitialize")));
    auto uninitialize = reinterpret_cast<OleUninitializeProc>(
        reinterpret_cast<void*>(GetProcAddress(ole.module, "OleUninitialize")));
    if (!initialize)
        return;
    HRESULT initialized = initialize(nullptr);
    if (initialized == S_OK) {
        LibraryHandle library(LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
        if (library.module) {
            auto entry = reinterpret_cast<RegisterServerProc>(reinterpret_cast<void*>(
                GetProcAddress(library.module, registerIt ? "DllRegisterServer" : "DllUnregisterServer")));
            if (entry)
                entry();
        }
    }
    // Every successful initialisation is balanced, also one that found OLE already running.
    if (SUCCEEDED(initialized) && uninitialize)
        uninitialize();
}

}  // namespace

void SelfRegisterFile(const char* path, bool registerIt)
{
    char current[MAX_PATH];
    DWORD currentLength = GetCurrentDirectoryA(sizeof current, current);
    bool remembered = currentLength > 0 && currentLength < sizeof current;

    char shortPath[MAX_PATH], folder[MAX_PATH];
    ToShortPath(path, shortPath, sizeof shortPath);
    std::snprintf(folder, sizeof folder, "%s", shortPath);
    if (char* last = std::strrchr(folder, '\\')) {
        // "C:\x.dll" lies in "C:\", not in the current folder of drive C.
        bool driveRoot = last == folder + 2 && folder[1] == ':';
        last[driveRoot ? 1 : 0] = '\0';
        SetCurrentDirectoryA(folder);
    }

    if (EndsWithNoCase(path, "EXE")) {
        char command[MAX_PATH + 32];
        int written = std::snprintf(command, sizeof command, "%s %s", shortPath,
                                    registerIt ? "/REGSERVER" : "/UNREGSERVER");
        if (written > 0 && static_cast<size_t>(written) < sizeof command)
            StartAndWait(command);
    } else if (IsPortableExecutable(path)) {
        CallRegistrationEntry(path, registerIt);
    }

    if (remembered)
        SetCurrentDirectoryA(current);
}

bool RunAndWait(const char* program, const char* arguments)
{
    char command[2 * MAX_PATH + 8];
    int written = std::snprintf(command, sizeof command, "\"%s\" %s", program, arguments);
    if (written < 0 || static_cast<size_t>(written) >= sizeof command)
        return false;
    return StartAndWait(command);
}
