#pragma once
// Reading the items of a shell folder in one go.

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "controls/shell/ShellPidl.h"

namespace mw {

// Appends the folder's items (relative lists) to items. False when the folder cannot be listed
// now (no folder, the listing does not start, or it ends with E_FAIL, as a drive without a disk
// does); the items read before such an end are kept. Any other failure raises EMwOleError.
bool EnumerateShellItems(IShellFolder* folder, HWND window, SHCONTF flags, std::vector<TPidlPtr>& items);

}  // namespace mw
