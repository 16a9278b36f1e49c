#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "classlib/tests/win/PumpMessages.h"
#include "classlib/win/Application.h"
#include "classlib/win/Thread.h"

namespace {

// A thread whose Execute is a function; it tells when it has been destroyed.
class TFunctionThread : public cl::TThread {
public:
    explicit TFunctionThread(std::function<void(TFunctionThread&)> body, std::atomic<bool>* destroyed = nullptr)
        : body_(std::move(body)), destroyed_(destroyed) {}
    ~TFunctionThread() override {
        Terminate();
        WaitFor();  // before body_ goes
        if (destroyed_) *destroyed_ = true;
    }

protected:
    void Execute() override { body_(*this); }

private:
    std::function<void(TFunctionThread&)> body_;
    std::atomic<bool>* destroyed_;
};

class ThreadTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.OnException = [this](const std::string& message) {
            errors.push_back(message);
            errorThreads.push_back(GetCurrentThreadId());
        };
    }

    cl::TApplication app;
    const DWORD uiThread = GetCurrentThreadId();
    std::vector<std::string> errors;
    std::vector<DWORD> errorThreads;
};

TEST_F(ThreadTest, SynchronizeRunsOnTheUiThreadWhileTheWorkerWaits) {
    DWORD workerThread = 0;
    DWORD synchronizedThread = 0;
    int seenAfterwards = 0;
    TFunctionThread thread([&](TFunctionThread& self) {
        workerThread = GetCurrentThreadId();
        int value = 0;
        self.Synchronize([&] {
            synchronizedThread = GetCurrentThreadId();
            value = 42;
        });
        seenAfterwards = value;
    });
    thread.Start();
    thread.WaitFor();  // serves the synchronised call meanwhile

    EXPECT_NE(workerThread, uiThread);
    EXPECT_EQ(workerThread, thread.ThreadID());
    EXPECT_EQ(synchronizedThread, uiThread);
    EXPECT_EQ(seenAfterwards, 42);
}

TEST_F(ThreadTest, ExceptionsReachTheApplicationOnTheUiThread) {
    struct Case {
        const char* what;
        std::function<void(TFunctionThread&)> body;
        std::vector<std::string> errors;
    };
    std::vector<std::string> log;
    const Case cases[] = {
        {"in a synchronised method, and the worker goes on",
         [&](TFunctionThread& self) {
             self.Synchronize([] { throw std::runtime_error("Synchronised failure"); });
             log.push_back("went on");
         },
         {"Synchronised failure"}},
        {"in Execute", [](TFunctionThread&) { throw std::runtime_error("Execute failure"); }, {"Execute failure"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        errors.clear();
        errorThreads.clear();
        TFunctionThread thread(c.body);
        thread.Start();
        thread.WaitFor();
        EXPECT_EQ(errors, c.errors);
        EXPECT_EQ(errorThreads, std::vector<DWORD>(c.errors.size(), uiThread));
    }
    EXPECT_EQ(log, std::vector<std::string>{"went on"});
}

TEST_F(ThreadTest, AThreadFreedOnTerminateDeletesItselfWhenExecuteReturns) {
    std::atomic<bool> destroyed{false};
    int ticks = 0;
    auto* thread = new TFunctionThread(
        [&](TFunctionThread& self) {
            for (int i = 0; i < 3; ++i) self.Synchronize([&] { ++ticks; });
        },
        &destroyed);
    thread->SetFreeOnTerminate(true);
    const cl::TKernelHandle ended = thread->OpenHandle();
    thread->Start();
    ASSERT_TRUE(test::PumpMessagesUntil([&] { return WaitForSingleObject(ended.Get(), 0) == WAIT_OBJECT_0; }));
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(ticks, 3);
}

TEST_F(ThreadTest, DestroyingAThreadStopsItWithoutDeadlock) {
    // A running thread that keeps synchronising: the UI thread destroying it serves those
    // calls until the thread sees the terminate request.
    int ticks = 0;
    auto* running = new TFunctionThread([&](TFunctionThread& self) {
        while (!self.Terminated()) self.Synchronize([&] { ++ticks; });
    });
    const cl::TKernelHandle ended = running->OpenHandle();
    running->Start();
    ASSERT_TRUE(test::PumpMessagesUntil([&] { return ticks >= 3; }));
    delete running;
    EXPECT_EQ(WaitForSingleObject(ended.Get(), 0), WAIT_OBJECT_0);

    // One never started ends without running Execute.
    bool executed = false;
    delete new TFunctionThread([&](TFunctionThread&) { executed = true; });
    EXPECT_FALSE(executed);
}

}  // namespace
