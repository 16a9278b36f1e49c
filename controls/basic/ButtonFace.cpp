#include "controls/basic/ButtonFace.h"

namespace mw {

TPushButtonLook PushButtonLook(const TPushButtonState& s) {
    if (!s.enabled) return TPushButtonLook::Disabled;
    if (s.pressed) return TPushButtonLook::Pressed;
    if (s.mouseOver) return TPushButtonLook::Hot;
    if (!s.grouped && s.defaulted) return TPushButtonLook::Defaulted;
    return TPushButtonLook::Normal;
}

TThemedButton ThemedPushButton(TPushButtonLook look) {
    switch (look) {
        case TPushButtonLook::Disabled: return TThemedButton::PushButtonDisabled;
        case TPushButtonLook::Pressed: return TThemedButton::PushButtonPressed;
        case TPushButtonLook::Hot: return TThemedButton::PushButtonHot;
        case TPushButtonLook::Defaulted: return TThemedButton::PushButtonDefaulted;
        case TPushButtonLook::Normal: break;
    }
    return TThemedButton::PushButtonNormal;
}

uint8_t ComplementHue(uint8_t hue) { return static_cast<uint8_t>(hue < 120 ? hue + 120 : hue - 120); }

}  // namespace mw
