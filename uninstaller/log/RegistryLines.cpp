// Registry lines of the log: "RegDB Key: " blocks (values created or changed) and
// "RegDB Tree: " lines.
#include <cstdio>
#include <cstring>

#include "uninstaller/log/LogReader.h"
#include "uninstaller/log/LookupIndex.h"
#include "uninstaller/log/NameCompare.h"
#include "uninstaller/log/RecordTables.h"

namespace {

const int kRootCurrentUser = 1;

LookupKey RegistryKeyKey(const void* record) {
  const RegistryKeyRecord* key = static_cast<const RegistryKeyRecord*>(record);
  return LookupKey{key->keyPath, key->valueName, key->rootText};
}

// Roots 0 to 4 as the second part of a registry tree's key.
const char* const kRootNumbers[] = {"0", "1", "2", "3", "4"};

LookupKey RegistryTreeKey(const void* record) {
  const RegistryTreeRecord* tree = static_cast<const RegistryTreeRecord*>(record);
  return LookupKey{tree->keyPath, kRootNumbers[tree->root], nullptr};
}

LookupKey RegistryEditKey(const void* record) {
  const RegistryEditRecord* edit = static_cast<const RegistryEditRecord*>(record);
  return LookupKey{edit->keyPath, edit->valueName, edit->rootText};
}

// A root or value type number, 0 to 4 (spaces around it allowed).
bool ParseSmallNumber(const char* text, int* number) {
  while (*text == ' ') ++text;
  if (*text < '0' || *text > '4') return false;
  *number = *text++ - '0';
  while (*text == ' ') ++text;
  return *text == '\0';
}

// What one "RegDB Key: " block logged.
struct RegistryValue {
  char keyPath[kPathSize];
  char valueName[kNameSize];
  char rootText[kRootTextSize];
  int root;
  int type;
  char newValue[kLineSize];
  bool hasOldValues;
  char oldValues[kRegistryValueSize];  // strings closed by an empty string
  std::size_t oldValuesSize;           // bytes of the list with its closing NUL
};

// Reads the block; false when it is to be dropped.
bool ReadRegistryBlock(LogReader& r, const char* keyPath, RegistryValue& value) {
  bool wellFormed = CopyValue(value.keyPath, sizeof value.keyPath, keyPath, r.lineCut);
  const char* newValue = AcceptNext(r, "RegDB Val: ");
  if (!newValue) return false;  // a key without a value
  wellFormed = CopyValue(value.newValue, sizeof value.newValue, newValue, r.lineCut) && wellFormed;
  while (AcceptNext(r, "RegDB Val: ")) {
  }

  value.valueName[0] = '\0';
  if (const char* name = AcceptNext(r, "RegDB Name: "))
    wellFormed = CopyValue(value.valueName, sizeof value.valueName, name, r.lineCut) && wellFormed;
  value.type = 0;
  if (const char* type = AcceptNext(r, "RegDB Type: ")) wellFormed = ParseSmallNumber(type, &value.type) && wellFormed;
  value.root = 0;
  bool rootLogged = false;
  if (const char* root = AcceptNext(r, "RegDB Root: ")) {
    rootLogged = true;
    wellFormed = ParseSmallNumber(root, &value.root) && wellFormed;
  }

  value.hasOldValues = false;
  std::size_t used = 0;
  while (const char* old = AcceptNext(r, "RegDB Old: ")) {
    value.hasOldValues = true;
    std::size_t length = std::strlen(old);
    // Room for this string's NUL and the list's closing NUL.
    if (r.lineCut || used + length + 2 > sizeof value.oldValues) {
      wellFormed = false;
      continue;
    }
    std::memcpy(value.oldValues + used, old, length + 1);
    used += length + 1;
  }
  value.oldValues[used] = '\0';
  value.oldValuesSize = used + 1;
  if (!wellFormed) return false;

  // The current user's values of a per-user installation belong to that user.
  if (rootLogged && value.root == kRootCurrentUser && g_itemStore.perUserId[0]) return false;
  std::snprintf(value.rootText, sizeof value.rootText, "%d", value.root);
  return true;
}

RegistryKeyRecord* RecordCreatedValue(LogReader& r, const RegistryValue& value) {
  LookupKey key{value.keyPath, value.valueName, value.rootText};
  RegistryKeyRecord* record = FindRecord<RegistryKeyRecord>(g_itemStore.registryKeyIndex, key, RegistryKeyKey);
  if (!record) {
    record = AppendRecord(g_itemStore.registryKeys);
    if (!record) return nullptr;
    std::strcpy(record->keyPath, value.keyPath);
    std::strcpy(record->valueName, value.valueName);
    std::strcpy(record->rootText, value.rootText);
    record->root = value.root;
    if (IndexInsert(&g_itemStore.registryKeyIndex, record, RegistryKeyKey) != 0) return nullptr;
  }
  record->section = r.section;
  return record;
}

RegistryEditRecord* RecordChangedValue(LogReader& r, const RegistryValue& value) {
  LookupKey key{value.keyPath, value.valueName, value.rootText};
  RegistryEditRecord* record = FindRecord<RegistryEditRecord>(g_itemStore.registryEditIndex, key, RegistryEditKey);
  if (!record) {
    record = AppendRecord(g_itemStore.registryEdits);
    if (!record) return nullptr;
    std::strcpy(record->keyPath, value.keyPath);
    std::strcpy(record->valueName, value.valueName);
    std::strcpy(record->rootText, value.rootText);
    record->root = value.root;
    record->type = value.type;
    std::memcpy(record->oldValues, value.oldValues, value.oldValuesSize);
    if (IndexInsert(&g_itemStore.registryEditIndex, record, RegistryEditKey) != 0) return nullptr;
  }
  // The whole list, so that a multi-string value rolls back with all its strings.
  std::memcpy(record->rollbackOldValue, value.oldValues, value.oldValuesSize);
  record->section = r.section;
  return record;
}

}  // namespace

void HandleRegistryKey(LogReader& r, const char* keyPath) {
  RegistryValue value;
  if (!ReadRegistryBlock(r, keyPath, value)) return;

  RepairValueRecord* repair = AppendRecord(g_itemStore.repairValues);
  if (!repair || !(repair->newValue = ArenaCopy(value.newValue))) {
    FailOutOfMemory(r);
    return;
  }
  repair->type = value.type;
  if (value.hasOldValues) {
    repair->edit = RecordChangedValue(r, value);
    repair->changed = 1;
  } else {
    repair->key = RecordCreatedValue(r, value);
  }
  if (!repair->edit && !repair->key) FailOutOfMemory(r);
}

void HandleRegistryTree(LogReader& r, const char* keyPath) {
  char path[kNameSize];
  bool wellFormed = CopyValue(path, sizeof path, keyPath, r.lineCut);
  int root = 0;
  if (const char* rootText = AcceptNext(r, "RegDB Root: ")) wellFormed = ParseSmallNumber(rootText, &root) && wellFormed;
  if (!wellFormed) return;

  LookupKey key{path, kRootNumbers[root], nullptr};
  RegistryTreeRecord* record = FindRecord<RegistryTreeRecord>(g_itemStore.registryTreeIndex, key, RegistryTreeKey);
  if (!record) {
    if (!(record = AppendRecord(g_itemStore.registryTrees))) {
      FailOutOfMemory(r);
      return;
    }
    std::strcpy(record->keyPath, path);
    record->root = root;
    if (IndexInsert(&g_itemStore.registryTreeIndex, record, RegistryTreeKey) != 0) FailOutOfMemory(r);
  }
  record->section = r.section;
}
