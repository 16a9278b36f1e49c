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
    std::string Target;  // the archive folder's "/" path (the chosen folder's path first)
    std::string Source;  // the disk folder, with a trailing "\"
};

struct TFolderImportPlan {
    // The folders below come first, each after the folders below it, and the imported folder
    // itself last. Empty when the imported folder itself could not be listed.
    std::vector<TImportedFolder> Folders;
    // The disk folders (without a trailing "\") whose listing failed: they and everything
    // below them are left out.
    std::vector<std::string> Unlisted;
};

// Lists the names of the folders directly in a disk folder (given with a trailing "\");
// false when the listing failed.
using TSubfolderLister = std::function<bool(const std::string& folder, std::vector<std::string>& names)>;

// folder: the disk folder, without a trailing "\"; base: the archive folder it goes below ("/"
// separated with a trailing "/", empty for the top level). Archive names may hold a "\", so
// base is never split at one. Nothing when the folder has no name of its own (a drive root).
std::optional<TFolderImportPlan> PlanFolderImport(const std::string& folder, const std::string& base,
                                                  const TSubfolderLister& listSubfolders);

}  // namespace quillon
