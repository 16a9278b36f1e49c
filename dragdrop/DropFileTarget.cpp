#include "dragdrop/DropFileTarget.h"

#include <shlobj.h>

#include "classlib/core/ClassBuilder.h"
#include "dragdrop/AnsiText.h"
#include "dragdrop/GlobalMemory.h"
#include "dragdrop/OleSession.h"

const cl::TClassInfo& TDropFileTarget::StaticClass() {
    static const auto info = cl::TClassBuilder<TDropFileTarget>("TDropFileTarget", TDropTarget::StaticClass()).Creatable().Build();
    return *info;
}

namespace {

std::vector<std::string> ToAnsi(const std::vector<std::u16string>& names) {
    std::vector<std::string> converted;
    for (const std::u16string& name : names) converted.push_back(dragdrop::WideToAnsi(name));
    return converted;
}

// The paths of a DROPFILES block, ANSI or UTF-16.
std::vector<std::string> PathsOfDropFiles(const dragdrop::TBytes& block) {
    const auto layout = dragdrop::ReadDropFilesHeader(block.data(), block.size());
    if (!layout) return {};
    const uint8_t* names = block.data() + layout->namesOffset;
    const size_t size = block.size() - layout->namesOffset;
    return layout->wide ? ToAnsi(dragdrop::ParseWideNameList(names, size)) : dragdrop::ParseAnsiNameList(names, size);
}

}  // namespace

bool TDropFileTarget::ReadDroppedData() {
    DiscardData();
    IDataObject* data = DataObject();
    if (!data) return false;
    if (const auto block = dragdrop::GetGlobalData(data, CF_HDROP)) files_.Assign(PathsOfDropFiles(*block));

    const dragdrop::TClipboardFormats& formats = dragdrop::ClipboardFormats();
    if (const auto map = dragdrop::GetGlobalData(data, formats.fileNameMap))
        mappedNames_.Assign(dragdrop::ParseAnsiNameList(map->data(), map->size()));
    else if (const auto wideMap = dragdrop::GetGlobalData(data, formats.fileNameMapW))
        mappedNames_.Assign(ToAnsi(dragdrop::ParseWideNameList(wideMap->data(), wideMap->size())));
    if (mappedNames_.Count() != files_.Count()) mappedNames_.Clear();
    return files_.Count() > 0;
}

void TDropFileTarget::DiscardData() {
    files_.Clear();
    mappedNames_.Clear();
}

bool TDropFileTarget::AcceptsData() {
    IDataObject* data = DataObject();
    FORMATETC request{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return data && data->QueryGetData(&request) == S_OK;
}

int TDropFileTarget::PasteClipboard() {
    dragdrop::TOpenClipboard clipboard;
    const auto block = clipboard.Get(CF_HDROP);
    if (!block) return 0;
    files_.Assign(PathsOfDropFiles(*block));
    if (files_.Count() == 0) return 0;
    const int effect = PreferredDropEffect(clipboard);
    return effect != 0 ? effect : DROPEFFECT_COPY;
}
