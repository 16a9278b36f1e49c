#pragma once
// Which face a push button shows, from its state: the themed element state and the hot-track
// face both follow it, first match first.

#include <cstdint>

#include "controls/foundation/ThemeElements.h"

namespace mw {

enum class TPushButtonLook { Disabled, Pressed, Hot, Defaulted, Normal };

struct TPushButtonState {
    bool enabled = true;
    bool pressed = false;    // latched down, or drawn pressed while the mouse or Space holds it
    bool mouseOver = false;
    bool grouped = false;    // GroupIndex is not 0
    bool defaulted = false;  // shows the default-button frame, or has the focus
};

TPushButtonLook PushButtonLook(const TPushButtonState& state);
TThemedButton ThemedPushButton(TPushButtonLook look);

// The hue on the other side of the 0..240 colour circle that a hot-track face takes from its
// colour.
uint8_t ComplementHue(uint8_t hue);

}  // namespace mw
