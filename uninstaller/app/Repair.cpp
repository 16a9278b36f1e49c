#include "uninstaller/app/Repair.h"

// Repair is not built yet: it changes nothing and reports success.

int RepairInstallation()
{
    return 0;
}
