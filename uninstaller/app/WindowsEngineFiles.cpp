#include "uninstaller/app/WindowsEngineFiles.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "uninstaller/app/Handles.h"
#include "uninstaller/app/InUseFiles.h"
#include "uninstaller/app/LinkResolution.h"
#include "uninstaller/app/ShortLongPath.h"
#include "uninstaller/app/WideText.h"

namespace {

// The path as the file functions take it exactly; empty when it is no valid UTF-8.
std::wstring Exact(const char* path)
{
    std::wstring wide;
    return WideFromUtf8(path, &wide) ? ExactPathName(wide) : std::wstring();
}

// The long form of what exists of path; the rest stays as it is.
std::wstring LongFormOf(const std::wstring& path)
{
    DWORD length = GetLongPathNameW(path.c_str(), nullptr, 0);
    if (length > 0) {
        std::vector<wchar_t> buffer(length + 1);
        length = GetLongPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length > 0 && length < buffer.size())
            return std::wstring(buffer.data(), length);
    }
    size_t last = path.rfind(L'\\');
    if (last == std::wstring::npos || last <= 2)
        return path;
    return LongFormOf(path.substr(0, last)) + path.substr(last);
}

}  // namespace

bool WindowsEngineFiles::PathFromAnsi(const char* ansi, std::string* path)
{
    std::wstring wide;
    return WideFromAnsiExact(ansi, &wide) && Utf8FromWide(wide, path);
}

bool WindowsEngineFiles::FileExists(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WindowsEngineFiles::ShortPathOf(const char* path, char* out, std::size_t size)
{
    return ToShortPath(path, out, size) == 0;
}

bool WindowsEngineFiles::LongPathOf(const char* path, char* out, std::size_t size)
{
    return ToLongPath(path, out, size) == 0;
}

bool WindowsEngineFiles::WriteIniEntry(const char* file, const char* section, const char* item, const char* value)
{
    return WritePrivateProfileStringA(section, item, value, file) != FALSE;
}

void WindowsEngineFiles::IniEntryNames(const char* file, const char* section, std::vector<std::string>* names)
{
    names->clear();
    std::vector<char> buffer(65536);
    DWORD length =
        GetPrivateProfileStringA(section, nullptr, "", buffer.data(), static_cast<DWORD>(buffer.size()), file);
    for (const char* name = buffer.data(); name < buffer.data() + length && *name; name += std::strlen(name) + 1)
        names->push_back(name);
}

EntryKind WindowsEngineFiles::KindOf(const char* path)
{
    std::wstring exact = Exact(path);
    DWORD attributes = exact.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(exact.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return kEntryMissing;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return kEntryLink;
    return attributes & FILE_ATTRIBUTE_DIRECTORY ? kEntryFolder : kEntryFile;
}

FileRemoval WindowsEngineFiles::RemoveFile(const char* path, const char* leadsTo)
{
    std::wstring exact = Exact(path), expected = Exact(leadsTo);
    if (exact.empty() || expected.empty())
        return kFileKept;
    return DeleteFileOrSchedule(exact, expected);
}

bool WindowsEngineFiles::RemoveFolder(const char* folder, const char* leadsTo)
{
    std::wstring exact = Exact(folder), expected = Exact(leadsTo);
    return !exact.empty() && !expected.empty() && RemoveFolderExpected(exact, expected);
}

BackupCopy WindowsEngineFiles::CopyBackup(const char* backup, const char* target)
{
    std::wstring from = Exact(backup), to = Exact(target);
    if (from.empty() || to.empty())
        return kBackupNotCopied;
    return CopyBackupOver(from, to);
}

void WindowsEngineFiles::ForEachEntry(const char* pattern, EntryVisitor visit, void* context)
{
    std::wstring exact = Exact(pattern);
    WIN32_FIND_DATAW found;
    FindHandle find(exact.empty() ? INVALID_HANDLE_VALUE : FindFirstFileW(exact.c_str(), &found));
    if (find.handle == INVALID_HANDLE_VALUE)
        return;
    do {
        if (std::wcscmp(found.cFileName, L".") == 0 || std::wcscmp(found.cFileName, L"..") == 0)
            continue;
        // A name UTF-8 cannot carry is handed on empty: its entry is kept.
        std::string name;
        if (!Utf8FromWide(found.cFileName, &name))
            name.clear();
        FoundEntry entry{name.c_str(), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                         (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0};
        if (!visit(context, entry))
            return;
    } while (FindNextFileW(find.handle, &found));
}

bool WindowsEngineFiles::TruncateFile(const char* path, std::uint64_t length)
{
    std::wstring exact = Exact(path);
    FileHandle file(exact.empty() ? INVALID_HANDLE_VALUE
                                  : CreateFileW(exact.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return false;
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(length);
    return SetFilePointerEx(file.handle, position, nullptr, FILE_BEGIN) && SetEndOfFile(file.handle);
}

bool WindowsEngineFiles::ReadWholeFile(const char* path, std::string* contents)
{
    std::wstring exact = Exact(path);
    FileHandle file(exact.empty() ? INVALID_HANDLE_VALUE
                                  : CreateFileW(exact.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file.IsOpen() || !GetFileSizeEx(file.handle, &size) || size.QuadPart > 0x7FFFFFFF)
        return false;
    contents->resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    return contents->empty() ||
           (::ReadFile(file.handle, &(*contents)[0], static_cast<DWORD>(contents->size()), &read, nullptr) &&
            read == contents->size());
}

bool WindowsEngineFiles::ReadFileStart(const char* path, std::size_t count, std::string* start)
{
    std::wstring exact = Exact(path);
    FileHandle file(exact.empty() ? INVALID_HANDLE_VALUE
                                  : CreateFileW(exact.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
    start->resize(count);
    DWORD read = 0;
    if (!file.IsOpen() || (count && !::ReadFile(file.handle, &(*start)[0], static_cast<DWORD>(count), &read, nullptr)))
        return false;
    start->resize(read);
    return true;
}

bool WindowsEngineFiles::ReplaceWholeFile(const char* path, const std::string& contents)
{
    std::wstring target;
    if (!WideFromUtf8(path, &target))
        return false;
    target = WithoutExactPrefix(target);
    size_t last = target.rfind(L'\\');
    wchar_t temporary[MAX_PATH];
    if (last == std::wstring::npos || !GetTempFileNameW(target.substr(0, last + 1).c_str(), L"VZB", 0, temporary))
        return false;
    bool written;
    {
        FileHandle file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD wrote = 0;
        written = file.IsOpen() &&
                  ::WriteFile(file.handle, contents.data(), static_cast<DWORD>(contents.size()), &wrote, nullptr) &&
                  wrote == contents.size();
    }
    if (written && MoveFileExW(temporary, ExactPathName(target).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary);
    return false;
}

bool WindowsEngineFiles::CanonicalPathOf(const char* path, std::string* out)
{
    std::wstring wide;
    if (!WideFromUtf8(path, &wide))
        return false;
    std::wstring full = FullPathName(WithoutExactPrefix(wide));
    if (full.empty())
        return false;
    // The long form is only known for what exists; a short name elsewhere stays as it is.
    if (full.find(L'~') != std::wstring::npos)
        full = LongFormOf(full);
    while (full.size() > 3 && full.back() == L'\\')
        full.pop_back();
    return Utf8FromWide(full, out);
}

bool WindowsEngineFiles::ResolvedPathOf(const char* path, std::string* out)
{
    std::wstring wide, resolved;
    return WideFromUtf8(path, &wide) && ResolveLinks(WithoutExactPrefix(wide), &resolved) && Utf8FromWide(resolved, out);
}

bool WindowsEngineFiles::IsSystemComponent(const char* path)
{
    std::wstring wide;
    return WideFromUtf8(path, &wide) && components_.Includes(wide);
}
