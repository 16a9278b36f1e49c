#include "uninstaller/app/ShortLongPath.h"

#include <windows.h>

#include <cstring>

#include "uninstaller/app/Handles.h"
#include "uninstaller/app/PathComponents.h"

namespace {

bool LookUp(const char* path, char* name, size_t size, bool wantShort)
{
    WIN32_FIND_DATAA found;
    FindHandle find(FindFirstFileA(path, &found));
    if (find.handle == INVALID_HANDLE_VALUE)
        return false;
    const char* chosen = wantShort && found.cAlternateFileName[0] ? found.cAlternateFileName : found.cFileName;
    if (std::strlen(chosen) >= size)
        return false;
    std::strcpy(name, chosen);
    return true;
}

bool LookUpShort(void*, const char* path, char* name, size_t size)
{
    return LookUp(path, name, size, true);
}

bool LookUpLong(void*, const char* path, char* name, size_t size)
{
    return LookUp(path, name, size, false);
}

int Convert(const char* path, PathComponentLookup lookup, char* out, size_t size)
{
    char current[MAX_PATH];
    DWORD length = GetCurrentDirectoryA(sizeof current, current);
    if (length == 0 || length >= sizeof current)
        current[0] = '\0';
    if (ConvertPathForm(path, current, lookup, nullptr, out, size) == 0)
        return 0;
    if (size && std::strlen(path) < size)
        std::memmove(out, path, std::strlen(path) + 1);
    else if (size)
        out[0] = '\0';
    return 1;
}

}  // namespace

int ToShortPath(const char* path, char* out, size_t size)
{
    return Convert(path, LookUpShort, out, size);
}

int ToLongPath(const char* path, char* out, size_t size)
{
    if (!std::strchr(path, '~')) {
        if (std::strlen(path) >= size) {
            if (size)
                out[0] = '\0';
            return 1;
        }
        std::memmove(out, path, std::strlen(path) + 1);
        return 0;
    }
    return Convert(path, LookUpLong, out, size);
}
