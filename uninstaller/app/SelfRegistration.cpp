#include "uninstaller/app/SelfRegistration.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "uninstaller/app/Handles.h"
#include "uninstaller/app/InUseFiles.h"
#include "uninstaller/app/ShortLongPath.h"
#include "uninstaller/register/RegistrationHelper.h"

namespace {

// A helper that was ended is waited for this long more, so that its file can go.
const DWORD kEndedHelperWaitMs = 5000;

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

// The registration helper of the resources, written to a new file of the temporary folder.
bool WriteRegistrationHelper(char* path)
{
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(self, MAKEINTRESOURCEA(kRegistrationHelperId), MAKEINTRESOURCEA(kHelperProgramType));
    HGLOBAL loaded = found ? LoadResource(self, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    DWORD byteCount = found ? SizeofResource(self, found) : 0;
    char temp[MAX_PATH];
    DWORD tempLength = GetTempPathA(sizeof temp, temp);
    if (!bytes || byteCount == 0 || tempLength == 0 || tempLength >= sizeof temp ||
        GetTempFileNameA(temp, "VZR", 0, path) == 0)
        return false;
    DWORD written = 0;
    bool complete;
    {
        FileHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        complete = file.IsOpen() && WriteFile(file.handle, bytes, byteCount, &written, nullptr) && written == byteCount;
    }
    if (!complete)
        DeleteFileA(path);
    return complete;
}

// Calls the library's entry point in the registration helper. A helper still running at the
// time limit (a library that never returns from its DllMain) is ended.
WaitOutcome RegisterInHelper(const char* library, bool registerIt, unsigned limitMs, const char* folder)
{
    char helper[MAX_PATH];
    if (!WriteRegistrationHelper(helper))
        return kWaitNotStarted;
    char command[2 * MAX_PATH + 16];
    int length = std::snprintf(command, sizeof command, "\"%s\" %s \"%s\"", helper, registerIt ? "/r" : "/u", library);
    WaitOutcome outcome = kWaitNotStarted;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (length > 0 && static_cast<size_t>(length) < sizeof command &&
        CreateProcessA(helper, command, nullptr, nullptr, FALSE, 0, nullptr, folder[0] ? folder : nullptr, &startup,
                       &process)) {
        FileHandle thread(process.hThread), running(process.hProcess);
        if (WaitForSingleObject(running.handle, WaitTime(limitMs)) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(running.handle, &code);
            outcome = IsCrashCode(code) ? kWaitCrashed : kWaitFinished;
        } else {
            TerminateProcess(running.handle, 1);
            WaitForSingleObject(running.handle, kEndedHelperWaitMs);
            outcome = kWaitGaveUp;
        }
    }
    DeleteFileA(helper);
    return outcome;
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
    } else {
        folder[0] = '\0';
    }

    WaitOutcome outcome = kWaitNotStarted;
    if (EndsWithNoCase(path, "EXE")) {
        char command[MAX_PATH + 32];
        int written = std::snprintf(command, sizeof command, "%s %s", shortPath,
                                    registerIt ? "/REGSERVER" : "/UNREGSERVER");
        if (written > 0 && static_cast<size_t>(written) < sizeof command)
            outcome = StartAndWait(command, limitMs);
    } else if (IsPortableExecutable(path)) {
        outcome = RegisterInHelper(path, registerIt, limitMs, folder);
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
