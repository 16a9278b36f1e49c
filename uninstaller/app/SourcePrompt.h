#pragma once
// Dialog 107: asks for the installation source that a repair needs when it is not where the
// log says.

#include <windows.h>

#include <cstddef>

enum { kSourcePromptOk = IDOK, kSourcePromptCancel = IDCANCEL };

extern "C" INT_PTR CALLBACK PromptDlg(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Shows string 79 with the source's identity (each "|" shown as "/") and path as the editable
// source path. OK (1): path receives the entered text (at most 256 characters, and never more
// than size - 1). Cancel (2): path is unchanged. The animation pauses meanwhile. A silent
// run, or a dialog that cannot be shown, cancels.
int AskSourcePath(const char* identity, char* path, size_t size);

// Tests answer in place of the dialog: hook(text, path, size) gets the prepared text and
// returns OK or Cancel like the dialog. Null restores the dialog.
typedef int (*SourcePathHook)(const char* text, char* path, size_t size);
void SetSourcePathHook(SourcePathHook hook);
