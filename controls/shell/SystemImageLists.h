#pragma once
// The system image lists and the icon indexes of items in them.

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

namespace mw {

enum class TMwImageListSize { Small = 0, Large = 1 };

// The system icon index of an absolute PIDL (nullptr: the desktop), with the extra SHGFI_
// flags; 0 when the shell cannot tell.
int GetShellIconIndex(LPCITEMIDLIST pidl, UINT extraFlags);

// The system image list of that size. On the NT family with common controls 4.71 or later,
// the first call also gives both lists the shell's two overlay images (1 and 2), once per
// process; when shell32 cannot be loaded that is tried again on the next call.
HIMAGELIST GetSystemImageList(TMwImageListSize size);
// Whether the overlay images were given to the system image lists.
bool SystemImageListOverlaysLoaded();

}  // namespace mw
