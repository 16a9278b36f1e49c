#include "app/build/FolderImport.h"

namespace quillon {

namespace {

// Appends the folders below source (with its trailing "\"), deepest first, to the plan; a
// folder that cannot be listed is left out with everything below it. False when source itself
// could not be listed.
bool ScanFolders(const std::string& source, const std::string& target, const TSubfolderLister& listSubfolders,
                 TFolderImportPlan& plan) {
    std::vector<std::string> names;
    if (!listSubfolders(source, names)) {
        plan.Unlisted.push_back(source.substr(0, source.size() - 1));
        return false;
    }
    for (const std::string& name : names) {
        const std::string subfolder = source + name + "\\";
        const std::string subTarget = target + "/" + name;
        if (ScanFolders(subfolder, subTarget, listSubfolders, plan))
            plan.Folders.push_back(TImportedFolder{subTarget, subfolder});
    }
    return true;
}

}  // namespace

std::optional<TFolderImportPlan> PlanFolderImport(const std::string& folder, const std::string& base,
                                                  const TSubfolderLister& listSubfolders) {
    const size_t slash = folder.find_last_of("\\:");
    const std::string name = slash == std::string::npos ? folder : folder.substr(slash + 1);
    if (name.empty()) return std::nullopt;
    TFolderImportPlan plan;
    if (ScanFolders(folder + "\\", base + name, listSubfolders, plan))
        plan.Folders.push_back(TImportedFolder{base + name, folder + "\\"});
    return plan;
}

}  // namespace quillon
