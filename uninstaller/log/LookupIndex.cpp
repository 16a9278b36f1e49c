#include "uninstaller/log/LookupIndex.h"

#include <cstdint>
#include <initializer_list>

#include "uninstaller/log/Arena.h"
#include "uninstaller/log/NameCompare.h"

struct LookupIndex {
  struct Slot {
    std::uint64_t hash;
    const void* record;  // nullptr: free
  };
  std::size_t capacity;  // a power of two
  std::size_t count;
  Slot slots[1];
};

namespace {

const std::size_t kInitialCapacity = 16;

// Indexes live apart from the records; a grown index leaves its old table here until the end.
Arena g_indexes;

// FNV-1a over the upper-cased characters of every part, each part closed by its NUL.
std::uint64_t KeyHash(const LookupKey& key) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char* part : {key.first, key.second, key.third}) {
    if (!part) continue;
    for (const char* p = part;; ++p) {
      hash = (hash ^ UpperCaseOf(*p)) * 1099511628211ull;
      if (!*p) break;
    }
  }
  return hash;
}

LookupIndex* NewIndex(std::size_t capacity) {
  std::size_t size = sizeof(LookupIndex) + (capacity - 1) * sizeof(LookupIndex::Slot);
  LookupIndex* index = static_cast<LookupIndex*>(g_indexes.Allocate(size));
  if (!index) return nullptr;
  index->capacity = capacity;
  index->count = 0;
  for (std::size_t i = 0; i < capacity; ++i) index->slots[i] = LookupIndex::Slot{0, nullptr};
  return index;
}

// The slot of the record with this key, or the free slot where it would go.
LookupIndex::Slot& SlotFor(const LookupIndex& index, const LookupKey& key, std::uint64_t hash, LookupKeyOf keyOf) {
  std::size_t mask = index.capacity - 1;
  for (std::size_t i = static_cast<std::size_t>(hash) & mask;; i = (i + 1) & mask) {
    const LookupIndex::Slot& slot = index.slots[i];
    if (!slot.record || (slot.hash == hash && SameLookupKey(keyOf(slot.record), key)))
      return const_cast<LookupIndex::Slot&>(slot);
  }
}

void Place(LookupIndex& index, const LookupIndex::Slot& moved) {
  std::size_t mask = index.capacity - 1;
  std::size_t i = static_cast<std::size_t>(moved.hash) & mask;
  while (index.slots[i].record) i = (i + 1) & mask;
  index.slots[i] = moved;
  ++index.count;
}

}  // namespace

bool SameLookupKey(const LookupKey& a, const LookupKey& b) {
  return EqualNoCase(a.first, b.first) && (!a.second || !b.second || EqualNoCase(a.second, b.second)) &&
         (!a.third || !b.third || EqualNoCase(a.third, b.third));
}

const void* IndexFind(const LookupIndex* index, const LookupKey& key, LookupKeyOf keyOf) {
  if (!index) return nullptr;
  return SlotFor(*index, key, KeyHash(key), keyOf).record;
}

int IndexInsert(LookupIndex** index, const void* record, LookupKeyOf keyOf) {
  // At most half full, so that a search meets a free slot soon.
  if (!*index || 2 * ((*index)->count + 1) > (*index)->capacity) {
    std::size_t capacity = *index ? 2 * (*index)->capacity : kInitialCapacity;
    LookupIndex* grown = NewIndex(capacity);
    if (!grown) return 1;
    if (*index) {
      for (std::size_t i = 0; i < (*index)->capacity; ++i)
        if ((*index)->slots[i].record) Place(*grown, (*index)->slots[i]);
    }
    *index = grown;
  }
  Place(**index, LookupIndex::Slot{KeyHash(keyOf(record)), record});
  return 0;
}

void FreeAllLookupIndexes() { g_indexes.FreeAll(); }
