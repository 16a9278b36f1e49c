#pragma once
// Reaching an item through its parent folder: the folder, the parent's and the item's lists,
// and the item's UI objects (drop targets and the like).

#include <windows.h>
#include <shlobj.h>

#include "controls/shell/ShellFolders.h"
#include "controls/shell/ShellPidl.h"

namespace mw {

// The parent folder of an absolute PIDL with copies of the parent's list and of the item's
// own (last) item. A one-item list has the desktop as its folder and no parent list; the
// empty list (the desktop itself) stands for the desktop's file-system folder.
HRESULT GetParentFolderAndItem(LPCITEMIDLIST pidl, TShellFolderPtr& folder, TPidlPtr& parent, TPidlPtr& item);
// The parent folder's GetUIObjectOf for the one item (no window).
HRESULT GetUIObjectOfPidl(LPCITEMIDLIST pidl, REFIID iid, void** object);
// The drop target of the desktop's file-system folder.
HRESULT DesktopDropTarget(IDropTarget** target);

}  // namespace mw
