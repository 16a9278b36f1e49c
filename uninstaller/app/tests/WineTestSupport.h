#pragma once
// Helpers for the tests that run under Wine: a private folder in the temporary directory,
// small files, the registry, and child processes waited for with deadlines.

#include <windows.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace wine_test {

inline std::string TempFolder(const char* prefix)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    for (unsigned n = GetTickCount() & 0xFFFF;; ++n) {
        std::string folder = std::string(temp) + prefix + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(n);
        if (CreateDirectoryA(folder.c_str(), nullptr))
            return folder;
    }
}

// Tells one test run's names from another's: process id and part of the tick count.
inline std::string RunId()
{
    return std::to_string(GetCurrentProcessId()) + "_" + std::to_string(GetTickCount() & 0xFFFF);
}

inline std::string WindowsFolder()
{
    char folder[MAX_PATH] = "";
    GetWindowsDirectoryA(folder, sizeof folder);
    return folder;
}

inline std::string SystemFolder()
{
    char folder[MAX_PATH] = "";
    GetSystemDirectoryA(folder, sizeof folder);
    return folder;
}

// A folder of the shell (CSIDL_...), empty when the system has none.
inline std::string ShellFolder(int id)
{
    char folder[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, folder);
    return folder;
}

inline std::string ParentOf(const std::string& path)
{
    return path.substr(0, path.rfind('\\'));
}

inline void WriteFile(const std::string& path, const std::string& text)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
}

inline std::string ReadFile(const std::string& path)
{
    std::string text;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return text;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    std::fclose(file);
    return text;
}

inline bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline std::string Upper(std::string text)
{
    CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

// The entries of PendingFileRenameOperations (sources and targets alike), upper-cased.
inline std::vector<std::string> PendingRenames()
{
    std::vector<std::string> entries;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return entries;
    std::vector<char> data(65536);
    DWORD size = static_cast<DWORD>(data.size() - 2), type = 0;
    if (RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                         &size) == ERROR_SUCCESS) {
        for (const char* p = data.data(); p < data.data() + size && *p; p += std::strlen(p) + 1)
            entries.push_back(Upper(p));
    }
    RegCloseKey(key);
    return entries;
}

// Polls until done() holds or the deadline passes.
template <typename Condition>
bool WaitUntil(Condition done, DWORD milliseconds)
{
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds)
            return false;
        Sleep(20);
    }
    return true;
}

// A started program; killed if the test leaves it running.
class Child {
public:
    explicit Child(const std::string& commandLine)
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::vector<char> line(commandLine.begin(), commandLine.end());
        line.push_back('\0');
        started_ = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_) != 0;
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child()
    {
        if (!started_)
            return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info_.hProcess, 99);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    bool Started() const { return started_; }
    DWORD Id() const { return info_.dwProcessId; }

    // The exit code, or -1 when the program is still running at the deadline.
    long WaitForExit(DWORD milliseconds)
    {
        if (!started_ || WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(info_.hProcess, &code);
        return static_cast<long>(code);
    }

private:
    bool started_ = false;
    PROCESS_INFORMATION info_{};
};

typedef char*(CDECL* UnixFileNameProc)(LPCWSTR dosName);

inline UnixFileNameProc UnixFileNameFunction()
{
    return reinterpret_cast<UnixFileNameProc>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
}

inline std::wstring WideOf(const std::string& text)
{
    std::wstring wide(text.size() + 1, L'\0');
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<size_t>(length - 1) : 0);
    return wide;
}

// A symbolic link to a folder (directory) or a file, made under Wine as a host link with
// "ln -s" (Wine shows a link to a folder as a reparse point, a link to a file as a plain file),
// elsewhere by the system. False when it could not be made.
inline bool MakeLink(const std::string& link, const std::string& target, bool directory)
{
    UnixFileNameProc unixName = UnixFileNameFunction();
    if (!unixName)
        return CreateSymbolicLinkA(link.c_str(), target.c_str(), directory ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) != 0;
    char* unixTarget = unixName(WideOf(target).c_str());
    char* unixLink = unixName(WideOf(link).c_str());
    if (!unixTarget || !unixLink)
        return false;
    Child ln(std::string("Z:\\bin\\ln -s \"") + unixTarget + "\" \"" + unixLink + "\"");
    HeapFree(GetProcessHeap(), 0, unixTarget);
    HeapFree(GetProcessHeap(), 0, unixLink);
    return ln.Started() && WaitUntil([&] {
               DWORD attributes = GetFileAttributesA(link.c_str());
               return attributes != INVALID_FILE_ATTRIBUTES &&
                      (!directory || (attributes & FILE_ATTRIBUTE_REPARSE_POINT));
           }, 30000);
}

// A folder outside the Wine prefix (beside it, in the test session's folder); under Windows, a
// folder of the temporary folder. Made when missing.
inline std::string FolderOutsidePrefix(const std::string& name)
{
    std::string folder;
    UnixFileNameProc unixName = UnixFileNameFunction();
    char* drive = unixName ? unixName(L"C:\\") : nullptr;
    if (drive) {
        std::string unixPath = drive;
        HeapFree(GetProcessHeap(), 0, drive);
        while (!unixPath.empty() && unixPath.back() == '/')
            unixPath.pop_back();
        // ".../prefix/drive_c" or ".../prefix/dosdevices/c:": the prefix's parent.
        for (int up = 0; up < 2; ++up)
            unixPath = unixPath.substr(0, unixPath.rfind('/'));
        if (unixPath.size() > 3 && unixPath.substr(unixPath.size() - 7) == "/prefix")
            unixPath = unixPath.substr(0, unixPath.size() - 7);
        for (char& c : unixPath)
            if (c == '/')
                c = '\\';
        folder = "Z:" + unixPath + "\\" + name;
    } else {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder = std::string(temp) + name;
    }
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// Names of running programs, upper-cased.
inline std::vector<std::string> RunningPrograms()
{
    std::vector<std::string> names;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return names;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        names.push_back(Upper(entry.szExeFile));
    CloseHandle(snapshot);
    return names;
}

struct WindowSearch {
    DWORD processId;
    const char* className;
    const char* caption;
    HWND found;
};

inline BOOL CALLBACK MatchWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[64] = "", caption[256] = "";
    GetClassNameA(window, name, sizeof name);
    GetWindowTextA(window, caption, sizeof caption);
    if (owner == search->processId && IsWindowVisible(window) &&
        (!search->className || lstrcmpA(name, search->className) == 0) &&
        (!search->caption || lstrcmpA(caption, search->caption) == 0)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The first visible top-level window of the process with this class and caption (null for
// any).
inline HWND FindProcessWindow(DWORD processId, const char* className, const char* caption = nullptr)
{
    WindowSearch search{processId, className, caption, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline std::string WindowText(HWND window)
{
    char text[2048] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

}  // namespace wine_test
