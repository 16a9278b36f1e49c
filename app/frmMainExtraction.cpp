// The main window's extraction commands: selected files or a whole folder written to disk, a
// file opened in its associated program, double-click, entries dragged out to the shell and
// files dropped onto the window; the check before "File Actions" opens, the popup menus'
// drawing, the file list's view styles, and the keys and mouse of the tree and the list.

#include <windows.h>

#include <cstdlib>
#include <vector>

#include "app/archive/CaseFold.h"
#include "app/archive/RFAFile.h"
#include "app/extraction/ExtractionTargets.h"
#include "app/frmMainQuillon.h"
#include "app/preview/PreviewKind.h"
#include "classlib/core/Exception.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Application.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/ImageList.h"
#include "classlib/win/ListView.h"
#include "classlib/win/Menus.h"
#include "classlib/win/Screen.h"
#include "controls/basic/MwProgressBar.h"
#include "controls/navigation/MwGroup.h"
#include "controls/navigation/MwGroupItem.h"
#include "controls/navigation/MwLauncher.h"
#include "controls/navigation/MwTreeView.h"
#include "controls/shell/MwSelectFolderDialog.h"
#include "dragdrop/DropFileSource.h"
#include "dragdrop/DropFileTarget.h"
#include "utils/UtFileUtils.h"

namespace {

// The selected list items in list order.
std::vector<cl::TListItem*> SelectedItems(const cl::TListView& list) {
    std::vector<cl::TListItem*> items;
    for (int i = 0; i < list.ItemCount(); ++i)
        if (list.Item(i)->Selected()) items.push_back(list.Item(i));
    return items;
}

// A node's folder path as the tree spells it, "/" separated, without a trailing "/".
std::string NodeFolderPath(const cl::TTreeNode* node) {
    std::string path;
    for (; node; node = node->Parent()) path = node->Text() + (path.empty() ? "" : "/" + path);
    return path;
}

// The message for entries that were not written. A long list is cut short: the box must fit
// on the screen.
std::string NotWrittenMessage(const std::vector<std::string>& names) {
    constexpr size_t kShown = 20;
    std::string text =
        "These files were not saved: their names would lead outside the target folder, name a device, or "
        "coincide with another file or folder being saved.\r";
    for (size_t i = 0; i < names.size() && i < kShown; ++i) text += "\r" + names[i];
    if (names.size() > kShown) text += "\r... and " + cl::IntToStr(static_cast<int64_t>(names.size() - kShown)) + " more.";
    return text;
}

void ReportNotWritten(const std::vector<std::string>& names) {
    if (!names.empty()) cl::MessageDlg(NotWrittenMessage(names), cl::TMsgDlgType::Warning, cl::mbOK);
}

// Entries whose extraction failed (a damaged entry, a full disk), each with its reason.
void ReportFailed(const std::vector<std::string>& failures) {
    if (failures.empty()) return;
    constexpr size_t kShown = 10;
    std::string text = "These files could not be saved:\r";
    for (size_t i = 0; i < failures.size() && i < kShown; ++i) text += "\r" + failures[i];
    if (failures.size() > kShown)
        text += "\r... and " + cl::IntToStr(static_cast<int64_t>(failures.size() - kShown)) + " more.";
    cl::MessageDlg(text, cl::TMsgDlgType::Error, cl::mbOK);
}

constexpr WORD kDeleteKey = VK_DELETE;        // 46
constexpr int kDragThreshold = 9;             // pixels the pointer may move before a drag starts
constexpr cl::TColor kMenuColor = 16244694;  // the popup menus' pale blue

// A menu caption without its accelerator marks ("&&" stands for "&").
std::string WithoutAccelerators(const std::string& caption) {
    std::string text;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && ++i == caption.size()) break;
        text += caption[i];
    }
    return text;
}

}  // namespace

// ---- the two extraction commands ----

void TfrmMainQuillon::actExtractFileUpdate(cl::TObject*) {
    // An archive entry's name may start with "*" too: what the item shows decides.
    actExtractFile->SetEnabled(ItemEntry(lvFiles->Selected()) != nullptr);
}

void TfrmMainQuillon::actExtractFileExecute(cl::TObject*) {
    if (lvFiles->SelCount() < 2) ExtractSelectedFile();
    else ExtractSelectedFiles();
}

void TfrmMainQuillon::ExtractSelectedFile() {
    // The selected entry, not whatever was previewed last: a double-click may come with an
    // added file or nothing selected, and then there is nothing to extract.
    quillon::TRFAFile* entry = ItemEntry(lvFiles->Selected());
    if (!entry) return;
    CurrentEntry = entry;
    SaveDialog1->SetFileName(entry->FileName);
    SaveDialog1->SetInitialDir(SaveFolder);
    if (!SaveDialog1->Execute()) return;
    cl::Application()->ProcessMessages();
    if (CurrentEntry != entry) return;  // another archive was opened meanwhile
    const std::string target = SaveDialog1->FileName();
    {
        const cl::TScopedCursor hourglass;
        ExtractEntry(target);
    }
    SaveFolderSetting(TFolderKind::Save, cl::ExtractFilePath(target));
    cl::MessageDlg(entry->FileName + ": Saved.", cl::TMsgDlgType::Information, cl::mbOK);
}

void TfrmMainQuillon::ExtractSelectedFiles() {
    if (!SelectFolderDialog1->Execute()) return;
    const std::string folder = ut::AddTrailingBackslash(SelectFolderDialog1->SelectedPath());
    quillon::TExtractionTargets targets;
    std::vector<std::string> notWritten;
    {
        const cl::TScopedCursor hourglass;
        for (const cl::TListItem* item : SelectedItems(*lvFiles)) {
            const std::string& caption = item->Caption();
            quillon::TRFAFile* entry = ItemEntry(item);  // none for an added file
            if (!entry) continue;
            const std::optional<std::string> name = targets.AddFile(caption);
            if (!name) {
                notWritten.push_back(caption);
                continue;
            }
            CurrentEntry = entry;
            ExtractEntry(folder + *name);
        }
    }
    ReportNotWritten(notWritten);
}

void TfrmMainQuillon::actExtractDirUpdate(cl::TObject*) {
    const bool folderSelected = tvFolders->Selected() != nullptr;
    const bool becameEnabled = folderSelected && !actExtractDir->Enabled();
    actExtractDir->SetEnabled(folderSelected);
    actExtractDir->SetVisible(folderSelected);
    if (becameEnabled) gbActions->Open();
}

void TfrmMainQuillon::actExtractDirExecute(cl::TObject*) {
    cl::TTreeNode* node = tvFolders->Selected();
    if (!node) return;
    SelectFolderDialog1->SetTitle("Choose a target folder...");
    std::vector<std::string> notWritten;
    std::vector<std::string> failed;
    {
        // However the extraction ends, the cursor and the progress bar are reset.
        struct TExtractionEnd {
            TMwProgressBar& progress;
            ~TExtractionEnd() {
                cl::Screen().SetCursor(cl::crDefault);
                progress.SetPercent(0);
            }
        } end{*pbAction};
        if (SelectFolderDialog1->Execute()) {
            cl::Application()->ProcessMessages();
            if (tvFolders->Selected() != node) return;  // another archive was opened meanwhile
            cl::Screen().SetCursor(cl::crHourGlass);
            notWritten = ExtractFolderTree(ut::AddTrailingBackslash(SelectFolderDialog1->SelectedPath()), node, failed);
        }
    }
    ReportNotWritten(notWritten);
    ReportFailed(failed);
    cl::MessageDlg("Done saving.", cl::TMsgDlgType::Information, cl::mbOK);
}

std::vector<std::string> TfrmMainQuillon::ExtractFolderTree(const std::string& root, cl::TTreeNode* node,
                                                            std::vector<std::string>& failed) {
    quillon::TExtractionTargets targets;
    std::vector<std::string> notWritten;

    // The folder and every folder below it, as the tree shows them (empty ones included).
    std::vector<cl::TTreeNode*> pending{node};
    while (!pending.empty()) {
        cl::TTreeNode* folder = pending.back();
        pending.pop_back();
        const std::string path = NodeFolderPath(folder);
        if (const std::optional<std::string> relative = targets.AddFolder(path)) {
            if (!ut::CreateFolderPath(root + *relative))
                throw cl::EFCreateError("Cannot create the folder \"" + root + *relative + "\"");
        } else {
            notWritten.push_back(path + "/");
        }
        for (cl::TTreeNode* child = folder->GetFirstChild(); child; child = child->GetNextSibling())
            pending.push_back(child);
    }

    // Every archive entry below the folder, in list order, each once. An entry's folders are
    // matched as the tree matches them, without case, and written as the tree spells them.
    const std::string prefix = NodeFolderPath(node) + "/";
    const int count = Entries->Count();
    for (int i = 0; i < count; ++i) {
        const std::string& name = (*Entries)[i];
        if (IsAddedFileAt(i) || name.size() <= prefix.size() ||
            !quillon::EqualsIgnoringCase(std::string_view(name).substr(0, prefix.size()), prefix))
            continue;
        pbAction->SetPercent(static_cast<int>(int64_t(i) * 100 / count));
        const std::optional<std::string> relative = targets.AddFile(prefix + name.substr(prefix.size()));
        if (!relative) {
            notWritten.push_back(name);
            continue;
        }
        CurrentEntry = static_cast<quillon::TRFAFile*>(Entries->Objects(i));
        // One entry that cannot be written does not cost the others.
        try {
            ExtractEntry(root + *relative);
        } catch (const std::exception& e) {
            failed.push_back(name + ": " + e.what());
        }
    }
    return notWritten;
}

// ---- opening in the associated program, double-click ----

void TfrmMainQuillon::actLaunchFileExecute(cl::TObject*) {
    const cl::TListItem* item = lvFiles->Selected();
    if (!item) return;
    const std::string caption = item->Caption();
    std::string file;
    quillon::TRFAFile* entry = ItemEntry(item);
    if (!entry) {
        file = AddedFileSource(caption);
    } else {
        // Below a folder of its own, named as in the archive: the file keeps its name (its
        // extension picks the program), and entries of one name in different folders, or named
        // like the preview's files, do not overwrite each other's copies.
        const std::optional<std::string> relative = quillon::SafeRelativePath(CurrentFolder + caption);
        if (!relative) {
            ReportNotWritten({caption});
            return;
        }
        file = TempFolder() + "\\launch\\" + *relative;
        const cl::TScopedCursor hourglass;
        ut::CreateFolderPath(cl::ExtractFilePath(file));
        CurrentEntry = entry;
        ExtractEntry(file);
    }
    if (file.empty()) return;
    Launcher->SetFileName(file);
    Launcher->Launch();
}

void TfrmMainQuillon::LauncherError(cl::TObject* Sender, unsigned) {
    // A document handed to a program that was already running starts no process, so the wait
    // for it fails although the file was opened: that is no missing association.
    if (const auto* launcher = dynamic_cast<TMwLauncher*>(Sender); launcher && launcher->StartResult() != 0) return;
    cl::MessageDlg(
        "You do not have a file associate set to that type of file.\r\rTry saving the file to disk first (or change "
        "options to automatically open save dialog).",
        cl::TMsgDlgType::Information, cl::mbOK);
}

void TfrmMainQuillon::lvFiles1DblClick(cl::TObject*) {
    Launcher->SetParameters("");
    // The sound offered for playing may be one selected before: only a sound itself plays.
    const cl::TListItem* item = lvFiles->Selected();
    const bool sound = item && quillon::PreviewKindOf(item->Caption()) == quillon::TPreviewKind::Sound;
    if (sound && actPlayWav->Enabled() && optPlayWav) actPlayWavExecute(actPlayWav);
    else if (optSave) actExtractFileExecute(actExtractFile);
    else actLaunchFileExecute(actLaunchFile);
}

// ---- dragging entries out ----

void TfrmMainQuillon::lvFiles1MouseDown(cl::TObject*, cl::TMouseButton, cl::TShiftState, int X, int Y) {
    MouseDownPoint = {X, Y};
    DragOutPending = true;
}

void TfrmMainQuillon::lvFiles1MouseMove(cl::TObject*, cl::TShiftState Shift, int X, int Y) {
    if (Shift != cl::ssLeft && Shift != cl::ssRight) return;
    if (std::abs(X - MouseDownPoint.x) <= kDragThreshold && std::abs(Y - MouseDownPoint.y) <= kDragThreshold) return;
    // One drag per press of a button in the list: not again while the button stays down after a
    // cancelled drag, nor for a button that went down elsewhere.
    if (!DragOutPending || lvFiles->SelCount() == 0) return;
    DragOutPending = false;
    DragOutSelection();
}

void TfrmMainQuillon::DragOutSelection() {
    // The copies live in a folder of their own, emptied whatever way the drag ends: the
    // target moves them, or they are deleted here.
    const std::string folder = TempFolder() + "\\drag";
    struct TDragFiles {
        const std::string& folder;
        ~TDragFiles() { ut::DeleteFolderTree(folder, false); }
    } dragFiles{folder};
    ut::DeleteFolderTree(folder, false);
    ut::CreateFolderPath(folder);

    cl::TStringList* files = DropFileSource1->Files();
    files->Clear();
    quillon::TExtractionTargets targets;
    {
        const cl::TScopedCursor hourglass;
        for (const cl::TListItem* item : SelectedItems(*lvFiles)) {
            const std::string& caption = item->Caption();
            quillon::TRFAFile* entry = ItemEntry(item);  // none for an added file
            const std::optional<std::string> name = entry ? targets.AddFile(caption) : std::nullopt;
            if (!name) continue;
            CurrentEntry = entry;
            const std::string file = folder + "\\" + *name;
            ExtractEntry(file);
            files->Add(file);
        }
    }
    if (files->Count() > 0) DropFileSource1->RunDrag();
    files->Clear();
}

// ---- files dropped onto the window ----

void TfrmMainQuillon::DropFileTarget1Drop(cl::TObject*, cl::TShiftState, cl::TPoint, int&) {
    const std::vector<std::string> paths = DropFileTarget1->Files()->ToVector();
    if (paths.empty()) return;
    const bool folderSelected = Folders.FolderCount() > 0 && tvFolders->Selected() != nullptr;
    // In any case, as file names are: an archive among several files is never added as a file,
    // however its extension is spelt.
    auto isArchive = [](const std::string& path) { return cl::UpperCase(cl::ExtractFileExt(path)) == ".RFA"; };

    if (paths.size() > 1 && folderSelected) {
        for (const std::string& path : paths) {
            if (isArchive(path))
                cl::MessageDlg("You are adding multiple files, when you do that, you cannot add an RFA.\r" + path +
                                   " was skipped.",
                               cl::TMsgDlgType::Warning, cl::mbOK);
            else if (!ut::FolderExists(path))  // a folder is imported below, never added as a file
                AddFileToBuild(path);
        }
    }
    if (ut::FolderExists(paths.front())) {
        ImportFolder(paths.front());
        return;
    }
    if (paths.size() == 1 && folderSelected) {
        if (isArchive(paths.front())) {
            // Opened as "Open RFA" opens one: the caption names the archive now shown.
            if (MayDiscardBuildList()) OpenArchiveFile(paths.front());
        }
        else AddFileToBuild(paths.front());
    }
}

// ---- the "File Actions" group, popup menus and view styles ----

void TfrmMainQuillon::gbActionsCanOpen(cl::TObject*, bool& CanOpen) {
    // Playing, adding and deleting: the items whose actions show only when there is something
    // to act on.
    for (int i = 0; i < 3 && i < gbActions->Items()->Count(); ++i)
        if (gbActions->Items()->Items(i)->Visible()) return;
    CanOpen = false;
    cl::MessageDlg("There are currently no file actions you can execute.\r\rOpen an RFA and select a folder, or file first.",
                   cl::TMsgDlgType::Information, cl::mbOK);
}

void TfrmMainQuillon::AddFiles1DrawItem(cl::TObject* Sender, cl::TCanvas& ACanvas, cl::TRect ARect, bool Selected) {
    const auto* item = static_cast<cl::TMenuItem*>(Sender);
    ACanvas.SetBrushColor(kMenuColor);
    ACanvas.Font().SetName("Tahoma");
    ACanvas.FillRect(ARect);
    ACanvas.Font().SetColor(!item->Enabled() ? cl::clGrayText : Selected ? cl::clBlue : cl::clNavy);
    const int imageOffset = Selected ? 3 : 2;
    if (item->ImageIndex() >= 0)
        ilIcons->Draw(ACanvas, ARect.left + imageOffset, ARect.top + imageOffset, item->ImageIndex(), item->Enabled());
    ACanvas.TextOut(ARect.left + 40, ARect.top + 10, WithoutAccelerators(item->Caption()));
}

void TfrmMainQuillon::Report1Click(cl::TObject*) { lvFiles->SetViewStyle(cl::TViewStyle::Report); }

void TfrmMainQuillon::SmallIcon1Click(cl::TObject*) { lvFiles->SetViewStyle(cl::TViewStyle::SmallIcon); }

void TfrmMainQuillon::LargeIcons1Click(cl::TObject*) { lvFiles->SetViewStyle(cl::TViewStyle::Icon); }

// ---- keys and mouse of the tree and the list ----

// The Delete key runs the build list's remove commands through their actions.
void TfrmMainQuillon::lvFiles1KeyDown(cl::TObject*, WORD& Key, cl::TShiftState) {
    if (Key == kDeleteKey && lvFiles->SelCount() > 0) actDeleteFile->Execute();
}

void TfrmMainQuillon::tvFoldersKeyDown(cl::TObject*, WORD& Key, cl::TShiftState) {
    if (Key == kDeleteKey && tvFolders->Selected()) actDeleteFolder->Execute();
}

void TfrmMainQuillon::tvFoldersMouseDown(cl::TObject*, cl::TMouseButton Button, cl::TShiftState, int X, int Y) {
    if (Button != cl::TMouseButton::Right) return;
    if (cl::TTreeNode* node = tvFolders->GetNodeAt(X, Y)) node->SetSelected(true);
}
