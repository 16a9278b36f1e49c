#include "controls/shell/PidlLayout.h"

#include <algorithm>
#include <cstring>

#include "dragdrop/ShellFileFormats.h"

namespace mw {

namespace {

uint16_t ReadCount(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

// The offset of the terminator, or of the first damaged item.
size_t ItemsEnd(const uint8_t* pidl) {
    size_t offset = 0;
    for (;;) {
        const uint16_t count = ReadCount(pidl + offset);
        if (count < 2) return offset;
        offset += count;
    }
}

}  // namespace

size_t PidlSize(const uint8_t* pidl) { return pidl ? ItemsEnd(pidl) + kPidlTerminatorSize : 0; }

size_t PidlItemsSize(const uint8_t* pidl) { return pidl ? ItemsEnd(pidl) : 0; }

size_t PidlSizeWithin(const uint8_t* pidl, size_t available) {
    return pidl ? dragdrop::ItemIdListSize(pidl, available) : 0;
}

int PidlItemCount(const uint8_t* pidl) {
    if (!pidl) return 0;
    int count = 0;
    for (const uint8_t* item = pidl; ReadCount(item) >= 2; item += ReadCount(item)) ++count;
    return count;
}

const uint8_t* PidlItem(const uint8_t* pidl, int index) {
    if (!pidl || index < 0) return nullptr;
    const uint8_t* item = pidl;
    for (int i = 0; i < index; ++i) {
        if (ReadCount(item) < 2) return nullptr;
        item += ReadCount(item);
    }
    return ReadCount(item) >= 2 ? item : nullptr;
}

size_t PidlItemSize(const uint8_t* item) { return item ? ReadCount(item) : 0; }

size_t PidlPrefixSize(const uint8_t* pidl, int count) {
    if (!pidl) return 0;
    size_t offset = 0;
    for (int i = 0; i < count && ReadCount(pidl + offset) >= 2; ++i) offset += ReadCount(pidl + offset);
    return offset;
}

size_t ComposedPidlSize(std::initializer_list<TPidlPart> parts) {
    size_t size = kPidlTerminatorSize;
    for (const TPidlPart& part : parts) size += part.size;
    return size;
}

void ComposePidl(uint8_t* out, std::initializer_list<TPidlPart> parts) {
    for (const TPidlPart& part : parts) {
        if (part.size) std::memcpy(out, part.items, part.size);
        out += part.size;
    }
    out[0] = 0;
    out[1] = 0;
}

int ComparePidlBytes(const uint8_t* a, const uint8_t* b) {
    const size_t sizeA = PidlSize(a);
    const size_t sizeB = PidlSize(b);
    const size_t common = std::min(sizeA, sizeB);
    for (size_t i = 0; i < common; ++i) {
        if (a[i] != b[i]) return int(a[i]) - int(b[i]);
    }
    return static_cast<int>(sizeA) - static_cast<int>(sizeB);
}

std::optional<int> ComparePidlShapes(const uint8_t* a, const uint8_t* b) {
    if (!a || !b) return a == b ? 0 : -1;
    const bool emptyA = PidlItemsSize(a) == 0;
    const bool emptyB = PidlItemsSize(b) == 0;
    if (emptyA || emptyB) return emptyA == emptyB ? 0 : -1;
    return std::nullopt;
}

int CompareIdsResult(int32_t result) { return static_cast<int16_t>(static_cast<uint32_t>(result) & 0xFFFF); }

}  // namespace mw
