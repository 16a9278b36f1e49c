#include "controls/shell/ShellStartup.h"

#include "controls/shell/MwShellIntf.h"
#include "controls/shell/MwShellUtils.h"
#include "controls/shell/ShellControlsSetup.h"
#include "utils/UtInitializationCount.h"

namespace mw {

namespace {
ut::InitializationCount initializations;
}

void InitializeShellUnits() {
    if (!initializations.Enter()) return;
    InitializeShellIntf();
    InitializeShellUtils();
    InitializeShellControls();
}

void FinalizeShellUnits() {
    if (!initializations.Leave()) return;
    FinalizeShellControls();
    FinalizeShellUtils();
    FinalizeShellIntf();
}

}  // namespace mw
