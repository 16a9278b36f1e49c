#pragma once
// The shell namespace as a tree: a root node for the base folder (the desktop unless set) and,
// below it, the folders (optionally also the files) the shell enumerates, each with its system
// icon, overlay and name. Nodes are filled when first expanded. The tree keeps a selected
// folder, renames, creates and deletes folders through the shell, drags folders out and takes
// drops onto them, shows the shell's context menus, and follows drives coming and going and,
// through a watcher thread, changes on disk.

#include <windows.h>
#include <shlobj.h>

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "classlib/core/Event.h"
#include "classlib/win/Timer.h"
#include "classlib/win/TreeView.h"
#include "controls/foundation/FrameModel.h"
#include "controls/navigation/MwTreeView.h"
#include "controls/shell/MwDeviceChangeHandler.h"
#include "controls/shell/MwShellLocator.h"
#include "controls/shell/MwShellTreeData.h"
#include "controls/shell/MwShellTreeLink.h"
#include "controls/shell/ShellDragRules.h"
#include "controls/shell/ShellMenuHandler.h"
#include "controls/shell/ShellTreeDragState.h"
#include "controls/shell/ShellTreeShortcuts.h"
#include "dragdrop/ComPtr.h"

class TChangeHandlerThread;
namespace mw {
template <class Owner>
class TForwardingDropTarget;
}
class TMwCustomShellList;

enum TMwShellTreeOption : unsigned {
    stoAutoFill,            // fill when the window is made and when BaseFolder changes
    stoVirtualFolders,      // also items that are neither in nor above the file system
    stoDesignInteractive,   // kept for form resources; no effect at run time
    stoDefaultKeyHandling,  // F2, F5, Del, Ctrl+C, Ctrl+X, Ctrl+V
    stoContextMenus,        // the shell's context menu on a right click
    stoDynamicRefresh,      // follow changes on the fixed, remote and RAM drives
    stoIncludeNonFolders,   // files too
    stoOleDrag,
    stoOleDrop,
    stoShowHidden,
};
// A set of TMwShellTreeOption members, bit (1 << member).
using TMwShellTreeOptions = unsigned;
constexpr TMwShellTreeOptions ShellTreeOptionBit(TMwShellTreeOption option) { return 1u << option; }
constexpr TMwShellTreeOptions kDefaultShellTreeOptions = 955;

// (Sender, ParentIShf, ParentAbsIdList, ItemRelIdList, Attribs, AllowAdd): AllowAdd starts
// true; clearing it keeps the item out of the tree.
using TMwShAddItemEvent = cl::TEvent<cl::TObject*, IShellFolder*, LPCITEMIDLIST, LPCITEMIDLIST, ULONG, bool&>;
// (Sender, Node, TreeData): the node goes; its record is freed right after.
using TMwShTreeDeleteItemEvent = cl::TEvent<cl::TObject*, cl::TTreeNode*, TMwShellTreeData*>;
using TMwShTreeInsertItemEvent = cl::TEvent<cl::TObject*, cl::TTreeNode*>;
// The help text of the context-menu command under the pointer; "" over sub-menus.
using TMwShPopupHintEvent = cl::TEvent<cl::TObject*, const std::string&>;
// (Sender, Node, Text): a label edit ends with that text, which the handler may change.
using TMwShTreeEditedEvent = cl::TEvent<cl::TObject*, cl::TTreeNode*, std::string&>;

class TMwCustomShellTree : public TMwCustomTreeView, public TMwShellTreeLink {
    CL_CLASS_INFO()
public:
    explicit TMwCustomShellTree(cl::TComponent* owner);
    ~TMwCustomShellTree() override;

    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

    // The folder shown as the root; assigning takes the other's location (not while the form
    // is read, when the form sets it directly) and, with stoAutoFill, fills again.
    TMwShellLocator* BaseFolder() { return &baseFolder_; }
    void SetBaseFolder(const TMwShellLocator* folder);
    // The selected folder. Changing it selects that folder in the tree (while the tree is busy
    // or loading it only goes to the linked list).
    TMwShellLocator* SelectedFolder() { return &selectedFolder_; }
    void SetSelectedFolder(const TMwShellLocator* folder);
    // Selects the folder at a file-system path; false when the shell cannot parse the path.
    bool SelectPath(const std::string& path);
    // The file-system path of the selected node; "" when it has none.
    std::string SelectedPathName();

    // The list that shows the selected folder's contents (or none). Setting it unlinks the old
    // list, links the new one to this tree and hands it the selected folder.
    TMwCustomShellList* ShellList() const { return list_; }
    void SetShellList(TMwCustomShellList* list);

    TMwShellTreeOptions Options() const { return options_; }
    void SetOptions(TMwShellTreeOptions options);
    bool HasOption(TMwShellTreeOption option) const { return (options_ & ShellTreeOptionBit(option)) != 0; }

    // Builds the tree afresh from BaseFolder. Raises EMwOleError when the base folder cannot
    // be bound or its enumeration fails.
    void Fill();
    // Brings the filled part of the tree in line with the disk: new folders are added, gone
    // ones removed, renamed ones follow. Deferred to the end of a drag or label edit.
    void Refresh();
    // Selects the node levels up from the selected one (never past the root).
    void GoUp(int levels) override;
    // Selects the node of the folder, adding the nodes on the way that are not there yet; a
    // folder that cannot be reached beeps and leaves the deepest node reached selected. The
    // empty list selects the root.
    void SelectPidl(LPCITEMIDLIST pidl) override;
    // For the linked list: the folder entered becomes the selected folder.
    void EnterFolder(LPCITEMIDLIST absolutePidl) override { selectedFolder_.SetIdList(absolutePidl); }
    cl::TComponent* LinkComponent() override { return this; }
    // Makes "New Folder" (or the next free name) in the selected folder and starts editing
    // its label; false when no folder could be made.
    bool CreateNewFolder();
    // Runs the shell verb ("cut", "copy", "paste", "delete", ...) on the node, then refreshes;
    // the shell's result. S_FALSE for the root and for nodes that are not shell nodes.
    HRESULT DoCommandForNode(cl::TTreeNode* node, const std::string& verb);

    // The node's record; null for nodes that are not shell nodes.
    TMwShellTreeData* ShellData(cl::TTreeNode* node) const;

    TMwShAddItemEvent OnAddItem;
    TMwShTreeDeleteItemEvent OnDeleteItem;
    TMwShTreeInsertItemEvent OnInsertItem;
    TMwShPopupHintEvent OnPopupHint;
    TMwShTreeEditedEvent OnEdited;
    cl::TNotifyEvent OnFillStart;
    cl::TNotifyEvent OnFillComplete;

    void Loaded() override;

    // The drop target's side of a drag over the tree (also what the registered drop target
    // calls). Effects are DROPEFFECT_ bits; effect is never null.
    virtual HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect);
    virtual HRESULT DragOver(DWORD keyState, POINTL point, DWORD* effect);
    virtual HRESULT DragLeave();
    virtual HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect);

    // The effects (copy 1, move 2, link 4) the node's folder allows for it; all three when it
    // cannot be asked.
    DWORD DropEffectOfNode(cl::TTreeNode* node);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    bool Notify(NMHDR* header, LRESULT& result) override;
    void WndProc(cl::TMessage& message) override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;
    void DoNodeContextMenu(cl::TTreeNode* node, cl::TPoint& pos, cl::TPopupMenu*& menu) override;

    virtual IDropSource* CreateDropSource(mw::TShellDragButton button);
    virtual void DragScroll(cl::TPoint clientPoint);
    // Adds the item (relative to folder, whose absolute list is parentPidl) below parentNode,
    // unless it is hidden by the options or vetoed; S_OK also then.
    virtual HRESULT AddShellNode(IShellFolder* folder, LPCITEMIDLIST parentPidl, LPCITEMIDLIST itemPidl,
                                 cl::TTreeNode* parentNode, cl::TTreeNode** added = nullptr);
    virtual bool DoAddItem(IShellFolder* folder, LPCITEMIDLIST parentPidl, LPCITEMIDLIST itemPidl, ULONG attributes);
    virtual void DeviceChange(TMwDeviceChangeHandler* sender, cl::TMessage& message);
    // Enumerates the folder's items into node (null: makes the root for the base folder).
    virtual void FillFolder(IShellFolder* folder, cl::TTreeNode* node);
    virtual void DoInsertItem(cl::TTreeNode* node);
    virtual void ExpandShellNode(cl::TTreeNode* node);
    virtual void DoFillStart();
    virtual void DoFillComplete();
    virtual void SendToCommand(cl::TTreeNode* node, int entryIndex);
    // Watches the drive of the path for folder changes; "" stops every watch.
    virtual void WatchDrive(const std::string& path);
    // Watches the folder and its subtree for changes of folder names (and of file names with
    // stoIncludeNonFolders).
    void AddFolderWatch(const std::string& folder);
    virtual void ShellNodeContextMenu(cl::TTreeNode* node, cl::TPoint pos);
    virtual bool CanEdit(cl::TTreeNode* node);
    virtual void Edit(cl::TTreeNode* node, std::string text);
    // True when the key was one of the tree's shortcuts and has been carried out.
    virtual bool ShortcutKey(WORD key, cl::TShiftState shift);

private:
    struct TBusy;
    struct TUpdate;

    void BaseFolderChanged(cl::TObject* sender);
    void SelectedFolderChanged(cl::TObject* sender);
    void OptionsChanged(TMwShellTreeOptions old);
    void HandSelectedFolderToList();
    // The selected node's folder becomes SelectedFolder and goes to the linked list.
    void ApplySelection(cl::TTreeNode* node);
    void Change(cl::TTreeNode* node);
    void TimerTick(cl::TObject* sender);
    void StartTimer(int tag, int interval);
    void WatcherChanged();
    // The watcher thread, started on first use.
    TChangeHandlerThread& Watcher();
    void WatchDrives();
    void SortChildren(cl::TTreeNode* node);
    void Reconcile(cl::TTreeNode* node, cl::TTreeNode*& remembered);
    bool RefreshDeferred();
    void RefreshIfWanted();
    DWORD EnumFlags() const;
    // DoCommandForNode without the refresh; nothing for a node that takes no verb.
    std::optional<HRESULT> InvokeNodeVerb(cl::TTreeNode* node, const std::string& verb);
    void SetHasChildren(cl::TTreeNode* node, bool hasChildren);
    bool HasChildrenButton(cl::TTreeNode* node) const;
    void DeleteNodeData(HTREEITEM item);
    void FreeAllNodeData();
    HWND FormWindow();
    void RegisterDropTarget();
    void RevokeDropTarget();
    void FreeWatcher();
    void BeginDrag(cl::TTreeNode* node, mw::TShellDragButton button);
    void SetDropHighlight(cl::TTreeNode* node);
    dragdrop::TComPtr<IDropTarget> NodeDropTarget(cl::TTreeNode* node);
    void FillIconIndexes(NMTVDISPINFOA& info);
    void PaintWithBlendedImages(cl::TMessage& message);
    void PagedWheel(cl::TMessage& message);

    TMwShellLocator baseFolder_;
    TMwShellLocator selectedFolder_;
    TMwShellTreeOptions options_ = kDefaultShellTreeOptions;
    TMwCustomShellList* list_ = nullptr;
    std::unordered_map<HTREEITEM, std::unique_ptr<TMwShellTreeData>> nodeData_;
    std::unique_ptr<cl::TTimer> refreshTimer_;
    std::unique_ptr<TChangeHandlerThread> watcher_;
    mw::TShellMenuHandler menuHandler_;
    mw::TShellTreeShortcuts shortcuts_;
    using TDropTarget = mw::TForwardingDropTarget<TMwCustomShellTree>;
    dragdrop::TComPtr<TDropTarget> dropTarget_;  // registered while set
    // Cleared when the tree goes: a modal loop (a drag, a menu) tells by it whether the tree
    // outlived the loop.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

    int busyCount_ = 0;
    bool userSelect_ = false;
    bool ignoreNextChange_ = false;
    bool inDrag_ = false;
    bool inEdit_ = false;
    bool refreshWanted_ = false;
    bool inLoaded_ = false;
    bool destroyingWnd_ = false;

    // A drag over the tree.
    dragdrop::TComPtr<IDataObject> dragData_;
    DWORD dragKeyState_ = 0;
    cl::TTreeNode* dragNode_ = nullptr;       // the node being dragged from this tree
    cl::TTreeNode* highlighted_ = nullptr;    // drop-highlighted
    mw::TDragScrollState dragScroll_;
    bool hoverExpanding_ = false;
    int wheelRest_ = 0;  // wheel movement short of a whole notch
};
