#pragma once
// The folders no uninstall may remove, empty or search with a pattern, whatever its log says:
// drive and share roots, the Windows folder and everything in it, and the system's shared
// folders themselves (Program Files, Common Files, ProgramData, the users folder, each user
// profile and its known folders). A folder an installation made inside one of the shared
// folders stays removable. Single files are judged by where they lie: none in a drive's root
// or inside a folder protected with its contents is deleted or written.
//
// The rules compare folder names only (PathNames.h); the caller gives them in full absolute
// form, every component resolved (FolderGuard.h does that on the running system).

#include <cstddef>
#include <string>
#include <vector>

// In order of strength.
enum FolderProtection {
    kProtectFolder,              // the folder itself
    // The Windows folder: the folder and everything in it, except a folder an installation made
    // there (FolderGuard tells those)
    kProtectWindowsFolder,
    kProtectFolderAndContents    // the folder and everything in it
};

struct ProtectedFolder {
    std::string path;            // without a trailing "\"
    FolderProtection protection;
};

// "X:\..." or "\\server\...".
bool IsAbsolutePath(const char* path);
// "X:", "X:\", "\\server\share" (or less) and "".
bool IsRootFolder(const char* path);

// The folders below a profile's root that belong to the user or the system, not to one
// program ("Desktop", "AppData\Roaming", ...).
extern const char* const kProfileKnownFolders[];
extern const std::size_t kProfileKnownFolderCount;

class ProtectedFolderRules {
public:
    // Empty folders are ignored; a trailing "\" is dropped. A folder added again is kept once,
    // with the stronger of its protections.
    void Add(const std::string& folder, FolderProtection protection);
    // A user profile: its root and every known folder below it.
    void AddProfile(const std::string& root);

    // Files in folder may be deleted by a pattern, and folder itself removed when empty.
    bool MaySearch(const char* folder) const;
    // folder may be removed with everything below it: as MaySearch, and no protected folder
    // lies inside it.
    bool MayRemoveTree(const char* folder) const;

    // A single file may be deleted or written: it lies neither in a drive's root nor inside a
    // folder protected with its contents.
    bool MayDeleteFile(const char* path) const;

    // The innermost folder protected with its contents that path lies inside (at any depth);
    // null when there is none.
    const ProtectedFolder* ContentsHolder(const std::string& path) const;
    // path is one of the protected folders.
    bool IsProtected(const std::string& path) const;
    // A protected folder lies inside path.
    bool HoldsProtected(const std::string& path) const;

    const std::vector<ProtectedFolder>& Folders() const { return folders_; }

private:
    std::vector<ProtectedFolder> folders_;
};
