#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <fstream>

#include "classlib/core/ClassInfo.h"
#include "classlib/tests/win/DialogDriver.h"
#include "classlib/win/Application.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/Form.h"
#include "classlib/win/RegisterClasses.h"

namespace {

class FileDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { cl::RegisterClassLibrary(); }
    void TearDown() override { cl::FileDialogHooks() = {}; }

    cl::TComponent owner{nullptr};
};

TEST_F(FileDialogTest, TheHookSeesTheSettingsAndItsChoiceIsWhatTheCallerGets) {
    for (const char* className : {"TOpenDialog", "TSaveDialog"}) {
        SCOPED_TRACE(className);
        auto* dialog = dynamic_cast<cl::TOpenDialog*>(cl::TClassRegistry::Find(className)->Create(&owner));
        ASSERT_NE(dialog, nullptr);
        const auto expectedKind =
            std::string(className) == "TSaveDialog" ? cl::TFileDialogKind::Save : cl::TFileDialogKind::Open;
        dialog->SetFilter("RFA archives|*.rfa|All files|*.*");
        dialog->SetInitialDir("C:\\Games");
        dialog->SetFileName("old.rfa");
        dialog->SetTitle("Choose");
        // As a form resource names the options.
        ASSERT_TRUE(
            cl::SetPropertyByName(*dialog, "Options", cl::TValue::SetOf({"ofAllowMultiSelect", "ofNoChangeDir"})));
        EXPECT_EQ(dialog->Options(), cl::ofAllowMultiSelect | cl::ofNoChangeDir);

        int calls = 0;
        cl::FileDialogHooks().execute = [&](cl::TOpenDialog& shown) {
            ++calls;
            EXPECT_EQ(&shown, dialog);
            EXPECT_EQ(shown.Kind(), expectedKind);
            EXPECT_EQ(shown.Filter(), "RFA archives|*.rfa|All files|*.*");
            EXPECT_EQ(shown.InitialDir(), "C:\\Games");
            EXPECT_EQ(shown.FileName(), "old.rfa");
            EXPECT_EQ(shown.Title(), "Choose");
            shown.Files()->Assign(std::vector<std::string>{"C:\\Games\\b.rfa", "C:\\Games\\a.rfa"});
            shown.SetFileName("C:\\Games\\b.rfa");
            shown.SetFilterIndex(2);
            return true;
        };
        ASSERT_TRUE(dialog->Execute());
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(dialog->FileName(), "C:\\Games\\b.rfa");
        EXPECT_EQ(dialog->Files()->ToVector(), (std::vector<std::string>{"C:\\Games\\b.rfa", "C:\\Games\\a.rfa"}));
        EXPECT_EQ(dialog->FilterIndex(), 2);

        cl::FileDialogHooks().execute = [](cl::TOpenDialog&) { return false; };
        EXPECT_FALSE(dialog->Execute());
    }
}

// The real Windows dialog, answered by typing names into it.
class CommonFileDialogTest : public FileDialogTest {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "file dialog test";
        CreateDirectoryA(folder.c_str(), nullptr);
        for (const char* name : {"a.txt", "b.txt"}) std::ofstream(folder + "\\" + name) << name;
    }
    void TearDown() override {
        for (const char* name : {"a.txt", "b.txt"}) DeleteFileA((folder + "\\" + name).c_str());
        RemoveDirectoryA(folder.c_str());
    }

    // Types into the file name box and presses the button (IDOK or IDCANCEL).
    static void Answer(HWND dialog, const std::string& typed, int button) {
        const int fileNameBoxes[] = {0x47C, 0x480};  // the combo box of newer dialogs, the edit of older ones
        for (int id : fileNameBoxes)
            if (HWND box = GetDlgItem(dialog, id))
                SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    }

    std::string folder;
};

TEST_F(CommonFileDialogTest, MultiSelectionGivesFullPathsAndCancelChangesNothing) {
    cl::TOpenDialog dialog(&owner);
    dialog.SetTitle("Pick test files");
    dialog.SetFilter("Text files|*.txt|All files|*.*");
    dialog.SetInitialDir(folder);
    dialog.SetOptions(cl::ofAllowMultiSelect | cl::ofFileMustExist | cl::ofNoChangeDir);
    {
        test::TDialogDriver driver("Pick test files", [](HWND window) { Answer(window, "\"b.txt\" \"a.txt\"", IDOK); });
        ASSERT_TRUE(dialog.Execute());
        ASSERT_TRUE(driver.Found());
    }
    std::vector<std::string> files = dialog.Files()->ToVector();
    std::sort(files.begin(), files.end());  // the order of typed names is the dialog's affair
    EXPECT_EQ(files, (std::vector<std::string>{folder + "\\a.txt", folder + "\\b.txt"}));
    EXPECT_EQ(dialog.FileName(), dialog.Files()->Get(0));

    {
        test::TDialogDriver driver("Pick test files", [](HWND window) { Answer(window, "", IDCANCEL); });
        EXPECT_FALSE(dialog.Execute());
        ASSERT_TRUE(driver.Found());
    }
    EXPECT_EQ(dialog.Files()->Count(), 2);
}

// Over a maximised window the dialog comes up in its middle, not at the screen's corner.
TEST_F(CommonFileDialogTest, TheDialogIsCentredOnItsMaximisedOwner) {
    cl::TApplication app;
    auto* form = new cl::TForm(&app);
    form->SetBounds(100, 100, 300, 200);
    form->Show();
    ShowWindow(form->Handle(), SW_MAXIMIZE);
    SetActiveWindow(form->Handle());
    RECT ownerRect;
    GetWindowRect(form->Handle(), &ownerRect);
    std::atomic<LONG> centreX{-1}, centreY{-1};
    cl::TOpenDialog dialog(&owner);
    dialog.SetTitle("Centred test dialog");
    dialog.SetInitialDir(folder);
    {
        test::TDialogDriver driver("Centred test dialog", [&](HWND window) {
            RECT r;
            GetWindowRect(window, &r);
            centreX = (r.left + r.right) / 2;
            centreY = (r.top + r.bottom) / 2;
            Answer(window, "", IDCANCEL);
        });
        EXPECT_FALSE(dialog.Execute());
        ASSERT_TRUE(driver.Found());
    }
    // The dialog may settle its own size after it was placed: near the middle is enough.
    EXPECT_NEAR(centreX.load(), (ownerRect.left + ownerRect.right) / 2, (ownerRect.right - ownerRect.left) / 10);
    EXPECT_NEAR(centreY.load(), (ownerRect.top + ownerRect.bottom) / 2, (ownerRect.bottom - ownerRect.top) / 10);
}

TEST_F(CommonFileDialogTest, SaveDialogAddsTheDefaultExtension) {
    cl::TSaveDialog dialog(&owner);
    dialog.SetTitle("Save test file");
    dialog.SetInitialDir(folder);
    dialog.SetDefaultExt(".rfa");
    {
        test::TDialogDriver driver("Save test file", [](HWND window) { Answer(window, "new", IDOK); });
        ASSERT_TRUE(dialog.Execute());
        ASSERT_TRUE(driver.Found());
    }
    EXPECT_EQ(dialog.FileName(), folder + "\\new.rfa");
    EXPECT_EQ(dialog.Files()->ToVector(), std::vector<std::string>{folder + "\\new.rfa"});
}

}  // namespace
