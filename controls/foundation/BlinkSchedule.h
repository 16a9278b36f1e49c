#pragma once
// The shared blink rhythm of labels and status panes: a phase that alternates between on (1)
// and off (0), each lasting its own interval.

#include <cstdint>

namespace mw {

class TBlinkSchedule {
public:
    int Phase() const { return phase_; }
    uint16_t IntervalOn() const { return intervalOn_; }
    uint16_t IntervalOff() const { return intervalOff_; }
    void SetIntervalOn(uint16_t milliseconds) { intervalOn_ = milliseconds; }
    void SetIntervalOff(uint16_t milliseconds) { intervalOff_ = milliseconds; }

    // Switches to the other phase and returns how long the new phase lasts.
    uint16_t Advance();

private:
    int phase_ = 1;  // the first tick turns the blink look off
    uint16_t intervalOn_ = 500;
    uint16_t intervalOff_ = 500;
};

}  // namespace mw
