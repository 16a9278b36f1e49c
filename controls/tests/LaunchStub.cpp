// A stand-in for the programs that the launcher tests start:
//   quillon_launch_stub <exit code> [<ms>]  exits with the code, after up to ms milliseconds
//                                           (until the tests set the release event, if earlier)
//   quillon_launch_stub showcmd             exits with the show command it was started with
//   quillon_launch_stub cwd <folder>        exits with 0 when it runs in folder, else 1

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "controls/tests/LaunchStub.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc >= 2 && std::strcmp(__argv[1], "showcmd") == 0) {
        STARTUPINFOA startup = {};
        GetStartupInfoA(&startup);
        return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : kNoShowCommand;
    }
    if (__argc >= 3 && std::strcmp(__argv[1], "cwd") == 0) {
        char folder[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, folder);
        return lstrcmpiA(folder, __argv[2]) == 0 ? 0 : 1;
    }
    const int exitCode = __argc >= 2 ? std::atoi(__argv[1]) : 0;
    if (__argc >= 3) {
        HANDLE release = CreateEventA(nullptr, TRUE, FALSE, kReleaseEventName);
        WaitForSingleObject(release, static_cast<DWORD>(std::atoi(__argv[2])));
        CloseHandle(release);
    }
    return exitCode;
}
