// The main window's build list: files added, replaced and removed, folders made, deleted and
// imported from disk, a new list, and the build through the options dialog and a stand-in of
// the outside builder, whose archive is opened afterwards.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/tests/FormTestSupport.h"
#include "app/tests/LeavingPaths.h"
#include "app/QuillonClasses.h"
#include "app/archive/RFAFile.h"
#include "app/extraction/ExtractionReport.h"
#include "app/frmMainQuillon.h"
#include "app/frmMakeRFAPath.h"
#include "classlib/core/Stream.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Application.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/ListView.h"
#include "controls/basic/MwBitBtn.h"
#include "controls/basic/MwButtonEdit.h"
#include "controls/basic/MwRadioGroup.h"
#include "controls/basic/MwRichEdit.h"
#include "controls/navigation/MwTreeView.h"
#include "dragdrop/DropFileSource.h"
#include "dragdrop/DropFileTarget.h"
#include "tools/rfa_writer/RfaWriter.h"
#include "utils/UtFileUtils.h"

namespace {

using form_test::Ansi;
using form_test::TempPath;
using form_test::Exists;
using form_test::TModalDriver;

using Clock = std::chrono::steady_clock;

std::string ReadText(const std::string& path) {
    cl::TMemoryStream stream;
    stream.LoadFromFile(path);
    const std::vector<uint8_t>& bytes = stream.Bytes();
    return std::string(bytes.begin(), bytes.end());
}

void WriteText(const std::string& path, const std::string& text) {
    cl::TFileStream(path, cl::FileMode::Create).WriteBuffer(text.data(), text.size());
}

const rfa_test::TestEntry kInit = rfa_test::TestEntry::FromText("bf1942/levels/init.con", "rem level settings\r\n");
// The same name in another case: another entry of the same folder.
const rfa_test::TestEntry kInitUpper = rfa_test::TestEntry::FromText("bf1942/levels/INIT.CON", "upper case\r\n");
const rfa_test::TestEntry kTerrain = rfa_test::TestEntry::FromText("bf1942/levels/map/terrain.con", "terrain\r\n");
// A sibling whose name starts like "levels".
const rfa_test::TestEntry kOther = rfa_test::TestEntry::FromText("bf1942/levelsx/other.con", "other\r\n");
const rfa_test::TestEntry kReadme = rfa_test::TestEntry::FromText("bf1942/readme.txt", "read me\r\n");

const char kOpenAfterBuild[] = "Do you want to open the built RFA after the build process finishes?";

class MainFormBuildTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterQuillonClasses(); }
    void SetUp() override {
        // Questions are answered from the queue (No when it is empty); other boxes with OK.
        cl::DialogHooks().messageBox = [this](const std::string& text, cl::TMsgDlgType type,
                                              cl::TMsgDlgButtons) -> cl::TModalResult {
            messages.push_back(text);
            if (type != cl::TMsgDlgType::Confirmation) return cl::mrOk;
            if (answers.empty()) return cl::mrNo;
            const cl::TModalResult answer = answers.front();
            answers.pop_front();
            return answer;
        };
        ut::DeleteFolderTree(out, false);
        ut::CreateFolderPath(out);
        form = app.CreateForm<TfrmMainQuillon>();
        form->Show();
        archive = TempPath("build-test.rfa");
        rfa_test::WriteArchive(archive, {kInit, kInitUpper, kTerrain, kOther, kReadme});
        form->OpenDialog1->SetFileName(archive);
        form->LoadArchive();
    }
    void TearDown() override {
        cl::Free(form);
        cl::DialogHooks() = {};
        cl::FileDialogHooks() = {};
        ut::DeleteFolderTree(out, false);
        DeleteFileA(archive.c_str());
        const std::string program = TfrmMainQuillon::ProgramFolder();
        for (const char* file : {"MakeRFA.EXE", "MakeRFA.log", "MakeRFA.fail", "RFABatchParams.Txt", "RFABatch.Bat",
                                 "quillon.ini"})
            DeleteFileA((program + file).c_str());
    }

    void SelectFolder(const std::string& path) {
        cl::TTreeNode* node = form->tvFolders->GetNodeFromPath(path);
        ASSERT_NE(node, nullptr) << path;
        node->SetSelected(true);
    }
    // An archive whose one folder below bf1942 is named "a\\b", that folder selected.
    void OpenArchiveWithABackslashFolderSelected() {
        rfa_test::WriteArchive(archive, {rfa_test::TestEntry::FromText("bf1942/a\\b/x.con", "x\r\n")});
        form->OpenArchiveFile(archive);
        cl::TTreeNode* folder = form->tvFolders->GetFirstNode()->GetFirstChild();
        ASSERT_EQ(folder->Text(), "a\\b");
        folder->SetSelected(true);
    }
    std::vector<std::string> Captions() {
        std::vector<std::string> list;
        for (int i = 0; i < form->lvFiles->ItemCount(); ++i) list.push_back(form->lvFiles->Item(i)->Caption());
        return list;
    }
    void SelectFiles(const std::vector<std::string>& captions) {
        form->lvFiles->SetSelected(nullptr);
        for (int i = 0; i < form->lvFiles->ItemCount(); ++i)
            for (const std::string& caption : captions)
                if (form->lvFiles->Item(i)->Caption() == caption) form->lvFiles->Item(i)->SetSelected(true);
    }
    std::vector<std::string> EntryNames() { return form->Entries->ToVector(); }
    bool HasEntry(const std::string& name) {
        for (const std::string& entry : EntryNames())
            if (entry == name) return true;
        return false;
    }
    std::string DiskFile(const std::string& name, const std::string& text) {
        const std::string path = out + "\\" + name;
        ut::CreateFolderPath(cl::ExtractFilePath(path));
        WriteText(path, text);
        return path;
    }
    // The text of an archive entry of the selected folder, extracted.
    std::string EntryText(const std::string& caption) {
        quillon::TRFAFile* entry = nullptr;
        for (int i = 0; i < form->lvFiles->ItemCount() && !entry; ++i)
            if (form->lvFiles->Item(i)->Caption() == caption) entry = TfrmMainQuillon::ItemEntry(form->lvFiles->Item(i));
        if (!entry) return "<no entry>";
        form->CurrentEntry = entry;
        const std::string file = out + "\\extracted.txt";
        form->ExtractEntry(file);
        return ReadText(file);
    }
    void InstallBuilder() {
        std::string standIn = MAKERFA_STANDIN_EXE;
        for (char& ch : standIn)
            if (ch == '/') ch = '\\';
        ASSERT_TRUE(CopyFileA(("Z:" + standIn).c_str(), (TfrmMainQuillon::ProgramFolder() + "MakeRFA.EXE").c_str(), FALSE))
            << GetLastError();
    }
    // Runs "Build RFA" through its dialog: the save dialog answers with target, compression
    // item 0 (on) or 1 (off) is chosen, and "Go" closes the dialog.
    void BuildThroughTheDialog(const std::string& target, int compression) {
        cl::FileDialogHooks().execute = [target](cl::TOpenDialog& dialog) {
            dialog.SetFileName(target);
            return true;
        };
        TModalDriver<TfrmMakeRFAPath> driver([&](TfrmMakeRFAPath& d) {
            d.edtRFATarget->ButtonClick();
            d.MwRadioGroup1->Item(compression)->SetChecked(true);  // as a click does
            d.btnGo->Click();
        });
        form->actBuildRFA->Execute();
        EXPECT_TRUE(driver.Acted());
    }

    cl::TApplication app;
    TfrmMainQuillon* form = nullptr;
    std::string archive;
    const std::string out = TempPath("build-test-out");
    std::vector<std::string> messages;
    std::deque<cl::TModalResult> answers;
};

TEST_F(MainFormBuildTest, AddingAFileAsksBeforeReplacingOneOfTheSameNameAndRemembersItsFolder) {
    const std::string disk = DiskFile("init.con", "rem my settings\r\n");
    // No folder selected: the file has nowhere to go.
    form->AddFileToBuild(disk);
    EXPECT_EQ(form->Entries->Count(), 5);

    SelectFolder("bf1942\\levels");
    form->ActionList1->UpdateActions();
    EXPECT_FALSE(form->actBuildRFA->Visible());
    // The folder holds the name twice, in two cases: one file on disk, so both are asked
    // about first, and any No changes nothing.
    const std::vector<std::string> bothQuestions = {"Do you want to replace \"bf1942/levels/init.con\"?",
                                                    "Do you want to replace \"bf1942/levels/INIT.CON\"?"};
    const struct {
        std::deque<cl::TModalResult> answers;
        size_t questions;
    } refusals[] = {{{cl::mrNo}, 1}, {{cl::mrYes, cl::mrNo}, 2}};
    for (const auto& r : refusals) {
        messages.clear();
        answers = r.answers;
        form->AddFileToBuild(disk);
        EXPECT_EQ(messages, std::vector<std::string>(bothQuestions.begin(), bothQuestions.begin() + r.questions));
        EXPECT_EQ(Captions(), (std::vector<std::string>{"init.con", "INIT.CON"}));
        EXPECT_EQ(form->Entries->Count(), 5);
        EXPECT_FALSE(form->BuildDirty);
    }

    messages.clear();
    answers = {cl::mrYes, cl::mrYes};
    form->AddFileToBuild(disk);
    EXPECT_EQ(messages, bothQuestions);
    EXPECT_EQ(Captions(), std::vector<std::string>{"*init.con"});
    EXPECT_FALSE(HasEntry("bf1942/levels/init.con"));
    EXPECT_FALSE(HasEntry("bf1942/levels/INIT.CON"));
    EXPECT_EQ(form->AddedFileSource("*init.con"), disk);
    form->ActionList1->UpdateActions();
    EXPECT_TRUE(form->actBuildRFA->Visible());

    // The same file again replaces the added one, after asking.
    messages.clear();
    answers = {cl::mrYes};
    form->AddFileToBuild(disk);
    EXPECT_EQ(messages, std::vector<std::string>{"Do you want to replace \"bf1942/levels/*init.con\"?"});
    EXPECT_EQ(Captions(), std::vector<std::string>{"*init.con"});
    EXPECT_EQ(form->Entries->Count(), 4);
    EXPECT_EQ(form->AddedFileSource("*init.con"), disk);
}

// Archive names are not disk names: a folder's name may hold a backslash. A file added to it
// goes into that folder, in place of its namesake there, not into folders the backslash would
// split it into.
TEST_F(MainFormBuildTest, AFileAddedToAFolderWithABackslashInItsNameGoesIntoThatFolder) {
    ASSERT_NO_FATAL_FAILURE(OpenArchiveWithABackslashFolderSelected());
    messages.clear();
    answers = {cl::mrYes};
    form->AddFileToBuild(DiskFile("x.con", "mine\r\n"));
    EXPECT_EQ(messages, std::vector<std::string>{"Do you want to replace \"bf1942/a\\b/x.con\"?"});
    EXPECT_EQ(EntryNames(), std::vector<std::string>{"bf1942/a\\b/*x.con"});
    EXPECT_EQ(Captions(), std::vector<std::string>{"*x.con"});
}

// The file dialog says what it is for, offers no read-only opening, and loads texts into the
// editor under its own title afterwards.
TEST_F(MainFormBuildTest, TheAddFileDialogIsTitledForAddingAndHasNoReadOnlyBox) {
    const std::string disk = DiskFile("new.txt", "new");
    SelectFolder("bf1942\\levels");
    std::vector<std::string> shown;
    cl::FileDialogHooks().execute = [&](cl::TOpenDialog& dialog) {
        shown.push_back(dialog.Title() + ((dialog.Options() & cl::ofHideReadOnly) ? ", no read-only box" : ""));
        dialog.Files()->Assign(std::vector<std::string>{disk});
        return true;
    };
    form->actAddFile->Execute();
    EXPECT_EQ(shown, std::vector<std::string>{"Add File, no read-only box"});
    EXPECT_TRUE(HasEntry("bf1942/levels/*new.txt"));
    EXPECT_EQ(form->OpenDialog2->Title(), "");
}

TEST_F(MainFormBuildTest, RemovingFilesAsksWithTheirCountAndRemovesExactlyTheSelectedOnes) {
    SelectFolder("bf1942\\levels");
    form->AddFileToBuild(DiskFile("new.txt", "new"));
    form->BuildDirty = false;

    SelectFiles({"INIT.CON", "*new.txt"});
    form->ActionList1->UpdateActions();
    EXPECT_TRUE(form->actDeleteFile->Visible());
    answers = {cl::mrNo};
    form->actDeleteFile->Execute();
    EXPECT_EQ(messages, std::vector<std::string>{"Are you sure you want to remove the 2 selected files?"});
    EXPECT_EQ(form->Entries->Count(), 6);
    EXPECT_FALSE(form->BuildDirty);

    messages.clear();
    answers = {cl::mrYes};
    SendMessageA(form->lvFiles->Handle(), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(messages, std::vector<std::string>{"Are you sure you want to remove the 2 selected files?"});
    EXPECT_EQ(Captions(), std::vector<std::string>{"init.con"});
    EXPECT_FALSE(HasEntry("bf1942/levels/INIT.CON"));
    EXPECT_FALSE(HasEntry("bf1942/levels/*new.txt"));
    EXPECT_TRUE(form->BuildDirty);
    // The namesake in the other case is the one kept, with its own contents.
    EXPECT_EQ(EntryText("init.con"), "rem level settings\r\n");
    // Shown again from the folder's entries, the list holds the same.
    SelectFolder("bf1942\\levels\\map");
    SelectFolder("bf1942\\levels");
    EXPECT_EQ(Captions(), std::vector<std::string>{"init.con"});

    messages.clear();
    answers = {cl::mrYes};
    SelectFiles({"init.con"});
    form->RemoveSelectedFiles();
    EXPECT_EQ(messages, std::vector<std::string>{"Are you sure you want to remove the selected file?"});
    EXPECT_TRUE(Captions().empty());
}

TEST_F(MainFormBuildTest, ANewFolderNeedsANameThatIsFreeAndCanBeAFolder) {
    const struct {
        const char* answer;
        const char* message;  // "" for none
        bool created;
    } cases[] = {
        {"  maps  ", "", true},
        {"   ", "", false},
        {"MAP", "Sorry, the folder you are trying to create, already exists.", false},
        {"a\\..\\..\\b", "Sorry, \"a\\..\\..\\b\" cannot be the name of a folder.", false},
        {"x/y", "Sorry, \"x/y\" cannot be the name of a folder.", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        SelectFolder("bf1942\\levels");
        messages.clear();
        form->BuildDirty = false;
        std::vector<std::string> asked;
        cl::DialogHooks().inputQuery = [&](const std::string& caption, const std::string& prompt, std::string& value) {
            asked.push_back(caption + "|" + prompt + "|" + value);
            value = c.answer;
            return true;
        };
        const int nodes = form->tvFolders->NodeCount();
        form->actNewFolder->Execute();
        EXPECT_EQ(asked, std::vector<std::string>{"A name for your folder?|New Folder|"});
        EXPECT_EQ(messages, *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        EXPECT_EQ(form->tvFolders->NodeCount(), nodes + (c.created ? 1 : 0));
        EXPECT_EQ(form->BuildDirty, c.created);
        if (c.created) {
            EXPECT_EQ(form->tvFolders->Selected(), form->tvFolders->GetNodeFromPath("bf1942\\levels\\maps"));
            // A file can go into it at once.
            form->AddFileToBuild(DiskFile("m.con", "m"));
            EXPECT_TRUE(HasEntry("bf1942/levels/maps/*m.con"));
        }
    }
}

TEST_F(MainFormBuildTest, DeletingAFolderRemovesItsTreeAndFilesButNotASiblingOfASimilarName) {
    SelectFolder("bf1942\\levels\\map");
    form->AddFileToBuild(DiskFile("added.con", "added"));
    SelectFolder("bf1942\\levels");
    answers = {cl::mrNo};
    SendMessageA(form->tvFolders->Handle(), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(messages, std::vector<std::string>{"Delete folder \"levels\", and all files within?"});
    EXPECT_EQ(form->Entries->Count(), 6);

    form->BuildDirty = false;
    answers = {cl::mrYes};
    form->actDeleteFolder->Execute();
    EXPECT_EQ(EntryNames(), (std::vector<std::string>{"bf1942/levelsx/other.con", "bf1942/readme.txt"}));
    EXPECT_EQ(form->tvFolders->GetNodeFromPath("bf1942\\levels"), nullptr);
    EXPECT_EQ(form->tvFolders->GetNodeFromPath("bf1942\\levels\\map"), nullptr);
    EXPECT_NE(form->tvFolders->GetNodeFromPath("bf1942\\levelsx"), nullptr);
    EXPECT_TRUE(form->BuildDirty);

    // The name is free again: a new folder of that name starts empty.
    SelectFolder("bf1942");
    cl::DialogHooks().inputQuery = [](const std::string&, const std::string&, std::string& value) {
        value = "levels";
        return true;
    };
    form->NewFolder();
    EXPECT_EQ(form->tvFolders->Selected(), form->tvFolders->GetNodeFromPath("bf1942\\levels"));
    EXPECT_TRUE(Captions().empty());
}

TEST_F(MainFormBuildTest, AnImportedOrDroppedFolderBringsItsFoldersAndFilesOnce) {
    const std::string pack = out + "\\pack";
    DiskFile("pack\\a.txt", "a");
    DiskFile("pack\\sub\\b.txt", "b");
    DiskFile("pack\\sub\\deep\\c.txt", "c");
    ut::CreateFolderPath(pack + "\\empty");
    const std::vector<std::string> expectedEntries = {"bf1942/pack/sub/deep/*c.txt", "bf1942/pack/sub/*b.txt",
                                                      "bf1942/pack/*a.txt"};
    auto importedEntries = [&] {
        std::vector<std::string> names;
        for (const std::string& name : EntryNames())
            if (name.find("/pack/") != std::string::npos) names.push_back(name);
        return names;
    };

    SelectFolder("bf1942");
    form->ImportFolder(pack);
    for (const char* folder : {"bf1942\\pack", "bf1942\\pack\\sub", "bf1942\\pack\\sub\\deep", "bf1942\\pack\\empty"})
        EXPECT_NE(form->tvFolders->GetNodeFromPath(folder), nullptr) << folder;
    std::vector<std::string> sorted = importedEntries();
    std::sort(sorted.begin(), sorted.end());
    std::vector<std::string> expected = expectedEntries;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(sorted, expected);
    EXPECT_EQ(form->ImportTargets->ToVector().back(), "bf1942/pack");
    EXPECT_EQ(form->ImportSources->ToVector().back(), pack + "\\");
    EXPECT_TRUE(form->BuildDirty);
    SelectFolder("bf1942\\pack\\sub");
    EXPECT_EQ(Captions(), std::vector<std::string>{"*b.txt"});
    EXPECT_EQ(form->AddedFileSource("*b.txt"), pack + "\\sub\\b.txt");

    // Dropped onto the window, the same folder again: nothing doubles.
    SelectFolder("bf1942");
    const int nodes = form->tvFolders->NodeCount();
    DropOnWindow(app, *form, {pack});
    EXPECT_EQ(form->tvFolders->NodeCount(), nodes);
    EXPECT_EQ(importedEntries().size(), expectedEntries.size());
    EXPECT_TRUE(messages.empty());

    // Into an empty window: at the top level, not below the folder chosen before.
    answers = {cl::mrYes};
    form->actNewRFA->Execute();
    form->ImportFolder(pack + "\\sub\\");
    EXPECT_NE(form->tvFolders->GetNodeFromPath("sub\\deep"), nullptr);
    EXPECT_EQ(EntryNames(), (std::vector<std::string>{"sub/deep/*c.txt", "sub/*b.txt"}));
}

// Archive names are not disk names: a folder's name may hold a backslash. A disk folder imported
// into it goes into that very folder, not into folders the backslash would split it into.
TEST_F(MainFormBuildTest, AFolderImportedIntoAFolderWithABackslashInItsNameGoesIntoThatFolder) {
    ASSERT_NO_FATAL_FAILURE(OpenArchiveWithABackslashFolderSelected());
    DiskFile("pack\\y.txt", "y");
    DiskFile("pack\\sub\\z.txt", "z");
    messages.clear();
    form->ImportFolder(out + "\\pack");
    std::vector<std::string> names = EntryNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"bf1942/a\\b/pack/*y.txt", "bf1942/a\\b/pack/sub/*z.txt",
                                               "bf1942/a\\b/x.con"}));
    const cl::TTreeNode* folder = form->tvFolders->Selected();
    EXPECT_EQ(folder->GetNextSibling(), nullptr);
    const cl::TTreeNode* pack = folder->GetFirstChild();
    ASSERT_NE(pack, nullptr);
    EXPECT_EQ(pack->Text(), "pack");
    EXPECT_EQ(pack->GetNextSibling(), nullptr);
    EXPECT_TRUE(messages.empty());
}

// A folder made with a path longer than the ANSI calls take, so that it cannot be listed;
// removed again however the test ends.
class TUnlistableFolder {
public:
    explicit TUnlistableFolder(const std::string& path) : path_(L"\\\\?\\" + Wide(path)) {
        made = CreateDirectoryW(path_.c_str(), nullptr) != FALSE;
    }
    ~TUnlistableFolder() { RemoveDirectoryW(path_.c_str()); }
    TUnlistableFolder(const TUnlistableFolder&) = delete;
    TUnlistableFolder& operator=(const TUnlistableFolder&) = delete;
    bool made = false;

private:
    static std::wstring Wide(const std::string& text) {
        std::wstring wide(text.size(), L'\0');
        const int size = static_cast<int>(text.size());
        wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), size, &wide[0], size)));
        return wide;
    }
    std::wstring path_;
};

// A folder import the disk refuses says so, naming the folder, and changes nothing; a folder
// below that cannot be listed is named as left out, and the rest comes.
TEST_F(MainFormBuildTest, AFolderThatCannotBeListedIsNamedNeverSkippedQuietly) {
    SelectFolder("bf1942");
    const std::vector<std::string> before = EntryNames();
    const std::string gone = out + "\\gone";
    messages.clear();
    form->ImportFolder(gone + "\\");
    EXPECT_EQ(messages, std::vector<std::string>{"The folder \"" + gone + "\" was not imported: it could not be read."});
    EXPECT_EQ(EntryNames(), before);
    EXPECT_EQ(form->tvFolders->GetNodeFromPath("bf1942\\gone"), nullptr);
    EXPECT_FALSE(form->BuildDirty);

    const std::string pack = out + "\\pack";
    DiskFile("pack\\y.txt", "y");
    DiskFile("pack\\sub\\z.txt", "z");
    const std::string tooLong = pack + "\\sub\\" + std::string(250, 'd');
    const TUnlistableFolder unlistable(tooLong);
    ASSERT_TRUE(unlistable.made) << GetLastError();
    messages.clear();
    form->ImportFolder(pack);
    EXPECT_EQ(messages, std::vector<std::string>{quillon::ListMessage(
                            "The folder \"" + pack + "\" was imported, but these folders could not be read and what "
                            "they hold was left out:",
                            {tooLong})});
    EXPECT_TRUE(HasEntry("bf1942/pack/*y.txt"));
    EXPECT_TRUE(HasEntry("bf1942/pack/sub/*z.txt"));
    const cl::TTreeNode* sub = form->tvFolders->GetNodeFromPath("bf1942\\pack\\sub");
    ASSERT_NE(sub, nullptr);
    EXPECT_FALSE(sub->HasChildren());
    EXPECT_TRUE(form->BuildDirty);
}

// Several things dropped at once: every folder among them is imported, and the files are added.
TEST_F(MainFormBuildTest, EveryFolderDroppedAtOnceIsImported) {
    DiskFile("one\\a.txt", "a");
    DiskFile("two\\b.txt", "b");
    DiskFile("c.txt", "c");
    SelectFolder("bf1942");
    DropOnWindow(app, *form, {out + "\\one", out + "\\c.txt", out + "\\two"});
    for (const char* folder : {"bf1942\\one", "bf1942\\two"})
        EXPECT_NE(form->tvFolders->GetNodeFromPath(folder), nullptr) << folder;
    std::vector<std::string> added;
    for (const std::string& name : EntryNames())
        if (name.find('*') != std::string::npos) added.push_back(name);
    std::sort(added.begin(), added.end());
    EXPECT_EQ(added, (std::vector<std::string>{"bf1942/*c.txt", "bf1942/one/*a.txt", "bf1942/two/*b.txt"}));
    EXPECT_TRUE(messages.empty());
}

// New, opening another archive, dropping one and closing the window ask before a changed build
// list goes: Yes goes on, No keeps the list. A list that is back to the archive's is not asked
// about.
TEST_F(MainFormBuildTest, WorkIsThrownAwayOnlyAfterAQuestion) {
    const std::string other = out + "\\other.rfa";
    rfa_test::WriteArchive(other, {rfa_test::TestEntry::FromText("maps/map.con", "a map")});
    const char kQuestion[] =
        "The changes to the build list have not been built yet. Saved edits of previewed files are among them and "
        "will be lost too.\r\rDo you want to go on without building?";
    bool closed = false;
    for (const TLeavingPath& path : LeavingPaths(app, *form, other, closed)) {
        SCOPED_TRACE(path.name);
        form->OpenArchiveFile(archive);
        SelectFolder("bf1942\\levels");
        // Removed entries count as much as added files.
        SelectFiles({"INIT.CON"});
        answers = {cl::mrYes};
        form->RemoveSelectedFiles();
        ASSERT_EQ(form->Entries->Count(), 4);

        messages.clear();
        answers = {cl::mrNo};
        path.run();
        EXPECT_EQ(messages, std::vector<std::string>{kQuestion});
        EXPECT_FALSE(path.wentOn());
        EXPECT_EQ(form->OpenDialog1->FileName(), archive);
        EXPECT_EQ(form->Entries->Count(), 4);
        EXPECT_TRUE(form->BuildDirty);

        messages.clear();
        answers = {cl::mrYes};
        SelectFolder("bf1942\\levels");
        path.run();
        EXPECT_EQ(messages, std::vector<std::string>{kQuestion});
        EXPECT_TRUE(path.wentOn());
    }

    // Added and removed again, or only a folder made: nothing is asked.
    form->OpenArchiveFile(archive);
    SelectFolder("bf1942\\levels");
    form->AddFileToBuild(DiskFile("new.txt", "new"));
    SelectFiles({"*new.txt"});
    answers = {cl::mrYes};
    form->RemoveSelectedFiles();
    ASSERT_TRUE(form->BuildDirty);
    messages.clear();
    closed = true;
    form->FormCloseQuery(form, closed);
    EXPECT_TRUE(closed);
    form->actNewRFA->Execute();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form->Entries->Count(), 0);
}

TEST_F(MainFormBuildTest, NewEmptiesTheBuildList) {
    SelectFolder("bf1942\\levels");
    form->AddFileToBuild(DiskFile("new.txt", "new"));
    SelectFiles({"init.con"});
    answers = {cl::mrYes};  // to throw the added file away
    form->actNewRFA->Execute();
    EXPECT_EQ(form->Entries->Count(), 0);
    EXPECT_EQ(form->SourceDirs->Count(), 0);
    EXPECT_EQ(form->tvFolders->NodeCount(), 0);
    EXPECT_EQ(form->lvFiles->ItemCount(), 0);
    EXPECT_EQ(form->CurrentEntry, nullptr);
    EXPECT_FALSE(form->BuildDirty);
    EXPECT_EQ(form->OpenDialog1->FileName(), "");
    EXPECT_TRUE(form->actSearch->Visible());
    EXPECT_EQ(form->Caption(), "Col. Dalverin's BF1942 Quillon");
}

TEST_F(MainFormBuildTest, TheBuildDialogNeedsATargetAndACompression) {
    rfa_test::WriteArchive(archive, {kInit, kTerrain});  // nothing left out: no question first
    form->OpenArchiveFile(archive);
    const std::string target = out + "\\chosen";
    cl::FileDialogHooks().execute = [&](cl::TOpenDialog& dialog) {
        EXPECT_EQ(dialog.Filter(), "RFA File|*.RFA");
        dialog.SetFileName(target);
        return true;
    };
    bool stayedOpen = false;
    TModalDriver<TfrmMakeRFAPath> driver([&](TfrmMakeRFAPath& d) {
        EXPECT_EQ(d.Caption(), "RFA Build Options");
        EXPECT_EQ(d.ClientWidth(), 352);
        EXPECT_EQ(d.ClientHeight(), 163);
        EXPECT_EQ(d.MwRadioGroup1->ItemIndex(), -1);
        EXPECT_EQ(d.MwRadioGroup1->Item(1)->Caption(), "Off (Faster, but bigger)");
        EXPECT_FALSE(d.btnGo->Enabled());
        d.edtRFATarget->ButtonClick();
        EXPECT_EQ(d.edtRFATarget->Caption(), target + ".RFA");
        EXPECT_TRUE(d.btnGo->Enabled());
        d.btnGo->Click();
        EXPECT_EQ(messages, std::vector<std::string>{"You must choose a compression type before building the RFA."});
        stayedOpen = IsWindowVisible(d.Handle()) && d.ModalResult() == cl::mrNone;
        d.MwBitBtn2->Click();
    });
    form->actBuildRFA->Execute();
    EXPECT_TRUE(driver.Acted());
    EXPECT_TRUE(stayedOpen);
    // Cancelled: no question follows.
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(MainFormBuildTest, ABuildStagesTheRootFolderRunsTheBuilderAndOpensItsArchive) {
    InstallBuilder();
    SelectFolder("bf1942");
    answers = {cl::mrYes};
    form->AddFileToBuild(DiskFile("readme.txt", "my readme\r\n"));
    SelectFolder("bf1942\\levels");
    form->AddFileToBuild(DiskFile("extra.txt", "extra\r\n"));
    SetFileAttributesA((out + "\\extra.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string program = TfrmMainQuillon::ProgramFolder();

    messages.clear();
    answers = {cl::mrYes, cl::mrYes};
    BuildThroughTheDialog(out + "\\built", 1);
    SetFileAttributesA((out + "\\extra.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    // INIT.CON would be the file init.con is: the user is asked before it is left out, and
    // told at the end.
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_NE(messages[0].find("\rbf1942/levels/INIT.CON"), std::string::npos) << messages[0];
    EXPECT_EQ(messages[1], kOpenAfterBuild);
    EXPECT_EQ(messages[2], "The RFA now holds \"bf1942\" without the 1 file left out.");

    const std::string staged = program + "~RFA_BUILD\\bf1942\\";
    EXPECT_EQ(ReadText(program + "RFABatchParams.Txt"), staged + "\r\nbf1942/\r\nN\r\n" + out + "\\built.RFA\r\nN\r\n");
    EXPECT_EQ(ReadText(program + "RFABatch.Bat"), "MakeRFA.EXE < \"RFABatchParams.Txt\"\r\n");
    const std::string log = ReadText(program + "MakeRFA.log");
    EXPECT_NE(log.find("folder " + program.substr(0, program.size() - 1) + "\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("staged bf1942/levels/extra.txt 7\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("console hidden\r\n"), std::string::npos) << log;  // no window flashes up
    EXPECT_FALSE(Exists(program + "~RFA_BUILD"));

    // The built archive is open in place of the build list.
    EXPECT_EQ(form->OpenDialog1->FileName(), out + "\\built.RFA");
    EXPECT_EQ(form->Caption(), "Col. Dalverin's BF1942 Quillon - built.RFA");
    EXPECT_FALSE(form->BuildDirty);
    EXPECT_EQ(form->SourceDirs->Count(), 0);
    EXPECT_EQ(form->OpenFolder, out + "\\");
    std::vector<std::string> names = EntryNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"bf1942/levels/extra.txt", "bf1942/levels/init.con",
                                               "bf1942/levels/map/terrain.con", "bf1942/levelsx/other.con",
                                               "bf1942/readme.txt"}));
    SelectFolder("bf1942");
    EXPECT_EQ(EntryText("readme.txt"), "my readme\r\n");  // the added file took the archive entry's place
    SelectFolder("bf1942\\levels");
    EXPECT_EQ(EntryText("init.con"), "rem level settings\r\n");
    EXPECT_EQ(EntryText("extra.txt"), "extra\r\n");
}

// An archive with several top folders, as the project's sample is: the build takes the one that
// holds the user's file, and asks before it leaves the others out.
TEST_F(MainFormBuildTest, SeveralTopFoldersBuildTheOneWithTheAddedFileAfterAQuestion) {
    rfa_test::WriteArchive(archive, {kInit, rfa_test::TestEntry::FromText("Objects/jeep.con", "jeep\r\n"),
                                     rfa_test::TestEntry::FromText("objects/vehicles/tank.con", "tank\r\n"),
                                     rfa_test::TestEntry::FromText("readme.txt", "top\r\n"),
                                     rfa_test::TestEntry::FromText("textures/sky.tga", "sky")});
    form->OpenArchiveFile(archive);
    InstallBuilder();
    SelectFolder("Objects\\vehicles");
    form->AddFileToBuild(DiskFile("mine.con", "mine\r\n"));
    SelectFolder("bf1942\\levels");  // not what decides
    const std::string program = TfrmMainQuillon::ProgramFolder();

    // No: nothing is staged or built, and the build list stays.
    messages.clear();
    answers = {cl::mrNo};
    form->actBuildRFA->Execute();
    ASSERT_EQ(messages.size(), 1u);
    const std::string question = messages[0];
    EXPECT_EQ(question.rfind("An RFA is built from one top folder, and this build takes \"Objects\".", 0), 0u) << question;
    for (const char* line : {"\rbf1942/ (1 file)\r", "\rtextures/ (1 file)\r", "\rreadme.txt\r"})
        EXPECT_NE(question.find(line), std::string::npos) << line << " in " << question;
    EXPECT_EQ(question.find("mine.con"), std::string::npos) << question;
    EXPECT_FALSE(Exists(program + "RFABatchParams.Txt"));
    EXPECT_TRUE(form->BuildDirty);
    EXPECT_TRUE(HasEntry("Objects/vehicles/*mine.con"));

    // Added files in two top folders: the selected one's is built, and the other file is named
    // first, as it would be in the RFA.
    form->AddFileToBuild(DiskFile("extra.txt", "extra\r\n"));
    messages.clear();
    answers = {cl::mrNo};
    form->actBuildRFA->Execute();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("An RFA is built from one top folder, and this build takes \"bf1942\". These would be "
                                "left out of the RFA:\r\rObjects/vehicles/mine.con (added by you)\rObjects/ (2 files)\r",
                                0),
              0u)
        << messages[0];
    SelectFiles({"*extra.txt"});
    answers = {cl::mrYes};
    form->RemoveSelectedFiles();

    // Yes: "Objects" is built with the added file, and the end tells what is not in the RFA.
    messages.clear();
    answers = {cl::mrYes, cl::mrYes};
    BuildThroughTheDialog(out + "\\built", 1);
    EXPECT_EQ(messages, (std::vector<std::string>{question, kOpenAfterBuild,
                                                  "The RFA now holds \"Objects\" without the 3 files left out."}));
    EXPECT_NE(ReadText(program + "RFABatchParams.Txt").find("\r\nObjects/\r\n"), std::string::npos);
    std::vector<std::string> names = EntryNames();
    for (std::string& name : names) name = cl::LowerCase(name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"objects/jeep.con", "objects/vehicles/mine.con", "objects/vehicles/tank.con"}));
    SelectFolder("Objects\\vehicles");
    EXPECT_EQ(EntryText("mine.con"), "mine\r\n");
}

// A folder that lists "tank.con" twice (the name under two spellings of the folder): removing
// one item removes its own entry, and the build takes the other's contents.
TEST_F(MainFormBuildTest, RemovingOneOfTwoSameNamedItemsBuildsTheOther) {
    rfa_test::WriteArchive(archive, form_test::SameNamedEntries());
    InstallBuilder();
    const struct {
        int removed;  // list position
        std::string keptName;
        std::string keptText;
    } cases[] = {{1, "Vehicles/tank.con", "FIRST\r\n"}, {0, "vehicles/tank.con", "SECOND\r\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.removed);
        form->OpenArchiveFile(archive);
        SelectFolder("Vehicles");
        ASSERT_EQ(Captions(), (std::vector<std::string>{"tank.con", "tank.con", "jeep.con"}));
        form->lvFiles->SetSelected(form->lvFiles->Item(c.removed));
        answers = {cl::mrYes};
        form->RemoveSelectedFiles();
        EXPECT_EQ(EntryNames(), (std::vector<std::string>{c.keptName, "vehicles/jeep.con"}));
        EXPECT_EQ(Captions(), (std::vector<std::string>{"tank.con", "jeep.con"}));
        EXPECT_EQ(EntryText("tank.con"), c.keptText);

        answers = {cl::mrYes};  // opened once built
        BuildThroughTheDialog(out + "\\built.rfa", 1);
        ASSERT_EQ(form->OpenDialog1->FileName(), out + "\\built.rfa");
        SelectFolder("Vehicles");
        EXPECT_EQ(EntryText("tank.con"), c.keptText);
    }
}

// Archive names may hold "*" as added files do: such entries are still archive entries, shown
// as themselves and left out of a build (no file can have their name), never mistaken for a
// disk file.
TEST_F(MainFormBuildTest, ArchiveEntriesWithAStarInTheirNamesStayArchiveEntries) {
    rfa_test::WriteArchive(archive, {kInit, rfa_test::TestEntry::FromText("bf1942/levels/*trap.con", "trap\r\n"),
                                     rfa_test::TestEntry::FromText("bf1942/levels/a*b.con", "a b\r\n")});
    form->OpenArchiveFile(archive);
    InstallBuilder();
    SelectFolder("bf1942\\levels");
    form->AddFileToBuild(DiskFile("extra.txt", "extra\r\n"));
    EXPECT_EQ(Captions(), (std::vector<std::string>{"init.con", "a*b.con", "*trap.con", "*extra.txt"}));
    SelectFiles({"*trap.con"});
    EXPECT_EQ(form->rePreview->WholeText(), "trap\r\n");

    messages.clear();
    answers = {cl::mrYes, cl::mrNo};  // built without them, not opened
    BuildThroughTheDialog(out + "\\built", 1);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_NE(messages[0].find("\rbf1942/levels/*trap.con"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("\rbf1942/levels/a*b.con"), std::string::npos) << messages[0];
    EXPECT_EQ(messages[0].find("extra"), std::string::npos) << messages[0];
    EXPECT_EQ(messages[1], kOpenAfterBuild);
    EXPECT_EQ(messages[2], "The RFA now holds \"bf1942\" without the 2 files left out.");
    const std::string log = ReadText(TfrmMainQuillon::ProgramFolder() + "MakeRFA.log");
    EXPECT_NE(log.find("staged bf1942/levels/extra.txt 7\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("staged bf1942/levels/init.con"), std::string::npos) << log;
    EXPECT_EQ(log.find("trap"), std::string::npos) << log;

    // Removed like any entry, and the list still tells the added file from them.
    SelectFiles({"*trap.con", "a*b.con"});
    answers = {cl::mrYes};
    form->RemoveSelectedFiles();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"init.con", "*extra.txt"}));
    EXPECT_EQ(EntryNames(), (std::vector<std::string>{"bf1942/levels/init.con", "bf1942/levels/*extra.txt"}));
}

// Names that differ only in the case of accented letters are one staged file: the first is
// built, the second named, never staged over it.
TEST_F(MainFormBuildTest, NamesThatAreOneFileOnDiskAreStagedOnce) {
    const std::string upper = Ansi(L"bf1942/levels/\u00C9T\u00C9.con"), lower = Ansi(L"bf1942/levels/\u00E9t\u00E9.con");
    rfa_test::WriteArchive(archive, {rfa_test::TestEntry::FromText(upper, "summer\r\n"),
                                     rfa_test::TestEntry::FromText(lower, "other summer\r\n")});
    form->OpenArchiveFile(archive);
    InstallBuilder();
    SelectFolder("bf1942\\levels");
    form->AddFileToBuild(DiskFile("extra.txt", "extra\r\n"));

    messages.clear();
    answers = {cl::mrYes, cl::mrNo};  // built without it, not opened
    BuildThroughTheDialog(out + "\\built", 1);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_NE(messages[0].find("\r" + lower), std::string::npos) << messages[0];
    EXPECT_EQ(messages[2], "The RFA now holds \"bf1942\" without the 1 file left out.");
    const std::string log = ReadText(TfrmMainQuillon::ProgramFolder() + "MakeRFA.log");
    // The builder saw the first one's 8 bytes only (it spells names in its own way).
    EXPECT_NE(log.find(".con 8\r\n"), std::string::npos) << log;
    EXPECT_EQ(log.find(".con 14\r\n"), std::string::npos) << log;
}

// An archive entry that cannot be staged (damaged) is named, and nothing is built.
TEST_F(MainFormBuildTest, AnEntryThatCannotBeStagedIsNamedAndNothingIsBuilt) {
    rfa_test::ArchiveImage image = rfa_test::BuildArchive({kInit, kTerrain});
    image.Set(rfa_test::Field::SegmentOffset, 0x7FFFFFF0, 0);
    image.Save(archive);
    form->OpenArchiveFile(archive);
    form->optPreview = false;
    InstallBuilder();
    SelectFolder("bf1942\\levels");
    form->AddFileToBuild(DiskFile("extra.txt", "extra\r\n"));

    messages.clear();
    answers = {cl::mrYes};
    BuildThroughTheDialog(out + "\\built", 1);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].rfind("The RFA was not built: these files could not be staged:\r\rbf1942/levels/init.con: ", 0), 0u)
        << messages[1];
    EXPECT_FALSE(Exists(out + "\\built.RFA"));
    EXPECT_FALSE(Exists(TfrmMainQuillon::ProgramFolder() + "~RFA_BUILD"));
    EXPECT_TRUE(form->BuildDirty);
}

// A build that cannot run, fails or is cancelled says so, and opens nothing.
TEST_F(MainFormBuildTest, ABuildWithoutItsBuilderOrThatFailsOrIsCancelledIsNotReportedAsBuilt) {
    const std::string program = TfrmMainQuillon::ProgramFolder();
    const std::string target = out + "\\built.RFA";
    SelectFolder("bf1942\\levels");
    form->AddFileToBuild(DiskFile("extra.txt", "extra\r\n"));
    const struct {
        const char* what;
        bool builder;
        bool failing;
        cl::TModalResult answer;
        const char* lastMessage;
    } cases[] = {
        {"no builder", false, false, cl::mrYes,
         "The RFA was not built: \"MakeRFA.EXE\" is missing from the program's folder."},
        {"failing builder", true, true, cl::mrYes, "The RFA was not built: the builder did not write \""},
        {"cancelled", true, false, cl::mrCancel, "Cancelled build."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileA((program + "RFABatchParams.Txt").c_str());
        if (c.builder) InstallBuilder();
        if (c.failing) WriteText(program + "MakeRFA.fail", "");
        messages.clear();
        answers = {cl::mrYes, c.answer};  // INIT.CON may be left out
        BuildThroughTheDialog(out + "\\built", 0);
        ASSERT_GE(messages.size(), 2u);
        EXPECT_EQ(messages[1], kOpenAfterBuild);
        EXPECT_EQ(messages.back().rfind(c.lastMessage, 0), 0u) << messages.back();
        EXPECT_FALSE(Exists(target));
        EXPECT_FALSE(Exists(program + "~RFA_BUILD"));
        EXPECT_EQ(Exists(program + "RFABatchParams.Txt"), c.failing);
        EXPECT_TRUE(form->BuildDirty);
        EXPECT_EQ(form->Caption(), "Col. Dalverin's BF1942 Quillon");
    }
}

}  // namespace
