#pragma once
// Every question and message to the user goes through here: message boxes and the open-file
// dialog. A silent run shows none of them and takes the answer its caller names as safe;
// tests replace both with hooks so that nothing waits for a person.

#include <windows.h>

#include <cstddef>

typedef int (*MessageBoxHook)(HWND owner, const char* text, const char* caption, UINT type);
enum LogFileAnswer {
    kLogFileChosen,
    kLogFileCancelled,   // the user closed the dialog without a file
    kLogFileFailed       // no dialog: a silent run, or the dialog could not be shown
};

typedef LogFileAnswer (*OpenFileHook)(HWND owner, char* path, size_t size);

// Null restores the real dialogs.
void SetMessageBoxHook(MessageBoxHook hook);
void SetOpenFileHook(OpenFileHook hook);

// MessageBox; in a silent run returns silentAnswer without showing anything.
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type, int silentAnswer);

// The open-file dialog for the installation log (filter string 1 with "install.log", initial
// name "INSTALL.LOG", the file must exist), centred on the screen. path is emptied unless a
// file was chosen.
LogFileAnswer AskForLogFile(HWND owner, char* path, size_t size);
