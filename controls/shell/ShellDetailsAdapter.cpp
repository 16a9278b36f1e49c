#include "controls/shell/ShellDetailsAdapter.h"

#include "controls/shell/MwShellIntf.h"

TShellDetailsPtr TShellFolder2ToShellDetailsAdapter::Create(IShellFolder2* folder) {
    return TShellDetailsPtr::Adopt(new TShellFolder2ToShellDetailsAdapter(folder));
}

TShellFolder2ToShellDetailsAdapter::TShellFolder2ToShellDetailsAdapter(IShellFolder2* folder)
    : folder_(dragdrop::TComPtr<IShellFolder2>::Share(folder)) {}

HRESULT STDMETHODCALLTYPE TShellFolder2ToShellDetailsAdapter::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, mw::kIidUnknown) || IsEqualIID(iid, mw::kIidShellDetails)) {
        *object = static_cast<IShellDetails*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE TShellFolder2ToShellDetailsAdapter::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG STDMETHODCALLTYPE TShellFolder2ToShellDetailsAdapter::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE TShellFolder2ToShellDetailsAdapter::GetDetailsOf(PCUITEMID_CHILD pidl, UINT column,
                                                                           SHELLDETAILS* details) {
    SHCOLSTATEF state = 0;
    if (SUCCEEDED(folder_->GetDefaultColumnState(column, &state)) && !(state & SHCOLSTATE_ONBYDEFAULT))
        return E_INVALIDARG;
    return folder_->GetDetailsOf(pidl, column, details);
}

HRESULT STDMETHODCALLTYPE TShellFolder2ToShellDetailsAdapter::ColumnClick(UINT) { return E_NOTIMPL; }

namespace mw {

TShellDetailsPtr GetShellDetails(IShellFolder* folder) {
    if (!folder) return {};
    dragdrop::TComPtr<IShellFolder2> folder2;
    if (SUCCEEDED(folder->QueryInterface(kIidShellFolder2, reinterpret_cast<void**>(folder2.Receive()))) && folder2) {
        SHELLDETAILS column{};
        if (SUCCEEDED(folder2->GetDetailsOf(nullptr, 0, &column))) {
            if (column.str.uType == STRRET_WSTR) CoTaskMemFree(column.str.pOleStr);
            return TShellFolder2ToShellDetailsAdapter::Create(folder2.Get());
        }
    }
    TShellDetailsPtr details;
    if (SUCCEEDED(folder->QueryInterface(kIidShellDetails, reinterpret_cast<void**>(details.Receive()))) && details)
        return details;
    if (SUCCEEDED(folder->CreateViewObject(nullptr, kIidShellDetails, reinterpret_cast<void**>(details.Receive()))) && details)
        return details;
    return {};
}

}  // namespace mw
