#pragma once
// Where extracted entries go below a folder the user chose. Names that could lead elsewhere are
// refused (FileNameRules.h), and entries whose files would coincide (with each other or with a
// folder), as the file system compares names, are told apart, so that no entry silently takes
// the place of another.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "app/extraction/FileNameRules.h"

namespace quillon {

// The folders and files one extraction writes below its target folder. Each path is taken once.
class TExtractionTargets {
public:
    explicit TExtractionTargets(const TFileNameRules& rules) : rules_(rules) {}

    // Takes a folder (archive path, "/" separated) and its parents; its "\" path, or nothing
    // when it is unsafe or a file has the path of the folder or of one of its parents.
    std::optional<std::string> AddFolder(std::string_view archivePath);
    // Takes a file (archive path, "/" separated) and its parent folders; its "\" path, or
    // nothing when it is unsafe, already taken by a file or a folder, or below a file.
    std::optional<std::string> AddFile(std::string_view archivePath);

private:
    // Takes the parent folders of a folded path; false when one of them is a file.
    bool AddParents(const std::u16string& folded);

    const TFileNameRules& rules_;
    std::unordered_set<std::u16string> folders_;  // folded "\" paths
    std::unordered_set<std::u16string> files_;
};

}  // namespace quillon
