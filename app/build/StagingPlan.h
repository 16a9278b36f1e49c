#pragma once
// What a build stages below the staging folder: the root folder, its subfolders and the
// entries below it, archive entries and added files alike. Names come from the archive and the
// user and are not trusted: one that would lead outside the staging folder, name a device, or
// coincide with another staged file or folder is refused, never written.

#include <optional>
#include <string>
#include <vector>

#include "app/extraction/FileNameRules.h"

namespace quillon {

// One string of the entry list. Archive names may hold "*" too, so whether an entry is an added
// file is told by the list, not read from its name.
struct TBuildListEntry {
    std::string Name;
    bool Added = false;
};

struct TStagedEntry {
    int EntryIndex = 0;        // in the entry list
    std::string RelativePath;  // "\" separated, below the staging folder
};

struct TStagingPlan {
    std::string RootPath;                // the root folder, "\" separated, with a trailing "\"
    std::vector<std::string> Folders;    // "\" paths of the root's subfolders, parents first
    std::vector<TStagedEntry> Entries;   // in entry-list order
    // Left out: folders ("/" paths with a trailing "/") and entries (entry-list indexes) whose
    // names cannot be staged, and the entries that are not below the root folder.
    std::vector<std::string> RefusedFolders;
    std::vector<int> RefusedEntries;
    std::vector<int> Outside;

    size_t LeftOutFiles() const { return RefusedEntries.size() + Outside.size(); }
};

// The builder builds one root folder, so entries elsewhere are left out of the build, and told.
//
// rootFolder: the archive path of the folder built ("/" separated, no trailing "/"); folders:
// every folder path of the archive in that form; entries: the entry list; rules: how the file
// system sees names. Nothing when the root folder itself cannot be staged.
std::optional<TStagingPlan> PlanStaging(const std::string& rootFolder, const std::vector<std::string>& folders,
                                        const std::vector<TBuildListEntry>& entries, const TFileNameRules& rules);

}  // namespace quillon
