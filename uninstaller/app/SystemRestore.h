#pragma once
// A System Restore point around the run, when the log asked for one ("System Restore:
// Enabled"). Missing SFC.DLL or a missing function skips it silently.

#include <cstdint>

struct RestorePoint {
    void* library;          // SFC.DLL while a point is open
    int64_t sequenceNumber;
    bool open;
};

// Begins a system change described as "Uninstall <product title>".
RestorePoint BeginRestorePoint(const char* productTitle);

// Ends the change (as a cancelled operation when cancelled) and frees SFC.DLL.
void EndRestorePoint(RestorePoint* point, bool cancelled);
