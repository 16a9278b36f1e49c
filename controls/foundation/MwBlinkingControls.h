#pragma once
// The process-wide list of blinking-capable controls (labels, status panes) and the timer that
// makes them blink in step. Each tick switches the phase, asks every registered control
// whether it blinks (CM_ISBLINKING answered 1) and tells those the new phase (CM_BLINK, wParam
// 1 for the blink look, 0 for the normal look). The list exists while at least one such
// control exists.

#include <windows.h>

#include <memory>
#include <vector>

#include "classlib/core/Object.h"
#include "classlib/win/Control.h"
#include "classlib/win/Timer.h"
#include "controls/foundation/BlinkSchedule.h"

namespace mw {

constexpr UINT CM_ISBLINKING = 0xB3E8;
constexpr UINT CM_BLINK = 0xB3E9;

class TMwBlinkingControlsList : public cl::TObject {
public:
    TMwBlinkingControlsList();
    ~TMwBlinkingControlsList() override;
    TMwBlinkingControlsList(const TMwBlinkingControlsList&) = delete;
    TMwBlinkingControlsList& operator=(const TMwBlinkingControlsList&) = delete;

    void Add(cl::TControl* control);
    // Removes the first occurrence.
    void Remove(cl::TControl* control);
    int Count() const { return static_cast<int>(controls_.size()); }

    // Shared by every blinking control; a new interval takes effect from the next tick.
    uint16_t IntervalOn() const { return schedule_.IntervalOn(); }
    uint16_t IntervalOff() const { return schedule_.IntervalOff(); }
    void SetIntervalOn(uint16_t milliseconds) { schedule_.SetIntervalOn(milliseconds); }
    void SetIntervalOff(uint16_t milliseconds) { schedule_.SetIntervalOff(milliseconds); }

    int Phase() const { return schedule_.Phase(); }
    int TimerInterval() const { return timer_.Interval(); }
    // What a timer tick does; tests call it to blink without waiting.
    void Tick();

private:
    void TimerTick(cl::TObject* sender) { Tick(); }

    TBlinkSchedule schedule_;
    std::vector<cl::TControl*> controls_;
    cl::TTimer timer_{nullptr};
};

// The list, or null while no blinking-capable control exists.
TMwBlinkingControlsList* BlinkingControls();
// A blinking-capable control joins at its construction (the first one makes the list) and
// leaves at its destruction (the last one frees it).
void JoinBlinkingControls(cl::TControl& control);
void LeaveBlinkingControls(cl::TControl& control);

}  // namespace mw
