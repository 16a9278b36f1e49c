#include "app/build/FolderImport.h"

namespace quillon {

namespace {

// Appends the folders below source (with its trailing "\"), deepest first, to imported.
bool ScanFolders(const std::string& source, const std::string& target, const TSubfolderLister& listSubfolders,
                 std::vector<TImportedFolder>& imported) {
    std::vector<std::string> names;
    if (!listSubfolders(source, names)) return false;
    for (const std::string& name : names) {
        const std::string subfolder = source + name + "\\";
        const std::string subTarget = target + "\\" + name;
        if (!ScanFolders(subfolder, subTarget, listSubfolders, imported)) return false;
        imported.push_back(TImportedFolder{subTarget, subfolder});
    }
    return true;
}

}  // namespace

std::optional<std::vector<TImportedFolder>> PlanFolderImport(const std::string& folder, const std::string& base,
                                                             const TSubfolderLister& listSubfolders) {
    const size_t slash = folder.find_last_of("\\:");
    const std::string name = slash == std::string::npos ? folder : folder.substr(slash + 1);
    if (name.empty()) return std::nullopt;
    std::vector<TImportedFolder> imported;
    if (!ScanFolders(folder + "\\", base + name, listSubfolders, imported)) return std::nullopt;
    imported.push_back(TImportedFolder{base + name, folder + "\\"});
    return imported;
}

std::string ArchiveFolderPath(const std::string& target) {
    std::string path = target;
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

}  // namespace quillon
