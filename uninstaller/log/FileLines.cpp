// File lines of the log: copies, shell links and overwrites; file edits and deletes; the
// Add Device and Self-Register marks.
#include <cstring>

#include "uninstaller/log/LogReader.h"
#include "uninstaller/log/LookupIndex.h"
#include "uninstaller/log/NameCompare.h"
#include "uninstaller/log/RecordTables.h"

namespace {

// Repair data shorter than this carries no verification data.
const std::size_t kMinRepairData = 21;

LookupKey PrivateFileKey(const void* record) {
  return LookupKey{static_cast<const FileRecord*>(record)->path, nullptr, nullptr};
}

LookupKey RestoreOnlyKey(const void* record) {
  return LookupKey{static_cast<const RestoreOnlyFile*>(record)->path, nullptr, nullptr};
}

LookupKey FileChangeKey(const void* record) {
  return LookupKey{static_cast<const FileChangeRecord*>(record)->path, nullptr, nullptr};
}

LookupKey LongFormKey(const void* record) {
  return LookupKey{static_cast<const FileRecord*>(record)->longPathCache, nullptr, nullptr};
}

LookupKey PathKey(const char* path) { return LookupKey{path, nullptr, nullptr}; }

FileRecord* FindPrivateFile(const char* path) {
  return FindRecord<FileRecord>(g_itemStore.privateFileIndex, PathKey(path), PrivateFileKey);
}

FileRecord* FindSystemFile(const char* path) {
  return FindRecord<FileRecord>(g_itemStore.systemFileIndex, PathKey(path), PrivateFileKey);
}

FileRecord* FindInstalledFile(const char* path, bool systemFile) {
  return systemFile ? FindSystemFile(path) : FindPrivateFile(path);
}

// What one "File Copy: ", "Shell Link: " or "File Overwrite: " block logged.
struct FileLine {
  char path[kPathSize];
  char backupPath[kPathSize];
  char repairData[kRepairDataSize];
  char* linkInfo;
  bool overwrite;
  bool counted;
  bool nonSystem;
  std::uint64_t lineStart;
};

// Reads the block; false when it is malformed (a value too long for its field).
bool ReadFileBlock(LogReader& r, const char* value, FileLine& file) {
  bool wellFormed = !r.lineCut;
  const char* bar = std::strchr(value, '|');
  std::size_t pathLength = bar ? static_cast<std::size_t>(bar - value) : std::strlen(value);
  if (bar && pathLength > 0 && value[pathLength - 1] == ' ') --pathLength;
  if (pathLength >= kPathSize) {
    wellFormed = false;
    pathLength = 0;
  }
  std::memcpy(file.path, value, pathLength);
  file.path[pathLength] = '\0';
  file.repairData[0] = '\0';
  if (bar && std::strlen(bar + 1) >= kMinRepairData)
    wellFormed = CopyValue(file.repairData, sizeof file.repairData, bar + 1, false) && wellFormed;

  char linkInfo[kLineSize] = "";
  bool hasLinkInfo = false;
  if (const char* text = AcceptNext(r, "Link Info: ")) {
    hasLinkInfo = true;
    wellFormed = CopyValue(linkInfo, sizeof linkInfo, text, r.lineCut) && wellFormed;
  }
  file.backupPath[0] = '\0';
  if (const char* backup = AcceptNext(r, "Backup Copy: "))
    wellFormed = CopyPath(r, file.backupPath, backup, r.lineCut) && wellFormed;
  if (!wellFormed) return false;

  if (!r.ansi) r.system.ConvertFromOem(file.path);
  file.linkInfo = nullptr;
  if (hasLinkInfo) {
    file.linkInfo = ArenaCopy(linkInfo);
    if (!file.linkInfo) return FailOutOfMemory(r);
  }
  return true;
}

void TakeRepairInfo(FileRecord& record, const FileLine& file, Section section) {
  record.repairSection = section;
  std::strcpy(record.repairData, file.repairData);
  record.linkInfo = file.linkInfo;
}

void AddRestoreOnly(LogReader& r, const FileLine& file) {
  RestoreOnlyFile* record = AppendRecord(g_itemStore.restoreOnlyFiles);
  if (!record) {
    FailOutOfMemory(r);
    return;
  }
  std::strcpy(record->path, file.path);
  std::strcpy(record->repairData, file.repairData);
  record->linkInfo = file.linkInfo;
  record->section = r.section;
  // A later record of the same path stays out of the tree: lookups find the first one.
  if (!FindRecord<RestoreOnlyFile>(g_itemStore.restoreOnlyIndex, PathKey(file.path), RestoreOnlyKey) &&
      IndexInsert(&g_itemStore.restoreOnlyIndex, record, RestoreOnlyKey) != 0)
    FailOutOfMemory(r);
}

// A file that stays out of the uninstall and only matters to repair.
void RecordRestoreOnly(LogReader& r, const FileLine& file) {
  // An emptied path (another user's shortcut) would hand repair a file named "".
  if (file.path[0] == '\0') return;
  if (file.repairData[0] == '\0' && !file.linkInfo) return;
  FileRecord* installed = FindInstalledFile(file.path, IsInSystemDirectory(file.path));
  if (installed) {
    TakeRepairInfo(*installed, file, r.section);
    return;
  }
  AddRestoreOnly(r, file);
}

void RecordMissingFile(LogReader& r, const FileLine& file) {
  RestoreOnlyFile* record = FindRecord<RestoreOnlyFile>(g_itemStore.restoreOnlyIndex, PathKey(file.path), RestoreOnlyKey);
  if (!record) {
    AddRestoreOnly(r, file);
    return;
  }
  record->section = r.section;
  std::strcpy(record->repairData, file.repairData);
  record->linkInfo = file.linkInfo;
}

bool AddCopyLine(LogReader& r, FileRecord& record, const FileLine& file) {
  FileCopyLine* line = static_cast<FileCopyLine*>(ArenaAllocate(sizeof(FileCopyLine)));
  if (!line) return FailOutOfMemory(r);
  line->offset = file.lineStart;
  line->section = r.section;
  line->counted = file.counted;
  line->next = record.copyLines;
  record.copyLines = line;
  return true;
}

void RecordInstalledFile(LogReader& r, const FileLine& file) {
  bool systemFile = IsInSystemDirectory(file.path);
  FileRecord* record = FindInstalledFile(file.path, systemFile);
  if (file.backupPath[0]) g_itemStore.backupsExist = 1;
  if (record) {
    record->lastCopySection = r.section;
    if (file.counted) {
      record->lastCountedCopySection = r.section;
      ++record->countedCopies;
    }
    if (file.backupPath[0]) {
      std::strcpy(record->backupPath, file.backupPath);
      record->backupSection = r.section;
    }
    std::strcpy(record->repairData, file.repairData);
    record->linkInfo = file.linkInfo;
    AddCopyLine(r, *record, file);
    return;
  }

  record = AppendRecord(systemFile ? g_itemStore.systemFiles : g_itemStore.privateFiles);
  if (!record) {
    FailOutOfMemory(r);
    return;
  }
  std::strcpy(record->path, file.path);
  if (IndexInsert(systemFile ? &g_itemStore.systemFileIndex : &g_itemStore.privateFileIndex, record, PrivateFileKey) != 0) {
    FailOutOfMemory(r);
    return;
  }
  std::strcpy(record->backupPath, file.backupPath);
  record->selected = systemFile && file.nonSystem ? 1 : 0;
  record->lastCopySection = r.section;
  record->backupSection = r.section;
  if (file.counted) {
    record->lastCountedCopySection = r.section;
    record->countedCopies = 1;
  }
  record->createdByInstallation = !file.overwrite && file.backupPath[0] == '\0';
  std::strcpy(record->repairData, file.repairData);
  record->linkInfo = file.linkInfo;
  AddCopyLine(r, *record, file);
}

FileChangeRecord* FindOrAddFileChange(LogReader& r, RecordTable<FileChangeRecord>& table, LookupIndex** tree,
                                      const char* path) {
  FileChangeRecord* record = FindRecord<FileChangeRecord>(*tree, PathKey(path), FileChangeKey);
  if (record) return record;
  record = AppendRecord(table);
  if (!record) {
    FailOutOfMemory(r);
    return nullptr;
  }
  std::strcpy(record->path, path);
  if (IndexInsert(tree, record, FileChangeKey) != 0) {
    FailOutOfMemory(r);
    return nullptr;
  }
  return record;
}

// Only paths with "~" can have another long form.
void LongFormOf(LogReader& r, const char* path, char* out) {
  if (std::strchr(path, '~') && r.system.LongPathOf(path, out, kPathSize)) return;
  std::strcpy(out, path);
}

const char* CachedLongForm(LogReader& r, FileRecord& record) {
  if (!record.longPathCache) {
    if (!std::strchr(record.path, '~')) {
      record.longPathCache = record.path;
    } else {
      char longPath[kPathSize];
      LongFormOf(r, record.path, longPath);
      char* copy = ArenaCopy(longPath);
      record.longPathCache = copy ? copy : record.path;
    }
  }
  return record.longPathCache;
}

// Adds the files recorded since the last "Self-Register: " line to the tree of long forms; files
// of the same long form hang in a chain from the one in the tree.
bool IndexLongForms(LogReader& r, const RecordTable<FileRecord>& files, unsigned* indexed) {
  for (; *indexed < files.count; ++*indexed) {
    FileRecord& record = *files[*indexed];
    CachedLongForm(r, record);
    FileRecord* same = FindRecord<FileRecord>(g_itemStore.longFormIndex, PathKey(record.longPathCache), LongFormKey);
    if (same) {
      record.nextSameLongForm = same->nextSameLongForm;
      same->nextSameLongForm = &record;
    } else if (IndexInsert(&g_itemStore.longFormIndex, &record, LongFormKey) != 0) {
      return FailOutOfMemory(r);
    }
  }
  return true;
}

}  // namespace

void HandleFileLine(LogReader& r, const char* value, bool shellLink, bool overwrite) {
  FileLine file;
  file.overwrite = overwrite;
  file.counted = !r.notCountedMark;
  file.nonSystem = r.nonSystemMark;
  file.lineStart = r.lineStart;
  if (!ReadFileBlock(r, value, file)) return;

  if (shellLink && g_itemStore.perUserId[0] && r.profileRoot[0] && StartsWithNoCase(file.path, r.profileRoot) &&
      !(r.commonFolder[0] && StartsWithNoCase(file.path, r.commonFolder))) {
    file.path[0] = '\0';  // another user's shortcut
  }
  if (file.overwrite && r.hasShell && r.system.HasSharedDllCounter(file.path)) file.overwrite = false;

  if (IsOnRemovableDrive(r, file.path) || (file.overwrite && file.backupPath[0] == '\0') || file.path[0] == '\0') {
    RecordRestoreOnly(r, file);
  } else if (!r.system.FileExists(file.path)) {
    RecordMissingFile(r, file);
  } else {
    RecordInstalledFile(r, file);
  }
}

void HandleFileEdit(LogReader& r, const char* value) {
  char path[kPathSize];
  char backupPath[kPathSize];
  bool wellFormed = CopyPath(r, path, value, r.lineCut);
  const char* backup = AcceptNext(r, "Backup Copy: ");
  if (!backup || !CopyPath(r, backupPath, backup, r.lineCut) || !wellFormed) return;
  if (backupPath[0] == '\0' || IsOnRemovableDrive(r, path) || !r.system.FileExists(path)) return;

  FileChangeRecord* record = FindOrAddFileChange(r, g_itemStore.fileEdits, &g_itemStore.fileEditIndex, path);
  if (!record) return;
  std::strcpy(record->backupPath, backupPath);
  record->section = r.section;
  g_itemStore.backupsExist = 1;
}

void HandleFileDelete(LogReader& r, const char* value) {
  char path[kPathSize];
  char backupPath[kPathSize];
  bool wellFormed = CopyPath(r, path, value, r.lineCut);
  const char* backup = AcceptNext(r, "Backup Copy: ");
  if (!backup || !CopyPath(r, backupPath, backup, r.lineCut) || !wellFormed) return;

  FileChangeRecord* record = FindOrAddFileChange(r, g_itemStore.fileDeletes, &g_itemStore.fileDeleteIndex, path);
  if (!record) return;
  std::strcpy(record->backupPath, backupPath);
  record->section = r.section;
  if (backupPath[0]) g_itemStore.backupsExist = 1;
}

void HandleAddDevice(LogReader& r, const char* value) {
  char path[kPathSize];
  if (!CopyPath(r, path, value, r.lineCut)) return;
  // A path is held once among the private files and once among the system files.
  if (FileRecord* record = FindPrivateFile(path)) record->addDeviceSection = r.section;
  if (FileRecord* record = FindSystemFile(path)) record->addDeviceSection = r.section;
}

void HandleSelfRegister(LogReader& r, const char* value) {
  char path[kPathSize];
  char longPath[kPathSize];
  if (!CopyPath(r, path, value, r.lineCut)) return;
  LongFormOf(r, path, longPath);
  if (!IndexLongForms(r, g_itemStore.privateFiles, &r.longFormsOfPrivateFiles) ||
      !IndexLongForms(r, g_itemStore.systemFiles, &r.longFormsOfSystemFiles))
    return;
  FileRecord* record = FindRecord<FileRecord>(g_itemStore.longFormIndex, PathKey(longPath), LongFormKey);
  for (; record; record = record->nextSameLongForm) record->selfRegisterSection = r.section;
}
