#pragma once
// The main window: the archive explorer's components, its own state and its handlers. The
// handlers live in files by concern (start-up, archive, extraction, preview, build, search,
// settings); this header is the one place that declares them all.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/archive/FolderModel.h"
#include "app/archive/RFAFileStore.h"
#include "app/build/StagingPlan.h"
#include "classlib/core/Geometry.h"
#include "classlib/core/StringList.h"
#include "classlib/win/Form.h"

namespace cl {
class TAction;
class TListColumn;
class TListItem;
class TTreeNode;
enum class TItemChange;
class TActionList;
class TImageList;
class TListView;
class TMediaPlayer;
class TOpenDialog;
class TPopupMenu;
class TRichEdit;
class TSaveDialog;
class TImage;
class TScrollBox;
class TIniFile;
class TCanvas;
class TTimer;
}  // namespace cl

class TMwStatusBar;
class TMwVersionInfoStatus;
class TMwProgressBar;
class TMwClockStatus;
class TMwGroupBar;
class TMwGroup;
class TMwSplitter;
class TMwTreeView;
class TMwPanel;
class TMwPageControl;
class TMwTabSheet;
class TMwToolbar;
class TMwRichEdit;
class TMwFontComboBox;
class TMwCheckBox;
class TMwSelectFolderDialog;
class TMwLauncher;
class TMwRegIniFile;
class TMwFormState;
class TMwTrayIcon;
class TMwVersionInfo;
class TDropFileSource;
class TDropFileTarget;
class TfrmDoSearch;
namespace quillon {
struct TRFAFile;
struct TRFADirectory;
class TDevILLibrary;
class TArchiveInput;
class TDecodeBuffers;
}

extern const char kMainWindowCaption[];  // "Col. Dalverin's BF1942 Quillon"
extern const char kApplicationTitle[];   // "Col. Dalverin's Quillon"
extern const char kInstanceMutexName[];  // "Quillon"

class TfrmMainQuillon : public cl::TForm {
    CL_CLASS_INFO()
public:
    explicit TfrmMainQuillon(cl::TComponent* owner);
    ~TfrmMainQuillon() override;

    // ---- components, filled by name from the form resource ----
    TMwStatusBar* MwStatusBar1 = nullptr;
    TMwVersionInfoStatus* MwVersionInfoStatus1 = nullptr;
    TMwProgressBar* pbAction = nullptr;
    TMwClockStatus* MwClockStatus1 = nullptr;
    TMwGroupBar* gbMain = nullptr;
    TMwGroup* gbView = nullptr;
    TMwGroup* gbActions = nullptr;
    TMwGroup* gbOptions = nullptr;
    TMwSplitter* MainSplitter = nullptr;
    TMwSplitter* MwSplitter1 = nullptr;
    TMwTreeView* tvFolders = nullptr;
    TMwPanel* MwPanel1 = nullptr;
    cl::TListView* lvFiles = nullptr;
    TMwPanel* pnlViewing = nullptr;
    TMwPageControl* pcPreview = nullptr;
    TMwTabSheet* tsCode = nullptr;
    TMwTabSheet* tsGraphic = nullptr;
    cl::TOpenDialog* OpenDialog1 = nullptr;
    cl::TOpenDialog* OpenDialog2 = nullptr;
    cl::TSaveDialog* SaveDialog1 = nullptr;
    TMwSelectFolderDialog* SelectFolderDialog1 = nullptr;
    cl::TImageList* ilLarge = nullptr;
    cl::TImageList* ilSmall = nullptr;
    cl::TImageList* ilIcons = nullptr;
    cl::TImageList* ilTreeView = nullptr;
    cl::TImageList* ilToolBar = nullptr;
    TDropFileSource* DropFileSource1 = nullptr;
    TDropFileTarget* DropFileTarget1 = nullptr;
    cl::TPopupMenu* pmFiles = nullptr;
    cl::TPopupMenu* pmFolders = nullptr;
    cl::TActionList* ActionList1 = nullptr;
    cl::TAction* actSearch = nullptr;
    TMwLauncher* Launcher = nullptr;
    TMwRegIniFile* RegFile = nullptr;
    TMwFormState* MwFormState1 = nullptr;
    TMwTrayIcon* MwTrayIcon1 = nullptr;
    cl::TMediaPlayer* MediaPlayer1 = nullptr;
    TMwFontComboBox* MwFontComboBox1 = nullptr;
    TMwCheckBox* cbFonts = nullptr;
    TMwRichEdit* rePreview = nullptr;
    cl::TScrollBox* ScrollBox1 = nullptr;
    cl::TImage* imgPreview = nullptr;
    cl::TAction* actPlayWav = nullptr;
    cl::TAction* actStopWav = nullptr;
    cl::TAction* actSaveChanges = nullptr;
    cl::TAction* actCut = nullptr;
    cl::TAction* actCopy = nullptr;
    cl::TAction* actPaste = nullptr;
    cl::TAction* actOpenText = nullptr;
    cl::TAction* actExtractFile = nullptr;
    cl::TAction* actExtractDir = nullptr;
    cl::TAction* actLaunchFile = nullptr;
    cl::TAction* actDeleteFile = nullptr;
    cl::TAction* actDeleteFolder = nullptr;
    cl::TAction* actBuildRFA = nullptr;
    cl::TAction* actAddFile = nullptr;
    cl::TAction* actNewFolder = nullptr;
    cl::TAction* actNewRFA = nullptr;

    // ---- own state ----
    // Every archive entry (its full name, with its TRFAFile) and every file added for the next
    // build ("folder/*name"); Folders mirrors it per folder. ArchiveFiles holds the TRFAFiles.
    std::unique_ptr<cl::TStringList> Entries;
    quillon::TRFAFileStore ArchiveFiles;
    // The archive's folders, looked up by path without regard to case, and their tree nodes.
    quillon::TFolderModel Folders;
    std::vector<cl::TTreeNode*> FolderNodes;
    std::unique_ptr<cl::TStringList> SourceDirs;
    std::unique_ptr<cl::TStringList> IconCache;
    std::unique_ptr<cl::TStringList> ImportTargets;
    std::unique_ptr<cl::TStringList> ImportSources;
    std::string CurrentFolder;
    quillon::TRFAFile* CurrentEntry = nullptr;
    std::string CurrentWav;
    std::string LastWav;
    // The archive sound LastWav names (temp.wav holds its bytes); none for an added file's.
    const quillon::TRFAFile* LastWavFile = nullptr;
    bool Playing = false;
    bool BuildDirty = false;
    int ArchiveEntryCount = 0;  // archive entries in Entries when the archive was loaded
    int SortColumn = 0;
    cl::TPoint MouseDownPoint;
    bool optAssociate = false;
    bool optPreview = false;
    bool optMinSysTray = false;
    bool optOPEN = false;
    bool optPlayWav = false;
    bool optSave = false;
    std::string OpenFolder;
    std::string SaveFolder;
    std::string ImportRootParent;
    std::string ImportBase;
    // The archive entry of the sound in CurrentWav; none for an added file's sound.
    quillon::TRFAFile* CurrentWavFile = nullptr;
    // While the editor holds an archive entry's text for editing: that entry's folder ("/"
    // separators, trailing "/") and file name, where a save puts the edit.
    std::string EditedFolder;
    std::string EditedFileName;
    // Edits saved in this run; each save has a folder of its own below the temporary folder.
    int SavedEdits = 0;
    // DevIL.DLL once it is loaded; a missing or unusable DLL is reported once per run.
    std::unique_ptr<quillon::TDevILLibrary> ImageLibrary;
    bool ImageLibraryReported = false;
    // A button went down in the file list and no drag has started since.
    bool DragOutPending = false;

    // The program's folder (with a trailing "\") and the temporary folder inside it.
    static std::string ProgramFolder();
    static std::string TempFolder();

    // ---- start-up and end (frmMainStartup.cpp) ----
    void FormCreate(cl::TObject* Sender);
    void FormShow(cl::TObject* Sender);
    void FormCloseQuery(cl::TObject* Sender, bool& CanClose);
    void FormDestroy(cl::TObject* Sender);
    // Frees the archive entries and empties the entry and folder lists.
    void ClearEntries();
    // A file added for the next build, not an archive entry (whose name may hold "*" too).
    bool IsAddedFileAt(int index) const;
    // The archive entry a list item shows: its own, whatever other entries share its name;
    // none for a file added for the next build.
    static quillon::TRFAFile* ItemEntry(const cl::TListItem* item);
    // The Entries index of what a list item shows (archive entry or added file), or -1.
    int ItemEntryIndex(const cl::TListItem* item) const;
    void MwPanel1Click(cl::TObject* Sender);
    void imgPreviewClick(cl::TObject* Sender);

    // ---- archive (frmMainArchive.cpp) ----
    void LoadArchive();
    // Shows the archive at path in place of the build list; the caption names it. An archive
    // that cannot be read leaves the window as it was.
    void OpenArchiveFile(const std::string& path);
    // The whole directory of an archive, read and checked before anything of it is shown.
    static quillon::TRFADirectory ReadArchiveDirectory(const std::string& path);
    void ShowArchiveDirectory(const quillon::TRFADirectory& directory);
    void AddFolderPath(const std::string& entryName);
    // Makes the tree nodes of new folders, given parents before children.
    void AddFolderNodes(const std::vector<quillon::TFolderModel::FolderId>& folders);
    cl::TTreeNode* FindParentFolderNode(const std::string& folderPath) const;
    // A folder node's path as the tree spells it, "/" separated, without a trailing "/".
    static std::string NodeFolderPath(const cl::TTreeNode* node);
    void AddEntry(const std::string& name, uint32_t archiveSize, uint32_t directoryOffset, uint32_t dataOffset,
                  uint32_t index, uint32_t size);
    void tvFoldersChange(cl::TObject* Sender, cl::TTreeNode* Node);
    int IconIndexForExt(const std::string& fileName);
    // Adds one icon to each of the small and large image lists, scaled to them; the index in
    // the large list.
    int AddShellIcons(HICON large, HICON small);
    void lvFilesColumnClick(cl::TObject* Sender, cl::TListColumn* Column);
    void lvFilesCompare(cl::TObject* Sender, cl::TListItem* Item1, cl::TListItem* Item2, int Data, int& Compare);
    void lvFilesChanging(cl::TObject* Sender, cl::TListItem* Item, cl::TItemChange Change, bool& AllowChange);
    // Writes the decoded CurrentEntry to the file, replacing it only once the whole entry is
    // written: damaged data raises and leaves a file that was there as it was. progress, when
    // given, runs now and then with the output so far and may throw to abandon the entry.
    void ExtractEntry(const std::string& targetPath, const std::function<void(uint64_t output)>& progress = nullptr);
    // The decoded CurrentEntry, in memory, with room for its Size made first (the caller has
    // bounded it); damaged data raises.
    std::string DecodeEntryText();

    // ---- preview and editor (frmMainPreview.cpp) ----
    void lvFiles1SelectItem(cl::TObject* Sender, cl::TListItem* Item, bool Selected);
    // After a selection change while the editor held changes: asks to save them, then shows
    // the file the user selected. Runs once the list view is done with the click.
    void SelectionChangedAfterEdit();
    // Before an edit in the editor is lost: true when there is none, or the user saved it
    // (Yes) or dropped it (No); false when the user cancelled or the save did not happen.
    bool MayLeaveEdit(const std::string& question = kEditChangedQuestion);
    static constexpr char kEditChangedQuestion[] = "The text has been changed. Save the changes?";
    void tsGraphicResize(cl::TObject* Sender);
    // Loads DevIL.DLL from the program's folder when it is not loaded yet and calls ilInit;
    // false, after telling the user once, when the DLL is missing or unusable.
    bool InitImageLibrary();
    // The disk file of an added file's list caption ("*" and its name) in the selected
    // folder; empty when there is none.
    std::string AddedFileSource(const std::string& caption);
    void actPlayWavExecute(cl::TObject* Sender);
    void actPlayWavUpdate(cl::TObject* Sender);
    void actStopWavExecute(cl::TObject* Sender);
    void actStopWavUpdate(cl::TObject* Sender);
    void MediaPlayer1Notify(cl::TObject* Sender);
    void actSaveChangesExecute(cl::TObject* Sender);
    void actSaveChangesUpdate(cl::TObject* Sender);
    void actOpenTextExecute(cl::TObject* Sender);
    void actOpenTextUpdate(cl::TObject* Sender);
    void actCutExecute(cl::TObject* Sender);
    void actCopyExecute(cl::TObject* Sender);
    void Cut1Click(cl::TObject* Sender);
    void actPasteExecute(cl::TObject* Sender);
    void actCutUpdate(cl::TObject* Sender);
    void actPasteUpdate(cl::TObject* Sender);
    void MwFontComboBox1Change(cl::TObject* Sender);
    void cbFontsClick(cl::TObject* Sender);

    // ---- extraction, launch and drag and drop (frmMainExtraction.cpp) ----
    void actExtractFileExecute(cl::TObject* Sender);
    void actExtractFileUpdate(cl::TObject* Sender);
    void actExtractDirExecute(cl::TObject* Sender);
    void actExtractDirUpdate(cl::TObject* Sender);
    void actLaunchFileExecute(cl::TObject* Sender);
    void LauncherError(cl::TObject* Sender, unsigned ErrorCode);
    void lvFiles1DblClick(cl::TObject* Sender);
    void lvFiles1MouseDown(cl::TObject* Sender, cl::TMouseButton Button, cl::TShiftState Shift, int X, int Y);
    void lvFiles1MouseMove(cl::TObject* Sender, cl::TShiftState Shift, int X, int Y);
    void DropFileTarget1Drop(cl::TObject* Sender, cl::TShiftState Shift, cl::TPoint Point, int& Effect);
    void gbActionsCanOpen(cl::TObject* Sender, bool& CanOpen);
    void AddFiles1DrawItem(cl::TObject* Sender, cl::TCanvas& ACanvas, cl::TRect ARect, bool Selected);
    void Report1Click(cl::TObject* Sender);
    void SmallIcon1Click(cl::TObject* Sender);
    void LargeIcons1Click(cl::TObject* Sender);
    void lvFiles1KeyDown(cl::TObject* Sender, WORD& Key, cl::TShiftState Shift);
    void tvFoldersKeyDown(cl::TObject* Sender, WORD& Key, cl::TShiftState Shift);
    void tvFoldersMouseDown(cl::TObject* Sender, cl::TMouseButton Button, cl::TShiftState Shift, int X, int Y);

    // ---- build list (frmMainBuild.cpp) ----
    // Adds a disk file to the selected folder for the next build.
    void AddFileToBuild(const std::string& diskPath);
    // Adds a disk file to a folder ("/" separators, trailing "/") for the next build, asking
    // before it replaces a file of the same name there; false when the user declined.
    bool AddFileToBuildFolder(const std::string& folder, const std::string& diskPath);
    // Removes the list's selected files from the build list, after asking.
    void RemoveSelectedFiles();
    // Asks for a name and adds a folder of that name below the selected folder.
    void NewFolder();
    // Adds a disk folder (no trailing "\"), the folders below it and their files below the
    // selected folder.
    void ImportFolder(const std::string& dir);
    void actAddFileExecute(cl::TObject* Sender);
    void actAddFileUpdate(cl::TObject* Sender);
    void AddFiles1Click(cl::TObject* Sender);
    void actDeleteFileExecute(cl::TObject* Sender);
    void actDeleteFileUpdate(cl::TObject* Sender);
    void RemoveFiles1Click(cl::TObject* Sender);
    void actNewFolderExecute(cl::TObject* Sender);
    void createNewFolder1Click(cl::TObject* Sender);
    void actDeleteFolderExecute(cl::TObject* Sender);
    void actDeleteFolderUpdate(cl::TObject* Sender);
    void actNewRFAExecute(cl::TObject* Sender);
    // Whether the build list holds work a build has not yet taken: files added (saved edits
    // among them) or archive entries removed.
    bool BuildListDiffers() const;
    // Before the build list is thrown away: true when there is nothing to lose or the user
    // agrees to lose it.
    bool MayDiscardBuildList();
    void ImportFolders1Click(cl::TObject* Sender);
    void actBuildRFAExecute(cl::TObject* Sender);
    void actBuildRFAUpdate(cl::TObject* Sender);

    // ---- search (frmMainSearch.cpp) ----
    void actSearchExecute(cl::TObject* Sender);
    // Lists the entries whose string contains the (trimmed) term.
    void SearchNames(const std::string& term);
    // Searches the contents of the archive's text entries inside the progress dialog.
    void SearchContents(const std::string& term);
    // The content search itself, run by the progress dialog once it shows.
    void RunSearch(TfrmDoSearch& dialog);
    // Whether CurrentEntry's decoded contents hold the term; stores its SegmentCount. The
    // buffers are kept from one entry to the next.
    bool FoundInFile(quillon::TArchiveInput& archive, quillon::TDecodeBuffers& buffers, const std::string& term,
                     const std::function<void()>& whileReading);

    // ---- settings, options, ".rfa" association, opening an archive, about box (frmMainSettings.cpp) ----
    enum class TFolderKind { Open, Save };
    // "quillon.ini" in the program's folder.
    static std::string SettingsFile();
    // Reads the options and the remembered folders. Without a settings file the defaults
    // apply and nothing is written.
    void LoadSettings();
    // Remembers the folder of the archive open dialog or of the extraction save dialog, in
    // the field and in the settings file (which is made when absent).
    void SaveFolderSetting(TFolderKind kind, const std::string& folder);
    // Where the ".rfa" association may be written, tried in order: a registry root and the
    // path of the classes below it.
    struct TClassesPlace {
        HKEY Root;
        std::string Prefix;
    };
    // The classes of the machine (administrators may write there), then the user's own.
    static std::vector<TClassesPlace>& AssociationPlaces();
    // Registers this program as the one that opens ".rfa" files, or takes that back. False
    // when the association could be written nowhere.
    bool ApplyAssociation(bool on);
    // Applies optAssociate; when the registry refuses it, says so and turns the option off in
    // the settings file.
    void ApplyAssociationOption(cl::TIniFile& settings);
    void actOptionsExecute(cl::TObject* Sender);
    void actOpenRFAExecute(cl::TObject* Sender);
    void actHelpExecute(cl::TObject* Sender);

protected:
    void WndProc(cl::TMessage& message) override;
    // Points the settings store at the program's settings file before any create handler
    // runs: the form state decides at creation whether a stored placement applies.
    void Loaded() override;

private:
    // Posted to the window by a selection change that waits for SelectionChangedAfterEdit.
    static constexpr UINT kSelectionChangedMessage = WM_APP + 1;

    // ---- settings steps (frmMainSettings.cpp) ----
    // Reads the six options (and sets up the tray icon) from the open settings file.
    void ReadOptions(const cl::TIniFile& settings);

    // ---- preview steps (frmMainPreview.cpp) ----
    // Stops a sound and shows the list's (first) selected file, unless it is shown already.
    void ShowSelectedFile();
    void PreviewAddedFile(const std::string& caption);
    // Makes the entry current and, unless it is shown already, shows it.
    void PreviewArchiveEntry(quillon::TRFAFile* entry, bool alreadyShown);
    // Shows a text in the editor; true when it may be edited there.
    bool ShowText(std::string text, const std::string& shownPath, bool editable);
    void ShowPicture(const std::string& source, const std::string& shownPath);
    void ShowNoPicture(const std::string& shownPath);
    // The image as large as its picture, which the scroll box scrolls; without a picture it
    // fills the box.
    void FitPreviewImage();
    void ShowTooLarge(const std::string& shownPath);
    void ShowNoPreview(const std::string& name);
    // Says the shown file is a sound and offers "Play Wav" for CurrentWav.
    void OfferSound(const std::string& shownPath);
    // The shown file is no sound: "Play Wav" has nothing to play.
    void ForgetSound();
    void ClearEditor();
    // Selects the item of the file the editor shows again, or nothing when the list has none.
    void SelectShownItem();
    // A large text is shown from its first piece on; the timer adds the others while the
    // window stays at the user's service, and the editor becomes editable after the last.
    void StartTextFill(std::string text, bool editable);
    void StopTextFill();
    void TextFillTimerTick(cl::TObject* Sender);
    // Empties both pages: what they showed belongs to a file no longer shown.
    void ClearPreview();
    // The file shown has left the build list: nothing is shown, played or edited for it.
    void ForgetShownFile();
    // Item 0 of "File Actions" offers playing or stopping.
    void ShowSoundAction(cl::TAction* action, int imageIndex);

    // The list item shown last, until the selection is empty, the list changes or the edit of
    // it is dropped: extending a selection does not show its first item again. Compared, never
    // followed.
    const cl::TListItem* ShownItem = nullptr;
    // A selection change waits for SelectionChangedAfterEdit.
    bool SelectionChangePending = false;
    // The text being put into the editor, how much of it is there, and whether the editor is
    // editable once all is.
    std::string TextToFill;
    size_t TextFilled = 0;
    bool TextFillEditable = false;
    // Adds the pieces (made with the first large text, owned by the window).
    cl::TTimer* TextFillTimer = nullptr;

    // ---- search steps (frmMainSearch.cpp) ----
    // Asks to save an edit in the editor before search results replace it.
    void OfferToSaveEdit();
    void StartSearchResults(const std::string& heading);
    void AddSearchResult(const std::string& line);

    // ---- build-list steps (frmMainBuild.cpp) ----
    // Appends an added file's entry ("folder/*name") with its disk folder.
    void AppendAddedFile(const std::string& folder, const std::string& sourceDir, const std::string& name);
    // The Entries indexes of the entries of a folder ("/" separators, trailing "/") that a disk
    // file of that name would coincide with: added files, then archive entries, each named
    // without regard to case.
    std::vector<int> FolderNamesakes(const std::string& folder, const std::string& name) const;
    // Removes the entries at these indexes, with the list items showing them.
    void RemoveEntriesAndItems(std::vector<int> indexes);
    // Removes the entry from the lists, freeing an archive entry; its list item stays.
    void RemoveEntryAt(int index);
    // Empties the tree, the list and every list of entries and folders.
    void ClearBuildList();
    // The top folder a build takes (the builder builds one) and what it stages and leaves out.
    struct TBuildPlan {
        cl::TTreeNode* Root = nullptr;
        std::vector<quillon::TBuildListEntry> Entries;  // the entry list the plan's indexes refer to
        quillon::TStagingPlan Staging;
    };
    // Nothing, after telling the user, when there is no folder that can be built.
    std::optional<TBuildPlan> PlanBuild();
    // Stages the plan's root folder beside the program and runs the builder on it, writing
    // target with compression 'Y' or 'N'; true when the builder wrote target.
    bool BuildArchive(const TBuildPlan& built, const std::string& target, char compression);

    // ---- extraction steps (frmMainExtraction.cpp) ----
public:
    // One entry to write: its name as the user knows it, the entry, the target file, and the
    // percent pbAction shows while it is written (-1: as it is).
    struct TExtractionJob {
        std::string Name;
        quillon::TRFAFile* Entry = nullptr;
        std::string Target;
        int Percent = -1;
    };
    // Before entries are written or searched that claim more output than the open archive can
    // hold: true when they claim no more, or the user agrees. action ends the question.
    bool MayDecode(uint64_t claimed, const std::string& action);
    // Writes the jobs in order, each file replaced only once it is complete, and goes on past
    // one that fails: the failed ones, with their reasons, go to failed, as do targets outside
    // an existing folder or in the program's own folder. A long extraction runs in the progress
    // dialog, whose "Stop" ends it: false then.
    bool WriteEntries(const std::vector<TExtractionJob>& jobs, std::vector<std::string>& failed);

private:
    void ExtractSelectedFile();
    void ExtractSelectedFiles();
    // The folder the save dialog starts in: the last one used, never the program's own.
    std::string SaveDialogFolder() const;
    // What writing the node's folder below root (with a trailing "\") takes: its folders and
    // theirs ("\" paths below root, parents first) and the entries below it. Folders and
    // entries whose names cannot be written go to notWritten.
    std::vector<TExtractionJob> PlanFolderExtraction(const std::string& root, cl::TTreeNode* node,
                                                     std::vector<std::string>& folders,
                                                     std::vector<std::string>& notWritten);
    // Makes the folders below root; one that cannot be made is told, and the others are made.
    void CreateTargetFolders(const std::string& root, const std::vector<std::string>& folders,
                             std::vector<std::string>& notWritten, std::vector<std::string>& failed);
    void DragOutSelection();
};
