// The main window's search: entry names and entry contents, through the search dialog and
// the progress dialog, on an archive made for the purpose.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/QuillonClasses.h"
#include "app/archive/RFAFile.h"
#include "app/archive/RFAFormatError.h"
#include "app/frmDoSearch.h"
#include "app/frmMainQuillon.h"
#include "app/frmSearch.h"
#include "app/tests/FormTestSupport.h"
#include "classlib/core/Stream.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Application.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/ListView.h"
#include "controls/basic/MwBitBtn.h"
#include "controls/basic/MwEdit.h"
#include "controls/basic/MwLabel.h"
#include "controls/basic/MwMaskEdit.h"
#include "controls/basic/MwPanel.h"
#include "controls/basic/MwRichEdit.h"
#include "controls/navigation/MwPageControl.h"
#include "controls/navigation/MwSplitter.h"
#include "controls/navigation/MwTreeView.h"
#include "tools/rfa_writer/RfaWriter.h"
#include "utils/UtFileUtils.h"

namespace {

using form_test::TempPath;
using form_test::TModalDriver;

using Clock = std::chrono::steady_clock;
using Lines = std::vector<std::string>;

// Letters a..s only: no "tiger" by chance.
std::vector<uint8_t> Filler(size_t size) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>('a' + (i * 7 + i / 19) % 19);
    return bytes;
}

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

std::vector<uint8_t> WithTigerAt(size_t size) {
    std::vector<uint8_t> bytes = Filler(size);
    const std::string tiger = "Tiger";
    bytes.insert(bytes.end(), tiger.begin(), tiger.end());
    return bytes;
}

// Entries in directory order. "tiger" is in the contents of some and in the names of others.
std::vector<rfa_test::TestEntry> FixtureEntries() {
    using rfa_test::TestEntry;
    return {
        TestEntry::FromText("menu/Init.con", "rem TIGER tank settings\r\n"),
        TestEntry::FromText("menu/logo.dds", "a tiger in a texture"),
        TestEntry::FromText("sound/tiger.wav", "tiger roar"),
        TestEntry::FromText("objects/tanks/tiger.con", "no such word\r\n"),
        // Beyond what a rich edit takes in at once.
        TestEntry::FromData("objects/big.con", WithTigerAt(200000)),
        TestEntry::FromData("objects/zero.con", Bytes(std::string("head\0tiger", 10))),
        TestEntry::FromText("readme.txt", "see the Tiger"),
        TestEntry::FromText("anim/tiger.baf", "tiger"),
    };
}

const char kContentsQuestion[] =
    "This could take a while... I've got to open every\rarchived (text) file and scan its contents.\r\rAre you sure you "
    "want to do that?";

std::string Found(const std::string& entry) { return "Found search String 'tiger' in file: " + entry; }

// Presses "Stop" of the progress dialog as it shows the given entry, before that entry is read.
class TStopAtEntry {
public:
    explicit TStopAtEntry(std::string entry) : entry_(std::move(entry)) {
        current_ = this;
        hook_ = SetWindowsHookExA(WH_CALLWNDPROC, &Hook, nullptr, GetCurrentThreadId());
    }
    ~TStopAtEntry() {
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    bool Pressed() const { return pressed_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        TStopAtEntry* self = current_;
        if (code == HC_ACTION && self && !self->pressed_ && call->message == WM_SETTEXT &&
            self->entry_ == reinterpret_cast<const char*>(call->lParam)) {
            try {
                HWND window = form_test::FindThreadWindow("TfrmDoSearch");
                if (auto* dialog = dynamic_cast<TfrmDoSearch*>(cl::TControl::FromHandle(window));
                    dialog && dialog->lblSearching->Handle() == call->hwnd) {
                    self->pressed_ = true;
                    dialog->MwBitBtn1->Click();
                }
            } catch (const std::exception& e) {
                ADD_FAILURE() << e.what();  // never through the hook chain
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline TStopAtEntry* current_ = nullptr;
    std::string entry_;
    HHOOK hook_ = nullptr;
    bool pressed_ = false;
};

class MainFormSearchTest : public ::testing::Test {
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
        form = app.CreateForm<TfrmMainQuillon>();
        form->Show();
        form->optPreview = true;
        Open(rfa_test::BuildArchive(FixtureEntries()));
        // A file added for the next build, "tiger" in its name and its contents.
        ut::CreateFolderPath(out);
        const std::string added = out + "\\tiger_added.con";
        cl::TFileStream(added, cl::FileMode::Create).WriteBuffer("tiger", 5);
        form->AddFileToBuildFolder("menu/", added);
    }
    void TearDown() override {
        cl::Free(form);
        cl::DialogHooks() = {};
        ut::DeleteFolderTree(out, false);
        DeleteFileA(archive.c_str());
    }

    void Open(const rfa_test::ArchiveImage& image) {
        form->ClearEntries();
        form->tvFolders->ClearNodes();
        image.Save(archive);
        form->OpenDialog1->SetFileName(archive);
        form->LoadArchive();
    }
    // Closes the search dialog as the user would.
    static void AskForNames(TfrmSearch& dialog, const std::string& term) {
        dialog.edtName->SetText(term);
        dialog.MwBitBtn1->Click();
    }
    static void AskForContents(TfrmSearch& dialog, const std::string& term) {
        dialog.edtContent->SetText(term);
        dialog.MwBitBtn2->Click();
    }
    // Runs "Search RFA" with the search dialog answered by the action.
    void RunSearchCommand(std::function<void(TfrmSearch&)> action) {
        TModalDriver<TfrmSearch> driver(std::move(action));
        form->actSearchExecute(form->actSearch);
        EXPECT_TRUE(driver.Acted());
    }
    Lines Results() {
        Lines lines;
        for (int i = 0; i < form->rePreview->Lines()->Count(); ++i) lines.push_back(form->rePreview->Lines()->Get(i));
        while (!lines.empty() && lines.back().empty()) lines.pop_back();
        return lines;
    }
    std::string Heading() const { return form->pnlViewing->Caption(); }
    static bool DialogsGone() { return !FindWindowA("TfrmSearch", nullptr) && !FindWindowA("TfrmDoSearch", nullptr); }

    cl::TApplication app;
    TfrmMainQuillon* form = nullptr;
    const std::string archive = TempPath("search-test.rfa");
    const std::string out = TempPath("search-test-files");
    std::vector<std::string> messages;
    std::deque<cl::TModalResult> answers;
};

TEST_F(MainFormSearchTest, ANameSearchListsEveryPathContainingTheTermInAnyCaseAddedFilesIncluded) {
    form->MainSplitter->SetPercent(98);
    form->pcPreview->SetActivePage(form->tsGraphic);
    RunSearchCommand([](TfrmSearch& d) { AskForNames(d, "  TiGeR "); });

    EXPECT_EQ(Heading(), "Search Results for: File names containing: TiGeR");
    EXPECT_EQ(Results(), (Lines{"sound/tiger.wav", "objects/tanks/tiger.con", "anim/tiger.baf", "menu/*tiger_added.con"}));
    EXPECT_EQ(form->pcPreview->ActivePage(), form->tsCode);
    EXPECT_EQ(form->MainSplitter->Percent(), 75);
    EXPECT_TRUE(form->rePreview->ReadOnly());
    EXPECT_FALSE(form->rePreview->Modified());
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(DialogsGone());
}

TEST_F(MainFormSearchTest, ATermFoundInNoNameLeavesOnlyTheHeadingAndAnEmptyTermOnlyAMessage) {
    form->MainSplitter->SetPercent(98);
    form->SearchNames("panther");
    EXPECT_EQ(Heading(), "Search Results for: File names containing: panther");
    EXPECT_EQ(Results(), Lines{});
    EXPECT_EQ(form->MainSplitter->Percent(), 98);

    form->SearchNames(" \t ");
    EXPECT_EQ(messages, Lines{"No files have nothing in their names.  You need to supply a search value before clicking "
                              "search."});
    EXPECT_EQ(Heading(), "Search Results for: File names containing: panther");
}

TEST_F(MainFormSearchTest, AContentSearchReadsEveryTextEntryWholeAndSkipsBinaryKindsAndAddedFiles) {
    form->MainSplitter->SetPercent(98);
    answers = {cl::mrYes};
    RunSearchCommand([](TfrmSearch& d) { AskForContents(d, "tiger"); });

    EXPECT_EQ(messages, Lines{kContentsQuestion});
    EXPECT_EQ(Heading(), "Search Results for: Files containing the text: tiger");
    EXPECT_EQ(Results(), (Lines{Found("menu/Init.con"), Found("objects/big.con"), Found("objects/zero.con"),
                                Found("readme.txt")}));
    EXPECT_EQ(form->MainSplitter->Percent(), 75);
    // Left on the last entry searched, with its segment count read.
    ASSERT_NE(form->CurrentEntry, nullptr);
    EXPECT_EQ(form->CurrentEntry->FileName, "readme.txt");
    EXPECT_EQ(form->CurrentEntry->SegmentCount, 1u);
    EXPECT_TRUE(DialogsGone());
}

// Entries of one name in folders that differ only in case: each is searched in its own
// contents and named under its own spelling.
TEST_F(MainFormSearchTest, SameNamedEntriesAreEachFoundInTheirOwnContents) {
    Open(rfa_test::BuildArchive(form_test::SameNamedEntries()));
    const struct {
        const char* term;
        std::string found;
    } cases[] = {{"FIRST", "Vehicles/tank.con"}, {"SECOND", "vehicles/tank.con"}};
    for (const auto& c : cases) {
        form->SearchContents(c.term);
        EXPECT_EQ(Results(), Lines{"Found search String '" + std::string(c.term) + "' in file: " + c.found});
    }
    form->SearchNames("TANK");
    EXPECT_EQ(Results(), (Lines{"Vehicles/tank.con", "vehicles/tank.con"}));
}

// Enter in each edit, and the answer to the question a content search asks first.
TEST_F(MainFormSearchTest, EnterInAnEditActsLikeItsSearchButton) {
    struct TCase {
        const char* name;
        bool content;
        cl::TModalResult answer;
        Lines expected;
    } cases[] = {
        {"name", false, cl::mrOk, {"sound/tiger.wav", "objects/tanks/tiger.con", "anim/tiger.baf", "menu/*tiger_added.con"}},
        {"content, yes", true, cl::mrYes, {Found("menu/Init.con"), Found("objects/big.con"), Found("objects/zero.con"), Found("readme.txt")}},
        {"content, no", true, cl::mrNo, {"left as it was"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        form->rePreview->Lines()->SetAllText("left as it was");
        form->rePreview->SetModified(false);
        messages.clear();
        answers = {c.answer};
        RunSearchCommand([&c](TfrmSearch& d) {
            cl::TEdit* edit = c.content ? static_cast<cl::TEdit*>(d.edtContent) : d.edtName;
            edit->SetText("tiger");
            edit->SetFocus();
            PostMessageA(edit->Handle(), WM_KEYDOWN, VK_RETURN, 1);
        });
        EXPECT_EQ(Results(), c.expected);
        EXPECT_EQ(messages, c.content ? Lines{kContentsQuestion} : Lines{});
        EXPECT_TRUE(DialogsGone());
    }
}

// The progress dialog brought up to date at every step, so that "Stop" can be pressed as it
// shows the entry wanted and is noticed at the very next step.
struct TEveryStepShown {
    const std::chrono::milliseconds interval = TfrmDoSearch::ProgressInterval;
    TEveryStepShown() { TfrmDoSearch::ProgressInterval = std::chrono::milliseconds(0); }
    ~TEveryStepShown() { TfrmDoSearch::ProgressInterval = interval; }
};

TEST_F(MainFormSearchTest, StopEndsTheContentSearchAfterTheEntryUnderWay) {
    const TEveryStepShown everyStepShown;
    TStopAtEntry stop("objects/big.con");
    TModalDriver<TfrmDoSearch> guard([](TfrmDoSearch&) {});  // closes it should it stay open
    form->SearchContents("tiger");

    EXPECT_TRUE(stop.Pressed());
    EXPECT_EQ(Results(), (Lines{Found("menu/Init.con"), Found("objects/big.con")}));
    ASSERT_NE(form->CurrentEntry, nullptr);
    EXPECT_EQ(form->CurrentEntry->FileName, "big.con");
    EXPECT_TRUE(DialogsGone());
}

// One entry of many segments: "Stop" ends the search inside it, before its last segment, where
// the word is.
TEST_F(MainFormSearchTest, StopEndsTheContentSearchInsideOneLargeEntry) {
    std::vector<rfa_test::TestEntry> entries = FixtureEntries();
    entries[4] = rfa_test::TestEntry::FromData("objects/big.con", WithTigerAt(64 * 32768));
    Open(rfa_test::BuildArchive(entries));
    const TEveryStepShown everyStepShown;
    TStopAtEntry stop("objects/big.con");
    TModalDriver<TfrmDoSearch> guard([](TfrmDoSearch&) {});
    form->SearchContents("tiger");

    EXPECT_TRUE(stop.Pressed());
    EXPECT_EQ(Results(), Lines{Found("menu/Init.con")});
    EXPECT_TRUE(DialogsGone());
}

// Entries claiming far more than the archive holds are searched only after the user agrees.
TEST_F(MainFormSearchTest, EntriesClaimingMoreThanTheArchiveCanHoldAreSearchedOnlyAfterAQuestion) {
    const std::vector<rfa_test::TestEntry> entries = FixtureEntries();
    rfa_test::ArchiveImage image = rfa_test::BuildArchive(entries);
    for (size_t i = 0; i < entries.size(); ++i) image.Set(rfa_test::Field::Size, 0xFFFFFFFFu, i);
    Open(image);
    for (const cl::TModalResult answer : {cl::mrNo, cl::mrYes}) {
        SCOPED_TRACE(answer == cl::mrYes ? "yes" : "no");
        form->rePreview->Lines()->SetAllText("left as it was");
        messages.clear();
        answers = {answer};
        TModalDriver<TfrmDoSearch> guard([](TfrmDoSearch&) {});
        form->SearchContents("tiger");
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages[0].rfind("These entries claim ", 0), 0u) << messages[0];
        EXPECT_NE(messages[0].find("\r\rSearch them anyway?"), std::string::npos) << messages[0];
        EXPECT_EQ(Results().size() == 1 && Results()[0] == "left as it was", answer == cl::mrNo);
    }
}

TEST_F(MainFormSearchTest, ADamagedEntryEndsTheContentSearchWithItsErrorAndKeepsTheResultsSoFar) {
    rfa_test::ArchiveImage image = rfa_test::BuildArchive(FixtureEntries());
    image.Set(rfa_test::Field::SegmentOffset, 0x7FFFFFF0, 4);  // objects/big.con
    Open(image);
    TModalDriver<TfrmDoSearch> guard([](TfrmDoSearch&) {});
    EXPECT_THROW(form->SearchContents("tiger"), quillon::ERFAFormatError);
    EXPECT_EQ(Results(), Lines{Found("menu/Init.con")});
    EXPECT_TRUE(DialogsGone());

    // An empty term searches nothing.
    messages.clear();
    form->SearchContents("");
    EXPECT_EQ(messages, Lines{"You need to supply a search value before clicking search."});
    EXPECT_EQ(Results(), Lines{Found("menu/Init.con")});
}

// Results replace the editor's text: an edit there is offered for saving first, and the results
// can be neither edited nor saved as the entry shown before.
TEST_F(MainFormSearchTest, ResultsReplaceAnEditOnlyAfterAskingAndBelongToNoEntry) {
    form->tvFolders->GetNodeFromPath("menu")->SetSelected(true);
    form->lvFiles->SetSelected(form->lvFiles->FindCaption(0, "Init.con", false, true, false));
    ASSERT_FALSE(form->rePreview->ReadOnly());
    form->rePreview->SetWholeText("rem edited\r\n");
    form->rePreview->SetModified(true);

    answers = {cl::mrYes, cl::mrYes};
    form->SearchNames("tiger");
    EXPECT_EQ(messages, (Lines{"Save your changes before viewing a new file?", "Do you want to replace \"menu/Init.con\"?"}));
    EXPECT_NE(form->Entries->IndexOf("menu/*Init.con"), -1);  // the edit, now a file for the build
    EXPECT_TRUE(form->rePreview->ReadOnly());
    EXPECT_FALSE(form->rePreview->Modified());
    form->ActionList1->UpdateActions();
    EXPECT_FALSE(form->actSaveChanges->Enabled());
    EXPECT_FALSE(form->actOpenText->Enabled());
}

}  // namespace
