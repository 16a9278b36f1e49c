#pragma once
// The uninstall and rollback engine: undoes what the item store holds, in one fixed order.
//
// An Automatic run undoes every item of every section with the default choices; a Custom run
// only the items the user selected in the wizard. A rollback (Automatic only) undoes what the
// last section did and puts back the files it replaced. Cancel stops at the next item; the
// steps after it do not run, and nothing done before is undone.

#include "uninstaller/app/EngineHost.h"
#include "uninstaller/app/KeptItems.h"
#include "uninstaller/log/ItemStore.h"

// 0 when done or cancelled; 1 when the user aborted, or when something the run was to delete
// or restore is still in place (refused, in use without a restart allowed, or failing).
// Records are changed on the way: paths of files that are kept are emptied, and system files
// the user agreed to remove are marked selected. kept (may be null) receives what the log names
// and the run left in place, with the reason.
int RunEngine(ItemStore& store, const EngineOptions& options, EngineHost& host, KeptItems* kept = nullptr);
