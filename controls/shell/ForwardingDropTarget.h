#pragma once
// The drop target a shell control registers for its window: every drag event goes to the
// control, and nothing the control raises reaches OLE (the exception goes to the application's
// handler and the drag sees no effect). The control detaches the target when it revokes it, so
// that a drag still holding it meanwhile gets "no drop" instead of reaching a control that is gone.

#include <windows.h>
#include <ole2.h>

#include "classlib/win/Application.h"
#include "controls/shell/ShellComObject.h"

namespace mw {

// Owner has DragEnter, DragOver, DragLeave and Drop with the parameters of IDropTarget's.
template <class Owner>
class TForwardingDropTarget final : public TShellComObject<IDropTarget> {
public:
    // A new target with one reference, owned by the caller.
    static TForwardingDropTarget* Create(Owner& owner) { return new TForwardingDropTarget(owner); }
    void Detach() { owner_ = nullptr; }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override {
        if (!effect) return E_INVALIDARG;
        return Forward(effect, [&](Owner& owner) { return owner.DragEnter(data, keyState, point, effect); });
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override {
        if (!effect) return E_INVALIDARG;
        return Forward(effect, [&](Owner& owner) { return owner.DragOver(keyState, point, effect); });
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        return Forward(nullptr, [](Owner& owner) { return owner.DragLeave(); });
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override {
        if (!effect) return E_INVALIDARG;
        return Forward(effect, [&](Owner& owner) { return owner.Drop(data, keyState, point, effect); });
    }

private:
    explicit TForwardingDropTarget(Owner& owner) : owner_(&owner) {}
    ~TForwardingDropTarget() override = default;

    template <class Event>
    HRESULT Forward(DWORD* effect, Event&& event) {
        if (!owner_) {
            if (effect) *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        try {
            return event(*owner_);
        } catch (...) {
            if (effect) *effect = DROPEFFECT_NONE;
            cl::TApplication::HandleCurrentException();
            return S_OK;
        }
    }

    Owner* owner_;
};

}  // namespace mw
