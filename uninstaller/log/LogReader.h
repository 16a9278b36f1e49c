// State and helpers shared by the INSTALL.LOG line handlers (reader-internal).
#pragma once

#include <cstddef>
#include <cstdint>

#include "uninstaller/log/DirectoryIndex.h"
#include "uninstaller/log/ItemStore.h"
#include "uninstaller/log/LineReader.h"
#include "uninstaller/log/LogHost.h"

const std::size_t kLineSize = 2048;  // at most 2,047 characters of a line are kept

struct LogReader {
  LogReader(LineReader& lineReader, LogSystem& logSystem, LogUi& logUi, std::uint64_t size)
      : lines(lineReader), system(logSystem), ui(logUi), fileSize(size) {}

  LineReader& lines;
  LogSystem& system;
  LogUi& ui;
  std::uint64_t fileSize;
  std::uint64_t reportedPosition = 0;

  // The current line. A handler that reads ahead leaves a line that is not its own `pending`.
  char line[kLineSize] = {};
  bool lineCut = false;
  std::uint64_t lineStart = 0;
  bool pending = false;
  bool atEnd = false;

  Section section = 0;
  bool ansi = false;
  bool nonSystemMark = false;   // "Non-System File:" before the next line
  bool notCountedMark = false;  // "Shared DLL counter ignored:" before the next line
  bool isNt = false;
  bool hasShell = false;
  bool removableA = false;
  bool removableB = false;
  bool adminChecked = false;
  char profileRoot[kPathSize] = {};   // every user's profiles (with a per-user id)
  char commonFolder[kPathSize] = {};  // the all-users profile
  bool failed = false;                // reading stopped; the message has been shown

  DirectoryIndex directories;
  // Installed files already in g_itemStore.longFormTree.
  unsigned longFormsOfPrivateFiles = 0;
  unsigned longFormsOfSystemFiles = 0;
};

// Reads the next line into r.line; false at end of file.
bool NextLine(LogReader& r);
// The text after `tag` when the current line begins with it (case-insensitive), else nullptr.
const char* ValueAfter(const LogReader& r, const char* tag);
// Makes sure the line after the current one is read and pending; false at end of file.
bool PeekNext(LogReader& r);
// Looks at the line after the current one: when it begins with `tag` the line is taken and its
// text after the tag returned; otherwise it stays pending for the main loop (nullptr).
const char* AcceptNext(LogReader& r, const char* tag);

// Copies a logged value into a record field. False when the value does not fit or its line was
// cut: such a record is dropped, never stored with a shortened path or key.
bool CopyValue(char* field, std::size_t fieldSize, const char* value, bool lineCut);
// Copies a text that is only displayed or reported, shortened to the field.
void CopyText(char* field, std::size_t fieldSize, const char* text);
// CopyValue for a file path, converted from the OEM code page unless the log is ANSI.
bool CopyPath(LogReader& r, char* field, const char* value, bool lineCut);

bool IsInSystemDirectory(const char* path);
bool IsOnRemovableDrive(const LogReader& r, const char* path);

// Stops the reading with a message (string ids). Always returns false.
bool Fail(LogReader& r, int textId, int captionId);
// A record could not be allocated: the log is refused.
bool FailOutOfMemory(LogReader& r);

// Line handlers.
void HandleFileLine(LogReader& r, const char* value, bool shellLink, bool overwrite);
void HandleFileEdit(LogReader& r, const char* value);
void HandleFileDelete(LogReader& r, const char* value);
void HandleAddDevice(LogReader& r, const char* value);
void HandleSelfRegister(LogReader& r, const char* value);
void HandleRegistryKey(LogReader& r, const char* value);
void HandleRegistryTree(LogReader& r, const char* value);
void HandleIniNew(LogReader& r, const char* value);
void HandleIniFile(LogReader& r, const char* value);
void HandleMadeDir(LogReader& r, const char* value);
void HandleFileTree(LogReader& r, const char* value);
// The directory record of the log's own folder.
void AddLogFolderDirectory(LogReader& r, const char* logPath);
