#include "uninstaller/app/ProtectedFolderRules.h"

#include <cstring>

#include "uninstaller/log/NameCompare.h"

namespace {

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string WithoutTrailingBackslashes(std::string path)
{
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

// text is folder or lies inside it.
bool IsSameOrInside(const std::string& text, const std::string& folder)
{
    return text.size() >= folder.size() && CompareNoCaseN(text.c_str(), folder.c_str(), folder.size()) == 0 &&
           (text.size() == folder.size() || text[folder.size()] == '\\');
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
        if (EqualNoCase(known.path.c_str(), path.c_str())) {
            if (protection == kProtectFolderAndContents)
                known.protection = kProtectFolderAndContents;
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

bool ProtectedFolderRules::MaySearch(const char* folder) const
{
    std::string path = WithoutTrailingBackslashes(folder);
    if (!IsAbsolutePath(folder) || IsRootFolder(path.c_str()))
        return false;
    for (const ProtectedFolder& guarded : folders_) {
        if (EqualNoCase(path.c_str(), guarded.path.c_str()))
            return false;
        if (guarded.protection == kProtectFolderAndContents && IsSameOrInside(path, guarded.path))
            return false;
    }
    return true;
}

bool ProtectedFolderRules::MayDeleteFile(const char* path) const
{
    static const char* const kSystemFiles[] = {"WIN.INI", "SYSTEM.INI", "CONTROL.INI", "PROTOCOL.INI", "BOOT.INI",
                                               "CONFIG.SYS", "AUTOEXEC.BAT", "NTLDR", "BOOTMGR"};
    if (!IsAbsolutePath(path))
        return false;
    const char* name = std::strrchr(path, '\\') + 1;
    bool systemFile = false;
    for (const char* file : kSystemFiles)
        systemFile |= EqualNoCase(name, file);
    if (!systemFile)
        return true;
    std::string folder(path, name - 1 - path);
    if (IsRootFolder(folder.c_str()))
        return false;
    for (const ProtectedFolder& guarded : folders_)
        if (guarded.protection == kProtectFolderAndContents && EqualNoCase(folder.c_str(), guarded.path.c_str()))
            return false;
    return true;
}

bool ProtectedFolderRules::MayRemoveTree(const char* folder) const
{
    if (!MaySearch(folder))
        return false;
    std::string path = WithoutTrailingBackslashes(folder);
    for (const ProtectedFolder& guarded : folders_)
        if (IsSameOrInside(guarded.path, path))
            return false;
    return true;
}
