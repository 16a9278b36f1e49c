#pragma once
// The shell tree's keyboard commands and the texts they are written as ("F2", "Ctrl+X",
// "Del"...), turned into virtual-key codes and shift states.

#include <cstdint>
#include <string>

namespace mw {

// Shift bits as the controls' key events report them.
constexpr unsigned kShortcutShift = 1, kShortcutAlt = 2, kShortcutCtrl = 4;

struct TShortcut {
    unsigned key = 0;  // virtual-key code; 0: not a shortcut
    unsigned shift = 0;
    bool operator==(const TShortcut& other) const { return key == other.key && shift == other.shift; }
};

// "Shift+", "Ctrl+" (also "^") and "Alt+" in any order, then a key: a letter or digit, "F1" to
// "F24", or a name ("BkSp", "Tab", "Enter", "Esc", "Space", "PgUp", "PgDn", "End", "Home",
// "Left", "Up", "Right", "Down", "Ins", "Del"), all without regard to case. Anything else is
// no shortcut.
TShortcut TextToShortcut(const std::string& text);

enum class TShellTreeCommand { None, EditLabel, Refresh, Cut, Copy, Paste, Delete };

class TShellTreeShortcuts {
public:
    TShellTreeShortcuts();
    // The command of the key with those shift bits; Del also with Shift.
    TShellTreeCommand CommandOf(unsigned key, unsigned shift) const;

private:
    struct TBinding {
        TShortcut shortcut;
        TShellTreeCommand command;
    };
    TBinding bindings_[6];
};

}  // namespace mw
