#pragma once
// The drop source of drags from the shell tree and list: the drag follows the button that
// started it (see ShellDragRules) and the system's cursors show the effect.

#include <windows.h>
#include <ole2.h>

#include "controls/shell/ShellComObject.h"
#include "controls/shell/ShellDragRules.h"

namespace mw {

class TMwShellDropSource : public TShellComObject<IDropSource> {
public:
    // A new source with one reference, owned by the caller.
    static IDropSource* Create(TShellDragButton button);

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    explicit TMwShellDropSource(TShellDragButton button) : button_(button) {}
    ~TMwShellDropSource() override = default;

    TShellDragButton button_;
};

}  // namespace mw
