#include "app/extraction/ExtractionTargets.h"

namespace quillon {

bool TExtractionTargets::AddParents(const std::u16string& folded) {
    for (size_t slash = folded.find(u'\\'); slash != std::u16string::npos; slash = folded.find(u'\\', slash + 1)) {
        std::u16string parent = folded.substr(0, slash);
        if (files_.count(parent)) return false;
        folders_.insert(std::move(parent));
    }
    return true;
}

std::optional<std::string> TExtractionTargets::AddFolder(std::string_view archivePath) {
    std::optional<std::u16string> folded = FoldedRelativePath(archivePath, rules_);
    if (!folded || !AddParents(*folded) || files_.count(*folded)) return std::nullopt;
    folders_.insert(std::move(*folded));
    return SafeRelativePath(archivePath, rules_);
}

std::optional<std::string> TExtractionTargets::AddFile(std::string_view archivePath) {
    std::optional<std::u16string> folded = FoldedRelativePath(archivePath, rules_);
    if (!folded || files_.count(*folded) || folders_.count(*folded) || !AddParents(*folded)) return std::nullopt;
    files_.insert(std::move(*folded));
    return SafeRelativePath(archivePath, rules_);
}

}  // namespace quillon
