#include "uninstaller/app/FolderGuard.h"

#include <cstring>

#include "uninstaller/log/NameCompare.h"

namespace {

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

void DropTrailingBackslashes(char* path)
{
    std::size_t length = std::strlen(path);
    while (length > 0 && path[length - 1] == '\\')
        path[--length] = '\0';
}

// "X:" or a share "\\server\share" (or less).
bool IsRoot(const char* path)
{
    if (IsLetter(path[0]) && path[1] == ':')
        return path[2] == '\0' || (path[2] == '\\' && path[3] == '\0');
    if (path[0] == '\\' && path[1] == '\\') {
        const char* server = std::strchr(path + 2, '\\');
        return !server || !std::strchr(server + 1, '\\');
    }
    return path[0] == '\0';
}

bool CopyFits(char* out, const char* text)
{
    std::size_t length = std::strlen(text);
    if (length >= kGuardPathSize)
        return false;
    std::memcpy(out, text, length + 1);
    return true;
}

// text is folder or lies inside it.
bool IsSameOrInside(const char* text, const char* folder)
{
    std::size_t length = std::strlen(folder);
    return CompareNoCaseN(text, folder, length) == 0 && (text[length] == '\0' || text[length] == '\\');
}

}  // namespace

bool IsAbsolutePath(const char* path)
{
    return (IsLetter(path[0]) && path[1] == ':' && path[2] == '\\') || (path[0] == '\\' && path[1] == '\\');
}

FolderGuard::FolderGuard(EngineFiles& files, const ProtectedFolders& folders) : files_(files)
{
    for (int i = 0; i < ProtectedFolders::kCount; ++i) {
        protected_[i][0] = '\0';
        const char* folder = folders.folders[i];
        if (!folder || !folder[0])
            continue;
        char raw[kGuardPathSize];
        if (!CopyFits(raw, folder))
            continue;
        DropTrailingBackslashes(raw);
        if (!files_.CanonicalPathOf(raw, protected_[i], kGuardPathSize))
            std::strcpy(protected_[i], raw);
        DropTrailingBackslashes(protected_[i]);
    }
}

bool FolderGuard::Canonical(const char* folder, char* out)
{
    char raw[kGuardPathSize];
    if (!IsAbsolutePath(folder) || !CopyFits(raw, folder))
        return false;
    DropTrailingBackslashes(raw);
    if (IsRoot(raw))
        return false;
    if (!files_.CanonicalPathOf(raw, out, kGuardPathSize) && !CopyFits(out, raw))
        return false;
    DropTrailingBackslashes(out);
    return IsAbsolutePath(out) && !IsRoot(out);
}

bool FolderGuard::MaySearch(const char* folder)
{
    char canonical[kGuardPathSize];
    if (!Canonical(folder, canonical))
        return false;
    for (const char* guarded : protected_)
        if (guarded[0] && EqualNoCase(canonical, guarded))
            return false;
    return true;
}

bool FolderGuard::MayRemoveTree(const char* folder)
{
    char canonical[kGuardPathSize];
    if (!Canonical(folder, canonical))
        return false;
    for (const char* guarded : protected_)
        if (guarded[0] && IsSameOrInside(guarded, canonical))
            return false;
    return true;
}
