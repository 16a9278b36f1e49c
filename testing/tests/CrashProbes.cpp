// A test program whose tests end badly, one way each, for the test that checks how the runner
// judges such runs. Disabled: each runs only when that test asks for it by name.

#include <gtest/gtest.h>

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
    static std::mutex mutex;
    static std::condition_variable never;
    std::thread([] {
        std::unique_lock<std::mutex> lock(mutex);
        never.wait(lock, [] { return false; });
    }).detach();
    EXPECT_NE(Recurse(0), 0);
}

TEST(CrashProbe, DISABLED_ExitZero) { std::exit(0); }

TEST(CrashProbe, DISABLED_NullWrite) {
    volatile int* volatile target = nullptr;
    *target = 1;
}

}  // namespace
