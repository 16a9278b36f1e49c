#include "uninstaller/app/ShellShortcut.h"

#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <shlguid.h>
#include <shobjidl.h>

#include <cstring>

namespace {

// COM for this thread while in scope. A thread that already had COM (S_FALSE) or has it in
// another apartment model (RPC_E_CHANGED_MODE) can still use it; only a successful call is
// balanced.
struct ComScope {
    HRESULT result;
    ComScope() : result(CoInitialize(nullptr)) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope()
    {
        if (SUCCEEDED(result))
            CoUninitialize();
    }
    bool Usable() const { return SUCCEEDED(result) || result == RPC_E_CHANGED_MODE; }
};

// An interface pointer released when it goes out of scope.
template <typename Interface>
struct ComInterface {
    Interface* pointer = nullptr;
    ComInterface() = default;
    ComInterface(const ComInterface&) = delete;
    ComInterface& operator=(const ComInterface&) = delete;
    ~ComInterface()
    {
        if (pointer)
            pointer->Release();
    }
    void** Out() { return reinterpret_cast<void**>(&pointer); }
};

// Every folder along path: each prefix that ends at a "\" (walked by characters, so that a
// trail byte of a double-byte character is never taken for one).
void CreateFoldersAlong(const char* path)
{
    char prefix[MAX_PATH];
    std::size_t length = std::strlen(path);
    if (length >= sizeof prefix)
        return;
    std::memcpy(prefix, path, length + 1);
    for (char* p = prefix; *p; p = CharNextA(p)) {
        if (*p != '\\' || p == prefix || p[-1] == ':' || p[-1] == '\\')
            continue;
        *p = '\0';
        CreateDirectoryA(prefix, nullptr);
        *p = '\\';
    }
}

bool Describe(IShellLinkA& link, const ShortcutInfo& info)
{
    if (FAILED(link.SetPath(info.target)) || FAILED(link.SetWorkingDirectory(info.workingDirectory)) ||
        FAILED(link.SetIconLocation(info.iconFile, info.iconIndex)) || FAILED(link.SetShowCmd(info.showCommand)))
        return false;
    if (info.hasHotKey && FAILED(link.SetHotkey(static_cast<WORD>(info.hotKey))))
        return false;
    return SUCCEEDED(link.SetArguments(info.arguments));
}

}  // namespace

bool SaveShellShortcut(const char* path, const ShortcutInfo& link)
{
    WCHAR widePath[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, MAX_PATH))
        return false;
    ComScope com;
    if (!com.Usable())
        return false;
    ComInterface<IShellLinkA> shellLink;
    ComInterface<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, shellLink.Out())) ||
        FAILED(shellLink.pointer->QueryInterface(IID_IPersistFile, file.Out())))
        return false;
    if (!Describe(*shellLink.pointer, link))
        return false;
    CreateFoldersAlong(path);
    return SUCCEEDED(file.pointer->Save(widePath, FALSE));
}
