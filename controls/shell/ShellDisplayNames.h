#pragma once
// The shell's names for items.

#include <windows.h>
#include <shlobj.h>

#include <string>

namespace mw {

enum class TMwNameKind {
    Normal = 0,          // SHGDN_NORMAL
    InFolder = 1,        // SHGDN_INFOLDER
    ForParsing = 2,      // SHGDN_FORPARSING
    ForEditing = 3,      // SHGDN_FOREDITING | SHGDN_INFOLDER
};

// The folder's name for an item relative to it (folder nullptr: the desktop); "" on failure.
std::string GetRelativeDisplayName(IShellFolder* folder, LPCITEMIDLIST pidl, TMwNameKind kind);
// The in-folder name of an absolute PIDL, asked of its parent folder. A parent that cannot be
// bound raises EMwOleError; "" when the desktop cannot be had.
std::string GetPidlDisplayName(LPCITEMIDLIST pidl);

}  // namespace mw
