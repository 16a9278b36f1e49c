// A scriptable LogSystem and a recording LogUi for the reader's tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "uninstaller/log/LogHost.h"

// ASCII and the Latin-1 letters.
inline int Upper(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) ? c - 32 : c; }

// File names compare without case, as on Windows.
struct NoCaseLess {
  bool operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return Upper(static_cast<unsigned char>(x)) < Upper(static_cast<unsigned char>(y));
    });
  }
};

struct FakeLogSystem : LogSystem {
  bool nt = true;
  bool shell = true;
  std::string windowsDirectory = "C:\\WINDOWS";
  std::string systemDirectory = "C:\\WINDOWS\\SYSTEM32";
  std::set<std::string, NoCaseLess> existingFiles;
  std::set<std::string, NoCaseLess> sharedDllCounters;
  std::string startMenu;        // HKCU "Start Menu"
  std::string commonStartMenu;  // HKLM "Common Start Menu"
  bool removableA = true;
  bool removableB = false;
  bool canManageServices = true;
  int serviceManagerChecks = 0;
  // Long prefix -> short prefix, e.g. "C:\Program Files" -> "C:\PROGRA~1".
  std::vector<std::pair<std::string, std::string>> shortNames;

  bool IsNtFamily() override { return nt; }
  bool HasShell() override { return shell; }
  bool FileExists(const char* path) override { return existingFiles.count(path) != 0; }
  bool ShortPathOf(const char* path, char* out, std::size_t outSize) override {
    return Put(Replace(path, false), out, outSize);
  }
  bool LongPathOf(const char* path, char* out, std::size_t outSize) override {
    return Put(Replace(path, true), out, outSize);
  }
  bool WindowsDirectory(char* out, std::size_t outSize) override { return Put(windowsDirectory, out, outSize); }
  bool SystemDirectory(char* out, std::size_t outSize) override { return Put(systemDirectory, out, outSize); }
  bool IsRemovableDrive(char driveLetter) override {
    return (driveLetter == 'A' && removableA) || (driveLetter == 'B' && removableB);
  }
  bool HasSharedDllCounter(const char* path) override { return sharedDllCounters.count(path) != 0; }
  bool StartMenuFolder(bool common, char* out, std::size_t outSize) override {
    const std::string& folder = common ? commonStartMenu : startMenu;
    return !folder.empty() && Put(folder, out, outSize);
  }
  bool CanManageServices() override {
    ++serviceManagerChecks;
    return canManageServices;
  }
  // A stand-in code page pair: OEM 0x81 and 0x94 are ANSI 0xFC and 0xF6 ("ü", "ö").
  void ConvertFromOem(char* text) override {
    for (; *text; ++text) {
      if (*text == '\x81') *text = '\xFC';
      else if (*text == '\x94') *text = '\xF6';
    }
  }
  void UpperCaseTable(unsigned char table[256]) override {
    for (int c = 0; c < 256; ++c) table[c] = static_cast<unsigned char>(Upper(static_cast<unsigned char>(c)));
  }

 private:
  std::string Replace(const std::string& path, bool toLong) const {
    for (const auto& names : shortNames) {
      const std::string& from = toLong ? names.second : names.first;
      const std::string& to = toLong ? names.first : names.second;
      if (path.compare(0, from.size(), from) == 0) return to + path.substr(from.size());
    }
    return path;
  }
  static bool Put(const std::string& text, char* out, std::size_t outSize) {
    if (text.size() >= outSize) {
      out[0] = '\0';
      return false;
    }
    std::memcpy(out, text.c_str(), text.size() + 1);
    return true;
  }
};

struct FakeLogUi : LogUi {
  std::vector<std::pair<int, int>> messages;  // text id, caption id
  std::vector<std::uint64_t> progress;
  std::uint64_t progressSize = 0;
  std::string title;

  void ShowMessage(int textId, int captionId) override { messages.emplace_back(textId, captionId); }
  void ShowProgress(std::uint64_t position, std::uint64_t fileSize) override {
    progress.push_back(position);
    progressSize = fileSize;
  }
  void SetProductTitle(const char* text) override { title = text; }
};
