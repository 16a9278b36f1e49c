#include "uninstaller/app/FolderGuard.h"

#include <cstdio>
#include <cstring>

#include "uninstaller/log/NameCompare.h"

namespace {

void DropTrailingBackslashes(char* path)
{
    std::size_t length = std::strlen(path);
    while (length > 0 && path[length - 1] == '\\')
        path[--length] = '\0';
}

bool CopyFits(char* out, const char* text)
{
    std::size_t length = std::strlen(text);
    if (length >= kGuardPathSize)
        return false;
    std::memcpy(out, text, length + 1);
    return true;
}

}  // namespace

FolderGuard::FolderGuard(EngineFiles& files, const ProtectedFolderRules& folders, const char* ownLog)
    : files_(files), ownLog_()
{
    for (const ProtectedFolder& folder : folders.Folders()) {
        rules_.Add(folder.path, folder.protection);
        char form[kGuardPathSize];
        if (files_.CanonicalPathOf(folder.path.c_str(), form, sizeof form))
            rules_.Add(form, folder.protection);
        if (files_.ResolvedPathOf(folder.path.c_str(), form, sizeof form))
            rules_.Add(form, folder.protection);
    }
    if (ownLog && !files_.CanonicalPathOf(ownLog, ownLog_, sizeof ownLog_))
        ownLog_[0] = '\0';
}

bool FolderGuard::NamedForm(const char* folder, char* named)
{
    char raw[kGuardPathSize];
    if (!IsAbsolutePath(folder) || !CopyFits(raw, folder))
        return false;
    DropTrailingBackslashes(raw);
    if (IsRootFolder(raw))
        return false;
    if (!files_.CanonicalPathOf(raw, named, kGuardPathSize) && !CopyFits(named, raw))
        return false;
    DropTrailingBackslashes(named);
    return IsAbsolutePath(named);
}

bool FolderGuard::Forms(const char* folder, char* named, char* resolved)
{
    if (!NamedForm(folder, named))
        return false;
    if (!files_.ResolvedPathOf(named, resolved, kGuardPathSize))
        std::strcpy(resolved, named);
    DropTrailingBackslashes(resolved);
    return IsAbsolutePath(resolved);
}

bool FolderGuard::MaySearch(const char* folder)
{
    char named[kGuardPathSize], resolved[kGuardPathSize];
    return Forms(folder, named, resolved) && rules_.MaySearch(named) && rules_.MaySearch(resolved);
}

bool FolderGuard::MayRemoveTree(const char* folder)
{
    char named[kGuardPathSize], resolved[kGuardPathSize];
    return Forms(folder, named, resolved) && rules_.MayRemoveTree(named) && rules_.MayRemoveTree(resolved);
}

bool FolderGuard::MayDeleteFile(const char* path)
{
    char named[kGuardPathSize], resolved[kGuardPathSize];
    return Forms(path, named, resolved) && rules_.MayDeleteFile(named) && rules_.MayDeleteFile(resolved);
}

bool FolderGuard::MayRemoveLink(const char* folder)
{
    char named[kGuardPathSize];
    return NamedForm(folder, named) && rules_.MaySearch(named);
}

bool FolderGuard::HoldsOtherInstallation(const char* folder)
{
    char log[kGuardPathSize];
    int written = std::snprintf(log, sizeof log, "%s\\INSTALL.LOG", folder);
    if (written < 0 || static_cast<std::size_t>(written) >= sizeof log || !files_.FileExists(log))
        return false;
    char canonical[kGuardPathSize];
    if (!files_.CanonicalPathOf(log, canonical, sizeof canonical))
        return true;
    return !ownLog_[0] || !EqualNoCase(canonical, ownLog_);
}
