#pragma once
// Pieces of the self-repair check ("/W"): the Repair key of an installation and the names of
// its values, which describe what a working installation has.

#include <cstddef>

// HKLM "Software\Halden Solutions\Halden Installation System\Repair\" plus the log path (long
// form) with every "\" turned into "/". Returns 0, or 1 when it does not fit (out empty).
int BuildRepairKeyPath(const char* longLogPath, char* out, size_t size);

enum RepairValueKind {
    kRepairValueRegistry,    // root, key path and value name to look for
    kRepairValueUnchecked    // no "\\" separator, an unknown root, or a field that does not fit
};

// Splits a REG_SZ value name of the Repair key: the decimal root number (0 to 4), one optional
// "\", the key path up to the first "\\", then the value name (may be empty).
RepairValueKind ParseRepairValueName(const char* name, int* root, char* keyPath, size_t keySize,
                                     char* valueName, size_t valueSize);
