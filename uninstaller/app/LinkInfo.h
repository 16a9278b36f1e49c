#pragma once
// A shortcut as the log describes it ("Link Info: " line): seven fields separated by "|", each
// trimmed of spaces: target, working directory, icon file, icon index, show command, hot key,
// arguments.

#include <cstddef>

struct ShortcutInfo {
    enum { kPathSize = 260, kArgumentsSize = 1024 };
    char target[kPathSize];
    char workingDirectory[kPathSize];
    char iconFile[kPathSize];
    int iconIndex;
    int showCommand;   // the logged number's low three bits
    unsigned hotKey;   // virtual key in the low byte, modifiers in the next
    bool hasHotKey;    // only a hot key with a key in its low byte is set
    char arguments[kArgumentsSize];
};

// False when the text names no target or a field does not fit. Missing trailing fields are
// empty (numbers 0).
bool ParseLinkInfo(const char* text, ShortcutInfo* link);
