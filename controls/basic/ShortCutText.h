#pragma once
// Shortcuts written as text, as older form resources store them: modifiers "Shift+", "Ctrl+"
// and "Alt+" in any order and case, then a key name ("F4", "A", "Enter", "PgDn"...).

#include <string>

namespace mw {

// The modifier bits of a shortcut value, above its virtual key.
constexpr unsigned kShortCutShift = 0x2000, kShortCutCtrl = 0x4000, kShortCutAlt = 0x8000;

// The shortcut value (virtual key + the modifier bits), or 0 when the text names no key.
unsigned TextToShortCut(const std::string& text);

}  // namespace mw
