#include "app/extraction/ExtractionTargets.h"

#include <algorithm>
#include <array>

#include "app/archive/CaseFold.h"

namespace quillon {

namespace {

std::string Folded(std::string_view text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), FoldCase);
    return folded;
}

bool IsDeviceName(std::string_view name) {
    // The device is named by the part before the first dot, trailing blanks ignored.
    std::string base = Folded(name.substr(0, name.find('.')));
    base.erase(base.find_last_not_of(' ') + 1);
    static const std::array<std::string_view, 6> kDevices = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    if (std::find(kDevices.begin(), kDevices.end(), base) != kDevices.end()) return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) && base[3] >= '1' &&
           base[3] <= '9';
}

}  // namespace

bool IsSafeFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 32) return false;
        if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) return false;
    }
    if (name.back() == '.' || name.back() == ' ') return false;
    return !IsDeviceName(name);
}

std::optional<std::string> SafeRelativePath(std::string_view archivePath) {
    std::string path;
    size_t start = 0;
    for (;;) {
        const size_t slash = archivePath.find('/', start);
        const std::string_view part = archivePath.substr(start, slash == std::string_view::npos ? slash : slash - start);
        if (!IsSafeFileName(part)) return std::nullopt;
        path.append(part);
        if (slash == std::string_view::npos) return path;
        path += '\\';
        start = slash + 1;
    }
}

bool TExtractionTargets::AddParents(const std::string& relativePath) {
    const std::string folded = Folded(relativePath);
    for (size_t slash = folded.find('\\'); slash != std::string::npos; slash = folded.find('\\', slash + 1)) {
        std::string parent = folded.substr(0, slash);
        if (files_.count(parent)) return false;
        folders_.insert(std::move(parent));
    }
    return true;
}

std::optional<std::string> TExtractionTargets::AddFolder(std::string_view archivePath) {
    std::optional<std::string> path = SafeRelativePath(archivePath);
    if (!path || !AddParents(*path)) return std::nullopt;
    std::string folded = Folded(*path);
    if (files_.count(folded)) return std::nullopt;
    folders_.insert(std::move(folded));
    return path;
}

std::optional<std::string> TExtractionTargets::AddFile(std::string_view archivePath) {
    std::optional<std::string> path = SafeRelativePath(archivePath);
    if (!path) return std::nullopt;
    std::string folded = Folded(*path);
    if (files_.count(folded) || folders_.count(folded) || !AddParents(*path)) return std::nullopt;
    files_.insert(std::move(folded));
    return path;
}

}  // namespace quillon
