#include "controls/shell/MwCustomShellTree.h"

#include <dbt.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/Screen.h"
#include "controls/shell/DriveRoot.h"
#include "controls/shell/DriveValidation.h"
#include "controls/shell/ForwardingDropTarget.h"
#include "controls/shell/MwChangeHandlerThread.h"
#include "controls/shell/MwCustomShellList.h"
#include "controls/shell/MwIdListArray.h"
#include "controls/shell/MwPidlList.h"
#include "controls/shell/NewFolder.h"
#include "controls/shell/QuietErrors.h"
#include "controls/shell/ShellContextMenu.h"
#include "controls/shell/ShellControlsSetup.h"
#include "controls/shell/ShellDisplayNames.h"
#include "controls/shell/ShellErrors.h"
#include "controls/shell/ShellItemEnumeration.h"
#include "controls/shell/ShellFolders.h"
#include "controls/shell/SystemImageLists.h"
#include "dragdrop/AnsiText.h"

namespace {

// Posted to itself by a new window: fill once the window is complete.
constexpr UINT CM_MWFILLWHENEMPTY = WM_USER + 103;  // 0x0467

constexpr int kTagSelection = 1;
constexpr int kTagRefresh = 2;
constexpr int kSelectionDelay = 500;
constexpr int kRefreshDelayFocused = 400;
constexpr int kRefreshDelay = 2000;

// What AddShellNode asks of an item: has sub-folders, file system, folder, file-system
// ancestor, removable, link, share, ghosted.
constexpr ULONG kItemAttributes = SFGAO_HASSUBFOLDER | SFGAO_FILESYSTEM | SFGAO_FOLDER | SFGAO_FILESYSANCESTOR |
                                  SFGAO_REMOVABLE | SFGAO_LINK | SFGAO_SHARE | SFGAO_GHOSTED;

const cl::TEnumNames kShellTreeOptionNames{{{"stoAutoFill", stoAutoFill},
                                            {"stoVirtualFolders", stoVirtualFolders},
                                            {"stoDesignInteractive", stoDesignInteractive},
                                            {"stoDefaultKeyHandling", stoDefaultKeyHandling},
                                            {"stoContextMenus", stoContextMenus},
                                            {"stoDynamicRefresh", stoDynamicRefresh},
                                            {"stoIncludeNonFolders", stoIncludeNonFolders},
                                            {"stoOleDrag", stoOleDrag},
                                            {"stoOleDrop", stoOleDrop},
                                            {"stoShowHidden", stoShowHidden}}};

// The signed low 16 bits of a successful CompareIDs; 0 when it failed.
int CompareResult(HRESULT result) { return SUCCEEDED(result) ? static_cast<short>(HRESULT_CODE(result)) : 0; }

bool IsBelowOrSame(cl::TTreeNode* node, cl::TTreeNode* ancestor) {
    for (cl::TTreeNode* n = node; n; n = n->Parent())
        if (n == ancestor) return true;
    return false;
}

// A directory link (a junction or symbolic link): its contents are another folder's.
bool IsDirectoryLink(const std::string& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Gives an image list (if any) a background colour for one scope.
class TImageListBkColor {
public:
    TImageListBkColor(HIMAGELIST list, COLORREF colour) : list_(list), old_(list ? ImageList_SetBkColor(list, colour) : CLR_NONE) {}
    ~TImageListBkColor() {
        if (list_) ImageList_SetBkColor(list_, old_);
    }
    TImageListBkColor(const TImageListBkColor&) = delete;
    TImageListBkColor& operator=(const TImageListBkColor&) = delete;

private:
    HIMAGELIST list_;
    COLORREF old_;
};

}  // namespace

struct TMwCustomShellTree::TBusy {
    explicit TBusy(TMwCustomShellTree& tree) : tree_(tree) { ++tree_.busyCount_; }
    ~TBusy() { --tree_.busyCount_; }
    TBusy(const TBusy&) = delete;
    TBusy& operator=(const TBusy&) = delete;
    TMwCustomShellTree& tree_;
};

struct TMwCustomShellTree::TUpdate {
    explicit TUpdate(TMwCustomShellTree& tree) : tree_(tree) { tree_.BeginUpdate(); }
    ~TUpdate() { tree_.EndUpdate(); }
    TUpdate(const TUpdate&) = delete;
    TUpdate& operator=(const TUpdate&) = delete;
    TMwCustomShellTree& tree_;
};

const cl::TClassInfo& TMwCustomShellTree::StaticClass() {
    using T = TMwCustomShellTree;
    static const auto info = cl::TClassBuilder<T>("TMwCustomShellTree", TMwCustomTreeView::StaticClass())
                                 .Enum<TMwAboutInfo>("About", &T::About, &T::SetAbout, mw::kAboutInfoNames)
                                 .Object("BaseFolder", &T::BaseFolder)
                                 .Set("Options", &T::Options, &T::SetOptions, kShellTreeOptionNames)
                                 .Ref<TMwCustomShellList>("ShellList", &T::ShellList, &T::SetShellList)
                                 .Event("OnAddItem", &T::OnAddItem)
                                 .Event("OnDeleteItem", &T::OnDeleteItem)
                                 .Event("OnInsertItem", &T::OnInsertItem)
                                 .Event("OnPopupHint", &T::OnPopupHint)
                                 .Event("OnEdited", &T::OnEdited)
                                 .Event("OnFillStart", &T::OnFillStart)
                                 .Event("OnFillComplete", &T::OnFillComplete)
                                 .Build();
    return *info;
}

TMwCustomShellTree::TMwCustomShellTree(cl::TComponent* owner)
    : TMwCustomTreeView(owner), refreshTimer_(std::make_unique<cl::TTimer>(nullptr)) {
    refreshTimer_->SetEnabled(false);
    refreshTimer_->SetOnTimer(cl::TNotifyEvent(this, &TMwCustomShellTree::TimerTick));
    baseFolder_.OnChange = cl::TNotifyEvent(this, &TMwCustomShellTree::BaseFolderChanged);
    selectedFolder_.OnChange = cl::TNotifyEvent(this, &TMwCustomShellTree::SelectedFolderChanged);
    SetShowRoot(false);
    SetBounds(Left(), Top(), 150, 150);
    const mw::THoverSettings& hover = mw::HoverExpandSettings();
    dragScroll_.SetHover(hover.time, static_cast<int>(hover.width), static_cast<int>(hover.height));
    menuHandler_.onPopupHint = [this](const std::string& hint) { OnPopupHint(this, hint); };
    mw::DeviceChangeHandler()->AddListener(TMwDeviceChangeEvent(this, &TMwCustomShellTree::DeviceChange));
}

TMwCustomShellTree::~TMwCustomShellTree() {
    *alive_ = false;
    SetShellList(nullptr);
    mw::DeviceChangeHandler()->RemoveListener(TMwDeviceChangeEvent(this, &TMwCustomShellTree::DeviceChange));
    refreshTimer_.reset();
    Destroying();
    RevokeDropTarget();
    FreeWatcher();
    DestroyHandle();
    dragData_.Reset();
}

// ---- properties ----

void TMwCustomShellTree::SetBaseFolder(const TMwShellLocator* folder) {
    if (IsLoading()) return;
    baseFolder_.Assign(folder);
}

void TMwCustomShellTree::SetSelectedFolder(const TMwShellLocator* folder) { selectedFolder_.Assign(folder); }

bool TMwCustomShellTree::SelectPath(const std::string& path) {
    mw::TPidlPtr pidl;
    if (FAILED(mw::PathToPidl(path, pidl)) || !pidl) return false;
    selectedFolder_.SetIdList(pidl.get());
    return true;
}

std::string TMwCustomShellTree::SelectedPathName() {
    TMwShellTreeData* data = ShellData(Selected());
    return data ? data->PathName() : std::string();
}

void TMwCustomShellTree::SetShellList(TMwCustomShellList* list) {
    if (list == list_) return;
    if (list_) {
        list_->SetShellTree(nullptr);
        RemoveFreeNotification(list_);
    }
    list_ = list;
    if (!list_) return;
    list_->SetShellTree(this);
    FreeNotification(list_);
    HandSelectedFolderToList();
}

void TMwCustomShellTree::HandSelectedFolderToList() {
    if (list_ && selectedFolder_.GetIdList()) list_->SetFolder(&selectedFolder_);
}

void TMwCustomShellTree::SetOptions(TMwShellTreeOptions options) {
    const TMwShellTreeOptions old = options_;
    options_ = options;
    if (old != options && !IsLoading()) OptionsChanged(old);
}

void TMwCustomShellTree::OptionsChanged(TMwShellTreeOptions old) {
    if (!HandleAllocated()) return;
    const auto changed = [&](TMwShellTreeOption o) { return ((old ^ options_) & ShellTreeOptionBit(o)) != 0; };
    if (changed(stoOleDrag)) {
        const LONG style = GetWindowLongA(Handle(), GWL_STYLE);
        SetWindowLongA(Handle(), GWL_STYLE, HasOption(stoOleDrag) ? (style & ~TVS_DISABLEDRAGDROP) : (style | TVS_DISABLEDRAGDROP));
    }
    if (changed(stoOleDrop)) {
        if (HasOption(stoOleDrop)) RegisterDropTarget();
        else RevokeDropTarget();
    }
    if (changed(stoVirtualFolders) || changed(stoIncludeNonFolders) || changed(stoShowHidden))
        if (NodeCount() > 0) Fill();
    if (changed(stoDynamicRefresh) || (HasOption(stoDynamicRefresh) && changed(stoIncludeNonFolders))) {
        if (HasOption(stoDynamicRefresh)) WatchDrives();
        else WatchDrive("");
    }
}

void TMwCustomShellTree::BaseFolderChanged(cl::TObject*) {
    if (HasOption(stoAutoFill) && HandleAllocated() && !IsLoading()) Fill();
}

void TMwCustomShellTree::SelectedFolderChanged(cl::TObject*) {
    if (busyCount_ > 0 || IsLoading()) {
        HandSelectedFolderToList();
        return;
    }
    if (HandleAllocated() && NodeCount() > 0) SelectPidl(selectedFolder_.GetIdList());
}

// ---- nodes and their records ----

TMwShellTreeData* TMwCustomShellTree::ShellData(cl::TTreeNode* node) const {
    if (!node) return nullptr;
    auto it = nodeData_.find(node->ItemId());
    return it == nodeData_.end() ? nullptr : it->second.get();
}

// The records of a subtree go children first, whatever order the tree view reports the items
// in: a record builds its absolute list from its parent's.
void TMwCustomShellTree::DeleteNodeData(HTREEITEM item) {
    std::vector<HTREEITEM> subtree{item};
    for (size_t i = 0; i < subtree.size(); ++i)
        for (HTREEITEM child = TreeView_GetChild(Handle(), subtree[i]); child; child = TreeView_GetNextSibling(Handle(), child))
            subtree.push_back(child);
    for (auto it = subtree.rbegin(); it != subtree.rend(); ++it) {
        cl::TTreeNode* node = NodeFromItem(*it);
        if (node == dragNode_) dragNode_ = nullptr;
        if (node == highlighted_) highlighted_ = nullptr;
        auto found = nodeData_.find(*it);
        if (found == nodeData_.end()) continue;
        std::unique_ptr<TMwShellTreeData> data = std::move(found->second);
        nodeData_.erase(found);
        if (node) OnDeleteItem(this, node, data.get());
    }
}

void TMwCustomShellTree::FreeAllNodeData() {
    nodeData_.clear();
    dragNode_ = highlighted_ = nullptr;
}

void TMwCustomShellTree::SetHasChildren(cl::TTreeNode* node, bool hasChildren) {
    TVITEMA item{};
    item.mask = TVIF_CHILDREN;
    item.hItem = node->ItemId();
    item.cChildren = hasChildren ? 1 : 0;
    SendMessageA(Handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

bool TMwCustomShellTree::HasChildrenButton(cl::TTreeNode* node) const {
    TVITEMA item{};
    item.mask = TVIF_CHILDREN;
    item.hItem = node->ItemId();
    SendMessageA(const_cast<TMwCustomShellTree*>(this)->Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.cChildren != 0;
}

HWND TMwCustomShellTree::FormWindow() {
    cl::TCustomForm* form = ParentForm();
    if (form && form->HandleAllocated()) return form->Handle();
    return HandleAllocated() ? Handle() : nullptr;
}

DWORD TMwCustomShellTree::EnumFlags() const {
    DWORD flags = SHCONTF_FOLDERS;
    if (HasOption(stoShowHidden)) flags |= SHCONTF_INCLUDEHIDDEN;
    if (HasOption(stoIncludeNonFolders)) flags |= SHCONTF_NONFOLDERS;
    return flags;
}

void TMwCustomShellTree::DoInsertItem(cl::TTreeNode* node) { OnInsertItem(this, node); }

void TMwCustomShellTree::DoFillStart() { OnFillStart(this); }

void TMwCustomShellTree::DoFillComplete() { OnFillComplete(this); }

bool TMwCustomShellTree::DoAddItem(IShellFolder* folder, LPCITEMIDLIST parentPidl, LPCITEMIDLIST itemPidl, ULONG attributes) {
    bool allow = true;
    OnAddItem(this, folder, parentPidl, itemPidl, attributes, allow);
    return allow;
}

HRESULT TMwCustomShellTree::AddShellNode(IShellFolder* folder, LPCITEMIDLIST parentPidl, LPCITEMIDLIST itemPidl,
                                         cl::TTreeNode* parentNode, cl::TTreeNode** added) {
    if (added) *added = nullptr;
    if (!itemPidl) return S_OK;
    ULONG attributes = kItemAttributes;
    const HRESULT result = folder->GetAttributesOf(1, &itemPidl, &attributes);
    if (FAILED(result)) return result;
    const bool shown = HasOption(stoVirtualFolders) || (attributes & (SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR));
    if (!shown || !DoAddItem(folder, parentPidl, itemPidl, attributes)) return S_OK;

    cl::TTreeNode* node = AddChild(parentNode, mw::GetRelativeDisplayName(folder, itemPidl, mw::TMwNameKind::InFolder));
    auto data = std::make_unique<TMwShellTreeData>(ShellData(parentNode), itemPidl);
    node->SetData(data.get());
    nodeData_[node->ItemId()] = std::move(data);

    const bool folderLike = (attributes & SFGAO_FOLDER) != 0, subFolders = (attributes & SFGAO_HASSUBFOLDER) != 0;
    TVITEMA item{};
    item.mask = TVIF_CHILDREN | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
    item.hItem = node->ItemId();
    item.cChildren = (HasOption(stoIncludeNonFolders) ? (subFolders || folderLike) : (subFolders && folderLike)) ? 1 : 0;
    // Icons are looked up when the node is first drawn.
    item.iImage = I_IMAGECALLBACK;
    item.iSelectedImage = I_IMAGECALLBACK;
    item.stateMask = TVIS_OVERLAYMASK | TVIS_CUT;
    if (attributes & SFGAO_SHARE) item.state = INDEXTOOVERLAYMASK(1);
    else if (attributes & SFGAO_LINK) item.state = INDEXTOOVERLAYMASK(2);
    if (attributes & SFGAO_GHOSTED) item.state |= TVIS_CUT;
    SendMessageA(Handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));

    DoInsertItem(node);
    if (added) *added = node;
    return S_OK;
}

void TMwCustomShellTree::FillIconIndexes(NMTVDISPINFOA& info) {
    cl::TTreeNode* node = NodeFromItem(info.item.hItem);
    TMwShellTreeData* data = ShellData(node);
    if (!data) return;
    if (info.item.mask & (TVIF_IMAGE | TVIF_SELECTEDIMAGE)) {
        LPCITEMIDLIST pidl = data->AbsoluteIdList();
        info.item.iImage = mw::GetShellIconIndex(pidl, SHGFI_SMALLICON);
        info.item.iSelectedImage = mw::GetShellIconIndex(pidl, SHGFI_SMALLICON | SHGFI_OPENICON);
        info.item.mask |= TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_DI_SETITEM;
    }
}

void TMwCustomShellTree::FillFolder(IShellFolder* folder, cl::TTreeNode* node) {
    DoFillStart();
    const mw::TQuietErrors quiet;
    if (!node) {
        mw::TPidlPtr pidl = mw::CopyPidl(nullptr, baseFolder_.GetIdList());
        if (!pidl) pidl = mw::EmptyPidl();
        node = AddChild(nullptr, mw::GetPidlDisplayName(pidl.get()));
        node->SetImageIndex(mw::GetShellIconIndex(pidl.get(), SHGFI_SMALLICON));
        node->SetSelectedIndex(mw::GetShellIconIndex(pidl.get(), SHGFI_SMALLICON | SHGFI_OPENICON));
        SetHasChildren(node, true);
        auto data = std::make_unique<TMwShellTreeData>(nullptr, pidl.get());
        node->SetData(data.get());
        nodeData_[node->ItemId()] = std::move(data);
        DoInsertItem(node);
    }
    TMwShellTreeData* nodeData = ShellData(node);
    LPCITEMIDLIST parentPidl = nodeData ? nodeData->AbsoluteIdList() : nullptr;

    std::vector<mw::TPidlPtr> items;
    if (!mw::EnumerateShellItems(folder, FormWindow(), EnumFlags(), items) && items.empty()) {
        // The folder cannot be listed now (a drive without a disk, say): it stays expandable.
        DoFillComplete();
        return;
    }
    bool anyAdded = false;
    for (const mw::TPidlPtr& item : items) {
        cl::TTreeNode* added = nullptr;
        mw::OleCheck(AddShellNode(folder, parentPidl, item.get(), node, &added));
        anyAdded = anyAdded || added;
    }
    if (!anyAdded) SetHasChildren(node, false);
    SortChildren(node);
    if (!node->Parent()) node->SetExpanded(true);
    DoFillComplete();
}

int CALLBACK CompareShellNodes(LPARAM first, LPARAM second, LPARAM tree) {
    try {
        auto* self = reinterpret_cast<TMwCustomShellTree*>(tree);
        TMwShellTreeData* a = self->ShellData(reinterpret_cast<cl::TTreeNode*>(first));
        TMwShellTreeData* b = self->ShellData(reinterpret_cast<cl::TTreeNode*>(second));
        if (!a || !b) return 0;
        IShellFolder* folder = a->ParentFolder();
        if (!folder) return 0;
        return CompareResult(folder->CompareIDs(0, a->RelIdList(), b->RelIdList()));
    } catch (...) {
        cl::TApplication::HandleCurrentException();
        return 0;
    }
}

void TMwCustomShellTree::SortChildren(cl::TTreeNode* node) {
    TVSORTCB sort{};
    sort.hParent = node ? node->ItemId() : TVI_ROOT;
    sort.lpfnCompare = CompareShellNodes;
    sort.lParam = reinterpret_cast<LPARAM>(this);
    SendMessageA(Handle(), TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
}

void TMwCustomShellTree::ExpandShellNode(cl::TTreeNode* node) {
    TMwShellTreeData* data = ShellData(node);
    if (!data || node->HasChildren() || !HasChildrenButton(node)) return;
    IShellFolder* folder = data->Folder();
    if (!folder) {
        SetHasChildren(node, false);
        return;
    }
    const cl::TScopedCursor hourglass;
    FillFolder(folder, node);
}

// ---- filling, selecting, refreshing ----

bool TMwCustomShellTree::RefreshDeferred() {
    if (!inDrag_ && !inEdit_) return false;
    refreshWanted_ = true;
    return true;
}

void TMwCustomShellTree::RefreshIfWanted() {
    if (!refreshWanted_ || inDrag_ || inEdit_) return;
    refreshWanted_ = false;
    Refresh();
}

void TMwCustomShellTree::Fill() {
    if (RefreshDeferred()) return;
    const cl::TScopedCursor hourglass;
    {
        const TBusy busy(*this);
        SetSelected(nullptr);
        ClearNodes();
        FreeAllNodeData();
    }
    mw::TShellFolderPtr folder;
    mw::OleCheck(mw::BindToFolder(baseFolder_.GetIdList(), folder));
    FillFolder(folder.Get(), nullptr);
    if (selectedFolder_.GetIdList()) SelectPidl(selectedFolder_.GetIdList());
    else if (cl::TTreeNode* first = GetFirstNode()) SetSelected(first);
    // A pending selection change goes out now; a pending refresh is done: the tree is fresh.
    if (refreshTimer_->Tag() == kTagRefresh) {
        refreshTimer_->SetEnabled(false);
        refreshTimer_->SetTag(0);
    } else if (refreshTimer_->Tag() != 0) {
        TimerTick(refreshTimer_.get());
    }
    if (HasOption(stoDynamicRefresh)) WatchDrives();
}

void TMwCustomShellTree::SelectPidl(LPCITEMIDLIST pidl) {
    if (busyCount_ > 0) return;
    cl::TTreeNode* root = GetFirstNode();
    if (!root) return;
    userSelect_ = true;
    const TUpdate update(*this);
    if (mw::GetPidlSize(pidl) <= 2) {
        SetSelected(root);
        root->MakeVisible();
        return;
    }
    TMwIdListArray base(baseFolder_.GetIdList());
    TMwIdListArray target(pidl);
    const int baseCount = base.Count(), targetCount = target.Count();
    if (baseCount >= targetCount) {
        SetSelected(root);
        root->SetExpanded(true);
        root->MakeVisible();
        return;
    }
    // Only a folder inside the base folder has a node.
    if (baseCount > 0 && mw::ComparePidls(target.ParentPidl(targetCount - baseCount), base.ParentPidl(0)) != 0) {
        MessageBeep(0xFFFFFFFF);
        return;
    }
    cl::TTreeNode* node = root;
    root->SetExpanded(true);
    for (int i = baseCount; i < targetCount; ++i) {
        TMwShellTreeData* data = ShellData(node);
        IShellFolder* folder = data ? data->Folder() : nullptr;
        if (!folder) break;
        mw::TPidlPtr item = mw::CopyPidl(nullptr, target.Item(i));
        cl::TTreeNode* found = nullptr;
        for (cl::TTreeNode* child = node->GetFirstChild(); child && !found; child = child->GetNextSibling())
            if (TMwShellTreeData* c = ShellData(child))
                if (const HRESULT order = folder->CompareIDs(0, c->RelIdList(), item.get()); SUCCEEDED(order) && CompareResult(order) == 0)
                    found = child;
        if (!found) {
            const HRESULT added = AddShellNode(folder, data->AbsoluteIdList(), item.get(), node, &found);
            if (FAILED(added) || !found) {
                MessageBeep(0xFFFFFFFF);
                break;
            }
            SetHasChildren(node, true);
        }
        // The last folder is opened too when the list leaves its sub-folders to the tree.
        if (i < targetCount - 1 || (list_ && list_->HasOption(mw::sloHideFoldersWhenLinked))) found->SetExpanded(true);
        node = found;
    }
    SetSelected(node);
    node->MakeVisible();
}

void TMwCustomShellTree::ApplySelection(cl::TTreeNode* node) {
    TMwShellTreeData* data = ShellData(node);
    if (!data) return;
    const TBusy busy(*this);
    selectedFolder_.SetIdList(data->AbsoluteIdList());
    // Also when the selected folder was this one already (it was asked for by its locator).
    HandSelectedFolderToList();
}

void TMwCustomShellTree::Change(cl::TTreeNode* node) {
    TMwShellTreeData* data = ShellData(node);
    if (!data) return;
    if (busyCount_ > 0 || IsLoading()) {
        const TBusy busy(*this);
        selectedFolder_.SetIdList(data->AbsoluteIdList());
        return;
    }
    // Browsing with the keys refills the list only once the selection rests.
    if (userSelect_ || !list_) {
        if (refreshTimer_->Tag() == kTagSelection) {
            refreshTimer_->SetEnabled(false);
            refreshTimer_->SetTag(0);
        }
        ApplySelection(node);
    } else if (refreshTimer_->Tag() != kTagRefresh) {
        StartTimer(kTagSelection, kSelectionDelay);
    }  // else the pending refresh selects the node again, which applies it
    userSelect_ = false;
}

void TMwCustomShellTree::StartTimer(int tag, int interval) {
    refreshTimer_->SetEnabled(false);
    refreshTimer_->SetTag(tag);
    refreshTimer_->SetInterval(interval);
    refreshTimer_->SetEnabled(true);
}

void TMwCustomShellTree::TimerTick(cl::TObject*) {
    refreshTimer_->SetEnabled(false);
    const int tag = refreshTimer_->Tag();
    refreshTimer_->SetTag(0);
    if (tag == kTagSelection) ApplySelection(Selected());
    else if (tag == kTagRefresh) Refresh();
}

void TMwCustomShellTree::WatcherChanged() {
    if (ignoreNextChange_ || inDrag_) {
        ignoreNextChange_ = false;
        return;
    }
    StartTimer(kTagRefresh, Focused() ? kRefreshDelayFocused : kRefreshDelay);
}

TChangeHandlerThread& TMwCustomShellTree::Watcher() {
    if (!watcher_) watcher_ = std::make_unique<TChangeHandlerThread>(Handle(), CM_MWWATCHERCHANGE);
    return *watcher_;
}

void TMwCustomShellTree::WatchDrives() {
    Watcher().RemoveAllWatches();
    const DWORD drives = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if (!(drives & (1u << letter))) continue;
        const std::string root = std::string(1, static_cast<char>('A' + letter)) + ":\\";
        const UINT type = GetDriveTypeA(root.c_str());
        if (type == DRIVE_FIXED || type == DRIVE_REMOTE || type == DRIVE_RAMDISK) WatchDrive(root);
    }
}

void TMwCustomShellTree::WatchDrive(const std::string& path) {
    if (!path.empty()) AddFolderWatch(mw::DriveRootOf(path));
    else if (watcher_) watcher_->RemoveAllWatches();
}

void TMwCustomShellTree::AddFolderWatch(const std::string& folder) {
    const DWORD filter = FILE_NOTIFY_CHANGE_DIR_NAME | (HasOption(stoIncludeNonFolders) ? FILE_NOTIFY_CHANGE_FILE_NAME : 0);
    int slot = -1;
    Watcher().AddWatch(folder, filter, slot, true);
}

void TMwCustomShellTree::FreeWatcher() { watcher_.reset(); }

void TMwCustomShellTree::DeviceChange(TMwDeviceChangeHandler*, cl::TMessage& message) {
    if (message.wParam != DBT_DEVICEARRIVAL && message.wParam != DBT_DEVICEREMOVECOMPLETE) return;
    if (!HandleAllocated() || IsDestroying()) return;
    mw::ValidateDrives();
    const mw::TSuspendValidate suspended;
    Refresh();
}

void TMwCustomShellTree::Refresh() {
    if (RefreshDeferred()) return;
    if (NodeCount() == 0) {
        Fill();
        return;
    }
    const cl::TScopedCursor hourglass;
    {
        const TUpdate update(*this);
        DoFillStart();
        cl::TTreeNode* remembered = Selected();
        {
            const TBusy busy(*this);
            SetSelected(nullptr);
            for (cl::TTreeNode* top = GetFirstNode(); top; top = top->GetNextSibling()) Reconcile(top, remembered);
        }
        userSelect_ = true;
        if (remembered) SetSelected(remembered);
        userSelect_ = false;
    }
    DoFillComplete();
}

// Filled nodes only, level by level: what the folder no longer holds goes, what it holds anew
// comes. A renamed folder is one of each. Directory links are not gone into: a link to an
// ancestor would make the walk see the same folders again and again.
void TMwCustomShellTree::Reconcile(cl::TTreeNode* top, cl::TTreeNode*& remembered) {
    std::vector<cl::TTreeNode*> pending{top};
    while (!pending.empty()) {
        cl::TTreeNode* node = pending.back();
        pending.pop_back();
        TMwShellTreeData* data = ShellData(node);
        if (!data || (!node->HasChildren() && HasChildrenButton(node))) continue;
        if (node != top && IsDirectoryLink(data->PathName())) continue;
        IShellFolder* folder = data->Folder();
        if (!folder) continue;

        // A folder that cannot be listed now keeps its nodes.
        std::vector<mw::TPidlPtr> now;
        if (!mw::EnumerateShellItems(folder, nullptr, EnumFlags(), now)) continue;

        TMwPidlList shown;
        shown.SetShellFolder(folder);
        shown.SetDuplicates(TMwDuplicates::dupAccept);
        for (cl::TTreeNode* child = node->GetFirstChild(); child; child = child->GetNextSibling())
            if (TMwShellTreeData* c = ShellData(child)) shown.AddObject(const_cast<LPITEMIDLIST>(c->RelIdList()), child);
        shown.SetSorted(true);

        std::vector<bool> isNew(now.size(), true);
        for (size_t i = now.size(); i-- > 0;) {
            int index = 0;
            if (shown.Find(now[i].get(), index)) {
                shown.Delete(index);
                isNew[i] = false;
            }
        }
        std::vector<cl::TTreeNode*> gone;
        for (int i = 0; i < shown.Count(); ++i) gone.push_back(static_cast<cl::TTreeNode*>(shown.Objects(i)));
        shown.Clear();
        for (auto it = gone.rbegin(); it != gone.rend(); ++it) {
            if (remembered && IsBelowOrSame(remembered, *it)) remembered = (*it)->Parent();
            (*it)->Delete();
        }
        bool anyAdded = false;
        for (size_t i = 0; i < now.size(); ++i) {
            if (!isNew[i]) continue;
            cl::TTreeNode* added = nullptr;
            if (SUCCEEDED(AddShellNode(folder, data->AbsoluteIdList(), now[i].get(), node, &added)) && added) anyAdded = true;
        }
        if (anyAdded) {
            SetHasChildren(node, true);
            SortChildren(node);
        }
        for (cl::TTreeNode* child = node->GetFirstChild(); child; child = child->GetNextSibling()) pending.push_back(child);
    }
}

void TMwCustomShellTree::GoUp(int levels) {
    cl::TTreeNode* node = Selected();
    if (!node) return;
    for (int i = 0; i < levels && node->Parent(); ++i) node = node->Parent();
    userSelect_ = true;
    SetSelected(node);
    userSelect_ = false;
}

// ---- commands ----

bool TMwCustomShellTree::CreateNewFolder() {
    const std::string parent = SelectedPathName();
    // A folder outside the file system has no place for a new folder.
    if (parent.empty()) return false;
    ignoreNextChange_ = true;
    std::string name;
    if (!mw::CreateNewFolder(parent, name)) {
        ignoreNextChange_ = false;  // no change of ours is coming: the next one is real
        return false;
    }

    cl::TTreeNode* node = Selected();
    TMwShellTreeData* data = ShellData(node);
    const bool onDesktop = data && mw::GetPidlSize(data->AbsoluteIdList()) <= 2;
    // The shell may need a moment to see the new folder.
    const DWORD limit = onDesktop ? 2100 : 1000;
    const DWORD start = GetTickCount();
    const cl::TScopedCursor hourglass;
    for (;;) {
        Refresh();
        node = Selected();
        if (!node) return true;
        SetHasChildren(node, true);
        node->SetExpanded(true);
        for (cl::TTreeNode* child = node->GetFirstChild(); child; child = child->GetNextSibling())
            if (child->Text() == name) {
                child->MakeVisible();
                TreeView_EditLabel(Handle(), child->ItemId());
                return true;
            }
        if (GetTickCount() - start >= limit) return true;
        Sleep(100);
    }
}

HRESULT TMwCustomShellTree::DoCommandForNode(cl::TTreeNode* node, const std::string& verb) {
    const std::optional<HRESULT> result = InvokeNodeVerb(node, verb);
    if (!result) return S_FALSE;
    Refresh();
    return *result;
}

std::optional<HRESULT> TMwCustomShellTree::InvokeNodeVerb(cl::TTreeNode* node, const std::string& verb) {
    TMwShellTreeData* data = ShellData(node);
    if (!data || !node->Parent()) return std::nullopt;
    IShellFolder* folder = data->ParentFolder();
    if (!folder) return std::nullopt;
    LPCITEMIDLIST item = data->RelIdList();
    mw::TContextMenuPtr menu;
    mw::OleCheck(folder->GetUIObjectOf(FormWindow(), 1, &item, IID_IContextMenu, nullptr, reinterpret_cast<void**>(menu.Receive())));
    return mw::InvokeVerb(FormWindow(), menu.Get(), verb);
}

bool TMwCustomShellTree::ShortcutKey(WORD key, cl::TShiftState shift) {
    using mw::TShellTreeCommand;
    const TShellTreeCommand command = shortcuts_.CommandOf(key, shift & (cl::ssShift | cl::ssAlt | cl::ssCtrl));
    cl::TTreeNode* node = Selected();
    switch (command) {
        case TShellTreeCommand::None: return false;
        case TShellTreeCommand::EditLabel:
            if (node) TreeView_EditLabel(Handle(), node->ItemId());
            break;
        case TShellTreeCommand::Refresh: Refresh(); break;
        case TShellTreeCommand::Cut: DoCommandForNode(node, "cut"); break;
        case TShellTreeCommand::Copy: DoCommandForNode(node, "copy"); break;
        // These refresh also where no verb applies (the root), and only once where one does.
        case TShellTreeCommand::Paste:
        case TShellTreeCommand::Delete:
            InvokeNodeVerb(node, command == TShellTreeCommand::Paste ? "paste" : "delete");
            Refresh();
            break;
    }
    return true;
}

// ---- label editing ----

bool TMwCustomShellTree::CanEdit(cl::TTreeNode* node) {
    if (ReadOnly()) return false;
    TMwShellTreeData* data = ShellData(node);
    return !data || data->CanRename();
}

void TMwCustomShellTree::Edit(cl::TTreeNode* node, std::string text) {
    text = cl::Trim(text);
    OnEdited(this, node, text);
    TMwShellTreeData* data = ShellData(node);
    if (!data) {
        node->SetText(text);
        return;
    }
    IShellFolder* folder = data->ParentFolder();
    if (text.empty() || !folder) return;
    const cl::TScopedCursor hourglass;
    ignoreNextChange_ = true;
    const TBusy busy(*this);
    const std::u16string name = dragdrop::AnsiToWide(text);
    LPITEMIDLIST renamed = nullptr;
    const HRESULT result = folder->SetNameOf(FormWindow(), data->RelIdList(), reinterpret_cast<const wchar_t*>(name.c_str()),
                                             SHGDN_INFOLDER | SHGDN_FOREDITING, &renamed);
    mw::TPidlPtr newPidl = mw::AdoptPidl(renamed);
    if (SUCCEEDED(result)) {
        if (newPidl) {
            std::vector<cl::TTreeNode*> below;
            for (cl::TTreeNode* c = node->GetFirstChild(); c; c = c->GetNextSibling()) below.push_back(c);
            while (!below.empty()) {
                cl::TTreeNode* n = below.back();
                below.pop_back();
                if (TMwShellTreeData* d = ShellData(n)) d->ResetCache();
                for (cl::TTreeNode* c = n->GetFirstChild(); c; c = c->GetNextSibling()) below.push_back(c);
            }
            node->SetText(mw::GetRelativeDisplayName(folder, newPidl.get(), mw::TMwNameKind::InFolder));
            data->SetRelIdList(newPidl.get());
            if (node == Selected()) selectedFolder_.SetIdList(data->AbsoluteIdList());
        } else {
            node->SetText(mw::GetRelativeDisplayName(folder, data->RelIdList(), mw::TMwNameKind::InFolder));
        }
    }
    SortChildren(node->Parent());
}

// ---- window ----

void TMwCustomShellTree::CreateParams(TCreateParams& params) {
    TMwCustomTreeView::CreateParams(params);
    if (!HasOption(stoOleDrag)) params.style |= TVS_DISABLEDRAGDROP;
}

void TMwCustomShellTree::InitializeWnd() {
    FreeAllNodeData();  // a new window has no items
    TMwCustomTreeView::InitializeWnd();
    TreeView_SetImageList(Handle(), mw::GetSystemImageList(mw::TMwImageListSize::Small), TVSIL_NORMAL);
    if (HasOption(stoOleDrop)) RegisterDropTarget();
    if (IsLoading()) return;
    if (HasOption(stoAutoFill)) PostMessageA(Handle(), CM_MWFILLWHENEMPTY, 0, 0);
    HandSelectedFolderToList();
}

void TMwCustomShellTree::Loaded() {
    inLoaded_ = true;
    try {
        TMwCustomTreeView::Loaded();
    } catch (...) {
        inLoaded_ = false;
        throw;
    }
    inLoaded_ = false;
    if (!HasOption(stoAutoFill)) return;
    if (HandleAllocated() && NodeCount() == 0) Fill();
    HandSelectedFolderToList();
}

void TMwCustomShellTree::Notification(cl::TComponent* component, cl::TOperation operation) {
    TMwCustomTreeView::Notification(component, operation);
    if (operation == cl::TOperation::Remove && component == list_) list_ = nullptr;
}

void TMwCustomShellTree::RegisterDropTarget() {
    if (dropTarget_ || !HandleAllocated()) return;
    auto target = dragdrop::TComPtr<TDropTarget>::Adopt(TDropTarget::Create(*this));
    if (SUCCEEDED(RegisterDragDrop(Handle(), target.Get()))) dropTarget_ = std::move(target);
    else target->Detach();
}

void TMwCustomShellTree::RevokeDropTarget() {
    if (!dropTarget_) return;
    dropTarget_->Detach();
    if (HandleAllocated()) RevokeDragDrop(Handle());
    dropTarget_.Reset();
}

bool TMwCustomShellTree::Notify(NMHDR* header, LRESULT& result) {
    switch (header->code) {
        case TVN_DELETEITEMA:
        case TVN_DELETEITEMW:
            DeleteNodeData(reinterpret_cast<NMTREEVIEWA*>(header)->itemOld.hItem);
            break;
        case TVN_GETDISPINFOA:
        case TVN_GETDISPINFOW:  // the same item fields as far as the icons go
            FillIconIndexes(*reinterpret_cast<NMTVDISPINFOA*>(header));
            return true;
        case TVN_ITEMEXPANDINGA:
        case TVN_ITEMEXPANDINGW: {
            auto* nm = reinterpret_cast<NMTREEVIEWA*>(header);
            if (nm->action & TVE_EXPAND) {
                if (inLoaded_) {
                    result = TRUE;
                    return true;
                }
                if (cl::TTreeNode* node = NodeFromItem(nm->itemNew.hItem)) ExpandShellNode(node);
            }
            break;
        }
        case TVN_SELCHANGEDA:
        case TVN_SELCHANGEDW: {
            const bool handled = TMwCustomTreeView::Notify(header, result);
            Change(NodeFromItem(reinterpret_cast<NMTREEVIEWA*>(header)->itemNew.hItem));
            return handled;
        }
        case NM_CLICK: userSelect_ = true; break;
        case TVN_BEGINDRAGA:
        case TVN_BEGINDRAGW:
        case TVN_BEGINRDRAGA:
        case TVN_BEGINRDRAGW: {
            auto* nm = reinterpret_cast<NMTREEVIEWA*>(header);
            const bool right = header->code == TVN_BEGINRDRAGA || header->code == TVN_BEGINRDRAGW;
            if (cl::TTreeNode* node = NodeFromItem(nm->itemNew.hItem))
                BeginDrag(node, right ? mw::TShellDragButton::Right : mw::TShellDragButton::Left);
            return true;
        }
        case TVN_BEGINLABELEDITA:
        case TVN_BEGINLABELEDITW: {
            cl::TTreeNode* node = NodeFromItem(reinterpret_cast<NMTVDISPINFOA*>(header)->item.hItem);
            if (!node || !CanEdit(node)) {
                result = TRUE;
                return true;
            }
            inEdit_ = true;
            if (TMwShellTreeData* data = ShellData(node))
                if (HWND edit = TreeView_GetEditControl(Handle()))
                    SetWindowTextA(edit, mw::GetRelativeDisplayName(data->ParentFolder(), data->RelIdList(), mw::TMwNameKind::ForEditing).c_str());
            result = FALSE;
            return true;
        }
        case TVN_ENDLABELEDITA:
        case TVN_ENDLABELEDITW: {
            auto* info = reinterpret_cast<NMTVDISPINFOA*>(header);
            result = FALSE;
            if (!inEdit_) return true;  // an edit ends once
            inEdit_ = false;
            // The caption is set here, as the shell names the item.
            cl::TTreeNode* node = NodeFromItem(info->item.hItem);
            if (node && info->item.pszText) {
                const std::string text = header->code == TVN_ENDLABELEDITW
                                             ? dragdrop::WideToAnsi(reinterpret_cast<const char16_t*>(info->item.pszText))
                                             : std::string(info->item.pszText);
                try {
                    Edit(node, text);
                } catch (...) {
                    RefreshIfWanted();
                    throw;
                }
            }
            RefreshIfWanted();
            return true;
        }
        default: break;
    }
    return TMwCustomTreeView::Notify(header, result);
}

void TMwCustomShellTree::WndProc(cl::TMessage& m) {
    switch (m.msg) {
        case CM_MWWATCHERCHANGE:
            WatcherChanged();
            return;
        case CM_MWFILLWHENEMPTY:
            if (NodeCount() == 0) Fill();
            return;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (HasOption(stoDefaultKeyHandling) && !inEdit_ && ShortcutKey(static_cast<WORD>(m.wParam), cl::KeyboardShiftState())) {
                m.result = 0;
                return;
            }
            break;
        case WM_MOUSEWHEEL:
            PagedWheel(m);
            return;
        case WM_PAINT:
            PaintWithBlendedImages(m);
            return;
        case WM_INITMENUPOPUP:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_MENUCHAR:
        case WM_MENUSELECT: {
            TMwCustomTreeView::WndProc(m);
            LRESULT result = 0;
            if (menuHandler_.HandleMessage(m.msg, m.wParam, m.lParam, result)) m.result = result;
            return;
        }
        case WM_GETDLGCODE:
            // Enter, Escape and Tab belong to a label being edited.
            TMwCustomTreeView::WndProc(m);
            if (inEdit_) m.result |= DLGC_WANTALLKEYS;
            return;
        case WM_WINDOWPOSCHANGED:
            if (destroyingWnd_) return;
            break;
        case WM_DESTROY:
            destroyingWnd_ = true;
            refreshTimer_->SetEnabled(false);
            refreshTimer_->SetTag(0);
            break;
        case WM_NCDESTROY:
            RevokeDropTarget();
            FreeWatcher();
            TMwCustomTreeView::WndProc(m);
            destroyingWnd_ = false;
            return;
        default: break;
    }
    TMwCustomTreeView::WndProc(m);
}

// The icons blend with the tree's own colour while it paints.
void TMwCustomShellTree::PaintWithBlendedImages(cl::TMessage& m) {
    const COLORREF colour = cl::ColorToRGB(Color());
    const TImageListBkColor small(mw::GetSystemImageList(mw::TMwImageListSize::Small), colour);
    const TImageListBkColor state(TreeView_GetImageList(Handle(), TVSIL_STATE), colour);
    TMwCustomTreeView::WndProc(m);
}

// Whole notches scroll as the system's wheel setting says: lines, or a page; only when there is
// more than one page to scroll.
void TMwCustomShellTree::PagedWheel(cl::TMessage& m) {
    m.result = 0;
    wheelRest_ += GET_WHEEL_DELTA_WPARAM(m.wParam);
    while (wheelRest_ >= WHEEL_DELTA || wheelRest_ <= -WHEEL_DELTA) {
        const bool down = wheelRest_ < 0;
        wheelRest_ += down ? WHEEL_DELTA : -WHEEL_DELTA;
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_RANGE | SIF_PAGE;
        if (!GetScrollInfo(Handle(), SB_VERT, &info) || info.nMax - info.nMin + 1 <= static_cast<int>(info.nPage)) continue;
        UINT lines = 3;
        SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
        if (lines == WHEEL_PAGESCROLL) {
            SendMessageA(Handle(), WM_VSCROLL, down ? SB_PAGEDOWN : SB_PAGEUP, 0);
        } else {
            for (UINT i = 0; i < lines; ++i) SendMessageA(Handle(), WM_VSCROLL, down ? SB_LINEDOWN : SB_LINEUP, 0);
        }
    }
}
