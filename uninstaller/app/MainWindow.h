#pragma once
// The main window of class "VZBSUninstall": the gradient background behind the wizard (hidden
// unless "No Background" is 0), the owner of the wait timer, and the window whose destruction
// ends the program's message loop.

#include <windows.h>

extern "C" LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the class and creates the window (caption " ", 640 x 480 at 0,0, not shown).
// Returns null when either fails.
HWND CreateMainWindow();
