#include "utils/UtClockMeasurement.h"

#include <windows.h>
#include <x86intrin.h>

#include <cstdint>

#include "utils/UtClockArithmetic.h"

namespace ut {

namespace {

constexpr int64_t kSettlingTicks = 50;
constexpr int64_t kMeasuredTicks = 1000;

// Raises the calling thread to time-critical priority for its lifetime.
class TimeCriticalPriority {
public:
    TimeCriticalPriority() : thread_(GetCurrentThread()), previous_(GetThreadPriority(thread_)) {
        SetThreadPriority(thread_, THREAD_PRIORITY_TIME_CRITICAL);
    }
    ~TimeCriticalPriority() {
        if (previous_ != THREAD_PRIORITY_ERROR_RETURN) SetThreadPriority(thread_, previous_);
    }
    TimeCriticalPriority(const TimeCriticalPriority&) = delete;
    TimeCriticalPriority& operator=(const TimeCriticalPriority&) = delete;

private:
    HANDLE thread_;
    int previous_;
};

int64_t PerformanceCounter() {
    LARGE_INTEGER value;
    QueryPerformanceCounter(&value);
    return value.QuadPart;
}

int64_t WaitForTicks(int64_t from, int64_t ticks) {
    int64_t now;
    do now = PerformanceCounter();
    while (now - from < ticks);
    return now;
}

double MeasureOnce(int64_t counterFrequency) {
    TimeCriticalPriority priority;
    const int64_t start = WaitForTicks(PerformanceCounter(), kSettlingTicks);
    const uint64_t firstCycle = __rdtsc();
    const int64_t end = WaitForTicks(start, kMeasuredTicks);
    const uint64_t lastCycle = __rdtsc();
    return MegahertzFromTicks(lastCycle - firstCycle, end - start, counterFrequency);
}

}  // namespace

unsigned MeasureClockMhz() {
    LARGE_INTEGER frequency;
    // Without the counter the waits would never end.
    if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0) return 0;
    return SettledClockMhz([&] { return MeasureOnce(frequency.QuadPart); });
}

}  // namespace ut
