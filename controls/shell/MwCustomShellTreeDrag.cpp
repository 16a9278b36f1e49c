// The shell tree's drag and drop: dragging a folder out, and passing drags over its nodes on
// to the shell's drop target of the folder under the pointer.

#include "controls/shell/MwCustomShellTree.h"

#include <vector>

#include "classlib/win/Screen.h"
#include "controls/shell/MwShellDataObject.h"
#include "controls/shell/MwShellDropSource.h"
#include "controls/shell/ShellDropEffects.h"
#include "controls/shell/ShellParentFolder.h"

namespace {

constexpr DWORD kAllEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

}  // namespace

IDropSource* TMwCustomShellTree::CreateDropSource(mw::TShellDragButton button) { return mw::TMwShellDropSource::Create(button); }

DWORD TMwCustomShellTree::DropEffectOfNode(cl::TTreeNode* node) {
    TMwShellTreeData* data = ShellData(node);
    if (!data) return kAllEffects;
    mw::TShellFolderPtr rootParent;
    mw::TPidlPtr parentPidl, rootItem;
    IShellFolder* folder = nullptr;
    LPCITEMIDLIST item = nullptr;
    if (node->Parent()) {
        folder = data->ParentFolder();
        item = data->RelIdList();
    } else if (SUCCEEDED(mw::GetParentFolderAndItem(data->AbsoluteIdList(), rootParent, parentPidl, rootItem))) {
        folder = rootParent.Get();
        item = rootItem.get();
    }
    if (!folder || !item) return kAllEffects;
    ULONG attributes = kAllEffects;
    if (FAILED(folder->GetAttributesOf(1, &item, &attributes))) return kAllEffects;
    return attributes & kAllEffects;
}

void TMwCustomShellTree::SetDropHighlight(cl::TTreeNode* node) {
    if (node == highlighted_ || !HandleAllocated()) return;
    highlighted_ = node;
    TreeView_SelectDropTarget(Handle(), node ? node->ItemId() : nullptr);
}

dragdrop::TComPtr<IDropTarget> TMwCustomShellTree::NodeDropTarget(cl::TTreeNode* node) {
    dragdrop::TComPtr<IDropTarget> target;
    TMwShellTreeData* data = ShellData(node);
    // The root takes no drops: it stands for the whole tree.
    if (!data || !node->Parent()) return target;
    if (FAILED(data->GetItemDropTarget(hoverExpanding_ ? nullptr : FormWindow(), target.Receive()))) target.Reset();
    return target;
}

void TMwCustomShellTree::BeginDrag(cl::TTreeNode* node, mw::TShellDragButton button) {
    TMwShellTreeData* data = ShellData(node);
    TMwShellTreeData* parent = ShellData(node->Parent());
    if (!HasOption(stoOleDrag) || !data || !parent || inDrag_) return;
    auto dataObject = dragdrop::TComPtr<IDataObject>::Adopt(
        mw::TMwShellDataObject::Create(parent->AbsoluteIdList(), std::vector<LPCITEMIDLIST>{data->RelIdList()}));
    if (!dataObject) return;
    const DWORD allowed = DropEffectOfNode(node);
    auto source = dragdrop::TComPtr<IDropSource>::Adopt(CreateDropSource(button));

    const std::shared_ptr<bool> alive = alive_;
    inDrag_ = true;
    dragNode_ = node;
    SetDropHighlight(node);
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(dataObject.Get(), source.Get(), allowed, &effect);
    if (!*alive) return;  // the tree went during the drag
    const bool refresh = result == DRAGDROP_S_DROP || refreshWanted_;
    inDrag_ = false;
    refreshWanted_ = false;
    dragNode_ = nullptr;
    SetDropHighlight(nullptr);
    if (refresh && HandleAllocated()) Refresh();
}

HRESULT TMwCustomShellTree::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    const cl::TPoint client = ScreenToClient({point.x, point.y});
    dragScroll_.Start(client.x, client.y, GetTickCount());
    dragData_ = dragdrop::TComPtr<IDataObject>::Share(data);
    dragKeyState_ = keyState;
    cl::TTreeNode* node = GetNodeAt(client.x, client.y);
    if (auto target = NodeDropTarget(node)) {
        SetDropHighlight(node);
        DWORD answer = *effect;
        target->DragEnter(data, keyState, point, &answer);
        target->DragLeave();
        *effect = answer;
    } else {
        SetDropHighlight(dragNode_);
        *effect = DROPEFFECT_NONE;
    }
    return S_OK;
}

HRESULT TMwCustomShellTree::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
    const cl::TPoint client = ScreenToClient({point.x, point.y});
    cl::TTreeNode* node = GetNodeAt(client.x, client.y);
    auto target = dragData_ ? NodeDropTarget(node) : dragdrop::TComPtr<IDropTarget>();
    if (target) {
        SetDropHighlight(node);
        DWORD answer = *effect;
        target->DragEnter(dragData_.Get(), keyState, point, &answer);
        answer = *effect;
        target->DragOver(keyState, point, &answer);
        target->DragLeave();
        *effect = answer;
    } else {
        SetDropHighlight(dragNode_);
        *effect = DROPEFFECT_NONE;
    }
    DragScroll(client);
    *effect |= DROPEFFECT_SCROLL;
    return S_OK;
}

HRESULT TMwCustomShellTree::DragLeave() {
    dragData_.Reset();
    SetDropHighlight(dragNode_);
    return S_OK;
}

HRESULT TMwCustomShellTree::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    const cl::TPoint client = ScreenToClient({point.x, point.y});
    cl::TTreeNode* node = GetNodeAt(client.x, client.y);
    auto target = NodeDropTarget(node);
    const DWORD allowed = *effect;
    *effect = DROPEFFECT_NONE;
    if (target) {
        // A right-button drag gets the shell's drop menu.
        const DWORD keys = keyState | (dragKeyState_ & (MK_LBUTTON | MK_RBUTTON));
        DWORD answer = allowed;
        target->DragEnter(data, keys, point, &answer);
        answer = allowed;
        target->DragOver(keys, point, &answer);
        answer = allowed & mw::DropEffectOfItems(data);
        {
            const cl::TScopedCursor hourglass;
            target->Drop(data, keys, point, &answer);
        }
        *effect = answer;
    }
    dragData_.Reset();
    SetDropHighlight(dragNode_);
    if (target) Refresh();
    return S_OK;
}

void TMwCustomShellTree::DragScroll(cl::TPoint client) {
    const DWORD now = GetTickCount();
    const cl::TRect area = ClientRect();
    const mw::TScrollStep step = dragScroll_.Scroll(client.x, client.y, area.Width(), area.Height(), now);
    if (step.horizontal) SendMessageA(Handle(), WM_HSCROLL, step.horizontal < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
    if (step.vertical) SendMessageA(Handle(), WM_VSCROLL, step.vertical < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
    if (!dragScroll_.HoverDue(client.x, client.y, now)) return;
    cl::TTreeNode* node = GetNodeAt(dragScroll_.AnchorX(), dragScroll_.AnchorY());
    if (!node || node->Expanded()) return;
    hoverExpanding_ = true;
    try {
        node->SetExpanded(true);
    } catch (...) {
        // A folder that cannot be listed just loses its button.
        SetHasChildren(node, false);
    }
    hoverExpanding_ = false;
}
