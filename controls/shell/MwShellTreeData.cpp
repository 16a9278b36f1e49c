#include "controls/shell/MwShellTreeData.h"

#include "controls/shell/MwIdListArray.h"
#include "controls/shell/MwShellIntf.h"
#include "controls/shell/PidlLayout.h"
#include "controls/shell/ShellErrors.h"
#include "controls/shell/ShellFolders.h"
#include "controls/shell/ShellParentFolder.h"

TMwShellTreeData::TMwShellTreeData(TMwShellTreeData* parent, LPCITEMIDLIST pidl) : parent_(parent) {
    if (parent_) {
        relIdList_ = mw::CopyPidl(nullptr, pidl);
        return;
    }
    absIdList_ = mw::CopyPidl(nullptr, pidl);
    TMwIdListArray items(pidl);
    relIdList_ = mw::CopyPidl(nullptr, items.Count() > 0 ? items.Item(items.Count() - 1) : pidl);
}

LPCITEMIDLIST TMwShellTreeData::AbsoluteIdList() {
    if (!absIdList_ && parent_) absIdList_ = mw::ConcatPidls(nullptr, parent_->AbsoluteIdList(), relIdList_.get());
    return absIdList_.get();
}

std::string TMwShellTreeData::PathName() {
    const LPCITEMIDLIST pidl = AbsoluteIdList();
    return pidl ? mw::PidlToPath(pidl) : std::string();
}

bool TMwShellTreeData::IsDesktop() { return mw::GetPidlSize(AbsoluteIdList()) <= mw::kPidlTerminatorSize; }

IShellFolder* TMwShellTreeData::ParentFolder() {
    if (parent_) return parent_->Folder();
    mw::TPidlPtr parentList;
    mw::TPidlPtr item;
    if (FAILED(mw::GetParentFolderAndItem(AbsoluteIdList(), rootParentFolder_, parentList, item))) rootParentFolder_.Reset();
    return rootParentFolder_.Get();
}

IShellFolder* TMwShellTreeData::Folder() {
    if (folder_) return folder_.Get();
    if (IsDesktop()) {
        mw::OleCheck(SHGetDesktopFolder(folder_.Receive()));
        return folder_.Get();
    }
    IShellFolder* parent = ParentFolder();
    if (!parent || FAILED(parent->BindToObject(relIdList_.get(), nullptr, mw::kIidShellFolder,
                                               reinterpret_cast<void**>(folder_.Receive()))))
        folder_.Reset();
    return folder_.Get();
}

bool TMwShellTreeData::CanRename() {
    if (!parent_ || IsDesktop()) return false;
    IShellFolder* parent = ParentFolder();
    if (!parent) return false;
    LPCITEMIDLIST items[] = {relIdList_.get()};
    ULONG attributes = 0x40000177;
    return SUCCEEDED(parent->GetAttributesOf(1, items, &attributes)) && (attributes & SFGAO_CANRENAME);
}

void TMwShellTreeData::SetRelIdList(LPCITEMIDLIST pidl) {
    mw::TPidlPtr copy = mw::CopyPidl(nullptr, pidl);
    if (!parent_) {
        // The root keeps its place: its parent's list followed by the new item.
        TMwIdListArray items(absIdList_.get());
        absIdList_ = mw::ConcatPidls(nullptr, items.Count() > 0 ? items.ParentPidl(1) : nullptr, copy.get());
    } else {
        absIdList_.reset();
    }
    relIdList_ = std::move(copy);
    folder_.Reset();
}

void TMwShellTreeData::ResetCache() {
    if (parent_) absIdList_.reset();
    folder_.Reset();
}

HRESULT TMwShellTreeData::GetItemDropTarget(HWND window, IDropTarget** target) {
    *target = nullptr;
    if (!parent_ && IsDesktop()) return mw::DesktopDropTarget(target);
    if (parent_) {
        IShellFolder* parent = ParentFolder();
        if (!parent) return E_FAIL;
        LPCITEMIDLIST items[] = {relIdList_.get()};
        return parent->GetUIObjectOf(window, 1, items, mw::kIidDropTarget, nullptr, reinterpret_cast<void**>(target));
    }
    mw::TShellFolderPtr folder;
    mw::TPidlPtr parentList;
    mw::TPidlPtr item;
    const HRESULT result = mw::GetParentFolderAndItem(AbsoluteIdList(), folder, parentList, item);
    if (FAILED(result)) return result;
    LPCITEMIDLIST items[] = {item.get()};
    return folder->GetUIObjectOf(window, 1, items, mw::kIidDropTarget, nullptr, reinterpret_cast<void**>(target));
}
