#include "uninstaller/log/WindowsLogSystem.h"

#include <windows.h>

#include <cstring>

namespace {

class RegistryKey {
 public:
  RegistryKey(HKEY root, const char* path) {
    if (RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }
  HKEY get() const { return key_; }

 private:
  HKEY key_;
};

bool CopyResult(const char* text, char* out, std::size_t outSize) {
  std::size_t length = std::strlen(text);
  if (length >= outSize) {
    if (outSize) out[0] = '\0';
    return false;
  }
  std::memmove(out, text, length + 1);
  return true;
}

// A result of the Get...PathName and Get...Directory functions: the length written, 0 on
// failure, or the size needed when the buffer was too small.
bool FitsResult(DWORD length, std::size_t outSize) { return length != 0 && length < outSize; }

const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kSharedDlls[] = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

}  // namespace

WindowsLogSystem::WindowsLogSystem() {
  OSVERSIONINFOA version;
  std::memset(&version, 0, sizeof version);
  version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExA(&version);
#pragma GCC diagnostic pop
  isNt_ = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
  hasShell_ = version.dwMajorVersion > 3;
}

bool WindowsLogSystem::FileExists(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WindowsLogSystem::ShortPathOf(const char* path, char* out, std::size_t outSize) {
  char converted[MAX_PATH];
  if (FitsResult(GetShortPathNameA(path, converted, sizeof converted), sizeof converted))
    return CopyResult(converted, out, outSize);
  return CopyResult(path, out, outSize);
}

bool WindowsLogSystem::LongPathOf(const char* path, char* out, std::size_t outSize) {
  char converted[MAX_PATH];
  if (std::strchr(path, '~') && FitsResult(GetLongPathNameA(path, converted, sizeof converted), sizeof converted))
    return CopyResult(converted, out, outSize);
  return CopyResult(path, out, outSize);
}

bool WindowsLogSystem::WindowsDirectory(char* out, std::size_t outSize) {
  char directory[MAX_PATH];
  if (!FitsResult(GetWindowsDirectoryA(directory, sizeof directory), sizeof directory)) directory[0] = '\0';
  return CopyResult(directory, out, outSize) && directory[0] != '\0';
}

bool WindowsLogSystem::SystemDirectory(char* out, std::size_t outSize) {
  char directory[MAX_PATH];
  if (!FitsResult(GetSystemDirectoryA(directory, sizeof directory), sizeof directory)) directory[0] = '\0';
  return CopyResult(directory, out, outSize) && directory[0] != '\0';
}

bool WindowsLogSystem::IsRemovableDrive(char driveLetter) {
  char root[] = "A:\\";
  root[0] = driveLetter;
  return GetDriveTypeA(root) == DRIVE_REMOVABLE;
}

bool WindowsLogSystem::HasSharedDllCounter(const char* path) {
  if (!countersRead_) {
    countersRead_ = true;
    RegistryKey key(HKEY_LOCAL_MACHINE, kSharedDlls);
    char name[16384];
    for (DWORD index = 0; key.get(); ++index) {
      DWORD length = sizeof name;
      LONG result = RegEnumValueA(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
      if (result == ERROR_NO_MORE_ITEMS) break;
      if (result != ERROR_SUCCESS) continue;
      CharUpperBuffA(name, length);
      counters_.emplace(name, length);
    }
  }
  std::string upper(path);
  if (!upper.empty()) CharUpperBuffA(&upper[0], static_cast<DWORD>(upper.size()));
  return counters_.count(upper) != 0;
}

bool WindowsLogSystem::StartMenuFolder(bool common, char* out, std::size_t outSize) {
  if (outSize) out[0] = '\0';
  RegistryKey key(common ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, kShellFolders);
  if (!key.get()) return false;
  char folder[MAX_PATH + 1];
  DWORD type = 0;
  DWORD size = MAX_PATH;
  if (RegQueryValueExA(key.get(), common ? "Common Start Menu" : "Start Menu", nullptr, &type,
                       reinterpret_cast<BYTE*>(folder), &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return false;
  }
  folder[size < sizeof folder ? size : sizeof folder - 1] = '\0';
  return CopyResult(folder, out, outSize);
}

bool WindowsLogSystem::CanManageServices() {
  SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, GENERIC_READ | GENERIC_WRITE | GENERIC_EXECUTE);
  if (!manager) return false;
  CloseServiceHandle(manager);
  return true;
}

void WindowsLogSystem::ConvertFromOem(char* text) { OemToCharA(text, text); }

void WindowsLogSystem::UpperCaseTable(unsigned char table[256]) {
  for (int c = 0; c < 256; ++c) {
    char text[1] = {static_cast<char>(c)};
    CharUpperBuffA(text, 1);
    table[c] = static_cast<unsigned char>(text[0]);
  }
}
