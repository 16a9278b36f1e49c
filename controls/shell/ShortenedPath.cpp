#include "controls/shell/ShortenedPath.h"

namespace mw {

namespace {

const char kPlaceholder[] = "...\\";

}  // namespace

std::string CutFirstFolder(const std::string& folders) {
    if (folders == "\\") return {};
    std::string s = folders;
    const bool rooted = !s.empty() && s[0] == '\\';
    if (rooted) s.erase(0, 1);
    // Only the placeholder itself is skipped; a folder whose name starts with "." is a folder.
    if (s.compare(0, 4, kPlaceholder) == 0) s.erase(0, 4);
    const std::string::size_type slash = s.find('\\');
    if (slash == std::string::npos) return {};
    s = kPlaceholder + s.substr(slash + 1);
    return rooted ? "\\" + s : s;
}

std::string MinimizePathName(const std::string& path, const TTextWidth& textWidth, int maxWidth) {
    const std::string::size_type lastSlash = path.rfind('\\');
    std::string folders = lastSlash == std::string::npos ? std::string() : path.substr(0, lastSlash + 1);
    const std::string file = lastSlash == std::string::npos ? path : path.substr(lastSlash + 1);
    std::string drive;
    if (folders.size() >= 2 && folders[1] == ':') {
        drive = folders.substr(0, 2);
        folders.erase(0, 2);
    }
    std::string result = path;
    while ((!folders.empty() || !drive.empty()) && textWidth(result) > maxWidth) {
        if (folders == "\\...\\") {
            drive.clear();
            folders = kPlaceholder;
        } else if (!folders.empty()) {
            folders = CutFirstFolder(folders);
            if (folders.empty()) drive.clear();  // "C:" alone would name the drive's current folder
        } else {
            drive.clear();
        }
        result = drive + folders + file;
    }
    return result;
}

}  // namespace mw
