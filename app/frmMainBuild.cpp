// The main window's build list: disk files added to the archive's folders for the next build.

#include "app/archive/RFAFile.h"
#include "app/frmMainQuillon.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/ListView.h"
#include "controls/navigation/MwTreeView.h"

namespace {

void DeleteListItem(cl::TListView& list, const std::string& caption) {
    for (int i = 0; i < list.ItemCount(); ++i) {
        if (list.Item(i)->Caption() == caption) {
            list.DeleteItem(i);
            return;
        }
    }
}

}  // namespace

void TfrmMainQuillon::AddFileToBuild(const std::string& diskPath) {
    AddFileToBuildFolder(cl::StringReplace(tvFolders->GetPathFromNode(tvFolders->Selected()), "\\", "/"), diskPath);
}

void TfrmMainQuillon::AddFileToBuildFolder(const std::string& folder, const std::string& diskPath) {
    const std::string name = cl::ExtractFileName(diskPath);
    // The file list changes with the lists only while it shows that folder.
    const bool listed = cl::SameText(folder, CurrentFolder);
    auto replace = [&](const std::string& entryName) {
        return cl::MessageDlg("Do you want to replace \"" + entryName + "\"?", cl::TMsgDlgType::Confirmation, cl::mbYesNo) ==
               cl::mrYes;
    };

    const int added = Entries->IndexOf(folder + "*" + name);
    if (added >= 0) {
        if (!replace(folder + "*" + name)) return;
        Folders.RemoveEntry((*Entries)[added]);
        Entries->Delete(added);
        if (listed) DeleteListItem(*lvFiles, "*" + name);
    }
    const int archived = Entries->IndexOf(folder + name);
    if (archived >= 0) {
        if (!replace(folder + name)) return;
        auto* entry = static_cast<quillon::TRFAFile*>(Entries->Objects(archived));
        Folders.RemoveEntry((*Entries)[archived]);
        Entries->Delete(archived);
        if (CurrentEntry == entry) CurrentEntry = nullptr;
        delete entry;
        if (listed) DeleteListItem(*lvFiles, name);
    }

    const int sourceDir = SourceDirs->Add(cl::ExtractFilePath(diskPath));
    Entries->AddInteger(folder + "*" + name, sourceDir);
    Folders.AddEntry(folder + "*" + name, nullptr);
    if (listed) lvFiles->AddItem()->SetCaption("*" + name);
    BuildDirty = true;
}
