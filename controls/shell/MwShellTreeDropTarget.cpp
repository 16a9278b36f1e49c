#include "controls/shell/MwShellTreeDropTarget.h"

#include "classlib/win/Application.h"
#include "controls/shell/MwCustomShellTree.h"

TMwShellTreeDropTarget* TMwShellTreeDropTarget::Create(TMwCustomShellTree* tree) { return new TMwShellTreeDropTarget(tree); }

template <class Step>
HRESULT TMwShellTreeDropTarget::Forward(DWORD* effect, Step step) {
    if (!effect) return E_INVALIDARG;
    DWORD allowed = *effect;
    *effect = DROPEFFECT_NONE;
    if (!tree_) return S_OK;
    try {
        step(allowed);
        *effect = allowed;
    } catch (...) {
        cl::TApplication::HandleCurrentException();
    }
    return S_OK;
}

HRESULT TMwShellTreeDropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    return Forward(effect, [&](DWORD& e) { tree_->DragEnter(data, keyState, point, e); });
}

HRESULT TMwShellTreeDropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
    return Forward(effect, [&](DWORD& e) { tree_->DragOver(keyState, point, e); });
}

HRESULT TMwShellTreeDropTarget::DragLeave() {
    if (!tree_) return S_OK;
    try {
        tree_->DragLeave();
    } catch (...) {
        cl::TApplication::HandleCurrentException();
    }
    return S_OK;
}

HRESULT TMwShellTreeDropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    return Forward(effect, [&](DWORD& e) { tree_->Drop(data, keyState, point, e); });
}
