#pragma once
// The uninstall and rollback engine: undoes what the item store holds.

// Runs every step for the log at logPath. 0 when done or cancelled, 1 when it failed.
int PerformUninstall(const char* logPath);

// Removes folder and its subfolders; with withFiles also the files in them, otherwise only
// folders that are empty.
void RemoveDirectoryTree(const char* folder, bool withFiles);
