#pragma once
// The drop target a shell list registers with OLE: every event goes to the list, and nothing
// it raises reaches OLE.

#include <windows.h>
#include <ole2.h>

class TMwCustomShellList;

namespace mw {

class TMwShellListDropTarget final : public IDropTarget {
public:
    // A new target with one reference, owned by the caller.
    static IDropTarget* Create(TMwCustomShellList& list);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

private:
    explicit TMwShellListDropTarget(TMwCustomShellList& list) : list_(list) {}
    ~TMwShellListDropTarget() = default;

    TMwCustomShellList& list_;
    ULONG references_ = 1;
};

}  // namespace mw
