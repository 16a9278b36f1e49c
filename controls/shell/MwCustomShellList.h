#pragma once
// The shell list: the contents of one shell folder in the framed list view, with the shell's
// icons and overlays, detail columns (the folder's own, else name, size, type and modified),
// sorting by column, in-place rename, opening of items, the shell's context menus, OLE drag
// and drop, a file-name filter and refresh on changes on disk. A linked shell tree sets its
// folder, and the list moves the tree when the user enters a folder.

#include <windows.h>
#include <shlobj.h>

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "classlib/core/Event.h"
#include "classlib/win/Timer.h"
#include "classlib/win/TreeView.h"
#include "controls/navigation/MwListView.h"
#include "controls/shell/FileFilter.h"
#include "controls/shell/MwShellListData.h"
#include "controls/shell/MwShellListFolder.h"
#include "controls/shell/MwShellLocator.h"
#include "controls/shell/MwShellTreeLink.h"
#include "controls/shell/ShellDragRules.h"
#include "controls/shell/ShellListOptions.h"
#include "controls/shell/ShellMenuHandler.h"

class TChangeHandlerThread;
class TMwDeviceChangeHandler;
namespace mw {
template <class Owner>
class TForwardingDropTarget;
}

// (Sender, folder, its absolute list, the item's relative list, its SFGAO_ attributes, Allow):
// a handler may refuse an item before it becomes a list item; Allow starts true.
using TMwShListAddItemEvent = cl::TEvent<cl::TObject*, IShellFolder*, LPCITEMIDLIST, LPCITEMIDLIST, ULONG, bool&>;
// (Sender, Handled): asked before the list opens items on a double click or Enter; a handler
// that sets Handled takes over and the list runs no command.
using TMwShListDblClickEvent = cl::TEvent<cl::TObject*, bool&>;
// (Sender, Item, ImageIndex): the handler may give an item's icon; below 1 the shell's is used.
using TMwShListImageIndexEvent = cl::TEvent<cl::TObject*, cl::TListItem*, int&>;
// (Sender, Hint): the help text of the shell command under the pointer in a context menu.
using TMwShListPopupHintEvent = cl::TEvent<cl::TObject*, const std::string&>;

class TMwCustomShellList : public TMwCustomListView {
    CL_CLASS_INFO()
public:
    // Posted to itself to fill once the window exists.
    static constexpr UINT kFillMessage = WM_USER + 103;  // 0x0467

    explicit TMwCustomShellList(cl::TComponent* owner);
    ~TMwCustomShellList() override;

    // The folder shown; assigning it (or changing it in place) refills the list and moves a
    // linked tree to it.
    TMwShellLocator* Folder() { return &folder_; }
    void SetFolder(const TMwShellLocator* folder) { folder_.Assign(folder); }
    // The folder shown now (nullptr before the first fill) and its shell folder and details.
    LPCITEMIDLIST FolderIdList() const { return shown_ ? shown_->IdList() : nullptr; }
    IShellFolder* FolderIntf() const { return shown_ ? shown_->Folder() : nullptr; }
    IShellDetails* ShellDetails() const { return shown_ ? shown_->Details() : nullptr; }

    mw::TMwShellListOptions ListOptions() const { return options_; }
    void SetListOptions(mw::TMwShellListOptions options);
    bool HasOption(mw::TMwShellListOption option) const { return (options_ & option) != 0; }

    // Masks separated by ";" (or ","); "", "*" and "*.*" show every file. Folders always show.
    const std::string& FileFilter() const { return fileFilter_; }
    void SetFileFilter(const std::string& filter);

    // The 1-based column the items are sorted by through the folder, negative for downwards;
    // 0 sorts by the captions' text.
    int SortColumn() const { return sortColumn_; }
    void SetSortColumn(int column);

    // The tree driving this list (or none). The tree calls this from its ShellList setter.
    TMwShellTreeLink* ShellTree() const { return tree_; }
    void SetShellTree(TMwShellTreeLink* tree);

    // The record of a shell item; nullptr for other items.
    TMwShellListData* ShellData(cl::TListItem* item) const;

    // Reconciles the items with the folder's contents (fills an empty list).
    void Refresh();
    // Reads the folder's items afresh. Raises EMwOleError when the folder cannot be bound.
    void Fill();
    // Up that many levels: through the linked tree, else the folder's own parent.
    void GoUp(int levels);
    // Opens the selected items: one is opened as OpenItem does; several run their default
    // command together.
    void OpenSelected();
    // Enters a folder (or a shortcut's target folder), else runs the item's default command.
    void OpenItem(cl::TListItem* item);
    // Runs a verb ("copy", "delete", ...) on the selected items; the command's result.
    HRESULT DoCommandForSelection(const std::string& verb);
    // Runs a verb on the shown folder itself ("paste"); raises EMwOleError when it fails.
    HRESULT DoCommandForFolder(const std::string& verb);
    void SelectAll();
    // Shows the folder of a tree node holding a TMwShellTreeData, when the node is selected
    // and the list is not being read.
    void SetFolderFromNode(cl::TTreeNode* node);

    // The drop effects (copy 1, move 2, link 4) that every selected item allows; 0 without a
    // selection. Raises EMwOleError when the folder cannot tell.
    DWORD DropEffectOfSelection();
    // A new data object of the selected items ("Shell IDList Array" and file names), whose one
    // reference the caller takes; null without a selection.
    IDataObject* SelectionDataObject();
    // Starts an OLE drag of the selection with that button (what a begin-drag notice does).
    void BeginShellDrag(mw::TShellDragButton button);

    void Loaded() override;

    TMwShListAddItemEvent OnAddItem;
    cl::TNotifyEvent OnFillStart;
    cl::TNotifyEvent OnFillComplete;
    TMwShListDblClickEvent OnDblClickOpen;
    TMwShListImageIndexEvent OnGetImageIndex;
    TMwShListPopupHintEvent OnPopupHint;

    // The drop target's side: each passes the event to the shell's drop target of the item
    // under the point (screen coordinates), or of the shown folder.
    virtual HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect);
    virtual HRESULT DragOver(DWORD keyState, POINTL point, DWORD* effect);
    virtual HRESULT DragLeave();
    virtual HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect);

protected:
    void CreateWnd() override;
    void InitializeWnd() override;
    bool Notify(NMHDR* header, LRESULT& result) override;
    void WndProc(cl::TMessage& message) override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;
    void ColClick(int column) override;
    void ShowItemContextMenu(cl::TPoint pos) override;
    void ShowContextMenu(cl::TPoint pos) override;

    virtual IDropSource* CreateDropSource(mw::TShellDragButton button);
    // Fires OnAddItem; with a filter, a file not matching it is refused first.
    virtual bool DoAddItem(IShellFolder* folder, LPCITEMIDLIST parentPidl, ULONG attributes, LPCITEMIDLIST itemPidl);
    virtual void DeviceChange(TMwDeviceChangeHandler* sender, cl::TMessage& message);
    virtual void FillItems(LPCITEMIDLIST pidl);
    virtual void PrepareFilter();
    virtual bool FileMatchesFilter(const std::string& name, ULONG attributes);
    virtual void ClearFilter();
    virtual void DoFillStart() { OnFillStart(this); }
    virtual void DoFillComplete() { OnFillComplete(this); }
    // True when the list may run its own open command (no handler took over).
    virtual bool DblClickOpenAllowed();
    // The list folder's UI object of all selected shell items.
    virtual HRESULT GetUIObjectOfSelection(REFIID iid, void** object);
    virtual void KeyDown(WORD& key, cl::TShiftState shift);

private:
    struct TRecord {
        std::unique_ptr<TMwShellListData> data;
        ULONG attributes = 0;
        int image = -1;  // the system icon, once asked for
    };

    // Runs a modal loop (a menu, a drag) with refreshes deferred. False when the list was
    // freed meanwhile: then nothing of it may be touched any more.
    bool RunModal(const std::function<void()>& loop);
    // The shell's menu at the screen point; the chosen id (0 for none). False as RunModal.
    bool TrackMenu(IContextMenu* contextMenu, HMENU menu, cl::TPoint screen, UINT& id);
    void FolderChanged(cl::TObject* sender);
    void RefreshTimerTick(cl::TObject* sender);
    void WatcherChange();
    void WatchFolder();
    void EnterFolder(LPCITEMIDLIST absolutePidl);
    // What the folder's enumeration is asked for: folders, files and, with the option, hidden items.
    SHCONTF EnumFlags() const;
    // Adds the items the list accepts (through the filter and OnAddItem); true when it added any.
    bool AddAcceptedItems(std::vector<mw::TPidlPtr>& items);
    bool AcceptItem(LPCITEMIDLIST itemPidl, ULONG& attributes);
    cl::TListItem* AddShellItem(mw::TPidlPtr itemPidl, ULONG attributes);
    void DeleteShellItem(int index);
    void ClearShellItems();
    void SetupColumns();
    void SaveColumnWidths();
    void Sort();
    int CompareItems(cl::TListItem* a, cl::TListItem* b) const;
    void GetDisplayInfo(LVITEMA& item);
    std::vector<cl::TListItem*> SelectedShellItems() const;
    // The items' lists relative to the shown folder; every item must be a shell item.
    std::vector<LPCITEMIDLIST> RelIdLists(const std::vector<cl::TListItem*>& items) const;
    void BeginLabelEdit(NMLVDISPINFOA& info, LRESULT& result);
    void EndLabelEdit(const std::string& text, int index);
    void ItemMenu(cl::TPoint clientPos);
    void RunDefaultCommand(const std::vector<cl::TListItem*>& items);
    void SendSelectionTo(unsigned entry);
    void SetDropHighlight(int index);
    HRESULT TargetAt(POINTL point, IDropTarget** target, bool& overItem);
    void RegisterDropTarget();
    void RevokeDropTarget();
    // Before the window goes: keeps the column widths, ends the watcher, revokes the target.
    void WindowGoing();
    HWND FormWindow();

    TMwShellLocator folder_;
    std::unique_ptr<TMwShellListFolder> shown_;
    std::unordered_map<const cl::TListItem*, TRecord> records_;
    mw::TMwShellListOptions options_ = mw::kDefaultShellListOptions;
    std::string fileFilter_;
    mw::TFileFilter filter_;
    bool filterActive_ = false;
    int sortColumn_ = 1;
    bool fileSystemColumns_ = false; // the columns belong to a file-system folder
    TMwShellTreeLink* tree_ = nullptr;
    cl::TTimer refreshTimer_;
    std::unique_ptr<TChangeHandlerThread> watcher_;
    using TDropTarget = mw::TForwardingDropTarget<TMwCustomShellList>;
    TDropTarget* dropTarget_ = nullptr;  // ours, registered with OLE while the window lives
    dragdrop::TComPtr<IDropTarget> itemTarget_;  // the shell's, during a drag over the list
    dragdrop::TComPtr<IDataObject> dragData_;
    DWORD dragButtons_ = 0;
    int dropHighlight_ = -1;
    DWORD lastScroll_ = 0;
    mw::TShellMenuHandler menu_;
    bool inDrag_ = false;
    bool refreshWanted_ = false;
    bool ignoreNextChange_ = false;
    bool inCreateWnd_ = false;
    bool editing_ = false;
    bool followingFolder_ = false;  // a folder change is being followed: its echoes are ignored
    // Dropped with the list: a modal loop tells by it whether the list outlived the loop.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
