#pragma once
// The identity and lifetime of the shell controls' COM objects that OLE holds through one
// interface: QueryInterface answers IUnknown and that interface, and the last Release frees the
// object. OLE calls them on the UI thread only, so the count needs no interlocking.

#include <windows.h>
#include <unknwn.h>

namespace mw {

template <class Interface>
class TShellComObject : public Interface {
public:
    TShellComObject(const TShellComObject&) = delete;
    TShellComObject& operator=(const TShellComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualGUID(iid, __uuidof(IUnknown)) || IsEqualGUID(iid, __uuidof(Interface))) {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

protected:
    TShellComObject() = default;
    virtual ~TShellComObject() = default;

private:
    ULONG references_ = 1;
};

}  // namespace mw
