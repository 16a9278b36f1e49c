#include "utils/UtPathSeparators.h"

#include <windows.h>

namespace ut {

namespace {

// Index where each character of path begins, in order. A lead byte always takes the next byte
// with it, as CharNextExA does.
template <typename Visit>
void ForEachCharacterStart(const std::string& path, unsigned codePage, Visit visit) {
    for (size_t i = 0; i < path.size();) {
        visit(i);
        const bool isLead = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(path[i])) != FALSE;
        i += (isLead && i + 1 < path.size()) ? 2 : 1;
    }
}

}  // namespace

bool EndsWithBackslash(const std::string& path, unsigned codePage) {
    size_t lastStart = std::string::npos;
    ForEachCharacterStart(path, codePage, [&](size_t i) { lastStart = i; });
    return lastStart != std::string::npos && lastStart == path.size() - 1 && path[lastStart] == '\\';
}

std::string AddTrailingBackslash(const std::string& path, unsigned codePage) {
    return EndsWithBackslash(path, codePage) ? path : path + '\\';
}

std::string RemoveTrailingBackslash(const std::string& path, unsigned codePage) {
    return EndsWithBackslash(path, codePage) ? path.substr(0, path.size() - 1) : path;
}

std::string FolderPartOfPath(const std::string& path, unsigned codePage) {
    size_t end = 0;
    ForEachCharacterStart(path, codePage, [&](size_t i) {
        if (path[i] == '\\' || path[i] == ':') end = i + 1;
    });
    return path.substr(0, end);
}

}  // namespace ut
