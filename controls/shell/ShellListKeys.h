#pragma once
// The keys the shell list handles itself, and what each does.

#include <cstdint>

namespace mw {

enum class TShellListKeyCommand { None, GoUp, Open, Edit, Refresh, SelectAll, Copy, Cut, Paste, Delete };

struct TKeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// Backspace goes up, Enter opens, F2 edits, F5 refreshes, Ctrl+A selects all, Ctrl+C, Ctrl+X
// and Ctrl+V copy, cut and paste, Del and Shift+Del delete. key is a virtual-key code.
TShellListKeyCommand ShellListKeyCommand(uint16_t key, TKeyModifiers modifiers);

}  // namespace mw
