#include "utils/UtShell.h"

#include <shellapi.h>

#include "utils/UtPathSeparators.h"

namespace ut {

WORD ShellDeleteFlags(unsigned options) {
    WORD flags = 0;
    if (options & kShellSilent) flags |= FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI;
    if (options & kShellAllowUndo) flags |= FOF_ALLOWUNDO;
    if (options & kShellFilesOnly) flags |= FOF_FILESONLY;
    return flags;
}

bool ShellDeleteFiles(HWND owner, const std::string& pathOrMask, unsigned options) {
    // The source is a list of names, each ended by a zero, the list by one more.
    std::string source = pathOrMask;
    source.append(2, '\0');
    SHFILEOPSTRUCTA operation = {};
    operation.hwnd = owner;
    operation.wFunc = FO_DELETE;
    operation.pFrom = source.c_str();
    operation.fFlags = ShellDeleteFlags(options);
    return SHFileOperationA(&operation) == 0;
}

bool ShellDeleteFolder(HWND owner, const std::string& path, unsigned options) {
    // The contents must include subfolders.
    options &= ~kShellFilesOnly;
    const bool contentsDeleted = ShellDeleteFiles(owner, AddTrailingBackslash(path) + "*.*", options);
    if (contentsDeleted) ShellDeleteFiles(owner, RemoveTrailingBackslash(path), options);
    return contentsDeleted;
}

}  // namespace ut
