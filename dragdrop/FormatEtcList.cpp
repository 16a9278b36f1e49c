#include "dragdrop/FormatEtcList.h"

#include <ole2.h>

#include <cstring>

namespace dragdrop {

void TFormatEtcList::Add(CLIPFORMAT format, const DVTARGETDEVICE* targetDevice, DWORD aspect, LONG index, DWORD media) {
    if (Count() >= kCapacity) return;
    TEntry entry{{format, nullptr, aspect, index, media}, {}};
    if (targetDevice) {
        const auto* bytes = reinterpret_cast<const BYTE*>(targetDevice);
        entry.targetDevice.assign(bytes, bytes + targetDevice->tdSize);
    }
    entries_.push_back(std::move(entry));
}

FORMATETC TFormatEtcList::CopyOut(int index) const {
    const TEntry& entry = entries_.at(static_cast<size_t>(index));
    FORMATETC copy = entry.format;
    if (!entry.targetDevice.empty()) {
        copy.ptd = static_cast<DVTARGETDEVICE*>(CoTaskMemAlloc(entry.targetDevice.size()));
        if (copy.ptd) std::memcpy(copy.ptd, entry.targetDevice.data(), entry.targetDevice.size());
    }
    return copy;
}

bool TFormatEtcList::Offers(const FORMATETC& request) const {
    for (const TEntry& entry : entries_) {
        const FORMATETC& offered = entry.format;
        if (offered.cfFormat == request.cfFormat && offered.dwAspect == request.dwAspect && (offered.tymed & request.tymed) != 0)
            return true;
    }
    return false;
}

}  // namespace dragdrop
