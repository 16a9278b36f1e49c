// Adding records to the store's tables (reader-internal).
#pragma once

#include <cstdint>
#include <cstring>

#include "uninstaller/log/Arena.h"
#include "uninstaller/log/ItemStore.h"
#include "uninstaller/log/LookupIndex.h"

const unsigned kInitialTableCapacity = 64;

// A zeroed record appended to the table, or nullptr when memory is short. The pointer table
// doubles when full; the old one stays in the arena.
template <typename Record>
Record* AppendRecord(RecordTable<Record>& table) {
  if (table.count == table.capacity) {
    unsigned capacity = table.capacity ? table.capacity * 2 : kInitialTableCapacity;
    if (capacity <= table.capacity || capacity > SIZE_MAX / sizeof(Record*)) return nullptr;
    Record** items = static_cast<Record**>(ArenaAllocate(capacity * sizeof(Record*)));
    if (!items) return nullptr;
    if (table.count) std::memcpy(items, table.items, table.count * sizeof(Record*));
    table.items = items;
    table.capacity = capacity;
  }
  Record* record = static_cast<Record*>(ArenaAllocate(sizeof(Record)));
  if (!record) return nullptr;
  std::memset(record, 0, sizeof(Record));
  table.items[table.count++] = record;
  return record;
}

// The record of the tree with this key, or nullptr.
template <typename Record>
Record* FindRecord(const LookupIndex* tree, const LookupKey& key, LookupKeyOf keyOf) {
  return const_cast<Record*>(static_cast<const Record*>(IndexFind(tree, key, keyOf)));
}

// A copy of the text in the arena, or nullptr when memory is short.
char* ArenaCopy(const char* text);
