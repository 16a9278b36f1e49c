#include "controls/shell/MwSelectFolderForm.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Button.h"
#include "classlib/win/Handles.h"
#include "classlib/win/ImageList.h"
#include "classlib/win/Panel.h"
#include "controls/basic/MwStatusBar.h"
#include "controls/basic/MwToolButton.h"
#include "controls/shell/MwShellTree.h"
#include "controls/shell/ShortenedPath.h"

namespace {

const char kBrowseForFolder[] = "Browse for Folder";
const char kFontName[] = "MS Sans Serif";
const char kOk[] = "OK";
const char kCancel[] = "Cancel";
const char kCreateFolder[] = "Create Folder";
const char kDelete[] = "Delete";
const char kNotOnDisk[] = "Not a folder on disk";

const int kCreateImage = 0;
const int kDeleteImage = 2;
const int kMinTrackWidth = 366;
const int kMinTrackHeight = 340;

}  // namespace

const cl::TClassInfo& TMwSelectFolderForm::StaticClass() {
    using F = TMwSelectFolderForm;
    static const auto info = cl::TClassBuilder<F>("TMwSelectFolderForm", cl::TForm::StaticClass())
                                 .Field("BtnNewFolder", &F::BtnNewFolder)
                                 .Field("BtnDeleteFolder", &F::BtnDeleteFolder)
                                 .Field("ShellTree", &F::ShellTree)
                                 .Field("ButtonPanel", &F::ButtonPanel)
                                 .Field("OkBtn", &F::OkBtn)
                                 .Field("CancelBtn", &F::CancelBtn)
                                 .Field("MwStatusBar1", &F::MwStatusBar1)
                                 .Field("ImageList1", &F::ImageList1)
                                 .Handler("FormCreate", &F::FormCreate)
                                 .Handler("FormResize", &F::FormResize)
                                 .Handler("ShellTreeChange", &F::ShellTreeChange)
                                 .Handler("CreateBtnClick", &F::CreateBtnClick)
                                 .Handler("DeleteBtnClick", &F::DeleteBtnClick)
                                 .Build();
    return *info;
}

void TMwSelectFolderForm::ApplyDialogOptions(TMwSelectFolderDialogOptions options) {
    static const struct {
        TMwSelectFolderDialogOptions dialog;
        TMwShellTreeOption tree;
    } kTreeOptions[] = {{sfdoOleDrag, stoOleDrag},
                        {sfdoOleDrop, stoOleDrop},
                        {sfdoIncludeNonFolders, stoIncludeNonFolders},
                        {sfdoVirtualFolders, stoVirtualFolders},
                        {sfdoContextMenus, stoContextMenus},
                        {sfdoShowHidden, stoShowHidden}};
    TMwShellTreeOptions treeOptions = ShellTree->Options();
    for (const auto& option : kTreeOptions) {
        if (options & option.dialog) treeOptions |= ShellTreeOptionBit(option.tree);
        else treeOptions &= ~ShellTreeOptionBit(option.tree);
    }
    ShellTree->SetOptions(treeOptions);
    const bool buttons = options & sfdoCreateDeleteButtons;
    BtnNewFolder->SetVisible(buttons);
    BtnDeleteFolder->SetVisible(buttons);
    BtnNewFolder->SetImageIndex(options & sfdoCreateFolderIcon ? kCreateImage : -1);
    BtnDeleteFolder->SetImageIndex(options & sfdoDeleteFolderIcon ? kDeleteImage : -1);
    const bool bothIcons = (options & sfdoCreateFolderIcon) && (options & sfdoDeleteFolderIcon);
    BtnNewFolder->SetFlat(bothIcons);
    BtnDeleteFolder->SetFlat(bothIcons);
    ShellTree->SetReadOnly(options & sfdoReadOnly);
    FormResize(this);
}

void TMwSelectFolderForm::ShowStatusText(const std::string& text) { MwStatusBar1->SetSimpleCaption(text); }

std::string TMwSelectFolderForm::FittedPath(const std::string& path) {
    const cl::TScreenDC dc;
    cl::TSelectObject font(dc.Handle(), MwStatusBar1->Font()->Handle());
    const auto textWidth = [&](const std::string& text) {
        SIZE size{0, 0};
        GetTextExtentPoint32A(dc.Handle(), text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    return mw::MinimizePathName(path, textWidth, MwStatusBar1->Width() - 20);
}

void TMwSelectFolderForm::FormCreate(cl::TObject*) {
    ShellTree->SetShowRoot(true);
    // Alignment keeps the status bar below the button panel once it starts out lower.
    MwStatusBar1->SetTop(Height());
}

void TMwSelectFolderForm::FormResize(cl::TObject*) {
    if (!ShellTree || !ButtonPanel || !OkBtn || !CancelBtn || !MwStatusBar1) return;  // still being read
    const cl::TRect client = ClientRect();
    const int top = BtnNewFolder->Visible()      ? BtnNewFolder->Top() + BtnNewFolder->Height() + 4
                    : BtnDeleteFolder->Visible() ? BtnDeleteFolder->Top() + BtnDeleteFolder->Height() + 4
                                                 : 8;
    ShellTree->SetBounds(ShellTree->Left(), top, client.Width() - 24, ButtonPanel->Top() - 4 - top);
    CancelBtn->SetLeft(client.Width() - CancelBtn->Width() - 8);
    OkBtn->SetLeft(CancelBtn->Left() - OkBtn->Width() - 8);
    if (TMwShellTreeData* data = ShellTree->ShellData(ShellTree->Selected())) ShowFolderStatus(data->PathName());
}

void TMwSelectFolderForm::ShellTreeChange(cl::TObject*, cl::TTreeNode* Node) {
    TMwShellTreeData* data = ShellTree->ShellData(Node);
    if (!data) return;
    const std::string path = data->PathName();
    ShowFolderStatus(path);
    BtnNewFolder->SetEnabled(!path.empty());
    BtnDeleteFolder->SetEnabled(!path.empty() && Node != ShellTree->GetFirstNode());
    // Only a folder on disk answers the question.
    OkBtn->SetEnabled(!path.empty());
    OnSelChange(this, data->AbsoluteIdList());
}

void TMwSelectFolderForm::ShowFolderStatus(const std::string& path) {
    ShowStatusText(path.empty() ? std::string(kNotOnDisk) : FittedPath(path));
}

void TMwSelectFolderForm::CreateBtnClick(cl::TObject*) { ShellTree->CreateNewFolder(); }

void TMwSelectFolderForm::DeleteBtnClick(cl::TObject*) {
    // The shell asks for confirmation itself; the tree refreshes after the command.
    ShellTree->DoCommandForNode(ShellTree->Selected(), "delete");
}

void TMwSelectFolderForm::SetVisible(bool visible) {
    if (visible == Visible()) return;
    cl::TForm::SetVisible(visible);
    if (!visible) {
        OnFormClose(this);
        return;
    }
    Font()->SetName(kFontName);
    ShellTree->SetOptions(ShellTree->Options() | ShellTreeOptionBit(stoAutoFill));
    ShellTree->Fill();
    OkBtn->SetCaption(kOk);
    CancelBtn->SetCaption(kCancel);
    BtnNewFolder->SetCaption(kCreateFolder);
    BtnDeleteFolder->SetCaption(kDelete);
    if (Caption().empty()) SetCaption(kBrowseForFolder);
    OnFormShow(this);
}

void TMwSelectFolderForm::WndProc(cl::TMessage& message) {
    if (message.msg == WM_GETMINMAXINFO) {
        cl::TForm::WndProc(message);
        auto* info = reinterpret_cast<MINMAXINFO*>(message.lParam);
        info->ptMinTrackSize = {kMinTrackWidth, kMinTrackHeight};
        return;
    }
    cl::TForm::WndProc(message);
}
