#include "utils/UtFolders.h"

#include <windows.h>

#include "utils/UtErrors.h"
#include "utils/UtFindHandle.h"
#include "utils/UtPathSeparators.h"

namespace ut {

namespace {

bool MatchesAttributes(DWORD entryAttributes, unsigned wanted) {
    const DWORD special = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | kVolumeIdAttribute |
                          FILE_ATTRIBUTE_DIRECTORY;
    const DWORD excluded = special & ~wanted;
    return (entryAttributes & excluded) == 0;
}

bool IsDotEntry(const char* name) {
    return std::string(name) == "." || std::string(name) == "..";
}

}  // namespace

bool CreateFolderPath(const std::string& path) {
    if (path.empty()) throw EUtFileUtilsError();
    const std::string folder = RemoveTrailingBackslash(path);
    if (folder.size() < 3 || FolderExists(folder)) return true;
    const std::string parent = FolderPartOfPath(folder);
    if (parent == folder) return true;
    // A bare name ("Temp") lives in the current folder, which exists.
    const bool parentReady = parent.empty() || CreateFolderPath(parent);
    return parentReady && CreateDirectoryA(folder.c_str(), nullptr) != FALSE;
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CollectFolderEntries(const std::string& mask, unsigned attributes, std::vector<std::string>& names) {
    WIN32_FIND_DATAA data;
    FindHandle search(mask, data);
    if (!search.IsValid()) return false;
    bool anyMatch = false;
    do {
        if (!MatchesAttributes(data.dwFileAttributes, attributes)) continue;
        anyMatch = true;
        if (!IsDotEntry(data.cFileName)) names.push_back(data.cFileName);
    } while (search.Next(data));
    return anyMatch && GetLastError() == ERROR_NO_MORE_FILES;
}

}  // namespace ut
