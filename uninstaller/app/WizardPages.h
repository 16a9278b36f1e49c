#pragma once
// The wizard's pages: what each one shows, what the user chose on it, and Next and Back.

#include <windows.h>

// Shows g_wizard.page: texts, buttons, radios or the list of its items.
void SetUpPage(HWND wizard);

// Takes the choices of the shown page: the method, the rollback answer, or the list's
// selection into the items' selected flags.
void ReadPageSelections(HWND wizard);

// Next (forward) or Back: reads the page, moves to the next one that has something to show
// and sets it up.
void TurnPage(HWND wizard, bool forward);

// Puts the focus on Next (when it can take it). The wizard does it again once it is shown,
// since a dialog that is not yet visible does not keep the focus it is given.
void FocusNext(HWND wizard);

// Select All and Select None of a list page.
void SelectAllLines(HWND wizard, bool selected);
