// The application's hint window: a control's short hint waits for the hover time, shows where
// the pointer rests, and goes with a key, a click or a move to where there is no hint.

#include <gtest/gtest.h>

#include <windows.h>

#include "classlib/win/Application.h"
#include "classlib/win/Control.h"
#include "classlib/win/Form.h"

namespace {

class HintWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(0, 0, 300, 200);
        form->Show();
        withHint = AddControl(10, "Open|Opens an archive");
        other = AddControl(110, "Save");
        withoutHint = AddControl(210, "");
    }
    cl::TCustomControl* AddControl(int left, const std::string& hint) {
        auto* control = new cl::TCustomControl(form);
        control->SetParent(form);
        control->SetBounds(left, 10, 80, 40);
        control->SetHint(hint);
        control->SetShowHint(true);
        return control;
    }
    // The pointer goes to (10, 10) inside the control and the message loop sees it move there.
    void MoveOnto(cl::TControl* control) {
        const cl::TPoint screen = control->ClientToScreen({10, 10});
        SetCursorPos(screen.x, screen.y);
        app.Hints().Observe(MSG{control->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10), 0, {}});
    }
    void Key() { app.Hints().Observe(MSG{form->Handle(), WM_KEYDOWN, VK_DOWN, 0, 0, {}}); }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    cl::TCustomControl* withHint = nullptr;
    cl::TCustomControl* other = nullptr;
    cl::TCustomControl* withoutHint = nullptr;
};

TEST_F(HintWindowTest, TheShortHintShowsAfterTheHoverTimeAndGoesWithAKey) {
    EXPECT_GT(app.Hints().HoverTime(), 0);
    MoveOnto(withHint);
    EXPECT_EQ(app.Hints().Text(), "Open");
    EXPECT_FALSE(app.Hints().Showing()) << "waiting for the hover time";
    app.Hints().HoverElapsed();
    ASSERT_TRUE(app.Hints().Showing());
    RECT shown{};
    GetWindowRect(app.Hints().Handle(), &shown);
    const cl::TPoint pointer = withHint->ClientToScreen({10, 10});
    EXPECT_GE(shown.top, pointer.y) << "below the pointer";

    Key();
    EXPECT_FALSE(app.Hints().Showing());
    MoveOnto(withHint);
    EXPECT_EQ(app.Hints().Text(), "") << "not again on the same control";
    MoveOnto(other);
    EXPECT_EQ(app.Hints().Text(), "Save") << "the next control's hint";
    app.Hints().HoverElapsed();
    EXPECT_TRUE(app.Hints().Showing());
}

TEST_F(HintWindowTest, MovingToWhereThereIsNoHintOrAwayBeforeTheHoverTimeShowsNothing) {
    MoveOnto(withHint);
    app.Hints().HoverElapsed();
    ASSERT_TRUE(app.Hints().Showing());
    MoveOnto(withoutHint);
    EXPECT_FALSE(app.Hints().Showing());
    EXPECT_EQ(app.Hints().Text(), "");

    MoveOnto(other);
    const cl::TPoint away = withoutHint->ClientToScreen({10, 10});
    SetCursorPos(away.x, away.y);  // gone before the hover time ran out
    app.Hints().HoverElapsed();
    EXPECT_FALSE(app.Hints().Showing());

    other->SetShowHint(false);
    MoveOnto(other);
    EXPECT_EQ(app.Hints().Text(), "");
}

TEST_F(HintWindowTest, TheHoverTimerShowsTheHintThroughTheMessageLoop) {
    MoveOnto(withHint);
    const DWORD deadline = GetTickCount() + 30000;
    while (!app.Hints().Showing() && GetTickCount() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        app.ProcessMessages();
    }
    EXPECT_TRUE(app.Hints().Showing());
}

}  // namespace
