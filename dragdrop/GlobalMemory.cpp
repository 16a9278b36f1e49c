#include "dragdrop/GlobalMemory.h"

#include <ole2.h>

#include <cstring>

namespace dragdrop {

namespace {

class TGlobalLock {
public:
    explicit TGlobalLock(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
    ~TGlobalLock() {
        if (data_) GlobalUnlock(memory_);
    }
    TGlobalLock(const TGlobalLock&) = delete;
    TGlobalLock& operator=(const TGlobalLock&) = delete;

    void* Data() const { return data_; }

private:
    HGLOBAL memory_;
    void* data_;
};

class TMedium {
public:
    TMedium() = default;
    ~TMedium() { ReleaseStgMedium(&medium_); }
    TMedium(const TMedium&) = delete;
    TMedium& operator=(const TMedium&) = delete;

    STGMEDIUM* Get() { return &medium_; }

private:
    STGMEDIUM medium_{};
};

}  // namespace

HGLOBAL GlobalFromBytes(const TBytes& bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, bytes.size());
    if (!memory) return nullptr;
    {
        TGlobalLock lock(memory);
        if (lock.Data()) {
            std::memcpy(lock.Data(), bytes.data(), bytes.size());
            return memory;
        }
    }
    GlobalFree(memory);
    return nullptr;
}

std::optional<TBytes> BytesOfGlobal(HGLOBAL memory) {
    TGlobalLock lock(memory);
    if (!lock.Data()) return std::nullopt;
    const auto* bytes = static_cast<const uint8_t*>(lock.Data());
    return TBytes(bytes, bytes + GlobalSize(memory));
}

std::optional<TBytes> GetGlobalData(IDataObject* data, CLIPFORMAT format) {
    FORMATETC request{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    TMedium medium;
    if (FAILED(data->GetData(&request, medium.Get()))) return std::nullopt;
    if (medium.Get()->tymed != TYMED_HGLOBAL) return std::nullopt;
    return BytesOfGlobal(medium.Get()->hGlobal);
}

}  // namespace dragdrop
