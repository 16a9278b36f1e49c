#pragma once
// The word at the end of a run: what was done, or that it did not finish or was cancelled,
// with what the run kept in place. A silent run says nothing.

#include <windows.h>

#include "uninstaller/app/StatusMifText.h"

enum RunKind { kRunUninstall, kRunRollback, kRunRepair };

// Shows the outcome of the run in a message box owned by owner.
void ReportRunOutcome(HWND owner, RunKind kind, RunOutcome outcome);
