// The uninstaller's item store: what INSTALL.LOG recorded, one table of records per item kind.
//
// The store is process-wide (g_itemStore). It is filled once by ReadInstallLog before the
// wizard; afterwards it is only read, except the wizard's `selected` flags and the engine's
// clearing of paths it keeps. Records and tables live in the arena until FreeItemStore.
//
// Sections: every installation run in the log is one section, numbered from 1 in file order.
// A record remembers the sections that produced it; 0 means "never". Sections compare as
// unsigned 16-bit numbers. `lastSection` is the rollback section.
#pragma once

#include <cstddef>
#include <cstdint>

typedef std::uint16_t Section;

// Field sizes, including the terminating NUL. A logged value that does not fit is never cut:
// its whole record is dropped as malformed.
enum : std::size_t {
  kPathSize = 260,
  kNameSize = 256,
  kRepairDataSize = 80,
  kIniValueSize = 512,
  kRegistryValueSize = 2048,
  kRootTextSize = 12,
  kMifFieldSize = 128,  // at most 127 characters
};

// Named section of the directory record made for the log's own folder.
const Section kLogFolderSection = 0x7FFF;

// One logged copy of an installed file: where its line starts in the log. The engine notes there
// what a run already gave back of the file's shared-file counter.
struct FileCopyLine {
  std::uint64_t offset;
  FileCopyLine* next;  // the copy logged before this one
  Section section;
  bool counted;
};

// Private file and system file (looked up by path).
struct FileRecord {
  char path[kPathSize];
  char backupPath[kPathSize];
  char repairData[kRepairDataSize];  // " date | time | ? | size | crc32", or empty
  char* linkInfo;                    // the "Link Info: " text, or nullptr
  int selected;                      // wizard; system files start with the "Non-System File:" mark
  int createdByInstallation;
  Section selfRegisterSection;
  Section addDeviceSection;
  Section lastCopySection;
  Section backupSection;
  Section repairSection;
  Section lastCountedCopySection;
  int countedCopies;
  FileCopyLine* copyLines;  // newest first
  const char* longPathCache;  // reader-internal: the long form once computed, else nullptr
  FileRecord* nextSameLongForm;  // reader-internal: another file of the same long form
};

// A file that is only restored by repair (no longer present, overwritten without backup, ...).
struct RestoreOnlyFile {
  char path[kPathSize];
  char repairData[kRepairDataSize];
  char* linkInfo;
  Section section;
};

// "File Edit: " and "File Delete: " records.
struct FileChangeRecord {
  char path[kPathSize];
  char backupPath[kPathSize];
  Section section;
};

// A directory to remove. `path` ends with "\" (or is a pattern such as "C:\App\*.log" for a
// "File Tree: " line). A File Tree section other than 0 removes the folder with its files.
struct DirectoryRecord {
  char path[kPathSize];
  int selected;
  Section fileTreeSection;
  Section namedSection;
};

struct IniFileRecord {
  char path[kPathSize];
  int selected;
  Section section;
};

// Lookup key: file, section name, item name.
struct IniItemRecord {
  char file[kPathSize];
  char sectionName[kNameSize];
  char itemName[kNameSize];
  char firstOldValue[kIniValueSize];   // before the first run; empty = the entry did not exist
  char latestOldValue[kIniValueSize];  // before the latest run (rollback)
  int selected;
  Section section;  // latest run that changed it
};

// A value the installation created. Lookup key: key path, value name, root text.
struct RegistryKeyRecord {
  char keyPath[kPathSize];
  char valueName[kNameSize];
  char rootText[kRootTextSize];
  int root;  // 0 HKCR, 1 HKCU, 2 HKLM, 3 HKU, 4 HKCC
  int selected;
  Section section;
};

// A value the installation changed. Lookup key: key path, value name, root text.
// Both value buffers hold a list of NUL-terminated strings closed by an empty string;
// read as a plain C string each is its first string.
struct RegistryEditRecord {
  char keyPath[kPathSize];
  char valueName[kNameSize];
  char rootText[kRootTextSize];
  char oldValues[kRegistryValueSize];         // before the first run
  char rollbackOldValue[kRegistryValueSize];  // before the latest run
  int root;
  int type;  // 0 REG_SZ, 1 REG_EXPAND_SZ, 2 REG_MULTI_SZ, 3 REG_DWORD, 4 REG_BINARY
  int selected;
  Section section;
};

// The value a "RegDB Key: " block wrote, for repair. Exactly one of `key` (changed 0: the
// installation created the value) and `edit` (changed 1: it changed an existing value) is set.
struct RepairValueRecord {
  char* newValue;
  int type;  // used with `key`; an edit record carries its own type
  RegistryKeyRecord* key;
  RegistryEditRecord* edit;
  int changed;
};

struct RegistryTreeRecord {
  char keyPath[kNameSize];
  int root;
  int selected;
  Section section;
};

struct IconRecord {
  char group[kNameSize];
  char name[kNameSize];
  char command[kNameSize];
  int selected;
  Section section;
};

struct ExternalProgramRecord {
  char commandLine[kPathSize];
  char displayName[kNameSize];  // may be empty
  int selected;
  Section section;
};

struct ServiceRecord {
  char name[kPathSize];
  int selected;
  Section section;
};

// Records of one kind in log order. Tables grow as needed.
template <typename Record>
struct RecordTable {
  Record** items;
  unsigned count;
  unsigned capacity;

  Record* operator[](unsigned index) const { return items[index]; }
};

struct LookupIndex;  // reader-internal

struct ItemStore {
  RecordTable<FileRecord> privateFiles;
  RecordTable<FileRecord> systemFiles;
  RecordTable<RestoreOnlyFile> restoreOnlyFiles;
  RecordTable<FileChangeRecord> fileEdits;
  RecordTable<FileChangeRecord> fileDeletes;
  RecordTable<DirectoryRecord> directories;
  RecordTable<IniFileRecord> iniFiles;
  RecordTable<IniItemRecord> iniItems;
  RecordTable<RegistryKeyRecord> registryKeys;
  RecordTable<RegistryEditRecord> registryEdits;
  RecordTable<RegistryTreeRecord> registryTrees;
  RecordTable<RepairValueRecord> repairValues;
  RecordTable<IconRecord> icons;
  RecordTable<ExternalProgramRecord> externalPrograms;
  RecordTable<ServiceRecord> services;

  // Source text ("Source: " line) per section, index 0 to lastSection; nullptr = none.
  char** sourceBySection;
  unsigned sourceSlots;

  char productTitle[kNameSize];
  char* subSystemName;  // nullptr when the log named none
  int subSystemSelected;
  char mifFile[kMifFieldSize];
  char manufacturer[kMifFieldSize];
  char product[kMifFieldSize];
  char versionNumber[kMifFieldSize];
  char serialNumber[kMifFieldSize];
  char perUserId[kNameSize];
  int ansi;               // the log's last "*** " line marked it ANSI
  int backupsExist;       // a backup copy was logged: rollback is possible
  int repairPossible;     // a "Source: " line carries verification data
  int deleteInUseFiles;   // "Delete in-use files: On"
  int systemRestore;      // "System Restore: Enabled"
  Section lastSection;    // the rollback section
  std::uint64_t truncationOffset;  // file offset of the last "*** " line
  char topDirectory[kPathSize];    // short form, trailing "\"

  // The system directories as read at start (no trailing "\"); ntSystemDirectory is empty
  // outside the NT family.
  char windowsDirectory[kPathSize];
  char systemDirectory[kPathSize];
  char win32sDirectory[kPathSize];
  char ntSystemDirectory[kPathSize];

  // Reader-internal lookup indexes.
  LookupIndex* privateFileIndex;
  LookupIndex* iniItemIndex;
  LookupIndex* registryKeyIndex;
  LookupIndex* registryEditIndex;
  LookupIndex* systemFileIndex;
  LookupIndex* restoreOnlyIndex;   // the first restore-only record of each path
  LookupIndex* fileEditIndex;
  LookupIndex* fileDeleteIndex;
  LookupIndex* longFormIndex;      // installed files by long form, for "Self-Register: "
  LookupIndex* iniFileIndex;
  LookupIndex* serviceIndex;
  LookupIndex* iconIndex;
  LookupIndex* programIndex;
  LookupIndex* registryTreeIndex;
};

extern ItemStore g_itemStore;

// Source text of a section, or nullptr.
const char* SourceOfSection(Section section);
