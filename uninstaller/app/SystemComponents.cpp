#include "uninstaller/app/SystemComponents.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "uninstaller/app/WideText.h"

namespace {

const wchar_t kSystemMaker[] = L"Microsoft";

// The full path in long form, as far as it exists. A path without "~" has no other long form:
// asking for it would search every folder on the way, for every file judged.
std::wstring LongFullPath(const std::wstring& path)
{
    std::wstring full = FullPathName(path);
    if (full.find(L'~') == std::wstring::npos)
        return full;
    std::vector<wchar_t> longForm(full.size() + 1 + MAX_PATH);
    DWORD longLength = GetLongPathNameW(full.c_str(), longForm.data(), static_cast<DWORD>(longForm.size()));
    return longLength > 0 && longLength < longForm.size() ? std::wstring(longForm.data(), longLength) : full;
}

std::wstring WindowsFolder()
{
    wchar_t windows[MAX_PATH];
    UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::wstring();
    std::wstring folder = LongFullPath(windows);
    while (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    return folder;
}

bool LiesIn(const std::wstring& folder, const std::wstring& path)
{
    std::wstring file = LongFullPath(path);
    return !folder.empty() && file.size() > folder.size() + 1 && file[folder.size()] == L'\\' &&
           CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, file.c_str(), static_cast<int>(folder.size()),
                          folder.c_str(), static_cast<int>(folder.size())) == CSTR_EQUAL;
}

// The company its version resource names.
bool MadeBySystemMaker(const std::wstring& path)
{
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return false;
    std::vector<char> info(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, info.data()))
        return false;
    struct Translation {
        WORD language, codePage;
    } * translations = nullptr;
    UINT translationsSize = 0;
    std::vector<Translation> tried;
    if (VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                       &translationsSize))
        tried.assign(translations, translations + translationsSize / sizeof(Translation));
    tried.push_back(Translation{0x0409, 0x04B0});
    tried.push_back(Translation{0x0409, 0x04E4});
    for (const Translation& translation : tried) {
        wchar_t query[64];
        std::swprintf(query, 64, L"\\StringFileInfo\\%04x%04x\\CompanyName", translation.language,
                      translation.codePage);
        wchar_t* company = nullptr;
        UINT companyLength = 0;
        if (VerQueryValueW(info.data(), query, reinterpret_cast<void**>(&company), &companyLength) && company)
            return std::wcsncmp(company, kSystemMaker, sizeof kSystemMaker / sizeof kSystemMaker[0] - 1) == 0;
    }
    return false;
}

}  // namespace

void SystemComponents::Load()
{
    if (loaded_)
        return;
    loaded_ = true;
    windowsFolder_ = WindowsFolder();
    sfc_.module = LoadLibraryA("sfc.dll");
    if (sfc_.module)
        isProtected_ = reinterpret_cast<IsFileProtectedProc>(
            reinterpret_cast<void*>(GetProcAddress(sfc_.module, "SfcIsFileProtected")));
}

bool SystemComponents::IsProtectedBySystem(const std::wstring& path)
{
    return isProtected_ && isProtected_(nullptr, path.c_str()) != FALSE;
}

bool SystemComponents::Includes(const std::wstring& path)
{
    // The name is judged before the disk is asked whether the file is there.
    Load();
    bool candidate = IsProtectedBySystem(path) || (LiesIn(windowsFolder_, path) && MadeBySystemMaker(path));
    return candidate && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
