#include "uninstaller/log/LogReader.h"

#include <cstring>

#include "uninstaller/log/NameCompare.h"

bool NextLine(LogReader& r) {
  if (r.atEnd) return false;
  if (!r.lines.ReadLine(r.line, sizeof r.line, false)) {
    r.atEnd = true;
    return false;
  }
  r.lineCut = r.lines.LastLineCut();
  r.lineStart = r.lines.LastLineStart();
  if (r.lines.Position() != r.reportedPosition) {
    r.reportedPosition = r.lines.Position();
    r.ui.ShowProgress(r.reportedPosition, r.fileSize);
  }
  return true;
}

const char* ValueAfter(const LogReader& r, const char* tag) {
  return StartsWithNoCase(r.line, tag) ? r.line + std::strlen(tag) : nullptr;
}

bool PeekNext(LogReader& r) {
  if (!r.pending) {
    if (!NextLine(r)) return false;
    r.pending = true;
  }
  return true;
}

const char* AcceptNext(LogReader& r, const char* tag) {
  if (!PeekNext(r)) return nullptr;
  const char* value = ValueAfter(r, tag);
  if (value) r.pending = false;
  return value;
}

bool CopyValue(char* field, std::size_t fieldSize, const char* value, bool lineCut) {
  std::size_t length = std::strlen(value);
  if (lineCut || length >= fieldSize) return false;
  std::memcpy(field, value, length + 1);
  return true;
}

void CopyText(char* field, std::size_t fieldSize, const char* text) {
  std::size_t length = std::strlen(text);
  if (length >= fieldSize) length = fieldSize - 1;
  std::memcpy(field, text, length);
  field[length] = '\0';
}

bool CopyPath(LogReader& r, char* field, const char* value, bool lineCut) {
  if (!CopyValue(field, kPathSize, value, lineCut)) return false;
  if (!r.ansi) r.system.ConvertFromOem(field);
  return true;
}

bool IsInSystemDirectory(const char* path) {
  const char* lastSlash = std::strrchr(path, '\\');
  if (!lastSlash) return false;
  std::size_t folderLength = static_cast<std::size_t>(lastSlash - path);
  const char* directories[] = {g_itemStore.windowsDirectory, g_itemStore.systemDirectory,
                               g_itemStore.win32sDirectory, g_itemStore.ntSystemDirectory};
  for (const char* directory : directories) {
    if (directory[0] && std::strlen(directory) == folderLength && CompareNoCaseN(path, directory, folderLength) == 0)
      return true;
  }
  return false;
}

bool IsOnRemovableDrive(const LogReader& r, const char* path) {
  if (path[0] == '\0' || path[1] != ':') return false;
  char drive = static_cast<char>(UpperCaseOf(path[0]));
  return (drive == 'A' && r.removableA) || (drive == 'B' && r.removableB);
}

bool Fail(LogReader& r, int textId, int captionId) {
  if (!r.failed) {
    r.failed = true;
    r.ui.ShowMessage(textId, captionId);
  }
  return false;
}

bool FailOutOfMemory(LogReader& r) { return Fail(r, kMsgInvalidLog, kCaptionUninstallTitle); }
