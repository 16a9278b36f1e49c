#include "controls/shell/MwShellDataObject.h"

#include <string>

#include "controls/shell/MwShellIntf.h"
#include "controls/shell/ShellControlsSetup.h"
#include "controls/shell/ShellDisplayNames.h"
#include "controls/shell/ShellFolders.h"
#include "controls/shell/ShellPidl.h"
#include "dragdrop/EnumFormatEtc.h"
#include "dragdrop/GlobalMemory.h"

namespace mw {

namespace {

dragdrop::TBytes BytesOfPidl(LPCITEMIDLIST pidl) {
    static const uint8_t kEmpty[2] = {0, 0};
    if (!pidl) return dragdrop::TBytes(kEmpty, kEmpty + 2);
    return dragdrop::TBytes(PidlBytes(pidl), PidlBytes(pidl) + GetPidlSize(pidl));
}

}  // namespace

IDataObject* TMwShellDataObject::Create(LPCITEMIDLIST folderPidl, const std::vector<LPCITEMIDLIST>& items) {
    if (items.empty()) return nullptr;
    TShellFolderPtr folder;
    if (FAILED(BindToFolder(folderPidl, folder)) || !folder) return nullptr;

    std::vector<dragdrop::TBytes> itemBytes;
    std::vector<std::string> names;
    for (LPCITEMIDLIST item : items) {
        itemBytes.push_back(BytesOfPidl(item));
        names.push_back(GetRelativeDisplayName(folder.Get(), item, TMwNameKind::ForParsing));
    }
    dragdrop::TBytes idListArray = dragdrop::BuildIdListArray(BytesOfPidl(folderPidl), itemBytes);
    // Sized to the names, however long: nothing is cut off or written past the block.
    dragdrop::TBytes dropFiles = dragdrop::BuildDropFiles(names);
    auto* object = new TMwShellDataObject;
    object->idListArray_ = std::move(idListArray);
    object->dropFiles_ = std::move(dropFiles);
    object->formats_.Add(ShellIdListClipboardFormat(), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL);
    object->formats_.Add(CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL);
    return object;
}

const dragdrop::TBytes* TMwShellDataObject::BlockOf(CLIPFORMAT format) const {
    if (format == ShellIdListClipboardFormat()) return &idListArray_;
    if (format == CF_HDROP) return &dropFiles_;
    return nullptr;
}

HRESULT TMwShellDataObject::QueryGetData(FORMATETC* format) {
    if (!format) return E_INVALIDARG;
    if (format->dwAspect != DVASPECT_CONTENT) return DV_E_FORMATETC;
    if (!BlockOf(format->cfFormat)) return DV_E_FORMATETC;
    return (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_TYMED;
}

HRESULT TMwShellDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (!medium) return E_INVALIDARG;
    const HRESULT offered = QueryGetData(format);
    if (offered != S_OK) return offered;
    try {
        HGLOBAL copy = dragdrop::GlobalFromBytes(*BlockOf(format->cfFormat));
        if (!copy) return E_OUTOFMEMORY;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

HRESULT TMwShellDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
    if (out) out->ptd = nullptr;
    return E_NOTIMPL;
}

HRESULT TMwShellDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) {
    if (!formats) return E_POINTER;
    *formats = nullptr;
    if (direction != DATADIR_GET) return E_NOTIMPL;
    try {
        *formats = dragdrop::TEnumFormatEtc::Create(formats_, 0);
        return *formats ? S_OK : E_OUTOFMEMORY;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace mw
