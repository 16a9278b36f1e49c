#pragma once
// Files that register themselves: programs through "/REGSERVER" and "/UNREGSERVER", libraries
// through their DllRegisterServer and DllUnregisterServer entry points.

#include "uninstaller/app/EngineHost.h"

// Registers (or unregisters) the file from its own folder and waits for it to finish, at most
// limitMs milliseconds (kWaitWithoutLimit: until it ends). A library's entry point runs in the
// registration helper carried in the resources (uninstaller/register): a library that never
// returns is ended with the helper at the limit, and one that crashes takes only the helper.
WaitOutcome SelfRegisterFile(const char* path, bool registerIt, unsigned limitMs = kWaitWithoutLimit);

// Starts "program" arguments and waits for it to end, at most limitMs milliseconds. A
// program still running at the limit is left running.
WaitOutcome RunAndWait(const char* program, const char* arguments, unsigned limitMs = kWaitWithoutLimit);
