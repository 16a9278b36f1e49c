// INI lines of the log: INI files the installation created, and INI entries it changed.
#include <cstring>

#include "uninstaller/log/LogReader.h"
#include "uninstaller/log/LookupIndex.h"
#include "uninstaller/log/NameCompare.h"
#include "uninstaller/log/RecordTables.h"

namespace {

LookupKey IniItemKey(const void* record) {
  const IniItemRecord* item = static_cast<const IniItemRecord*>(record);
  return LookupKey{item->file, item->sectionName, item->itemName};
}

LookupKey IniFileKey(const void* record) {
  return LookupKey{static_cast<const IniFileRecord*>(record)->path, nullptr, nullptr};
}

void RecordIniFile(LogReader& r, const char* path) {
  IniFileRecord* record = FindRecord<IniFileRecord>(g_itemStore.iniFileIndex, LookupKey{path, nullptr, nullptr}, IniFileKey);
  if (!record) {
    record = AppendRecord(g_itemStore.iniFiles);
    if (!record) {
      FailOutOfMemory(r);
      return;
    }
    std::strcpy(record->path, path);
    if (IndexInsert(&g_itemStore.iniFileIndex, record, IniFileKey) != 0) FailOutOfMemory(r);
  }
  record->section = r.section;
}

// The entries logged for a created file: removing the file undoes them.
void SkipEntriesOfNewFile(LogReader& r) {
  while (PeekNext(r) && StartsWithNoCase(r.line, "INI ") && !ValueAfter(r, "INI File: ") && !ValueAfter(r, "INI New: "))
    r.pending = false;
}

}  // namespace

void HandleIniNew(LogReader& r, const char*) {
  if (const char* file = AcceptNext(r, "INI File: ")) {
    char path[kPathSize];
    if (CopyPath(r, path, file, r.lineCut) && !IsOnRemovableDrive(r, path) && r.system.FileExists(path))
      RecordIniFile(r, path);
  }
  SkipEntriesOfNewFile(r);
}

void HandleIniFile(LogReader& r, const char* file) {
  char path[kPathSize];
  char sectionName[kNameSize];
  char itemName[kNameSize];
  char oldValue[kIniValueSize] = "";
  bool wellFormed = CopyPath(r, path, file, r.lineCut);
  const char* text = AcceptNext(r, "INI Sect: ");
  if (!text) return;
  wellFormed = CopyValue(sectionName, sizeof sectionName, text, r.lineCut) && wellFormed;
  if (!(text = AcceptNext(r, "INI Item: "))) return;
  wellFormed = CopyValue(itemName, sizeof itemName, text, r.lineCut) && wellFormed;
  if (!AcceptNext(r, "INI Val: ")) return;  // the new value is not kept
  if ((text = AcceptNext(r, "INI Old: "))) wellFormed = CopyValue(oldValue, sizeof oldValue, text, r.lineCut) && wellFormed;
  if (!wellFormed || IsOnRemovableDrive(r, path)) return;

  LookupKey key{path, sectionName, itemName};
  IniItemRecord* item = FindRecord<IniItemRecord>(g_itemStore.iniItemIndex, key, IniItemKey);
  if (item) {
    // The latest run wins, as with registry edits: a rollback of it restores this value.
    std::strcpy(item->latestOldValue, oldValue);
    item->section = r.section;
    return;
  }
  item = AppendRecord(g_itemStore.iniItems);
  if (!item) {
    FailOutOfMemory(r);
    return;
  }
  std::strcpy(item->file, path);
  std::strcpy(item->sectionName, sectionName);
  std::strcpy(item->itemName, itemName);
  std::strcpy(item->firstOldValue, oldValue);
  std::strcpy(item->latestOldValue, oldValue);
  item->section = r.section;
  if (IndexInsert(&g_itemStore.iniItemIndex, item, IniItemKey) != 0) FailOutOfMemory(r);
}
