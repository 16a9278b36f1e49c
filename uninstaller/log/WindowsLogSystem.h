// The INSTALL.LOG reader's system queries on Windows (ANSI functions).
#pragma once

#include <string>
#include <unordered_set>

#include "uninstaller/log/LogHost.h"

class WindowsLogSystem : public LogSystem {
 public:
  WindowsLogSystem();

  bool IsNtFamily() override { return isNt_; }
  bool HasShell() override { return hasShell_; }
  bool FileExists(const char* path) override;
  // GetShortPathName / GetLongPathName (the latter only for paths with "~"); a path they
  // cannot convert (it does not exist, or holds wildcards) is returned as it is.
  bool ShortPathOf(const char* path, char* out, std::size_t outSize) override;
  bool LongPathOf(const char* path, char* out, std::size_t outSize) override;
  bool WindowsDirectory(char* out, std::size_t outSize) override;
  bool SystemDirectory(char* out, std::size_t outSize) override;
  bool IsRemovableDrive(char driveLetter) override;
  // The counters' names are read once, at the first question: a log asks for every
  // overwritten file.
  bool HasSharedDllCounter(const char* path) override;
  bool StartMenuFolder(bool common, char* out, std::size_t outSize) override;
  bool CanManageServices() override;
  void ConvertFromOem(char* text) override;
  void UpperCaseTable(unsigned char table[256]) override;

 private:
  bool isNt_;
  bool hasShell_;
  bool countersRead_ = false;
  std::unordered_set<std::string> counters_;   // upper-cased value names of SharedDLLs
};
