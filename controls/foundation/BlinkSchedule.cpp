#include "controls/foundation/BlinkSchedule.h"

namespace mw {

uint16_t TBlinkSchedule::Advance() {
    phase_ = phase_ == 1 ? 0 : 1;
    return phase_ == 1 ? intervalOn_ : intervalOff_;
}

}  // namespace mw
