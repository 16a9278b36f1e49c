// The restart program: written out and started by the uninstaller as its last act when files
// in use wait for the next restart. It has no C runtime: the entry point is its own.

#include <windows.h>

#include "uninstaller/restart/RestartSteps.h"

extern "C" void RestartEntry()
{
    char own[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, own, sizeof own);
    if (length == 0 || length >= sizeof own)
        own[0] = '\0';
    ExitProcess(static_cast<UINT>(RestartAndDeleteProgram(own, ExitWindowsEx)));
}
