#pragma once
// The record a shell tree keeps for each node: the item's list relative to its parent, its
// absolute list, and its shell folders, the latter two made when first asked for.

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "classlib/core/Object.h"
#include "controls/shell/ShellFolders.h"
#include "controls/shell/ShellPidl.h"

class TMwShellTreeData : public cl::TObject {
public:
    // A child node (parent set): pidl is the item relative to the parent's folder. The root
    // (no parent): pidl is absolute, nullptr or empty for the desktop.
    TMwShellTreeData(TMwShellTreeData* parent, LPCITEMIDLIST pidl);
    TMwShellTreeData(const TMwShellTreeData&) = delete;
    TMwShellTreeData& operator=(const TMwShellTreeData&) = delete;

    TMwShellTreeData* Parent() const { return parent_; }
    LPCITEMIDLIST RelIdList() const { return relIdList_.get(); }
    // The parent's absolute list followed by the relative one (for the root: as given).
    LPCITEMIDLIST AbsoluteIdList();
    std::string PathName();

    // The folder holding this item (for the root, looked up afresh each time); empty when it
    // cannot be had.
    IShellFolder* ParentFolder();
    // The item's own folder, bound when first asked for; empty when the item is no folder. The
    // desktop's, when it cannot be had, raises EMwOleError.
    IShellFolder* Folder();
    // Not for the root or the desktop; otherwise as the parent folder's attributes say.
    bool CanRename();

    // After a rename: takes a copy of the new relative list and forgets the rest.
    void SetRelIdList(LPCITEMIDLIST pidl);
    // Forgets the absolute list and the folder (for the nodes below a renamed one).
    void ResetCache();

    // The item's drop target (through its parent folder; for the desktop root, the desktop's
    // file-system folder's).
    HRESULT GetItemDropTarget(HWND window, IDropTarget** target);

private:
    bool IsDesktop();

    TMwShellTreeData* parent_;
    mw::TPidlPtr relIdList_;
    mw::TPidlPtr absIdList_;
    mw::TShellFolderPtr folder_;
    mw::TShellFolderPtr rootParentFolder_;
};
