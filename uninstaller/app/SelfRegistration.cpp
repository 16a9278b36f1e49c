#include "uninstaller/app/SelfRegistration.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <new>

#include "uninstaller/app/Handles.h"
#include "uninstaller/app/ShortLongPath.h"

namespace {

typedef HRESULT(WINAPI* OleInitializeProc)(LPVOID reserved);
typedef void(WINAPI* OleUninitializeProc)();
typedef HRESULT(STDAPICALLTYPE* RegisterServerProc)();

DWORD WaitTime(unsigned limitMs)
{
    return limitMs == kWaitWithoutLimit ? INFINITE : limitMs;
}

WaitOutcome StartAndWait(char* commandLine, unsigned limitMs)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return kWaitNotStarted;
    FileHandle thread(process.hThread), running(process.hProcess);
    return WaitForSingleObject(running.handle, WaitTime(limitMs)) == WAIT_OBJECT_0 ? kWaitFinished : kWaitGaveUp;
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

struct RegistrationJob {
    char path[MAX_PATH];
    bool registerIt;
};

// Owns its job: a thread given up on may finish after its caller is gone.
DWORD WINAPI RegistrationThread(LPVOID context)
{
    RegistrationJob* job = static_cast<RegistrationJob*>(context);
    try {
        CallRegistrationEntry(job->path, job->registerIt);
    } catch (...) {
    }
    delete job;
    return 0;
}

WaitOutcome CallRegistrationEntryWithin(const char* path, bool registerIt, unsigned limitMs)
{
    if (limitMs == kWaitWithoutLimit) {
        CallRegistrationEntry(path, registerIt);
        return kWaitFinished;
    }
    RegistrationJob* job = new (std::nothrow) RegistrationJob{};
    if (!job || std::strlen(path) >= sizeof job->path) {
        delete job;
        return kWaitNotStarted;
    }
    std::strcpy(job->path, path);
    job->registerIt = registerIt;
    HANDLE started = CreateThread(nullptr, 0, RegistrationThread, job, 0, nullptr);
    if (!started) {
        delete job;
        return kWaitNotStarted;
    }
    FileHandle thread(started);
    return WaitForSingleObject(thread.handle, limitMs) == WAIT_OBJECT_0 ? kWaitFinished : kWaitGaveUp;
}

}  // namespace

WaitOutcome SelfRegisterFile(const char* path, bool registerIt, unsigned limitMs)
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

    WaitOutcome outcome = kWaitNotStarted;
    if (EndsWithNoCase(path, "EXE")) {
        char command[MAX_PATH + 32];
        int written = std::snprintf(command, sizeof command, "%s %s", shortPath,
                                    registerIt ? "/REGSERVER" : "/UNREGSERVER");
        if (written > 0 && static_cast<size_t>(written) < sizeof command)
            outcome = StartAndWait(command, limitMs);
    } else if (IsPortableExecutable(path)) {
        outcome = CallRegistrationEntryWithin(path, registerIt, limitMs);
    }

    if (remembered)
        SetCurrentDirectoryA(current);
    return outcome;
}

WaitOutcome RunAndWait(const char* program, const char* arguments, unsigned limitMs)
{
    char command[2 * MAX_PATH + 8];
    int written = std::snprintf(command, sizeof command, "\"%s\" %s", program, arguments);
    if (written < 0 || static_cast<size_t>(written) >= sizeof command)
        return kWaitNotStarted;
    return StartAndWait(command, limitMs);
}
