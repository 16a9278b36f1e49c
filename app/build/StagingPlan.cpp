#include "app/build/StagingPlan.h"

#include "app/build/BuildEntryNames.h"
#include "app/extraction/ExtractionTargets.h"

namespace quillon {

std::optional<TStagingPlan> PlanStaging(const std::string& rootFolder, const std::vector<std::string>& folders,
                                        const std::vector<TBuildListEntry>& entries, const TFileNameRules& rules) {
    TExtractionTargets targets(rules);
    const std::optional<std::string> root = targets.AddFolder(rootFolder);
    if (!root) return std::nullopt;
    TStagingPlan plan;
    plan.RootPath = *root + "\\";
    for (const std::string& folder : folders) {
        if (!IsEntryBelow(folder, rootFolder)) continue;
        if (std::optional<std::string> path = targets.AddFolder(folder)) plan.Folders.push_back(std::move(*path));
        else plan.RefusedFolders.push_back(folder + "/");
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string& name = entries[i].Name;
        if (!IsEntryBelow(name, rootFolder)) {
            plan.Outside.push_back(static_cast<int>(i));
            continue;
        }
        if (std::optional<std::string> path = targets.AddFile(entries[i].Added ? BuiltEntryPath(name) : name))
            plan.Entries.push_back(TStagedEntry{static_cast<int>(i), std::move(*path)});
        else
            plan.RefusedEntries.push_back(static_cast<int>(i));
    }
    return plan;
}

}  // namespace quillon
