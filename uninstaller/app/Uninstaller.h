#pragma once
// The program's sequence: start-up (system, settings, command line, temporary copy, windows,
// reading the log), the run (wizard, then the engine or repair, status report) and the end
// (windows closed, the temporary copy started, restart, the shortcut's application).
// WinMain runs RunUninstaller and ends the process with its result; the phases are separate so
// that tests can look at the program between them.

#include <windows.h>

enum StartOutcome {
    kStartReady,          // the log was read: the run follows
    kStartFailed,         // the log could not be read (message shown): the end sequence follows
    kStartTemporaryCopy,  // this process is the temporary copy: FinishTemporaryCopy follows
    kStartExit            // nothing more to do: the process ends with exit code 0
};

StartOutcome StartUninstaller(HINSTANCE instance, const char* commandLine);

// The wizard, then the engine or repair, the restart question and the status report.
void RunUninstall();

// The end sequence; returns the exit code.
int EndUninstaller();

// The temporary copy's clean-up after the launching program; returns the exit code.
int FinishTemporaryCopy();

// A whole run; returns the exit code.
int RunUninstaller(HINSTANCE instance, const char* commandLine);
