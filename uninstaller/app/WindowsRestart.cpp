#include "uninstaller/app/WindowsRestart.h"

#include <windows.h>

#include <cstdio>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/InUseFiles.h"
#include "uninstaller/restart/RestartSteps.h"

namespace {

RestartHook restartHook;

bool StartRestartProgram()
{
    char program[MAX_PATH], command[MAX_PATH + 2];
    if (WriteRestartProgram(program, sizeof program) != 0)
        return false;
    std::snprintf(command, sizeof command, "\"%s\"", program);
    if (restartHook) {
        restartHook(kRestartByProgram, command);
        return true;
    }
    return WinExec(command, SW_SHOW) > 31;
}

}  // namespace

void SetRestartHook(RestartHook hook)
{
    restartHook = hook;
}

void RestartWindows()
{
    if (g_app.platform == kPlatformNt) {
        if (StartRestartProgram())
            return;
        EnableShutdownPrivilege();
    }
    if (restartHook) {
        restartHook(kRestartNow, nullptr);
        return;
    }
    ExitWindowsEx(EWX_REBOOT, SHTDN_REASON_MAJOR_APPLICATION | SHTDN_REASON_MINOR_INSTALLATION |
                                  SHTDN_REASON_FLAG_PLANNED);
}
