#include "uninstaller/app/Wizard.h"

#include "uninstaller/app/AppState.h"

// Until the wizard's pages exist, the run goes straight on as if Finish had been pressed.

WizardState g_wizard;

HWND CreateWizard(HWND owner)
{
    g_wizard.finished = true;
    return nullptr;
}

void DestroyWizard()
{
    if (g_app.wizard) {
        DestroyWindow(g_app.wizard);
        g_app.wizard = nullptr;
    }
}

void PrepareDialog(HWND dialog)
{
}
