#pragma once
// The single-instance guard: a named mutex that the first running copy owns, and the bringing
// forward of that copy's main window when a second copy starts.

#include <string>

// True when another process already holds the named mutex. Otherwise this process now owns it
// and keeps it until it ends.
bool CheckInstanceMutex(const std::string& mutexName);

// True when another copy runs; its window (found by class and exact caption) is then restored
// if its owner is minimised, or switched to.
bool ActivatePreviousInstance(const std::string& mutexName, const std::string& windowClass, const std::string& caption);
