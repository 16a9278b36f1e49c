#pragma once
// A disk folder imported into the archive's folder tree: the folder and every folder below it
// become archive folders below the folder chosen in the tree, and their files are added for
// the next build.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillon {

struct TImportedFolder {
    std::string Target;  // below the tree's folder: its "\" path (the chosen folder's path first)
    std::string Source;  // the disk folder, with a trailing "\"
};

// Lists the names of the folders directly in a disk folder (given with a trailing "\");
// false when the listing failed.
using TSubfolderLister = std::function<bool(const std::string& folder, std::vector<std::string>& names)>;

// folder: the disk folder, without a trailing "\"; base: the tree folder it goes below ("\"
// separated with a trailing "\", empty for the top level). The folders below it come first,
// each after the folders below it, and the imported folder itself last. Nothing when any
// listing failed, or when the folder has no name of its own (a drive root).
std::optional<std::vector<TImportedFolder>> PlanFolderImport(const std::string& folder, const std::string& base,
                                                             const TSubfolderLister& listSubfolders);

// The "\" target path in the archive's "/" form.
std::string ArchiveFolderPath(const std::string& target);

}  // namespace quillon
