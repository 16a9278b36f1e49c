#pragma once
// Files that register themselves: programs through "/REGSERVER" and "/UNREGSERVER", libraries
// through their DllRegisterServer and DllUnregisterServer entry points.

// Registers (or unregisters) the file from its own folder and waits for it to finish.
void SelfRegisterFile(const char* path, bool registerIt);

// Starts "program" arguments and waits for it to end, without a time limit. False when it
// could not be started.
bool RunAndWait(const char* program, const char* arguments);
