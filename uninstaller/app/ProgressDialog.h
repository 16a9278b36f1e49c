#pragma once
// The start-up progress dialog 112, shown while the installation log is read.

#include <windows.h>

#include <cstdint>

enum { kProgressDialogId = 112, kProgressBarControl = 3830, kProgressTextControl = 1002 };

extern "C" INT_PTR CALLBACK ProgressDlg(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Creates and shows the dialog (modeless, no owner). Null when it cannot be created.
HWND CreateProgressDialog();

// Destroys the dialog when it exists.
void CloseProgressDialog();

// The reader has reached position of size bytes: repaints the bar at once.
void ShowStartupProgress(uint64_t position, uint64_t size);
