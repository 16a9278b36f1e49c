#include "uninstaller/app/ProtectedFolderRules.h"

#include <cstring>

#include "uninstaller/app/PathNames.h"

namespace {

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool ProtectsContents(FolderProtection protection)
{
    return protection != kProtectFolder;
}

}  // namespace

const char* const kProfileKnownFolders[] = {
    "AppData",
    "AppData\\Local",
    "AppData\\Local\\Microsoft",
    "AppData\\Local\\Microsoft\\Windows",
    "AppData\\Local\\Programs",
    "AppData\\Local\\Temp",
    "AppData\\LocalLow",
    "AppData\\Roaming",
    "AppData\\Roaming\\Microsoft",
    "AppData\\Roaming\\Microsoft\\Windows",
    "AppData\\Roaming\\Microsoft\\Windows\\Recent",
    "AppData\\Roaming\\Microsoft\\Windows\\SendTo",
    "AppData\\Roaming\\Microsoft\\Windows\\Start Menu",
    "AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs",
    "AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup",
    "AppData\\Roaming\\Microsoft\\Windows\\Templates",
    "Application Data",
    "Contacts",
    "Cookies",
    "Desktop",
    "Documents",
    "Downloads",
    "Favorites",
    "Links",
    "Local Settings",
    "Local Settings\\Application Data",
    "Local Settings\\Temp",
    "Music",
    "My Documents",
    "NetHood",
    "OneDrive",
    "Pictures",
    "PrintHood",
    "Recent",
    "Saved Games",
    "Searches",
    "SendTo",
    "Start Menu",
    "Start Menu\\Programs",
    "Start Menu\\Programs\\Startup",
    "Templates",
    "Videos",
};
const std::size_t kProfileKnownFolderCount = sizeof kProfileKnownFolders / sizeof kProfileKnownFolders[0];

bool IsAbsolutePath(const char* path)
{
    return (IsLetter(path[0]) && path[1] == ':' && path[2] == '\\') || (path[0] == '\\' && path[1] == '\\');
}

bool IsRootFolder(const char* path)
{
    if (IsLetter(path[0]) && path[1] == ':')
        return path[2] == '\0' || (path[2] == '\\' && path[3] == '\0');
    if (path[0] == '\\' && path[1] == '\\') {
        const char* serverEnd = std::strchr(path + 2, '\\');
        if (!serverEnd)
            return true;
        const char* shareEnd = std::strchr(serverEnd + 1, '\\');
        return !shareEnd || shareEnd[1] == '\0';
    }
    return path[0] == '\0';
}

void ProtectedFolderRules::Add(const std::string& folder, FolderProtection protection)
{
    std::string path = WithoutTrailingBackslashes(folder);
    if (path.empty())
        return;
    // The system names most folders several ways (registry, environment, shell): one entry each
    // keeps the guard from resolving the same folder on disk again and again.
    for (ProtectedFolder& known : folders_) {
        if (SameName(known.path, path)) {
            if (protection > known.protection)
                known.protection = protection;
            return;
        }
    }
    folders_.push_back(ProtectedFolder{path, protection});
}

void ProtectedFolderRules::AddProfile(const std::string& root)
{
    std::string path = WithoutTrailingBackslashes(root);
    if (path.empty())
        return;
    Add(path, kProtectFolder);
    for (std::size_t i = 0; i < kProfileKnownFolderCount; ++i)
        Add(path + "\\" + kProfileKnownFolders[i], kProtectFolder);
}

const ProtectedFolder* ProtectedFolderRules::ContentsHolder(const std::string& path) const
{
    const ProtectedFolder* holder = nullptr;
    for (const ProtectedFolder& guarded : folders_)
        if (ProtectsContents(guarded.protection) && IsInside(path, guarded.path) &&
            (!holder || guarded.path.size() > holder->path.size()))
            holder = &guarded;
    return holder;
}

bool ProtectedFolderRules::IsProtected(const std::string& path) const
{
    for (const ProtectedFolder& guarded : folders_)
        if (SameName(path, guarded.path))
            return true;
    return false;
}

bool ProtectedFolderRules::HoldsProtected(const std::string& path) const
{
    for (const ProtectedFolder& guarded : folders_)
        if (IsInside(guarded.path, path))
            return true;
    return false;
}

bool ProtectedFolderRules::MaySearch(const char* folder) const
{
    std::string path = WithoutTrailingBackslashes(folder);
    return IsAbsolutePath(folder) && !IsRootFolder(path.c_str()) && !IsProtected(path) && !ContentsHolder(path);
}

bool ProtectedFolderRules::MayDeleteFile(const char* path) const
{
    if (!IsAbsolutePath(path))
        return false;
    std::string file = path;
    std::string folder = ParentPath(file);
    return !IsRootFolder(folder.c_str()) && !ContentsHolder(file);
}

bool ProtectedFolderRules::MayRemoveTree(const char* folder) const
{
    return MaySearch(folder) && !HoldsProtected(WithoutTrailingBackslashes(folder));
}
