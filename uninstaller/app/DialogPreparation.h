#pragma once
// Every dialog of the program is prepared when it initialises: widened by a sixth, its
// controls too, and given the dialog font of the "Settings" section.

#include <windows.h>

// Widens the dialog and each of its controls (left and right edges each moved by a sixth of
// themselves) and gives the controls the dialog font, which the first call creates. A dialog
// font taller than the template's stretches the dialog and its controls vertically by the
// ratio of their line heights.
void PrepareDialog(HWND dialog);

// Centres the dialog on the screen.
void CentreDialog(HWND dialog);

// The bold copy of the dialog font (the wizard's title); null before the first dialog.
HFONT DialogTitleFont();

// Deletes the dialog fonts; the next prepared dialog makes them again. Called at the end.
void FreeDialogFonts();
