#include "uninstaller/log/ItemStore.h"

#include <cstring>

#include "uninstaller/log/Arena.h"
#include "uninstaller/log/InstallLog.h"
#include "uninstaller/log/LookupIndex.h"
#include "uninstaller/log/RecordTables.h"

ItemStore g_itemStore;

const char* SourceOfSection(Section section) {
  if (section >= g_itemStore.sourceSlots) return nullptr;
  return g_itemStore.sourceBySection[section];
}

char* ArenaCopy(const char* text) {
  std::size_t size = std::strlen(text) + 1;
  char* copy = static_cast<char*>(ArenaAllocate(size));
  if (copy) std::memcpy(copy, text, size);
  return copy;
}

int AllocateItemTables() {
  FreeItemStore();
  return 0;
}

void FreeItemStore() {
  ArenaFreeAll();
  FreeAllLookupIndexes();
  std::memset(&g_itemStore, 0, sizeof g_itemStore);
}
