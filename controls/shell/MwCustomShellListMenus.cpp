// The shell list's context menus and the modal loops that menus and drags run.

#include "controls/shell/MwCustomShellList.h"

#include "controls/shell/MwShellDataObject.h"
#include "controls/shell/SendToList.h"
#include "controls/shell/ShellMenuCommands.h"

// ---- modal loops ----

bool TMwCustomShellList::RunModal(const std::function<void()>& loop) {
    const std::weak_ptr<bool> alive = alive_;
    inDrag_ = true;
    try {
        loop();
    } catch (...) {
        if (!alive.expired()) inDrag_ = false;
        throw;
    }
    if (alive.expired()) return false;
    inDrag_ = false;
    return true;
}

bool TMwCustomShellList::TrackMenu(IContextMenu* contextMenu, HMENU menu, cl::TPoint screen, UINT& id) {
    menu_.SetContextMenu(contextMenu);
    const HWND owner = Handle();
    if (!RunModal([&] { id = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner, nullptr)); }))
        return false;
    menu_.ClearContextMenu();
    return true;
}

// ---- context menus ----

void TMwCustomShellList::ShowContextMenu(cl::TPoint pos) {
    if (!HasOption(mw::sloContextMenus) || inDrag_ || SelectedShellItems().size() > 0) {
        TMwCustomListView::ShowContextMenu(pos);
        return;
    }
    // Over empty space: the folder's own menu (view, paste, new...).
    mw::TContextMenuPtr contextMenu;
    if (!FolderIntf() ||
        FAILED(FolderIntf()->CreateViewObject(FormWindow(), IID_IContextMenu, reinterpret_cast<void**>(contextMenu.Receive()))) ||
        !contextMenu) {
        TMwCustomListView::ShowContextMenu(pos);
        return;
    }
    cl::TMenuHandle menu(CreatePopupMenu());
    if (FAILED(contextMenu->QueryContextMenu(menu.Get(), 0, mw::kFirstShellCommand, mw::kLastShellCommand, CMF_NORMAL))) return;
    const cl::TPoint screen = ClientToScreen(pos);
    UINT id = 0;
    if (!TrackMenu(contextMenu.Get(), menu.Get(), screen, id)) return;
    if (id >= mw::kFirstShellCommand) {
        mw::InvokeVerb(FormWindow(), contextMenu.Get(), id - mw::kFirstShellCommand);
        Refresh();
    }
}

void TMwCustomShellList::ShowItemContextMenu(cl::TPoint pos) {
    if (!HasOption(mw::sloContextMenus) || inDrag_) {
        TMwCustomListView::ShowItemContextMenu(pos);
        return;
    }
    ItemMenu(pos);
}

void TMwCustomShellList::ItemMenu(cl::TPoint clientPos) {
    std::vector<LPCITEMIDLIST> pidls = RelIdLists(SelectedShellItems());
    if (pidls.empty()) return;
    cl::TListItem* focused = ItemFocused();
    TMwShellListData* focusedData = focused ? ShellData(focused) : nullptr;
    UINT flags = CMF_EXPLORE;
    if (focusedData && !focusedData->PathName().empty() && !ReadOnly()) flags |= CMF_CANRENAME;
    mw::TContextMenuPtr contextMenu;
    cl::TMenuHandle menu;
    if (FAILED(mw::GetContextMenu(FormWindow(), FolderIntf(), static_cast<UINT>(pidls.size()), pidls.data(), contextMenu, menu, flags,
                                  mw::kFirstShellCommand)))
        return;
    const cl::TPoint screen = ClientToScreen(clientPos);
    UINT id = 0;
    if (!TrackMenu(contextMenu.Get(), menu.Get(), screen, id)) return;
    const mw::TMenuCommand command = mw::ClassifyMenuCommand(id);
    switch (command.kind) {
    case mw::TMenuCommandKind::Rename:
        if (focused) ListView_EditLabel(Handle(), focused->Index());
        break;
    case mw::TMenuCommandKind::Shell:
        mw::InvokeVerb(FormWindow(), contextMenu.Get(), command.value);
        // Network folders report no changes.
        if (mw::PidlToPath(FolderIdList()).rfind("\\\\", 0) == 0) Refresh();
        break;
    case mw::TMenuCommandKind::SendTo: SendSelectionTo(command.value); break;
    case mw::TMenuCommandKind::None: break;
    }
    if (refreshWanted_) Refresh();
}

IDataObject* TMwCustomShellList::SelectionDataObject() {
    std::vector<LPCITEMIDLIST> pidls = RelIdLists(SelectedShellItems());
    return pidls.empty() ? nullptr : mw::TMwShellDataObject::Create(FolderIdList(), pidls);
}

void TMwCustomShellList::SendSelectionTo(unsigned entry) {
    const auto& entries = mw::SendToList();
    if (entry >= entries.size()) return;
    dragdrop::TComPtr<IDataObject> data = dragdrop::TComPtr<IDataObject>::Adopt(SelectionDataObject());
    if (data) mw::SendTo(entries[entry].name, data.Get());
}
