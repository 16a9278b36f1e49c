#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "classlib/core/ClassInfo.h"
#include "classlib/tests/win/PumpMessages.h"
#include "classlib/win/Application.h"
#include "classlib/win/Timer.h"

namespace {

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.OnException = [this](const std::string& message) { errors.push_back(message); };
    }

    // A handler that counts the ticks of the named timer.
    cl::TNotifyEvent Counter(const std::string& name) {
        return cl::TNotifyEvent::FromFunction([this, name](cl::TObject*) { ++ticks[name]; });
    }
    cl::TTimer* NewTimer(int interval) {
        auto* timer = new cl::TTimer(&app);
        timer->SetInterval(interval);
        return timer;
    }

    cl::TApplication app;
    std::vector<std::string> errors;
    std::map<std::string, int> ticks;
};

TEST_F(TimerTest, FireRunsTheHandlerAndHandsExceptionsToTheApplication) {
    cl::TTimer timer(&app);
    EXPECT_EQ(timer.Interval(), 1000);
    EXPECT_TRUE(timer.Enabled());
    timer.Fire();  // no handler: nothing happens

    timer.SetOnTimer(cl::TNotifyEvent::FromFunction([&](cl::TObject* sender) {
        EXPECT_EQ(sender, &timer);
        throw std::runtime_error("Tick failed");
    }));
    EXPECT_NO_THROW(timer.Fire());
    EXPECT_EQ(errors, std::vector<std::string>{"Tick failed"});
}

TEST_F(TimerTest, OnlyEnabledTimersWithAnIntervalAndAHandlerTick) {
    NewTimer(10)->SetOnTimer(Counter("running"));
    NewTimer(0)->SetOnTimer(Counter("no interval"));

    cl::TTimer* disabled = NewTimer(10);
    disabled->SetEnabled(false);
    disabled->SetOnTimer(Counter("disabled"));

    cl::TTimer* cleared = NewTimer(10);
    cleared->SetOnTimer(Counter("cleared"));
    cleared->SetOnTimer({});

    cl::TTimer* selfStopping = NewTimer(10);
    selfStopping->SetOnTimer(cl::TNotifyEvent::FromFunction([&](cl::TObject*) {
        ++ticks["self-stopping"];
        selfStopping->SetEnabled(false);
    }));

    cl::TTimer* reenabled = NewTimer(10);
    reenabled->SetEnabled(false);
    reenabled->SetOnTimer(Counter("re-enabled"));
    reenabled->SetEnabled(true);

    // The form reader stores the handler directly while the component is loading.
    cl::TTimer* fromResource = NewTimer(10);
    fromResource->SetLoading(true);
    cl::TValue handler;
    handler.kind = cl::TValue::Kind::Handler;
    handler.handler = Counter("from resource");
    cl::AssignProperty(*fromResource, *cl::TTimer::StaticClass().FindProperty("OnTimer"), handler);
    fromResource->Loaded();

    ASSERT_TRUE(test::PumpMessagesUntil([&] {
        return ticks["running"] >= 3 && ticks["re-enabled"] >= 1 && ticks["from resource"] >= 1 &&
               ticks["self-stopping"] >= 1;
    }));
    EXPECT_EQ(ticks["no interval"], 0);
    EXPECT_EQ(ticks["disabled"], 0);
    EXPECT_EQ(ticks["cleared"], 0);
    EXPECT_EQ(ticks["self-stopping"], 1);
}

TEST_F(TimerTest, FreeingARunningTimerStopsItsTicks) {
    cl::TTimer* doomed = NewTimer(10);
    doomed->SetOnTimer(Counter("doomed"));
    NewTimer(10)->SetOnTimer(Counter("witness"));
    ASSERT_TRUE(test::PumpMessagesUntil([&] { return ticks["doomed"] >= 1; }));
    cl::Free(doomed);
    const int before = ticks["doomed"];
    ASSERT_TRUE(test::PumpMessagesUntil([&] { return ticks["witness"] >= 5; }));
    EXPECT_EQ(ticks["doomed"], before);
}

}  // namespace
