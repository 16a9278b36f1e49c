#include <gtest/gtest.h>

#include <chrono>

#include "classlib/tests/win/TestMainForm.h"
#include "classlib/win/Application.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/RegisterClasses.h"

namespace {

class FormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { cl::RegisterClassLibrary(); }
    void SetUp() override {
        cl::DialogHooks().messageBox = [this](const std::string& text, cl::TMsgDlgType, cl::TMsgDlgButtons) {
            messages.push_back(text);
            return cl::mrOk;
        };
    }
    void TearDown() override { cl::DialogHooks() = {}; }

    // Handles messages (and idle work) until the condition holds or thirty seconds pass.
    bool PumpUntil(const std::function<bool()>& condition) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            SetTimer(nullptr, 0, 10, nullptr);  // wakes the idle wait
            app.HandleMessage();
        }
        return true;
    }

    static cl::TRect WindowBounds(cl::TControl* control) {
        RECT r;
        GetWindowRect(control->Handle(), &r);
        MapWindowPoints(HWND_DESKTOP, GetParent(control->Handle()), reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right, r.bottom};
    }

    cl::TApplication app;
    std::vector<std::string> messages;
};

TEST_F(FormTest, BuildsFromItsResourceAsATopLevelWindowNamedAfterItsClass) {
    auto* form = app.CreateForm<TTestMainForm>();
    form->Show();
    HWND window = FindWindowA("TTestMainForm", "Test \"main\" form");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window, form->Handle());
    EXPECT_EQ(GetWindow(window, GW_OWNER), app.Handle());
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 400);
    EXPECT_EQ(client.bottom, 300);
    EXPECT_EQ(WindowBounds(form->Panel("StatusPanel")), cl::TRect::FromBounds(0, 281, 400, 19));
    EXPECT_EQ(WindowBounds(form->Panel("LeftPanel")), cl::TRect::FromBounds(0, 0, 145, 281));
    EXPECT_EQ(WindowBounds(form->Panel("ClientPanel")), cl::TRect::FromBounds(145, 0, 255, 281));
    auto* failButton = dynamic_cast<cl::TButton*>(form->FindComponent("FailButton"));
    EXPECT_EQ(failButton->Text(), "Fail");  // from its action
    EXPECT_EQ(dynamic_cast<cl::TEdit*>(form->FindComponent("Edit1"))->Text(), "hello");
    EXPECT_EQ(form->events, (std::vector<std::string>{"create", "show"}));
}

TEST_F(FormTest, AnExceptionInAHandlerReachesTheApplicationsHandler) {
    auto* form = app.CreateForm<TTestMainForm>();
    form->Show();
    HWND button = dynamic_cast<cl::TButton*>(form->FindComponent("FailButton"))->Handle();
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(messages, std::vector<std::string>{"Handler failed on purpose."});
    // The program goes on: the form still answers.
    SetWindowTextA(dynamic_cast<cl::TEdit*>(form->FindComponent("Edit1"))->Handle(), "typed");
    EXPECT_EQ(form->events.back(), "change");
}

TEST_F(FormTest, IdleWorkRunsActionUpdatesAndModalResultEndsTheModalLoop) {
    auto* main = app.CreateForm<TTestMainForm>();
    main->Show();
    EXPECT_TRUE(PumpUntil([&] { return main->updates > 0; }));

    auto* dialog = cl::CreateForm<TTestMainForm>(&app);
    dialog->HandleNeeded();
    PostMessageA(dynamic_cast<cl::TButton*>(dialog->FindComponent("OkButton"))->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog->ShowModal(), cl::mrOk);
    EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
}

TEST_F(FormTest, DestroyEventRunsWhileTheComponentsStillExist) {
    std::vector<std::string> log;
    auto* form = app.CreateForm<TTestMainForm>();
    form->destroyLog = &log;
    form->Show();
    cl::Free(form);
    EXPECT_EQ(log, std::vector<std::string>{"destroy:8"});
}

}  // namespace
