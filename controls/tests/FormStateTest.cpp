// The form state component: the placement saved at close and restored at the next show, the
// keys of a fixed-border form, a maximised window, a missing settings store and an owner that
// is no form.

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/win/Dialogs.h"
#include "classlib/win/Form.h"
#include "controls/basic/MwFormState.h"
#include "controls/basic/MwRegIniFile.h"

namespace {

class FormStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof(temp), temp);
        ini = std::string(temp) + "FormStateTest" + std::to_string(GetCurrentProcessId()) + ".ini";
        cl::DialogHooks().messageBox = [this](const std::string& text, cl::TMsgDlgType, cl::TMsgDlgButtons) {
            messages.push_back(text);
            return cl::mrOk;
        };
    }
    void TearDown() override {
        cl::DialogHooks().messageBox = nullptr;
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str());  // flush the profile cache
        DeleteFileA(ini.c_str());
    }

    // A form with a settings store and a form state hooked in front of its handlers, as
    // reading them from a form resource would.
    struct TFixture {
        explicit TFixture(const std::string& ini, cl::TFormBorderStyle border = cl::TFormBorderStyle::Sizeable) {
            form = std::make_unique<cl::TForm>(nullptr);
            form->SetName("frmProbe");
            form->SetBorderStyle(border);
            form->SetPosition(cl::TPosition::ScreenCenter);
            form->SetBounds(100, 80, 300, 200);
            form->OnShow = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { ++shows; });
            form->OnClose = cl::TCloseEvent::FromFunction([this](cl::TObject*, cl::TCloseAction&) { ++closes; });
            store = new TMwRegIniFile(form.get());
            store->SetPath(ini);
            state = new TMwFormState(form.get());
            state->SetRegIniFile(store);
            state->HookFormEvents();
        }
        std::unique_ptr<cl::TForm> form;
        TMwRegIniFile* store = nullptr;
        TMwFormState* state = nullptr;
        int shows = 0;
        int closes = 0;
    };

    std::string Value(const char* key) const {
        char value[64] = "";
        GetPrivateProfileStringA("frmProbeFormState", key, "<none>", value, sizeof(value), ini.c_str());
        return value;
    }

    std::string ini;
    std::vector<std::string> messages;
};

TEST_F(FormStateTest, SavesAtCloseAndRestoresAtTheNextShow) {
    {
        TFixture first(ini);
        first.form->DoCreate();
        first.form->Show();
        EXPECT_EQ(first.shows, 1);  // the form's own handler still runs
        first.form->SetBounds(40, 30, 350, 260);
        first.form->Close();
        EXPECT_EQ(first.closes, 1);
    }
    for (const auto& [key, value] : std::vector<std::pair<const char*, const char*>>{
             {"Maximized", "0"}, {"Left", "40"}, {"Top", "30"}, {"Width", "350"}, {"Height", "260"}, {"Saved", "1"}})
        EXPECT_EQ(Value(key), value) << key;

    TFixture second(ini);
    second.form->DoCreate();
    EXPECT_EQ(second.form->Position(), cl::TPosition::Designed);  // no re-centring over the stored place
    second.form->Show();
    RECT window;
    GetWindowRect(second.form->Handle(), &window);
    EXPECT_EQ(window.left, 40);
    EXPECT_EQ(window.top, 30);
    EXPECT_EQ(window.right - window.left, 350);
    EXPECT_EQ(window.bottom - window.top, 260);
    EXPECT_TRUE(messages.empty());
}

TEST_F(FormStateTest, AFixedBorderFormStoresOnlyItsPlace) {
    TFixture fixed(ini, cl::TFormBorderStyle::Dialog);
    fixed.form->Show();
    fixed.form->SetBounds(70, 60, 300, 200);
    fixed.form->Close();
    EXPECT_EQ(Value("Left"), "70");
    EXPECT_EQ(Value("Width"), "<none>");
    EXPECT_EQ(Value("Height"), "<none>");
    EXPECT_EQ(Value("Saved"), "1");
}

TEST_F(FormStateTest, AMaximisedWindowKeepsItsRestoredRectangle) {
    {
        TFixture first(ini);
        first.form->Show();
        first.form->SetBounds(60, 50, 320, 240);
        first.form->SetWindowState(cl::TWindowState::Maximized);
        first.form->Close();
    }
    EXPECT_EQ(Value("Maximized"), "1");
    EXPECT_EQ(Value("Left"), "60");
    EXPECT_EQ(Value("Width"), "320");

    TFixture second(ini);
    second.form->Show();
    EXPECT_TRUE(IsZoomed(second.form->Handle()));
    ShowWindow(second.form->Handle(), SW_RESTORE);
    RECT window;
    GetWindowRect(second.form->Handle(), &window);
    EXPECT_EQ(window.left, 60);
    EXPECT_EQ(window.right - window.left, 320);
}

TEST_F(FormStateTest, WithoutAStoreTheFormStillOpensAndClosesAndSaysWhy) {
    TFixture fixture(ini);
    delete fixture.store;  // the link is cleared by the free notification
    EXPECT_EQ(fixture.state->RegIniFile(), nullptr);
    fixture.form->DoCreate();
    fixture.form->Show();
    fixture.form->Close();
    EXPECT_EQ(fixture.shows, 1);
    EXPECT_EQ(fixture.closes, 1);
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "Cannot restore Form State--No TMwRegIniFile component specified",
                            "Cannot restore Form State--No TMwRegIniFile component specified",
                            "Cannot save Form State--No TMwRegIniFile component specified"}));
    EXPECT_EQ(GetFileAttributesA(ini.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FormStateTest, AnUnwritableStoreIsReportedAndTheSaveEventStillFires) {
    TFixture fixture(ini);
    fixture.store->SetPath("Q:\\no such drive\\settings.ini");
    int saves = 0;
    fixture.state->OnSaveState = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { ++saves; });
    fixture.form->Show();
    fixture.form->Close();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Unable to write to Q:\\no such drive\\settings.ini");
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(fixture.closes, 1);
}

TEST_F(FormStateTest, OnAnOwnerThatIsNoFormItNeitherHooksNorSaves) {
    cl::TComponent module(nullptr);
    auto* store = new TMwRegIniFile(&module);
    store->SetPath(ini);
    auto* state = new TMwFormState(&module);
    state->SetRegIniFile(store);
    state->HookFormEvents();
    state->SaveState();
    EXPECT_EQ(state->SectionName(), "FormState");
    EXPECT_EQ(GetFileAttributesA(ini.c_str()), INVALID_FILE_ATTRIBUTES);

    TFixture fixture(ini);
    EXPECT_EQ(fixture.state->SectionName(), "frmProbeFormState");
    fixture.form->SetName("");
    EXPECT_EQ(fixture.state->SectionName(), "TFormFormState");
}

}  // namespace
