#include "uninstaller/app/LinkResolution.h"

#include <vector>

#include "uninstaller/app/Handles.h"
#include "uninstaller/app/WideText.h"

namespace {

typedef DWORD(WINAPI* FinalPathProc)(HANDLE file, LPWSTR path, DWORD size, DWORD flags);

// Looked up at run time: systems before Vista do not have it (and have no symbolic links).
FinalPathProc FinalPathFunction()
{
    static FinalPathProc function = [] {
        HMODULE kernel = GetModuleHandleA("kernel32.dll");
        return kernel ? reinterpret_cast<FinalPathProc>(
                            reinterpret_cast<void*>(GetProcAddress(kernel, "GetFinalPathNameByHandleW")))
                      : nullptr;
    }();
    return function;
}

void DropTrailingBackslashes(std::wstring* path)
{
    while (path->size() > 3 && path->back() == L'\\')
        path->pop_back();
}

bool FinalPathOf(const std::wstring& existing, std::wstring* out)
{
    FileHandle file(CreateFileW(ExactPathName(existing).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return file.IsOpen() && FinalPathOfHandle(file.handle, out);
}

}  // namespace

bool FinalPathOfHandle(HANDLE handle, std::wstring* path)
{
    FinalPathProc finalPath = FinalPathFunction();
    if (!finalPath)
        return false;
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD length = finalPath(handle, buffer.data(), static_cast<DWORD>(buffer.size()), 0);
        if (length == 0)
            return false;
        if (length < buffer.size()) {
            *path = WithoutExactPrefix(std::wstring(buffer.data(), length));
            return true;
        }
        buffer.resize(length + 1);
    }
}

bool ResolveLinks(const std::wstring& path, std::wstring* out)
{
    std::wstring full = FullPathName(path);
    if (full.empty())
        return false;
    DropTrailingBackslashes(&full);

    // Walk up to the deepest part that exists; the rest is appended as it is.
    std::wstring existing = full, resolved;
    while (!FinalPathOf(existing, &resolved)) {
        size_t last = existing.rfind(L'\\');
        if (last == std::wstring::npos || last <= 2)
            return false;
        existing.resize(last);
    }
    DropTrailingBackslashes(&resolved);
    std::wstring rest = full.substr(existing.size());
    if (!resolved.empty() && resolved.back() == L'\\' && !rest.empty() && rest[0] == L'\\')
        rest.erase(0, 1);
    *out = resolved + rest;
    return true;
}
