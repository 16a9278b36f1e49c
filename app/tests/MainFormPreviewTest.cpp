// The main window's preview: selecting text, textures and sounds, playing sounds, and the
// editor with its toolbar and saved edits.

#include <gtest/gtest.h>

#include <functional>
#include <windows.h>
#include <mmsystem.h>

#include <chrono>
#include <deque>
#include <string>
#include <vector>

#include "app/tests/FormTestSupport.h"
#include "app/tests/LeavingPaths.h"
#include "app/QuillonClasses.h"
#include "app/frmExtracting.h"
#include "app/frmMainQuillon.h"
#include "classlib/core/Stream.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Application.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/Image.h"
#include "classlib/win/ListView.h"
#include "classlib/win/MediaPlayer.h"
#include "classlib/win/Screen.h"
#include "classlib/win/ScrollBox.h"
#include "controls/basic/MwBitBtn.h"
#include "controls/basic/MwPanel.h"
#include "controls/basic/MwRichEdit.h"
#include "controls/navigation/MwGroup.h"
#include "controls/navigation/MwPageControl.h"
#include "controls/navigation/MwSplitter.h"
#include "controls/navigation/MwTreeView.h"
#include "tools/rfa_writer/RfaWriter.h"
#include "tools/rfa_writer/SampleArchive.h"

namespace {

using form_test::TempPath;
using form_test::Exists;

std::string ReadFile(const std::string& path) {
    cl::TMemoryStream stream;
    stream.LoadFromFile(path);
    return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

const char kInitText[] = "rem level settings\r\nGame.setNumberOfTickets 1 150\r\n";
const char kJeepText[] = "ObjectTemplate.create PlayerControlObject Jeep\r\n";
const char kOtherInitText[] = "rem another level\r\n";
// A text entry that a rich edit would take for RTF.
const char kRtfText[] = "{\\rtf1\\ansi {\\b bold}}\r\nrem not formatted\r\n";

const std::vector<uint8_t> kSkyTga = rfa_test::MakeTgaTexture(64, 32);
const std::vector<uint8_t> kBeep = rfa_test::MakeWavSound(11025, 200);
const std::vector<uint8_t> kOtherBeep = rfa_test::MakeWavSound(8000, 300);

// A small archive with one file of each kind; "Vehicles" is spelt in two cases.
std::vector<rfa_test::TestEntry> FixtureEntries() {
    return {
        rfa_test::TestEntry::FromText("levels/init.con", kInitText),
        rfa_test::TestEntry::FromText("levels/other/init.con", kOtherInitText),
        rfa_test::TestEntry::FromText("Vehicles/tank.con", "ObjectTemplate.create PlayerControlObject Tank\r\n"),
        rfa_test::TestEntry::FromText("vehicles/jeep.con", kJeepText),
        rfa_test::TestEntry::FromText("vehicles/tank.skn", "binary mesh"),
        rfa_test::TestEntry::FromText("vehicles/zero.con", std::string("before\0after\r\n", 14)),
        rfa_test::TestEntry::FromData("textures/sky.tga", kSkyTga),
        rfa_test::TestEntry::FromData("textures/grass.dds", rfa_test::MakeDdsTexture(16, 16)),
        rfa_test::TestEntry::FromText("textures/huge.con", "claims to be huge"),
        rfa_test::TestEntry::FromData("sound/beep.wav", kBeep),
        rfa_test::TestEntry::FromData("sound/other/beep.wav", kOtherBeep),
        rfa_test::TestEntry::FromText("notes/rich.con", kRtfText),
    };
}
constexpr size_t kHugeEntry = 8;

// Stands in for the media control interface: opens succeed, plays start, and the test says
// when a playback ends.
struct FakeMci {
    static constexpr unsigned kDevice = 7;
    std::vector<unsigned> commands;
    HWND callback = nullptr;

    unsigned long operator()(unsigned, unsigned command, uintptr_t flags, uintptr_t params) {
        commands.push_back(command);
        if (command == MCI_OPEN) reinterpret_cast<MCI_OPEN_PARMSA*>(params)->wDeviceID = kDevice;
        if (command == MCI_PLAY && (flags & MCI_NOTIFY)) callback = reinterpret_cast<HWND>(reinterpret_cast<MCI_PLAY_PARMS*>(params)->dwCallback);
        return 0;
    }
    int Count(unsigned command) const { return static_cast<int>(std::count(commands.begin(), commands.end(), command)); }
    void EndPlayback() const { PostMessageA(callback, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, kDevice); }
};

class MainFormPreviewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterQuillonClasses(); }
    void SetUp() override {
        cl::DialogHooks().messageBox = [this](const std::string& text, cl::TMsgDlgType, cl::TMsgDlgButtons) -> cl::TModalResult {
            messages.push_back(text);
            if (answers.empty()) return cl::mrOk;
            const cl::TModalResult answer = answers.front();
            answers.pop_front();
            return answer;
        };
        cl::TMediaPlayer::CommandHook() = [this](unsigned device, unsigned command, uintptr_t flags, uintptr_t params) {
            return mci(device, command, flags, params);
        };
        form = app.CreateForm<TfrmMainQuillon>();
        form->Show();
        form->optPreview = true;
        rfa_test::ArchiveImage image = rfa_test::BuildArchive(FixtureEntries());
        image.Set(rfa_test::Field::Size, 64 * 1024 * 1024, kHugeEntry);
        const std::string path = TempPath("preview-test.rfa");
        image.Save(path);
        form->OpenDialog1->SetFileName(path);
        form->LoadArchive();
    }
    void TearDown() override {
        cl::Free(form);  // unloads DevIL.DLL, so that a test's copy can go
        DeleteFileA(DevILPath().c_str());
        cl::DialogHooks() = {};
        cl::FileDialogHooks() = {};
        cl::TMediaPlayer::CommandHook() = nullptr;
    }

    static std::string DevILPath() { return TfrmMainQuillon::ProgramFolder() + "DevIL.DLL"; }
    static void InstallDevILStandIn() {
        std::string standIn = DEVIL_STANDIN_DLL;
        for (char& ch : standIn)
            if (ch == '/') ch = '\\';
        ASSERT_TRUE(CopyFileA(("Z:" + standIn).c_str(), DevILPath().c_str(), FALSE)) << GetLastError();
    }

    void SelectFolder(const std::string& path) {
        cl::TTreeNode* node = form->tvFolders->GetNodeFromPath(path);
        ASSERT_NE(node, nullptr) << path;
        node->SetSelected(true);
    }
    void SelectFile(const std::string& caption) {
        cl::TListItem* item = form->lvFiles->FindCaption(0, caption, false, true, false);
        ASSERT_NE(item, nullptr) << caption;
        form->lvFiles->SetSelected(item);
    }
    void Select(const std::string& folder, const std::string& caption) {
        SelectFolder(folder);
        SelectFile(caption);
    }
    // A click on the list item, as the user makes it: no deselection first.
    void Click(cl::TListItem* item) {
        RECT bounds;
        ASSERT_TRUE(ListView_GetItemRect(form->lvFiles->Handle(), item->Index(), &bounds, LVIR_LABEL));
        const LPARAM at = MAKELPARAM(bounds.left + 2, bounds.top + 2);
        SendMessageA(form->lvFiles->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(form->lvFiles->Handle(), WM_LBUTTONUP, 0, at);
        app.ProcessMessages();
    }
    void Click(const std::string& caption) {
        cl::TListItem* item = form->lvFiles->FindCaption(0, caption, false, true, false);
        ASSERT_NE(item, nullptr) << caption;
        Click(item);
    }
    std::vector<std::string> SelectedCaptions() const {
        std::vector<std::string> captions;
        for (int i = 0; i < form->lvFiles->ItemCount(); ++i)
            if (form->lvFiles->Item(i)->Selected()) captions.push_back(form->lvFiles->Item(i)->Caption());
        return captions;
    }
    std::string Viewing() const { return form->pnlViewing->Caption(); }
    std::string EditorText() const { return form->rePreview->WholeText(); }
    cl::TAction* ItemZeroAction() const { return form->gbActions->Items()->Items(0)->Action(); }
    int ItemZeroImage() const { return form->gbActions->Items()->Items(0)->ImageIndex(); }

    cl::TApplication app;
    TfrmMainQuillon* form = nullptr;
    std::vector<std::string> messages;
    std::deque<cl::TModalResult> answers;
    FakeMci mci;
};

TEST_F(MainFormPreviewTest, ATextEntryFillsTheEditorAndTheViewingPanel) {
    const struct {
        const char* folder;
        const char* file;
        bool optPreview;
        std::string viewing;
        std::string text;
        bool editable;
    } cases[] = {
        {"levels", "init.con", true, "Currently Viewing: levels\\init.con", kInitText, true},
        // Listed under the tree's spelling "Vehicles" though stored under "vehicles".
        {"Vehicles", "jeep.con", true, "Currently Viewing: Vehicles\\jeep.con", kJeepText, true},
        // A zero byte would cut the text short when saved: shown, but not for editing.
        {"Vehicles", "zero.con", true, "Currently Viewing: Vehicles\\zero.con", "before after\r\n", false},
        {"Vehicles", "tank.skn", true, "Cannot preview: tank.skn", "", false},
        {"levels", "init.con", false, "Auto preview option de-selected, cannot preview: init.con", "", false},
        {"textures", "huge.con", true, "Too large to preview: textures\\huge.con", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        form->optPreview = c.optPreview;
        form->MainSplitter->SetPercent(98);
        form->lvFiles->SetSelected(nullptr);
        Select(c.folder, c.file);
        EXPECT_EQ(Viewing(), c.viewing);
        EXPECT_EQ(EditorText(), c.text);
        EXPECT_EQ(form->rePreview->ReadOnly(), !c.editable);
        EXPECT_FALSE(form->rePreview->Modified());
        if (!c.text.empty()) {
            EXPECT_EQ(form->pcPreview->ActivePage(), form->tsCode);
            EXPECT_EQ(form->MainSplitter->Percent(), 75);  // a collapsed preview opens
        }
        EXPECT_EQ(cl::Screen().Cursor(), cl::crDefault);
        EXPECT_FALSE(Exists(TfrmMainQuillon::TempFolder() + "\\preview.txt"));
    }
    EXPECT_TRUE(messages.empty());
}

// What the editor shows always belongs to the file named above it, or to none.
TEST_F(MainFormPreviewTest, TheLastFilesTextGoesWhenASoundAFailedPreviewNewOrAnotherArchiveFollows) {
    const std::string archive = form->OpenDialog1->FileName();
    const struct {
        const char* what;
        std::function<void()> next;
        std::string viewing;
    } cases[] = {
        {"a sound", [&] { Select("sound", "beep.wav"); }, "Sound: sound\\beep.wav (\"Play Wav\" plays it)"},
        {"a texture without DevIL", [&] { Select("textures", "sky.tga"); }, "Cannot preview: textures\\sky.tga"},
        {"New", [&] { form->actNewRFAExecute(nullptr); }, "Currently Viewing:"},
        {"another archive", [&] { form->OpenArchiveFile(archive); }, "Currently Viewing:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (form->Entries->Count() == 0) form->OpenArchiveFile(archive);
        form->lvFiles->SetSelected(nullptr);
        Select("levels", "init.con");
        ASSERT_EQ(EditorText(), kInitText);
        c.next();
        EXPECT_EQ(EditorText(), "");
        EXPECT_EQ(Viewing(), c.viewing);
    }
}

TEST_F(MainFormPreviewTest, ExtendingTheSelectionKeepsThePreviewAndAnEmptySelectionRenewsIt) {
    Select("Vehicles", "tank.con");  // list order: zero.con, tank.skn, tank.con, jeep.con
    ASSERT_EQ(form->lvFiles->Item(2)->Caption(), "tank.con");
    form->rePreview->SetWholeText("not reloaded");
    form->rePreview->SetModified(false);
    // Selecting more below leaves tank.con the first selected: it is not loaded again.
    form->lvFiles->Item(3)->SetSelected(true);
    EXPECT_EQ(EditorText(), "not reloaded");
    EXPECT_EQ(Viewing(), "Currently Viewing: Vehicles\\tank.con");
    // A new first selected item is shown.
    form->lvFiles->Item(0)->SetSelected(true);
    EXPECT_EQ(Viewing(), "Currently Viewing: Vehicles\\zero.con");
    // After an empty selection the same item is shown anew.
    form->rePreview->SetWholeText("not reloaded");
    form->rePreview->SetModified(false);
    form->lvFiles->SetSelected(nullptr);
    SelectFile("tank.con");
    EXPECT_EQ(EditorText(), "ObjectTemplate.create PlayerControlObject Tank\r\n");
}

TEST_F(MainFormPreviewTest, AnEditIsSavedAsABuildFileWhenTheUserSaysSo) {
    auto editInitCon = [&](const std::string& text) {
        Select("levels", "init.con");
        form->rePreview->SetWholeText(text);
        form->rePreview->SetModified(true);
        form->ActionList1->UpdateActions();
        EXPECT_TRUE(form->actSaveChanges->Enabled());
        messages.clear();
    };
    auto viewOtherInitCon = [&] {
        form->lvFiles->SetSelected(nullptr);
        Select("levels\\other", "init.con");
        app.ProcessMessages();  // the question comes once the list is done with the selection
        EXPECT_EQ(Viewing(), "Currently Viewing: levels\\other\\init.con");
        EXPECT_EQ(EditorText(), kOtherInitText);
        EXPECT_FALSE(form->rePreview->Modified());
    };

    // No: the edit is dropped.
    editInitCon("rem dropped\r\n");
    answers = {cl::mrNo};
    viewOtherInitCon();
    EXPECT_EQ(messages, std::vector<std::string>{"Save your changes before viewing a new file?"});
    EXPECT_EQ(form->Entries->IndexOf("levels/*init.con"), -1);
    EXPECT_FALSE(form->BuildDirty);

    // Yes: the entry is replaced by an added file that holds exactly the edit.
    editInitCon("rem edited\r\nline two");
    answers = {cl::mrYes, cl::mrYes};
    viewOtherInitCon();
    EXPECT_EQ(messages, (std::vector<std::string>{"Save your changes before viewing a new file?",
                                                  "Do you want to replace \"levels/init.con\"?"}));
    EXPECT_EQ(form->Entries->IndexOf("levels/init.con"), -1);
    EXPECT_TRUE(form->BuildDirty);
    SelectFolder("levels");
    std::vector<std::string> captions;
    for (int i = 0; i < form->lvFiles->ItemCount(); ++i) captions.push_back(form->lvFiles->Item(i)->Caption());
    EXPECT_EQ(captions, std::vector<std::string>{"*init.con"});
    EXPECT_EQ(ReadFile(form->AddedFileSource("*init.con")), "rem edited\r\nline two");
    // The added file previews from its disk copy, read-only.
    SelectFile("*init.con");
    EXPECT_EQ(Viewing(), "Currently Viewing: init.con");
    EXPECT_EQ(EditorText(), "rem edited\r\nline two");
    EXPECT_TRUE(form->rePreview->ReadOnly());

    // An edit of the other folder's init.con is kept apart from the first.
    form->lvFiles->SetSelected(nullptr);
    Select("levels\\other", "init.con");
    form->rePreview->SetWholeText("rem other edit\r\n");
    form->rePreview->SetModified(true);
    answers = {cl::mrYes};
    form->actSaveChangesExecute(form->actSaveChanges);
    EXPECT_EQ(ReadFile(form->AddedFileSource("*init.con")), "rem other edit\r\n");
    SelectFolder("levels");
    EXPECT_EQ(ReadFile(form->AddedFileSource("*init.con")), "rem edited\r\nline two");
}

// The edit is saved when the user clicks another file of the folder: the save takes the edited
// entry's item out and adds the saved file's, which moves the others, and the clicked file
// stays the one selected and shown, above or below the edited one.
TEST_F(MainFormPreviewTest, SavingAnEditOnAClickLeavesTheClickedFileSelectedAndShown) {
    const std::string path = TempPath("click-save.rfa");
    rfa_test::WriteArchive(path, {rfa_test::TestEntry::FromText("levels/a.con", "rem a\r\n"),
                                  rfa_test::TestEntry::FromText("levels/b.con", "rem b\r\n"),
                                  rfa_test::TestEntry::FromText("levels/c.con", "rem c\r\n")});
    for (const char* edited : {"a.con", "c.con"}) {
        SCOPED_TRACE(edited);
        form->OpenArchiveFile(path);
        SelectFolder("levels");
        Click(edited);
        form->rePreview->SetWholeText("rem edited\r\n");
        form->rePreview->SetModified(true);
        messages.clear();
        answers = {cl::mrYes, cl::mrYes};
        Click("b.con");
        EXPECT_EQ(messages, (std::vector<std::string>{"Save your changes before viewing a new file?",
                                                      "Do you want to replace \"levels/" + std::string(edited) + "\"?"}));
        ASSERT_EQ(form->lvFiles->ItemCount(), 3);
        EXPECT_NE(form->lvFiles->FindCaption(0, "*" + std::string(edited), false, true, false), nullptr);
        EXPECT_EQ(SelectedCaptions(), std::vector<std::string>{"b.con"});
        EXPECT_EQ(Viewing(), "Currently Viewing: levels\\b.con");
        EXPECT_EQ(EditorText(), "rem b\r\n");
        EXPECT_FALSE(form->rePreview->ReadOnly());
        EXPECT_FALSE(form->rePreview->Modified());
    }
}

// When the user moves to another file and keeps the edit (Cancel, or Yes and then no to
// replacing the entry), the edited file stays selected and shown with the edit; when the
// edited file's folder is no longer shown, nothing is selected.
TEST_F(MainFormPreviewTest, AnEditKeptOnAnotherFileLeavesTheEditedFileSelected) {
    const std::string path = TempPath("keep-edit.rfa");
    rfa_test::WriteArchive(path, {rfa_test::TestEntry::FromText("levels/a.con", "rem a\r\n"),
                                  rfa_test::TestEntry::FromText("levels/b.con", "rem b\r\n"),
                                  rfa_test::TestEntry::FromText("other/d.con", "rem d\r\n")});
    const std::string kQuestion = "Save your changes before viewing a new file?";
    const struct {
        const char* name;
        std::deque<cl::TModalResult> answers;
        std::vector<std::string> messages;
    } keeps[] = {
        {"cancelled", {cl::mrCancel}, {kQuestion}},
        {"replacement declined", {cl::mrYes, cl::mrNo}, {kQuestion, "Do you want to replace \"levels/a.con\"?"}},
    };
    for (const auto& keep : keeps) {
        SCOPED_TRACE(keep.name);
        form->OpenArchiveFile(path);
        SelectFolder("levels");
        Click("a.con");
        form->rePreview->SetWholeText("rem edited\r\n");
        form->rePreview->SetModified(true);
        auto expectEditKept = [&] {
            EXPECT_EQ(EditorText(), "rem edited\r\n");
            EXPECT_TRUE(form->rePreview->Modified());
            EXPECT_EQ(Viewing(), "Currently Viewing: levels\\a.con");
            EXPECT_FALSE(form->BuildDirty);
        };

        messages.clear();
        answers = keep.answers;
        Click("b.con");
        EXPECT_EQ(messages, keep.messages);
        EXPECT_EQ(SelectedCaptions(), std::vector<std::string>{"a.con"});
        expectEditKept();

        // Selecting nothing, or the edited file again, asks nothing.
        messages.clear();
        form->lvFiles->SetSelected(nullptr);
        app.ProcessMessages();
        Click("a.con");
        EXPECT_TRUE(messages.empty());
        expectEditKept();

        SelectFolder("other");
        answers = keep.answers;
        Click("d.con");
        EXPECT_EQ(messages, keep.messages);
        EXPECT_TRUE(SelectedCaptions().empty());
        expectEditKept();
    }
    // No, at last, drops the edit and shows the file.
    messages.clear();
    answers = {cl::mrNo};
    Click("d.con");
    EXPECT_EQ(messages, std::vector<std::string>{kQuestion});
    EXPECT_EQ(Viewing(), "Currently Viewing: other\\d.con");
    EXPECT_EQ(EditorText(), "rem d\r\n");
    EXPECT_FALSE(form->rePreview->Modified());
}

// New, Open RFA, a dropped archive and closing the window ask before an edit is lost: Cancel
// keeps everything, No drops the edit, Yes saves it to the build list (whose own question
// follows).
TEST_F(MainFormPreviewTest, AnUnsavedEditIsAskedAboutBeforeTheWindowOrTheArchiveGoes) {
    const std::string archive = form->OpenDialog1->FileName();
    const std::string other = TempPath("edit-other.rfa");
    rfa_test::WriteArchive(other, {rfa_test::TestEntry::FromText("levels/other.con", "rem other\r\n")});
    const std::string kQuestion = "The text has been changed. Save the changes?";
    const std::string kBuildQuestion =
        "The changes to the build list have not been built yet. Saved edits of previewed files are among them and will "
        "be lost too.\r\rDo you want to go on without building?";
    bool closed = false;
    for (const TLeavingPath& path : LeavingPaths(app, *form, other, closed)) {
        SCOPED_TRACE(path.name);
        auto edit = [&] {
            form->OpenArchiveFile(archive);
            Select("levels", "init.con");
            form->rePreview->SetWholeText("rem edited\r\n");
            form->rePreview->SetModified(true);
            messages.clear();
        };

        edit();
        answers = {cl::mrCancel};
        path.run();
        EXPECT_EQ(messages, std::vector<std::string>{kQuestion});
        EXPECT_FALSE(path.wentOn());
        EXPECT_EQ(EditorText(), "rem edited\r\n");
        EXPECT_TRUE(form->rePreview->Modified());
        EXPECT_FALSE(form->BuildDirty);

        edit();
        answers = {cl::mrNo};
        path.run();
        EXPECT_EQ(messages, std::vector<std::string>{kQuestion});
        EXPECT_TRUE(path.wentOn());
        EXPECT_FALSE(form->rePreview->Modified());

        edit();
        answers = {cl::mrYes, cl::mrYes, cl::mrNo};
        path.run();
        EXPECT_EQ(messages, (std::vector<std::string>{kQuestion, "Do you want to replace \"levels/init.con\"?", kBuildQuestion}));
        EXPECT_FALSE(path.wentOn());
        EXPECT_FALSE(form->rePreview->Modified());
        EXPECT_EQ(ReadFile(form->AddedFileSource("*init.con")), "rem edited\r\n");
    }
}

// A build asks first too: the archive would be built without the edit, and the edit lost when
// the built archive is opened.
TEST_F(MainFormPreviewTest, AnUnsavedEditIsAskedAboutBeforeABuild) {
    Select("levels", "init.con");
    form->rePreview->SetWholeText("rem edited\r\n");
    form->rePreview->SetModified(true);
    messages.clear();
    answers = {cl::mrCancel};
    form->actBuildRFAExecute(nullptr);
    EXPECT_EQ(messages, std::vector<std::string>{"The text has been changed. Save the changes?"});
    EXPECT_TRUE(form->rePreview->Modified());
    EXPECT_EQ(EditorText(), "rem edited\r\n");
}

// A large text goes into the editor a piece at a time, editable once it is all there, and is
// left for another file, another kind of file or New, with nothing of it left behind, also
// when the user leaves before it is all there.
TEST_F(MainFormPreviewTest, ALargeTextIsShownWholeAndLeftWithoutATrace) {
    std::string large;
    for (int i = 0; large.size() < 4 * 1024 * 1024; ++i) large += "ObjectTemplate.setNetworkableInfo Info" + std::to_string(i) + "\r\n";
    const std::string path = TempPath("large-text.rfa");
    rfa_test::WriteArchive(path, {rfa_test::TestEntry::FromText("big/large.con", large),
                                  rfa_test::TestEntry::FromText("big/small.con", kJeepText),
                                  rfa_test::TestEntry::FromText("big/mesh.skn", "binary mesh")});
    const struct {
        const char* name;
        std::function<void()> leave;
        std::string viewing, text;
    } ways[] = {
        {"another text", [&] { SelectFile("small.con"); }, "Currently Viewing: big\\small.con", kJeepText},
        {"a file with no preview", [&] { SelectFile("mesh.skn"); }, "Cannot preview: mesh.skn", ""},
        {"New", [&] { form->actNewRFA->Execute(); }, "Currently Viewing:", ""},
    };
    for (const bool whole : {true, false}) {
        for (const auto& way : ways) {
            SCOPED_TRACE(std::string(way.name) + (whole ? ", whole" : ", in part"));
            form->OpenArchiveFile(path);
            Select("big", "large.con");
            if (whole) {
                const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
                while (form->rePreview->ReadOnly() && std::chrono::steady_clock::now() < deadline) app.ProcessMessages();
                EXPECT_FALSE(form->rePreview->ReadOnly());
                EXPECT_EQ(EditorText(), large);
                EXPECT_FALSE(form->rePreview->Modified());
            } else {
                EXPECT_TRUE(form->rePreview->ReadOnly());  // until the last piece
            }
            way.leave();
            for (int i = 0; i < 20; ++i) app.ProcessMessages();  // pieces that would still come
            EXPECT_EQ(Viewing(), way.viewing);
            EXPECT_EQ(EditorText(), way.text);
            EXPECT_FALSE(form->rePreview->Modified());
        }
    }
}

// The editor's window that held a text left while it was still coming in goes once the user
// pauses, or with the main window when that closes first.
TEST_F(MainFormPreviewTest, ALeftTextsWindowGoesOnceTheUserPausesOrWithTheMainWindow) {
    std::string large;  // more than the first piece: the rest is still coming when it is left
    for (int i = 0; large.size() < 256 * 1024; ++i) large += "rem line " + std::to_string(i) + "\r\n";
    const std::string path = TempPath("left-text.rfa");
    rfa_test::WriteArchive(path, {rfa_test::TestEntry::FromText("big/large.con", large),
                                  rfa_test::TestEntry::FromText("big/small.con", kJeepText)});
    for (const bool closeWindow : {false, true}) {
        SCOPED_TRACE(closeWindow ? "the main window closed" : "the user paused");
        form->OpenArchiveFile(path);
        Select("big", "large.con");
        EXPECT_TRUE(form->rePreview->ReadOnly());
        const HWND left = form->rePreview->Handle();
        SelectFile("small.con");
        EXPECT_EQ(EditorText(), kJeepText);
        EXPECT_NE(form->rePreview->Handle(), left);
        if (closeWindow) {
            cl::Free(form);
            form = nullptr;
        } else {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
            while (IsWindow(left) && std::chrono::steady_clock::now() < deadline) app.ProcessMessages();
        }
        EXPECT_FALSE(IsWindow(left));
    }
}

// A folder whose name comes in two cases lists a file of one name twice: each item shows its
// own entry, and saving an edit asks about each entry under its own spelling.
TEST_F(MainFormPreviewTest, EachOfTwoSameNamedItemsShowsItsOwnEntry) {
    const std::string path = TempPath("same-named.rfa");
    rfa_test::WriteArchive(path, form_test::SameNamedEntries());
    form->OpenArchiveFile(path);
    SelectFolder("Vehicles");
    ASSERT_EQ(form->lvFiles->Item(1)->Caption(), "tank.con");
    const struct {
        int item;
        std::string text;
    } items[] = {{1, "SECOND\r\n"}, {0, "FIRST\r\n"}, {1, "SECOND\r\n"}};
    for (const auto& i : items) {
        Click(form->lvFiles->Item(i.item));
        EXPECT_EQ(EditorText(), i.text) << i.item;
        EXPECT_EQ(Viewing(), "Currently Viewing: Vehicles\\tank.con");
    }

    form->rePreview->SetWholeText("THIRD\r\n");
    form->rePreview->SetModified(true);
    messages.clear();
    answers = {cl::mrYes, cl::mrYes};
    form->actSaveChangesExecute(form->actSaveChanges);
    EXPECT_EQ(messages, (std::vector<std::string>{"Do you want to replace \"Vehicles/tank.con\"?",
                                                  "Do you want to replace \"vehicles/tank.con\"?"}));
    EXPECT_EQ(form->Entries->ToVector(), (std::vector<std::string>{"vehicles/jeep.con", "Vehicles/*tank.con"}));
}

// Two entries whose names differ only in the case of accented letters are one file to the file
// system: the saved edit of one never takes the text of the other's, whether the user lets the
// second replace its entry or not.
TEST_F(MainFormPreviewTest, SavedEditsOfNamesTheFileSystemTakesForOneKeepTheirOwnText) {
    const std::string lower = form_test::Ansi(L"\u00E9t\u00E9.con"), upper = form_test::Ansi(L"\u00C9T\u00C9.con");
    const std::string path = TempPath("one-on-disk.rfa");
    rfa_test::WriteArchive(path, {rfa_test::TestEntry::FromText("levels/" + lower, "rem summer\r\n"),
                                  rfa_test::TestEntry::FromText("levels/" + upper, "rem SUMMER\r\n")});
    auto saveEdit = [&](const std::string& caption, const std::string& text, cl::TModalResult replace) {
        Select("levels", caption);
        form->rePreview->SetWholeText(text);
        form->rePreview->SetModified(true);
        answers = {replace};
        form->actSaveChangesExecute(form->actSaveChanges);
    };
    for (const cl::TModalResult second : {cl::mrYes, cl::mrNo}) {
        SCOPED_TRACE(second == cl::mrYes ? "second saved" : "second declined");
        form->OpenArchiveFile(path);
        saveEdit(lower, "rem first edit\r\n", cl::mrYes);
        saveEdit(upper, "rem second edit\r\n", second);
        SelectFolder("levels");
        EXPECT_EQ(ReadFile(form->AddedFileSource("*" + lower)), "rem first edit\r\n");
        if (second == cl::mrYes) {
            EXPECT_EQ(ReadFile(form->AddedFileSource("*" + upper)), "rem second edit\r\n");
        }
    }
}

// Text is shown as the bytes it is, whatever it starts with, and a saved edit holds exactly the
// edited text.
TEST_F(MainFormPreviewTest, TextThatLooksLikeRtfIsShownAndSavedAsItsCharacters) {
    Select("notes", "rich.con");
    EXPECT_EQ(EditorText(), kRtfText);
    ASSERT_FALSE(form->rePreview->ReadOnly());
    form->rePreview->Lines()->Add("rem one more");
    form->rePreview->SetModified(true);
    answers = {cl::mrYes};
    form->actSaveChangesExecute(form->actSaveChanges);
    EXPECT_EQ(ReadFile(form->AddedFileSource("*rich.con")), std::string(kRtfText) + "rem one more\r\n");
}

// Entries whose names are no file names are shown but not offered for editing, and an edit
// under such a name is never written, least of all outside "~Quillon_Temp".
TEST_F(MainFormPreviewTest, AnEntryWithAHostileNameIsNeverSavedOutsideTheTemporaryFolder) {
    const struct {
        const char* folder;
        const char* file;
    } names[] = {
        {"data", "..\\..\\..\\..\\pwned.txt"},
        {"data", "..\\pwned.bat"},
        {"data", "C:\\pwned.cmd"},
        {"data", "stream.con:hidden"},
        {"data", "NUL.con"},
        {"data/..", "pwned.con"},
    };
    std::vector<rfa_test::TestEntry> entries;
    for (const auto& n : names)
        entries.push_back(rfa_test::TestEntry::FromText(std::string(n.folder) + "/" + n.file, "echo pwned\r\n"));
    const std::string path = TempPath("hostile-names.rfa");
    rfa_test::WriteArchive(path, entries);
    form->OpenArchiveFile(path);
    const std::string edits = TfrmMainQuillon::TempFolder() + "\\edits\\";
    auto wouldBeWritten = [&](const std::string& folder, const std::string& file) {
        char full[MAX_PATH];
        GetFullPathNameA((edits + cl::StringReplace(folder, "/", "\\") + "\\" + file).c_str(), MAX_PATH, full, nullptr);
        return std::string(full);
    };
    for (const auto& n : names) {
        SCOPED_TRACE(std::string(n.folder) + "/" + n.file);
        const std::string target = wouldBeWritten(n.folder, n.file);
        DeleteFileA(target.c_str());
        messages.clear();

        // Previewed: read-only, nothing to save.
        SelectFolder(cl::StringReplace(n.folder, "/", "\\"));
        SelectFile(n.file);
        EXPECT_EQ(EditorText(), "echo pwned\r\n");
        EXPECT_TRUE(form->rePreview->ReadOnly());
        form->ActionList1->UpdateActions();
        EXPECT_FALSE(form->actOpenText->Enabled());

        // Saved all the same: refused with a message.
        form->EditedFolder = std::string(n.folder) + "/";
        form->EditedFileName = n.file;
        form->rePreview->SetModified(true);
        form->actSaveChangesExecute(form->actSaveChanges);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].rfind("Your changes cannot be saved: ", 0), 0u) << messages[0];
        EXPECT_FALSE(Exists(target)) << target;
        EXPECT_FALSE(form->BuildDirty);
        form->rePreview->SetModified(false);
    }
}

TEST_F(MainFormPreviewTest, WithoutDevILATextureSaysWhatIsMissingOnce) {
    ASSERT_FALSE(Exists(DevILPath()));
    Select("textures", "sky.tga");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("DevIL.DLL was not found"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("to preview DDS and TGA textures"), std::string::npos) << messages[0];
    // The DLL named is one this build can load.
    const char* const kind = sizeof(void*) == 8 ? "a 64-bit DevIL.DLL" : "a 32-bit DevIL.DLL";
    EXPECT_NE(messages[0].find(kind), std::string::npos) << messages[0];
    EXPECT_EQ(Viewing(), "Cannot preview: textures\\sky.tga");
    EXPECT_EQ(form->imgPreview->Picture()->Bitmap(), nullptr);

    SelectFile("grass.dds");
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(Viewing(), "Cannot preview: textures\\grass.dds");
    EXPECT_EQ(cl::Screen().Cursor(), cl::crDefault);
}

TEST_F(MainFormPreviewTest, WithDevILATextureIsShownAndAFailedConversionShowsNothing) {
    InstallDevILStandIn();

    Select("textures", "sky.tga");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Viewing(), "Currently Viewing: textures\\sky.tga");
    EXPECT_EQ(form->pcPreview->ActivePage(), form->tsGraphic);
    cl::TPicture* picture = form->imgPreview->Picture();
    ASSERT_NE(picture->Bitmap(), nullptr);
    EXPECT_EQ(picture->Width(), 64);
    EXPECT_EQ(picture->Height(), 32);
    // The top left pixel is the last row of the bottom-up TGA, blue-green-red.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, picture->Bitmap());
    const COLORREF topLeft = GetPixel(dc, 0, 0);
    SelectObject(dc, old);
    DeleteDC(dc);
    const size_t lastRow = 18 + size_t(31) * 64 * 3;
    EXPECT_EQ(topLeft, RGB(kSkyTga[lastRow + 2], kSkyTga[lastRow + 1], kSkyTga[lastRow]));
    for (const char* left : {"preview.tga", "preview.bmp"}) EXPECT_FALSE(Exists(TfrmMainQuillon::TempFolder() + "\\" + left)) << left;

    // The stand-in reads no DDS: the previous picture must not stay under the new name.
    SelectFile("grass.dds");
    EXPECT_EQ(Viewing(), "Cannot preview: textures\\grass.dds");
    EXPECT_EQ(form->imgPreview->Picture()->Bitmap(), nullptr);
    EXPECT_TRUE(messages.empty());
}

// The scroll box's range and position for one bar.
SCROLLINFO ScrollState(HWND window, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(window, bar, &info);
    return info;
}

// The colour on screen at a point of the control's client area, and of the picture's bitmap.
COLORREF ScreenPixel(cl::TControl& control, int x, int y) {
    UpdateWindow(control.Handle());
    HDC dc = GetDC(control.Handle());
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(control.Handle(), dc);
    return colour;
}
COLORREF PicturePixel(cl::TPicture& picture, int x, int y) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, picture.Bitmap());
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return colour;
}

TEST_F(MainFormPreviewTest, APictureLargerThanThePageScrollsToItsFarCorner) {
    InstallDevILStandIn();
    const std::string path = TempPath("wide-texture.rfa");
    rfa_test::BuildArchive({rfa_test::TestEntry::FromData("textures/wide.tga", rfa_test::MakeTgaTexture(1024, 512)),
                            rfa_test::TestEntry::FromData("textures/sky.tga", kSkyTga)})
        .Save(path);
    form->OpenArchiveFile(path);
    Select("textures", "wide.tga");
    ASSERT_EQ(form->pcPreview->ActivePage(), form->tsGraphic);
    cl::TPicture& picture = *form->imgPreview->Picture();
    ASSERT_EQ(picture.Width(), 1024);
    EXPECT_EQ(form->imgPreview->Width(), 1024);
    EXPECT_EQ(form->imgPreview->Height(), 512);

    cl::TScrollBox& box = *form->ScrollBox1;
    const HWND window = box.Handle();
    for (const int bar : {SB_HORZ, SB_VERT}) {
        const SCROLLINFO info = ScrollState(window, bar);
        EXPECT_EQ(info.nMax + 1, bar == SB_HORZ ? 1024 : 512) << bar;
        EXPECT_LT(static_cast<int>(info.nPage), info.nMax + 1) << bar;
    }
    const int right = box.ClientWidth() - 1, bottom = box.ClientHeight() - 1;
    EXPECT_EQ(ScreenPixel(box, 0, 0), PicturePixel(picture, 0, 0));
    // Dragging both thumbs to their ends, as the user does, shows the picture's far corner.
    SendMessageA(window, WM_HSCROLL, SB_BOTTOM, 0);
    SendMessageA(window, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(box.HorzPosition(), 1024 - box.ClientWidth());
    EXPECT_EQ(box.VertPosition(), 512 - box.ClientHeight());
    EXPECT_EQ(ScreenPixel(box, right, bottom), PicturePixel(picture, 1023, 511));

    // A small picture afterwards starts at the top left, with nothing to scroll.
    SelectFile("sky.tga");
    ASSERT_EQ(picture.Width(), 64);
    EXPECT_EQ(box.HorzPosition(), 0);
    EXPECT_EQ(box.VertPosition(), 0);
    EXPECT_EQ(form->imgPreview->Left(), 0);
    EXPECT_EQ(form->imgPreview->Top(), 0);
    for (const int bar : {SB_HORZ, SB_VERT}) {
        const SCROLLINFO info = ScrollState(window, bar);
        EXPECT_GE(static_cast<int>(info.nPage), info.nMax + 1) << bar;
    }
    EXPECT_EQ(ScreenPixel(box, 63, 31), PicturePixel(picture, 63, 31));
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainFormPreviewTest, ASoundIsOfferedPlayedStoppedAndReplayedWithoutExtraction) {
    Select("sound", "beep.wav");
    EXPECT_EQ(form->CurrentWav, "beep.wav");
    EXPECT_EQ(Viewing(), "Sound: sound\\beep.wav (\"Play Wav\" plays it)");
    EXPECT_EQ(form->actPlayWav->Hint(), "Play: beep.wav");
    EXPECT_EQ(form->actStopWav->Hint(), "Stop: beep.wav");
    form->ActionList1->UpdateActions();
    EXPECT_TRUE(form->actPlayWav->Enabled());
    EXPECT_TRUE(form->actPlayWav->Visible());
    EXPECT_FALSE(form->actStopWav->Enabled());

    const std::string tempWav = TfrmMainQuillon::TempFolder() + "\\temp.wav";
    form->actPlayWavExecute(form->actPlayWav);
    EXPECT_EQ(mci.Count(MCI_OPEN), 1);
    EXPECT_EQ(ReadFile(tempWav), std::string(kBeep.begin(), kBeep.end()));
    EXPECT_EQ(ItemZeroAction(), form->actStopWav);
    EXPECT_EQ(ItemZeroImage(), 5);
    app.ProcessMessages();  // the start of the playback
    EXPECT_TRUE(form->Playing);
    form->ActionList1->UpdateActions();
    EXPECT_TRUE(form->actStopWav->Enabled());  // the user can stop it
    EXPECT_FALSE(form->actPlayWav->Enabled());
    EXPECT_FALSE(form->actPlayWav->Visible());

    // Played to the end: the item offers playing again and the group opens.
    form->gbActions->Close();
    mci.EndPlayback();
    app.ProcessMessages();
    EXPECT_FALSE(form->Playing);
    EXPECT_EQ(ItemZeroAction(), form->actPlayWav);
    EXPECT_EQ(ItemZeroImage(), 4);
    form->ActionList1->UpdateActions();
    EXPECT_TRUE(form->actPlayWav->Enabled());
    EXPECT_TRUE(form->actPlayWav->Visible());
    EXPECT_TRUE(form->gbActions->Opened());

    // The same sound again: "temp.wav" is played as it is.
    cl::TFileStream(tempWav, cl::FileMode::Create).WriteBuffer("kept", 4);
    form->actPlayWavExecute(form->actPlayWav);
    app.ProcessMessages();
    EXPECT_TRUE(form->Playing);
    EXPECT_EQ(mci.Count(MCI_OPEN), 1);
    EXPECT_EQ(mci.Count(MCI_SEEK), 1);
    EXPECT_EQ(ReadFile(tempWav), "kept");

    // A change of the selection stops the sound.
    form->lvFiles->SetSelected(nullptr);
    app.ProcessMessages();
    EXPECT_FALSE(form->Playing);
    EXPECT_EQ(ItemZeroAction(), form->actPlayWav);
    EXPECT_EQ(mci.Count(MCI_STOP), 1);

    // A sound of the same name in another folder is another sound.
    Select("sound\\other", "beep.wav");
    form->actPlayWavExecute(form->actPlayWav);
    EXPECT_EQ(mci.Count(MCI_OPEN), 2);
    EXPECT_EQ(ReadFile(tempWav), std::string(kOtherBeep.begin(), kOtherBeep.end()));
    // The user stops it.
    app.ProcessMessages();
    form->actStopWavExecute(form->actStopWav);
    app.ProcessMessages();
    EXPECT_FALSE(form->Playing);
    EXPECT_EQ(ItemZeroAction(), form->actPlayWav);
}

// "Play Wav" is offered, in an opened group, exactly while the file shown is a sound: an archive
// entry or a file added for the build.
TEST_F(MainFormPreviewTest, PlayWavIsOfferedWhileASoundIsShownAndNoLonger) {
    SelectFolder("levels\\other");
    const std::string added = TempPath("added.wav");
    cl::TFileStream(added, cl::FileMode::Create).WriteBuffer(kBeep.data(), kBeep.size());
    form->AddFileToBuild(added);
    const struct {
        const char* folder;
        const char* sound;
        std::string viewing;
    } sounds[] = {
        {"sound", "beep.wav", "Sound: sound\\beep.wav (\"Play Wav\" plays it)"},
        {"levels\\other", "*added.wav", "Sound: " + added + " (\"Play Wav\" plays it)"},
    };
    const struct {
        const char* folder;
        const char* file;
    } others[] = {{"levels", "init.con"}, {"Vehicles", "tank.skn"}};
    for (const auto& sound : sounds) {
        for (const auto& other : others) {
            SCOPED_TRACE(std::string(sound.sound) + " then " + other.file);
            form->gbActions->Close();
            Select(sound.folder, sound.sound);
            EXPECT_EQ(Viewing(), sound.viewing);
            EXPECT_TRUE(form->gbActions->Opened());
            form->ActionList1->UpdateActions();
            EXPECT_TRUE(form->actPlayWav->Enabled());
            EXPECT_TRUE(form->actPlayWav->Visible());

            Select(other.folder, other.file);
            form->ActionList1->UpdateActions();
            EXPECT_EQ(form->CurrentWav, "");
            EXPECT_FALSE(form->actPlayWav->Enabled());
            EXPECT_FALSE(form->actPlayWav->Visible());
        }
    }
    DeleteFileA(added.c_str());
}

// A file that leaves the build list, removed or with its folder, is no longer shown or played.
TEST_F(MainFormPreviewTest, AFileRemovedFromTheBuildListIsNoLongerShown) {
    const struct {
        const char* what;
        const char* folder;
        const char* file;
        std::function<void()> remove;
    } cases[] = {
        {"a text removed", "levels", "init.con", [&] { form->RemoveSelectedFiles(); }},
        {"a sound removed", "sound", "beep.wav", [&] { form->RemoveSelectedFiles(); }},
        {"a text's folder deleted", "levels\\other", "init.con",
         [&] {
             SelectFolder("levels");
             form->actDeleteFolderExecute(nullptr);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Select(c.folder, c.file);
        ASSERT_NE(Viewing(), "Currently Viewing:");
        answers = {cl::mrYes};
        c.remove();
        EXPECT_TRUE(answers.empty());  // asked, and removed
        EXPECT_EQ(Viewing(), "Currently Viewing:");
        EXPECT_EQ(EditorText(), "");
        EXPECT_TRUE(form->rePreview->ReadOnly());
        form->ActionList1->UpdateActions();
        EXPECT_FALSE(form->actPlayWav->Visible());
    }
}

// A sound that claims to be long is written with progress and can be stopped: nothing is played
// then.
TEST_F(MainFormPreviewTest, ALongSoundIsWrittenWithProgressAndStopMeansNothingPlays) {
    rfa_test::ArchiveImage image = rfa_test::BuildArchive({rfa_test::TestEntry::FromData("sound/long.wav", kBeep)});
    image.Set(rfa_test::Field::Size, 32 * 1024 * 1024, 0);
    const std::string path = TempPath("long-sound.rfa");
    image.Save(path);
    form->OpenArchiveFile(path);
    const std::string tempWav = TfrmMainQuillon::TempFolder() + "\\temp.wav";
    for (const bool stop : {true, false}) {
        SCOPED_TRACE(stop ? "stopped" : "let run");
        std::vector<std::string> shown;
        TfrmExtracting::EntryHook = [&](TfrmExtracting& dialog, const std::string& entry) {
            shown.push_back(entry);
            if (stop) dialog.MwBitBtn1->Click();
        };
        Select("sound", "long.wav");
        answers = {cl::mrYes};  // it claims more than the archive can hold
        form->actPlayWavExecute(form->actPlayWav);
        TfrmExtracting::EntryHook = nullptr;
        EXPECT_EQ(shown, std::vector<std::string>{"long.wav"});
        EXPECT_EQ(mci.Count(MCI_PLAY), stop ? 0 : 1);
        EXPECT_EQ(Exists(tempWav), !stop);
    }
}

TEST_F(MainFormPreviewTest, TheEditorsToolbarFollowsTheEditorAndTheClipboard) {
    Select("levels", "init.con");
    auto update = [&] { form->ActionList1->UpdateActions(); };
    update();
    EXPECT_TRUE(form->actOpenText->Enabled());  // an archive entry's text is editable
    EXPECT_FALSE(form->actSaveChanges->Enabled());
    EXPECT_FALSE(form->actCut->Enabled());
    EXPECT_FALSE(form->actCopy->Enabled());

    form->rePreview->SetSelStart(0);
    form->rePreview->SetSelLength(3);
    update();
    EXPECT_TRUE(form->actCut->Enabled());
    EXPECT_TRUE(form->actCopy->Enabled());
    form->Cut1Click(nullptr);  // the popup's "Copy to Clipboard"
    update();
    EXPECT_TRUE(form->actPaste->Enabled());
    form->rePreview->SetSelStart(0);
    form->rePreview->SetSelLength(0);
    form->actPasteExecute(form->actPaste);
    EXPECT_EQ(EditorText().substr(0, 6), "remrem");
    update();
    EXPECT_TRUE(form->actSaveChanges->Enabled());

    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    update();
    EXPECT_FALSE(form->actPaste->Enabled());

    // A file opened into the editor is a change to save.
    const std::string opened = TempPath("opened.con");
    cl::TFileStream(opened, cl::FileMode::Create).WriteBuffer("opened text", 11);
    cl::FileDialogHooks().execute = [&](cl::TOpenDialog& dialog) {
        dialog.SetFileName(opened);
        return true;
    };
    form->actOpenTextExecute(form->actOpenText);
    EXPECT_EQ(EditorText(), "opened text");
    update();
    EXPECT_TRUE(form->actSaveChanges->Enabled());

    // An added file's text is read-only: nothing to open into it.
    form->rePreview->SetModified(false);
    Select("sound", "beep.wav");
    form->AddFileToBuild(opened);
    SelectFile("*opened.con");
    EXPECT_EQ(EditorText(), "opened text");
    update();
    EXPECT_FALSE(form->actOpenText->Enabled());
    DeleteFileA(opened.c_str());
}

}  // namespace
