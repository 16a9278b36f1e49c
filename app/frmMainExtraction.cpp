// The main window's extraction commands: selected files or a whole folder written to disk, a
// file opened in its associated program, double-click, entries dragged out to the shell and
// files dropped onto the window; the check before "File Actions" opens, the popup menus'
// drawing, the file list's view styles, and the keys and mouse of the tree and the list.

#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "app/archive/CaseFold.h"
#include "app/archive/RFAFile.h"
#include "app/FileSystemNames.h"
#include "app/FolderIdentity.h"
#include "app/extraction/ExtractionReport.h"
#include "app/extraction/ExtractionTargets.h"
#include "app/frmExtracting.h"
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

// Entries and folders left out because of their names.
void ReportNotWritten(const std::vector<std::string>& names) {
    if (names.empty()) return;
    cl::MessageDlg(quillon::ListMessage("These files were not saved: their names would lead outside the target folder, "
                                        "name a device, or coincide with another file or folder being saved.",
                                        names),
                   cl::TMsgDlgType::Warning, cl::mbOK);
}

// Entries and folders whose writing failed (a damaged entry, a full disk), each with its reason.
void ReportFailed(const std::vector<std::string>& failures) {
    if (failures.empty()) return;
    cl::MessageDlg(quillon::ListMessage("These files could not be saved:", failures), cl::TMsgDlgType::Error, cl::mbOK);
}

// What the program runs and loads lives in its folder: nothing from an archive goes there.
const char kProgramFolderRefused[] =
    "Files from an archive are not saved in the program's own folder, where they could take the place of what the "
    "program runs or loads. Choose another folder.";
const char kInProgramFolder[] = "it would be in the program's own folder";
// The archive is read while its entries are written: an entry must not replace it.
const char kIsOpenArchive[] = "it would take the place of the open archive";
const char kSaveAnyway[] = "Writing them could fill the disk.\r\rSave them anyway?";
const char kOpenAnyway[] = "Writing it could fill the disk.\r\rOpen it anyway?";
const char kDragAnyway[] = "Writing them could fill the disk.\r\rDrag them anyway?";

// An extraction that may take long enough to want progress and "Stop": more than one entry,
// or one of this size.
constexpr uint64_t kLongExtraction = 16 * 1024 * 1024;
// CreateDirectory takes no longer path (room is left for a file name of 8.3 characters).
constexpr size_t kMaxFolderPath = MAX_PATH - 12;

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

template <class T>
struct TFormFree {
    void operator()(T* form) const { cl::Free(form); }
};

uint64_t ClaimedOutput(const std::vector<TfrmMainQuillon::TExtractionJob>& jobs) {
    uint64_t claimed = 0;
    for (const TfrmMainQuillon::TExtractionJob& job : jobs) claimed += job.Entry->Size;
    return claimed;
}

// Jobs writing the archive entries selected in the list into folder (with a trailing "\"),
// under names the file system takes; entries whose names it cannot take go to notWritten.
std::vector<TfrmMainQuillon::TExtractionJob> SelectedEntryJobs(const cl::TListView& list, const std::string& folder,
                                                               std::vector<std::string>& notWritten) {
    quillon::TExtractionTargets targets(quillon::FileSystemNameRules());
    std::vector<TfrmMainQuillon::TExtractionJob> jobs;
    for (const cl::TListItem* item : SelectedItems(list)) {
        const std::string& caption = item->Caption();
        quillon::TRFAFile* entry = TfrmMainQuillon::ItemEntry(item);  // none for an added file
        if (!entry) continue;
        if (const std::optional<std::string> name = targets.AddFile(caption))
            jobs.push_back({caption, entry, folder + *name});
        else
            notWritten.push_back(caption);
    }
    return jobs;
}

}  // namespace

// ---- writing entries ----

bool TfrmMainQuillon::MayDecode(uint64_t claimed, const std::string& action) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    const uint64_t archiveSize =
        GetFileAttributesExA(OpenDialog1->FileName().c_str(), GetFileExInfoStandard, &data)
            ? uint64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow
            : 0;
    if (claimed <= quillon::OutputBound(archiveSize)) return true;
    return cl::MessageDlg(quillon::ExcessOutputQuestion(claimed, archiveSize, action), cl::TMsgDlgType::Warning,
                          cl::mbYesNo) == cl::mrYes;
}

bool TfrmMainQuillon::WriteEntries(const std::vector<TExtractionJob>& jobs, std::vector<std::string>& failed) {
    const std::string programFolder = ProgramFolder();
    const std::string archive = OpenDialog1->FileName();
    struct TStopped {};
    uint64_t done = 0;  // output the entries before the current one claim
    bool stopped = false;
    // The target's folder, looked at once for the entries of one folder in a row.
    std::string folder;
    bool folderExists = false, inProgramFolder = false;
    auto write = [&](TfrmExtracting* dialog) {
        for (const TExtractionJob& job : jobs) {
            if (dialog && dialog->StopRequested(job.Name, done)) {
                stopped = true;
                return;
            }
            if (job.Percent >= 0) pbAction->SetPercent(job.Percent);
            if (cl::ExtractFilePath(job.Target) != folder) {
                folder = cl::ExtractFilePath(job.Target);
                folderExists = ut::FolderExists(folder);
                inProgramFolder = folderExists && quillon::LiesDirectlyIn(job.Target, programFolder);
            }
            if (!folderExists) {
                failed.push_back(job.Name + ": its folder could not be made");
            } else if (inProgramFolder) {
                failed.push_back(job.Name + ": " + kInProgramFolder);
            } else if (quillon::IsSameFile(job.Target, archive)) {
                failed.push_back(job.Name + ": " + kIsOpenArchive);
            } else {
                CurrentEntry = job.Entry;
                std::function<void(uint64_t)> progress;
                if (dialog)
                    progress = [&](uint64_t output) {
                        if (dialog->StopRequested(done + output)) throw TStopped();
                    };
                // One entry that cannot be written does not cost the others; a stopped one
                // leaves its file as it was.
                try {
                    ExtractEntry(job.Target, progress);
                } catch (const TStopped&) {
                    stopped = true;
                    return;
                } catch (const std::exception& e) {
                    failed.push_back(job.Name + ": " + e.what());
                }
            }
            done += job.Entry->Size;
        }
    };
    if (jobs.size() < 2 && ClaimedOutput(jobs) < kLongExtraction) {
        write(nullptr);
        return true;
    }
    std::unique_ptr<TfrmExtracting, TFormFree<TfrmExtracting>> dialog(cl::CreateForm<TfrmExtracting>(this));
    dialog->Total = ClaimedOutput(jobs);
    dialog->Work = [&write](TfrmExtracting& progress) { write(&progress); };
    dialog->ShowModal();
    dialog->RaiseWorkError();
    return !stopped;
}

std::string TfrmMainQuillon::SaveDialogFolder() const {
    // Never the program's folder: a name typed in a hurry must not replace what lives there.
    const std::string programFolder = ProgramFolder();
    if (!SaveFolder.empty() && ut::FolderExists(SaveFolder) && !quillon::IsSameFolder(SaveFolder, programFolder))
        return SaveFolder;
    char documents[MAX_PATH];
    if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents)) &&
        ut::FolderExists(documents) && !quillon::IsSameFolder(documents, programFolder))
        return ut::AddTrailingBackslash(documents);
    // The drive's root; a save into the program's folder is refused all the same.
    return programFolder.size() > 2 && programFolder[1] == ':' ? programFolder.substr(0, 3) : std::string();
}

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
    if (!MayDecode(entry->Size, kSaveAnyway)) return;
    // The entry's name is offered only when it is one file name: a path there would choose
    // the folder (and a network path would be looked up as the dialog opens).
    SaveDialog1->SetFileName(quillon::IsSafeFileName(entry->FileName, quillon::FileSystemNameRules()) ? entry->FileName
                                                                                                    : std::string());
    SaveDialog1->SetInitialDir(SaveDialogFolder());
    if (!SaveDialog1->Execute()) return;
    cl::Application()->ProcessMessages();
    if (CurrentEntry != entry) return;  // another archive was opened meanwhile
    const std::string target = SaveDialog1->FileName();
    if (quillon::LiesDirectlyIn(target, ProgramFolder())) {
        cl::MessageDlg(kProgramFolderRefused, cl::TMsgDlgType::Warning, cl::mbOK);
        return;
    }
    std::vector<std::string> failed;
    bool complete;
    {
        const cl::TScopedCursor hourglass;
        complete = WriteEntries({{entry->FileName, entry, target}}, failed);
    }
    ReportFailed(failed);
    if (!complete || !failed.empty()) return;
    SaveFolderSetting(TFolderKind::Save, cl::ExtractFilePath(target));
    cl::MessageDlg(entry->FileName + ": Saved.", cl::TMsgDlgType::Information, cl::mbOK);
}

void TfrmMainQuillon::ExtractSelectedFiles() {
    if (!SelectFolderDialog1->Execute()) return;
    const std::string folder = ut::AddTrailingBackslash(SelectFolderDialog1->SelectedPath());
    if (quillon::IsSameFolder(folder, ProgramFolder())) {
        cl::MessageDlg(kProgramFolderRefused, cl::TMsgDlgType::Warning, cl::mbOK);
        return;
    }
    std::vector<std::string> notWritten;
    const std::vector<TExtractionJob> jobs = SelectedEntryJobs(*lvFiles, folder, notWritten);
    if (!MayDecode(ClaimedOutput(jobs), kSaveAnyway)) return;
    std::vector<std::string> failed;
    {
        const cl::TScopedCursor hourglass;
        WriteEntries(jobs, failed);
    }
    ReportNotWritten(notWritten);
    ReportFailed(failed);
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
    bool chosen = false;
    bool complete = false;
    {
        // However the extraction ends, the cursor and the progress bar are reset.
        struct TExtractionEnd {
            TMwProgressBar& progress;
            ~TExtractionEnd() {
                cl::Screen().SetCursor(cl::crDefault);
                progress.SetPercent(0);
            }
        } end{*pbAction};
        chosen = SelectFolderDialog1->Execute();
        if (chosen) {
            cl::Application()->ProcessMessages();
            if (tvFolders->Selected() != node) return;  // another archive was opened meanwhile
            const std::string root = ut::AddTrailingBackslash(SelectFolderDialog1->SelectedPath());
            if (quillon::IsSameFolder(root, ProgramFolder())) {
                cl::MessageDlg(kProgramFolderRefused, cl::TMsgDlgType::Warning, cl::mbOK);
                return;
            }
            std::vector<std::string> folders;
            const std::vector<TExtractionJob> jobs = PlanFolderExtraction(root, node, folders, notWritten);
            if (!MayDecode(ClaimedOutput(jobs), kSaveAnyway)) return;
            cl::Screen().SetCursor(cl::crHourGlass);
            CreateTargetFolders(root, folders, notWritten, failed);
            complete = WriteEntries(jobs, failed);
        }
    }
    if (!chosen) {
        cl::MessageDlg("Extract Directory was cancelled: nothing was saved.", cl::TMsgDlgType::Information, cl::mbOK);
        return;
    }
    ReportNotWritten(notWritten);
    ReportFailed(failed);
    if (!complete)
        cl::MessageDlg("Extract Directory was stopped: the files saved before the stop are kept, the others were not "
                       "saved.",
                       cl::TMsgDlgType::Information, cl::mbOK);
    // Only a folder written whole is done.
    else if (notWritten.empty() && failed.empty())
        cl::MessageDlg("Done saving.", cl::TMsgDlgType::Information, cl::mbOK);
}

std::vector<TfrmMainQuillon::TExtractionJob> TfrmMainQuillon::PlanFolderExtraction(const std::string& root,
                                                                                   cl::TTreeNode* node,
                                                                                   std::vector<std::string>& folders,
                                                                                   std::vector<std::string>& notWritten) {
    quillon::TExtractionTargets targets(quillon::FileSystemNameRules());

    // The folder and every folder below it, as the tree shows them (empty ones included),
    // parents first.
    std::vector<cl::TTreeNode*> pending{node};
    while (!pending.empty()) {
        cl::TTreeNode* folder = pending.back();
        pending.pop_back();
        const std::string path = NodeFolderPath(folder);
        if (const std::optional<std::string> relative = targets.AddFolder(path)) folders.push_back(*relative);
        else notWritten.push_back(path + "/");
        for (cl::TTreeNode* child = folder->GetFirstChild(); child; child = child->GetNextSibling())
            pending.push_back(child);
    }

    // Every archive entry below the folder, in list order, each once. An entry's folders are
    // matched as the tree matches them, without case, and written as the tree spells them.
    std::vector<TExtractionJob> jobs;
    const std::string prefix = NodeFolderPath(node) + "/";
    const int count = Entries->Count();
    for (int i = 0; i < count; ++i) {
        const std::string& name = (*Entries)[i];
        if (IsAddedFileAt(i) || name.size() <= prefix.size() ||
            !quillon::EqualsIgnoringCase(std::string_view(name).substr(0, prefix.size()), prefix))
            continue;
        const std::optional<std::string> relative = targets.AddFile(prefix + name.substr(prefix.size()));
        if (!relative) {
            notWritten.push_back(name);
            continue;
        }
        jobs.push_back({name, static_cast<quillon::TRFAFile*>(Entries->Objects(i)), root + *relative,
                        static_cast<int>(int64_t(i) * 100 / count)});
    }
    return jobs;
}

void TfrmMainQuillon::CreateTargetFolders(const std::string& root, const std::vector<std::string>& folders,
                                          std::vector<std::string>& notWritten, std::vector<std::string>& failed) {
    const std::string programFolder = ProgramFolder();
    for (const std::string& relative : folders) {
        const std::string path = root + relative;
        const std::string name = cl::StringReplace(relative, "\\", "/") + "/";
        // Checked before anything is made: a path too long would leave the folders above it.
        if (path.size() > kMaxFolderPath) failed.push_back(name + ": the path is too long");
        else if (quillon::LiesDirectlyIn(path, programFolder)) notWritten.push_back(name);
        else if (!ut::CreateFolderPath(path)) failed.push_back(name + ": the folder could not be made");
    }
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
        const std::optional<std::string> relative =
            quillon::SafeRelativePath(CurrentFolder + caption, quillon::FileSystemNameRules());
        if (!relative) {
            ReportNotWritten({caption});
            return;
        }
        CurrentEntry = entry;
        if (!MayDecode(entry->Size, kOpenAnyway)) return;
        file = TempFolder() + "\\launch\\" + *relative;
        std::vector<std::string> failed;
        {
            const cl::TScopedCursor hourglass;
            ut::CreateFolderPath(cl::ExtractFilePath(file));
            if (!WriteEntries({{caption, entry, file}}, failed)) return;
        }
        if (!failed.empty()) {
            ReportFailed(failed);
            return;
        }
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
    std::vector<std::string> notWritten;
    const std::vector<TExtractionJob> jobs = SelectedEntryJobs(*lvFiles, folder + "\\", notWritten);
    if (!MayDecode(ClaimedOutput(jobs), kDragAnyway)) return;
    std::vector<std::string> failed;
    {
        const cl::TScopedCursor hourglass;
        if (!WriteEntries(jobs, failed)) return;
    }
    // The folder was empty: a file there is one written whole.
    for (const TExtractionJob& job : jobs)
        if (ut::FileIsPresent(job.Target)) files->Add(job.Target);
    if (files->Count() > 0) DropFileSource1->RunDrag();
    files->Clear();
    // Told once the drag is over: a message box now would take the button that drags.
    ReportNotWritten(notWritten);
    ReportFailed(failed);
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
    // Every dropped folder is imported, in the order dropped.
    bool importedFolder = false;
    for (const std::string& path : paths)
        if (ut::FolderExists(path)) {
            ImportFolder(path);
            importedFolder = true;
        }
    if (paths.size() == 1 && !importedFolder && folderSelected) {
        if (isArchive(paths.front())) {
            // Opened as "Open RFA" opens one: the caption names the archive now shown.
            if (MayLeaveEdit() && MayDiscardBuildList()) OpenArchiveFile(paths.front());
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
