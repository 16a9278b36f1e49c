// The process-wide blinking list: its lifetime, the phase and interval of each tick, and which
// controls are told.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <vector>

#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "controls/foundation/MwBlinkingControls.h"

namespace {

using namespace mw;

// A blinking-capable control that records the phases it is told.
class TBlinkProbe : public cl::TCustomControl {
public:
    explicit TBlinkProbe(cl::TComponent* owner) : cl::TCustomControl(owner) { JoinBlinkingControls(*this); }
    ~TBlinkProbe() override { LeaveBlinkingControls(*this); }

    bool blinking = true;
    std::vector<int> phases;
    std::function<void()> onBlink;

protected:
    void WndProc(cl::TMessage& m) override {
        if (m.msg == CM_ISBLINKING) {
            m.result = blinking ? 1 : 0;
            return;
        }
        if (m.msg == CM_BLINK) {
            phases.push_back(static_cast<int>(m.wParam));
            if (onBlink) onBlink();
            return;
        }
        cl::TCustomControl::WndProc(m);
    }
};

class BlinkingControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(0, 0, 200, 100);
    }
    TBlinkProbe* NewProbe() {
        auto* probe = new TBlinkProbe(form);
        probe->SetParent(form);
        probe->HandleNeeded();
        return probe;
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
};

TEST_F(BlinkingControlsTest, ListLivesWhileABlinkingControlLives) {
    ASSERT_EQ(BlinkingControls(), nullptr);
    TBlinkProbe* first = NewProbe();
    ASSERT_NE(BlinkingControls(), nullptr);
    TMwBlinkingControlsList* list = BlinkingControls();
    EXPECT_EQ(list->Phase(), 1);
    EXPECT_EQ(list->IntervalOn(), 500);
    EXPECT_EQ(list->IntervalOff(), 500);
    EXPECT_EQ(list->TimerInterval(), 500);
    TBlinkProbe* second = NewProbe();
    EXPECT_EQ(BlinkingControls(), list);
    EXPECT_EQ(list->Count(), 2);

    cl::Free(first);
    EXPECT_EQ(BlinkingControls(), list);
    cl::Free(second);
    EXPECT_EQ(BlinkingControls(), nullptr);
}

TEST_F(BlinkingControlsTest, EachTickSwitchesThePhaseAndTellsOnlyBlinkingControls) {
    TBlinkProbe* blinking = NewProbe();
    TBlinkProbe* steady = NewProbe();
    steady->blinking = false;
    auto* windowless = new TBlinkProbe(form);  // no window yet: nothing to show
    TMwBlinkingControlsList* list = BlinkingControls();
    list->SetIntervalOn(300);
    list->SetIntervalOff(700);

    list->Tick();
    EXPECT_EQ(list->Phase(), 0);
    EXPECT_EQ(list->TimerInterval(), 700);
    list->Tick();
    EXPECT_EQ(list->Phase(), 1);
    EXPECT_EQ(list->TimerInterval(), 300);
    EXPECT_EQ(blinking->phases, (std::vector<int>{0, 1}));
    EXPECT_TRUE(steady->phases.empty());
    EXPECT_TRUE(windowless->phases.empty());
    EXPECT_FALSE(windowless->HandleAllocated());

    blinking->blinking = false;  // stops blinking but stays registered
    list->Tick();
    EXPECT_EQ(blinking->phases.size(), 2u);
    EXPECT_EQ(list->Count(), 3);
}

TEST_F(BlinkingControlsTest, ControlsMayLeaveWhileATickTellsThem) {
    TBlinkProbe* first = NewProbe();
    TBlinkProbe* second = NewProbe();
    first->onBlink = [&] { cl::Free(second); };
    BlinkingControls()->Tick();
    EXPECT_EQ(first->phases, std::vector<int>{0});
    EXPECT_EQ(BlinkingControls()->Count(), 1);

    // The last control leaving in the middle of a tick frees the list after the tick.
    first->onBlink = [&] { LeaveBlinkingControls(*first); };
    BlinkingControls()->Tick();
    EXPECT_EQ(BlinkingControls(), nullptr);
    JoinBlinkingControls(*first);  // so that its destructor leaves a list again
}

TEST_F(BlinkingControlsTest, TheTimerTicksThroughTheMessageLoop) {
    TBlinkProbe* probe = NewProbe();
    const DWORD deadline = GetTickCount() + 5000;
    while (probe->phases.empty() && GetTickCount() < deadline) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    EXPECT_EQ(probe->phases, std::vector<int>{0});
}

}  // namespace
