#include "uninstaller/app/ProtectedSystemFolders.h"

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Handles.h"
#include "uninstaller/app/WideText.h"

namespace {

typedef UINT(WINAPI* SystemWow64DirectoryProc)(LPWSTR buffer, UINT size);

const wchar_t kCurrentVersion[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const wchar_t kProfileList[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";

// The folder in the file system's names (UTF-8); "" when it has none.
std::string Named(const std::wstring& folder)
{
    std::string named;
    return Utf8FromWide(folder, &named) ? named : std::string();
}

// A REG_SZ or REG_EXPAND_SZ value, expanded; "" when missing.
std::wstring ReadFolderValue(HKEY key, const wchar_t* name)
{
    wchar_t value[MAX_PATH], expanded[MAX_PATH];
    DWORD type = 0, size = sizeof value - sizeof(wchar_t);
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return L"";
    value[size / sizeof(wchar_t)] = L'\0';
    DWORD length = ExpandEnvironmentStringsW(value, expanded, MAX_PATH);
    return length > 0 && length <= MAX_PATH ? expanded : value;
}

void Add(ProtectedFolderRules& rules, const std::wstring& folder, FolderProtection protection)
{
    rules.Add(Named(folder), protection);
}

void AddProfile(ProtectedFolderRules& rules, const std::wstring& root)
{
    rules.AddProfile(Named(root));
}

// The Program Files and Common Files folders as both views of a 64-bit system name them.
void AddProgramFiles(ProtectedFolderRules& rules)
{
    static const wchar_t* const kValues[] = {L"ProgramFilesDir", L"ProgramFilesDir (x86)", L"ProgramW6432Dir",
                                             L"CommonFilesDir", L"CommonFilesDir (x86)", L"CommonW6432Dir"};
    for (REGSAM view : {static_cast<REGSAM>(0), static_cast<REGSAM>(KEY_WOW64_64KEY),
                        static_cast<REGSAM>(KEY_WOW64_32KEY)}) {
        RegistryKey key;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kCurrentVersion, 0, KEY_READ | view, &key.key) != ERROR_SUCCESS)
            continue;
        for (const wchar_t* name : kValues)
            Add(rules, ReadFolderValue(key.key, name), kProtectFolder);
    }
    std::wstring programFiles;
    if (WideFromAnsiExact(g_app.protectedProgramFiles, &programFiles))
        Add(rules, programFiles, kProtectFolder);
}

void AddEnvironmentFolders(ProtectedFolderRules& rules)
{
    static const wchar_t* const kShared[] = {L"ProgramFiles", L"ProgramFiles(x86)", L"ProgramW6432",
                                             L"CommonProgramFiles", L"CommonProgramFiles(x86)", L"CommonProgramW6432",
                                             L"ProgramData", L"ALLUSERSPROFILE", L"PUBLIC", L"APPDATA",
                                             L"LOCALAPPDATA", L"TEMP", L"TMP"};
    wchar_t value[MAX_PATH];
    for (const wchar_t* name : kShared) {
        DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
        if (length > 0 && length < MAX_PATH)
            Add(rules, value, kProtectFolder);
    }
    for (const wchar_t* name : {L"SystemRoot", L"windir"}) {
        DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
        if (length > 0 && length < MAX_PATH)
            Add(rules, value, kProtectWindowsFolder);
    }
}

void AddSystemFolders(ProtectedFolderRules& rules)
{
    wchar_t folder[MAX_PATH];
    UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        Add(rules, folder, kProtectWindowsFolder);
    length = GetSystemWindowsDirectoryW(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        Add(rules, folder, kProtectWindowsFolder);
    length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        Add(rules, folder, kProtectFolderAndContents);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    auto wow64Directory = kernel ? reinterpret_cast<SystemWow64DirectoryProc>(reinterpret_cast<void*>(
                                       GetProcAddress(kernel, "GetSystemWow64DirectoryW")))
                                 : nullptr;
    if (wow64Directory) {
        length = wow64Directory(folder, MAX_PATH);
        if (length > 0 && length < MAX_PATH)
            Add(rules, folder, kProtectFolderAndContents);
    }
    length = GetTempPathW(MAX_PATH, folder);
    if (length > 0 && length < MAX_PATH)
        Add(rules, folder, kProtectFolder);
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
    wchar_t folder[MAX_PATH];
    for (int id : kFolders)
        if (SHGetFolderPathW(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, folder) == S_OK)
            Add(rules, folder, kProtectFolder);
    if (SHGetFolderPathW(nullptr, CSIDL_FONTS, nullptr, SHGFP_TYPE_CURRENT, folder) == S_OK)
        Add(rules, folder, kProtectFolderAndContents);
}

// Every profile the system lists, every folder of the users folder, and the users folder.
void AddProfiles(ProtectedFolderRules& rules)
{
    std::wstring usersFolder;
    RegistryKey list;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kProfileList, 0, KEY_READ, &list.key) == ERROR_SUCCESS) {
        usersFolder = ReadFolderValue(list.key, L"ProfilesDirectory");
        for (const wchar_t* name : {L"AllUsersProfile", L"Default", L"DefaultUserProfile", L"Public"}) {
            std::wstring profile = ReadFolderValue(list.key, name);
            if (!profile.empty())
                AddProfile(rules, profile.find(L'\\') == std::wstring::npos && !usersFolder.empty()
                                      ? usersFolder + L"\\" + profile
                                      : profile);
        }
        wchar_t sid[256];
        for (DWORD index = 0;; ++index) {
            DWORD size = 256;
            if (RegEnumKeyExW(list.key, index, sid, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            RegistryKey profile;
            if (RegOpenKeyExW(list.key, sid, 0, KEY_READ, &profile.key) == ERROR_SUCCESS)
                AddProfile(rules, ReadFolderValue(profile.key, L"ProfileImagePath"));
        }
    }
    wchar_t own[MAX_PATH];
    if (SHGetFolderPathW(nullptr, CSIDL_PROFILE, nullptr, SHGFP_TYPE_CURRENT, own) == S_OK) {
        AddProfile(rules, own);
        if (usersFolder.empty()) {
            usersFolder = own;
            size_t last = usersFolder.rfind(L'\\');
            usersFolder = last == std::wstring::npos ? L"" : usersFolder.substr(0, last);
        }
    }
    if (usersFolder.empty())
        return;
    Add(rules, usersFolder, kProtectFolder);
    WIN32_FIND_DATAW found;
    FindHandle find(FindFirstFileW((usersFolder + L"\\*").c_str(), &found));
    if (find.handle == INVALID_HANDLE_VALUE)
        return;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && found.cFileName[0] != L'.')
            AddProfile(rules, usersFolder + L"\\" + found.cFileName);
    } while (FindNextFileW(find.handle, &found));
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
