#pragma once
// Deleting and putting back what the log recorded on disk: single files, files matching a
// pattern, folder trees and backups. Nothing outside what the installation owns is touched:
// every path is judged by a FolderGuard first, and every entry is deleted only as the entry its
// path leads to. Paths are the file system's names (EngineHost.h).

#include <string>

#include "uninstaller/app/EngineHost.h"
#include "uninstaller/app/FolderGuard.h"
#include "uninstaller/app/KeptItems.h"

enum RemovalResult {
    kRemovalDone,
    kRemovalFailed,    // something that was to be deleted is still there
    kRemovalRefused    // the path reaches beyond what the installation owns: that part was kept
};

// The worst of the outcomes added, with the reason for the first one that kept something.
struct RemovalOutcome {
    RemovalResult result = kRemovalDone;
    KeepReason reason = kKeptNothing;

    void Add(RemovalResult added, KeepReason why);
    void Add(const RemovalOutcome& added) { Add(added.result, added.reason); }
};

// Deletes a judged file with its help index files (".GID" and ".FTS" beside a ".HLP"). A file
// in use is scheduled for deletion at restart.
RemovalOutcome RemoveFileWithHelpIndex(EngineFiles& files, const JudgedPath& file);

// Deletes one file, or every file (not folder) matching a pattern whose wildcards are in its
// last component. With restore and a backup path, the backup is then put back in the file's
// place; when that backup is missing the file is kept and the result is a failure.
RemovalOutcome RemoveFiles(EngineFiles& files, FolderGuard& guard, const std::string& path,
                           const std::string& backupPath, bool restore);

// Removes folder and its subfolders, deepest first. withFiles deletes the files in them too;
// otherwise only empty folders go. A folder whose last component holds wildcards removes only
// the matching files (in it and below it), then the folders that became empty. A folder named
// here that is a link is removed as a link; links met below it are removed as links with the
// files; folders holding another installation's log, and what another installation's log lists,
// are kept.
RemovalOutcome RemoveDirectoryTree(EngineFiles& files, FolderGuard& guard, const std::string& folder,
                                   bool withFiles);
