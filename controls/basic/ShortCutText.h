#pragma once
// Shortcuts written as text, as older form resources store them: modifiers "Shift+", "Ctrl+"
// and "Alt+" in any order and case, then a key name ("F4", "A", "Enter", "PgDn"...).

#include <string>

namespace mw {

// The shortcut value (virtual key + 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt), or 0 when the text
// names no key.
unsigned TextToShortCut(const std::string& text);

}  // namespace mw
