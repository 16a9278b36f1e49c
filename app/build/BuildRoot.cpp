#include "app/build/BuildRoot.h"

#include <algorithm>

#include "app/archive/CaseFold.h"

namespace quillon {

std::string_view TopFolderOf(std::string_view entryName) {
    const size_t slash = entryName.find('/');
    return slash == std::string_view::npos ? std::string_view() : entryName.substr(0, slash);
}

std::string ChooseBuildRoot(const std::vector<std::string>& topFolders, const std::vector<TBuildListEntry>& entries,
                            std::string_view preferred) {
    if (topFolders.empty()) return std::string();
    std::vector<bool> holdsAdded(topFolders.size(), false);
    for (const TBuildListEntry& entry : entries) {
        if (!entry.Added) continue;
        const std::string_view top = TopFolderOf(entry.Name);
        for (size_t i = 0; i < topFolders.size(); ++i)
            if (!top.empty() && EqualsIgnoringCase(top, topFolders[i])) holdsAdded[i] = true;
    }
    const bool anyAdded = std::find(holdsAdded.begin(), holdsAdded.end(), true) != holdsAdded.end();
    for (size_t i = 0; i < topFolders.size(); ++i)
        if (!preferred.empty() && EqualsIgnoringCase(preferred, topFolders[i]) && (holdsAdded[i] || !anyAdded))
            return topFolders[i];
    for (size_t i = 0; i < topFolders.size(); ++i)
        if (holdsAdded[i]) return topFolders[i];
    return topFolders.front();
}

}  // namespace quillon
