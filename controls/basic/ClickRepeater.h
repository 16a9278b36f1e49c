#pragma once
// Repeats the click of a button held down: the first repeat after the initial delay, then one
// each delay, for as long as the button is down and holds the mouse. A click that fails stops
// the repeats and goes on to the caller. The timer is made at the first start and is owned by
// the button.

#include <functional>

#include "classlib/win/Control.h"
#include "classlib/win/Timer.h"

namespace mw {

class TClickRepeater {
public:
    // isDown: whether the button is still held down.
    TClickRepeater(cl::TControl& button, std::function<bool()> isDown) : button_(button), isDown_(std::move(isDown)) {}

    void Start(int initialDelay, int delay);
    void Stop();
    cl::TTimer* Timer() const { return timer_; }

private:
    void Tick(cl::TObject* sender);

    cl::TControl& button_;
    std::function<bool()> isDown_;
    cl::TTimer* timer_ = nullptr;  // owned by the button through the component tree
    int delay_ = 0;
};

}  // namespace mw
