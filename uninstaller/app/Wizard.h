#pragma once
// The wizard: the modeless dialog 106 that asks how to uninstall and then shows the progress.

#include <windows.h>

enum UninstallMethod { kMethodNone, kMethodAutomatic, kMethodCustom, kMethodRepair };

enum { kWizardLastPage = 11 };

struct WizardState {
    int page;
    UninstallMethod method;
    bool rollback;    // preselected by "/R"
    bool finished;    // the user pressed Finish
};

extern WizardState g_wizard;

// Creates the wizard (modeless, owned by owner or by nobody). Null when there is none.
HWND CreateWizard(HWND owner);
void DestroyWizard();

// Widens a dialog and gives it the settings' font; every dialog calls it at initialisation.
void PrepareDialog(HWND dialog);
