// File lines of the log: copies, shell links and overwrites; file edits and deletes; the
// Add Device and Self-Register marks.
#include <cstring>

#include "uninstaller/log/LogReader.h"
#include "uninstaller/log/LookupTree.h"
#include "uninstaller/log/NameCompare.h"
#include "uninstaller/log/RecordTables.h"

namespace {

// Repair data shorter than this carries no verification data.
const std::size_t kMinRepairData = 21;

TreeKey PrivateFileKey(const void* record) {
  return TreeKey{static_cast<const FileRecord*>(record)->path, nullptr, nullptr};
}

FileRecord* FindPrivateFile(const char* path) {
  TreeKey key{path, nullptr, nullptr};
  return const_cast<FileRecord*>(
      static_cast<const FileRecord*>(TreeFind(g_itemStore.privateFileTree, key, PrivateFileKey)));
}

template <typename Record>
Record* FindByPath(const RecordTable<Record>& table, const char* path) {
  for (unsigned i = 0; i < table.count; ++i) {
    if (EqualNoCase(table[i]->path, path)) return table[i];
  }
  return nullptr;
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
}

// A file that stays out of the uninstall and only matters to repair.
void RecordRestoreOnly(LogReader& r, const FileLine& file) {
  // An emptied path (another user's shortcut) would hand repair a file named "".
  if (file.path[0] == '\0') return;
  if (file.repairData[0] == '\0' && !file.linkInfo) return;
  FileRecord* installed =
      IsInSystemDirectory(file.path) ? FindByPath(g_itemStore.systemFiles, file.path) : FindPrivateFile(file.path);
  if (installed) {
    TakeRepairInfo(*installed, file, r.section);
    return;
  }
  AddRestoreOnly(r, file);
}

void RecordMissingFile(LogReader& r, const FileLine& file) {
  RestoreOnlyFile* record = FindByPath(g_itemStore.restoreOnlyFiles, file.path);
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
  FileRecord* record = systemFile ? FindByPath(g_itemStore.systemFiles, file.path) : FindPrivateFile(file.path);
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
  if (!systemFile && TreeInsert(&g_itemStore.privateFileTree, record, PrivateFileKey) != 0) {
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

template <typename Visit>
void ForEachInstalledFile(Visit visit) {
  for (unsigned i = 0; i < g_itemStore.privateFiles.count; ++i) visit(*g_itemStore.privateFiles[i]);
  for (unsigned i = 0; i < g_itemStore.systemFiles.count; ++i) visit(*g_itemStore.systemFiles[i]);
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
      if (!copy) return record.path;
      record.longPathCache = copy;
    }
  }
  return record.longPathCache;
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

  FileChangeRecord* record = FindByPath(g_itemStore.fileEdits, path);
  if (!record) {
    record = AppendRecord(g_itemStore.fileEdits);
    if (!record) {
      FailOutOfMemory(r);
      return;
    }
    std::strcpy(record->path, path);
  }
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

  FileChangeRecord* record = FindByPath(g_itemStore.fileDeletes, path);
  if (!record) {
    record = AppendRecord(g_itemStore.fileDeletes);
    if (!record) {
      FailOutOfMemory(r);
      return;
    }
    std::strcpy(record->path, path);
  }
  std::strcpy(record->backupPath, backupPath);
  record->section = r.section;
  if (backupPath[0]) g_itemStore.backupsExist = 1;
}

void HandleAddDevice(LogReader& r, const char* value) {
  char path[kPathSize];
  if (!CopyPath(r, path, value, r.lineCut)) return;
  // A path is held once among the private files (tree) and once among the system files.
  if (FileRecord* record = FindPrivateFile(path)) record->addDeviceSection = r.section;
  if (FileRecord* record = FindByPath(g_itemStore.systemFiles, path)) record->addDeviceSection = r.section;
}

void HandleSelfRegister(LogReader& r, const char* value) {
  char path[kPathSize];
  char longPath[kPathSize];
  if (!CopyPath(r, path, value, r.lineCut)) return;
  LongFormOf(r, path, longPath);
  ForEachInstalledFile([&](FileRecord& record) {
    if (EqualNoCase(CachedLongForm(r, record), longPath)) record.selfRegisterSection = r.section;
  });
}
