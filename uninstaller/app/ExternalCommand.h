#pragma once
// The command line of an external program the installation ran and logged for the uninstall.

#include <cstddef>

#include "uninstaller/app/EngineHost.h"

// The program is the longest leading part of command, cut at a space or at its end, that names
// an existing file; the text after that space is the argument string. When the whole command
// names a file, or no leading part does, the whole command is the program and the argument
// string tells the method: "Automatic" or "Custom". False when a part does not fit its buffer.
bool SplitExternalCommand(EngineFiles& files, const char* command, bool automatic, char* program,
                          std::size_t programSize, char* arguments, std::size_t argumentsSize);
