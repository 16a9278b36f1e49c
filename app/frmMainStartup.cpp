// The main window's creation, first showing and destruction, and the temporary folder.

#include "app/frmMainQuillon.h"

#include "app/archive/RFAFile.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Application.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/ListView.h"
#include "controls/basic/MwRegIniFile.h"
#include "controls/navigation/MwGroup.h"
#include "controls/navigation/MwGroupBar.h"
#include "controls/navigation/MwPageControl.h"
#include "controls/navigation/MwTreeView.h"
#include "dragdrop/DropFileTarget.h"
#include "utils/UtFileUtils.h"

std::string TfrmMainQuillon::ProgramFolder() { return cl::ExtractFilePath(cl::Application()->ExeName()); }

std::string TfrmMainQuillon::TempFolder() { return ProgramFolder() + "~Quillon_Temp"; }

void TfrmMainQuillon::Loaded() {
    cl::TForm::Loaded();
    RegFile->SetPath(SettingsFile());
}

void TfrmMainQuillon::FormCreate(cl::TObject*) {
    tsCode->SetTabVisible(false);
    tsGraphic->SetTabVisible(false);
    pcPreview->SetActivePage(tsCode);
    LoadSettings();
    gbActions->Close();
    // Item captions on one line, whatever the fonts measure. The window grows with the bar, so
    // that the rest keeps its room; a remembered size replaces this when the window shows.
    const int grow = gbMain->UnwrappedWidth() - gbMain->Width();
    if (grow > 0) {
        gbMain->SetWidth(gbMain->Width() + grow);
        SetWidth(Width() + grow);
    }

    Playing = false;
    BuildDirty = false;
    IconCache = std::make_unique<cl::TStringList>();
    Entries = std::make_unique<cl::TStringList>();
    SourceDirs = std::make_unique<cl::TStringList>();
    ImportTargets = std::make_unique<cl::TStringList>();
    ImportSources = std::make_unique<cl::TStringList>();
    CurrentWav.clear();

    DropFileTarget1->AttachToControl(this);

    const std::string temp = TempFolder();
    if (!ut::FolderExists(temp) && !ut::CreateFolderPath(temp))
        cl::MessageDlg("I could not create the \"~Quillon_Temp\" subfolder.\rThis program will not work correctly without it.",
                       cl::TMsgDlgType::Error, cl::mbOK);
    // Files an earlier run left behind go; the folder itself is made anew.
    try {
        ut::DeleteFolderTree(temp, false);
        ut::CreateFolderPath(temp);
    } catch (...) {
    }
}

void TfrmMainQuillon::FormShow(cl::TObject*) {
    const std::string argument = cl::ParamStr(1);
    if (argument.empty() || cl::UpperCase(cl::ExtractFileExt(argument)) != ".RFA") return;
    OpenDialog1->SetInitialDir(cl::ExtractFilePath(argument));
    SaveFolderSetting(TFolderKind::Open, cl::ExtractFilePath(argument));
    OpenDialog1->SetFileName(argument);
    ClearBuildList();
    LoadArchive();
    actSearch->SetVisible(true);
}

void TfrmMainQuillon::FormDestroy(cl::TObject*) {
    DropFileTarget1->DetachFromControl();
    IconCache.reset();
    ClearEntries();
    try {
        ut::DeleteFolderTree(TempFolder(), false);
    } catch (...) {
    }
    Entries.reset();
    ImportTargets.reset();
    ImportSources.reset();
    SourceDirs.reset();
}

void TfrmMainQuillon::ClearEntries() {
    Folders.Clear();
    FolderNodes.clear();
    if (!Entries) return;
    Entries->Clear();
    ArchiveFiles.Clear();
}

bool TfrmMainQuillon::IsAddedFileAt(int index) const { return Entries->Objects(index) == nullptr; }

void TfrmMainQuillon::MwPanel1Click(cl::TObject*) {}

void TfrmMainQuillon::imgPreviewClick(cl::TObject*) { cl::ShowMessage("*Click*"); }
