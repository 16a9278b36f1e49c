#pragma once
// Repair: brings an installation back to the state its log recorded. Every logged file is
// compared with the date, time, size and CRC-32 the installer recorded, shortcuts are made
// again, logged registry values are written again and self-registering files registered again.
// Files that need repair are listed per installation source, and each source is then run with
// its list ("/X=" and the list file), once it has been found where the log says or where the
// user points.

#include "uninstaller/app/KeptItems.h"
#include "uninstaller/app/ProtectedFolderRules.h"
#include "uninstaller/app/RepairHost.h"
#include "uninstaller/log/ItemStore.h"

struct RepairOptions {
    bool silent;   // nobody is asked: newer files are kept, a missing source is not looked for
    // Shortcuts are written only where the installation's files may be (FolderGuard.h), and
    // values into the system's lists only for the installation's programs and folders
    // (RegistryGuard.h).
    ProtectedFolderRules protectedFolders;
    const char* logPath = nullptr;
};

enum RepairOutcome {
    kRepairDone,
    kRepairCancelled,   // the wizard's Cancel, or the source prompt's
    kRepairFailed       // something could not be repaired (a list, shortcut, value or source failed)
};

// kept (may be null) receives what the repair left unwritten, and why.
RepairOutcome RunRepair(ItemStore& store, const RepairOptions& options, RepairHost& host, KeptItems* kept = nullptr);
