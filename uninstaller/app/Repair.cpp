#include "uninstaller/app/Repair.h"

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/FolderGuard.h"
#include "uninstaller/app/InstallationPlaces.h"
#include "uninstaller/app/ProgramRepairUi.h"
#include "uninstaller/app/ProtectedSystemFolders.h"
#include "uninstaller/app/RepairRun.h"
#include "uninstaller/app/WindowsEngineFiles.h"
#include "uninstaller/app/WindowsEngineRegistry.h"
#include "uninstaller/app/WindowsRepairSystem.h"
#include "uninstaller/log/ItemStore.h"

int RepairInstallation()
{
    WindowsRepairSystem system;
    WindowsEngineRegistry registry;
    ProgramRepairUi ui;
    RepairHost host{system, registry, ui};
    WindowsEngineFiles files;
    FolderGuard guard(files, SystemProtectedFolders(), g_app.logPath);
    InstallationPlaces places(files, guard, g_itemStore, g_app.logPath);
    RepairOptions options{g_app.commandLine.silent, &places};
    switch (RunRepair(g_itemStore, options, host)) {
    case kRepairCancelled:
        g_app.cancelled = true;
        return 0;
    case kRepairFailed:
        return 1;
    default:
        return 0;
    }
}
