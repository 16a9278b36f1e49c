#pragma once
// The formats a data object offers: FORMATETC entries, each with its own copy of its target
// device, so that a copy of the list (as an enumerator holds) never points into another.

#include <windows.h>
#include <objidl.h>

#include <vector>

namespace dragdrop {

class TFormatEtcList {
public:
    static constexpr int kCapacity = 20;

    // Appends an entry; beyond the capacity nothing is added.
    void Add(CLIPFORMAT format, const DVTARGETDEVICE* targetDevice, DWORD aspect, LONG index, DWORD media);
    int Count() const { return static_cast<int>(entries_.size()); }
    // The entry as a caller receives it: its target device is a new CoTaskMemAlloc copy that
    // the caller frees.
    FORMATETC CopyOut(int index) const;
    // Whether an entry has the format and aspect and shares a medium with the request.
    bool Offers(const FORMATETC& request) const;

private:
    struct TEntry {
        FORMATETC format;
        std::vector<BYTE> targetDevice;  // empty: none
    };
    std::vector<TEntry> entries_;
};

}  // namespace dragdrop
