#include "uninstaller/app/LinkResolution.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "uninstaller/app/Handles.h"

namespace {

typedef DWORD(WINAPI* FinalPathProc)(HANDLE file, LPSTR path, DWORD size, DWORD flags);

// Looked up at run time: systems before Vista do not have it (and have no symbolic links).
FinalPathProc FinalPathFunction()
{
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    return kernel ? reinterpret_cast<FinalPathProc>(
                        reinterpret_cast<void*>(GetProcAddress(kernel, "GetFinalPathNameByHandleA")))
                  : nullptr;
}

// "\\?\C:\x" becomes "C:\x", "\\?\UNC\server\share" becomes "\\server\share".
void DropLongPrefix(char* path)
{
    if (std::strncmp(path, "\\\\?\\UNC\\", 8) == 0) {
        std::memmove(path + 2, path + 8, std::strlen(path + 8) + 1);
    } else if (std::strncmp(path, "\\\\?\\", 4) == 0) {
        std::memmove(path, path + 4, std::strlen(path + 4) + 1);
    }
}

bool FinalPathOf(FinalPathProc finalPath, const char* existing, char* out, DWORD size)
{
    FileHandle file(CreateFileA(existing, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.IsOpen())
        return false;
    DWORD length = finalPath(file.handle, out, size, 0);
    if (length == 0 || length >= size)
        return false;
    DropLongPrefix(out);
    return true;
}

}  // namespace

bool ResolveLinks(const char* path, char* out, std::size_t size)
{
    FinalPathProc finalPath = FinalPathFunction();
    if (!finalPath)
        return false;
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full)
        return false;
    while (length > 3 && full[length - 1] == '\\')
        full[--length] = '\0';

    // Walk up to the deepest part that exists; the rest is appended as it is.
    char existing[MAX_PATH];
    std::strcpy(existing, full);
    const char* rest = "";
    char resolved[MAX_PATH + 8];
    while (!FinalPathOf(finalPath, existing, resolved, sizeof resolved)) {
        char* last = std::strrchr(existing, '\\');
        if (!last || last <= existing + 2)
            return false;
        *last = '\0';
        rest = full + (last - existing);
    }
    std::size_t resolvedLength = std::strlen(resolved);
    while (resolvedLength > 3 && resolved[resolvedLength - 1] == '\\')
        resolved[--resolvedLength] = '\0';
    if (resolvedLength && resolved[resolvedLength - 1] == '\\' && rest[0] == '\\')
        ++rest;
    int written = std::snprintf(out, size, "%s%s", resolved, rest);
    return written > 0 && static_cast<std::size_t>(written) < size;
}
