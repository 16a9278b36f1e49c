// The main window's extraction commands, launch, drag and drop: files and folders written to
// disk and compared with the archive's originals, the launcher with an association of the
// prefix, drags out and drops in through OLE's interfaces, and the keys and mouse of the tree
// and the list by messages.

#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/tests/FormTestSupport.h"
#include "app/QuillonClasses.h"
#include "app/archive/RFAFile.h"
#include "app/FolderIdentity.h"
#include "app/frmExtracting.h"
#include "app/frmMainQuillon.h"
#include "classlib/core/Stream.h"
#include "classlib/core/TextUtils.h"
#include "classlib/tests/win/PumpMessages.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Application.h"
#include "classlib/win/Button.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/ListView.h"
#include "classlib/win/MediaPlayer.h"
#include "classlib/win/Menus.h"
#include "classlib/win/Registry.h"
#include "classlib/win/Screen.h"
#include "controls/basic/MwBitBtn.h"
#include "controls/basic/MwProgressBar.h"
#include "controls/navigation/MwGroup.h"
#include "controls/navigation/MwGroupItem.h"
#include "controls/navigation/MwLauncher.h"
#include "controls/navigation/MwTreeView.h"
#include "controls/shell/MwSelectFolderDialog.h"
#include "controls/shell/MwSelectFolderForm.h"
#include "controls/shell/MwShellTree.h"
#include "dragdrop/DropFileSource.h"
#include "dragdrop/DropFileTarget.h"
#include "tools/rfa_writer/RfaWriter.h"
#include "tools/rfa_writer/SampleArchive.h"
#include "utils/UtFileUtils.h"

namespace {

using form_test::Ansi;
using form_test::TempPath;
using form_test::Exists;

std::vector<uint8_t> ReadBytes(const std::string& path) {
    cl::TMemoryStream stream;
    stream.LoadFromFile(path);
    return stream.Bytes();
}

void WriteText(const std::string& path, const std::string& text) {
    cl::TFileStream(path, cl::FileMode::Create).WriteBuffer(text.data(), text.size());
}

// Bytes that do not repeat: several segments in the archive, written on the extraction's
// second thread.
std::vector<uint8_t> Noise(size_t size) {
    std::vector<uint8_t> bytes(size);
    uint32_t state = 12345;
    for (uint8_t& b : bytes) {
        state = state * 1103515245u + 12345u;
        b = static_cast<uint8_t>(state >> 16);
    }
    return bytes;
}

const rfa_test::TestEntry kInit = rfa_test::TestEntry::FromText("levels/init.con", "rem level settings\r\n");
const rfa_test::TestEntry kBig = rfa_test::TestEntry::FromData("levels/big.bin", Noise(70000));
const rfa_test::TestEntry kDeep = rfa_test::TestEntry::FromText("levels/other/deep.con", "deeper\r\n");
// The same file as levels/init.con to the file system.
const rfa_test::TestEntry kInitUpper = rfa_test::TestEntry::FromText("Levels/INIT.CON", "another spelling\r\n");
const rfa_test::TestEntry kEscape = rfa_test::TestEntry::FromText("levels/../../escape.txt", "outside");
const rfa_test::TestEntry kDevice = rfa_test::TestEntry::FromText("levels/CON", "a device");
const rfa_test::TestEntry kRun = rfa_test::TestEntry::FromText("tools/run.qtxlaunch", "launched bytes\r\n");
const rfa_test::TestEntry kNoProgram = rfa_test::TestEntry::FromText("tools/none.qtxnoassoc", "no program");
const rfa_test::TestEntry kBeep = rfa_test::TestEntry::FromData("sound/beep.wav", rfa_test::MakeWavSound(8000, 100));
const rfa_test::TestEntry kKeep = rfa_test::TestEntry::FromText("other/keep.con", "elsewhere");

const char kNoAssociation[] =
    "You do not have a file associate set to that type of file.\r\rTry saving the file to disk first (or change options "
    "to automatically open save dialog).";

class MainFormExtractionTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterQuillonClasses(); }
    void SetUp() override {
        cl::DialogHooks().messageBox = [this](const std::string& text, cl::TMsgDlgType, cl::TMsgDlgButtons) {
            messages.push_back(text);
            return cl::mrOk;
        };
        // No sound is really played.
        cl::TMediaPlayer::CommandHook() = [this](unsigned, unsigned command, uintptr_t, uintptr_t params) -> unsigned long {
            mciCommands.push_back(command);
            if (command == MCI_OPEN) reinterpret_cast<MCI_OPEN_PARMSA*>(params)->wDeviceID = 7;
            return 0;
        };
        ut::DeleteFolderTree(out, false);
        ut::CreateFolderPath(target);
        form = app.CreateForm<TfrmMainQuillon>();
        form->Show();
        archive = TempPath("extraction-test.rfa");
        rfa_test::WriteArchive(archive, {kInit, kBig, kDeep, kInitUpper, kEscape, kDevice, kRun, kNoProgram, kBeep, kKeep,
                                         rfa_test::TestEntry::FromText("readme.txt", "top level")});
        form->OpenDialog1->SetFileName(archive);
        form->LoadArchive();
    }
    void TearDown() override {
        cl::Free(form);
        cl::DialogHooks() = {};
        cl::FileDialogHooks() = {};
        cl::TPopupMenu::PopupHook() = nullptr;
        cl::TMediaPlayer::CommandHook() = nullptr;
        ut::DeleteFolderTree(out, false);
        DeleteFileA(archive.c_str());
        DeleteFileA((TfrmMainQuillon::ProgramFolder() + "quillon.ini").c_str());  // a saved file's folder
    }

    void SelectFolder(const std::string& path) {
        cl::TTreeNode* node = form->tvFolders->GetNodeFromPath(path);
        ASSERT_NE(node, nullptr) << path;
        node->SetSelected(true);
    }
    // The list item of exactly this caption (the list's own search ignores case).
    cl::TListItem* Item(const std::string& caption) {
        for (int i = 0; i < form->lvFiles->ItemCount(); ++i)
            if (form->lvFiles->Item(i)->Caption() == caption) return form->lvFiles->Item(i);
        ADD_FAILURE() << "no item " << caption;
        return nullptr;
    }
    // Selects exactly these list items of the selected folder.
    void SelectFiles(const std::vector<std::string>& captions) {
        form->lvFiles->SetSelected(nullptr);
        for (const std::string& caption : captions)
            if (cl::TListItem* item = Item(caption)) item->SetSelected(true);
    }
    // The folder dialog's window, once shown, is pointed at this folder and confirmed (or
    // cancelled); its captions are recorded.
    void AnswerFolderDialog(bool confirm, const std::string& folder) {
        form->SelectFolderDialog1->OnFormShow = cl::TNotifyEvent::FromFunction([this, confirm, folder](cl::TObject* sender) {
            auto& window = dynamic_cast<TMwSelectFolderForm&>(*sender);
            folderDialogTitles.push_back(window.Caption());
            if (confirm && window.ShellTree->SelectPath(folder)) window.OkBtn->Click();
            else window.CancelBtn->Click();
        });
    }
    // "Extract Directory", or the selected files extracted, into the folder the dialog is given.
    void ExtractDirectoryInto(const std::string& folder) {
        AnswerFolderDialog(true, folder);
        form->actExtractDir->Execute();
    }
    void ExtractSelectedInto(const std::string& folder) {
        AnswerFolderDialog(true, folder);
        form->actExtractFile->Execute();
    }
    void UpdateActions() { form->ActionList1->UpdateActions(); }
    // A disk file added to the selected folder for the next build.
    std::string AddToBuild(const std::string& name, const std::string& text) {
        const std::string path = out + "\\" + name;
        WriteText(path, text);
        form->AddFileToBuild(path);
        return path;
    }
    // Bytes of an extracted file compared with the archive's original.
    void ExpectFile(const std::string& path, const rfa_test::TestEntry& entry) {
        ASSERT_TRUE(Exists(path)) << path;
        EXPECT_EQ(ReadBytes(path), entry.Data) << path;
    }

    cl::TApplication app;
    TfrmMainQuillon* form = nullptr;
    std::string archive;
    const std::string out = TempPath("extraction-out");
    const std::string target = out + "\\target";  // below out, so that a file written beside it would show
    std::vector<std::string> messages;
    std::vector<std::string> folderDialogTitles;
    std::vector<unsigned> mciCommands;
};

TEST_F(MainFormExtractionTest, OneSelectedFileIsSavedUnderTheNameTheSaveDialogGives) {
    form->SaveFolder = out + "\\";
    SelectFolder("levels");
    SelectFiles({"big.bin"});
    const std::string chosen = target + "\\chosen.bin";
    std::vector<std::string> asked;
    cl::FileDialogHooks().execute = [&](cl::TOpenDialog& dialog) {
        EXPECT_EQ(dialog.Kind(), cl::TFileDialogKind::Save);
        asked.push_back(dialog.FileName() + " in " + dialog.InitialDir());
        dialog.SetFileName(chosen);
        return true;
    };
    UpdateActions();
    ASSERT_TRUE(form->actExtractFile->Enabled());
    form->actExtractFile->Execute();
    EXPECT_EQ(asked, std::vector<std::string>{"big.bin in " + out + "\\"});
    ExpectFile(chosen, kBig);
    EXPECT_EQ(messages, std::vector<std::string>{"big.bin: Saved."});
    EXPECT_EQ(form->SaveFolder, target + "\\");
    EXPECT_EQ(cl::Screen().Cursor(), cl::crDefault);

    // Cancelled: nothing is written or said.
    messages.clear();
    DeleteFileA(chosen.c_str());
    cl::FileDialogHooks().execute = [](cl::TOpenDialog&) { return false; };
    form->actExtractFile->Execute();
    EXPECT_FALSE(Exists(chosen));
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainFormExtractionTest, SeveralSelectedFilesGoToTheChosenFolderOnceEach) {
    SelectFolder("levels");
    AddToBuild("added.txt", "not in the archive");
    SelectFiles({"init.con", "big.bin", "*added.txt", "INIT.CON", "CON"});
    UpdateActions();
    EXPECT_TRUE(form->actExtractFile->Enabled());  // the first selected is an archive entry
    ExtractSelectedInto(target);

    ExpectFile(target + "\\init.con", kInit);  // the first of the two spellings wins
    ExpectFile(target + "\\big.bin", kBig);
    EXPECT_FALSE(Exists(target + "\\added.txt"));
    ASSERT_EQ(messages.size(), 1u);  // only the files not written are told
    EXPECT_NE(messages[0].find("\rINIT.CON"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("\rCON"), std::string::npos) << messages[0];

    // An added file selected first: nothing to extract.
    SelectFiles({"*added.txt"});
    UpdateActions();
    EXPECT_FALSE(form->actExtractFile->Enabled());
}

TEST_F(MainFormExtractionTest, AFolderIsWrittenWithItsSubfoldersAndNothingOutsideTheTarget) {
    SelectFolder("levels");
    AddToBuild("added.txt", "not in the archive");
    std::vector<int> percents;
    form->pbAction->OnChange =
        TProgressChangeEvent::FromFunction([&](cl::TObject*, int percent) { percents.push_back(percent); });
    AnswerFolderDialog(true, target + "\\");
    UpdateActions();
    ASSERT_TRUE(form->actExtractDir->Visible());
    form->actExtractDir->Execute();

    EXPECT_EQ(folderDialogTitles, std::vector<std::string>{"Choose a target folder..."});
    ExpectFile(target + "\\levels\\init.con", kInit);
    ExpectFile(target + "\\levels\\big.bin", kBig);
    ExpectFile(target + "\\levels\\other\\deep.con", kDeep);
    EXPECT_FALSE(Exists(target + "\\levels\\added.txt"));
    EXPECT_FALSE(Exists(target + "\\other"));
    EXPECT_FALSE(Exists(target + "\\escape.txt"));
    EXPECT_FALSE(Exists(out + "\\escape.txt"));
    // Not "Done saving.": some files were not saved, and they are named.
    ASSERT_EQ(messages.size(), 1u);
    for (const char* name : {"\rLevels/INIT.CON", "\rlevels/../../escape.txt", "\rlevels/CON"})
        EXPECT_NE(messages[0].find(name), std::string::npos) << name << " in " << messages[0];
    // Progress rises while entries are written and is reset at the end.
    ASSERT_GE(percents.size(), 2u);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end() - 1));
    EXPECT_GT(percents[percents.size() - 2], 0);
    EXPECT_EQ(percents.back(), 0);
    EXPECT_EQ(cl::Screen().Cursor(), cl::crDefault);

    // Cancelled: nothing was saved, and it is said so, never "Done saving.".
    messages.clear();
    AnswerFolderDialog(false, target);
    form->actExtractDir->Execute();
    EXPECT_EQ(messages, std::vector<std::string>{"Extract Directory was cancelled: nothing was saved."});

    // A folder written whole is done.
    messages.clear();
    SelectFolder("sound");
    ExtractDirectoryInto(target);
    ExpectFile(target + "\\sound\\beep.wav", kBeep);
    EXPECT_EQ(messages, std::vector<std::string>{"Done saving."});
}

// The files of a folder, as a sorted list of names.
std::vector<std::string> FolderFiles(const std::string& folder) {
    std::vector<std::string> names;
    ut::CollectFolderEntries(folder + "\\*", ut::kAnyFileAttributes, names);
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(MainFormExtractionTest, AFailingEntryHarmsNoFileThereAndTheOthersAreWrittenAndNamed) {
    // levels/init.con (the first entry) points its segment past the end of the file; a folder
    // path too long for the file system comes after it.
    const std::string deepFolder = "levels/" + std::string(120, 'd') + "/" + std::string(120, 'e');
    const rfa_test::TestEntry tooDeep = rfa_test::TestEntry::FromText(deepFolder + "/x.con", "deep");
    rfa_test::ArchiveImage image = rfa_test::BuildArchive({kInit, kBig, kDeep, tooDeep});
    image.Set(rfa_test::Field::SegmentOffset, 0x7FFFFFF0, 0);
    image.Save(archive);
    form->OpenArchiveFile(archive);
    form->optPreview = false;  // the damaged text is only extracted
    SelectFolder("levels");
    auto precious = [&](const std::string& folder) {
        ut::CreateFolderPath(folder);
        WriteText(folder + "\\init.con", "precious");
        return folder + "\\init.con";
    };
    const std::string failedName = "init.con: ";
    const struct {
        const char* command;
        std::string folder;  // where the files go
        std::function<void()> run;
        std::vector<std::string> written;
    } commands[] = {
        {"extract directory", target + "\\levels",
         [&] { ExtractDirectoryInto(target); },
         {"big.bin", std::string(120, 'd'), "init.con", "other"}},
        {"extract selected", out + "\\several",
         [&] {
             SelectFiles({"init.con", "big.bin"});
             ExtractSelectedInto(out + "\\several");
         },
         {"big.bin", "init.con"}},
        {"extract one", out + "\\one",
         [&] {
             SelectFiles({"init.con"});
             cl::FileDialogHooks().execute = [&](cl::TOpenDialog& dialog) {
                 dialog.SetFileName(out + "\\one\\init.con");
                 return true;
             };
             form->actExtractFile->Execute();
         },
         {"init.con"}},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(c.command);
        const std::string kept = precious(c.folder);
        messages.clear();
        c.run();
        EXPECT_EQ(ReadBytes(kept), std::vector<uint8_t>({'p', 'r', 'e', 'c', 'i', 'o', 'u', 's'}));
        EXPECT_EQ(FolderFiles(c.folder), c.written);  // nothing left over beside them
        if (std::count(c.written.begin(), c.written.end(), "big.bin")) ExpectFile(c.folder + "\\big.bin", kBig);
        // Every failure is named, and nothing claims success.
        ASSERT_EQ(messages.size(), 1u) << testing::PrintToString(messages);
        EXPECT_EQ(messages[0].rfind("These files could not be saved:\r\r", 0), 0u) << messages[0];
        EXPECT_NE(messages[0].find(failedName), std::string::npos) << messages[0];
        EXPECT_NE(messages[0].find("is damaged"), std::string::npos) << messages[0];
        if (std::string(c.command) == "extract directory") {
            EXPECT_NE(messages[0].find("/: the path is too long"), std::string::npos) << messages[0];
        }
    }
    // The folder path over the limit is named and left unmade; the folder after it is written.
    ExpectFile(target + "\\levels\\other\\deep.con", kDeep);
    EXPECT_TRUE(FolderFiles(target + "\\levels\\" + std::string(120, 'd')).empty());
}

// Names that would lead out of the chosen folder or "~Quillon_Temp" on Windows: refused by
// every command that writes a file, and told.
TEST_F(MainFormExtractionTest, HostileEntryNamesAreWrittenNowhere) {
    const char* const names[] = {"..\\..\\..\\pwned.txt", "C:\\pwned.txt", "pwned.txt:stream", "AUX.txt"};
    std::vector<rfa_test::TestEntry> entries = {rfa_test::TestEntry::FromText("data/ok.txt", "fine")};
    for (const char* name : names) entries.push_back(rfa_test::TestEntry::FromText(std::string("data/") + name, "pwned"));
    rfa_test::WriteArchive(archive, entries);
    form->OpenArchiveFile(archive);
    auto resolved = [](const std::string& path) {
        char full[MAX_PATH];
        GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
        return std::string(full);
    };
    const struct {
        const char* command;
        std::function<void()> run;
        std::string folder;      // where the command writes below
        const char* listedAs;    // what the message puts before a name
    } commands[] = {
        {"extract selected",
         [&] { ExtractSelectedInto(target); },
         target + "\\", ""},
        {"launch", [&] { form->actLaunchFileExecute(nullptr); }, TfrmMainQuillon::TempFolder() + "\\launch\\data\\", ""},
        {"extract directory",
         [&] { ExtractDirectoryInto(target); },
         target + "\\data\\", "data/"},
    };
    for (const auto& c : commands) {
        for (const char* name : names) {
            SCOPED_TRACE(std::string(c.command) + ": " + name);
            SelectFolder("data");
            SelectFiles(std::string(c.command) == "launch" ? std::vector<std::string>{name}
                                                           : std::vector<std::string>{"ok.txt", name});
            messages.clear();
            c.run();
            EXPECT_FALSE(Exists(resolved(c.folder + name))) << resolved(c.folder + name);
            ASSERT_FALSE(messages.empty());
            EXPECT_NE(messages[0].find("\r" + std::string(c.listedAs) + name), std::string::npos) << messages[0];
        }
    }
    ExpectFile(target + "\\ok.txt", entries[0]);
    ExpectFile(target + "\\data\\ok.txt", entries[0]);
}

// An entry whose file part is a path, saved as the program's own DLL: the save dialog is given
// no path, asks before overwriting, never starts in the program's folder, and the program's
// folder takes nothing from an archive whichever command writes.
TEST_F(MainFormExtractionTest, NoEntryNameChoosesAFolderAndTheProgramsFolderTakesNothing) {
    const std::string program = TfrmMainQuillon::ProgramFolder();
    const char* const pathNames[] = {"..\\..\\..\\Quillon\\DevIL.DLL", "\\\\server\\share\\DevIL.DLL", "C:DevIL.DLL"};
    std::vector<rfa_test::TestEntry> entries = {rfa_test::TestEntry::FromText("data/DevIL.DLL", "payload"),
                                                rfa_test::TestEntry::FromText("data/ok.txt", "fine")};
    for (const char* name : pathNames) entries.push_back(rfa_test::TestEntry::FromText(std::string("data/") + name, "payload"));
    rfa_test::WriteArchive(archive, entries);
    form->OpenArchiveFile(archive);
    form->SaveFolder = program;  // remembered from an earlier save
    SelectFolder("data");

    struct TAsked {
        std::string fileName, initialDir;
        unsigned options;
    };
    std::vector<TAsked> asked;
    std::string chosen;  // what the user picks; empty: cancelled
    cl::FileDialogHooks().execute = [&](cl::TOpenDialog& dialog) {
        asked.push_back({dialog.FileName(), dialog.InitialDir(), dialog.Options()});
        dialog.SetFileName(chosen);
        return !chosen.empty();
    };
    for (const char* name : pathNames) {
        SCOPED_TRACE(name);
        asked.clear();
        SelectFiles({name});
        form->actExtractFile->Execute();
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].fileName, "");
        EXPECT_FALSE(asked[0].initialDir.empty());
        EXPECT_FALSE(quillon::IsSameFolder(asked[0].initialDir, program)) << asked[0].initialDir;
        EXPECT_TRUE(asked[0].options & cl::ofOverwritePrompt);
        EXPECT_TRUE(asked[0].options & cl::ofNoChangeDir);
    }

    // A plain name is offered; the program's folder is refused however the user spells it.
    const char kRefused[] =
        "Files from an archive are not saved in the program's own folder, where they could take the place of what "
        "the program runs or loads. Choose another folder.";
    const struct {
        const char* command;
        std::function<void()> run;
    } commands[] = {
        {"extract one",
         [&] {
             asked.clear();
             chosen = program + "sub\\..\\DevIL.DLL";
             SelectFiles({"DevIL.DLL"});
             form->actExtractFile->Execute();
             ASSERT_EQ(asked.size(), 1u);
             EXPECT_EQ(asked[0].fileName, "DevIL.DLL");
         }},
        {"extract selected",
         [&] {
             SelectFiles({"DevIL.DLL", "ok.txt"});
             ExtractSelectedInto(program);
         }},
        {"extract directory",
         [&] { ExtractDirectoryInto(program); }},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(c.command);
        messages.clear();
        c.run();
        EXPECT_EQ(messages, std::vector<std::string>{kRefused});
        EXPECT_FALSE(Exists(program + "DevIL.DLL"));
        EXPECT_FALSE(Exists(program + "ok.txt"));
        EXPECT_FALSE(Exists(program + "data"));
    }
}

// A folder of the archive named like the program's folder, extracted into the folder above it:
// nothing lands directly in the program's folder (where a DLL or a ".local" folder would change
// what the program loads), and what is left out is named.
TEST_F(MainFormExtractionTest, AnArchiveFolderNamedLikeTheProgramsFolderPutsNothingDirectlyInIt) {
    const std::string program = TfrmMainQuillon::ProgramFolder();
    const std::string parent = cl::ExtractFilePath(program.substr(0, program.size() - 1));
    const std::string name = cl::ExtractFileName(program.substr(0, program.size() - 1));
    rfa_test::WriteArchive(archive, {rfa_test::TestEntry::FromText(name + "/DevIL.DLL", "payload"),
                                     rfa_test::TestEntry::FromText(name + "/Quillon.exe.local/comctl32.dll", "payload")});
    form->OpenArchiveFile(archive);
    SelectFolder(name);
    ExtractDirectoryInto(parent);

    EXPECT_FALSE(Exists(program + "DevIL.DLL"));
    EXPECT_FALSE(Exists(program + "Quillon.exe.local"));
    std::string told;  // and no "Done saving."
    for (const std::string& message : messages) told += message + "\n";
    EXPECT_NE(told.find("\r" + name + "/DevIL.DLL"), std::string::npos) << told;
    EXPECT_NE(told.find("\r" + name + "/Quillon.exe.local/"), std::string::npos) << told;
    EXPECT_EQ(told.find("Done saving."), std::string::npos) << told;
}

// Names that differ only in the case of accented letters are one file to the file system: the
// second is named to the user, never written over the first.
TEST_F(MainFormExtractionTest, NamesThatAreOneFileOnDiskAreWrittenOnceAndTheOthersNamed) {
    const rfa_test::TestEntry entries[] = {
        rfa_test::TestEntry::FromText(Ansi(L"acc/\u00C9T\u00C9.txt"), "summer"),
        rfa_test::TestEntry::FromText(Ansi(L"acc/\u00E9t\u00E9.txt"), "other summer"),
        rfa_test::TestEntry::FromText(Ansi(L"acc/\u00C4/x.txt"), "x"),
        rfa_test::TestEntry::FromText(Ansi(L"acc/\u00E4/X.TXT"), "other x"),
        rfa_test::TestEntry::FromText(Ansi(L"acc/\u00E4/y.txt"), "y"),
    };
    rfa_test::WriteArchive(archive, std::vector<rfa_test::TestEntry>(std::begin(entries), std::end(entries)));
    form->OpenArchiveFile(archive);
    SelectFolder("acc");
    ExtractDirectoryInto(target);

    ExpectFile(target + "\\" + entries[0].Name, entries[0]);
    ExpectFile(target + "\\" + entries[1].Name, entries[0]);  // the same file, not overwritten
    ExpectFile(target + "\\" + cl::StringReplace(entries[2].Name, "/", "\\"), entries[2]);
    ExpectFile(target + "\\" + cl::StringReplace(entries[4].Name, "/", "\\"), entries[4]);
    ASSERT_EQ(messages.size(), 1u);  // and no "Done saving."
    EXPECT_NE(messages[0].find("\r" + entries[1].Name), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("\r" + entries[3].Name), std::string::npos) << messages[0];

    // Several selected files likewise: the first in the list is written, the other named.
    messages.clear();
    const std::string upper = Ansi(L"\u00C9T\u00C9.txt"), lower = Ansi(L"\u00E9t\u00E9.txt");
    SelectFiles({upper, lower});
    const bool upperFirst = Item(upper)->Index() < Item(lower)->Index();
    ExtractSelectedInto(out);
    ExpectFile(out + "\\" + lower, entries[upperFirst ? 0 : 1]);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("\r" + (upperFirst ? lower : upper)), std::string::npos) << messages[0];
}

// Entries sharing one data block can claim far more than the archive holds: nothing is written
// or searched before the user agrees.
TEST_F(MainFormExtractionTest, EntriesClaimingMoreThanTheArchiveCanHoldAreWrittenOnlyAfterAQuestion) {
    std::vector<rfa_test::TestEntry> entries;
    for (int i = 0; i < 20; ++i) entries.push_back(rfa_test::TestEntry::FromText("big/f" + std::to_string(i) + ".txt", "data"));
    rfa_test::ArchiveImage image = rfa_test::BuildArchive(entries);
    for (size_t i = 0; i < entries.size(); ++i) {
        image.Set(rfa_test::Field::Size, 0xFFFFFFFFu, i);
        image.Set(rfa_test::Field::DataOffset, image.Get(rfa_test::Field::DataOffset, 0), i);
    }
    image.Save(archive);
    form->OpenArchiveFile(archive);
    SelectFolder("big");
    std::vector<std::string> questions;
    cl::TModalResult answer = cl::mrNo;
    cl::DialogHooks().messageBox = [&](const std::string& text, cl::TMsgDlgType,
                                       cl::TMsgDlgButtons buttons) -> cl::TModalResult {
        if (buttons == cl::mbYesNo) {
            questions.push_back(text);
            return answer;
        }
        messages.push_back(text);
        return cl::mrOk;
    };
    cl::FileDialogHooks().execute = [&](cl::TOpenDialog& dialog) {
        dialog.SetFileName(out + "\\one.txt");
        return true;
    };
    const std::vector<cl::TModalResult> noThenYes{cl::mrNo, cl::mrYes};
    const struct {
        const char* command;
        std::function<void()> run;
        std::string written;  // a file the command writes once the user agrees
        const char* claimed;
        const char* ending;
        std::vector<cl::TModalResult> answers;
    } commands[] = {
        {"extract directory",
         [&] { ExtractDirectoryInto(target); },
         target + "\\big\\f19.txt", "80.0 GB", "\r\rSave them anyway?", noThenYes},
        {"extract selected",
         [&] {
             SelectFiles({"f0.txt", "f1.txt"});
             ExtractSelectedInto(out);
         },
         out + "\\f1.txt", "8.0 GB", "\r\rSave them anyway?", noThenYes},
        {"extract one",
         [&] {
             SelectFiles({"f0.txt"});
             form->actExtractFile->Execute();
         },
         out + "\\one.txt", "4.0 GB", "\r\rSave them anyway?", noThenYes},
        // Yes would start the program the text files are associated with.
        {"launch",
         [&] {
             SelectFiles({"f0.txt"});
             form->actLaunchFile->Execute();
         },
         TfrmMainQuillon::TempFolder() + "\\launch\\big\\f0.txt", "4.0 GB", "\r\rOpen it anyway?", {cl::mrNo}},
    };
    for (const auto& c : commands) {
        for (const cl::TModalResult given : c.answers) {
            SCOPED_TRACE(std::string(c.command) + (given == cl::mrYes ? " yes" : " no"));
            questions.clear();
            messages.clear();
            answer = given;
            c.run();
            ASSERT_EQ(questions.size(), 1u);
            EXPECT_EQ(questions[0].rfind(std::string("These entries claim ") + c.claimed + " in all, more than an archive of ", 0),
                      0u)
                << questions[0];
            EXPECT_EQ(questions[0].substr(questions[0].size() - std::string(c.ending).size()), c.ending) << questions[0];
            EXPECT_EQ(Exists(c.written), given == cl::mrYes);
            if (given == cl::mrNo) {
                EXPECT_TRUE(messages.empty()) << messages[0];
            }
        }
    }
}

// The archive is read while entries are written: an entry named as the open archive itself
// (in any spelling) is refused and named, and the others are written.
TEST_F(MainFormExtractionTest, AnEntryIsNeverWrittenOverTheOpenArchive) {
    const std::string own = target + "\\levels\\self.rfa";
    ut::CreateFolderPath(target + "\\levels");
    rfa_test::WriteArchive(own, {kInit, rfa_test::TestEntry::FromText("levels/SELF.rfa", "not an archive")});
    const std::vector<uint8_t> archiveBytes = ReadBytes(own);
    form->OpenArchiveFile(own);
    SelectFolder("levels");
    const struct {
        const char* command;
        std::function<void()> run;
    } commands[] = {
        {"extract directory",
         [&] { ExtractDirectoryInto(target); }},
        {"extract selected",
         [&] {
             SelectFiles({"init.con", "SELF.rfa"});
             ExtractSelectedInto(target + "\\levels");
         }},
        {"extract one",
         [&] {
             SelectFiles({"SELF.rfa"});
             cl::FileDialogHooks().execute = [&](cl::TOpenDialog& dialog) {
                 dialog.SetFileName(own);
                 return true;
             };
             form->actExtractFile->Execute();
         }},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(c.command);
        messages.clear();
        DeleteFileA((target + "\\levels\\init.con").c_str());
        c.run();
        EXPECT_EQ(ReadBytes(own), archiveBytes);
        ASSERT_EQ(messages.size(), 1u) << testing::PrintToString(messages);
        EXPECT_EQ(messages[0].rfind("These files could not be saved:\r\r", 0), 0u) << messages[0];
        EXPECT_NE(messages[0].find("SELF.rfa: it would take the place of the open archive"), std::string::npos)
            << messages[0];
        if (std::string(c.command) != "extract one") ExpectFile(target + "\\levels\\init.con", kInit);
    }
    DeleteFileA(own.c_str());
}

// "Stop" in the progress dialog ends a folder's extraction: what was written stays, nothing
// more is written, and the user is told it was stopped, not that the folder was saved.
TEST_F(MainFormExtractionTest, StopEndsAnExtractionAndItIsNotReportedAsDone) {
    rfa_test::WriteArchive(archive, {kInit, kBig, kDeep});
    form->OpenArchiveFile(archive);
    SelectFolder("levels");
    std::vector<std::string> shown;
    TfrmExtracting::EntryHook = [&](TfrmExtracting& dialog, const std::string& entry) {
        shown.push_back(entry);
        EXPECT_TRUE(dialog.Visible());
        if (entry == kBig.Name) dialog.MwBitBtn1->Click();
    };
    ExtractDirectoryInto(target);
    TfrmExtracting::EntryHook = nullptr;

    EXPECT_EQ(shown, (std::vector<std::string>{kInit.Name, kBig.Name}));
    ExpectFile(target + "\\levels\\init.con", kInit);
    EXPECT_FALSE(Exists(target + "\\levels\\big.bin"));
    EXPECT_FALSE(Exists(target + "\\levels\\other\\deep.con"));
    EXPECT_EQ(messages, std::vector<std::string>{"Extract Directory was stopped: the files saved before the stop are "
                                                 "kept, the others were not saved."});
    EXPECT_EQ(form->pbAction->Percent(), 0);
}

TEST_F(MainFormExtractionTest, ExtractDirectoryIsOfferedWhileAFolderIsSelected) {
    form->gbActions->Close();
    UpdateActions();
    EXPECT_FALSE(form->actExtractDir->Visible());
    EXPECT_FALSE(form->actExtractDir->Enabled());
    EXPECT_FALSE(form->actExtractFile->Enabled());
    EXPECT_FALSE(form->gbActions->Opened());

    SelectFolder("tools");
    UpdateActions();
    EXPECT_TRUE(form->actExtractDir->Visible());
    EXPECT_TRUE(form->actExtractDir->Enabled());
    EXPECT_TRUE(form->gbActions->Opened());  // on becoming enabled
    form->gbActions->Close();
    UpdateActions();
    EXPECT_FALSE(form->gbActions->Opened());  // only then
}

TEST_F(MainFormExtractionTest, ARightClickedFolderIsTheOneItsPopupMenuExtracts) {
    SelectFolder("tools");
    cl::TTreeNode* levels = form->tvFolders->GetNodeFromPath("levels");
    RECT bounds;
    ASSERT_TRUE(TreeView_GetItemRect(form->tvFolders->Handle(), levels->ItemId(), &bounds, TRUE));
    std::vector<std::string> offered;
    cl::TPopupMenu::PopupHook() = [&](cl::TPopupMenu& menu, int, int) -> cl::TMenuItem* {
        for (int i = 0; i < menu.Items()->Count(); ++i) offered.push_back(menu.Items()->Items(i)->Caption());
        return menu.Items()->Items(2);
    };
    AnswerFolderDialog(true, target);

    // The tree follows the button until it is released; the release waits in the queue.
    const LPARAM at = MAKELPARAM(bounds.left + 2, (bounds.top + bounds.bottom) / 2);
    PostMessageA(form->tvFolders->Handle(), WM_RBUTTONUP, 0, at);
    SendMessageA(form->tvFolders->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, at);
    test::PumpMessagesUntil([&] { return !messages.empty(); });

    EXPECT_EQ(form->tvFolders->Selected(), levels);
    ASSERT_GE(offered.size(), 3u);
    EXPECT_EQ(offered[2], "Extract Directory");
    ExpectFile(target + "\\levels\\other\\deep.con", kDeep);
    EXPECT_FALSE(Exists(target + "\\tools"));
    EXPECT_NE(messages.back().find("\rlevels/CON"), std::string::npos);  // what "levels" could not write
}

TEST_F(MainFormExtractionTest, LaunchOpensACopyOrTheAddedFileOrTellsThereIsNoProgram) {
    // The association runs the prefix's command interpreter, which copies the file it is given.
    const std::string copied = out + "\\launched.bin";
    cl::TRegistry registry;
    registry.SetRootKey(HKEY_CLASSES_ROOT);
    ASSERT_TRUE(registry.OpenKey("\\.qtxlaunch", true));
    registry.WriteString("", "QuillonTestLaunchFile");
    ASSERT_TRUE(registry.OpenKey("\\QuillonTestLaunchFile\\shell\\open\\command", true));
    registry.WriteString("", "cmd.exe /c copy /y \"%1\" \"" + copied + "\"");
    registry.CloseKey();

    SelectFolder("tools");
    SelectFiles({"run.qtxlaunch"});
    form->actLaunchFile->Execute();
    EXPECT_EQ(form->Launcher->FileName(), TfrmMainQuillon::TempFolder() + "\\launch\\tools\\run.qtxlaunch");
    EXPECT_TRUE(test::PumpMessagesUntil([&] { return Exists(copied) && ReadBytes(copied) == kRun.Data; },
                                        std::chrono::seconds(20)));
    EXPECT_TRUE(messages.empty());
    // A wait that fails after a successful start (the document went to a program that was
    // already running, so no process came) is no missing association.
    form->LauncherError(form->Launcher, ERROR_INVALID_HANDLE);
    EXPECT_TRUE(messages.empty());

    SelectFiles({"none.qtxnoassoc"});
    form->actLaunchFile->Execute();
    EXPECT_EQ(messages, std::vector<std::string>{kNoAssociation});

    // An added file is opened where it is.
    messages.clear();
    const std::string added = AddToBuild("mine.qtxnoassoc", "my own");
    SelectFiles({"*mine.qtxnoassoc"});
    form->actLaunchFile->Execute();
    EXPECT_EQ(form->Launcher->FileName(), added);
    EXPECT_EQ(messages, std::vector<std::string>{kNoAssociation});

    registry.DeleteKey("\\.qtxlaunch");
    registry.DeleteKey("\\QuillonTestLaunchFile");
}

TEST_F(MainFormExtractionTest, ADoubleClickPlaysSavesOrLaunchesAsTheOptionsSay) {
    const struct {
        const char* folder;
        const char* file;
        bool optPlayWav;
        bool optSave;
        const char* expected;
    } cases[] = {
        {"sound", "beep.wav", true, true, "play"},
        {"sound", "beep.wav", false, true, "save beep.wav"},
        // After a sound: that sound is still offered for playing, but a text file is no sound.
        {"tools", "none.qtxnoassoc", true, true, "save none.qtxnoassoc"},
        {"tools", "none.qtxnoassoc", true, false, "launch"},
    };
    form->optPreview = true;  // a text shown in the editor leaves the last sound offered
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.expected);
        std::vector<std::string> seen;
        cl::FileDialogHooks().execute = [&](cl::TOpenDialog& dialog) {
            seen.push_back("save " + dialog.FileName());
            return false;
        };
        mciCommands.clear();
        messages.clear();
        form->optPlayWav = c.optPlayWav;
        form->optSave = c.optSave;
        form->Launcher->SetParameters("left over");
        SelectFolder(c.folder);
        SelectFiles({c.file});
        RECT bounds;
        ASSERT_TRUE(ListView_GetItemRect(form->lvFiles->Handle(), Item(c.file)->Index(), &bounds, LVIR_LABEL));
        SendMessageA(form->lvFiles->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(bounds.left + 2, bounds.top + 2));
        if (std::count(mciCommands.begin(), mciCommands.end(), unsigned(MCI_PLAY))) seen.push_back("play");
        if (messages == std::vector<std::string>{kNoAssociation}) seen.push_back("launch");
        EXPECT_EQ(seen, std::vector<std::string>{c.expected});
        EXPECT_EQ(form->Launcher->Parameters(), "");
    }
}

// The button a drag follows, as this thread's input state holds it: set and cleared here, no
// real input is needed (nor disturbed for other programs on the display).
void SetLeftButtonState(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_LBUTTON] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

TEST_F(MainFormExtractionTest, DraggingOutOffersCopiesOfTheSelectedEntriesAndRemovesThemAfter) {
    SelectFolder("levels");
    AddToBuild("added.txt", "not in the archive");
    struct TOffered {
        std::vector<std::string> names;
        std::vector<std::vector<uint8_t>> contents;
        size_t messages = 0;  // shown before the drag began
    };
    std::vector<TOffered> drags;
    // At its first feedback the drag shows what it offers; the released button then ends it.
    form->DropFileSource1->OnFeedback = TFeedbackEvent::FromFunction([&](cl::TObject*, int, bool&) {
        TOffered offered;
        offered.messages = messages.size();
        for (const std::string& path : form->DropFileSource1->Files()->ToVector()) {
            offered.names.push_back(path);
            offered.contents.push_back(ReadBytes(path));
        }
        drags.push_back(offered);
        SetLeftButtonState(false);
    });

    RECT bounds;
    ASSERT_TRUE(ListView_GetItemRect(form->lvFiles->Handle(), Item("init.con")->Index(), &bounds, LVIR_LABEL));
    const int x = bounds.left + 2, y = bounds.top + 2;
    const struct {
        const char* what;
        WPARAM keys;
        int dx, dy;
        bool drags;
    } cases[] = {
        {"9 pixels", MK_LBUTTON, 9, -9, false},
        {"Ctrl held", MK_LBUTTON | MK_CONTROL, 10, 0, false},
        {"both buttons", MK_LBUTTON | MK_RBUTTON, 0, 10, false},
        {"10 pixels", MK_LBUTTON, 0, 10, true},
        {"right button", MK_RBUTTON, -10, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SelectFiles({"init.con", "*added.txt", "big.bin", "INIT.CON", "CON"});
        drags.clear();
        messages.clear();
        SetLeftButtonState(true);
        SendMessageA(form->lvFiles->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(form->lvFiles->Handle(), WM_MOUSEMOVE, c.keys, MAKELPARAM(x + c.dx, y + c.dy));
        SendMessageA(form->lvFiles->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x + c.dx, y + c.dy));
        SetLeftButtonState(false);
        ASSERT_EQ(drags.empty(), !c.drags);
        if (!c.drags) {
            EXPECT_TRUE(messages.empty());
            continue;
        }
        // The selection in list order, the added file left out, named as in the list; the
        // entries whose names cannot be files there (a second spelling of one, a device) are
        // named once the drag is over, not while the button that drags is held.
        EXPECT_EQ(drags[0].messages, 0u);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find("\rINIT.CON"), std::string::npos) << messages[0];
        EXPECT_NE(messages[0].find("\rCON"), std::string::npos) << messages[0];
        ASSERT_EQ(drags[0].names.size(), 2u);
        EXPECT_EQ(cl::ExtractFileName(drags[0].names[0]), "init.con");
        EXPECT_EQ(drags[0].contents[0], kInit.Data);
        EXPECT_EQ(cl::ExtractFileName(drags[0].names[1]), "big.bin");
        EXPECT_EQ(drags[0].contents[1], kBig.Data);
        for (const std::string& copy : drags[0].names) EXPECT_FALSE(Exists(copy)) << copy;
    }
}

TEST_F(MainFormExtractionTest, DroppedFilesAreAddedAndADroppedArchiveReplacesTheOneShown) {
    EXPECT_TRUE(form->DropFileTarget1->Registered());
    const std::string loose = out + "\\loose.txt";
    const std::string other = out + "\\other.rfa";
    const std::string upper = out + "\\OTHER2.RFA";
    WriteText(loose, "loose file");
    rfa_test::WriteArchive(other, {rfa_test::TestEntry::FromText("maps/map.con", "a map")});
    auto* source = new TDropFileSource(&app);
    auto drop = [&](const std::vector<std::string>& paths) {
        source->Files()->Assign(paths);
        const cl::TPoint p = form->ClientToScreen({300, 200});
        DWORD effect = DROPEFFECT_COPY;
        ASSERT_EQ(form->DropFileTarget1->DragEnter(source, MK_LBUTTON, {p.x, p.y}, &effect), S_OK);
        effect = DROPEFFECT_COPY;
        ASSERT_EQ(form->DropFileTarget1->Drop(source, 0, {p.x, p.y}, &effect), S_OK);
    };
    auto captions = [&] {
        std::vector<std::string> list;
        for (int i = 0; i < form->lvFiles->ItemCount(); ++i) list.push_back(form->lvFiles->Item(i)->Caption());
        return list;
    };

    // Without a selected folder nothing happens, an archive included.
    drop({other});
    drop({loose, upper});
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form->OpenDialog1->FileName(), archive);
    EXPECT_FALSE(form->BuildDirty);

    // Several files: each added, an archive among them (whatever the case of its extension)
    // skipped with a warning, a folder not taken for a file.
    SelectFolder("tools");
    drop({loose, upper, other, target});
    const std::string multiple = "You are adding multiple files, when you do that, you cannot add an RFA.\r";
    EXPECT_EQ(messages, (std::vector<std::string>{multiple + upper + " was skipped.", multiple + other + " was skipped."}));
    EXPECT_EQ(captions(), (std::vector<std::string>{"run.qtxlaunch", "none.qtxnoassoc", "*loose.txt"}));
    EXPECT_TRUE(form->BuildDirty);

    // One archive: opened in place of the one shown, once the added file may go.
    cl::DialogHooks().messageBox = [this](const std::string& text, cl::TMsgDlgType type, cl::TMsgDlgButtons) {
        if (type != cl::TMsgDlgType::Confirmation) messages.push_back(text);
        return type == cl::TMsgDlgType::Confirmation ? cl::mrYes : cl::mrOk;
    };
    messages.clear();
    SelectFiles({"run.qtxlaunch"});
    ASSERT_NE(form->CurrentEntry, nullptr);
    drop({other});
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form->OpenDialog1->FileName(), other);
    EXPECT_FALSE(form->BuildDirty);
    EXPECT_EQ(form->CurrentEntry, nullptr);
    EXPECT_EQ(form->Entries->Count(), 1);
    EXPECT_EQ(form->tvFolders->NodeCount(), 1);
    EXPECT_EQ(form->lvFiles->ItemCount(), 0);
    EXPECT_EQ(form->Caption(), "Col. Dalverin's BF1942 Quillon - other.rfa");

    // One other file: added to the selected folder.
    SelectFolder("maps");
    drop({loose});
    EXPECT_EQ(captions(), (std::vector<std::string>{"map.con", "*loose.txt"}));
}

TEST_F(MainFormExtractionTest, FileActionsOpenOnlyWhenPlayingAddingOrDeletingIsOffered) {
    const char kNothingToDo[] =
        "There are currently no file actions you can execute.\r\rOpen an RFA and select a folder, or file first.";
    const struct {
        bool play, add, remove;
        bool opens;
    } cases[] = {
        {false, false, false, false},
        {true, false, false, true},
        {false, true, false, true},
        {false, false, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.play << c.add << c.remove);
        messages.clear();
        form->gbActions->Close();
        const bool visible[] = {c.play, c.add, c.remove};
        for (int i = 0; i < 3; ++i) form->gbActions->Items()->Items(i)->Action()->SetVisible(visible[i]);
        form->gbActions->ToggleOpened();  // a click on the caption
        EXPECT_EQ(form->gbActions->Opened(), c.opens);
        EXPECT_EQ(messages, c.opens ? std::vector<std::string>{} : std::vector<std::string>{kNothingToDo});
    }
}

TEST_F(MainFormExtractionTest, DeleteKeysGoToTheBuildListsRemoveCommands) {
    std::vector<std::string> executed;
    form->actDeleteFile->OnExecute = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { executed.push_back("files"); });
    form->actDeleteFolder->OnExecute = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { executed.push_back("folder"); });
    auto press = [](cl::TControl* control, WPARAM key) { SendMessageA(control->Handle(), WM_KEYDOWN, key, 0); };

    press(form->lvFiles, VK_DELETE);     // nothing selected
    press(form->tvFolders, VK_DELETE);
    EXPECT_TRUE(executed.empty());
    SelectFolder("levels");
    SelectFiles({"init.con"});
    press(form->lvFiles, VK_BACK);
    press(form->lvFiles, VK_DELETE);
    press(form->tvFolders, VK_DELETE);
    EXPECT_EQ(executed, (std::vector<std::string>{"files", "folder"}));
}

TEST_F(MainFormExtractionTest, PopupItemsAreDrawnOnTheMenusBlueAndTheViewMenuSwitchesStyles) {
    // Two items, the second below the first: each fills its own rectangle.
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 240, 80);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, 240, 80};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    cl::TCanvas canvas(dc);
    auto* extract = dynamic_cast<cl::TMenuItem*>(form->FindComponent("ExtractSelectedFiles1"));
    ASSERT_NE(extract, nullptr);
    extract->SetEnabled(true);
    form->AddFiles1DrawItem(extract, canvas, cl::TRect{0, 40, 200, 80}, true);
    const COLORREF menuBlue = 16244694;
    EXPECT_EQ(GetPixel(dc, 199, 41), menuBlue);
    EXPECT_EQ(GetPixel(dc, 199, 79), menuBlue);
    EXPECT_EQ(GetPixel(dc, 199, 39), RGB(255, 255, 255));  // above the item
    EXPECT_EQ(GetPixel(dc, 210, 60), RGB(255, 255, 255));  // beside it
    auto textPixels = [&](COLORREF color) {
        int count = 0;
        for (int x = 40; x < 200; ++x)
            for (int y = 50; y < 80; ++y) count += GetPixel(dc, x, y) == color;
        return count;
    };
    EXPECT_GT(textPixels(RGB(0, 0, 255)), 0);  // selected: blue text
    form->AddFiles1DrawItem(extract, canvas, cl::TRect{0, 40, 200, 80}, false);
    EXPECT_EQ(textPixels(RGB(0, 0, 255)), 0);
    EXPECT_GT(textPixels(RGB(0, 0, 128)), 0);  // navy
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);

    const struct {
        const char* item;
        cl::TViewStyle style;
    } views[] = {{"LargeIcons1", cl::TViewStyle::Icon},
                 {"SmallIcon1", cl::TViewStyle::SmallIcon},
                 {"Report1", cl::TViewStyle::Report}};
    for (const auto& v : views) {
        dynamic_cast<cl::TMenuItem&>(*form->FindComponent(v.item)).Click();
        EXPECT_EQ(form->lvFiles->ViewStyle(), v.style) << v.item;
    }
}

// A folder that lists "tank.con" twice (the name under two spellings of the folder): each command
// acts on the selected item's own entry, the second one here.
TEST_F(MainFormExtractionTest, EachCommandActsOnTheSelectedItemsOwnEntry) {
    rfa_test::WriteArchive(archive, form_test::SameNamedEntries());
    form->OpenArchiveFile(archive);
    SelectFolder("Vehicles");
    ASSERT_EQ(form->lvFiles->Item(0)->Caption(), "tank.con");
    ASSERT_EQ(form->lvFiles->Item(1)->Caption(), "tank.con");
    const std::vector<uint8_t> second = form_test::SameNamedEntries()[1].Data;
    auto selectSecond = [&](bool andJeep) {
        form->lvFiles->SetSelected(form->lvFiles->Item(1));
        if (andJeep) Item("jeep.con")->SetSelected(true);
    };

    // One selected file, saved where the dialog says.
    selectSecond(false);
    cl::FileDialogHooks().execute = [&](cl::TOpenDialog& dialog) {
        dialog.SetFileName(target + "\\one.con");
        return true;
    };
    form->actExtractFile->Execute();
    EXPECT_EQ(ReadBytes(target + "\\one.con"), second);

    // Several selected files, into the chosen folder.
    selectSecond(true);
    ExtractSelectedInto(target);
    EXPECT_EQ(ReadBytes(target + "\\tank.con"), second);

    // Opened in its program: the copy handed over.
    selectSecond(false);
    form->actLaunchFile->Execute();
    EXPECT_EQ(ReadBytes(form->Launcher->FileName()), second);

    // Dragged out: a press on the item, then a move.
    std::vector<std::vector<uint8_t>> dragged;
    form->DropFileSource1->OnFeedback = TFeedbackEvent::FromFunction([&](cl::TObject*, int, bool&) {
        if (dragged.empty())
            for (const std::string& path : form->DropFileSource1->Files()->ToVector()) dragged.push_back(ReadBytes(path));
        SetLeftButtonState(false);
    });
    RECT bounds;
    ASSERT_TRUE(ListView_GetItemRect(form->lvFiles->Handle(), 1, &bounds, LVIR_LABEL));
    const int x = bounds.left + 2, y = bounds.top + 2;
    SetLeftButtonState(true);
    SendMessageA(form->lvFiles->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(form->lvFiles->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y + 10));
    SendMessageA(form->lvFiles->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y + 10));
    SetLeftButtonState(false);
    EXPECT_EQ(dragged, std::vector<std::vector<uint8_t>>{second});
}

}  // namespace
