#pragma once
// Measuring the processor's clock.

namespace ut {

// The time-stamp counter's rate in MHz, timed against the performance counter with the thread
// at time-critical priority; 0 when the system has no performance counter. Call only when the
// processor has a time-stamp counter. Takes a few milliseconds at most.
unsigned MeasureClockMhz();

}  // namespace ut
