#include "app/frmMainQuillon.h"

#include "app/archive/RFAFile.h"
#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Actions.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/ImageList.h"
#include "classlib/win/ListView.h"
#include "classlib/win/Menus.h"
#include "controls/basic/MwClockStatus.h"
#include "controls/basic/MwFormState.h"
#include "controls/basic/MwPanel.h"
#include "controls/basic/MwProgressBar.h"
#include "controls/basic/MwRegIniFile.h"
#include "controls/basic/MwStatusBar.h"
#include "controls/basic/MwTrayIcon.h"
#include "controls/basic/MwVersionInfoStatus.h"
#include "controls/navigation/MwGroup.h"
#include "controls/navigation/MwGroupBar.h"
#include "controls/navigation/MwLauncher.h"
#include "controls/navigation/MwPageControl.h"
#include "controls/navigation/MwSplitter.h"
#include "controls/navigation/MwTreeView.h"
#include "controls/shell/MwSelectFolderDialog.h"
#include "dragdrop/DropFileSource.h"
#include "dragdrop/DropFileTarget.h"

const char kMainWindowCaption[] = "Col. Dalverin's BF1942 Quillon";
const char kApplicationTitle[] = "Col. Dalverin's Quillon";
const char kInstanceMutexName[] = "Quillon";

const cl::TClassInfo& TfrmMainQuillon::StaticClass() {
    using F = TfrmMainQuillon;
    static const auto info = cl::TClassBuilder<F>("TfrmMainQuillon", cl::TForm::StaticClass())
                                 .Field("MwStatusBar1", &F::MwStatusBar1)
                                 .Field("MwVersionInfoStatus1", &F::MwVersionInfoStatus1)
                                 .Field("pbAction", &F::pbAction)
                                 .Field("MwClockStatus1", &F::MwClockStatus1)
                                 .Field("gbMain", &F::gbMain)
                                 .Field("gbView", &F::gbView)
                                 .Field("gbActions", &F::gbActions)
                                 .Field("gbOptions", &F::gbOptions)
                                 .Field("MainSplitter", &F::MainSplitter)
                                 .Field("MwSplitter1", &F::MwSplitter1)
                                 .Field("tvFolders", &F::tvFolders)
                                 .Field("MwPanel1", &F::MwPanel1)
                                 .Field("lvFiles", &F::lvFiles)
                                 .Field("pnlViewing", &F::pnlViewing)
                                 .Field("pcPreview", &F::pcPreview)
                                 .Field("tsCode", &F::tsCode)
                                 .Field("tsGraphic", &F::tsGraphic)
                                 .Field("OpenDialog1", &F::OpenDialog1)
                                 .Field("OpenDialog2", &F::OpenDialog2)
                                 .Field("SaveDialog1", &F::SaveDialog1)
                                 .Field("SelectFolderDialog1", &F::SelectFolderDialog1)
                                 .Field("ilLarge", &F::ilLarge)
                                 .Field("ilSmall", &F::ilSmall)
                                 .Field("ilIcons", &F::ilIcons)
                                 .Field("ilTreeView", &F::ilTreeView)
                                 .Field("ilToolBar", &F::ilToolBar)
                                 .Field("DropFileSource1", &F::DropFileSource1)
                                 .Field("DropFileTarget1", &F::DropFileTarget1)
                                 .Field("pmFiles", &F::pmFiles)
                                 .Field("pmFolders", &F::pmFolders)
                                 .Field("ActionList1", &F::ActionList1)
                                 .Field("actSearch", &F::actSearch)
                                 .Field("Launcher", &F::Launcher)
                                 .Field("RegFile", &F::RegFile)
                                 .Field("MwFormState1", &F::MwFormState1)
                                 .Field("MwTrayIcon1", &F::MwTrayIcon1)
                                 .Handler("FormCreate", &F::FormCreate)
                                 .Handler("FormShow", &F::FormShow)
                                 .Handler("FormDestroy", &F::FormDestroy)
                                 .Handler("MwPanel1Click", &F::MwPanel1Click)
                                 .Handler("imgPreviewClick", &F::imgPreviewClick)
                                 .Handler("tvFoldersChange", &F::tvFoldersChange)
                                 .Handler("lvFilesColumnClick", &F::lvFilesColumnClick)
                                 .Handler("lvFilesCompare", &F::lvFilesCompare)
                                 .Handler("lvFilesChanging", &F::lvFilesChanging)
                                 .Build();
    return *info;
}

TfrmMainQuillon::TfrmMainQuillon(cl::TComponent* owner) : cl::TForm(owner) {}

TfrmMainQuillon::~TfrmMainQuillon() = default;
