#include "controls/shell/ShellContextMenu.h"

#include "controls/shell/ShellErrors.h"
#include "controls/shell/ShellMenuCommands.h"

namespace mw {

namespace {

constexpr GUID kIidContextMenu = {0x000214E4, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

std::string CommandString(IContextMenu* contextMenu, UINT offset, UINT type) {
    char text[MAX_PATH] = {};
    if (FAILED(contextMenu->GetCommandString(offset, type, nullptr, text, MAX_PATH))) return {};
    text[MAX_PATH - 1] = '\0';
    return text;
}

}  // namespace

HRESULT GetContextMenu(HWND window, IShellFolder* folder, UINT count, LPCITEMIDLIST* pidls,
                       TContextMenuPtr& contextMenu, cl::TMenuHandle& menu, UINT flags, UINT firstId) {
    TContextMenuPtr found;
    const HRESULT result = folder->GetUIObjectOf(window, count, pidls, kIidContextMenu, nullptr,
                                                 reinterpret_cast<void**>(found.Receive()));
    if (FAILED(result) || !found) return FAILED(result) ? result : E_NOINTERFACE;
    cl::TMenuHandle popup(CreatePopupMenu());
    if (!popup) OleCheck(HRESULT_FROM_WIN32(GetLastError()));
    OleCheck(found->QueryContextMenu(popup.Get(), 0, firstId, kLastShellCommand, flags));
    contextMenu = std::move(found);
    menu = std::move(popup);
    return result;
}

int FindVerbOffset(IContextMenu* contextMenu, const std::string& verb) {
    cl::TMenuHandle scratch(CreatePopupMenu());
    if (!scratch || FAILED(contextMenu->QueryContextMenu(scratch.Get(), 0, kFirstShellCommand, kLastShellCommand, CMF_EXPLORE)))
        return -1;
    const int count = GetMenuItemCount(scratch.Get());
    for (int position = 0; position < count; ++position) {
        const UINT id = GetMenuItemID(scratch.Get(), position);  // sub-menus give 0xFFFFFFFF
        if (id < kFirstShellCommand || id > kLastShellCommand) continue;
        const UINT offset = id - kFirstShellCommand;
        const std::string name = CommandString(contextMenu, offset, GCS_VERBA);
        if (!name.empty() && lstrcmpiA(name.c_str(), verb.c_str()) == 0) return static_cast<int>(offset);
    }
    return -1;
}

HRESULT InvokeVerb(HWND window, IContextMenu* contextMenu, UINT offset) {
    CMINVOKECOMMANDINFO info = {};
    info.cbSize = sizeof info;
    info.hwnd = window;
    info.lpVerb = MAKEINTRESOURCEA(offset);
    info.nShow = SW_SHOWNORMAL;
    return contextMenu->InvokeCommand(&info);
}

HRESULT InvokeVerb(HWND window, IContextMenu* contextMenu, const std::string& verb) {
    const int offset = FindVerbOffset(contextMenu, verb);
    if (offset < 0) return kVerbNotOffered;
    return InvokeVerb(window, contextMenu, static_cast<UINT>(offset));
}

std::string CommandHelpText(IContextMenu* contextMenu, UINT offset) {
    return CommandString(contextMenu, offset, GCS_HELPTEXTA);
}

}  // namespace mw
