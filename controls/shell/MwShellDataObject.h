#pragma once
// The data object of a drag from the shell tree or list: the dragged items of one folder as a
// "Shell IDList Array" and as CF_HDROP file names, in that order. Only reading is offered.

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "controls/shell/ShellComObject.h"
#include "dragdrop/FormatEtcList.h"
#include "dragdrop/ShellFileFormats.h"

namespace mw {

class TMwShellDataObject : public TShellComObject<IDataObject> {
public:
    // A new object with one reference, owned by the caller, for the items (PIDLs relative to the
    // folder) of the folder at the absolute PIDL (nullptr or empty: the desktop). Null when there
    // are no items or the folder cannot be bound.
    static IDataObject* Create(LPCITEMIDLIST folderPidl, const std::vector<LPCITEMIDLIST>& items);

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    TMwShellDataObject() = default;
    ~TMwShellDataObject() override = default;
    const dragdrop::TBytes* BlockOf(CLIPFORMAT format) const;

    dragdrop::TFormatEtcList formats_;
    dragdrop::TBytes idListArray_;
    dragdrop::TBytes dropFiles_;
};

}  // namespace mw
