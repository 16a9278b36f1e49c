#include "uninstaller/app/WindowsEngineFiles.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/Handles.h"
#include "uninstaller/app/InUseFiles.h"
#include "uninstaller/app/LinkResolution.h"
#include "uninstaller/app/ShortLongPath.h"
#include "uninstaller/app/SystemComponents.h"

bool WindowsEngineFiles::FileExists(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FileRemoval WindowsEngineFiles::RemoveFile(const char* path)
{
    return DeleteFileOrSchedule(path);
}

bool WindowsEngineFiles::PutBackupBack(const char* backup, const char* target)
{
    return ::PutBackupBack(backup, target);
}

void WindowsEngineFiles::ForEachEntry(const char* pattern, EntryVisitor visit, void* context)
{
    WIN32_FIND_DATAA found;
    FindHandle find(FindFirstFileA(pattern, &found));
    if (find.handle == INVALID_HANDLE_VALUE)
        return;
    do {
        if (std::strcmp(found.cFileName, ".") == 0 || std::strcmp(found.cFileName, "..") == 0)
            continue;
        FoundEntry entry{found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                         (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0};
        if (!visit(context, entry))
            return;
    } while (FindNextFileA(find.handle, &found));
}

bool WindowsEngineFiles::RemoveFolder(const char* folder)
{
    SetFileAttributesA(folder, FILE_ATTRIBUTE_NORMAL);
    if (!RemoveDirectoryA(folder))
        return false;
    if (g_app.shellFlag && g_app.shChangeNotify)
        g_app.shChangeNotify(SHCNE_RMDIR, SHCNF_PATHA, folder, nullptr);
    return true;
}

bool WindowsEngineFiles::TruncateFile(const char* path, std::uint64_t length)
{
    FileHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return false;
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(length);
    return SetFilePointerEx(file.handle, position, nullptr, FILE_BEGIN) && SetEndOfFile(file.handle);
}

bool WindowsEngineFiles::ReadWholeFile(const char* path, std::string* contents)
{
    FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    LARGE_INTEGER size;
    if (!file.IsOpen() || !GetFileSizeEx(file.handle, &size) || size.QuadPart > 0x7FFFFFFF)
        return false;
    contents->resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    return contents->empty() ||
           (ReadFile(file.handle, &(*contents)[0], static_cast<DWORD>(contents->size()), &read, nullptr) &&
            read == contents->size());
}

bool WindowsEngineFiles::ReplaceWholeFile(const char* path, const std::string& contents)
{
    char folder[MAX_PATH], temporary[MAX_PATH];
    if (std::strlen(path) >= sizeof folder)
        return false;
    std::strcpy(folder, path);
    char* lastSlash = std::strrchr(folder, '\\');
    if (lastSlash)
        lastSlash[1] = '\0';
    else
        std::strcpy(folder, ".");
    if (!GetTempFileNameA(folder, "VZB", 0, temporary))
        return false;
    bool written;
    {
        FileHandle file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD wrote = 0;
        written = file.IsOpen() &&
                  WriteFile(file.handle, contents.data(), static_cast<DWORD>(contents.size()), &wrote, nullptr) &&
                  wrote == contents.size();
    }
    if (written && MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temporary);
    return false;
}

bool WindowsEngineFiles::ShortPathOf(const char* path, char* out, std::size_t size)
{
    return ToShortPath(path, out, size) == 0;
}

bool WindowsEngineFiles::LongPathOf(const char* path, char* out, std::size_t size)
{
    return ToLongPath(path, out, size) == 0;
}

bool WindowsEngineFiles::CanonicalPathOf(const char* path, char* out, std::size_t size)
{
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full)
        return false;
    // The long form is only known for what exists; a short name elsewhere stays as it is.
    if (ToLongPath(full, out, size) != 0)
        return false;
    size_t outLength = std::strlen(out);
    while (outLength > 3 && out[outLength - 1] == '\\')
        out[--outLength] = '\0';
    return true;
}

bool WindowsEngineFiles::ResolvedPathOf(const char* path, char* out, std::size_t size)
{
    return ResolveLinks(path, out, size);
}

bool WindowsEngineFiles::IsLink(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool WindowsEngineFiles::IsSystemComponent(const char* path)
{
    return ::IsSystemComponent(path);
}

bool WindowsEngineFiles::WriteIniEntry(const char* file, const char* section, const char* item, const char* value)
{
    return WritePrivateProfileStringA(section, item, value, file) != FALSE;
}
