#pragma once
// The shell tree's keyboard commands, bound by their shortcut texts ("F2", "Ctrl+X", "Del"...).

namespace mw {

// Shift bits as the controls' key events report them.
constexpr unsigned kKeyShift = 1, kKeyAlt = 2, kKeyCtrl = 4;

enum class TShellTreeCommand { None, EditLabel, Refresh, Cut, Copy, Paste, Delete };

class TShellTreeShortcuts {
public:
    TShellTreeShortcuts();
    // The command of the key with those shift bits; Del also with Shift.
    TShellTreeCommand CommandOf(unsigned key, unsigned shift) const;

private:
    struct TBinding {
        unsigned shortCut;  // as TextToShortCut gives it
        TShellTreeCommand command;
    };
    TBinding bindings_[6];
};

}  // namespace mw
