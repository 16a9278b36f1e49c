#include "controls/shell/MwShellListDropTarget.h"

#include <utility>

#include "classlib/win/Application.h"
#include "controls/shell/MwCustomShellList.h"

namespace mw {

namespace {

// Runs one event of the list; with no list, or when the event raises (the exception goes to
// the application's handler), the drag sees no effect.
template <class F>
HRESULT Guarded(TMwCustomShellList* list, DWORD* effect, F&& event) {
    if (!list) {
        if (effect) *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    try {
        return event(*list);
    } catch (...) {
        if (effect) *effect = DROPEFFECT_NONE;
        cl::TApplication::HandleCurrentException();
        return S_OK;
    }
}

// The events that answer with an effect: without a place for it there is nothing to ask.
template <class F>
HRESULT GuardedWithEffect(TMwCustomShellList* list, DWORD* effect, F&& event) {
    if (!effect) return E_INVALIDARG;
    return Guarded(list, effect, std::forward<F>(event));
}

}  // namespace

TMwShellListDropTarget* TMwShellListDropTarget::Create(TMwCustomShellList& list) { return new TMwShellListDropTarget(list); }

HRESULT TMwShellListDropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    return GuardedWithEffect(list_, effect, [&](TMwCustomShellList& list) { return list.DragEnter(data, keyState, point, effect); });
}

HRESULT TMwShellListDropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
    return GuardedWithEffect(list_, effect, [&](TMwCustomShellList& list) { return list.DragOver(keyState, point, effect); });
}

HRESULT TMwShellListDropTarget::DragLeave() {
    return Guarded(list_, nullptr, [&](TMwCustomShellList& list) { return list.DragLeave(); });
}

HRESULT TMwShellListDropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    return GuardedWithEffect(list_, effect, [&](TMwCustomShellList& list) { return list.Drop(data, keyState, point, effect); });
}

}  // namespace mw
