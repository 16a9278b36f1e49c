// INI lines of the log: INI files the installation created, and INI entries it changed.
#include <cstring>

#include "uninstaller/log/LogReader.h"
#include "uninstaller/log/LookupTree.h"
#include "uninstaller/log/NameCompare.h"
#include "uninstaller/log/RecordTables.h"

namespace {

TreeKey IniItemKey(const void* record) {
  const IniItemRecord* item = static_cast<const IniItemRecord*>(record);
  return TreeKey{item->file, item->sectionName, item->itemName};
}

void RecordIniFile(LogReader& r, const char* path) {
  RecordTable<IniFileRecord>& files = g_itemStore.iniFiles;
  for (unsigned i = 0; i < files.count; ++i) {
    if (EqualNoCase(files[i]->path, path)) {
      files[i]->section = r.section;
      return;
    }
  }
  IniFileRecord* record = AppendRecord(files);
  if (!record) {
    FailOutOfMemory(r);
    return;
  }
  std::strcpy(record->path, path);
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

  TreeKey key{path, sectionName, itemName};
  IniItemRecord* item =
      const_cast<IniItemRecord*>(static_cast<const IniItemRecord*>(TreeFind(g_itemStore.iniItemTree, key, IniItemKey)));
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
  if (TreeInsert(&g_itemStore.iniItemTree, item, IniItemKey) != 0) FailOutOfMemory(r);
}
