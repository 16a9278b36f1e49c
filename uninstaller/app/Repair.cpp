#include "uninstaller/app/Repair.h"

#include <cstdio>

#include "uninstaller/app/AppState.h"
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
    WindowsEngineFiles files;
    RepairHost host{system, registry, ui, files};
    RepairOptions options{g_app.commandLine.silent, SystemProtectedFolders(), g_app.logPath};
    KeptItems kept;
    RepairOutcome outcome = RunRepair(g_itemStore, options, host, &kept);
    std::snprintf(g_app.keptReport, sizeof g_app.keptReport, "%s", kept.Summary(sizeof g_app.keptReport - 1).c_str());
    switch (outcome) {
    case kRepairCancelled:
        g_app.cancelled = true;
        return 0;
    case kRepairFailed:
        return 1;
    default:
        return 0;
    }
}
