#include "controls/shell/MwShellListDropTarget.h"

#include "classlib/win/Application.h"
#include "controls/shell/MwCustomShellList.h"

namespace mw {

namespace {

// Runs one event of the list; an exception goes to the application's handler and the drag
// sees no effect.
template <class F>
HRESULT Guarded(DWORD* effect, F&& event) {
    try {
        return event();
    } catch (...) {
        if (effect) *effect = DROPEFFECT_NONE;
        cl::TApplication::HandleCurrentException();
        return S_OK;
    }
}

}  // namespace

IDropTarget* TMwShellListDropTarget::Create(TMwCustomShellList& list) { return new TMwShellListDropTarget(list); }

HRESULT TMwShellListDropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    return Guarded(effect, [&] { return list_.DragEnter(data, keyState, point, effect); });
}

HRESULT TMwShellListDropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
    return Guarded(effect, [&] { return list_.DragOver(keyState, point, effect); });
}

HRESULT TMwShellListDropTarget::DragLeave() {
    return Guarded(nullptr, [&] { return list_.DragLeave(); });
}

HRESULT TMwShellListDropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    return Guarded(effect, [&] { return list_.Drop(data, keyState, point, effect); });
}

}  // namespace mw
