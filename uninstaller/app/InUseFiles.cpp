#include "uninstaller/app/InUseFiles.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <vector>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Handles.h"
#include "uninstaller/app/LinkResolution.h"
#include "uninstaller/app/WideText.h"
#include "uninstaller/app/WininitText.h"
#include "uninstaller/log/ItemStore.h"

namespace {

bool WriteAll(HANDLE file, const void* data, DWORD size)
{
    DWORD written = 0;
    return WriteFile(file, data, size, &written, nullptr) && written == size;
}

bool WininitPath(char* out, size_t size)
{
    char windows[MAX_PATH];
    UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (length == 0 || length >= sizeof windows)
        return false;
    int written = std::snprintf(out, size, "%s\\WININIT.INI", windows);
    return written > 0 && static_cast<size_t>(written) < size;
}

// Reads the end of the file: whole lines of at most the buffer's size. The file is emptied by
// every start of the system, so the end is all of it in practice. WININIT.INI serves only the
// systems outside the NT family, so only calls that they have are used.
size_t ReadWholeLinesAtEnd(HANDLE file, char* buffer, size_t size)
{
    DWORD fileSize = GetFileSize(file, nullptr);
    if (fileSize == INVALID_FILE_SIZE)
        return 0;
    DWORD start = fileSize > size ? fileSize - static_cast<DWORD>(size) : 0;
    DWORD got = 0;
    if (SetFilePointer(file, static_cast<LONG>(start), nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER ||
        !ReadFile(file, buffer, static_cast<DWORD>(size), &got, nullptr))
        return 0;
    if (start == 0)
        return got;
    const void* lineEnd = std::memchr(buffer, '\n', got);
    if (!lineEnd)
        return 0;
    size_t skipped = static_cast<size_t>(static_cast<const char*>(lineEnd) - buffer) + 1;
    std::memmove(buffer, buffer + skipped, got - skipped);
    return got - skipped;
}

int AppendToWininit(const char* path)
{
    char wininit[MAX_PATH + 16], tail[16384], text[MAX_PATH + 32];
    if (!WininitPath(wininit, sizeof wininit))
        return 1;
    FileHandle file(CreateFileA(wininit, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return 1;
    bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    size_t tailLength = existed ? ReadWholeLinesAtEnd(file.handle, tail, sizeof tail) : 0;
    size_t length = BuildWininitDeletion(existed ? tail : nullptr, tailLength, path, text, sizeof text);
    if (length == 0 || SetFilePointer(file.handle, 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER)
        return 1;
    return WriteAll(file.handle, text, static_cast<DWORD>(length)) ? 0 : 1;
}

typedef BOOL(WINAPI* SetFileInformationProc)(HANDLE file, FILE_INFO_BY_HANDLE_CLASS kind, LPVOID information,
                                              DWORD size);

// Looked up at run time: systems before Vista do not have it, and delete by name instead.
SetFileInformationProc SetFileInformationFunction()
{
    static SetFileInformationProc function = [] {
        HMODULE kernel = GetModuleHandleA("kernel32.dll");
        return kernel ? reinterpret_cast<SetFileInformationProc>(
                            reinterpret_cast<void*>(GetProcAddress(kernel, "SetFileInformationByHandle")))
                      : nullptr;
    }();
    return function;
}

// The long form of path; a path without "~" has no other long form, which spares a search of
// every folder on the way for each file deleted.
std::wstring LongFormOf(const std::wstring& path)
{
    if (path.find(L'~') == std::wstring::npos)
        return path;
    DWORD length = GetLongPathNameW(path.c_str(), nullptr, 0);
    if (length == 0)
        return path;
    std::vector<wchar_t> buffer(length + 1);
    length = GetLongPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    return length > 0 && length < buffer.size() ? std::wstring(buffer.data(), length) : path;
}

// The program's own path in its long form, as start-up noted it (the tests name it there), or,
// when that has no exact form, as the system names it.
std::wstring OwnProgramPath()
{
    std::wstring own;
    if (!g_app.modulePath[0] || !WideFromAnsiExact(g_app.modulePath, &own)) {
        wchar_t module[MAX_PATH];
        DWORD length = GetModuleFileNameW(g_app.instance, module, MAX_PATH);
        own = length > 0 && length < MAX_PATH ? std::wstring(module, length) : std::wstring();
    }
    return own.empty() ? own : LongFormOf(own);
}

bool IsOwnProgramFile(const std::wstring& path)
{
    std::wstring own = OwnProgramPath();
    return !own.empty() && SamePathName(LongFormOf(WithoutExactPrefix(path)), own);
}

// The open entry is the one expected: it leads to leadsTo.
bool LeadsTo(HANDLE handle, const std::wstring& leadsTo)
{
    std::wstring final;
    // Without the system's answer (before Vista) there are no symbolic links to fear.
    return !FinalPathOfHandle(handle, &final) || SamePathName(final, WithoutExactPrefix(leadsTo));
}

HANDLE OpenWithoutFollowing(const std::wstring& path, DWORD access)
{
    return CreateFileW(ExactPathName(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

bool IsGone(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Takes the read-only, hidden and system attributes off; false when there were none to take.
// (Reading an entry's attributes through its handle is slow under Wine in a large folder, so it
// is only done for an entry that would not go.)
bool MakeNormal(HANDLE handle, SetFileInformationProc setInformation)
{
    BY_HANDLE_FILE_INFORMATION information;
    const DWORD kBlocking = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    if (!GetFileInformationByHandle(handle, &information) || !(information.dwFileAttributes & kBlocking))
        return false;
    FILE_BASIC_INFO basic{};
    basic.FileAttributes = information.dwFileAttributes & ~kBlocking;
    if (basic.FileAttributes == 0)
        basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    return setInformation(handle, FileBasicInfo, &basic, sizeof basic) != FALSE;
}

enum DeleteResult { kDeleted, kDeleteGone, kDeleteElsewhere, kDeleteRefused };

// Deletes the entry through its own handle, so that what is deleted is what was checked.
DeleteResult DeleteExpected(const std::wstring& path, const std::wstring& leadsTo)
{
    SetFileInformationProc setInformation = SetFileInformationFunction();
    FileHandle entry(OpenWithoutFollowing(path, DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES));
    if (!entry.IsOpen())
        return IsGone(GetLastError()) ? kDeleteGone : kDeleteRefused;
    if (!LeadsTo(entry.handle, leadsTo))
        return kDeleteElsewhere;
    if (!setInformation) {
        BY_HANDLE_FILE_INFORMATION information{};
        GetFileInformationByHandle(entry.handle, &information);
        std::wstring exact = ExactPathName(path);
        SetFileAttributesW(exact.c_str(), FILE_ATTRIBUTE_NORMAL);
        bool folder = (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        CloseHandle(entry.handle);
        entry.handle = INVALID_HANDLE_VALUE;
        return (folder ? RemoveDirectoryW(exact.c_str()) : DeleteFileW(exact.c_str())) ? kDeleted : kDeleteRefused;
    }
    FILE_DISPOSITION_INFO disposition{TRUE};
    if (setInformation(entry.handle, FileDispositionInfo, &disposition, sizeof disposition) ||
        (MakeNormal(entry.handle, setInformation) &&
         setInformation(entry.handle, FileDispositionInfo, &disposition, sizeof disposition)))
        return kDeleted;
    return kDeleteRefused;
}

// A name "~VZUnnnn.TMP" in folder that no file has yet; the counter goes on from run to run of
// this function, so two replacements in one folder take different names.
bool FreeTemporaryName(const std::wstring& folder, std::wstring* out)
{
    static unsigned counter;
    for (unsigned tries = 0; tries < 0x10000; ++tries, ++counter) {
        wchar_t name[16];
        std::swprintf(name, 16, L"~VZU%04x.TMP", counter & 0xFFFF);
        *out = folder + L"\\" + name;
        if (GetFileAttributesW(ExactPathName(*out).c_str()) == INVALID_FILE_ATTRIBUTES) {
            ++counter;
            return true;
        }
    }
    return false;
}

// The short ANSI form the systems outside the NT family know a file by.
bool ShortAnsiPath(const std::wstring& path, std::string* out)
{
    DWORD length = GetShortPathNameW(path.c_str(), nullptr, 0);
    std::vector<wchar_t> buffer(length + 1);
    if (length == 0 || GetShortPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size())) == 0)
        return AnsiFromWideExact(path, out);
    return AnsiFromWideExact(buffer.data(), out);
}

// At the next restart the target is deleted and the temporary file takes its name.
bool ScheduleReplacementAtRestart(const std::wstring& temporary, const std::wstring& target)
{
    if (g_app.platform != kPlatformNt) {
        char wininit[MAX_PATH + 16];
        std::string shortTemporary, shortTarget;
        return ShortAnsiPath(temporary, &shortTemporary) && ShortAnsiPath(target, &shortTarget) &&
               WininitPath(wininit, sizeof wininit) &&
               WritePrivateProfileStringA("rename", shortTarget.c_str(), shortTemporary.c_str(), wininit) != FALSE;
    }
    return MoveFileExW(ExactPathName(target).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) &&
           MoveFileExW(ExactPathName(temporary).c_str(), ExactPathName(target).c_str(), MOVEFILE_DELAY_UNTIL_REBOOT);
}

// The folder whose deleted files the shell has not heard of yet; empty when none.
std::wstring folderPendingUpdate;

void NoteDeletedFile(const std::wstring& path)
{
    if (!g_app.shellFlag || !g_app.shChangeNotify)
        return;
    std::wstring shown = WithoutExactPrefix(path);
    size_t last = shown.rfind(L'\\');
    if (last == std::wstring::npos || last == 0) {
        g_app.shChangeNotify(SHCNE_DELETE, SHCNF_PATHW, shown.c_str(), nullptr);
        return;
    }
    std::wstring folder = shown.substr(0, last);
    if (SamePathName(folder, folderPendingUpdate))
        return;
    NotifyShellOfDeletedFiles();
    folderPendingUpdate = folder;
}

// Schedules the file in use for deletion at the next restart, once it is known to be the file
// expected.
FileRemoval ScheduleInUse(const std::wstring& path, const std::wstring& leadsTo, bool own)
{
    FileHandle entry(OpenWithoutFollowing(path, FILE_READ_ATTRIBUTES));
    if (!entry.IsOpen())
        return kFileKept;
    if (!LeadsTo(entry.handle, leadsTo))
        return kFileElsewhere;
    if (own)
        return kFileScheduled;
    if (!g_itemStore.deleteInUseFiles)
        return kFileKept;
    if (g_app.platform == kPlatformNt) {
        if (!MoveFileExW(ExactPathName(path).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT))
            return kFileKept;
    } else {
        std::string shortPath;
        if (!ShortAnsiPath(path, &shortPath) || AppendToWininit(shortPath.c_str()) != 0)
            return kFileKept;
    }
    g_app.restartNeeded = true;
    return kFileScheduled;
}

}  // namespace

void NotifyShellOfDeletedFiles()
{
    if (!folderPendingUpdate.empty() && g_app.shChangeNotify)
        g_app.shChangeNotify(SHCNE_UPDATEDIR, SHCNF_PATHW, folderPendingUpdate.c_str(), nullptr);
    folderPendingUpdate.clear();
}

FileRemoval DeleteFileOrSchedule(const std::wstring& path, const std::wstring& leadsTo)
{
    bool own = IsOwnProgramFile(path);
    if (own)
        g_app.ownFileDeleted = true;
    switch (DeleteExpected(path, leadsTo)) {
    case kDeleted:
        NoteDeletedFile(path);
        return kFileRemoved;
    case kDeleteGone:
        return kFileMissing;
    case kDeleteElsewhere:
        return kFileElsewhere;
    default:
        return ScheduleInUse(path, leadsTo, own);
    }
}

bool RemoveFolderExpected(const std::wstring& folder, const std::wstring& leadsTo)
{
    DeleteResult result = DeleteExpected(folder, leadsTo);
    if (result == kDeleted && g_app.shellFlag && g_app.shChangeNotify)
        g_app.shChangeNotify(SHCNE_RMDIR, SHCNF_PATHW, WithoutExactPrefix(folder).c_str(), nullptr);
    return result == kDeleted || result == kDeleteGone;
}

BackupCopy CopyBackupOver(const std::wstring& backup, const std::wstring& target)
{
    if (CopyFileW(ExactPathName(backup).c_str(), ExactPathName(target).c_str(), FALSE))
        return kBackupCopied;
    // The target is in use: the backup waits beside it under a temporary name until the restart.
    size_t last = target.rfind(L'\\');
    std::wstring temporary;
    if (last == std::wstring::npos || !FreeTemporaryName(target.substr(0, last), &temporary) ||
        !CopyFileW(ExactPathName(backup).c_str(), ExactPathName(temporary).c_str(), FALSE))
        return kBackupNotCopied;
    if (!ScheduleReplacementAtRestart(temporary, target)) {
        DeleteFileW(ExactPathName(temporary).c_str());
        return kBackupNotScheduled;
    }
    g_app.restartNeeded = true;
    return kBackupAtRestart;
}

int ScheduleDeletionAtRestart(const char* path)
{
    if (g_app.platform == kPlatformNt)
        return MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) ? 0 : 1;
    return AppendToWininit(path);
}

int WriteRestartProgram(char* out, size_t size)
{
    if (size)
        out[0] = '\0';
    HRSRC found =
        FindResourceA(g_app.instance, MAKEINTRESOURCEA(kRestartProgramId), MAKEINTRESOURCEA(kHelperProgramType));
    HGLOBAL loaded = found ? LoadResource(g_app.instance, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    DWORD byteCount = found ? SizeofResource(g_app.instance, found) : 0;
    char windows[MAX_PATH];
    UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (!bytes || byteCount == 0 || length == 0 || length >= sizeof windows)
        return 1;
    int written = std::snprintf(out, size, "%s\\_MSRSTRT.EXE", windows);
    if (written < 0 || static_cast<size_t>(written) >= size) {
        out[0] = '\0';
        return 1;
    }
    bool complete;
    {
        FileHandle file(CreateFileA(out, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.IsOpen()) {
            out[0] = '\0';
            return 1;
        }
        complete = WriteAll(file.handle, bytes, byteCount);
    }
    // A cut program must not be started.
    if (!complete) {
        DeleteFileA(out);
        out[0] = '\0';
        return 1;
    }
    return 0;
}
