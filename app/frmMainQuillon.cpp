#include "app/frmMainQuillon.h"

#include "app/ProgramUnits.h"
#include "app/archive/RFAFile.h"
#include "app/preview/DevILLibrary.h"
#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Actions.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/ImageList.h"
#include "classlib/win/Image.h"
#include "classlib/win/ListView.h"
#include "classlib/win/MediaPlayer.h"
#include "classlib/win/ScrollBox.h"
#include "classlib/win/Menus.h"
#include "controls/basic/MwCheckBox.h"
#include "controls/basic/MwClockStatus.h"
#include "controls/basic/MwFontComboBox.h"
#include "controls/basic/MwFormState.h"
#include "controls/basic/MwPanel.h"
#include "controls/basic/MwProgressBar.h"
#include "controls/basic/MwRegIniFile.h"
#include "controls/basic/MwRichEdit.h"
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
                                 .Field("MediaPlayer1", &F::MediaPlayer1)
                                 .Field("MwFontComboBox1", &F::MwFontComboBox1)
                                 .Field("cbFonts", &F::cbFonts)
                                 .Field("rePreview", &F::rePreview)
                                 .Field("ScrollBox1", &F::ScrollBox1)
                                 .Field("imgPreview", &F::imgPreview)
                                 .Field("actPlayWav", &F::actPlayWav)
                                 .Field("actStopWav", &F::actStopWav)
                                 .Field("actSaveChanges", &F::actSaveChanges)
                                 .Field("actCut", &F::actCut)
                                 .Field("actCopy", &F::actCopy)
                                 .Field("actPaste", &F::actPaste)
                                 .Field("actOpenText", &F::actOpenText)
                                 .Field("actExtractFile", &F::actExtractFile)
                                 .Field("actExtractDir", &F::actExtractDir)
                                 .Field("actLaunchFile", &F::actLaunchFile)
                                 .Field("actDeleteFile", &F::actDeleteFile)
                                 .Field("actDeleteFolder", &F::actDeleteFolder)
                                 .Field("actBuildRFA", &F::actBuildRFA)
                                 .Field("actAddFile", &F::actAddFile)
                                 .Field("actNewFolder", &F::actNewFolder)
                                 .Field("actNewRFA", &F::actNewRFA)
                                 .Handler("FormCreate", &F::FormCreate)
                                 .Handler("FormShow", &F::FormShow)
                                 .Handler("FormCloseQuery", &F::FormCloseQuery)
                                 .Handler("FormDestroy", &F::FormDestroy)
                                 .Handler("MwPanel1Click", &F::MwPanel1Click)
                                 .Handler("imgPreviewClick", &F::imgPreviewClick)
                                 .Handler("tvFoldersChange", &F::tvFoldersChange)
                                 .Handler("lvFilesColumnClick", &F::lvFilesColumnClick)
                                 .Handler("lvFilesCompare", &F::lvFilesCompare)
                                 .Handler("lvFilesChanging", &F::lvFilesChanging)
                                 .Handler("lvFiles1SelectItem", &F::lvFiles1SelectItem)
                                 .Handler("tsGraphicResize", &F::tsGraphicResize)
                                 .Handler("actPlayWavExecute", &F::actPlayWavExecute)
                                 .Handler("actPlayWavUpdate", &F::actPlayWavUpdate)
                                 .Handler("actStopWavExecute", &F::actStopWavExecute)
                                 .Handler("actStopWavUpdate", &F::actStopWavUpdate)
                                 .Handler("MediaPlayer1Notify", &F::MediaPlayer1Notify)
                                 .Handler("actSaveChangesExecute", &F::actSaveChangesExecute)
                                 .Handler("actSaveChangesUpdate", &F::actSaveChangesUpdate)
                                 .Handler("actOpenTextExecute", &F::actOpenTextExecute)
                                 .Handler("actOpenTextUpdate", &F::actOpenTextUpdate)
                                 .Handler("actCutExecute", &F::actCutExecute)
                                 .Handler("actCopyExecute", &F::actCopyExecute)
                                 .Handler("Cut1Click", &F::Cut1Click)
                                 .Handler("actPasteExecute", &F::actPasteExecute)
                                 .Handler("actCutUpdate", &F::actCutUpdate)
                                 .Handler("actPasteUpdate", &F::actPasteUpdate)
                                 .Handler("MwFontComboBox1Change", &F::MwFontComboBox1Change)
                                 .Handler("cbFontsClick", &F::cbFontsClick)
                                 .Handler("actExtractFileExecute", &F::actExtractFileExecute)
                                 .Handler("actExtractFileUpdate", &F::actExtractFileUpdate)
                                 .Handler("actExtractDirExecute", &F::actExtractDirExecute)
                                 .Handler("actExtractDirUpdate", &F::actExtractDirUpdate)
                                 .Handler("actLaunchFileExecute", &F::actLaunchFileExecute)
                                 .Handler("LauncherError", &F::LauncherError)
                                 .Handler("lvFiles1DblClick", &F::lvFiles1DblClick)
                                 .Handler("lvFiles1MouseDown", &F::lvFiles1MouseDown)
                                 .Handler("lvFiles1MouseMove", &F::lvFiles1MouseMove)
                                 .Handler("DropFileTarget1Drop", &F::DropFileTarget1Drop)
                                 .Handler("gbActionsCanOpen", &F::gbActionsCanOpen)
                                 .Handler("AddFiles1DrawItem", &F::AddFiles1DrawItem)
                                 .Handler("Report1Click", &F::Report1Click)
                                 .Handler("SmallIcon1Click", &F::SmallIcon1Click)
                                 .Handler("LargeIcons1Click", &F::LargeIcons1Click)
                                 .Handler("lvFiles1KeyDown", &F::lvFiles1KeyDown)
                                 .Handler("tvFoldersKeyDown", &F::tvFoldersKeyDown)
                                 .Handler("tvFoldersMouseDown", &F::tvFoldersMouseDown)
                                 .Handler("actAddFileExecute", &F::actAddFileExecute)
                                 .Handler("actAddFileUpdate", &F::actAddFileUpdate)
                                 .Handler("AddFiles1Click", &F::AddFiles1Click)
                                 .Handler("actDeleteFileExecute", &F::actDeleteFileExecute)
                                 .Handler("actDeleteFileUpdate", &F::actDeleteFileUpdate)
                                 .Handler("RemoveFiles1Click", &F::RemoveFiles1Click)
                                 .Handler("actNewFolderExecute", &F::actNewFolderExecute)
                                 .Handler("createNewFolder1Click", &F::createNewFolder1Click)
                                 .Handler("actDeleteFolderExecute", &F::actDeleteFolderExecute)
                                 .Handler("actDeleteFolderUpdate", &F::actDeleteFolderUpdate)
                                 .Handler("actNewRFAExecute", &F::actNewRFAExecute)
                                 .Handler("ImportFolders1Click", &F::ImportFolders1Click)
                                 .Handler("actBuildRFAExecute", &F::actBuildRFAExecute)
                                 .Handler("actBuildRFAUpdate", &F::actBuildRFAUpdate)
                                 .Handler("actOptionsExecute", &F::actOptionsExecute)
                                 .Handler("actOpenRFAExecute", &F::actOpenRFAExecute)
                                 .Handler("actHelpExecute", &F::actHelpExecute)
                                 .Handler("actSearchExecute", &F::actSearchExecute)
                                 .Build();
    return *info;
}

TfrmMainQuillon::TfrmMainQuillon(cl::TComponent* owner) : cl::TForm(owner) {}

TfrmMainQuillon::~TfrmMainQuillon() = default;

void TfrmMainQuillon::WndProc(cl::TMessage& message) {
    static const UINT unitStateMessage = RegisterWindowMessageA(quillon::kUnitStateMessageName);
    if (message.msg == kSelectionChangedMessage) {
        SelectionChangedAfterEdit();
        return;
    }
    if (message.msg == unitStateMessage) {
        message.result = quillon::UnitState();
        return;
    }
    cl::TForm::WndProc(message);
}
