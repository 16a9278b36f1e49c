// Test programs that end badly, one way per test, for the test that checks how the runner
// judges them. Disabled: they run only when that test asks for one by name.

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

volatile bool keepGoing = true;

// Never a tail call: the buffer is used after the inner call returns.
__attribute__((noinline)) int Recurse(int depth) {
    volatile char buffer[4096];
    buffer[0] = static_cast<char>(depth);
    if (!keepGoing) return buffer[0];
    return Recurse(depth + 1) + buffer[0];
}

TEST(CrashProbe, DISABLED_Passes) { SUCCEED(); }

TEST(CrashProbe, DISABLED_StackOverflowWithAWorkerAlive) {
    std::mutex mutex;
    std::condition_variable never;
    std::thread worker([&] {
        std::unique_lock<std::mutex> lock(mutex);
        never.wait(lock, [] { return false; });
    });
    worker.detach();
    EXPECT_NE(Recurse(0), 0);
}

TEST(CrashProbe, DISABLED_ExitZero) { std::exit(0); }

TEST(CrashProbe, DISABLED_NullWrite) {
    volatile int* volatile target = nullptr;
    *target = 1;
}

}  // namespace
