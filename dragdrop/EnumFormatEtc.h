#pragma once
// An IEnumFORMATETC over a copy of a data object's format list. It lives as long as its
// callers hold it (a plain COM object, freed by its last Release), so it keeps no pointer into
// the data object that made it.

#include <windows.h>
#include <objidl.h>

#include "dragdrop/FormatEtcList.h"

namespace dragdrop {

class TEnumFormatEtc : public IEnumFORMATETC {
public:
    // A new enumerator with one reference, for the caller; null when memory is short.
    static IEnumFORMATETC* Create(const TFormatEtcList& formats, int index = 0);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE Next(ULONG count, FORMATETC* entries, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** clone) override;

private:
    TEnumFormatEtc(const TFormatEtcList& formats, int index) : formats_(formats), index_(index) {}
    virtual ~TEnumFormatEtc() = default;

    LONG refCount_ = 1;
    const TFormatEtcList formats_;
    int index_;
};

}  // namespace dragdrop
