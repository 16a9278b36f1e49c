#pragma once
// The drop target a shell list registers with OLE: every event goes to the list, and nothing
// it raises reaches OLE. The list detaches it when it revokes it, so that a drag still holding
// it meanwhile gets "no drop" instead of reaching a list that is gone.

#include <windows.h>
#include <ole2.h>

#include "controls/shell/ShellComObject.h"

class TMwCustomShellList;

namespace mw {

class TMwShellListDropTarget final : public TShellComObject<IDropTarget> {
public:
    // A new target with one reference, owned by the caller.
    static TMwShellListDropTarget* Create(TMwCustomShellList& list);
    void Detach() { list_ = nullptr; }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

private:
    explicit TMwShellListDropTarget(TMwCustomShellList& list) : list_(&list) {}
    ~TMwShellListDropTarget() override = default;

    TMwCustomShellList* list_;
};

}  // namespace mw
