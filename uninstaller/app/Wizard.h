#pragma once
// The wizard: the modeless dialog 106 that asks how to uninstall (method page, one page per
// kind of logged change, rollback page, perform page) and then shows the progress.

#include <windows.h>

#include "uninstaller/app/AnimationFrames.h"
#include "uninstaller/app/DialogPreparation.h"
#include "uninstaller/app/WizardSteps.h"

enum { kWizardLastPage = kPagePerform };

// Control ids of dialog 106.
enum WizardControl {
    kRadioFirst = 1000,        // Automatic / rollback
    kRadioSecond = 1001,       // Custom / no rollback
    kPageTextControl = 1002,
    kItemList = 1003,
    kSecondTextControl = 1004,
    kProgressHeading = 1005,
    kAnimationArea = 1006,
    kProgressText = 1007,
    kLowerLine = 1008,
    kRadioRepair = 1009,
    kBannerLine = 1010,
    kPageTitle = 1011,
    kMakerLabel = 1012,        // "Halden Installation Wizard" beside the lower line
    kBarArea = 3830,
    kSelectAllButton = 3,
    kSelectNoneButton = 4,
    kBackButton = 5,
    kNextButton = IDOK,
    kCancelButton = IDCANCEL
};

struct WizardState {
    int page;
    UninstallMethod method;
    bool rollback;             // preselected by "/R", then the rollback page's answer
    bool finished;             // the user pressed Finish
    bool progressView;
    bool repairView;           // the progress is a repair's
    int animationFrame;        // 1 to 25; 0 before the first tick
    bool painted;              // the first paint started the animation timer
    bool animationTimerRunning;
    HICON animationIcons[kAnimationIcons];
    unsigned listCount;        // lines of the shown list
    RECT barRect;              // inside the frame of control 3830
    RECT animationRect;        // control 1006
    unsigned progressDone, progressTotal;
};

extern WizardState g_wizard;

// The choices make a rollback: only an Automatic run rolls back.
inline bool RollbackChosen()
{
    return g_wizard.rollback && g_wizard.method == kMethodAutomatic;
}

extern "C" INT_PTR CALLBACK ItemDlg(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Creates and shows the wizard (modeless, owned by owner or by nobody) on g_wizard.page; it
// becomes g_app.wizard. When it cannot be created and the run would wait for it, the run is
// cancelled rather than left waiting for a window that is not there.
HWND CreateWizard(HWND owner);
void DestroyWizard();
