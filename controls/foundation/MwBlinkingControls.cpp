#include "controls/foundation/MwBlinkingControls.h"

#include <algorithm>

namespace mw {

namespace {

// Shared so that a tick keeps the list alive while a control it talks to leaves as the last
// one and lets the list go.
std::shared_ptr<TMwBlinkingControlsList>& TheList() {
    static std::shared_ptr<TMwBlinkingControlsList> list;
    return list;
}

}  // namespace

TMwBlinkingControlsList::TMwBlinkingControlsList() {
    timer_.SetInterval(schedule_.IntervalOff());
    timer_.SetOnTimer(cl::TNotifyEvent(this, &TMwBlinkingControlsList::TimerTick));
}

TMwBlinkingControlsList::~TMwBlinkingControlsList() = default;

void TMwBlinkingControlsList::Add(cl::TControl* control) { controls_.push_back(control); }

void TMwBlinkingControlsList::Remove(cl::TControl* control) {
    const auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it != controls_.end()) controls_.erase(it);
}

void TMwBlinkingControlsList::Tick() {
    const std::shared_ptr<TMwBlinkingControlsList> keepAlive = TheList();
    timer_.SetInterval(schedule_.Advance());
    const WPARAM phase = static_cast<WPARAM>(schedule_.Phase());
    // A control may leave (or others join) while it handles the messages: walk a copy and skip
    // the ones that left. Controls without a window show nothing yet and get no messages.
    const std::vector<cl::TControl*> snapshot = controls_;
    for (cl::TControl* control : snapshot) {
        if (std::find(controls_.begin(), controls_.end(), control) == controls_.end()) continue;
        if (!control->HandleAllocated()) continue;
        if (SendMessageA(control->Handle(), CM_ISBLINKING, 0, 0) == 1)
            SendMessageA(control->Handle(), CM_BLINK, phase, 0);
    }
}

TMwBlinkingControlsList* BlinkingControls() { return TheList().get(); }

void JoinBlinkingControls(cl::TControl& control) {
    if (!TheList()) TheList() = std::make_shared<TMwBlinkingControlsList>();
    TheList()->Add(&control);
}

void LeaveBlinkingControls(cl::TControl& control) {
    if (!TheList()) return;
    TheList()->Remove(&control);
    if (TheList()->Count() == 0) TheList().reset();
}

}  // namespace mw
