#pragma once
// Files that register themselves: programs through "/REGSERVER" and "/UNREGSERVER", libraries
// through their DllRegisterServer and DllUnregisterServer entry points.

#include "uninstaller/app/EngineHost.h"

// Registers (or unregisters) the file from its own folder and waits for it to finish, at most
// limitMs milliseconds (kWaitWithoutLimit: until it ends). A library's entry point runs on a
// thread of its own when there is a limit, so that a hanging one is given up on.
WaitOutcome SelfRegisterFile(const char* path, bool registerIt, unsigned limitMs = kWaitWithoutLimit);

// Starts "program" arguments and waits for it to end, at most limitMs milliseconds. A
// program still running at the limit is left running.
WaitOutcome RunAndWait(const char* program, const char* arguments, unsigned limitMs = kWaitWithoutLimit);
