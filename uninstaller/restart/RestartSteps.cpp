#include "uninstaller/restart/RestartSteps.h"

// Built into the restart program without the C runtime: Win32 calls only.

bool EnableShutdownPrivilege()
{
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    TOKEN_PRIVILEGES privileges;
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    bool enabled = LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid) &&
                   AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
                   GetLastError() == ERROR_SUCCESS;
    CloseHandle(token);
    return enabled;
}

int RestartAndDeleteProgram(const char* programPath, RebootFunction reboot)
{
    EnableShutdownPrivilege();
    if (programPath[0])
        MoveFileExA(programPath, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    const DWORD kPlannedForInstallation =
        SHTDN_REASON_MAJOR_APPLICATION | SHTDN_REASON_MINOR_INSTALLATION | SHTDN_REASON_FLAG_PLANNED;
    return reboot(EWX_REBOOT, kPlannedForInstallation) ? 0 : 1;
}
