#include "classlib/core/FileDialogText.h"

#include <algorithm>

namespace cl {

namespace {

bool IsFullPath(const std::string& name) {
    return (name.size() >= 2 && name[1] == ':') || name.compare(0, 2, "\\\\") == 0;
}

}  // namespace

std::string FileDialogFilter(const std::string& filter) {
    if (filter.empty()) return filter;
    std::string result = filter;
    std::replace(result.begin(), result.end(), '|', '\0');
    result.append(2, '\0');
    return result;
}

std::vector<std::string> ParseFileDialogResult(const std::string& buffer) {
    std::vector<std::string> parts;
    for (size_t start = 0; start < buffer.size();) {
        const size_t end = std::min(buffer.find('\0', start), buffer.size());
        if (end == start) break;  // the empty part that ends the list
        parts.push_back(buffer.substr(start, end - start));
        start = end + 1;
    }
    if (parts.size() <= 1) return parts;

    std::string folder = parts.front();
    if (folder.back() != '\\') folder += '\\';
    std::vector<std::string> files;
    for (size_t i = 1; i < parts.size(); ++i) files.push_back(IsFullPath(parts[i]) ? parts[i] : folder + parts[i]);
    return files;
}

}  // namespace cl
