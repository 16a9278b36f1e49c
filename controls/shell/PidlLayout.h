#pragma once
// The byte layout of an item-ID list (PIDL): a run of items, each starting with its 16-bit
// little-endian byte count (the count field included), ended by a zero count. A missing list
// (nullptr) has size 0; the empty list (the desktop) is just the 2-byte terminator.
//
// The walking routines here trust the list: it comes from the shell or from our own copies.
// Bytes from elsewhere (form resources, other programs) are checked first with
// PidlSizeWithin.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>

namespace mw {

constexpr size_t kPidlTerminatorSize = 2;

// Items plus terminator; 0 for nullptr. An item shorter than its own count field ends the
// list there, so a damaged list is never walked byte by byte into unrelated memory.
size_t PidlSize(const uint8_t* pidl);
// The bytes of the items alone (PidlSize less the terminator; 0 for nullptr).
size_t PidlItemsSize(const uint8_t* pidl);
// The size of a list that ends within the available bytes; 0 when it does not.
size_t PidlSizeWithin(const uint8_t* pidl, size_t available);

int PidlItemCount(const uint8_t* pidl);
// The start of item index (0-based), or nullptr when there is no such item.
const uint8_t* PidlItem(const uint8_t* pidl, int index);
// The byte count of the item that starts at item.
size_t PidlItemSize(const uint8_t* item);
// The bytes of the first count items (count clipped to the list).
size_t PidlPrefixSize(const uint8_t* pidl, int count);

// A run of item bytes (without terminator) that goes into a new list.
struct TPidlPart {
    const uint8_t* items;
    size_t size;
};
size_t ComposedPidlSize(std::initializer_list<TPidlPart> parts);
// Writes the parts one after another and a fresh terminator; out holds ComposedPidlSize bytes.
void ComposePidl(uint8_t* out, std::initializer_list<TPidlPart> parts);

// The order of the PIDL list without a shell folder: over the smaller size (terminator
// included) the first differing byte decides (a minus b, unsigned bytes), then the size.
int ComparePidlBytes(const uint8_t* a, const uint8_t* b);

// What can be said without the shell: both missing or both empty are equal (0); when only one
// is missing, or only one is empty, -1. Nothing when both hold items.
std::optional<int> ComparePidlShapes(const uint8_t* a, const uint8_t* b);

// The shell's CompareIDs answer: its low 16 bits as a signed number.
int CompareIdsResult(int32_t result);

}  // namespace mw
