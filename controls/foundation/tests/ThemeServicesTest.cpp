// The visual-styles binding and the theme services, over a stand-in library that reports what
// the test tells it, the real one (which Wine has) and a missing one.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "classlib/win/Application.h"
#include "controls/foundation/MwThemeSrv.h"
#include "controls/foundation/MwUxTheme.h"
#include "controls/foundation/tests/FakeUxTheme.h"

namespace {

using namespace mw;

uint32_t CommonControls6() { return 0x60000; }
uint32_t CommonControls581() { return 0x50051; }

TFakeThemeState& Fake() {
    auto state = reinterpret_cast<TFakeThemeStateFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(FAKE_UXTHEME_FILE), "FakeThemeState")));
    return *state();
}

// The stand-in, loaded for the whole test and reporting a themed desktop that allows controls.
class FakeThemeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library.Acquire());
        Fake().appThemed = TRUE;
        Fake().themeActive = TRUE;
        Fake().appProperties = 7;
    }
    void TearDown() override { library.Release(); }

    TThemeLibrary library{FAKE_UXTHEME_FILE};
};

// A window that records the messages its own procedure gets.
class TRecordingWindow {
public:
    TRecordingWindow() {
        static const bool registered = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = &Proc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "FoundationRecordingWindow";
            return RegisterClassA(&wc) != 0;
        }();
        EXPECT_TRUE(registered);
        handle = CreateWindowA("FoundationRecordingWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
        SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&messages));
    }
    ~TRecordingWindow() {
        if (IsWindow(handle)) DestroyWindow(handle);
    }
    bool Got(UINT msg) const { return std::find(messages.begin(), messages.end(), msg) != messages.end(); }

    HWND handle = nullptr;
    std::vector<UINT> messages;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (auto* log = reinterpret_cast<std::vector<UINT>*>(GetWindowLongPtrA(window, GWLP_USERDATA))) log->push_back(msg);
        return DefWindowProcA(window, msg, wParam, lParam);
    }
};

TEST(ThemeLibraryTest, UsesAreCountedAndTheLastOneUnloads) {
    TThemeLibrary library(FAKE_UXTHEME_FILE);
    EXPECT_FALSE(library.Loaded());
    EXPECT_TRUE(library.Acquire());
    EXPECT_TRUE(library.Acquire());
    EXPECT_NE(library.Api().OpenThemeData, nullptr);
    library.Release();
    EXPECT_TRUE(library.Loaded());
    EXPECT_NE(GetModuleHandleA(FAKE_UXTHEME_FILE), nullptr);
    library.Release();
    EXPECT_FALSE(library.Loaded());
    EXPECT_EQ(GetModuleHandleA(FAKE_UXTHEME_FILE), nullptr);
    EXPECT_EQ(library.Api().OpenThemeData, nullptr);
    library.Release();
    EXPECT_EQ(library.UseCount(), 0);

    {
        TThemeLibrary held(FAKE_UXTHEME_FILE);
        held.Acquire();
        held.Acquire();
    }
    EXPECT_EQ(GetModuleHandleA(FAKE_UXTHEME_FILE), nullptr) << "the binding gives back its uses when it goes";
}

TEST(ThemeLibraryTest, AMissingLibraryStillCountsItsUsesAndIsTriedAgain) {
    TThemeLibrary library("quillon_no_such_uxtheme.dll");
    EXPECT_FALSE(library.Acquire());
    EXPECT_FALSE(library.Acquire());
    EXPECT_EQ(library.UseCount(), 2);
    EXPECT_FALSE(library.UseThemesNow());
    library.Release();
    library.Release();
    EXPECT_EQ(library.UseCount(), 0);
}

TEST(ThemeLibraryTest, TheSystemLibraryResolvesEveryEntryPointWeCall) {
    TThemeLibrary library("uxtheme.dll");
    ASSERT_TRUE(library.Acquire());
    const TUxThemeApi& api = library.Api();
    EXPECT_TRUE(api.OpenThemeData && api.CloseThemeData && api.DrawThemeBackground && api.DrawThemeText &&
                api.IsThemeBackgroundPartiallyTransparent && api.DrawThemeParentBackground && api.IsThemeActive &&
                api.IsAppThemed && api.GetThemeAppProperties);
    library.Release();
}

TEST_F(FakeThemeTest, ThemesAreEnabledOnlyWithAStyleCommonControls6AndControlsAllowed) {
    struct Case {
        const char* name;
        BOOL appThemed, themeActive;
        DWORD properties;
        TThemeServices::TVersionProbe version;
        bool useThemes, controlsEnabled;
    };
    const Case cases[] = {
        {"themed desktop", TRUE, TRUE, 7, CommonControls6, true, true},
        {"common controls 5.81", TRUE, TRUE, 7, CommonControls581, false, false},
        {"classic theme", TRUE, FALSE, 7, CommonControls6, false, false},
        {"application not themed", FALSE, TRUE, 7, CommonControls6, false, false},
        {"only the non-client area allowed", TRUE, TRUE, 1, CommonControls6, true, false},
    };
    for (const Case& c : cases) {
        Fake().appThemed = c.appThemed;
        Fake().themeActive = c.themeActive;
        Fake().appProperties = c.properties;
        TThemeServices services(nullptr, library, c.version);
        EXPECT_TRUE(services.ThemesAvailable()) << c.name;
        EXPECT_EQ(services.UseThemes(), c.useThemes) << c.name;
        EXPECT_EQ(services.ControlsEnabled(), c.controlsEnabled) << c.name;
        EXPECT_EQ(services.ThemesEnabled(), c.useThemes && c.controlsEnabled) << c.name;
    }
}

TEST(ThemeServicesTest, WithoutTheLibraryEverythingStaysOffAndDrawsNothing) {
    TThemeLibrary missing("quillon_no_such_uxtheme.dll");
    {
        TThemeServices services(nullptr, missing, CommonControls6);
        EXPECT_FALSE(services.ThemesAvailable());
        EXPECT_FALSE(services.ThemesEnabled());
        EXPECT_EQ(services.Theme(TThemedElement::Button), nullptr);
        HDC screen = GetDC(nullptr);
        services.DrawElement(screen, ThemeElementDetails(TThemedButton::PushButtonNormal), {0, 0, 10, 10});
        services.DrawElementText(screen, ThemeElementDetails(TThemedButton::PushButtonNormal), "x", {0, 0, 10, 10}, 0, 0);
        services.DrawParentBackground(nullptr, screen, nullptr, false);
        ReleaseDC(nullptr, screen);
        EXPECT_EQ(missing.UseCount(), 1);
    }
    EXPECT_EQ(missing.UseCount(), 0);
}

TEST_F(FakeThemeTest, ThemeHandlesOpenOnceAndReopenAfterAThemeChange) {
    TRecordingWindow window;
    TThemeServices services(window.handle, library, CommonControls6);
    const HTHEME button = services.Theme(TThemedElement::Button);
    EXPECT_NE(button, nullptr);
    EXPECT_STREQ(Fake().lastClass, "button");
    EXPECT_EQ(services.Theme(TThemedElement::Button), button);
    services.Theme(TThemedElement::Progress);
    EXPECT_STREQ(Fake().lastClass, "progress");
    EXPECT_EQ(Fake().opened, 2);

    std::vector<bool> useThemesSeen;
    cl::TObject* sender = nullptr;
    services.OnThemesChanged = cl::TNotifyEvent::FromFunction([&](cl::TObject* s) {
        sender = s;
        useThemesSeen.push_back(services.UseThemes());
    });
    Fake().themeActive = FALSE;  // switched to the classic look
    SendMessageA(window.handle, WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(Fake().closed, 2);
    EXPECT_EQ(useThemesSeen, std::vector<bool>{false}) << "the flags are up to date when listeners hear of it";
    EXPECT_EQ(sender, &services);
    EXPECT_TRUE(window.Got(WM_THEMECHANGED)) << "the window still gets the message";
    EXPECT_EQ(services.Theme(TThemedElement::Button), nullptr);

    Fake().themeActive = TRUE;
    SendMessageA(window.handle, WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(Fake().opened, 2) << "reopened only when asked for";
    EXPECT_NE(services.Theme(TThemedElement::Button), nullptr);
    EXPECT_EQ(Fake().opened, 3);
}

TEST_F(FakeThemeTest, TheHookGoesWithTheServicesOrWithTheWindow) {
    TRecordingWindow window;
    const LONG_PTR ownProc = GetWindowLongPtrA(window.handle, GWLP_WNDPROC);
    {
        TThemeServices services(window.handle, library, CommonControls6);
        EXPECT_NE(GetWindowLongPtrA(window.handle, GWLP_WNDPROC), ownProc);
    }
    EXPECT_EQ(GetWindowLongPtrA(window.handle, GWLP_WNDPROC), ownProc);

    auto services = std::make_unique<TThemeServices>(window.handle, library, CommonControls6);
    services->Theme(TThemedElement::Tab);
    const int closedBefore = Fake().closed;
    DestroyWindow(window.handle);
    EXPECT_TRUE(window.Got(WM_DESTROY));
    services.reset();  // nothing left to unhook; the window's theme handles went with it
    EXPECT_EQ(Fake().closed, closedBefore);
}

TEST_F(FakeThemeTest, ServicesWatchingOneWindowEachHearOfAThemeChange) {
    TRecordingWindow window;
    const LONG_PTR ownProc = GetWindowLongPtrA(window.handle, GWLP_WNDPROC);
    std::vector<std::string> heard;
    auto older = std::make_unique<TThemeServices>(window.handle, library, CommonControls6);
    auto newer = std::make_unique<TThemeServices>(window.handle, library, CommonControls6);
    older->OnThemesChanged = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { heard.push_back("older"); });
    newer->OnThemesChanged = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { heard.push_back("newer"); });
    SendMessageA(window.handle, WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(heard, (std::vector<std::string>{"newer", "older"}));
    EXPECT_EQ(std::count(window.messages.begin(), window.messages.end(), static_cast<UINT>(WM_THEMECHANGED)), 1);

    // The older one goes first: the newer one and the window still get the message.
    older.reset();
    heard.clear();
    window.messages.clear();
    SendMessageA(window.handle, WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(heard, std::vector<std::string>{"newer"});
    EXPECT_TRUE(window.Got(WM_THEMECHANGED));
    newer.reset();
    EXPECT_EQ(GetWindowLongPtrA(window.handle, GWLP_WNDPROC), ownProc);
}

TEST_F(FakeThemeTest, AnExceptionFromAListenerStaysOutOfTheWindowProcedure) {
    cl::TApplication app;
    std::vector<std::string> errors;
    app.OnException = [&](const std::string& message) { errors.push_back(message); };
    TRecordingWindow window;
    TThemeServices services(window.handle, library, CommonControls6);
    services.OnThemesChanged = cl::TNotifyEvent::FromFunction([](cl::TObject*) { throw std::runtime_error("listener failed"); });
    SendMessageA(window.handle, WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(errors, std::vector<std::string>{"listener failed"});
    EXPECT_TRUE(window.Got(WM_THEMECHANGED));
}

TEST_F(FakeThemeTest, DrawingGoesToTheElementsThemeWithItsPartAndState) {
    TRecordingWindow window;
    TThemeServices services(window.handle, library, CommonControls6);
    HDC dc = GetDC(window.handle);
    const cl::TRect clip{0, 0, 5, 5};
    services.DrawElement(dc, ThemeElementDetails(TThemedProgress::Chunk), {1, 2, 30, 12}, &clip);
    EXPECT_EQ(Fake().lastTheme, services.Theme(TThemedElement::Progress));
    EXPECT_EQ(Fake().lastPart, 3);
    EXPECT_EQ(Fake().lastState, 1);
    EXPECT_EQ(Fake().lastRect.right, 30);
    EXPECT_TRUE(Fake().lastHadClip);

    services.DrawElementText(dc, ThemeElementDetails(TThemedButton::GroupBoxNormal), "Options", {0, 0, 50, 12}, 0, 0);
    EXPECT_EQ(std::wstring(Fake().lastText), L"Options");
    EXPECT_EQ(Fake().lastTextLength, 7);

    const TThemedElementDetails tab = ThemeElementDetails(TThemedButton::PushButtonNormal);
    Fake().partiallyTransparent = FALSE;
    services.DrawParentBackground(window.handle, dc, &tab, true);
    EXPECT_EQ(Fake().drawnParentBackgrounds, 0) << "an opaque element hides the parent anyway";
    Fake().partiallyTransparent = TRUE;
    services.DrawParentBackground(window.handle, dc, &tab, true);
    services.DrawParentBackground(window.handle, dc, nullptr, true);
    EXPECT_EQ(Fake().drawnParentBackgrounds, 2);
    EXPECT_EQ(Fake().lastParentWindow, window.handle);
    ReleaseDC(window.handle, dc);
}

TEST(ThemeServicesTest, TheProcessWideServicesUseTheSystemLibrary) {
    TThemeServices& services = ThemeServices();
    EXPECT_EQ(&services, &ThemeServices());
    EXPECT_TRUE(services.ThemesAvailable());
    EXPECT_TRUE(ThemeLibrary().Loaded());
    // Whatever the desktop shows, the version comes from comctl32's version resource.
    EXPECT_GE(CommonControlsVersion(), 0x50000u);
}

}  // namespace
