#pragma once
// Restarting Windows at the end of a run, so that the files in use are deleted or replaced.

enum RestartAction {
    kRestartByProgram,   // the restart program is started with the command line
    kRestartNow          // this process restarts Windows itself (no command line)
};

// Takes the place of the restart's last call; null restores it. Tests never restart.
typedef void (*RestartHook)(RestartAction action, const char* commandLine);
void SetRestartHook(RestartHook hook);

// On the NT family the restart program is written into the Windows directory and started: it
// restarts once this program has ended. When it cannot be, and on other platforms, Windows is
// restarted at once.
void RestartWindows();
