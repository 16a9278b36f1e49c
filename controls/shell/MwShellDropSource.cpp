#include "controls/shell/MwShellDropSource.h"

#include "controls/shell/MwShellIntf.h"

namespace mw {

namespace {
constexpr GUID kIidDropSource = {0x00000121, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
}

IDropSource* TMwShellDropSource::Create(TShellDragButton button) { return new TMwShellDropSource(button); }

HRESULT TMwShellDropSource::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualGUID(iid, kIidUnknown) || IsEqualGUID(iid, kIidDropSource)) {
        *object = static_cast<IDropSource*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG TMwShellDropSource::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT TMwShellDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
    switch (ContinueShellDrag(button_, escapePressed != FALSE, keyState)) {
    case TDragContinuation::Cancel: return DRAGDROP_S_CANCEL;
    case TDragContinuation::Drop: return DRAGDROP_S_DROP;
    case TDragContinuation::Continue: break;
    }
    return S_OK;
}

}  // namespace mw
