#pragma once
// The uninstaller's process-wide state: what start-up learns about the system and the command
// line, the settings, the windows and the run's flags. One instance, g_app.

#include <windows.h>

#include <cstdint>

#include "uninstaller/app/CommandLine.h"
#include "uninstaller/app/Gradient.h"
#include "uninstaller/app/Settings.h"

enum PlatformCode {
    kPlatform16Bit = 0,   // never produced
    kPlatformNt = 1,
    kPlatformWindows = 2
};

typedef void(WINAPI* ShChangeNotifyProc)(LONG eventId, UINT flags, LPCVOID item1, LPCVOID item2);

struct AppState {
    HINSTANCE instance;
    int platform;
    bool shellFlag;                     // major version above 3
    HMODULE shell32;
    ShChangeNotifyProc shChangeNotify;  // may be null: notifications are then skipped
    HBRUSH hollowBrush;                 // transparent title of the wizard

    char modulePath[MAX_PATH];
    char iniPath[MAX_PATH];             // module path ending in "INI"
    CommandLine commandLine;
    char logPath[CommandLine::kLogPathSize];
    char topDirectory[MAX_PATH];        // top created directory (from the log)
    char temporaryCopyPath[MAX_PATH];   // empty when no copy was made
    char protectedProgramFiles[MAX_PATH];

    Settings settings;
    Gradient gradient;
    int screenWidth, screenHeight;

    uint32_t crcTable[256];
    char cancelCaption[256];            // string 25
    char cancelQuestion[256];           // string 59

    HWND mainWindow;
    HWND progressDialog;
    HWND wizard;
    HGLOBAL wizardTemplate;             // dialog 106
    HGLOBAL sharedFileTemplate;         // dialog 104
    HBITMAP banner;                     // bitmap 106
    HKEY repairKey;                     // open during a "/W" run

    // Start-up progress bar of dialog 112.
    RECT progressBar;
    uint64_t progressPosition, progressSize;

    bool waitFlag;          // cleared by the main window's timer
    bool quitReceived;      // the main window's quit message was taken by a pump
    int quitCode;
    bool logRead;           // the log was read: the run took place
    bool runFailed;         // the engine or repair reported failure
    char keptReport[256];   // what the run kept of what the log names, and why ("" when nothing)
    bool cancelled;
    bool restartNeeded;
    bool ownFileDeleted;    // the run deleted this program's own file
};

extern AppState g_app;

// Back to the state of a fresh process (the instance handle is kept).
void ResetAppState();
