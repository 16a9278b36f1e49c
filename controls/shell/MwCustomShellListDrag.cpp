// The shell list in OLE drag and drop: as a source of its selected items and as a target that
// hands every drag event to the shell's drop target under the pointer.

#include "controls/shell/MwCustomShellList.h"

#include "classlib/win/Screen.h"
#include "controls/shell/MwShellDataObject.h"
#include "controls/shell/MwShellDropSource.h"
#include "controls/shell/MwShellIntf.h"
#include "controls/shell/ShellDropEffects.h"
#include "controls/shell/ShellErrors.h"
#include "controls/shell/ShellParentFolder.h"

namespace {

constexpr DWORD kScrollInterval = 100;
constexpr int kScrollMarginX = 26, kScrollMarginY = 20;

}  // namespace

// ---- drag and drop ----

DWORD TMwCustomShellList::DropEffectOfSelection() {
    std::vector<LPCITEMIDLIST> pidls = RelIdLists(SelectedShellItems());
    if (pidls.empty()) return 0;
    ULONG attributes = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    mw::OleCheck(FolderIntf()->GetAttributesOf(static_cast<UINT>(pidls.size()), pidls.data(), &attributes));
    return attributes & (DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);
}

IDropSource* TMwCustomShellList::CreateDropSource(mw::TShellDragButton button) { return mw::TMwShellDropSource::Create(button); }

void TMwCustomShellList::BeginShellDrag(mw::TShellDragButton button) {
    dragdrop::TComPtr<IDataObject> data = dragdrop::TComPtr<IDataObject>::Adopt(SelectionDataObject());
    if (!data) return;
    const DWORD allowed = DropEffectOfSelection();
    dragdrop::TComPtr<IDropSource> source = dragdrop::TComPtr<IDropSource>::Adopt(CreateDropSource(button));
    DWORD effect = DROPEFFECT_NONE;
    HRESULT result = S_OK;
    if (!RunModal([&] { result = DoDragDrop(data.Get(), source.Get(), allowed, &effect); })) return;
    if (result == DRAGDROP_S_DROP || refreshWanted_) {
        refreshWanted_ = false;
        Refresh();
    }
}

// The window keeps no item states but selection and focus: the highlight is ours, and the
// window asks for it when it draws.
void TMwCustomShellList::SetDropHighlight(int index) {
    if (index == dropHighlight_) return;
    const int old = std::exchange(dropHighlight_, index);
    if (!HandleAllocated()) return;
    if (old >= 0 && old < ItemCount()) ListView_RedrawItems(Handle(), old, old);
    if (index >= 0 && index < ItemCount()) ListView_RedrawItems(Handle(), index, index);
}

// The shell's drop target under the point: the item's own when it hands one out, else the
// shown folder's.
HRESULT TMwCustomShellList::TargetAt(POINTL point, IDropTarget** target, bool& overItem) {
    *target = nullptr;
    overItem = false;
    const cl::TPoint client = ScreenToClient({point.x, point.y});
    cl::TListItem* item = GetItemAt(client.x, client.y);
    const int index = item ? item->Index() : -1;
    if (index != dropHighlight_) SetDropHighlight(-1);
    if (TMwShellListData* data = item ? ShellData(item) : nullptr) {
        LPCITEMIDLIST pidl = data->RelIdList();
        if (SUCCEEDED(FolderIntf()->GetUIObjectOf(FormWindow(), 1, &pidl, mw::kIidDropTarget, nullptr, reinterpret_cast<void**>(target))) &&
            *target) {
            overItem = true;
            SetDropHighlight(index);
            return S_OK;
        }
    }
    if (!FolderIntf()) return E_FAIL;
    return mw::GetUIObjectOfPidl(FolderIdList(), mw::kIidDropTarget, reinterpret_cast<void**>(target));
}

HRESULT TMwCustomShellList::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    dragData_ = dragdrop::TComPtr<IDataObject>::Share(data);
    dragButtons_ = keyState & (MK_LBUTTON | MK_RBUTTON);
    lastScroll_ = GetTickCount();
    return DragOver(keyState, point, effect);
}

HRESULT TMwCustomShellList::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
    const DWORD allowed = *effect;
    *effect = DROPEFFECT_NONE;
    dragdrop::TComPtr<IDropTarget> target;
    bool overItem = false;
    if (dragData_ && SUCCEEDED(TargetAt(point, target.Receive(), overItem)) && target) {
        if (inDrag_ && !overItem) {
            // Our own items over our own folder: only a right-button copy makes sense.
            if (dragButtons_ & MK_RBUTTON) *effect = allowed & DROPEFFECT_COPY;
        } else {
            DWORD entered = allowed;
            if (SUCCEEDED(target->DragEnter(dragData_.Get(), keyState, point, &entered))) {
                DWORD over = allowed;
                target->DragOver(keyState, point, &over);
                *effect = over;
                target->DragLeave();
            }
        }
    }
    // Scroll when the pointer rests near an edge.
    const cl::TPoint client = ScreenToClient({point.x, point.y});
    RECT r{};
    GetClientRect(Handle(), &r);
    if (GetTickCount() - lastScroll_ > kScrollInterval) {
        int dx = 0, dy = 0;
        if (client.x < kScrollMarginX) dx = -16;
        else if (client.x > r.right - kScrollMarginX) dx = 16;
        if (client.y < kScrollMarginY) dy = -16;
        else if (client.y > r.bottom - kScrollMarginY) dy = 16;
        if (dx || dy) {
            ListView_Scroll(Handle(), dx, dy);
            lastScroll_ = GetTickCount();
        }
    }
    *effect |= DROPEFFECT_SCROLL;
    return S_OK;
}

HRESULT TMwCustomShellList::DragLeave() {
    dragData_.Reset();
    SetDropHighlight(-1);
    return S_OK;
}

HRESULT TMwCustomShellList::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    const DWORD allowed = *effect;
    *effect = DROPEFFECT_NONE;
    dragdrop::TComPtr<IDropTarget> target;
    bool overItem = false;
    try {
        if (SUCCEEDED(TargetAt(point, target.Receive(), overItem)) && target && (!inDrag_ || overItem || (dragButtons_ & MK_RBUTTON))) {
            keyState |= dragButtons_;
            DWORD wanted = allowed & mw::DropEffectOfItems(data);
            if (inDrag_ && !overItem) wanted &= ~DROPEFFECT_MOVE;
            DWORD entered = wanted;
            if (SUCCEEDED(target->DragEnter(data, keyState, point, &entered))) {
                DWORD over = wanted;
                target->DragOver(keyState, point, &over);
                cl::TScopedCursor hourglass;
                *effect = wanted;
                target->Drop(data, keyState, point, effect);
            }
        }
    } catch (...) {
        DragLeave();
        throw;
    }
    DragLeave();
    if (inDrag_) refreshWanted_ = true;
    else Refresh();
    return S_OK;
}
