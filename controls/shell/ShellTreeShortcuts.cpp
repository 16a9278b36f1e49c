#include "controls/shell/ShellTreeShortcuts.h"

#include <cctype>
#include <cstdlib>

namespace mw {

namespace {

struct TKeyName {
    const char* name;
    unsigned key;
};

// Virtual-key codes of the named keys.
constexpr TKeyName kKeyNames[] = {
    {"BKSP", 0x08}, {"TAB", 0x09}, {"ENTER", 0x0D}, {"ESC", 0x1B},  {"SPACE", 0x20}, {"PGUP", 0x21},
    {"PGDN", 0x22}, {"END", 0x23}, {"HOME", 0x24},  {"LEFT", 0x25}, {"UP", 0x26},    {"RIGHT", 0x27},
    {"DOWN", 0x28}, {"INS", 0x2D}, {"DEL", 0x2E},
};
constexpr unsigned kF1 = 0x70;

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool TakePrefix(std::string& text, const char* prefix) {
    const std::string p(prefix);
    if (text.compare(0, p.size(), p) != 0) return false;
    text.erase(0, p.size());
    return true;
}

unsigned KeyOf(const std::string& name) {
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) return static_cast<unsigned char>(name[0]);
    for (const TKeyName& k : kKeyNames)
        if (name == k.name) return k.key;
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
        for (size_t i = 1; i < name.size(); ++i)
            if (!std::isdigit(static_cast<unsigned char>(name[i]))) return 0;
        const int number = std::atoi(name.c_str() + 1);
        if (number >= 1 && number <= 24 && name[1] != '0') return kF1 + static_cast<unsigned>(number - 1);
    }
    return 0;
}

}  // namespace

TShortcut TextToShortcut(const std::string& text) {
    std::string rest = Upper(text);
    TShortcut result;
    for (bool more = true; more;) {
        more = false;
        if (TakePrefix(rest, "SHIFT+")) result.shift |= kShortcutShift, more = true;
        else if (TakePrefix(rest, "CTRL+") || TakePrefix(rest, "^")) result.shift |= kShortcutCtrl, more = true;
        else if (TakePrefix(rest, "ALT+")) result.shift |= kShortcutAlt, more = true;
    }
    result.key = KeyOf(rest);
    if (result.key == 0) result.shift = 0;
    return result;
}

TShellTreeShortcuts::TShellTreeShortcuts()
    : bindings_{{TextToShortcut("F2"), TShellTreeCommand::EditLabel},  {TextToShortcut("F5"), TShellTreeCommand::Refresh},
                {TextToShortcut("Ctrl+X"), TShellTreeCommand::Cut},    {TextToShortcut("Ctrl+C"), TShellTreeCommand::Copy},
                {TextToShortcut("Ctrl+V"), TShellTreeCommand::Paste},  {TextToShortcut("Del"), TShellTreeCommand::Delete}} {}

TShellTreeCommand TShellTreeShortcuts::CommandOf(unsigned key, unsigned shift) const {
    if (key == 0) return TShellTreeCommand::None;
    const unsigned modifiers = shift & (kShortcutShift | kShortcutAlt | kShortcutCtrl);
    for (const TBinding& b : bindings_) {
        if (b.shortcut.key != key) continue;
        if (b.shortcut.shift == modifiers) return b.command;
        // Shift+Del deletes too (the shell then skips the recycle bin).
        if (b.command == TShellTreeCommand::Delete && modifiers == (b.shortcut.shift | kShortcutShift)) return b.command;
    }
    return TShellTreeCommand::None;
}

}  // namespace mw
