#include "app/build/BuildEntryNames.h"

#include "app/archive/CaseFold.h"
#include "app/archive/RFAFile.h"

namespace quillon {

std::string AddedEntryName(std::string_view folder, std::string_view fileName) {
    std::string name(folder);
    name += '*';
    name += fileName;
    return name;
}

std::string_view AddedFileName(std::string_view entryName) {
    const std::string_view file = EntryFileName(entryName);
    return !file.empty() && file.front() == '*' ? file.substr(1) : file;
}

std::string BuiltEntryPath(std::string_view entryName) {
    const std::string_view file = EntryFileName(entryName);
    std::string path(entryName.substr(0, entryName.size() - file.size()));
    path += AddedFileName(entryName);
    return path;
}

bool IsEntryBelow(std::string_view entryName, std::string_view folder) {
    return entryName.size() > folder.size() + 1 && entryName[folder.size()] == '/' &&
           EqualsIgnoringCase(entryName.substr(0, folder.size()), folder);
}

}  // namespace quillon
