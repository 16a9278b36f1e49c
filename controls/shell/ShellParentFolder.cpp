#include "controls/shell/ShellParentFolder.h"

#include "controls/shell/MwIdListArray.h"
#include "controls/shell/MwShellIntf.h"
#include "controls/shell/PidlLayout.h"

namespace mw {

namespace {

HRESULT DesktopPathPidl(TPidlPtr& pidl) { return PathToPidl(SpecialFolderPath(nullptr, CSIDL_DESKTOP), pidl); }

}  // namespace

HRESULT GetParentFolderAndItem(LPCITEMIDLIST pidl, TShellFolderPtr& folder, TPidlPtr& parent, TPidlPtr& item) {
    folder.Reset();
    parent.reset();
    item.reset();
    TPidlPtr desktopPath;
    if (GetPidlSize(pidl) <= kPidlTerminatorSize) {
        const HRESULT result = DesktopPathPidl(desktopPath);
        if (FAILED(result)) return result;
        pidl = desktopPath.get();
    }
    TMwIdListArray items(pidl);
    if (items.Count() == 0) return E_FAIL;
    if (items.Count() == 1) {
        const HRESULT result = SHGetDesktopFolder(folder.Receive());
        if (SUCCEEDED(result)) item = CopyPidl(nullptr, items.Pidl());
        return result;
    }
    parent = CopyPidl(nullptr, items.ParentPidl(1));
    item = CopyPidl(nullptr, items.Item(items.Count() - 1));
    return BindToFolder(parent.get(), folder);
}

HRESULT GetUIObjectOfPidl(LPCITEMIDLIST pidl, REFIID iid, void** object) {
    *object = nullptr;
    TShellFolderPtr folder;
    TPidlPtr parent;
    TPidlPtr item;
    const HRESULT result = GetParentFolderAndItem(pidl, folder, parent, item);
    if (FAILED(result)) return result;
    LPCITEMIDLIST items[] = {item.get()};
    return folder->GetUIObjectOf(nullptr, 1, items, iid, nullptr, object);
}

HRESULT DesktopDropTarget(IDropTarget** target) {
    *target = nullptr;
    TPidlPtr desktop;
    const HRESULT result = DesktopPathPidl(desktop);
    if (FAILED(result)) return result;
    return GetUIObjectOfPidl(desktop.get(), kIidDropTarget, reinterpret_cast<void**>(target));
}

}  // namespace mw
