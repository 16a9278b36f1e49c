#pragma once
// The status MIF report to a systems-management server, written when the log named an
// "Uninstall MIF: " file.

#include "uninstaller/app/StatusMifText.h"

void WriteStatusMif(RunOutcome outcome, bool rollback);
