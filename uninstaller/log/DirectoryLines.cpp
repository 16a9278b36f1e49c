// Directories to remove: the log's own folder, "Made Dir: " and "File Tree: " lines.
#include <cstring>

#include "uninstaller/log/LogReader.h"
#include "uninstaller/log/NameCompare.h"
#include "uninstaller/log/RecordTables.h"

namespace {

bool HasWildcard(const char* path) { return std::strpbrk(path, "*?") != nullptr; }

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Longer than a drive root, and on a drive ("X:\") or a share ("\\").
bool IsRemovableFolderForm(const char* folder) {
  if (std::strlen(folder) <= 3) return false;
  return (folder[0] == '\\' && folder[1] == '\\') || (IsLetter(folder[0]) && folder[1] == ':' && folder[2] == '\\');
}

void EndWithBackslash(char* folder) {
  std::size_t length = std::strlen(folder);
  if (length == 0 || folder[length - 1] != '\\') std::strcpy(folder + length, "\\");
}

// Reads a logged folder (ending it with "\" unless it is a pattern); false when it is too long
// for a directory record or not a folder that may be removed.
bool ReadFolder(LogReader& r, const char* value, bool pattern, char* folder) {
  char text[kLineSize];
  if (!CopyValue(text, sizeof text, value, r.lineCut)) return false;
  if (pattern) {
    std::size_t length = std::strlen(text);
    if (length >= 4 && std::strcmp(text + length - 4, "\\*.*") == 0) text[length - 4] = '\0';
  }
  if (!(pattern && HasWildcard(text))) {
    if (std::strlen(text) + 1 >= kPathSize) return false;
    EndWithBackslash(text);
  }
  if (!CopyValue(folder, kPathSize, text, false) || !IsRemovableFolderForm(folder)) return false;
  if (!r.ansi) r.system.ConvertFromOem(folder);
  return true;
}

DirectoryRecord* AddDirectory(LogReader& r, const char* folder, bool fileTree) {
  RecordTable<DirectoryRecord>& directories = g_itemStore.directories;
  DirectoryRecord* record = AppendRecord(directories);
  if (!record) {
    FailOutOfMemory(r);
    return nullptr;
  }
  std::strcpy(record->path, folder);
  if (fileTree) {
    r.directories.AddFileTree(record, directories.count - 1);
  } else {
    r.directories.AddCreated(record, directories.count - 1);
  }
  return record;
}

// A created folder that holds the top created directory becomes the new top.
void WidenTopDirectory(LogReader& r, const char* folder) {
  char shortFolder[kPathSize];
  if (!r.system.ShortPathOf(folder, shortFolder, sizeof shortFolder)) return;
  if (std::strlen(shortFolder) + 1 >= kPathSize) return;
  EndWithBackslash(shortFolder);
  if (StartsWithNoCase(g_itemStore.topDirectory, shortFolder)) std::strcpy(g_itemStore.topDirectory, shortFolder);
}

}  // namespace

void AddLogFolderDirectory(LogReader& r, const char* logPath) {
  char folder[kPathSize];
  if (!r.system.LongPathOf(logPath, folder, sizeof folder) && !CopyValue(folder, sizeof folder, logPath, false)) return;
  char* lastSlash = std::strrchr(folder, '\\');
  if (!lastSlash || lastSlash - folder + 1 <= 3) return;
  lastSlash[1] = '\0';
  const char* systemFolders[] = {g_itemStore.windowsDirectory, g_itemStore.systemDirectory,
                                 g_itemStore.ntSystemDirectory};
  for (const char* systemFolder : systemFolders) {
    char withSlash[kPathSize + 1];
    if (!systemFolder[0]) continue;
    std::strcpy(withSlash, systemFolder);
    EndWithBackslash(withSlash);
    if (StartsWithNoCase(withSlash, folder)) return;
  }
  if (DirectoryRecord* record = AddDirectory(r, folder, false)) record->namedSection = kLogFolderSection;
}

void HandleMadeDir(LogReader& r, const char* value) {
  char folder[kPathSize];
  if (!ReadFolder(r, value, false, folder)) return;
  WidenTopDirectory(r, folder);

  // Folders nest: one record stands for a created folder and everything created inside it.
  // A File Tree record is left alone: widening a pattern deletion to a whole folder would
  // delete files the installation never made.
  DirectoryRecord* record = r.directories.MergeCreatedFolder(folder);
  if (!record) record = AddDirectory(r, folder, false);
  if (record) record->namedSection = r.section;
}

void HandleFileTree(LogReader& r, const char* value) {
  char folder[kPathSize];
  if (!ReadFolder(r, value, true, folder)) return;
  DirectoryRecord* record = r.directories.TakeForFileTree(folder);
  if (!record && !(record = AddDirectory(r, folder, true))) return;
  record->fileTreeSection = r.section;
  record->namedSection = r.section;
}
