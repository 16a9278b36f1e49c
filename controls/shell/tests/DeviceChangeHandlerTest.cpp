// The device-change dispatcher: changes sent to its window reach the listeners later, from
// the message loop, with their records intact; failing listeners, removal during a round and
// the Active switch.

#include <gtest/gtest.h>

#include <windows.h>
#include <dbt.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/tests/win/PumpMessages.h"
#include "classlib/win/Application.h"
#include "controls/shell/MwDeviceChangeHandler.h"

namespace {

struct TCall {
    std::string listener;
    WPARAM wParam;
    DWORD unitMask;  // of a volume record, 0 without one
};

class TListener {
public:
    TListener(std::string name, std::vector<TCall>& calls) : name_(std::move(name)), calls_(calls) {}

    void Changed(TMwDeviceChangeHandler*, cl::TMessage& message) {
        DWORD mask = 0;
        if (message.lParam) mask = reinterpret_cast<const DEV_BROADCAST_VOLUME*>(message.lParam)->dbcv_unitmask;
        calls_.push_back({name_, message.wParam, mask});
        if (onCall) onCall();
    }
    TMwDeviceChangeEvent Event() { return TMwDeviceChangeEvent(this, &TListener::Changed); }

    std::function<void()> onCall;

private:
    std::string name_;
    std::vector<TCall>& calls_;
};

class DeviceChangeHandlerTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.OnException = [this](const std::string& message) { errors.push_back(message); };
    }

    void SendVolumeArrival(DWORD unitMask) {
        DEV_BROADCAST_VOLUME volume{};
        volume.dbcv_size = sizeof volume;
        volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
        volume.dbcv_unitmask = unitMask;
        SendMessageA(handler.WindowReceiver(), WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(&volume));
        // The sender's record is gone once the broadcast is answered.
        volume.dbcv_unitmask = 0xDEAD;
    }
    bool PumpUntilCalls(size_t count) {
        return test::PumpMessagesUntil([&] { return calls.size() >= count; });
    }

    cl::TApplication app;
    std::vector<std::string> errors;
    TMwDeviceChangeHandler handler;
    std::vector<TCall> calls;
    TListener first{"first", calls};
    TListener second{"second", calls};
};

TEST_F(DeviceChangeHandlerTest, ListenersHearChangesAfterTheBroadcastWasAnswered) {
    handler.AddListener(first.Event());
    handler.AddListener(second.Event());
    SendVolumeArrival(1 << 3);
    EXPECT_TRUE(calls.empty());  // not inside the broadcast
    ASSERT_TRUE(PumpUntilCalls(2));
    EXPECT_EQ(calls[0].listener, "first");
    EXPECT_EQ(calls[0].wParam, WPARAM(DBT_DEVICEARRIVAL));
    EXPECT_EQ(calls[0].unitMask, DWORD(1 << 3));
    EXPECT_EQ(calls[1].listener, "second");
    EXPECT_EQ(calls[1].unitMask, DWORD(1 << 3));

    // A change without a record passes its parameters as they are.
    SendMessageA(handler.WindowReceiver(), WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
    ASSERT_TRUE(PumpUntilCalls(4));
    EXPECT_EQ(calls[2].wParam, WPARAM(DBT_DEVNODES_CHANGED));
    EXPECT_EQ(calls[2].unitMask, 0u);
    EXPECT_TRUE(errors.empty());
}

TEST_F(DeviceChangeHandlerTest, AFailingListenerDoesNotStopTheOthers) {
    TListener third{"third", calls};
    first.onCall = [] { throw cl::Exception("first failed"); };
    handler.AddListener(first.Event());
    handler.AddListener(second.Event());
    handler.AddListener(third.Event());
    SendVolumeArrival(1);
    ASSERT_TRUE(PumpUntilCalls(3));
    EXPECT_EQ(calls[2].listener, "third");
    EXPECT_EQ(errors, std::vector<std::string>{"first failed"});

    // Something that is no exception object ends the round, and is reported too.
    calls.clear();
    errors.clear();
    second.onCall = [] { throw 42; };
    SendVolumeArrival(1);
    ASSERT_TRUE(test::PumpMessagesUntil([&] { return errors.size() >= 2; }));
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].listener, "second");
    EXPECT_EQ(errors[1], "Unknown exception");
}

TEST_F(DeviceChangeHandlerTest, RemovedAndInactiveListenersAreNotCalled) {
    TListener third{"third", calls};
    first.onCall = [&] { handler.RemoveListener(second.Event()); };
    handler.AddListener(first.Event());
    handler.AddListener(second.Event());
    handler.AddListener(third.Event());
    SendVolumeArrival(1);
    ASSERT_TRUE(PumpUntilCalls(2));
    EXPECT_EQ(calls[1].listener, "third");

    handler.RemoveListener(second.Event());  // no longer there: nothing happens
    handler.RemoveListener(third.Event());
    handler.SetActive(false);
    calls.clear();
    first.onCall = nullptr;
    SendVolumeArrival(1);
    ASSERT_TRUE(test::PumpMessagesUntil([&] {
        MSG msg;
        return !PeekMessageA(&msg, handler.WindowReceiver(), 0, 0, PM_NOREMOVE);
    }));
    handler.SetActive(true);
    SendMessageA(handler.WindowReceiver(), WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
    ASSERT_TRUE(PumpUntilCalls(1));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].wParam, WPARAM(DBT_DEVNODES_CHANGED));  // the inactive one was dropped
}

TEST(DeviceChangeHandler, OneForTheProcess) {
    TMwDeviceChangeHandler* handler = mw::DeviceChangeHandler();
    ASSERT_NE(handler, nullptr);
    EXPECT_EQ(mw::DeviceChangeHandler(), handler);
    EXPECT_TRUE(IsWindow(handler->WindowReceiver()));
}

}  // namespace
