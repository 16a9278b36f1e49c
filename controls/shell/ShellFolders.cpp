#include "controls/shell/ShellFolders.h"

#include "controls/shell/MwShellIntf.h"
#include "dragdrop/AnsiText.h"

namespace mw {

TShellFolderPtr DesktopFolder() {
    TShellFolderPtr desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Receive()))) desktop.Reset();
    return desktop;
}

HRESULT BindToFolder(LPCITEMIDLIST pidl, TShellFolderPtr& folder) {
    folder.Reset();
    TShellFolderPtr desktop;
    const HRESULT result = SHGetDesktopFolder(desktop.Receive());
    if (FAILED(result)) return result;
    if (GetPidlSize(pidl) <= 2) {
        folder = std::move(desktop);
        return result;
    }
    return desktop->BindToObject(pidl, nullptr, kIidShellFolder, reinterpret_cast<void**>(folder.Receive()));
}

HRESULT PathToPidl(const std::string& path, TPidlPtr& pidl) {
    pidl.reset();
    TShellFolderPtr desktop;
    HRESULT result = SHGetDesktopFolder(desktop.Receive());
    if (FAILED(result)) return result;
    // The whole path, however long: a shortened one would name another item.
    std::u16string wide = dragdrop::AnsiToWide(path);
    wide.push_back(u'\0');
    ITEMIDLIST* parsed = nullptr;
    result = desktop->ParseDisplayName(nullptr, nullptr, reinterpret_cast<LPWSTR>(&wide[0]), nullptr, &parsed, nullptr);
    TPidlPtr owned = AdoptPidl(parsed);
    if (SUCCEEDED(result)) pidl = std::move(owned);
    return result;
}

std::string PidlToPath(LPCITEMIDLIST pidl) {
    const TPidlPtr desktop = pidl ? nullptr : EmptyPidl();
    char path[MAX_PATH + 1] = {};
    if (!SHGetPathFromIDListA(pidl ? pidl : desktop.get(), path)) return {};
    return path;
}

HRESULT SpecialFolderLocation(HWND window, int folderId, TPidlPtr& pidl) {
    pidl.reset();
    ITEMIDLIST* located = nullptr;
    const HRESULT result = SHGetSpecialFolderLocation(window, folderId & 0x7F, &located);
    TPidlPtr owned = AdoptPidl(located);
    if (SUCCEEDED(result)) pidl = std::move(owned);
    return result;
}

std::string SpecialFolderPath(HWND window, int folderId) {
    TPidlPtr pidl;
    if (FAILED(SpecialFolderLocation(window, folderId, pidl)) || !pidl) return {};
    return PidlToPath(pidl.get());
}

int FindSpecialFolder(LPCITEMIDLIST pidl) {
    for (int folderId = 0; folderId < kNotASpecialFolder; ++folderId) {
        TPidlPtr located;
        if (SUCCEEDED(SpecialFolderLocation(nullptr, folderId, located)) && located && ComparePidls(located.get(), pidl) == 0)
            return folderId;
    }
    return kNotASpecialFolder;
}

}  // namespace mw
