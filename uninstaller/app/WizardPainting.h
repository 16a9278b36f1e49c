#pragma once
// What the wizard draws itself: the banner, the etched lines, and in the progress view the
// animation and the block progress bar.

#include <windows.h>

void PaintWizard(HWND wizard, HDC dc);
