#include "controls/shell/SystemImageLists.h"

#include <shellapi.h>

#include "classlib/win/Handles.h"
#include "controls/shell/MwShellUtils.h"
#include "controls/shell/ShellPidl.h"

namespace mw {

namespace {

bool overlaysLoaded = false;

HIMAGELIST SystemList(UINT sizeFlag) {
    SHFILEINFOA info{};
    return reinterpret_cast<HIMAGELIST>(SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | sizeFlag));
}

// Icons 29 and 30 of shell32 become overlay images 1 and 2 of the list.
void AddOverlays(HMODULE shell32, HIMAGELIST list, int iconSize) {
    if (!list) return;
    const int icons[] = {29, 30};
    for (int overlay = 1; overlay <= 2; ++overlay) {
        // Loaded unshared, so that destroying it after the list took its copy is right.
        cl::TIconHandle icon(static_cast<HICON>(
            LoadImageA(shell32, MAKEINTRESOURCEA(icons[overlay - 1]), IMAGE_ICON, iconSize, iconSize, 0)));
        if (!icon) continue;
        const int index = ImageList_AddIcon(list, icon.Get());
        if (index >= 0) ImageList_SetOverlayImage(list, index, overlay);
    }
}

void LoadOverlays() {
    cl::TModuleHandle shell32(LoadLibraryA("shell32.dll"));
    if (!shell32) return;
    AddOverlays(shell32.Get(), SystemList(SHGFI_SMALLICON), 16);
    AddOverlays(shell32.Get(), SystemList(SHGFI_LARGEICON), 32);
    overlaysLoaded = true;
}

}  // namespace

int GetShellIconIndex(LPCITEMIDLIST pidl, UINT extraFlags) {
    try {
        const TPidlPtr desktop = pidl ? nullptr : EmptyPidl();
        SHFILEINFOA info{};
        if (!SHGetFileInfoA(reinterpret_cast<LPCSTR>(pidl ? pidl : desktop.get()), 0, &info, sizeof info,
                            extraFlags | SHGFI_SYSICONINDEX | SHGFI_PIDL))
            return 0;
        return info.iIcon;
    } catch (...) {
        return 0;
    }
}

HIMAGELIST GetSystemImageList(TMwImageListSize size) {
    if (IsWinNT() && ComCtlVersion().AtLeast(4, 71) && !overlaysLoaded) LoadOverlays();
    return SystemList(size == TMwImageListSize::Small ? SHGFI_SMALLICON : SHGFI_LARGEICON);
}

bool SystemImageListOverlaysLoaded() { return overlaysLoaded; }

}  // namespace mw
