// The shell tree's context menus: the shell's menu for a node, rename in place, and Send To.

#include "controls/shell/MwCustomShellTree.h"

#include <vector>

#include "classlib/win/Handles.h"
#include "controls/shell/MwShellDataObject.h"
#include "controls/shell/SendToList.h"
#include "controls/shell/ShellContextMenu.h"
#include "controls/shell/ShellErrors.h"
#include "controls/shell/ShellMenuCommands.h"

void TMwCustomShellTree::DoNodeContextMenu(cl::TTreeNode* node, cl::TPoint& pos, cl::TPopupMenu*& menu) {
    if (!HasOption(stoContextMenus) || !ShellData(node)) {
        TMwCustomTreeView::DoNodeContextMenu(node, pos, menu);
        return;
    }
    menu = nullptr;  // the shell's menu instead of the tree's own
    ShellNodeContextMenu(node, pos);
}

void TMwCustomShellTree::ShellNodeContextMenu(cl::TTreeNode* node, cl::TPoint pos) {
    TMwShellTreeData* data = ShellData(node);
    IShellFolder* folder = data ? data->ParentFolder() : nullptr;
    if (!folder || mw::GetPidlSize(data->AbsoluteIdList()) <= 2) return;
    LPCITEMIDLIST item = data->RelIdList();
    const UINT flags = ReadOnly() ? CMF_EXPLORE : (CMF_EXPLORE | CMF_CANRENAME);
    mw::TContextMenuPtr contextMenu;
    cl::TMenuHandle menu;
    try {
        if (FAILED(mw::GetContextMenu(FormWindow(), folder, 1, &item, contextMenu, menu, flags, mw::kFirstShellCommand))) return;
    } catch (const mw::EMwOleError&) {
        return;
    }

    // Refreshes wait while the menu is open: they would take the node away under it.
    const std::shared_ptr<bool> alive = alive_;
    const bool wasInDrag = inDrag_;
    inDrag_ = true;
    const cl::TPoint screen = ClientToScreen(pos);
    const UINT id = menuHandler_.Track(Handle(), contextMenu.Get(), menu.Get(), {screen.x, screen.y});
    if (!*alive) return;
    inDrag_ = wasInDrag;

    const mw::TMenuCommand command = mw::ClassifyMenuCommand(id);
    switch (command.kind) {
        case mw::TMenuCommandKind::Rename:
            TreeView_EditLabel(Handle(), node->ItemId());
            break;
        case mw::TMenuCommandKind::Shell:
            mw::InvokeVerb(FormWindow(), contextMenu.Get(), command.value);
            refreshWanted_ = false;
            Refresh();
            break;
        case mw::TMenuCommandKind::SendTo: SendToCommand(node, static_cast<int>(command.value)); break;
        case mw::TMenuCommandKind::None: break;
    }
    RefreshIfWanted();
}

void TMwCustomShellTree::SendToCommand(cl::TTreeNode* node, int entryIndex) {
    const std::vector<mw::TSendToEntry>& entries = mw::SendToList();
    TMwShellTreeData* data = ShellData(node);
    TMwShellTreeData* parent = ShellData(node ? node->Parent() : nullptr);
    if (!data || !parent || entryIndex < 0 || entryIndex >= static_cast<int>(entries.size())) return;
    auto dataObject = dragdrop::TComPtr<IDataObject>::Adopt(
        mw::TMwShellDataObject::Create(parent->AbsoluteIdList(), std::vector<LPCITEMIDLIST>{data->RelIdList()}));
    if (dataObject) mw::SendTo(entries[static_cast<size_t>(entryIndex)].name, dataObject.Get());
}
