#include "app/build/LeftOutReport.h"

#include <algorithm>

#include "app/archive/CaseFold.h"
#include "app/build/BuildEntryNames.h"
#include "app/build/BuildRoot.h"
#include "app/extraction/ExtractionReport.h"

namespace quillon {

namespace {

std::string FileCount(size_t files) { return std::to_string(files) + (files == 1 ? " file" : " files"); }

}  // namespace

std::vector<std::string> LeftOutLines(const TStagingPlan& plan, const std::vector<TBuildListEntry>& entries) {
    std::vector<int> leftOut = plan.Outside;
    leftOut.insert(leftOut.end(), plan.RefusedEntries.begin(), plan.RefusedEntries.end());
    std::sort(leftOut.begin(), leftOut.end());

    std::vector<std::string> lines;
    for (const int i : leftOut)
        if (entries[i].Added) lines.push_back(BuiltEntryPath(entries[i].Name) + " (added by you)");

    // Other top folders by the spelling met first, in the order met.
    std::vector<std::pair<std::string, size_t>> folders;
    std::vector<std::string> looseFiles;
    for (const int i : plan.Outside) {
        if (entries[i].Added) continue;
        const std::string_view top = TopFolderOf(entries[i].Name);
        if (top.empty()) {
            looseFiles.push_back(entries[i].Name);
            continue;
        }
        auto folder = std::find_if(folders.begin(), folders.end(),
                                   [top](const auto& f) { return EqualsIgnoringCase(f.first, top); });
        if (folder == folders.end()) folders.emplace_back(std::string(top), 1);
        else ++folder->second;
    }
    for (const auto& [name, files] : folders) lines.push_back(name + "/ (" + FileCount(files) + ")");
    lines.insert(lines.end(), looseFiles.begin(), looseFiles.end());
    lines.insert(lines.end(), plan.RefusedFolders.begin(), plan.RefusedFolders.end());
    for (const int i : plan.RefusedEntries)
        if (!entries[i].Added) lines.push_back(entries[i].Name);
    return lines;
}

std::string LeftOutQuestion(const std::string& root, const TStagingPlan& plan, const std::vector<TBuildListEntry>& entries) {
    std::string heading;
    if (!plan.Outside.empty())
        heading = "An RFA is built from one top folder, and this build takes \"" + root + "\". ";
    if (!plan.RefusedFolders.empty() || !plan.RefusedEntries.empty())
        heading += "Names that would lead outside the build folder, name a device, or coincide with another file or "
                   "folder cannot be built. ";
    heading += "These would be left out of the RFA:";
    return ListMessage(heading, LeftOutLines(plan, entries)) + "\r\rBuild \"" + root + "\" without them?";
}

std::string BuiltWithoutText(const std::string& root, size_t leftOutFiles) {
    return "The RFA now holds \"" + root + "\" without the " + FileCount(leftOutFiles) + " left out.";
}

}  // namespace quillon
