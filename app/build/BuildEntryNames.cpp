#include "app/build/BuildEntryNames.h"

#include "app/archive/CaseFold.h"

namespace quillon {

std::string AddedEntryName(std::string_view folder, std::string_view fileName) {
    std::string name(folder);
    name += '*';
    name += fileName;
    return name;
}

bool IsAddedEntryName(std::string_view entryName) { return entryName.find('*') != std::string_view::npos; }

std::string BuiltEntryPath(std::string_view entryName) {
    std::string path(entryName);
    const size_t star = path.find('*');
    if (star != std::string::npos) path.erase(star, 1);
    return path;
}

bool IsEntryBelow(std::string_view entryName, std::string_view folder) {
    return entryName.size() > folder.size() + 1 && entryName[folder.size()] == '/' &&
           EqualsIgnoringCase(entryName.substr(0, folder.size()), folder);
}

}  // namespace quillon
