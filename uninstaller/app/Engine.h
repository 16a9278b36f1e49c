#pragma once
// The uninstall and rollback engine as the program uses it (its rules: EngineRun.h).
//
// PerformUninstall runs after the wizard reported Finish (or at once with "/A" and "/S"). It
// reads the wizard's method and rollback choice (g_wizard), the item store (g_itemStore) and
// the run's flags (g_app), and shows its progress through the wizard's progress view
// (ProgressView.h): EnterProgressView(false) first, then SetProgressCounts, ShowProgressItem
// and ShowProgressKey for each item; the shared-file question goes to AskSharedFile
// (SharedFilePrompt.h). The wizard's Cancel (g_app.cancelled) stops the run at the next item.
//
// Other parts use single operations of the engine: the temporary copy removes empty folders
// (RemoveDirectoryTree), repair writes registry values and registers files again
// (WriteRegistryValue, RegisterFileWithProgress), and anything may delete a registry tree.
// Starting a program and waiting for it is RunAndWait (SelfRegistration.h).

// Runs every step of an Automatic or Custom uninstall, or of a rollback, for the log at
// logPath (which an Automatic uninstall deletes and a rollback cuts back). A Custom run clears
// the rollback choice first. 0 when done or cancelled; 1 when the user aborted or something
// the run was to delete or restore is still in place.
int PerformUninstall(const char* logPath);

// Removes folder and its subfolders; with withFiles also the files in them, otherwise only
// folders that are empty. Roots, the Windows folder, the system's shared folders
// (ProtectedSystemFolders.h) and the folders that hold them are never removed.
void RemoveDirectoryTree(const char* folder, bool withFiles);

// Sets a logged value: root 0 HKEY_CLASSES_ROOT, 1 HKEY_CURRENT_USER, 2 HKEY_LOCAL_MACHINE,
// 3 HKEY_USERS, 4 HKEY_CURRENT_CONFIG; type 0 REG_SZ, 1 REG_EXPAND_SZ, 2 REG_MULTI_SZ (the text
// is one string), 3 REG_DWORD (decimal text), 4 REG_BINARY (hexadecimal digits). With
// createKey a missing key is created, otherwise the value is only written into an existing
// key. False when it was not written.
bool WriteRegistryValue(int root, int type, const char* keyPath, const char* valueName, const char* valueText,
                        bool createKey);

// Deletes the key with all its subkeys (root numbered as above); a link below it goes as a
// link. Only a product's own key is deleted (RegistryTreeRules.h), never one reached through a
// link. False when the key is still there.
bool DeleteRegistryTree(const char* keyPath, int root);

// Shows label and the path as the progress text, then registers (or unregisters) the file.
void RegisterFileWithProgress(const char* label, const char* path, bool registerIt);
