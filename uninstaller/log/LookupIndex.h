// The lookup indexes of the item store: records keyed by up to three strings, all compared
// without regard to case (SameLookupKey). An index only serves lookup; records stay in their
// table in log order. It is a hash table, so a lookup costs the same whatever the order and
// number of the log's lines.
#pragma once

struct LookupKey {
  const char* first;
  const char* second;  // nullptr when the key has no second part
  const char* third;   // nullptr when the key has no third part
};

typedef LookupKey (*LookupKeyOf)(const void* record);

struct LookupIndex;  // nullptr is an empty index

// The parts compare equal, upper-cased byte by byte.
bool SameLookupKey(const LookupKey& a, const LookupKey& b);

// The record with this key, or nullptr.
const void* IndexFind(const LookupIndex* index, const LookupKey& key, LookupKeyOf keyOf);

// Adds a record whose key is not in the index yet; its key must not change while it is there.
// 0 on success, 1 when memory is short.
int IndexInsert(LookupIndex** index, const void* record, LookupKeyOf keyOf);

// Frees every index.
void FreeAllLookupIndexes();
