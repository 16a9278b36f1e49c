#include "dragdrop/tests/BlockSource.h"

#include "dragdrop/GlobalMemory.h"

void TBlockSource::Offer(CLIPFORMAT format, const dragdrop::TBytes& block) {
    blocks_[format] = block;
    AddFormatEtc(format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL);
}

HRESULT TBlockSource::RenderData(const FORMATETC& format, STGMEDIUM& medium) {
    const auto found = blocks_.find(format.cfFormat);
    if (found == blocks_.end()) return DV_E_FORMATETC;
    medium.hGlobal = dragdrop::GlobalFromBytes(found->second);
    medium.tymed = TYMED_HGLOBAL;
    return S_OK;
}
