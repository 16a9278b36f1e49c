#pragma once
// Keeps the engine's deletions inside what the log recorded: no drive or share root, no
// relative path, none of the protected folders (Windows, System, Program Files) is searched
// with a pattern or removed as a tree, and no tree that holds one of them is removed. Folders
// are compared in their canonical form, so that "C:\PROGRA~1" or "C:\App\..\WINDOWS" are known
// for what they are.

#include <cstddef>

#include "uninstaller/app/EngineHost.h"

enum { kGuardPathSize = 260 };

// "X:\..." or "\\server\...".
bool IsAbsolutePath(const char* path);

class FolderGuard {
public:
    FolderGuard(EngineFiles& files, const ProtectedFolders& folders);
    FolderGuard(const FolderGuard&) = delete;
    FolderGuard& operator=(const FolderGuard&) = delete;

    // A folder whose files may be searched with a pattern.
    bool MaySearch(const char* folder);
    // A folder that may be removed with everything below it.
    bool MayRemoveTree(const char* folder);

private:
    // The canonical form of an absolute folder; false for anything else or a root.
    bool Canonical(const char* folder, char* out);

    EngineFiles& files_;
    char protected_[ProtectedFolders::kCount][kGuardPathSize];
};
