#pragma once
// What the system will do at its next restart: the pairs of PendingFileRenameOperations, and
// WININIT.INI for platforms outside the NT family.

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "uninstaller/app/tests/WineTestSupport.h"

namespace wine_test {

// A path as the tests compare it: long form where the file exists, upper case.
inline std::string Normalized(std::string path)
{
    if (path.rfind("\\??\\", 0) == 0)
        path.erase(0, 4);
    char longPath[MAX_PATH];
    DWORD length = GetLongPathNameA(path.c_str(), longPath, sizeof longPath);
    if (length && length < sizeof longPath)
        path = longPath;
    return Upper(path);
}

// (source, target) of each pending operation, normalized; the target is empty for a deletion.
inline std::vector<std::pair<std::string, std::string>> PendingOperations()
{
    std::vector<std::pair<std::string, std::string>> operations;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return operations;
    std::vector<char> data(1 << 18);
    DWORD size = static_cast<DWORD>(data.size() - 2), type = 0;
    if (RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                         &size) == ERROR_SUCCESS) {
        std::vector<std::string> strings;
        for (const char* p = data.data(); p < data.data() + size; p += std::strlen(p) + 1)
            strings.push_back(p);
        for (size_t i = 0; i + 1 < strings.size(); i += 2) {
            std::string target = strings[i + 1];
            if (!target.empty() && target[0] == '!')
                target.erase(0, 1);
            operations.emplace_back(Normalized(strings[i]), target.empty() ? "" : Normalized(target));
        }
    }
    RegCloseKey(key);
    return operations;
}

inline bool PendingOperation(const std::string& source, const std::string& target)
{
    std::pair<std::string, std::string> wanted(Normalized(source), target.empty() ? "" : Normalized(target));
    for (const auto& operation : PendingOperations())
        if (operation == wanted)
            return true;
    return false;
}

inline std::string WininitPath()
{
    return WindowsFolder() + "\\WININIT.INI";
}

inline std::string ShortPath(const std::string& path)
{
    char shortPath[MAX_PATH];
    DWORD length = GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
    return length && length < sizeof shortPath ? shortPath : path;
}

// A file opened without sharing: it can be neither deleted nor overwritten until closed.
class LockedFile {
public:
    explicit LockedFile(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    ~LockedFile() { Release(); }
    bool Locked() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

}  // namespace wine_test
