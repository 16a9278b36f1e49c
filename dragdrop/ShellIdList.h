#pragma once
// The "Shell IDList Array" of a list of files: the shell's item IDs of the first file's folder
// and of every file's name within it.

#include <windows.h>

#include <string>
#include <vector>

#include "dragdrop/ShellFileFormats.h"

namespace dragdrop {

// E_OUTOFMEMORY when the folder cannot be parsed or bound (as the format's readers expect),
// E_FAIL when a name cannot be parsed in it. Needs at least one path.
HRESULT BuildShellIdListArray(const std::vector<std::string>& paths, TBytes& block);

}  // namespace dragdrop
