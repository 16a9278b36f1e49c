#pragma once
// Dialog 104: whether to remove a shared file no program uses any more, or (during a repair)
// whether to replace a file newer than the installed one.

#include <windows.h>

#include "uninstaller/app/EngineHost.h"

enum SharedFileAnswer {
    kAnswerYes = 1005,
    kAnswerNo = 1006,
    kAnswerYesToAll = 1007,
    kAnswerNoToAll = IDOK
};

extern "C" INT_PTR CALLBACK SharedDlg(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Asks with message (caption string 76 during a repair, else 62) and returns the answer. The
// animation pauses meanwhile. A silent run, or a dialog that cannot be shown, answers No.
int AskSharedFile(const char* message);
// The same question, its answer as the engine and repair take it.
SharedFileChoice AskSharedFileChoice(const char* message);

// Tests answer in place of the dialog: hook(message, caption) returns the answer. Null
// restores the dialog.
typedef int (*SharedFileHook)(const char* message, const char* caption);
void SetSharedFileHook(SharedFileHook hook);
