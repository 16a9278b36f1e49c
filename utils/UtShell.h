#pragma once
// Deletion through the shell's file operation (recycle bin, no dialogs).

#include <windows.h>

#include <string>

namespace ut {

// Option bits of the shell deletes.
constexpr unsigned kShellSilent = 1;     // no progress, confirmation or error dialogs
constexpr unsigned kShellAllowUndo = 2;  // to the recycle bin
constexpr unsigned kShellFilesOnly = 4;  // wildcards match files, not folders

// The SHFileOperation flags (FOF_*) for the option bits.
WORD ShellDeleteFlags(unsigned options);

// Deletes what path or mask names in one shell operation; true when it reported success.
bool ShellDeleteFiles(HWND owner, const std::string& pathOrMask, unsigned options);

// Deletes the folder's contents and then, when that worked, the folder. Returns the first result.
bool ShellDeleteFolder(HWND owner, const std::string& path, unsigned options);

}  // namespace ut
