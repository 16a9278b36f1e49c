// The tray icon: the requests it sends the notification area (through the test seam), the
// clicks on the icon, minimising and restoring the application, animation and the hint.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/ImageList.h"
#include "classlib/win/Timer.h"
#include "controls/basic/MwTrayIcon.h"

namespace {

struct TRequest {
    DWORD request;
    UINT flags;
    HICON icon;
    std::string tip;
};

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        TrayNotifyHook() = [this](DWORD request, const NOTIFYICONDATAA& data) {
            requests.push_back({request, data.uFlags, data.hIcon, data.szTip});
            if (request == NIM_ADD) return shown ? FALSE : (shown = true, TRUE);
            if (request == NIM_DELETE) return shown ? (shown = false, TRUE) : FALSE;
            return shown ? TRUE : FALSE;
        };
    }
    void TearDown() override { TrayNotifyHook() = nullptr; }

    // A tray icon as the form reader makes it: properties set while loading, then Loaded.
    TMwTrayIcon* Load(bool enabled, bool hideOnMinimize = true) {
        auto* tray = new TMwTrayIcon(&app);
        tray->SetLoading(true);
        tray->SetEnabled(enabled);
        tray->SetHideOnMinimize(hideOnMinimize);
        tray->SetHint("Col. Dalverin's Quillon");
        static_cast<cl::TComponent*>(tray)->Loaded();
        return tray;
    }
    long Count(DWORD kind) const {
        return std::count_if(requests.begin(), requests.end(), [kind](const TRequest& r) { return r.request == kind; });
    }
    static void Send(TMwTrayIcon* tray, UINT mouse) {
        SendMessageA(tray->WindowHandle(), kTrayIconCallbackMessage, 0, mouse);
    }

    cl::TApplication app;
    std::vector<TRequest> requests;
    bool shown = false;
};

TEST_F(TrayIconTest, IsShownOnlyAfterLoadingWhenEnabledAndRemovedWhenFreed) {
    TMwTrayIcon* tray = Load(true);
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(Count(NIM_ADD), 1);
    EXPECT_TRUE(shown);
    const TRequest& add = *std::find_if(requests.begin(), requests.end(), [](const TRequest& r) { return r.request == NIM_ADD; });
    EXPECT_EQ(add.flags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(add.tip, "Col. Dalverin's Quillon");
    EXPECT_NE(add.icon, nullptr);
    // The shell tells the record's layout by its size, which depends on the pointer width: a
    // size of another build's layout makes the shell read the record wrongly or refuse it.
    const DWORD size = tray->NotifyData().cbSize;
    EXPECT_TRUE(size == NOTIFYICONDATAA_V1_SIZE || size == NOTIFYICONDATAA_V2_SIZE) << size;

    delete tray;
    EXPECT_FALSE(shown);
    // Its handlers left the application with it.
    EXPECT_FALSE(app.OnMinimize);
    EXPECT_FALSE(app.OnRestore);
}

TEST_F(TrayIconTest, EnabledFalseShowsNothingAndMinimisingKeepsTheTaskbarButton) {
    TMwTrayIcon* tray = Load(false);
    EXPECT_EQ(Count(NIM_ADD), 0);
    int minimised = 0;
    tray->OnMinimizeApp = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { ++minimised; });
    ShowWindow(app.Handle(), SW_SHOWNOACTIVATE);
    app.Minimize();
    EXPECT_TRUE(IsIconic(app.Handle()));
    EXPECT_TRUE(IsWindowVisible(app.Handle()));
    EXPECT_EQ(minimised, 1);
    // Turning it off while it is not shown is refused; the option logic wraps the call.
    EXPECT_THROW(tray->SetEnabled(false), EMwTrayIconError);
}

TEST_F(TrayIconTest, MinimisingHidesTheButtonAndADoubleClickRestores) {
    TMwTrayIcon* tray = Load(true);
    int restored = 0;
    tray->OnRestoreApp = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { ++restored; });
    ShowWindow(app.Handle(), SW_SHOWNOACTIVATE);
    app.Minimize();
    EXPECT_FALSE(IsWindowVisible(app.Handle()));

    Send(tray, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(app.Handle()));
    EXPECT_FALSE(IsIconic(app.Handle()));
    EXPECT_GE(restored, 1);
}

// Under Wine the owner's minimising leaves its forms on screen; they must go all the same.
TEST_F(TrayIconTest, AMinimisedProgramShowsNoFormAndARestoredOneShowsThemAgain) {
    for (const bool tray : {false, true}) {
        SCOPED_TRACE(tray ? "minimised to the tray" : "minimised");
        TMwTrayIcon* icon = Load(tray);
        auto* form = new cl::TForm(&app);
        form->SetBounds(10, 10, 200, 100);
        form->Show();
        ASSERT_TRUE(IsWindowVisible(form->Handle()));

        SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        app.Minimize();
        EXPECT_TRUE(IsIconic(app.Handle()));
        EXPECT_FALSE(IsWindowVisible(form->Handle()));
        EXPECT_EQ(IsWindowVisible(app.Handle()) != FALSE, !tray);

        if (tray) Send(icon, WM_LBUTTONDBLCLK);
        else app.Restore();
        EXPECT_FALSE(IsIconic(app.Handle()));
        EXPECT_TRUE(IsWindowVisible(form->Handle()));
        delete form;
        delete icon;
    }
}

TEST_F(TrayIconTest, EachClickRunsRestoreThenPopupThenItsEvent) {
    TMwTrayIcon* tray = Load(true);
    std::vector<std::string> order;
    tray->OnRestoreApp = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { order.push_back("restore"); });
    const std::vector<std::pair<UINT, cl::TNotifyEvent TMwTrayIcon::*>> rows{
        {WM_LBUTTONDOWN, &TMwTrayIcon::OnLButtonDown},       {WM_LBUTTONUP, &TMwTrayIcon::OnLButtonUp},
        {WM_LBUTTONDBLCLK, &TMwTrayIcon::OnLButtonDblClick}, {WM_RBUTTONDOWN, &TMwTrayIcon::OnRButtonDown},
        {WM_RBUTTONUP, &TMwTrayIcon::OnRButtonUp},           {WM_RBUTTONDBLCLK, &TMwTrayIcon::OnRButtonDblClick},
        {WM_USER + 3, &TMwTrayIcon::OnBalloonHintHide},      {WM_USER + 4, &TMwTrayIcon::OnBalloonHintClose},
        {WM_USER + 5, &TMwTrayIcon::OnBalloonHintClick}};
    for (const auto& [mouse, event] : rows)
        tray->*event = cl::TNotifyEvent::FromFunction([&order, mouse = mouse](cl::TObject*) {
            order.push_back("event " + std::to_string(mouse));
        });

    tray->SetRestoreOn(TMwTrayIconClicks::RightClickUp);
    for (const auto& row : rows) {
        // Each click restores a minimised application only on its own kind.
        app.Minimize();
        order.clear();
        Send(tray, row.first);
        const std::vector<std::string> expected =
            row.first == WM_RBUTTONUP
                ? std::vector<std::string>{"restore", "event " + std::to_string(row.first)}
                : std::vector<std::string>{"event " + std::to_string(row.first)};
        EXPECT_EQ(order, expected) << row.first;
    }
}

TEST_F(TrayIconTest, AnimationCyclesThroughTheImagesAndAHintIsSentOnce) {
    TMwTrayIcon* tray = Load(true);
    auto* images = new cl::TImageList(&app);
    images->SetWidth(16);
    images->SetHeight(16);
    for (int i = 0; i < 3; ++i) images->AddIcon(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION)));
    tray->SetIcons(images);
    tray->SetInterval(250);
    tray->SetAnimate(true);
    EXPECT_TRUE(tray->Animate());

    // The animation timer's ticks, driven through its seam.
    cl::TTimer* timer = nullptr;
    for (int i = 0; i < tray->ComponentCount(); ++i)
        if (auto* t = dynamic_cast<cl::TTimer*>(tray->Components(i))) timer = t;
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->Interval(), 250);
    std::vector<int> indexes;
    for (int tick = 0; tick < 4; ++tick) {
        timer->Fire();
        indexes.push_back(tray->IconIndex());
    }
    EXPECT_EQ(indexes, (std::vector<int>{1, 2, 0, 1}));

    requests.clear();
    tray->SetHint("Col. Dalverin's Quillon");  // the same text: no request
    tray->SetHint(std::string(64, 'x'));        // too long: ignored
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(tray->Hint(), "Col. Dalverin's Quillon");
    tray->SetHint("");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].request, DWORD(NIM_MODIFY));
    EXPECT_EQ(requests[0].flags & NIF_TIP, 0u);
}

TEST_F(TrayIconTest, ARecreatedTaskbarGetsTheIconBack) {
    TMwTrayIcon* tray = Load(true);
    shown = false;  // the taskbar's process restarted
    SendMessageA(tray->WindowHandle(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(shown);
    // While the icon is still there the add fails quietly.
    SendMessageA(tray->WindowHandle(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(shown);
    EXPECT_EQ(SendMessageA(tray->WindowHandle(), WM_QUERYENDSESSION, 0, 0), 1);
    SendMessageA(tray->WindowHandle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(shown);
}

}  // namespace
