#include "controls/shell/MwShellDropSource.h"

namespace mw {

IDropSource* TMwShellDropSource::Create(TShellDragButton button) { return new TMwShellDropSource(button); }

HRESULT TMwShellDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
    switch (ContinueShellDrag(button_, escapePressed != FALSE, keyState)) {
    case TDragContinuation::Cancel: return DRAGDROP_S_CANCEL;
    case TDragContinuation::Drop: return DRAGDROP_S_DROP;
    case TDragContinuation::Continue: break;
    }
    return S_OK;
}

}  // namespace mw
