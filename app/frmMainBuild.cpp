// The main window's build list: disk files and folders added to the archive's folders, folders
// made and deleted, files removed, and the build that stages the result beside the program and
// runs the outside builder on it.

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "app/FileSystemNames.h"
#include "app/archive/CaseFold.h"
#include "app/archive/RFAFile.h"
#include "app/build/BuildEntryNames.h"
#include "app/build/BuildInputFiles.h"
#include "app/build/BuildRoot.h"
#include "app/build/FolderImport.h"
#include "app/build/LeftOutReport.h"
#include "app/build/StagingPlan.h"
#include "app/extraction/ExtractionReport.h"
#include "app/extraction/FileNameRules.h"
#include "app/frmMainQuillon.h"
#include "app/frmMakeRFAPath.h"
#include "classlib/core/Exception.h"
#include "classlib/core/Stream.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Application.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/Handles.h"
#include "classlib/win/ListView.h"
#include "classlib/win/Screen.h"
#include "controls/basic/MwButtonEdit.h"
#include "controls/basic/MwPanel.h"
#include "controls/basic/MwProgressBar.h"
#include "controls/basic/MwRadioGroup.h"
#include "controls/navigation/MwTreeView.h"
#include "controls/shell/MwSelectFolderDialog.h"
#include "utils/UtFileUtils.h"

namespace {

// Every file of a folder, hidden and system ones too, but no folders: read-only, hidden,
// system and archive.
constexpr unsigned kImportedFileAttributes = 47;

// The node's folder and every folder below it, parents first.
void CollectFolderPaths(const cl::TTreeNode* node, std::vector<std::string>& paths) {
    paths.push_back(TfrmMainQuillon::NodeFolderPath(node));
    for (const cl::TTreeNode* child = node->GetFirstChild(); child; child = child->GetNextSibling())
        CollectFolderPaths(child, paths);
}

// The folders and the files directly in a disk folder (given with a trailing "\"), told apart by
// the attributes the listing gives: a folder whose path is too long to look up is still a
// folder. False when the folder could not be listed.
bool ListFolder(const std::string& folder, std::vector<std::string>& subfolders, std::vector<std::string>& files) {
    std::vector<std::string> all;
    if (!ut::CollectFolderEntries(folder + "*.*", ut::kAnyFileAttributes, all)) return false;
    // False as well for a folder without files.
    ut::CollectFolderEntries(folder + "*.*", kImportedFileAttributes, files);
    const std::set<std::string> fileNames(files.begin(), files.end());
    for (const std::string& name : all)
        if (fileNames.count(name) == 0) subfolders.push_back(name);
    return true;
}

bool ListSubfolders(const std::string& folder, std::vector<std::string>& names) {
    std::vector<std::string> files;
    return ListFolder(folder, names, files);
}

std::string WithoutTrailingBackslash(const std::string& folder) {
    return folder.size() > 1 && folder.back() == '\\' ? folder.substr(0, folder.size() - 1) : folder;
}

bool Confirmed(const std::string& question) {
    return cl::MessageDlg(question, cl::TMsgDlgType::Confirmation, cl::mbYesNo) == cl::mrYes;
}

void WriteTextFile(const std::string& path, const std::string& text) {
    cl::TFileStream file(path, cl::FileMode::Create);
    file.WriteBuffer(text.data(), text.size());
    file.Flush();
}

// The last write time of a file; nothing when there is no such file.
std::optional<FILETIME> LastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return data.ftLastWriteTime;
}

// Runs the batch file in the program's folder, its console window hidden, and waits until it
// ends, without handling messages meanwhile. False when it could not be started.
bool RunBuildBatch(const std::string& programFolder) {
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_DDEWAIT | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = "Open";
    info.lpFile = "rfabatch.bat";
    info.lpParameters = "";
    info.lpDirectory = programFolder.c_str();
    info.nShow = SW_HIDE;
    if (!ShellExecuteExA(&info)) return false;
    if (info.hProcess) {
        cl::TKernelHandle process(info.hProcess);
        WaitForSingleObject(process.Get(), INFINITE);
    }
    return true;
}

// The hourglass and the progress bar for one build; both are reset however it ends, and the
// staging folder goes with them.
class TBuildStaging {
public:
    TBuildStaging(std::string folder, TMwProgressBar& progress) : folder_(std::move(folder)), progress_(progress) {}
    ~TBuildStaging() {
        progress_.SetPercent(0);
        cl::Screen().SetCursor(cl::crDefault);
        ut::DeleteFolderTree(folder_, false);
    }
    TBuildStaging(const TBuildStaging&) = delete;
    TBuildStaging& operator=(const TBuildStaging&) = delete;

private:
    std::string folder_;
    TMwProgressBar& progress_;
};

template <class T>
struct TFormFree {
    void operator()(T* form) const { cl::Free(form); }
};

}  // namespace

// ---- adding and removing files ----

void TfrmMainQuillon::AddFileToBuild(const std::string& diskPath) {
    cl::TTreeNode* folder = tvFolders->Selected();
    if (!folder) return;  // a file belongs in a folder
    AddFileToBuildFolder(NodeFolderPath(folder) + "/", diskPath);
}

bool TfrmMainQuillon::AddFileToBuildFolder(const std::string& folder, const std::string& diskPath) {
    const std::string name = cl::ExtractFileName(diskPath);
    // Every question first, each naming the entry as it is spelt: a No leaves the lists as
    // they were.
    const std::vector<int> namesakes = FolderNamesakes(folder, name);
    for (const int index : namesakes)
        if (!Confirmed("Do you want to replace \"" + (*Entries)[index] + "\"?")) return false;
    RemoveEntriesAndItems(namesakes);
    AppendAddedFile(folder, cl::ExtractFilePath(diskPath), name);
    BuildDirty = true;
    return true;
}

std::vector<int> TfrmMainQuillon::FolderNamesakes(const std::string& folder, const std::string& name) const {
    // Names that differ only in case are one file on disk, and so in the built archive.
    std::vector<int> namesakes;
    if (folder.empty()) return namesakes;
    const std::string_view folderPath = std::string_view(folder).substr(0, folder.size() - 1);
    const quillon::TFolderModel::FolderId id = Folders.FindFolder(folderPath);
    if (id == quillon::TFolderModel::kNoFolder) return namesakes;
    std::vector<const quillon::TRFAFile*> archiveNamesakes;
    bool addedNamesake = false;
    for (const quillon::TFolderModel::TFolderEntry& entry : Folders.EntriesIn(id)) {
        const bool added = entry.File == nullptr;
        if (!quillon::EqualsIgnoringCase(std::string_view(entry.Name).substr(added ? 1 : 0), name)) continue;
        if (added) addedNamesake = true;
        else archiveNamesakes.push_back(entry.File);
    }
    // Added files first, then archive entries.
    if (addedNamesake) {
        const std::string addedName = folder + "*" + name;
        for (int i = 0; i < Entries->Count(); ++i)
            if (IsAddedFileAt(i) && quillon::EqualsIgnoringCase((*Entries)[i], addedName)) namesakes.push_back(i);
    }
    for (const quillon::TRFAFile* file : archiveNamesakes) namesakes.push_back(Entries->IndexOfObject(file));
    return namesakes;
}

void TfrmMainQuillon::AppendAddedFile(const std::string& folder, const std::string& sourceDir, const std::string& name) {
    const std::string entry = quillon::AddedEntryName(folder, name);
    Entries->AddInteger(entry, SourceDirs->Add(sourceDir));
    Folders.AddEntry(entry, nullptr);
    // The file list changes with the lists only while it shows that folder.
    if (quillon::EqualsIgnoringCase(folder, CurrentFolder)) lvFiles->AddItem()->SetCaption("*" + name);
}

void TfrmMainQuillon::RemoveEntriesAndItems(std::vector<int> indexes) {
    // From the last, so that the indexes still to come stay right.
    std::sort(indexes.begin(), indexes.end());
    for (auto index = indexes.rbegin(); index != indexes.rend(); ++index) {
        // The item showing the entry: an archive entry's carries it, an added file's is the
        // folder's one item of its caption.
        const quillon::TRFAFile* entry =
            IsAddedFileAt(*index) ? nullptr : static_cast<quillon::TRFAFile*>(Entries->Objects(*index));
        const std::string name = (*Entries)[*index];
        const size_t slash = name.rfind('/');
        const std::string caption = name.substr(slash + 1);
        const bool listed = slash != std::string::npos &&
                            quillon::EqualsIgnoringCase(std::string_view(name).substr(0, slash + 1), CurrentFolder);
        for (int i = lvFiles->ItemCount() - 1; listed && i >= 0; --i) {
            const cl::TListItem* item = lvFiles->Item(i);
            if (ItemEntry(item) == entry && (entry || item->Caption() == caption)) {
                if (item == ShownItem) ShownItem = nullptr;
                lvFiles->DeleteItem(i);
                break;
            }
        }
        RemoveEntryAt(*index);
    }
}

void TfrmMainQuillon::RemoveEntryAt(int index) {
    const std::string name = (*Entries)[index];
    if (IsAddedFileAt(index)) {
        Folders.RemoveEntry(name, nullptr);
    } else {
        auto* entry = static_cast<quillon::TRFAFile*>(Entries->Objects(index));
        Folders.RemoveEntry(name, entry);
        // Nothing may point at the entry once it is off the list (the store keeps it until the
        // list is cleared).
        if (CurrentEntry == entry) CurrentEntry = nullptr;
        if (CurrentWavFile == entry) {
            CurrentWav.clear();
            CurrentWavFile = nullptr;
        }
        if (LastWavFile == entry) {
            LastWav.clear();
            LastWavFile = nullptr;
        }
    }
    Entries->Delete(index);
}

void TfrmMainQuillon::RemoveSelectedFiles() {
    const int count = lvFiles->SelCount();
    if (count == 0) return;
    if (!Confirmed(count == 1 ? std::string("Are you sure you want to remove the selected file?")
                              : "Are you sure you want to remove the " + cl::IntToStr(count) + " selected files?"))
        return;
    BuildDirty = true;
    // The file shown is among them (the first selected): the preview goes with it.
    if (ShownItem && ShownItem->Selected()) ForgetShownFile();
    ShownItem = nullptr;
    for (int i = lvFiles->ItemCount() - 1; i >= 0; --i) {
        if (!lvFiles->Item(i)->Selected()) continue;
        // Each item's own entry, whatever other entries share its name.
        const int entry = ItemEntryIndex(lvFiles->Item(i));
        if (entry >= 0) RemoveEntryAt(entry);
        lvFiles->DeleteItem(i);
    }
}

void TfrmMainQuillon::AddFiles1Click(cl::TObject*) {
    // The dialog also loads texts into the editor, under its own title.
    const std::string title = OpenDialog2->Title();
    OpenDialog2->SetTitle("Add File");
    const bool chosen = OpenDialog2->Execute();
    OpenDialog2->SetTitle(title);
    if (!chosen) return;
    for (const std::string& file : OpenDialog2->Files()->ToVector()) AddFileToBuild(file);
}

void TfrmMainQuillon::actAddFileExecute(cl::TObject* Sender) { AddFiles1Click(Sender); }

void TfrmMainQuillon::actAddFileUpdate(cl::TObject*) { actAddFile->SetVisible(tvFolders->Selected() != nullptr); }

void TfrmMainQuillon::RemoveFiles1Click(cl::TObject*) { RemoveSelectedFiles(); }

void TfrmMainQuillon::actDeleteFileExecute(cl::TObject*) { RemoveSelectedFiles(); }

void TfrmMainQuillon::actDeleteFileUpdate(cl::TObject*) { actDeleteFile->SetVisible(lvFiles->SelCount() > 0); }

// ---- folders ----

void TfrmMainQuillon::NewFolder() {
    const std::string name = cl::Trim(cl::InputBox("A name for your folder?", "New Folder", ""));
    if (name.empty()) return;
    // The name becomes a folder below the staging folder at the build: it may not lead
    // elsewhere, nor split into several folders.
    if (!quillon::IsSafeFileName(name, quillon::FileSystemNameRules())) {
        cl::MessageDlg("Sorry, \"" + name + "\" cannot be the name of a folder.", cl::TMsgDlgType::Warning, cl::mbOK);
        return;
    }
    cl::TTreeNode* parent = tvFolders->Selected();
    const std::string path = (parent ? NodeFolderPath(parent) + "/" : std::string()) + name;
    if (Folders.FindFolder(path) != quillon::TFolderModel::kNoFolder) {
        cl::MessageDlg("Sorry, the folder you are trying to create, already exists.", cl::TMsgDlgType::Warning, cl::mbOK);
        return;
    }
    tvFolders->BeginUpdate();
    AddFolderPath(path + "/");
    tvFolders->EndUpdate();
    cl::TTreeNode* node = FolderNodes[Folders.FindFolder(path)];
    node->SetSelected(true);
    node->MakeVisible();
    BuildDirty = true;
}

void TfrmMainQuillon::createNewFolder1Click(cl::TObject*) { NewFolder(); }

void TfrmMainQuillon::actNewFolderExecute(cl::TObject*) { NewFolder(); }

void TfrmMainQuillon::actDeleteFolderExecute(cl::TObject*) {
    cl::TTreeNode* node = tvFolders->Selected();
    if (!node) return;
    if (!Confirmed("Delete folder \"" + node->Text() + "\", and all files within?")) return;
    const std::string path = NodeFolderPath(node);
    // A file of the folder shown goes with it, and so does an edit of one, which has nowhere to
    // go any more.
    if (ShownItem || quillon::IsEntryBelow(EditedFolder + EditedFileName, path)) ForgetShownFile();
    // The list shows the folder: its items go with their entries.
    lvFiles->ClearItems();
    ShownItem = nullptr;
    for (int i = Entries->Count() - 1; i >= 0; --i)
        if (quillon::IsEntryBelow((*Entries)[i], path)) RemoveEntryAt(i);
    for (const quillon::TFolderModel::FolderId folder : Folders.RemoveFolderTree(path))
        if (folder < FolderNodes.size()) FolderNodes[folder] = nullptr;
    node->Delete();
    BuildDirty = true;
}

void TfrmMainQuillon::actDeleteFolderUpdate(cl::TObject*) { actDeleteFolder->SetVisible(tvFolders->Selected() != nullptr); }

void TfrmMainQuillon::ImportFolders1Click(cl::TObject*) {
    if (SelectFolderDialog1->Execute()) ImportFolder(SelectFolderDialog1->SelectedPath());
}

void TfrmMainQuillon::ImportFolder(const std::string& dir) {
    const std::string folder = WithoutTrailingBackslash(dir);
    // Below the selected folder, or at the top level without one: never below a folder an
    // earlier import chose.
    const cl::TTreeNode* selected = tvFolders->Selected();
    ImportBase = selected ? NodeFolderPath(selected) + "/" : std::string();
    ImportRootParent = cl::ExtractFilePath(folder);
    ImportTargets->Clear();
    ImportSources->Clear();
    const auto plan = quillon::PlanFolderImport(folder, ImportBase, &ListSubfolders);
    if (!plan || plan->Folders.empty()) {
        cl::MessageDlg("The folder \"" + folder + "\" was not imported: " +
                           (plan ? "it could not be read." : "a drive cannot be imported as a folder."),
                       cl::TMsgDlgType::Error, cl::mbOK);
        return;
    }
    for (const quillon::TImportedFolder& f : plan->Folders) {
        ImportTargets->Add(f.Target);
        ImportSources->Add(f.Source);
    }

    // Parents before children; a folder that is there already takes the import's files.
    tvFolders->BeginUpdate();
    for (auto f = plan->Folders.rbegin(); f != plan->Folders.rend(); ++f) AddFolderPath(f->Target + "/");
    tvFolders->EndUpdate();

    std::vector<std::string> leftOut = plan->Unlisted;
    for (const quillon::TImportedFolder& f : plan->Folders) {
        const std::string archiveFolder = Folders.FolderPath(Folders.FindFolder(f.Target)) + "/";
        std::vector<std::string> subfolders;
        std::vector<std::string> files;
        if (!ListFolder(f.Source, subfolders, files)) {
            leftOut.push_back(WithoutTrailingBackslash(f.Source));
            continue;
        }
        for (const std::string& name : files) {
            // One entry per name: the imported file takes the place of those there before.
            RemoveEntriesAndItems(FolderNamesakes(archiveFolder, name));
            AppendAddedFile(archiveFolder, f.Source, name);
        }
    }
    // The imported files are work no build has taken yet: "Build RFA" is offered for them, and
    // they are not thrown away without a question.
    BuildDirty = true;
    if (!leftOut.empty())
        cl::MessageDlg(quillon::ListMessage("The folder \"" + folder +
                                                "\" was imported, but these folders could not be read and what they "
                                                "hold was left out:",
                                            leftOut),
                       cl::TMsgDlgType::Warning, cl::mbOK);
}

// ---- a new build list ----

void TfrmMainQuillon::ClearBuildList() {
    BuildDirty = false;
    ArchiveEntryCount = 0;
    // Nothing may point into the entries about to be freed.
    CurrentEntry = nullptr;
    CurrentWav.clear();
    CurrentWavFile = nullptr;
    LastWav.clear();
    LastWavFile = nullptr;
    EditedFolder.clear();
    EditedFileName.clear();
    tvFolders->BeginUpdate();
    tvFolders->ClearNodes();
    tvFolders->EndUpdate();
    lvFiles->BeginUpdate();
    lvFiles->ClearItems();
    lvFiles->EndUpdate();
    ClearEntries();
    SourceDirs->Clear();
    ImportTargets->Clear();
    ImportSources->Clear();
    ClearPreview();
    pnlViewing->SetCaption("Currently Viewing:");
}

bool TfrmMainQuillon::BuildListDiffers() const {
    if (!BuildDirty) return false;
    int archiveEntries = 0;
    for (int i = 0; i < Entries->Count(); ++i) {
        if (IsAddedFileAt(i)) return true;
        ++archiveEntries;
    }
    return archiveEntries != ArchiveEntryCount;
}

bool TfrmMainQuillon::MayDiscardBuildList() {
    if (!BuildListDiffers()) return true;
    return Confirmed("The changes to the build list have not been built yet. Saved edits of previewed files are "
                     "among them and will be lost too.\r\rDo you want to go on without building?");
}

void TfrmMainQuillon::FormCloseQuery(cl::TObject*, bool& CanClose) {
    if (!MayLeaveEdit() || !MayDiscardBuildList()) CanClose = false;
}

void TfrmMainQuillon::actNewRFAExecute(cl::TObject*) {
    if (!MayLeaveEdit() || !MayDiscardBuildList()) return;
    OpenDialog1->SetFileName("");
    ClearBuildList();
    actSearch->SetVisible(true);
    SetCaption(kMainWindowCaption);
}

// ---- the build ----

void TfrmMainQuillon::actBuildRFAUpdate(cl::TObject*) { actBuildRFA->SetVisible(BuildDirty); }

void TfrmMainQuillon::actBuildRFAExecute(cl::TObject*) {
    // An edit not saved yet would be missing from the archive, and lost when it opens.
    if (!MayLeaveEdit()) return;
    // A build that would leave files out is the user's choice.
    const std::optional<TBuildPlan> plan = PlanBuild();
    if (!plan) return;
    if (plan->Staging.LeftOutFiles() > 0 &&
        !Confirmed(quillon::LeftOutQuestion(plan->Root->Text(), plan->Staging, plan->Entries)))
        return;
    int compression;
    std::string target;
    {
        std::unique_ptr<TfrmMakeRFAPath, TFormFree<TfrmMakeRFAPath>> dialog(cl::CreateForm<TfrmMakeRFAPath>(this));
        if (dialog->ShowModal() != cl::mrOk) return;
        compression = dialog->MwRadioGroup1->ItemIndex();
        target = dialog->edtRFATarget->Caption();
    }
    const cl::TModalResult open = cl::MessageDlg("Do you want to open the built RFA after the build process finishes?",
                                                 cl::TMsgDlgType::Confirmation, cl::mbYesNoCancel);
    if (open != cl::mrYes && open != cl::mrNo) {
        cl::MessageDlg("Cancelled build.", cl::TMsgDlgType::Information, cl::mbOK);
        return;
    }
    if (!BuildArchive(*plan, target, compression != 0 ? 'N' : 'Y') || open != cl::mrYes) return;

    OpenArchiveFile(target);
    SaveFolderSetting(TFolderKind::Open, cl::ExtractFilePath(target));
    actSearch->SetVisible(true);
}

std::optional<TfrmMainQuillon::TBuildPlan> TfrmMainQuillon::PlanBuild() {
    std::vector<std::string> topFolders;
    for (const cl::TTreeNode* node = tvFolders->GetFirstNode(); node; node = node->GetNextSibling())
        topFolders.push_back(node->Text());
    const cl::TTreeNode* selectedTop = tvFolders->Selected();
    while (selectedTop && selectedTop->Parent()) selectedTop = selectedTop->Parent();
    TBuildPlan plan;
    plan.Entries.reserve(Entries->Count());
    for (int i = 0; i < Entries->Count(); ++i) plan.Entries.push_back({(*Entries)[i], IsAddedFileAt(i)});
    const std::string rootName = quillon::ChooseBuildRoot(topFolders, plan.Entries, selectedTop ? selectedTop->Text() : "");
    for (cl::TTreeNode* node = tvFolders->GetFirstNode(); node && !plan.Root; node = node->GetNextSibling())
        if (node->Text() == rootName) plan.Root = node;
    if (!plan.Root) {
        cl::MessageDlg("The RFA was not built: there is no folder to build.", cl::TMsgDlgType::Error, cl::mbOK);
        return std::nullopt;
    }
    std::vector<std::string> folders;
    CollectFolderPaths(plan.Root, folders);
    std::optional<quillon::TStagingPlan> staging =
        quillon::PlanStaging(rootName, folders, plan.Entries, quillon::FileSystemNameRules());
    if (!staging) {
        cl::MessageDlg("The RFA was not built: \"" + rootName + "\" cannot be the name of a folder.",
                       cl::TMsgDlgType::Error, cl::mbOK);
        return std::nullopt;
    }
    plan.Staging = std::move(*staging);
    return plan;
}

bool TfrmMainQuillon::BuildArchive(const TBuildPlan& built, const std::string& target, char compression) {
    const std::string programFolder = ProgramFolder();
    if (!ut::FileIsPresent(programFolder + quillon::kBuilderProgram)) {
        cl::MessageDlg("The RFA was not built: \"" + std::string(quillon::kBuilderProgram) +
                           "\" is missing from the program's folder.",
                       cl::TMsgDlgType::Error, cl::mbOK);
        return false;
    }
    const cl::TTreeNode* root = built.Root;
    const quillon::TStagingPlan& plan = built.Staging;

    uint64_t claimed = 0;
    for (const quillon::TStagedEntry& staged : plan.Entries)
        if (!IsAddedFileAt(staged.EntryIndex))
            claimed += static_cast<quillon::TRFAFile*>(Entries->Objects(staged.EntryIndex))->Size;
    if (!MayDecode(claimed, "Staging them could fill the disk.\r\rBuild anyway?")) return false;

    const std::string staging = programFolder + quillon::kBuildFolderName;
    const std::string stagedRoot = staging + "\\" + plan.RootPath;
    {
        TBuildStaging stagingScope(staging, *pbAction);
        ut::DeleteFolderTree(staging, false);
        cl::Application()->ProcessMessages();
        cl::Screen().SetCursor(cl::crHourGlass);
        auto createFolder = [](const std::string& path) {
            if (!ut::CreateFolderPath(path)) throw cl::EFCreateError("Cannot create the folder \"" + path + "\"");
        };
        createFolder(stagedRoot);
        for (const std::string& folder : plan.Folders) createFolder(staging + "\\" + folder);

        // The added files are copied; the archive entries are extracted after them, with
        // progress and "Stop" when that takes long.
        const int count = Entries->Count();
        std::vector<TExtractionJob> extractions;
        for (const quillon::TStagedEntry& staged : plan.Entries) {
            const int percent = static_cast<int>(int64_t(staged.EntryIndex) * 100 / count);
            const std::string file = staging + "\\" + staged.RelativePath;
            createFolder(cl::ExtractFilePath(file));
            const std::string name = (*Entries)[staged.EntryIndex];
            if (IsAddedFileAt(staged.EntryIndex)) {
                pbAction->SetPercent(percent);
                const std::string source = (*SourceDirs)[static_cast<int>(Entries->Integers(staged.EntryIndex))] +
                                           std::string(quillon::AddedFileName(name));
                if (!CopyFileA(source.c_str(), file.c_str(), FALSE))
                    throw cl::EFCreateError("Cannot copy \"" + source + "\" to \"" + file + "\"");
                SetFileAttributesA(file.c_str(), GetFileAttributesA(file.c_str()) & ~FILE_ATTRIBUTE_READONLY);
            } else {
                extractions.push_back(
                    {name, static_cast<quillon::TRFAFile*>(Entries->Objects(staged.EntryIndex)), file, percent});
            }
        }
        std::vector<std::string> failed;
        if (!WriteEntries(extractions, failed)) {
            cl::MessageDlg("Cancelled build.", cl::TMsgDlgType::Information, cl::mbOK);
            return false;
        }
        if (!failed.empty()) {
            cl::MessageDlg(quillon::ListMessage("The RFA was not built: these files could not be staged:", failed),
                           cl::TMsgDlgType::Error, cl::mbOK);
            return false;
        }
        WriteTextFile(programFolder + quillon::kBuildParameterFile,
                      quillon::BuildParameterText(stagedRoot, root->Text(), target, compression == 'Y'));
        WriteTextFile(programFolder + quillon::kBuildBatchFile, quillon::BuildBatchText());
        pbAction->SetPercent(0);
        cl::Screen().SetCursor(cl::crDefault);
        // Only a target the builder wrote counts: a missing or failing builder writes none.
        const std::optional<FILETIME> before = LastWriteTime(target);
        const bool started = RunBuildBatch(programFolder);
        const std::optional<FILETIME> after = LastWriteTime(target);
        const bool written = after && (!before || CompareFileTime(&*before, &*after) != 0);
        if (!started || !written) {
            cl::MessageDlg("The RFA was not built: the builder did not write \"" + target + "\".", cl::TMsgDlgType::Error,
                           cl::mbOK);
            return false;
        }
    }
    // Never "built" alone when files were left out.
    cl::MessageDlg(plan.LeftOutFiles() == 0 ? std::string("The RFA has been built.")
                                             : quillon::BuiltWithoutText(root->Text(), plan.LeftOutFiles()),
                   cl::TMsgDlgType::Information, cl::mbOK);
    return true;
}
