// Reads arbitrary bytes as INSTALL.LOG and checks that the store holds only well-formed records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "uninstaller/log/InstallLog.h"
#include "uninstaller/log/LookupIndex.h"
#include "uninstaller/log/tests/FakeLogHost.h"

namespace {

// Paths exist by a hash of their text, so that both sides of every existence test are reached.
struct FuzzLogSystem : FakeLogSystem {
  FuzzLogSystem() {
    shortNames = {{"C:\\Program Files", "C:\\PROGRA~1"}};
    startMenu = "C:\\Users\\joe\\Start Menu";
    commonStartMenu = "C:\\Users\\All Users\\Start Menu";
    sharedDllCounters = {"C:\\App\\shared.dll"};
  }
  bool FileExists(const char* path) override {
    unsigned hash = 0;
    for (const char* p = path; *p; ++p) hash = hash * 31 + static_cast<unsigned char>(UpperCaseOfAscii(*p));
    return hash % 4 != 0;
  }
  static char UpperCaseOfAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }
};

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckText(const char* field, std::size_t size) { Check(std::memchr(field, '\0', size) != nullptr); }

void CheckList(const char* list, std::size_t size) {
  std::size_t at = 0;
  while (at < size && list[at]) at += std::strlen(list + at) + 1;
  Check(at < size);
}

void CheckSection(Section section) { Check(section <= g_itemStore.lastSection || section == kLogFolderSection); }

LookupKey FileKey(const void* record) { return LookupKey{static_cast<const FileRecord*>(record)->path, nullptr, nullptr}; }
LookupKey KeyKey(const void* record) {
  const RegistryKeyRecord* key = static_cast<const RegistryKeyRecord*>(record);
  return LookupKey{key->keyPath, key->valueName, key->rootText};
}
LookupKey EditKey(const void* record) {
  const RegistryEditRecord* edit = static_cast<const RegistryEditRecord*>(record);
  return LookupKey{edit->keyPath, edit->valueName, edit->rootText};
}
LookupKey IniKey(const void* record) {
  const IniItemRecord* item = static_cast<const IniItemRecord*>(record);
  return LookupKey{item->file, item->sectionName, item->itemName};
}

// Every record of an index is found by its own key: merged records are unique.
template <typename Record>
void CheckIndex(const RecordTable<Record>& table, const LookupIndex* root, LookupKeyOf keyOf) {
  for (unsigned i = 0; i < table.count; ++i) Check(IndexFind(root, keyOf(table[i]), keyOf) == table[i]);
}

void CheckStore() {
  const ItemStore& s = g_itemStore;
  for (const RecordTable<FileRecord>* files : {&s.privateFiles, &s.systemFiles}) {
    for (unsigned i = 0; i < files->count; ++i) {
      const FileRecord& f = *(*files)[i];
      CheckText(f.path, sizeof f.path);
      CheckText(f.backupPath, sizeof f.backupPath);
      CheckText(f.repairData, sizeof f.repairData);
      CheckSection(f.lastCopySection);
      CheckSection(f.backupSection);
      Check(f.path[0] != '\0');
    }
  }
  CheckIndex(s.privateFiles, s.privateFileIndex, FileKey);
  for (unsigned i = 0; i < s.restoreOnlyFiles.count; ++i) {
    CheckText(s.restoreOnlyFiles[i]->path, kPathSize);
    Check(s.restoreOnlyFiles[i]->path[0] != '\0');
  }
  for (unsigned i = 0; i < s.directories.count; ++i) {
    const DirectoryRecord& d = *s.directories[i];
    CheckText(d.path, sizeof d.path);
    Check(std::strlen(d.path) > 3);
    CheckSection(d.namedSection);
  }
  for (unsigned i = 0; i < s.iniItems.count; ++i) {
    const IniItemRecord& item = *s.iniItems[i];
    CheckText(item.firstOldValue, sizeof item.firstOldValue);
    CheckText(item.latestOldValue, sizeof item.latestOldValue);
  }
  CheckIndex(s.iniItems, s.iniItemIndex, IniKey);
  for (unsigned i = 0; i < s.registryEdits.count; ++i) {
    const RegistryEditRecord& e = *s.registryEdits[i];
    CheckList(e.oldValues, sizeof e.oldValues);
    CheckList(e.rollbackOldValue, sizeof e.rollbackOldValue);
    Check(e.root >= 0 && e.root <= 4 && e.type >= 0 && e.type <= 4);
  }
  CheckIndex(s.registryKeys, s.registryKeyIndex, KeyKey);
  CheckIndex(s.registryEdits, s.registryEditIndex, EditKey);
  for (unsigned i = 0; i < s.repairValues.count; ++i) {
    const RepairValueRecord& v = *s.repairValues[i];
    Check(v.newValue && (v.changed ? v.edit != nullptr : v.key != nullptr));
  }
  CheckText(s.productTitle, sizeof s.productTitle);
  CheckText(s.mifFile, sizeof s.mifFile);
  CheckText(s.manufacturer, sizeof s.manufacturer);
  CheckText(s.topDirectory, sizeof s.topDirectory);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static FuzzLogSystem system;
  FakeLogUi ui;
  AllocateItemTables();
  MemoryLogInput input(data, size);
  if (ReadInstallLogFrom(input, "C:\\Program Files\\App\\INSTALL.LOG", system, ui) == 0) CheckStore();
  FreeItemStore();
  return 0;
}
