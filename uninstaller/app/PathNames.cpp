#include "uninstaller/app/PathNames.h"

#include <cstring>

namespace {

char FoldAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SamePrefix(const std::string& text, const std::string& prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (FoldAscii(text[i]) != FoldAscii(prefix[i]))
            return false;
    return true;
}

}  // namespace

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && SamePrefix(a, b);
}

std::string NameKey(const std::string& name)
{
    std::string key = name;
    for (char& c : key)
        c = FoldAscii(c);
    return key;
}

bool IsSameOrInside(const std::string& path, const std::string& folder)
{
    return SamePrefix(path, folder) && (path.size() == folder.size() || path[folder.size()] == '\\');
}

bool IsInside(const std::string& path, const std::string& folder)
{
    return path.size() > folder.size() && IsSameOrInside(path, folder);
}

std::string ParentPath(const std::string& path)
{
    std::size_t last = path.rfind('\\');
    return last == std::string::npos ? "" : path.substr(0, last);
}

std::string LastName(const std::string& path)
{
    std::size_t last = path.rfind('\\');
    return last == std::string::npos ? path : path.substr(last + 1);
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '\\')
        return folder + name;
    return folder + "\\" + name;
}

std::string WithoutTrailingBackslashes(std::string path)
{
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

bool HasExtension(const std::string& path, const char* extension)
{
    std::size_t length = std::strlen(extension);
    return path.size() > length && SameName(path.substr(path.size() - length), extension);
}
