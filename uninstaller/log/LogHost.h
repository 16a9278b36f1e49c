// What the INSTALL.LOG reader asks of its surroundings.
//
// LogSystem: queries of the system (files, registry, code pages, directories). The real one for
// Windows is WindowsLogSystem (uninstaller/log/WindowsLogSystem.h); tests pass a fake.
// LogUi: the visible effects of reading, supplied by the program (message boxes with string
// table texts, the start-up progress bar, the main window caption).
//
// Strings are ANSI. Functions that fill a buffer return false when they have no answer or the
// answer does not fit; the buffer then holds an empty string.
#pragma once

#include <cstddef>
#include <cstdint>

struct LogSystem {
  virtual ~LogSystem() = default;

  // Platform: NT family (dwPlatformId 2); shell flag (major version above 3).
  virtual bool IsNtFamily() = 0;
  virtual bool HasShell() = 0;

  // An existing file (not a folder).
  virtual bool FileExists(const char* path) = 0;
  // Short (8.3) and long forms of a path, component by component; components that cannot be
  // found stay as they are.
  virtual bool ShortPathOf(const char* path, char* out, std::size_t outSize) = 0;
  virtual bool LongPathOf(const char* path, char* out, std::size_t outSize) = 0;

  // Without trailing "\" (GetWindowsDirectory, GetSystemDirectory).
  virtual bool WindowsDirectory(char* out, std::size_t outSize) = 0;
  virtual bool SystemDirectory(char* out, std::size_t outSize) = 0;
  // GetDriveType of "A:\" or "B:\" is DRIVE_REMOVABLE.
  virtual bool IsRemovableDrive(char driveLetter) = 0;

  // HKLM "Software\Microsoft\Windows\CurrentVersion\SharedDLLs" has a value named as the path.
  virtual bool HasSharedDllCounter(const char* path) = 0;
  // "Start Menu" of HKCU, or "Common Start Menu" of HKLM, under
  // "Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders".
  virtual bool StartMenuFolder(bool common, char* out, std::size_t outSize) = 0;
  // OpenSCManager(local machine, GENERIC_READ | GENERIC_WRITE | GENERIC_EXECUTE) succeeds.
  virtual bool CanManageServices() = 0;

  // OemToChar in place.
  virtual void ConvertFromOem(char* text) = 0;
  // The ANSI code page's upper case of every byte (CharUpper); names compare through it.
  virtual void UpperCaseTable(unsigned char table[256]) = 0;
};

// String ids the reader shows (texts from the program's string table).
enum LogMessageId {
  kMsgCannotOpenLog = 3,   // "Could not open INSTALL.LOG file."
  kMsgInvalidLog = 4,      // "Invalid INSTALL.LOG file."
  kMsgNeedsAdmin = 67,     // "This software was installed under an account with administrator rights..."
  kCaptionUninstallTitle = 2,  // "Halden Uninstall"
  kCaptionUninstall = 25,      // "Uninstall"
};

struct LogUi {
  virtual ~LogUi() = default;

  // A message box owned by the main window: text and caption are string-table ids
  // (kMsgCannotOpenLog / kMsgInvalidLog with kCaptionUninstallTitle, after the start-up
  // progress window is closed; kMsgNeedsAdmin with kCaptionUninstall).
  virtual void ShowMessage(int textId, int captionId) = 0;
  // The file position moved (called once per block read): invalidate and update the start-up
  // progress bar when that window exists.
  virtual void ShowProgress(std::uint64_t position, std::uint64_t fileSize) = 0;
  // The log's title line: the main window caption becomes the title unless the command line
  // gave one.
  virtual void SetProductTitle(const char* title) = 0;
};
