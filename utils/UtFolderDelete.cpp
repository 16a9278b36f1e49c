#include "utils/UtFolderDelete.h"

#include <windows.h>

#include <vector>

#include "utils/UtFolders.h"
#include "utils/UtPathSeparators.h"
#include "utils/UtShell.h"

namespace ut {

namespace {

bool IsDirectoryLink(DWORD attributes) {
    const DWORD link = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & link) == link;
}

bool DeleteFileEntry(const std::string& path, DWORD attributes) {
    // A link's attributes are left alone: some platforms apply them to the link's target.
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return DeleteFileA(path.c_str()) != FALSE;
}

}  // namespace

void DeleteFolderTree(const std::string& path, bool useShell) {
    if (useShell)
        ShellDeleteFolder(nullptr, path, kShellSilent | kShellAllowUndo);
    else
        DeleteFolderContents(path, false);
}

bool DeleteFolderContents(const std::string& path, bool stopOnError, const DeleteFilter& filter) {
    const std::string folder = RemoveTrailingBackslash(path);
    if (IsDirectoryLink(GetFileAttributesA(folder.c_str()))) return RemoveDirectoryA(folder.c_str()) != FALSE;

    std::vector<std::string> names;
    CollectFolderEntries(folder + "\\*.*", kAnyFileAttributes, names);
    bool allDeleted = true;
    for (const std::string& name : names) {
        const std::string full = folder + "\\" + name;
        const DWORD attributes = GetFileAttributesA(full.c_str());
        bool deleted;
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            deleted = DeleteFolderContents(full, stopOnError, filter);
        else if (filter && !filter(full, attributes))
            continue;
        else
            deleted = DeleteFileEntry(full, attributes);
        if (!deleted) {
            allDeleted = false;
            if (stopOnError) break;
        }
    }
    if (!allDeleted) return false;
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    return RemoveDirectoryA(folder.c_str()) != FALSE;
}

}  // namespace ut
