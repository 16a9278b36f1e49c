#include "uninstaller/app/SystemComponents.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "uninstaller/app/Handles.h"

namespace {

typedef BOOL(WINAPI* SfcIsFileProtectedProc)(HANDLE server, LPCWSTR path);

const char kSystemMaker[] = "Microsoft";

bool IsProtectedBySystem(const char* path)
{
    LibraryHandle sfc(LoadLibraryA("sfc.dll"));
    auto isProtected = sfc.module ? reinterpret_cast<SfcIsFileProtectedProc>(reinterpret_cast<void*>(
                                        GetProcAddress(sfc.module, "SfcIsFileProtected")))
                                  : nullptr;
    wchar_t wide[MAX_PATH];
    return isProtected && MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH) > 0 &&
           isProtected(nullptr, wide) != FALSE;
}

// The full path in long form, as far as it exists.
bool LongFullPath(const char* path, char* out, DWORD size)
{
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full)
        return false;
    length = GetLongPathNameA(full, out, size);
    if (length == 0 || length >= size)
        lstrcpynA(out, full, static_cast<int>(size));
    return true;
}

bool LiesInWindowsFolder(const char* path)
{
    char windows[MAX_PATH], longWindows[MAX_PATH], longPath[MAX_PATH];
    UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (length == 0 || length >= sizeof windows || !LongFullPath(windows, longWindows, sizeof longWindows) ||
        !LongFullPath(path, longPath, sizeof longPath))
        return false;
    std::size_t folderLength = std::strlen(longWindows);
    while (folderLength > 0 && longWindows[folderLength - 1] == '\\')
        longWindows[--folderLength] = '\0';
    return std::strlen(longPath) > folderLength + 1 && longPath[folderLength] == '\\' &&
           CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, longPath, static_cast<int>(folderLength), longWindows,
                          static_cast<int>(folderLength)) == CSTR_EQUAL;
}

// The company its version resource names.
bool MadeBySystemMaker(const char* path)
{
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0)
        return false;
    std::vector<char> info(size);
    if (!GetFileVersionInfoA(path, 0, size, info.data()))
        return false;
    struct Translation {
        WORD language, codePage;
    } * translations = nullptr;
    UINT translationsSize = 0;
    std::vector<Translation> tried;
    if (VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                       &translationsSize))
        tried.assign(translations, translations + translationsSize / sizeof(Translation));
    tried.push_back(Translation{0x0409, 0x04B0});
    tried.push_back(Translation{0x0409, 0x04E4});
    for (const Translation& translation : tried) {
        char query[64];
        wsprintfA(query, "\\StringFileInfo\\%04x%04x\\CompanyName", translation.language, translation.codePage);
        char* company = nullptr;
        UINT companyLength = 0;
        if (VerQueryValueA(info.data(), query, reinterpret_cast<void**>(&company), &companyLength) && company)
            return std::strncmp(company, kSystemMaker, sizeof kSystemMaker - 1) == 0;
    }
    return false;
}

}  // namespace

bool IsSystemComponent(const char* path)
{
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        return false;
    return IsProtectedBySystem(path) || (LiesInWindowsFolder(path) && MadeBySystemMaker(path));
}
