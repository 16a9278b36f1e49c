// The main window's settings file, the options dialog, the ".rfa" association, "Open RFA" and
// the about box.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "app/tests/FormTestSupport.h"
#include "app/QuillonClasses.h"
#include "app/frmAbout.h"
#include "app/frmMainQuillon.h"
#include "app/frmOptions.h"
#include "classlib/core/Exception.h"
#include "classlib/core/Stream.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Application.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/Image.h"
#include "classlib/win/ListView.h"
#include "classlib/win/Registry.h"
#include "controls/basic/MwBitBtn.h"
#include "controls/basic/MwCheckBox.h"
#include "controls/basic/MwCheckGroup.h"
#include "controls/basic/MwLabel.h"
#include "controls/basic/MwRadioButton.h"
#include "controls/basic/MwTrayIcon.h"
#include "controls/basic/MwURLLabel.h"
#include "controls/navigation/MwTreeView.h"
#include "tools/rfa_writer/RfaWriter.h"

namespace {

using form_test::TempPath;
using form_test::Exists;
using form_test::TModalDriver;

using Clock = std::chrono::steady_clock;

// A value of the settings file as written, "<none>" when it is missing.
std::string IniValue(const char* section, const char* key) {
    char text[256];
    GetPrivateProfileStringA(section, key, "<none>", text, sizeof(text), TfrmMainQuillon::SettingsFile().c_str());
    return text;
}

// The default value of a key of HKEY_CLASSES_ROOT, "<no key>" when the key is missing.
std::string ClassesRootValue(const std::string& key) {
    cl::TRegistry registry;
    registry.SetRootKey(HKEY_CLASSES_ROOT);
    if (!registry.OpenKeyReadOnly(key)) return "<no key>";
    return registry.ReadString("");
}

void SetClassesRootValue(const std::string& key, const std::string& value) {
    cl::TRegistry registry;
    registry.SetRootKey(HKEY_CLASSES_ROOT);
    ASSERT_TRUE(registry.OpenKey(key, true));
    registry.WriteString("", value);
}

void RemoveAssociationKeys() {
    cl::TRegistry registry;
    registry.SetRootKey(HKEY_CLASSES_ROOT);
    registry.DeleteKey(".rfa");
    registry.DeleteKey("rfa_auto_file");
}

std::string OurOpenCommand() { return "\"" + cl::Application()->ExeName() + "\" \"%1\""; }

class MainFormSettingsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterQuillonClasses(); }
    void SetUp() override {
        DeleteFileA(TfrmMainQuillon::SettingsFile().c_str());
        RemoveAssociationKeys();
        cl::DialogHooks().messageBox = [this](const std::string& text, cl::TMsgDlgType, cl::TMsgDlgButtons) {
            messages.push_back(text);
            return cl::mrOk;
        };
    }
    void TearDown() override {
        cl::DialogHooks() = {};
        cl::FileDialogHooks() = {};
        if (form) cl::Free(form);
        DeleteFileA(TfrmMainQuillon::SettingsFile().c_str());
        RemoveAssociationKeys();
    }

    void CreateMainForm() {
        form = app.CreateForm<TfrmMainQuillon>();
        form->Show();
    }

    void WriteSettings(const char* section, const char* key, const char* value) {
        ASSERT_TRUE(WritePrivateProfileStringA(section, key, value, TfrmMainQuillon::SettingsFile().c_str()));
    }

    cl::TApplication app;
    TfrmMainQuillon* form = nullptr;
    std::vector<std::string> messages;
};

TEST_F(MainFormSettingsTest, WithoutASettingsFileTheDefaultsApplyAndNothingIsWritten) {
    SetClassesRootValue(".rfa", "SomeoneElse.rfa");
    CreateMainForm();

    EXPECT_FALSE(form->optAssociate);
    EXPECT_TRUE(form->optPreview);
    EXPECT_FALSE(form->optMinSysTray);
    EXPECT_FALSE(form->optOPEN);
    EXPECT_TRUE(form->optPlayWav);
    EXPECT_TRUE(form->optSave);
    EXPECT_EQ(form->OpenFolder, "C:\\");
    EXPECT_EQ(form->SaveFolder, "C:\\");
    EXPECT_FALSE(form->MwTrayIcon1->Enabled());
    EXPECT_FALSE(Exists(TfrmMainQuillon::SettingsFile()));
    EXPECT_EQ(ClassesRootValue(".rfa"), "SomeoneElse.rfa");
    EXPECT_TRUE(messages.empty());

    cl::Free(form);
    form = nullptr;
    EXPECT_FALSE(Exists(TfrmMainQuillon::SettingsFile()));
}

TEST_F(MainFormSettingsTest, ReadsTheSettingsFileWithDefaultsForMissingValues) {
    WriteSettings("BASIC", "optAssociate", "-1");
    WriteSettings("BASIC", "optPreview", "0");
    WriteSettings("BASIC", "optMinSysTray", "-1");
    WriteSettings("OPEN", "optOPEN", "7");  // any non-zero value is true
    WriteSettings("OPEN", "optSave", "0");
    WriteSettings("FILES", "OpenFolder", "D:\\Games\\Archives\\");
    CreateMainForm();

    EXPECT_TRUE(form->optAssociate);
    EXPECT_FALSE(form->optPreview);
    EXPECT_TRUE(form->optMinSysTray);
    EXPECT_TRUE(form->MwTrayIcon1->Enabled());
    EXPECT_TRUE(form->MwTrayIcon1->HideOnMinimize());
    EXPECT_TRUE(form->optOPEN);
    EXPECT_FALSE(form->optSave);
    EXPECT_TRUE(form->optPlayWav);  // missing: the default
    EXPECT_EQ(form->OpenFolder, "D:\\Games\\Archives\\");
    EXPECT_EQ(form->SaveFolder, "C:\\");
    // The association is written at every start while the file asks for it.
    EXPECT_EQ(ClassesRootValue(".rfa"), "rfa_auto_file");
    EXPECT_EQ(ClassesRootValue("rfa_auto_file\\shell\\open\\command"), OurOpenCommand());
}

// A stored placement holds from creation on: the window is not centred first and opens where
// the user left it.
TEST_F(MainFormSettingsTest, TheWindowReopensWhereItWasLeft) {
    WriteSettings("FormState", "Left", "40");
    WriteSettings("FormState", "Top", "30");
    WriteSettings("FormState", "Width", "700");
    WriteSettings("FormState", "Height", "500");
    WriteSettings("FormState", "Saved", "-1");
    form = app.CreateForm<TfrmMainQuillon>();
    EXPECT_EQ(form->Position(), cl::TPosition::Designed);
    form->Show();
    RECT window;
    GetWindowRect(form->Handle(), &window);
    EXPECT_EQ(window.left, 40);
    EXPECT_EQ(window.top, 30);
    EXPECT_EQ(window.right - window.left, 700);
    EXPECT_EQ(window.bottom - window.top, 500);
    EXPECT_TRUE(messages.empty());
}

// The dialog shows the options, the user changes each of them and closes the dialog in one of
// two ways; the options, the file and the association follow.
TEST_F(MainFormSettingsTest, TheOptionsDialogShowsChangesAndSavesTheOptionsHoweverItIsClosed) {
    struct TCase {
        const char* closing;
        std::function<void(TfrmOptions&)> close;
    };
    const TCase cases[] = {
        {"Save button", [](TfrmOptions& d) { d.MwBitBtn1->Click(); }},
        {"system menu", [](TfrmOptions& d) { PostMessageA(d.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    CreateMainForm();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.closing);
        const bool before[] = {form->optAssociate, form->optPreview, form->optMinSysTray, form->optPlayWav};
        const bool openBefore = form->optOPEN;
        TModalDriver<TfrmOptions> driver([&](TfrmOptions& d) {
            EXPECT_EQ(d.Caption(), "Options");
            EXPECT_EQ(d.ClientWidth(), 337);
            EXPECT_EQ(d.ClientHeight(), 240);
            ASSERT_EQ(d.cgBasic->ItemCount(), 3);
            EXPECT_EQ(d.cgBasic->Item(1)->Caption(), "Automatically open (non binary) files in the preview window");
            EXPECT_EQ(d.cgBasic->ItemChecked(0), before[0]);
            EXPECT_EQ(d.cgBasic->ItemChecked(1), before[1]);
            EXPECT_EQ(d.cgBasic->ItemChecked(2), before[2]);
            EXPECT_EQ(d.cbPlayWav->Checked(), before[3]);
            EXPECT_EQ(d.rbOpen->Checked(), openBefore);
            EXPECT_EQ(d.rbSave->Checked(), !openBefore);
            // Clicked as the user would: each click reaches the control through its window.
            for (int i = 0; i < 3; ++i) SendMessageA(d.cgBasic->Item(i)->Handle(), BM_CLICK, 0, 0);
            SendMessageA(d.cbPlayWav->Handle(), BM_CLICK, 0, 0);
            SendMessageA((openBefore ? d.rbSave : d.rbOpen)->Handle(), BM_CLICK, 0, 0);
            EXPECT_NE(d.rbOpen->Checked(), d.rbSave->Checked());
            c.close(d);
        });
        form->actOptionsExecute(nullptr);
        ASSERT_TRUE(driver.Acted());

        EXPECT_EQ(form->optAssociate, !before[0]);
        EXPECT_EQ(form->optPreview, !before[1]);
        EXPECT_EQ(form->optMinSysTray, !before[2]);
        EXPECT_EQ(form->MwTrayIcon1->Enabled(), form->optMinSysTray);
        EXPECT_EQ(form->optPlayWav, !before[3]);
        EXPECT_EQ(form->optOPEN, !openBefore);
        EXPECT_EQ(form->optSave, openBefore);
        EXPECT_EQ(IniValue("BASIC", "optAssociate"), form->optAssociate ? "-1" : "0");
        EXPECT_EQ(IniValue("BASIC", "optPreview"), form->optPreview ? "-1" : "0");
        EXPECT_EQ(IniValue("OPEN", "optSave"), form->optSave ? "-1" : "0");
        EXPECT_EQ(IniValue("OPEN", "optPlayWav"), form->optPlayWav ? "-1" : "0");
        // The first run turns the association on, the second takes it back.
        if (form->optAssociate) {
            EXPECT_EQ(ClassesRootValue(".rfa"), "rfa_auto_file");
            EXPECT_EQ(ClassesRootValue("rfa_auto_file\\shell\\open\\command"), OurOpenCommand());
        } else {
            EXPECT_EQ(ClassesRootValue(".rfa"), "<no key>");
            EXPECT_EQ(ClassesRootValue("rfa_auto_file"), "<no key>");
        }
    }
}

// Turning the association off takes back only what opens archives with this program.
TEST_F(MainFormSettingsTest, RemovingTheAssociationLeavesOtherProgramsAssociationsAlone) {
    struct TCase {
        const char* name;
        const char* extensionClass;
        std::string command;
        const char* extensionClassAfter;
        bool commandKept;
    };
    const TCase cases[] = {
        {"ours", "rfa_auto_file", OurOpenCommand(), "<no key>", false},
        {"ours, but .rfa taken over since", "Other.rfa", OurOpenCommand(), "Other.rfa", false},
        {"another program's", "rfa_auto_file", "\"C:\\Tools\\other.exe\" \"%1\"", "rfa_auto_file", true},
    };
    CreateMainForm();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetClassesRootValue(".rfa", c.extensionClass);
        SetClassesRootValue("rfa_auto_file\\shell\\open\\command", c.command);
        form->ApplyAssociation(false);
        EXPECT_EQ(ClassesRootValue(".rfa"), c.extensionClassAfter);
        EXPECT_EQ(ClassesRootValue("rfa_auto_file\\shell\\open\\command"), c.commandKept ? c.command : "<no key>");
        RemoveAssociationKeys();
    }
}

// A user without administrator rights: the machine's classes refuse the association. The
// user's own classes take it; when they refuse it too, the user is told and the option goes off.
TEST_F(MainFormSettingsTest, AnAssociationTheRegistryRefusesIsToldAndTheOptionTurnedOff) {
    // A volatile key stands for classes the user may not change: the registry refuses to
    // keep lasting keys below it.
    const std::string testKey = "Software\\QuillonAssociationTest";
    RegDeleteTreeA(HKEY_CURRENT_USER, testKey.c_str());
    HKEY writable = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (testKey + "\\User").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &writable, nullptr),
              ERROR_SUCCESS);
    HKEY refusing = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (testKey + "\\Refusing").c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &refusing, nullptr),
              ERROR_SUCCESS);
    const std::vector<TfrmMainQuillon::TClassesPlace> defaultPlaces = TfrmMainQuillon::AssociationPlaces();
    auto userValue = [&](const std::string& key) {
        cl::TRegistry registry;
        registry.SetRootKey(writable);
        return registry.OpenKeyReadOnly(key) ? registry.ReadString("") : std::string("<no key>");
    };
    const char kRefused[] = "Quillon could not be made the program that opens RFA files: the registry refused the change.";

    WriteSettings("BASIC", "optAssociate", "0");
    CreateMainForm();
    const struct {
        const char* name;
        std::vector<TfrmMainQuillon::TClassesPlace> places;
        bool associated;
    } cases[] = {
        {"the user's classes take it", {{refusing, ""}, {writable, ""}}, true},
        {"refused everywhere", {{refusing, ""}, {refusing, "Classes\\"}}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TfrmMainQuillon::AssociationPlaces() = c.places;
        messages.clear();
        form->optAssociate = false;
        TModalDriver<TfrmOptions> driver([](TfrmOptions& d) {
            SendMessageA(d.cgBasic->Item(0)->Handle(), BM_CLICK, 0, 0);
            d.MwBitBtn1->Click();
        });
        form->actOptionsExecute(nullptr);
        ASSERT_TRUE(driver.Acted());
        EXPECT_EQ(form->optAssociate, c.associated);
        EXPECT_EQ(IniValue("BASIC", "optAssociate"), c.associated ? "-1" : "0");
        EXPECT_EQ(messages, c.associated ? std::vector<std::string>{} : std::vector<std::string>{kRefused});
        EXPECT_EQ(userValue(".rfa"), c.associated ? "rfa_auto_file" : "<no key>");
        EXPECT_EQ(ClassesRootValue(".rfa"), "<no key>");
        form->ApplyAssociation(false);
        EXPECT_EQ(userValue("rfa_auto_file"), "<no key>");
    }
    TfrmMainQuillon::AssociationPlaces() = defaultPlaces;
    RegCloseKey(refusing);
    RegCloseKey(writable);
    RegDeleteTreeA(HKEY_CURRENT_USER, testKey.c_str());
}

TEST_F(MainFormSettingsTest, OpenRfaLoadsTheChosenArchiveNamesItAndRemembersItsFolder) {
    CreateMainForm();
    const std::string archive = TempPath("levels.rfa");
    rfa_test::WriteArchive(archive, {rfa_test::TestEntry::FromData("bf1942/levels/a.con", {'a'}),
                                     rfa_test::TestEntry::FromData("bf1942/levels/b.con", {'b'})});
    std::string initialDir;
    cl::FileDialogHooks().execute = [&](cl::TOpenDialog& dialog) {
        initialDir = dialog.InitialDir();
        dialog.SetFileName(archive);
        return true;
    };
    form->actOpenRFAExecute(nullptr);

    EXPECT_EQ(initialDir, "C:\\");
    EXPECT_EQ(form->Caption(), "Col. Dalverin's BF1942 Quillon - levels.rfa");
    EXPECT_EQ(form->Entries->Count(), 2);
    EXPECT_TRUE(form->actSearch->Visible());
    EXPECT_EQ(form->OpenFolder, TempPath(""));
    EXPECT_EQ(IniValue("FILES", "OpenFolder"), TempPath(""));

    // Cancelled: nothing changes.
    cl::FileDialogHooks().execute = [&](cl::TOpenDialog& dialog) {
        initialDir = dialog.InitialDir();
        return false;
    };
    form->actOpenRFAExecute(nullptr);
    EXPECT_EQ(initialDir, TempPath(""));
    EXPECT_EQ(form->Entries->Count(), 2);
    EXPECT_EQ(form->Caption(), "Col. Dalverin's BF1942 Quillon - levels.rfa");
}

TEST_F(MainFormSettingsTest, ADamagedArchiveLeavesTheWindowEmptyWithThePlainCaption) {
    CreateMainForm();
    const std::string damaged = TempPath("damaged.rfa");
    {
        HANDLE file = CreateFileA(damaged.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, "RFA?", 4, &written, nullptr);
        CloseHandle(file);
    }
    cl::FileDialogHooks().execute = [&](cl::TOpenDialog& dialog) {
        dialog.SetFileName(damaged);
        return true;
    };
    EXPECT_THROW(form->actOpenRFAExecute(nullptr), cl::Exception);
    EXPECT_EQ(form->Caption(), "Col. Dalverin's BF1942 Quillon");
    EXPECT_EQ(form->Entries->Count(), 0);
    EXPECT_FALSE(form->actSearch->Visible());
    EXPECT_FALSE(Exists(TfrmMainQuillon::SettingsFile()));
}

// A name that cannot be opened (mistyped, or a damaged file) leaves the archive shown and its
// build list as they were, and entries are still read from that archive.
TEST_F(MainFormSettingsTest, AnArchiveThatCannotBeOpenedLeavesTheOpenOneAndItsBuildList) {
    CreateMainForm();
    const std::string archive = TempPath("levels.rfa");
    rfa_test::WriteArchive(archive, {rfa_test::TestEntry::FromData("bf1942/levels/a.con", {'a'}),
                                     rfa_test::TestEntry::FromData("bf1942/levels/b.con", {'b'})});
    const std::string damaged = TempPath("damaged.rfa");
    cl::TFileStream(damaged, cl::FileMode::Create).WriteBuffer("RFA?", 4);
    const std::string added = TempPath("added.con");
    cl::TFileStream(added, cl::FileMode::Create).WriteBuffer("new", 3);
    cl::DialogHooks().messageBox = [this](const std::string& text, cl::TMsgDlgType type, cl::TMsgDlgButtons) {
        messages.push_back(text);
        return type == cl::TMsgDlgType::Confirmation ? cl::mrYes : cl::mrOk;  // the build list may go
    };
    for (const std::string& chosen : {TempPath("levelz.rfa"), damaged}) {
        SCOPED_TRACE(chosen);
        form->OpenArchiveFile(archive);
        form->tvFolders->GetNodeFromPath("bf1942\\levels")->SetSelected(true);
        form->AddFileToBuild(added);
        cl::FileDialogHooks().execute = [&](cl::TOpenDialog& dialog) {
            dialog.SetFileName(chosen);
            return true;
        };
        EXPECT_THROW(form->actOpenRFAExecute(nullptr), cl::Exception);

        EXPECT_EQ(form->Caption(), "Col. Dalverin's BF1942 Quillon - levels.rfa");
        EXPECT_EQ(form->OpenDialog1->FileName(), archive);
        EXPECT_EQ(form->Entries->ToVector(),
                  (std::vector<std::string>{"bf1942/levels/a.con", "bf1942/levels/b.con", "bf1942/levels/*added.con"}));
        EXPECT_TRUE(form->BuildDirty);
        EXPECT_EQ(form->lvFiles->ItemCount(), 3);
        EXPECT_EQ(form->OpenFolder, "C:\\");
        cl::TListItem* item = form->lvFiles->FindCaption(0, "b.con", false, true, false);
        ASSERT_NE(item, nullptr);
        form->CurrentEntry = TfrmMainQuillon::ItemEntry(item);
        const std::string extracted = TempPath("extracted.con");
        form->ExtractEntry(extracted);
        cl::TMemoryStream stream;
        stream.LoadFromFile(extracted);
        EXPECT_EQ(stream.Bytes(), std::vector<uint8_t>{'b'});
    }
}

// The banner is decoded from the form resource and painted; the button closes the box.
TEST_F(MainFormSettingsTest, TheAboutBoxShowsItsDecodedBannerAndClosesWithItsButton) {
    CreateMainForm();
    struct TProbe {
        int x, y;
        COLORREF expected;  // as drawn before JPEG compression
    };
    const TProbe probes[] = {
        {2, 2, RGB(17, 31, 79)},       // dark blue top of the background
        {62, 50, RGB(222, 228, 236)},  // the sword's blade
        {62, 112, RGB(214, 170, 62)},  // its pommel
        {149, 25, RGB(250, 250, 255)}, // the top of the title's "Q"
    };
    auto similar = [](COLORREF a, COLORREF b) {
        return std::abs(GetRValue(a) - GetRValue(b)) <= 24 && std::abs(GetGValue(a) - GetGValue(b)) <= 24 &&
               std::abs(GetBValue(a) - GetBValue(b)) <= 24;
    };
    TModalDriver<TfrmAbout> driver([&](TfrmAbout& about) {
        EXPECT_EQ(about.ClientWidth(), 500);
        EXPECT_EQ(about.ClientHeight(), 450);
        EXPECT_EQ(about.Image1->Picture()->Width(), 500);
        EXPECT_EQ(about.Image1->Picture()->Height(), 125);
        EXPECT_EQ(about.Image1->Top(), 0);
        EXPECT_EQ(about.Image1->Height(), 125);
        EXPECT_FALSE(about.MwLabel1->Caption().empty());
        EXPECT_FALSE(about.MwURLLabel1->URL().empty());
        // What the screen shows of the picture, and the picture itself.
        UpdateWindow(about.Handle());
        HDC screen = GetDC(about.Image1->Handle());
        HDC memory = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(memory, about.Image1->Picture()->Bitmap());
        for (const TProbe& p : probes) {
            EXPECT_TRUE(similar(GetPixel(memory, p.x, p.y), p.expected)) << p.x << "," << p.y;
            EXPECT_EQ(GetPixel(screen, p.x, p.y), GetPixel(memory, p.x, p.y)) << p.x << "," << p.y;
        }
        SelectObject(memory, old);
        DeleteDC(memory);
        ReleaseDC(about.Image1->Handle(), screen);
        about.MwBitBtn1->Click();
    });
    form->actHelpExecute(nullptr);
    EXPECT_TRUE(driver.Acted());
    EXPECT_EQ(FindWindowA("TfrmAbout", nullptr), nullptr);  // freed with its window
}

}  // namespace
