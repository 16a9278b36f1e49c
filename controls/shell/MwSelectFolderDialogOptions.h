#pragma once
// The options of the select-folder dialog: a set, one bit per option in this order.

#include "classlib/core/ClassInfo.h"

using TMwSelectFolderDialogOptions = unsigned;
enum : TMwSelectFolderDialogOptions {
    sfdoCreateDeleteButtons = 1u << 0,
    sfdoContextMenus = 1u << 1,
    sfdoReadOnly = 1u << 2,
    sfdoIncludeNonFolders = 1u << 3,
    sfdoOleDrag = 1u << 4,
    sfdoOleDrop = 1u << 5,
    sfdoCreateFolderIcon = 1u << 6,
    sfdoDeleteFolderIcon = 1u << 7,
    sfdoVirtualFolders = 1u << 8,
    sfdoShowHidden = 1u << 9,
};
constexpr TMwSelectFolderDialogOptions kDefaultSelectFolderOptions =
    sfdoContextMenus | sfdoCreateFolderIcon | sfdoDeleteFolderIcon | sfdoShowHidden;

extern const cl::TEnumNames kSelectFolderDialogOptionNames;
