#pragma once
// The "Pidl" property of a shell locator in a form resource: a kind byte, then for a special
// folder its id byte, otherwise a 32-bit little-endian size (terminator included, 0 for the
// desktop) and that many bytes of the item-ID list.

#include <cstdint>
#include <vector>

#include "classlib/core/Stream.h"

namespace mw {

enum class TMwLocatorKind : uint8_t { lkIdList = 0, lkSpecialFolder = 1 };

// The special-folder id that means none; a locator holding a PIDL stores it.
constexpr uint8_t kNoSpecialFolder = 50;

struct TLocatorRecord {
    TMwLocatorKind kind = TMwLocatorKind::lkIdList;
    uint8_t folderId = kNoSpecialFolder;
    std::vector<uint8_t> pidl;  // the whole list, terminator included; empty for none
};

void WriteLocatorRecord(cl::TStream& stream, const TLocatorRecord& record);

// A size of 0 reads as special folder 0 (the desktop). Stream errors propagate; a size that
// the stream cannot hold, or bytes that are not one complete item-ID list of exactly that
// size, raise EReadError before anything is allocated or kept.
TLocatorRecord ReadLocatorRecord(cl::TStream& stream);

}  // namespace mw
