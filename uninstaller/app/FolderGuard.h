#pragma once
// Keeps the engine's deletions inside what the log recorded: every folder the engine would
// search with a pattern or remove is first resolved on this system (full path, long names,
// "." and "..", and links) and checked against the protected folders (ProtectedFolderRules.h),
// in its named and in its resolved form, so that "C:\PROGRA~1", "C:\App\..\WINDOWS" or a link
// to the Windows folder are known for what they are.

#include <cstddef>

#include "uninstaller/app/EngineHost.h"
#include "uninstaller/app/ProtectedFolderRules.h"

enum { kGuardPathSize = 260 };

class FolderGuard {
public:
    // ownLog (may be null) is the log of this run: a folder holding it is no other installation.
    FolderGuard(EngineFiles& files, const ProtectedFolderRules& folders, const char* ownLog = nullptr);
    FolderGuard(const FolderGuard&) = delete;
    FolderGuard& operator=(const FolderGuard&) = delete;

    // A folder whose files may be searched with a pattern, and that may be removed when empty.
    bool MaySearch(const char* folder);
    // A folder that may be removed with everything below it.
    bool MayRemoveTree(const char* folder);
    // A single file that may be deleted (ProtectedFolderRules::MayDeleteFile).
    bool MayDeleteFile(const char* path);
    // A link that may be removed as a link: judged by its own name, not by where it leads.
    bool MayRemoveLink(const char* folder);
    // The folder holds the installation log of another installation.
    bool HoldsOtherInstallation(const char* folder);

private:
    // The named form (full path, long names) of an absolute folder; false for anything else or
    // a root.
    bool NamedForm(const char* folder, char* named);
    // The named form and the resolved form (links followed).
    bool Forms(const char* folder, char* named, char* resolved);

    EngineFiles& files_;
    ProtectedFolderRules rules_;
    char ownLog_[kGuardPathSize];
};
