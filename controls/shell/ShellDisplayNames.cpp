#include "controls/shell/ShellDisplayNames.h"

#include "controls/shell/MwIdListArray.h"
#include "controls/shell/MwShellIntf.h"
#include "controls/shell/ShellErrors.h"
#include "controls/shell/ShellFolders.h"
#include "controls/shell/ShellStrRet.h"

namespace mw {

namespace {

DWORD NameFlags(TMwNameKind kind) {
    switch (kind) {
        case TMwNameKind::Normal: return SHGDN_NORMAL;
        case TMwNameKind::InFolder: return SHGDN_INFOLDER;
        case TMwNameKind::ForParsing: return SHGDN_FORPARSING;
        case TMwNameKind::ForEditing: return SHGDN_FOREDITING | SHGDN_INFOLDER;
    }
    return SHGDN_NORMAL;
}

}  // namespace

std::string GetRelativeDisplayName(IShellFolder* folder, LPCITEMIDLIST pidl, TMwNameKind kind) {
    TShellFolderPtr desktop;
    if (!folder) {
        desktop = DesktopFolder();
        if (!desktop) return {};
        folder = desktop.Get();
    }
    // The desktop's own name is asked with the empty list.
    const TPidlPtr empty = pidl ? nullptr : EmptyPidl();
    const LPCITEMIDLIST item = pidl ? pidl : empty.get();
    STRRET name{};
    if (FAILED(folder->GetDisplayNameOf(item, NameFlags(kind), &name))) return {};
    return StrRetToString(name, item);
}

std::string GetPidlDisplayName(LPCITEMIDLIST pidl) {
    TShellFolderPtr desktop = DesktopFolder();
    if (!desktop) return {};
    TMwIdListArray items(pidl);
    if (items.Count() <= 1) return GetRelativeDisplayName(desktop.Get(), pidl, TMwNameKind::InFolder);
    TShellFolderPtr parent;
    OleCheck(desktop->BindToObject(items.ParentPidl(1), nullptr, kIidShellFolder, reinterpret_cast<void**>(parent.Receive())));
    return GetRelativeDisplayName(parent.Get(), items.Item(items.Count() - 1), TMwNameKind::InFolder);
}

}  // namespace mw
