#include "controls/basic/ClickRepeater.h"

namespace mw {

void TClickRepeater::Start(int initialDelay, int delay) {
    if (!timer_) {
        timer_ = new cl::TTimer(&button_);
        timer_->SetEnabled(false);
        timer_->SetOnTimer(cl::TNotifyEvent(this, &TClickRepeater::Tick));
    }
    delay_ = delay;
    timer_->SetInterval(initialDelay);
    timer_->SetEnabled(true);
}

void TClickRepeater::Stop() {
    if (timer_) timer_->SetEnabled(false);
}

void TClickRepeater::Tick(cl::TObject*) {
    timer_->SetInterval(delay_);
    if (!isDown_() || GetCapture() != button_.Handle()) return;
    try {
        button_.Click();
    } catch (...) {
        Stop();
        throw;
    }
}

}  // namespace mw
