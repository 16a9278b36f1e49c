#pragma once
// The database-engine sub-system the installation configured: its registry entries under
// HKLM "Software\Borland" and their usage count.

#include "uninstaller/app/EngineHost.h"

enum SubSystemResult {
    kSubSystemDone,
    kSubSystemAborted   // the user chose Abort: the uninstall ends here
};

// With a usage count of 2 or more, counts this installation off. With a count of 1, removes the
// engine's registry entries once its local server (a window of class "IB_Server") no longer
// runs: the user is asked to stop it (Abort, Retry, Ignore). A silent run asks nobody: while
// the server runs the sub-system stays.
SubSystemResult RemoveDatabaseEngine(EngineRegistry& registry, EngineActions& actions, EngineUi& ui, bool silent);
