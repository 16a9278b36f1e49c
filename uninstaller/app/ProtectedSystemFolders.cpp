#include "uninstaller/app/ProtectedSystemFolders.h"

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Handles.h"

namespace {

typedef UINT(WINAPI* SystemWow64DirectoryProc)(LPSTR buffer, UINT size);

const char kCurrentVersion[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char kProfileList[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";

// A REG_SZ or REG_EXPAND_SZ value, expanded; "" when missing.
std::string ReadFolderValue(HKEY key, const char* name)
{
    char value[MAX_PATH], expanded[MAX_PATH];
    DWORD type = 0, size = sizeof value - 1;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return "";
    value[size] = '\0';
    DWORD length = ExpandEnvironmentStringsA(value, expanded, sizeof expanded);
    return length > 0 && length <= sizeof expanded ? expanded : value;
}

// The Program Files and Common Files folders as both views of a 64-bit system name them.
void AddProgramFiles(ProtectedFolderRules& rules)
{
    static const char* const kValues[] = {"ProgramFilesDir", "ProgramFilesDir (x86)", "ProgramW6432Dir",
                                          "CommonFilesDir", "CommonFilesDir (x86)", "CommonW6432Dir"};
    for (REGSAM view : {static_cast<REGSAM>(0), static_cast<REGSAM>(KEY_WOW64_64KEY),
                        static_cast<REGSAM>(KEY_WOW64_32KEY)}) {
        RegistryKey key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kCurrentVersion, 0, KEY_READ | view, &key.key) != ERROR_SUCCESS)
            continue;
        for (const char* name : kValues)
            rules.Add(ReadFolderValue(key.key, name), kProtectFolder);
    }
    rules.Add(g_app.protectedProgramFiles, kProtectFolder);
}

void AddEnvironmentFolders(ProtectedFolderRules& rules)
{
    static const char* const kShared[] = {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432", "CommonProgramFiles",
                                          "CommonProgramFiles(x86)", "CommonProgramW6432", "ProgramData",
                                          "ALLUSERSPROFILE", "PUBLIC", "APPDATA", "LOCALAPPDATA", "TEMP", "TMP"};
    for (const char* name : kShared) {
        char value[MAX_PATH];
        DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
        if (length > 0 && length < sizeof value)
            rules.Add(value, kProtectFolder);
    }
    for (const char* name : {"SystemRoot", "windir"}) {
        char value[MAX_PATH];
        DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
        if (length > 0 && length < sizeof value)
            rules.Add(value, kProtectFolderAndContents);
    }
}

void AddSystemFolders(ProtectedFolderRules& rules)
{
    char folder[MAX_PATH];
    UINT length = GetWindowsDirectoryA(folder, sizeof folder);
    if (length > 0 && length < sizeof folder)
        rules.Add(folder, kProtectFolderAndContents);
    length = GetSystemWindowsDirectoryA(folder, sizeof folder);
    if (length > 0 && length < sizeof folder)
        rules.Add(folder, kProtectFolderAndContents);
    length = GetSystemDirectoryA(folder, sizeof folder);
    if (length > 0 && length < sizeof folder)
        rules.Add(folder, kProtectFolderAndContents);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    auto wow64Directory = kernel ? reinterpret_cast<SystemWow64DirectoryProc>(reinterpret_cast<void*>(
                                       GetProcAddress(kernel, "GetSystemWow64DirectoryA")))
                                 : nullptr;
    if (wow64Directory) {
        length = wow64Directory(folder, sizeof folder);
        if (length > 0 && length < sizeof folder)
            rules.Add(folder, kProtectFolderAndContents);
    }
    length = GetTempPathA(sizeof folder, folder);
    if (length > 0 && length < sizeof folder)
        rules.Add(folder, kProtectFolder);
}

// The shell's special folders of this user and of all users.
void AddShellFolders(ProtectedFolderRules& rules)
{
    static const int kFolders[] = {
        CSIDL_ADMINTOOLS, CSIDL_ALTSTARTUP, CSIDL_APPDATA, CSIDL_CDBURN_AREA, CSIDL_COMMON_ADMINTOOLS,
        CSIDL_COMMON_ALTSTARTUP, CSIDL_COMMON_APPDATA, CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_COMMON_DOCUMENTS,
        CSIDL_COMMON_FAVORITES, CSIDL_COMMON_MUSIC, CSIDL_COMMON_PICTURES, CSIDL_COMMON_PROGRAMS,
        CSIDL_COMMON_STARTMENU, CSIDL_COMMON_STARTUP, CSIDL_COMMON_TEMPLATES, CSIDL_COMMON_VIDEO, CSIDL_COOKIES,
        CSIDL_DESKTOPDIRECTORY, CSIDL_FAVORITES, CSIDL_HISTORY, CSIDL_INTERNET_CACHE, CSIDL_LOCAL_APPDATA,
        CSIDL_MYMUSIC, CSIDL_MYPICTURES, CSIDL_MYVIDEO, CSIDL_NETHOOD, CSIDL_PERSONAL, CSIDL_PRINTHOOD,
        CSIDL_PROFILE, CSIDL_PROGRAM_FILES, CSIDL_PROGRAM_FILES_COMMON, CSIDL_PROGRAM_FILES_COMMONX86,
        CSIDL_PROGRAM_FILESX86, CSIDL_PROGRAMS, CSIDL_RECENT, CSIDL_SENDTO, CSIDL_STARTMENU, CSIDL_STARTUP,
        CSIDL_TEMPLATES};
    for (int id : kFolders) {
        char folder[MAX_PATH];
        if (SHGetFolderPathA(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, folder) == S_OK)
            rules.Add(folder, kProtectFolder);
    }
    char fonts[MAX_PATH];
    if (SHGetFolderPathA(nullptr, CSIDL_FONTS, nullptr, SHGFP_TYPE_CURRENT, fonts) == S_OK)
        rules.Add(fonts, kProtectFolderAndContents);
}

// Every profile the system lists, every folder of the users folder, and the users folder.
void AddProfiles(ProtectedFolderRules& rules)
{
    std::string usersFolder;
    RegistryKey list;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProfileList, 0, KEY_READ, &list.key) == ERROR_SUCCESS) {
        usersFolder = ReadFolderValue(list.key, "ProfilesDirectory");
        for (const char* name : {"AllUsersProfile", "Default", "DefaultUserProfile", "Public"}) {
            std::string profile = ReadFolderValue(list.key, name);
            if (!profile.empty())
                rules.AddProfile(profile.find('\\') == std::string::npos && !usersFolder.empty()
                                     ? usersFolder + "\\" + profile
                                     : profile);
        }
        char sid[256];
        for (DWORD index = 0;; ++index) {
            DWORD size = sizeof sid;
            if (RegEnumKeyExA(list.key, index, sid, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            RegistryKey profile;
            if (RegOpenKeyExA(list.key, sid, 0, KEY_READ, &profile.key) == ERROR_SUCCESS)
                rules.AddProfile(ReadFolderValue(profile.key, "ProfileImagePath"));
        }
    }
    char own[MAX_PATH];
    if (SHGetFolderPathA(nullptr, CSIDL_PROFILE, nullptr, SHGFP_TYPE_CURRENT, own) == S_OK) {
        rules.AddProfile(own);
        if (usersFolder.empty()) {
            usersFolder = own;
            size_t last = usersFolder.rfind('\\');
            usersFolder = last == std::string::npos ? "" : usersFolder.substr(0, last);
        }
    }
    if (usersFolder.empty())
        return;
    rules.Add(usersFolder, kProtectFolder);
    WIN32_FIND_DATAA found;
    FindHandle find(FindFirstFileA((usersFolder + "\\*").c_str(), &found));
    if (find.handle == INVALID_HANDLE_VALUE)
        return;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && found.cFileName[0] != '.')
            rules.AddProfile(usersFolder + "\\" + found.cFileName);
    } while (FindNextFileA(find.handle, &found));
}

}  // namespace

ProtectedFolderRules SystemProtectedFolders()
{
    ProtectedFolderRules rules;
    AddSystemFolders(rules);
    AddProgramFiles(rules);
    AddEnvironmentFolders(rules);
    AddShellFolders(rules);
    AddProfiles(rules);
    return rules;
}
