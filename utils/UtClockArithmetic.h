#pragma once
// Turning time-stamp counter readings into a clock speed.

#include <cstdint>
#include <functional>

namespace ut {

// Most measuring passes before the last three estimates are taken as they are.
constexpr int kMaxClockPasses = 20;

// The rate in MHz of a counter that advanced by cycles while the reference counter, running at
// referenceFrequency ticks per second, advanced by referenceTicks. 0 when nothing was timed.
double MegahertzFromTicks(uint64_t cycles, int64_t referenceTicks, int64_t referenceFrequency);

// Three estimates agree when each lies within 3 MHz of their mean.
bool ClockEstimatesAgree(double first, double second, double third);

// Runs measureOnce (one estimate in MHz) until, from the third pass on, the last three agree or
// kMaxClockPasses passes have run, and gives their mean rounded to whole MHz.
unsigned SettledClockMhz(const std::function<double()>& measureOnce);

// Snaps the last two digits to the nearest of 0, 20, 33, 50, 60, 66, 80, 90 and 100, upward when
// two are equally near: 1995 gives 2000, 866 stays 866, 1197 gives 1200.
unsigned NormalizedMhz(unsigned mhz);

}  // namespace ut
