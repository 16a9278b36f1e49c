#include "controls/shell/MwSelectFolderDialog.h"

#include "classlib/core/ClassBuilder.h"

const cl::TEnumNames kSelectFolderDialogOptionNames{
    {{"sfdoCreateDeleteButtons", 0}, {"sfdoContextMenus", 1}, {"sfdoReadOnly", 2}, {"sfdoIncludeNonFolders", 3},
     {"sfdoOleDrag", 4}, {"sfdoOleDrop", 5}, {"sfdoCreateFolderIcon", 6}, {"sfdoDeleteFolderIcon", 7},
     {"sfdoVirtualFolders", 8}, {"sfdoShowHidden", 9}}};

namespace {

// The dialog's own member as one of the published class, for the class builder.
template <class E>
E TMwSelectFolderDialog::*Published(E TMwCustomSelectFolderDialog::*member) {
    return static_cast<E TMwSelectFolderDialog::*>(member);
}

}  // namespace

const cl::TClassInfo& TMwSelectFolderDialog::StaticClass() {
    using D = TMwSelectFolderDialog;
    static const auto info = cl::TClassBuilder<D>("TMwSelectFolderDialog", TMwCustomSelectFolderDialog::StaticClass())
                                 .Creatable()
                                 .Object("BaseFolder", &D::BaseFolder)
                                 .Set("Options", &D::Options, &D::SetOptions, kSelectFolderDialogOptionNames)
                                 .Event("OnAddItem", Published(&D::OnAddItem))
                                 .Event("OnSelChange", Published(&D::OnSelChange))
                                 .Build();
    return *info;
}
