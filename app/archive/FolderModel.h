#pragma once
// The folders of an opened archive and the entries directly in each, for the folder tree and
// the file list.
//
// Folder paths use "/" and have no trailing "/". Paths compare case-insensitively (CaseFold.h),
// so "Objects" and "objects" are one folder, shown with the spelling seen first; the entries
// of a folder are matched by the same rule. Look-ups are hashed, and each folder keeps its own
// entry list, so loading and listing grow linearly with the archive.
//
// Keeping it in step with the main window's entry list: every string added to that list is
// also passed to AddEntry (archive entries with their TRFAFile, build additions "folder/*name"
// with none), every string removed from it to RemoveEntry, and clearing the list clears this
// model. Entries are appended, so each folder lists its entries in the entry list's order as
// long as that list only appends. Entries whose name has no "/" belong to no folder and are
// listed nowhere.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/archive/RFAFile.h"

namespace quillon {

class TFolderModel {
public:
    using FolderId = uint32_t;  // dense, in order of creation; never reused
    static constexpr FolderId kNoFolder = UINT32_MAX;

    struct TFolderEntry {
        std::string Name;                // the text after the last "/": "*" + name for a build addition
        const TRFAFile* File = nullptr;  // the archive entry; null for a build addition
    };

    // Adds the folders of an entry name (every prefix before its last "/") that are missing.
    // Returns the new folders parents first, so that each one's parent exists before it.
    std::vector<FolderId> AddFolderPath(std::string_view entryName);
    // Adds a folder path and its missing ancestors; returns the new folders parents first.
    std::vector<FolderId> AddFolder(std::string_view folderPath);

    FolderId FindFolder(std::string_view folderPath) const;
    // The folder of the path without its last "/" component; kNoFolder for a first-level path.
    FolderId FindParentFolder(std::string_view folderPath) const;

    const std::string& FolderPath(FolderId folder) const { return folders_[folder].Path; }
    std::string_view FolderName(FolderId folder) const;  // the last component of the path
    FolderId ParentFolder(FolderId folder) const { return folders_[folder].Parent; }
    size_t FolderCount() const { return liveCount_; }

    // Removes the folder, every folder below it and their entries; returns the removed folders.
    std::vector<FolderId> RemoveFolderTree(std::string_view folderPath);

    // Appends an entry to its folder's list, adding the folder if it is missing.
    void AddEntry(std::string_view entryName, const TRFAFile* file);
    // Removes the first entry of that name in its folder's list; false when there is none.
    bool RemoveEntry(std::string_view entryName);
    // Removes the entry of that name that holds file (null for a build addition), one spelt
    // exactly like the name before one that differs in case; false when there is none. Names
    // that differ only in case are different entries with different files.
    bool RemoveEntry(std::string_view entryName, const TRFAFile* file);
    // The entries directly in a folder, in the order they were added.
    const std::vector<TFolderEntry>& EntriesIn(FolderId folder) const;

    void Clear();

private:
    struct Folder {
        std::string Path;
        uint64_t Hash;
        FolderId Parent;
        bool Removed;
        std::vector<TFolderEntry> Entries;
    };

    // FindFolder, remembering the last hit: an archive lists a folder's entries together.
    FolderId FindFolderOfEntry(std::string_view folderPath);
    FolderId Lookup(std::string_view path, uint64_t hash) const;
    FolderId Insert(std::string path, uint64_t hash, FolderId parent);
    void Rehash(size_t slotCount);

    std::vector<Folder> folders_;
    std::vector<FolderId> slots_;  // open addressing with linear probing; size a power of two
    size_t liveCount_ = 0;
    FolderId lastFolder_ = kNoFolder;
    std::string lastFolderPath_;  // as asked for, which may differ in case from the folder's path
};

}  // namespace quillon
