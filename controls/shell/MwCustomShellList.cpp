#include "controls/shell/MwCustomShellList.h"

#include <windowsx.h>
#include <dbt.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Restore.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/Screen.h"
#include "controls/shell/DriveValidation.h"
#include "controls/shell/ForwardingDropTarget.h"
#include "controls/shell/MwChangeHandlerThread.h"
#include "controls/shell/MwDeviceChangeHandler.h"
#include "controls/shell/MwPidlList.h"
#include "controls/shell/MwShellIntf.h"
#include "controls/shell/MwShellTreeData.h"
#include "controls/shell/PidlLayout.h"
#include "controls/shell/QuietErrors.h"
#include "controls/shell/ShellDisplayNames.h"
#include "controls/shell/ShellErrors.h"
#include "controls/shell/ShellItemEnumeration.h"
#include "controls/shell/ShellListColumns.h"
#include "controls/shell/ShellListKeys.h"
#include "controls/shell/ShellMenuCommands.h"
#include "controls/shell/ShellParentFolder.h"
#include "controls/shell/ShellShortcut.h"
#include "controls/shell/ShellStrRet.h"
#include "controls/shell/SystemImageLists.h"
#include "dragdrop/AnsiText.h"

namespace {

constexpr ULONG kAcceptAttributes = 0x720B0000;  // file system, folder, ancestor, removable, link, share, ghosted
constexpr DWORD kNameChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;
constexpr UINT kGetShellBrowser = WM_USER + 7;  // 0x0407: the shell asks for its browser
constexpr int kMaxColumns = 64;

// The widths of the last file-system folder's columns, for every list of the process.
mw::TColumnWidthMemory& ColumnWidths() {
    static mw::TColumnWidthMemory memory;
    return memory;
}

std::vector<uint8_t> ReadDirectoryCols() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return {};
    std::unique_ptr<std::remove_pointer_t<HKEY>, decltype(&RegCloseKey)> owned(key, &RegCloseKey);
    std::vector<uint8_t> bytes(mw::kDirectoryColsMaxBytes);
    DWORD size = static_cast<DWORD>(bytes.size());
    if (RegQueryValueExA(key, "DirectoryCols", nullptr, nullptr, bytes.data(), &size) != ERROR_SUCCESS) return {};
    bytes.resize(size);
    return bytes;
}

// The list without its last levels items (the desktop at most).
mw::TPidlPtr ParentPidl(LPCITEMIDLIST pidl, int levels) {
    const uint8_t* bytes = mw::PidlBytes(pidl);
    const int keep = std::max(0, mw::PidlItemCount(bytes) - levels);
    std::vector<uint8_t> parent(bytes, bytes + mw::PidlPrefixSize(bytes, keep));
    parent.push_back(0);
    parent.push_back(0);
    return mw::PidlFromBytes(parent.data(), parent.size());
}

class TUpdateScope {
public:
    explicit TUpdateScope(cl::TListView& list) : list_(list) { list_.BeginUpdate(); }
    ~TUpdateScope() { list_.EndUpdate(); }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
    cl::TListView& list_;
};

}  // namespace

const cl::TClassInfo& TMwCustomShellList::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwCustomShellList>("TMwCustomShellList", TMwCustomListView::StaticClass()).Build();
    return *info;
}

TMwCustomShellList::TMwCustomShellList(cl::TComponent* owner) : TMwCustomListView(owner), refreshTimer_(nullptr) {
    folder_.OnChange = cl::TNotifyEvent(this, &TMwCustomShellList::FolderChanged);
    refreshTimer_.SetEnabled(false);
    refreshTimer_.SetOnTimer(cl::TNotifyEvent(this, &TMwCustomShellList::RefreshTimerTick));
    menu_.onPopupHint = [this](const std::string& hint) { OnPopupHint(this, hint); };
    SetOwnerData(true);
    SetMultiSelect(true);
    SetViewStyle(cl::TViewStyle::Report);
    mw::DeviceChangeHandler()->AddListener(TMwDeviceChangeEvent(this, &TMwCustomShellList::DeviceChange));
}

TMwCustomShellList::~TMwCustomShellList() {
    mw::DeviceChangeHandler()->RemoveListener(TMwDeviceChangeEvent(this, &TMwCustomShellList::DeviceChange));
    Destroying();
    // What the window's destruction does (a list in its destructor no longer hears it), while
    // the window is still there to revoke the target of and to read the widths from.
    WindowGoing();
    // The window asks for texts from the records: it goes before them.
    DestroyHandle();
    refreshTimer_.SetEnabled(false);
    ClearShellItems();
    // The linked tree hears of the list's end through the free notification and lets go.
}

// ---- properties ----

void TMwCustomShellList::SetListOptions(mw::TMwShellListOptions options) {
    if (options == options_) return;
    const mw::TMwShellListOptions changed = options ^ options_;
    options_ = options;
    if (!HandleAllocated() || IsLoading()) return;
    if (changed & mw::sloOleDrop) {
        if (HasOption(mw::sloOleDrop)) RegisterDropTarget();
        else RevokeDropTarget();
    }
    if (changed & mw::sloDynamicRefresh) {
        if (HasOption(mw::sloDynamicRefresh)) WatchFolder();
        else if (watcher_) watcher_->RemoveAllWatches();
    }
    if (changed & (mw::sloShowHidden | mw::sloVirtualFolders | mw::sloHideFoldersWhenLinked)) Refresh();
}

void TMwCustomShellList::SetFileFilter(const std::string& filter) {
    if (filter == fileFilter_) return;
    fileFilter_ = filter;
    filter_ = mw::TFileFilter(filter);
    if (HandleAllocated() && !IsLoading() && shown_) Fill();
}

void TMwCustomShellList::SetSortColumn(int column) {
    if (column == sortColumn_) return;
    sortColumn_ = column;
    if (HandleAllocated() && ItemCount() > 0) Sort();
}

void TMwCustomShellList::SetShellTree(TMwShellTreeLink* tree) {
    if (tree == tree_) return;
    if (tree_) RemoveFreeNotification(tree_->LinkComponent());
    tree_ = tree;
    if (tree_) FreeNotification(tree_->LinkComponent());
}

void TMwCustomShellList::Notification(cl::TComponent* component, cl::TOperation operation) {
    TMwCustomListView::Notification(component, operation);
    if (operation == cl::TOperation::Remove && tree_ && component == tree_->LinkComponent()) tree_ = nullptr;
}

TMwShellListData* TMwCustomShellList::ShellData(cl::TListItem* item) const {
    const auto found = records_.find(item);
    return found == records_.end() ? nullptr : found->second.data.get();
}

// ---- window ----

void TMwCustomShellList::CreateWnd() {
    cl::TRestore<bool> restore(inCreateWnd_);
    inCreateWnd_ = true;
    TMwCustomListView::CreateWnd();
    if (HasOption(mw::sloOleDrop)) RegisterDropTarget();
    if (HasOption(mw::sloAutoFill) && ItemCount() == 0 && !IsLoading()) PostMessageA(Handle(), kFillMessage, 0, 0);
    // A window made again (after a style change) keeps following the folder shown.
    if (shown_ && HasOption(mw::sloDynamicRefresh)) WatchFolder();
}

void TMwCustomShellList::InitializeWnd() {
    TMwCustomListView::InitializeWnd();
    ListView_SetImageList(Handle(), mw::GetSystemImageList(mw::TMwImageListSize::Small), LVSIL_SMALL);
    ListView_SetImageList(Handle(), mw::GetSystemImageList(mw::TMwImageListSize::Large), LVSIL_NORMAL);
    ListView_SetCallbackMask(Handle(), LVIS_OVERLAYMASK | LVIS_CUT | LVIS_DROPHILITED);
}

void TMwCustomShellList::Loaded() {
    TMwCustomListView::Loaded();
    if (HandleAllocated() && !inCreateWnd_ && HasOption(mw::sloAutoFill) && ItemCount() == 0)
        PostMessageA(Handle(), kFillMessage, 0, 0);
}

HWND TMwCustomShellList::FormWindow() { return HandleAllocated() ? GetAncestor(Handle(), GA_ROOT) : nullptr; }

void TMwCustomShellList::RegisterDropTarget() {
    if (dropTarget_ || !HandleAllocated()) return;
    TDropTarget* target = TDropTarget::Create(*this);
    if (SUCCEEDED(RegisterDragDrop(Handle(), target))) dropTarget_ = target;
    else target->Release();
}

void TMwCustomShellList::WindowGoing() {
    if (fileSystemColumns_) SaveColumnWidths();
    watcher_.reset();
    RevokeDropTarget();
}

void TMwCustomShellList::RevokeDropTarget() {
    if (!dropTarget_) return;
    if (HandleAllocated()) RevokeDragDrop(Handle());
    dropTarget_->Detach();
    std::exchange(dropTarget_, nullptr)->Release();
}

// ---- filling ----

void TMwCustomShellList::FolderChanged(cl::TObject*) {
    if (followingFolder_ || IsLoading()) return;
    cl::TRestore<bool> restore(followingFolder_);
    followingFolder_ = true;
    if (tree_) tree_->SelectPidl(folder_.GetIdList());
    if (HandleAllocated()) Fill();
}

void TMwCustomShellList::SetFolderFromNode(cl::TTreeNode* node) {
    if (!node || IsLoading() || !node->Selected()) return;
    auto* data = static_cast<TMwShellTreeData*>(node->Data());
    if (data) folder_.SetIdList(data->AbsoluteIdList());
}

void TMwCustomShellList::ClearShellItems() {
    if (!IsDestroying() && HandleAllocated()) SetSelected(nullptr);
    ClearItems();
    records_.clear();
}

void TMwCustomShellList::DeleteShellItem(int index) {
    cl::TListItem* item = Item(index);
    DeleteItem(index);
    records_.erase(item);
}

void TMwCustomShellList::Fill() {
    HandleNeeded();
    if (inDrag_ || editing_) {
        refreshWanted_ = true;
        return;
    }
    {
        cl::TScopedCursor hourglass;
        ClearShellItems();
        FillItems(folder_.GetIdList());
    }
    if (ItemCount() > 0) {
        Item(0)->SetSelected(true);
        Item(0)->SetFocused(true);
    }
    if (ViewStyle() == cl::TViewStyle::Icon || ViewStyle() == cl::TViewStyle::SmallIcon) ListView_Scroll(Handle(), -0x7FFF, -0x7FFF);
    if (HasOption(mw::sloDynamicRefresh)) WatchFolder();
}

void TMwCustomShellList::FillItems(LPCITEMIDLIST pidl) {
    TUpdateScope update(*this);
    mw::TQuietErrors quiet;
    DoFillStart();
    std::unique_ptr<TMwShellListFolder> previous;
    try {
        auto next = std::make_unique<TMwShellListFolder>(pidl);
        ClearShellItems();
        previous = std::move(shown_);
        shown_ = std::move(next);
        SetupColumns();
        std::vector<mw::TPidlPtr> items;
        if (mw::EnumerateShellItems(FolderIntf(), FormWindow(), EnumFlags(), items)) {
            if (AddAcceptedItems(items)) Sort();
        }
    } catch (...) {
        ClearShellItems();
        if (previous) {
            shown_ = std::move(previous);
            SetupColumns();
        }
        DoFillComplete();
        throw;
    }
    DoFillComplete();
}

SHCONTF TMwCustomShellList::EnumFlags() const {
    return SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | (HasOption(mw::sloShowHidden) ? SHCONTF_INCLUDEHIDDEN : 0);
}

bool TMwCustomShellList::AddAcceptedItems(std::vector<mw::TPidlPtr>& items) {
    PrepareFilter();
    bool added = false;
    try {
        for (mw::TPidlPtr& item : items) {
            ULONG attributes = 0;
            if (AcceptItem(item.get(), attributes)) {
                AddShellItem(std::move(item), attributes);
                added = true;
            }
        }
    } catch (...) {
        ClearFilter();
        throw;
    }
    ClearFilter();
    return added;
}

bool TMwCustomShellList::AcceptItem(LPCITEMIDLIST itemPidl, ULONG& attributes) {
    attributes = kAcceptAttributes;
    if (FAILED(FolderIntf()->GetAttributesOf(1, &itemPidl, &attributes))) attributes = 0;
    if (!HasOption(mw::sloVirtualFolders) && !(attributes & (SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR))) return false;
    if (HasOption(mw::sloHideFoldersWhenLinked) && tree_ && (attributes & SFGAO_FOLDER) && (attributes & SFGAO_FILESYSTEM))
        return false;
    return DoAddItem(FolderIntf(), FolderIdList(), attributes, itemPidl);
}

bool TMwCustomShellList::DoAddItem(IShellFolder* folder, LPCITEMIDLIST parentPidl, ULONG attributes, LPCITEMIDLIST itemPidl) {
    if (filterActive_ && !(attributes & SFGAO_FOLDER)) {
        const std::string name = cl::ExtractFileName(mw::GetRelativeDisplayName(folder, itemPidl, mw::TMwNameKind::ForParsing));
        if (!FileMatchesFilter(name, attributes)) return false;
    }
    bool allow = true;
    OnAddItem(this, folder, parentPidl, itemPidl, attributes, allow);
    return allow;
}

cl::TListItem* TMwCustomShellList::AddShellItem(mw::TPidlPtr itemPidl, ULONG attributes) {
    try {
        cl::TListItem* item = AddItem();
        TRecord& record = records_[item];
        record.data = std::make_unique<TMwShellListData>(*shown_, std::move(itemPidl));
        record.attributes = attributes;
        item->SetData(record.data.get());
        return item;
    } catch (...) {
        cl::ShowMessage("Exception in AddNewShellItem");
        throw;
    }
}

void TMwCustomShellList::PrepareFilter() {
    filterActive_ = filter_.Active() && !mw::PidlToPath(FolderIdList()).empty();
}

bool TMwCustomShellList::FileMatchesFilter(const std::string& name, ULONG attributes) {
    return (attributes & SFGAO_FOLDER) || filter_.Matches(name);
}

void TMwCustomShellList::ClearFilter() { filterActive_ = false; }

void TMwCustomShellList::Refresh() {
    if (!HandleAllocated()) return;
    if (inDrag_ || editing_) {
        refreshWanted_ = true;
        return;
    }
    refreshWanted_ = false;
    if (ItemCount() == 0 || !shown_) {
        Fill();
        return;
    }
    cl::TScopedCursor hourglass;
    TUpdateScope update(*this);
    DoFillStart();
    try {
        TMwPidlList existing;
        if (mw::PidlToPath(FolderIdList()).empty()) existing.SetShellFolder(FolderIntf());
        existing.SetDuplicates(TMwDuplicates::dupAccept);
        existing.SetSorted(true);
        for (int i = 0; i < ItemCount(); ++i)
            if (TMwShellListData* data = ShellData(Item(i))) existing.AddObject(const_cast<LPITEMIDLIST>(data->RelIdList()), Item(i));
        std::vector<mw::TPidlPtr> fresh;
        if (mw::EnumerateShellItems(FolderIntf(), nullptr, EnumFlags(), fresh)) {
            for (size_t i = fresh.size(); i-- > 0;) {
                int index = 0;
                if (existing.Find(fresh[i].get(), index)) {
                    existing.Delete(index);
                    fresh.erase(fresh.begin() + static_cast<std::ptrdiff_t>(i));
                }
            }
            std::vector<int> gone;
            for (int i = 0; i < existing.Count(); ++i) gone.push_back(static_cast<cl::TListItem*>(existing.Objects(i))->Index());
            existing.Clear();
            std::sort(gone.rbegin(), gone.rend());
            for (int index : gone) DeleteShellItem(index);
            if (AddAcceptedItems(fresh)) Sort();
        }
    } catch (...) {
        DoFillComplete();
        throw;
    }
    DoFillComplete();
}

// ---- columns ----

void TMwCustomShellList::SaveColumnWidths() {
    if (!HandleAllocated() || Columns()->Count() == 0) return;
    std::vector<int> widths;
    for (int i = 0; i < Columns()->Count(); ++i) widths.push_back(ListView_GetColumnWidth(Handle(), i));
    ColumnWidths().Save(widths);
}

void TMwCustomShellList::SetupColumns() {
    if (Columns()->Count() > 0 && fileSystemColumns_) SaveColumnWidths();
    const bool fileSystem = !mw::PidlToPath(FolderIdList()).empty();
    struct TColumn {
        std::string caption;
        int width;
        cl::TAlignment alignment;
    };
    std::vector<TColumn> columns;
    IShellDetails* details = ShellDetails();
    if (!details) {
        const std::vector<int> widths = ColumnWidths().OwnColumnWidths(ReadDirectoryCols());
        columns = {{"Name", widths[0], cl::TAlignment::LeftJustify},
                   {"Size", widths[1], cl::TAlignment::RightJustify},
                   {"Type", widths[2], cl::TAlignment::LeftJustify},
                   {"Modified", widths[3], cl::TAlignment::LeftJustify}};
    } else {
        const bool useSaved = fileSystem && ColumnWidths().HasSaved();
        for (int i = 0; i < kMaxColumns; ++i) {
            SHELLDETAILS column{};
            if (FAILED(details->GetDetailsOf(nullptr, static_cast<UINT>(i), &column))) break;
            const cl::TAlignment alignment = column.fmt == LVCFMT_RIGHT    ? cl::TAlignment::RightJustify
                                             : column.fmt == LVCFMT_CENTER ? cl::TAlignment::Center
                                                                           : cl::TAlignment::LeftJustify;
            columns.push_back({mw::StrRetToString(column.str, nullptr), useSaved ? 50 : column.cxChar * 7, alignment});
        }
        if (useSaved) {
            const std::vector<int> saved = ColumnWidths().SavedFor(columns.size());
            for (size_t i = 0; i < saved.size(); ++i) columns[i].width = saved[i];
        }
    }
    Columns()->Clear();
    for (const TColumn& c : columns) {
        auto* column = static_cast<cl::TListColumn*>(Columns()->Add());
        column->SetCaption(c.caption);
        column->SetWidth(c.width);
        column->SetAlignment(c.alignment);
    }
    fileSystemColumns_ = fileSystem;
    if (std::abs(sortColumn_) > Columns()->Count()) sortColumn_ = 1;
}

// ---- sorting ----

int TMwCustomShellList::CompareItems(cl::TListItem* a, cl::TListItem* b) const {
    TMwShellListData* first = ShellData(a);
    TMwShellListData* second = ShellData(b);
    if (!first || !second) return 0;
    if (sortColumn_ == 0) return cl::CompareText(first->DisplayName(), second->DisplayName());
    const LPARAM column = std::abs(sortColumn_) - 1;
    const HRESULT result = FolderIntf()->CompareIDs(column, first->RelIdList(), second->RelIdList());
    if (FAILED(result)) return 0;
    const int order = mw::CompareIdsResult(static_cast<int32_t>(result));
    return sortColumn_ < 0 ? -order : order;
}

void TMwCustomShellList::Sort() {
    if (!shown_ || ItemCount() < 2) return;
    cl::TRestore<cl::TLVCompareEvent> restore(OnCompare);
    OnCompare = cl::TLVCompareEvent::FromFunction(
        [this](cl::TObject*, cl::TListItem* a, cl::TListItem* b, int, int& result) { result = CompareItems(a, b); });
    CustomSort(0);
}

void TMwCustomShellList::ColClick(int column) {
    const int byColumn = column + 1;
    sortColumn_ = sortColumn_ == byColumn ? -byColumn : byColumn;
    Sort();
    TMwCustomListView::ColClick(column);
}

// ---- display ----

void TMwCustomShellList::GetDisplayInfo(LVITEMA& info) {
    if (info.iItem < 0 || info.iItem >= ItemCount()) return;
    cl::TListItem* item = Item(info.iItem);
    const auto found = records_.find(item);
    if (found == records_.end()) return;
    TRecord& record = found->second;
    if ((info.mask & LVIF_TEXT) && info.pszText && info.cchTextMax > 0) {
        std::string text;
        if (info.iSubItem == 0) {
            if (item->Caption().empty()) item->SetCaption(record.data->DisplayName());
            text = item->Caption();
        } else {
            const int sub = info.iSubItem - 1;
            if (sub < item->SubItems().Count()) text = item->SubItems()[sub];
            if (text.empty()) text = record.data->ColumnText(info.iSubItem);
        }
        const size_t length = std::min(text.size(), static_cast<size_t>(info.cchTextMax) - 1);
        std::memcpy(info.pszText, text.data(), length);
        info.pszText[length] = '\0';
    }
    if (info.mask & LVIF_IMAGE) {
        int image = -1;
        OnGetImageIndex(this, item, image);
        if (image < 1) {
            if (record.image < 0) record.image = mw::GetShellIconIndex(record.data->AbsoluteIdList(), SHGFI_SMALLICON);
            image = record.image;
        }
        info.iImage = image;
    }
    if (info.mask & LVIF_STATE) {
        if (record.attributes & SFGAO_SHARE) info.state |= INDEXTOOVERLAYMASK(1);
        else if (record.attributes & SFGAO_LINK) info.state |= INDEXTOOVERLAYMASK(2);
        if (record.attributes & SFGAO_GHOSTED) info.state |= LVIS_CUT;
        if (info.iItem == dropHighlight_) info.state |= LVIS_DROPHILITED;
        info.stateMask |= LVIS_OVERLAYMASK | LVIS_CUT | LVIS_DROPHILITED;
    }
    if (info.mask & LVIF_PARAM) info.lParam = reinterpret_cast<LPARAM>(item);
}

// ---- opening ----

std::vector<cl::TListItem*> TMwCustomShellList::SelectedShellItems() const {
    std::vector<cl::TListItem*> items;
    if (!HandleAllocated()) return items;
    HWND window = const_cast<TMwCustomShellList*>(this)->Handle();
    for (int i = ListView_GetNextItem(window, -1, LVNI_SELECTED); i >= 0; i = ListView_GetNextItem(window, i, LVNI_SELECTED)) {
        if (i >= ItemCount()) break;
        if (ShellData(Item(i))) items.push_back(Item(i));
    }
    return items;
}

std::vector<LPCITEMIDLIST> TMwCustomShellList::RelIdLists(const std::vector<cl::TListItem*>& items) const {
    std::vector<LPCITEMIDLIST> pidls;
    for (cl::TListItem* item : items) pidls.push_back(ShellData(item)->RelIdList());
    return pidls;
}

bool TMwCustomShellList::DblClickOpenAllowed() {
    bool handled = false;
    OnDblClickOpen(this, handled);
    return !handled;
}

void TMwCustomShellList::OpenSelected() {
    const std::vector<cl::TListItem*> items = SelectedShellItems();
    if (items.size() < 2) {
        if (!items.empty()) OpenItem(items.front());
    } else if (DblClickOpenAllowed()) {
        RunDefaultCommand(items);
    }
}

void TMwCustomShellList::EnterFolder(LPCITEMIDLIST absolutePidl) {
    if (HasOption(mw::sloNeverNavigate)) return;
    const mw::TPidlPtr target = mw::CopyPidl(nullptr, absolutePidl);
    ClearShellItems();
    if (tree_) tree_->EnterFolder(target.get());
    else folder_.SetIdList(target.get());
}

void TMwCustomShellList::OpenItem(cl::TListItem* item) {
    TMwShellListData* data = ShellData(item);
    if (!data) return;
    cl::TScopedCursor hourglass;
    if (records_.at(item).attributes & SFGAO_FOLDER) {
        EnterFolder(data->AbsoluteIdList());
        return;
    }
    if (data->IsLink()) {
        mw::TMwShortcutInfo shortcut;
        shortcut.resolveOption = mw::TMwResolveOption::Silent;
        if (SUCCEEDED(mw::ReadShortcut(data->PathName(), shortcut, true)) && shortcut.targetPidl) {
            const DWORD target = GetFileAttributesA(shortcut.targetPath.c_str());
            if (target != INVALID_FILE_ATTRIBUTES && (target & FILE_ATTRIBUTE_DIRECTORY)) {
                EnterFolder(shortcut.targetPidl.get());
                return;
            }
        }
    }
    if (DblClickOpenAllowed()) RunDefaultCommand({item});
}

void TMwCustomShellList::RunDefaultCommand(const std::vector<cl::TListItem*>& items) {
    std::vector<LPCITEMIDLIST> pidls = RelIdLists(items);
    mw::TContextMenuPtr contextMenu;
    cl::TMenuHandle menu;
    if (FAILED(mw::GetContextMenu(FormWindow(), FolderIntf(), static_cast<UINT>(pidls.size()), pidls.data(), contextMenu, menu, CMF_EXPLORE,
                                  mw::kFirstShellCommand)))
        return;
    const UINT id = GetMenuDefaultItem(menu.Get(), FALSE, 0);
    if (id == static_cast<UINT>(-1) || id < mw::kFirstShellCommand) return;
    mw::InvokeVerb(FormWindow(), contextMenu.Get(), id - mw::kFirstShellCommand);
}

void TMwCustomShellList::GoUp(int levels) {
    if (HasOption(mw::sloNeverNavigate) || levels <= 0) return;
    if (tree_) {
        tree_->GoUp(levels);
        return;
    }
    const mw::TPidlPtr parent = ParentPidl(folder_.GetIdList(), levels);
    folder_.SetIdList(parent.get());
}

void TMwCustomShellList::SelectAll() {
    if (!HandleAllocated()) return;
    TUpdateScope update(*this);
    ListView_SetItemState(Handle(), -1, LVIS_SELECTED, LVIS_SELECTED);
}

// ---- commands ----

HRESULT TMwCustomShellList::GetUIObjectOfSelection(REFIID iid, void** object) {
    *object = nullptr;
    std::vector<LPCITEMIDLIST> pidls = RelIdLists(SelectedShellItems());
    if (pidls.empty() || !FolderIntf()) return E_FAIL;
    return FolderIntf()->GetUIObjectOf(FormWindow(), static_cast<UINT>(pidls.size()), pidls.data(), iid, nullptr, object);
}

HRESULT TMwCustomShellList::DoCommandForSelection(const std::string& verb) {
    mw::TContextMenuPtr contextMenu;
    HRESULT result = GetUIObjectOfSelection(IID_IContextMenu, reinterpret_cast<void**>(contextMenu.Receive()));
    if (FAILED(result) || !contextMenu) return FAILED(result) ? result : E_FAIL;
    result = mw::InvokeVerb(FormWindow(), contextMenu.Get(), verb);
    Refresh();
    return result;
}

HRESULT TMwCustomShellList::DoCommandForFolder(const std::string& verb) {
    mw::TContextMenuPtr contextMenu;
    mw::OleCheck(mw::GetUIObjectOfPidl(FolderIdList(), IID_IContextMenu, reinterpret_cast<void**>(contextMenu.Receive())));
    const HRESULT result = mw::OleCheck(mw::InvokeVerb(FormWindow(), contextMenu.Get(), verb));
    Refresh();
    return result;
}

// ---- label editing ----

void TMwCustomShellList::BeginLabelEdit(NMLVDISPINFOA& info, LRESULT& result) {
    const int index = info.item.iItem;
    TMwShellListData* data = index >= 0 && index < ItemCount() ? ShellData(Item(index)) : nullptr;
    if (result || !data || !data->CanRename()) {
        result = TRUE;
        return;
    }
    editing_ = true;
    if (HWND edit = ListView_GetEditControl(Handle())) {
        const std::string name = mw::GetRelativeDisplayName(FolderIntf(), data->RelIdList(), mw::TMwNameKind::ForEditing);
        SetWindowTextA(edit, name.c_str());
    }
}

void TMwCustomShellList::EndLabelEdit(const std::string& text, int index) {
    if (index < 0 || index >= ItemCount()) return;
    cl::TListItem* item = Item(index);
    TMwShellListData* data = ShellData(item);
    const std::string name = cl::Trim(text);
    if (!data || name.empty()) return;
    cl::TScopedCursor hourglass;
    const std::u16string wide = dragdrop::AnsiToWide(name);
    if (wide.empty()) return;
    ignoreNextChange_ = true;
    LPITEMIDLIST renamed = nullptr;
    const HRESULT result = FolderIntf()->SetNameOf(FormWindow(), data->RelIdList(), reinterpret_cast<const wchar_t*>(wide.c_str()),
                                                   SHGDN_INFOLDER | SHGDN_FOREDITING, &renamed);
    if (FAILED(result)) {
        mw::ShellFree(renamed);
        ignoreNextChange_ = false;
        return;
    }
    if (renamed) data->SetRelIdList(mw::AdoptPidl(renamed));
    else data->ResetCache();
    records_.at(item).image = -1;
    item->SetCaption(data->DisplayName());
}

// ---- watching ----

void TMwCustomShellList::WatchFolder() {
    refreshTimer_.SetEnabled(false);
    if (!HandleAllocated()) return;
    if (!watcher_) watcher_ = std::make_unique<TChangeHandlerThread>(Handle(), CM_MWWATCHERCHANGE);
    else watcher_->RemoveAllWatches();
    const std::string path = mw::PidlToPath(FolderIdList());
    int slot = -1;
    if (!path.empty()) watcher_->AddWatch(path, kNameChanges, slot, false);
}

void TMwCustomShellList::WatcherChange() {
    if (ignoreNextChange_ || inDrag_) {
        ignoreNextChange_ = false;
        return;
    }
    refreshTimer_.SetEnabled(false);
    refreshTimer_.SetInterval(Focused() ? 400 : 2000);
    refreshTimer_.SetEnabled(true);
}

void TMwCustomShellList::RefreshTimerTick(cl::TObject*) {
    refreshTimer_.SetEnabled(false);
    Refresh();
}

void TMwCustomShellList::DeviceChange(TMwDeviceChangeHandler*, cl::TMessage& message) {
    if (message.wParam != DBT_DEVICEARRIVAL && message.wParam != DBT_DEVICEREMOVECOMPLETE) return;
    mw::ValidateDrives();
    if (!HandleAllocated() || !shown_ || mw::FindSpecialFolder(FolderIdList()) != CSIDL_DRIVES) return;
    const mw::TSuspendValidate suspended;
    Fill();
}

// ---- keys ----

void TMwCustomShellList::KeyDown(WORD& key, cl::TShiftState shift) {
    if (!HasOption(mw::sloDefaultKeyHandling) || editing_) return;
    const mw::TKeyModifiers modifiers{(shift & cl::ssShift) != 0, (shift & cl::ssCtrl) != 0, (shift & cl::ssAlt) != 0};
    const mw::TShellListKeyCommand command = mw::ShellListKeyCommand(key, modifiers);
    switch (command) {
    case mw::TShellListKeyCommand::None: return;
    case mw::TShellListKeyCommand::GoUp: GoUp(1); break;
    case mw::TShellListKeyCommand::Open: OpenSelected(); break;
    case mw::TShellListKeyCommand::Edit:
        if (cl::TListItem* focused = ItemFocused()) ListView_EditLabel(Handle(), focused->Index());
        break;
    case mw::TShellListKeyCommand::Refresh: Refresh(); break;
    case mw::TShellListKeyCommand::SelectAll: SelectAll(); break;
    case mw::TShellListKeyCommand::Copy: DoCommandForSelection("copy"); break;
    case mw::TShellListKeyCommand::Cut: DoCommandForSelection("cut"); break;
    case mw::TShellListKeyCommand::Paste: DoCommandForFolder("paste"); break;
    case mw::TShellListKeyCommand::Delete: DoCommandForSelection("delete"); break;
    }
    key = 0;
}

// ---- notifications and messages ----

bool TMwCustomShellList::Notify(NMHDR* header, LRESULT& result) {
    switch (header->code) {
    case LVN_GETDISPINFOA:
        GetDisplayInfo(reinterpret_cast<NMLVDISPINFOA*>(header)->item);
        return true;
    case LVN_GETDISPINFOW: {
        LVITEMW& wide = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
        char text[1024] = "";
        LVITEMA narrow{};
        narrow.mask = wide.mask;
        narrow.iItem = wide.iItem;
        narrow.iSubItem = wide.iSubItem;
        narrow.pszText = text;
        narrow.cchTextMax = sizeof text;
        GetDisplayInfo(narrow);
        if (narrow.mask & LVIF_IMAGE) wide.iImage = narrow.iImage;
        if (narrow.mask & LVIF_STATE) {
            wide.state = narrow.state;
            wide.stateMask = narrow.stateMask;
        }
        if ((wide.mask & LVIF_TEXT) && wide.pszText && wide.cchTextMax > 0 &&
            !MultiByteToWideChar(CP_ACP, 0, text, -1, wide.pszText, wide.cchTextMax))
            wide.pszText[0] = L'\0';
        return true;
    }
    case LVN_ODFINDITEMA:
        // Typing a name looks through every caption: make the ones not drawn yet.
        for (int i = 0; i < ItemCount(); ++i)
            if (Item(i)->Caption().empty())
                if (TMwShellListData* data = ShellData(Item(i))) Item(i)->SetCaption(data->DisplayName());
        break;
    case NM_DBLCLK:
        OpenSelected();
        return true;
    case LVN_BEGINDRAG:
    case LVN_BEGINRDRAG:
        if (!HasOption(mw::sloOleDrag)) break;
        BeginShellDrag(header->code == LVN_BEGINDRAG ? mw::TShellDragButton::Left : mw::TShellDragButton::Right);
        return true;
    case LVN_BEGINLABELEDITA:
    case LVN_BEGINLABELEDITW:
        TMwCustomListView::Notify(header, result);
        BeginLabelEdit(*reinterpret_cast<NMLVDISPINFOA*>(header), result);
        return true;
    case LVN_ENDLABELEDITA:
    case LVN_ENDLABELEDITW: {
        editing_ = false;
        const auto& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
        std::string text;
        if (item.pszText) {
            if (header->code == LVN_ENDLABELEDITA) text = item.pszText;
            else text = dragdrop::WideToAnsi(reinterpret_cast<const char16_t*>(item.pszText));
            EndLabelEdit(text, item.iItem);
        }
        result = FALSE;
        if (refreshWanted_) Refresh();
        return true;
    }
    default: break;
    }
    return TMwCustomListView::Notify(header, result);
}

void TMwCustomShellList::WndProc(cl::TMessage& m) {
    switch (m.msg) {
    case kFillMessage:
        if (ItemCount() == 0) Fill();
        return;
    case CM_MWWATCHERCHANGE:
        WatcherChange();
        return;
    case WM_KEYDOWN: {
        WORD key = static_cast<WORD>(m.wParam);
        KeyDown(key, cl::KeyboardShiftState());
        if (key == 0) {
            m.result = 0;
            return;
        }
        break;
    }
    case WM_GETDLGCODE: {
        TMwCustomListView::WndProc(m);
        const auto* msg = reinterpret_cast<const MSG*>(m.lParam);
        if (editing_ || (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN && !SelectedShellItems().empty()))
            m.result |= DLGC_WANTALLKEYS;
        return;
    }
    case WM_MOUSEWHEEL:
        if (ViewStyle() == cl::TViewStyle::List) {
            ListView_Scroll(Handle(), GET_WHEEL_DELTA_WPARAM(m.wParam) < 0 ? 64 : -64, 0);
            m.result = 0;
            return;
        }
        break;
    case WM_INITMENUPOPUP:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_MENUCHAR:
    case WM_MENUSELECT: {
        TMwCustomListView::WndProc(m);
        LRESULT result = 0;
        if (menu_.HandleMessage(m.msg, m.wParam, m.lParam, result)) m.result = result;
        return;
    }
    case WM_RBUTTONUP:
        if (inDrag_) {
            DefaultHandler(m);
            return;
        }
        break;
    case WM_DESTROY:
        WindowGoing();
        break;
    case kGetShellBrowser: {
        m.result = 0;
        IUnknown* explorer = nullptr;
        if (SUCCEEDED(SHGetInstanceExplorer(&explorer)) && explorer) {
            IShellBrowser* browser = nullptr;
            // The shell expects the pointer without a reference of its own.
            if (SUCCEEDED(explorer->QueryInterface(IID_IShellBrowser, reinterpret_cast<void**>(&browser))) && browser) {
                browser->Release();
                m.result = reinterpret_cast<LRESULT>(browser);
            }
            explorer->Release();
        }
        return;
    }
    default: break;
    }
    TMwCustomListView::WndProc(m);
}
