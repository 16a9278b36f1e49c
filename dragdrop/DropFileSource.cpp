#include "dragdrop/DropFileSource.h"

#include <shlobj.h>

#include "classlib/core/ClassBuilder.h"
#include "dragdrop/AnsiText.h"
#include "dragdrop/GlobalMemory.h"
#include "dragdrop/OleSession.h"
#include "dragdrop/ShellIdList.h"

const cl::TClassInfo& TDropFileSource::StaticClass() {
    using S = TDropFileSource;
    static const auto info = cl::TClassBuilder<S>("TDropFileSource", TDropSource::StaticClass())
                                 .Creatable()
                                 .Strings("Files", &S::Files)
                                 .Strings("MappedNames", &S::MappedNames)
                                 .Build();
    return *info;
}

TDropFileSource::TDropFileSource(cl::TComponent* owner) : TDropSource(owner) {
    const dragdrop::TClipboardFormats& formats = dragdrop::ClipboardFormats();
    for (CLIPFORMAT format : {static_cast<CLIPFORMAT>(CF_HDROP), formats.shellIdList, formats.preferredDropEffect,
                              formats.fileNameMap, formats.fileNameMapW})
        AddFormatEtc(format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL);
}

HRESULT TDropFileSource::RenderBytes(CLIPFORMAT format, dragdrop::TBytes& block) {
    const dragdrop::TClipboardFormats& formats = dragdrop::ClipboardFormats();
    if (format == CF_HDROP) {
        block = dragdrop::BuildDropFiles(files_.ToVector());
    } else if (format == formats.fileNameMap && NamesAreMapped()) {
        block = dragdrop::BuildAnsiNameList(mappedNames_.ToVector());
    } else if (format == formats.fileNameMapW && NamesAreMapped()) {
        std::vector<std::u16string> names;
        for (const std::string& name : mappedNames_.ToVector()) names.push_back(dragdrop::AnsiToWide(name));
        block = dragdrop::BuildWideNameList(names);
    } else if (format == formats.shellIdList) {
        return dragdrop::BuildShellIdListArray(files_.ToVector(), block);
    } else if (format == formats.preferredDropEffect) {
        const DWORD effect = FeedbackEffect();
        const auto* bytes = reinterpret_cast<const uint8_t*>(&effect);
        block.assign(bytes, bytes + sizeof effect);
    } else {
        return DV_E_FORMATETC;
    }
    return S_OK;
}

HRESULT TDropFileSource::RenderData(const FORMATETC& format, STGMEDIUM& medium) {
    medium = STGMEDIUM{};
    if (files_.Count() == 0) return E_UNEXPECTED;
    if (format.dwAspect != DVASPECT_CONTENT || !(format.tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
    dragdrop::TBytes block;
    const HRESULT rendered = RenderBytes(format.cfFormat, block);
    if (FAILED(rendered)) return rendered;
    medium.hGlobal = dragdrop::GlobalFromBytes(block);
    if (!medium.hGlobal) return E_OUTOFMEMORY;
    medium.tymed = TYMED_HGLOBAL;
    return S_OK;
}

bool TDropFileSource::PutClipboardData(dragdrop::TOpenClipboard& clipboard) {
    if (files_.Count() == 0) return false;
    HGLOBAL files = dragdrop::GlobalFromBytes(dragdrop::BuildDropFiles(files_.ToVector()));
    return files && clipboard.Put(CF_HDROP, files);
}
