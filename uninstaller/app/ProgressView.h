#pragma once
// What the engine and the repair show while they work: the wizard's progress view with its
// heading, the progress text, the block bar and the animation. Without a wizard (silent runs)
// nothing is shown; the calls still keep the message queue served.

#include <windows.h>

#include <cstddef>

// Switches the wizard to its progress view: the page texts give way to the heading (string 45,
// or 82 for a repair, with the product title) and the progress text; Next and Back are
// disabled; the animation's icons are loaded. A repair's prompts take caption string 76.
void EnterProgressView(bool repair);

// done of total items: the bar shows that much from its next repaint.
void SetProgressCounts(unsigned done, unsigned total);

// Shows text as the progress text (two line breaks first); at most every few hundredths of a
// second it also repaints the bar and processes the waiting messages, which serves the
// wizard's Cancel and the animation. Null only does the latter.
void ShowProgressText(const char* text);

// The progress text label + path, the path shortened with "..." to fit the control.
void ShowProgressPath(const char* label, const char* path);

// As ShowProgressPath with the label from the string table (at most 63 characters).
void ShowProgressItem(unsigned labelId, const char* path);

// The label from the string table + a registry key, cut when it is long.
void ShowProgressKey(unsigned labelId, const char* key);

// Shortens the path after text's first line break until it fits the control's width.
void FitPathToControl(HWND control, char* text);

enum { kProgressTextSize = 1024 };
