#pragma once
// The restart program's work: it restarts Windows and leaves nothing of itself behind. The
// uninstaller uses the privilege step too when it has to restart by itself.

#include <windows.h>

typedef BOOL(WINAPI* RebootFunction)(UINT flags, DWORD reason);

// Enables SeShutdownPrivilege in this process's token. False when it could not.
bool EnableShutdownPrivilege();

// Enables the privilege, schedules programPath for deletion at the next restart and restarts
// through reboot (ExitWindowsEx). 0 when the restart was started, 1 otherwise.
int RestartAndDeleteProgram(const char* programPath, RebootFunction reboot);
