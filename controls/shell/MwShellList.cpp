#include "controls/shell/MwShellList.h"

#include "classlib/core/ClassBuilder.h"

namespace {

const cl::TEnumNames kListOptionNames{{{"sloAutoFill", 0}, {"sloVirtualFolders", 1}, {"sloDefaultKeyHandling", 3},
                                       {"sloContextMenus", 4}, {"sloNeverNavigate", 5}, {"sloDynamicRefresh", 7},
                                       {"sloHideFoldersWhenLinked", 8}, {"sloOleDrag", 9}, {"sloOleDrop", 10},
                                       {"sloShowHidden", 12}}};

}  // namespace

const cl::TClassInfo& TMwShellList::StaticClass() {
    using L = TMwShellList;
    static const auto info =
        cl::TClassBuilder<L>("TMwShellList", TMwCustomShellList::StaticClass())
            .Creatable()
            .Object("Folder", static_cast<TMwShellLocator* (L::*)()>(&L::Folder))
            .Set("ListOptions", &L::ListOptions, &L::SetListOptions, kListOptionNames)
            .Str("FileFilter", &L::FileFilter, &L::SetFileFilter)
            .Int("SortColumn", &L::SortColumn, &L::SetSortColumn)
            .Event("OnAddItem", static_cast<TMwShListAddItemEvent L::*>(&L::OnAddItem))
            .Event("OnFillStart", static_cast<cl::TNotifyEvent L::*>(&L::OnFillStart))
            .Event("OnFillComplete", static_cast<cl::TNotifyEvent L::*>(&L::OnFillComplete))
            .Event("OnDblClickOpen", static_cast<TMwShListDblClickEvent L::*>(&L::OnDblClickOpen))
            .Event("OnGetImageIndex", static_cast<TMwShListImageIndexEvent L::*>(&L::OnGetImageIndex))
            .Event("OnPopupHint", static_cast<TMwShListPopupHintEvent L::*>(&L::OnPopupHint))
            .Build();
    return *info;
}
