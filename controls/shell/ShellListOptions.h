#pragma once
// The option bits of the shell list (its ListOptions).

#include <cstdint>

namespace mw {

using TMwShellListOptions = uint16_t;

enum TMwShellListOption : TMwShellListOptions {
    sloAutoFill = 1u << 0,              // fill when the window is made
    sloVirtualFolders = 1u << 1,        // also items that are neither file-system items nor their ancestors
    sloDefaultKeyHandling = 1u << 3,    // Backspace, Enter, F2, F5, Ctrl+A/C/X/V, Del
    sloContextMenus = 1u << 4,          // the shell's context menus
    sloNeverNavigate = 1u << 5,         // entering a folder or going up does nothing
    sloDynamicRefresh = 1u << 7,        // watch the folder and refresh on changes
    sloHideFoldersWhenLinked = 1u << 8, // with a tree linked, file-system folders are left to it
    sloOleDrag = 1u << 9,               // drag items out
    sloOleDrop = 1u << 10,              // accept drops
    sloShowHidden = 1u << 12,           // hidden items too
};

constexpr TMwShellListOptions kDefaultShellListOptions = 7835;

}  // namespace mw
