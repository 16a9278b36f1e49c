#include "dragdrop/EnumFormatEtc.h"

#include <new>

#include "classlib/win/Application.h"

namespace dragdrop {

IEnumFORMATETC* TEnumFormatEtc::Create(const TFormatEtcList& formats, int index) {
    try {
        return new TEnumFormatEtc(formats, index);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

HRESULT STDMETHODCALLTYPE TEnumFormatEtc::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IEnumFORMATETC) {
        *object = static_cast<IEnumFORMATETC*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE TEnumFormatEtc::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refCount_)); }

ULONG STDMETHODCALLTYPE TEnumFormatEtc::Release() {
    const LONG count = InterlockedDecrement(&refCount_);
    if (count == 0) delete this;
    return static_cast<ULONG>(count);
}

HRESULT STDMETHODCALLTYPE TEnumFormatEtc::Next(ULONG count, FORMATETC* entries, ULONG* fetched) {
    try {
        if (!entries || (count != 1 && !fetched)) return E_POINTER;
        ULONG copied = 0;
        while (copied < count && index_ < formats_.Count()) entries[copied++] = formats_.CopyOut(index_++);
        if (fetched) *fetched = copied;
        return copied == count ? S_OK : S_FALSE;
    } catch (...) {
        cl::TApplication::HandleCurrentException();
        return E_UNEXPECTED;
    }
}

HRESULT STDMETHODCALLTYPE TEnumFormatEtc::Skip(ULONG count) {
    const ULONG remaining = static_cast<ULONG>(formats_.Count() - index_);
    if (count > remaining) {
        index_ = formats_.Count();
        return S_FALSE;
    }
    index_ += static_cast<int>(count);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE TEnumFormatEtc::Reset() {
    index_ = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE TEnumFormatEtc::Clone(IEnumFORMATETC** clone) {
    if (!clone) return E_POINTER;
    *clone = Create(formats_, index_);
    return *clone ? S_OK : E_OUTOFMEMORY;
}

}  // namespace dragdrop
