#pragma once
// Deleting what the log recorded on disk: single files, files matching a pattern, and folder
// trees. Nothing outside the recorded paths is touched: patterns and trees are checked with a
// FolderGuard first.

#include "uninstaller/app/EngineHost.h"
#include "uninstaller/app/FolderGuard.h"

enum RemovalResult {
    kRemovalDone,
    kRemovalFailed,    // something that was to be deleted is still there
    kRemovalRefused    // the path reaches outside what may be deleted: nothing was touched
};

// Deletes the file with its help index files (".GID" and ".FTS" beside a ".HLP"). A file in use
// is scheduled for deletion at restart.
RemovalResult RemoveFileWithHelpIndex(EngineFiles& files, const char* path);

// Deletes one file (never one of the system's own start-up and settings files without a backup
// to put in its place), or every file (not folder) matching a pattern whose wildcards are in its
// last component. With restore and a backup path, the backup is then put back in the file's
// place; when that backup is missing the file is kept and the result is a failure.
RemovalResult RemoveFiles(EngineFiles& files, FolderGuard& guard, const char* path, const char* backupPath,
                          bool restore);

// Removes folder and its subfolders, deepest first. withFiles deletes the files in them too;
// otherwise only empty folders go. A folder whose last component holds wildcards removes only
// the matching files (in it and below it), then the folders that became empty. A folder named
// here that is a link is removed as a link; links met below it, and folders holding another
// installation's log, are left alone.
RemovalResult RemoveDirectoryTree(EngineFiles& files, FolderGuard& guard, const char* folder, bool withFiles);
