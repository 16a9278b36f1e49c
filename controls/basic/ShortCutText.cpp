#include "controls/basic/ShortCutText.h"

#include <cctype>

#include "classlib/core/TextUtils.h"

namespace mw {

namespace {

struct TKeyName {
    const char* name;
    unsigned key;
};

// Virtual-key codes of the named keys.
constexpr TKeyName kKeyNames[] = {
    {"BkSp", 0x08}, {"Tab", 0x09},    {"Enter", 0x0D}, {"Esc", 0x1B},  {"Space", 0x20}, {"PgUp", 0x21},
    {"PgDn", 0x22}, {"End", 0x23},    {"Home", 0x24},  {"Left", 0x25}, {"Up", 0x26},    {"Right", 0x27},
    {"Down", 0x28}, {"Ins", 0x2D},    {"Del", 0x2E},
};

constexpr struct {
    const char* prefix;
    unsigned flag;
} kModifiers[] = {{"Shift+", kShortCutShift}, {"Ctrl+", kShortCutCtrl}, {"Alt+", kShortCutAlt}};

unsigned KeyFromName(const std::string& name) {
    if (name.size() == 1) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<unsigned>(c);
        return 0;
    }
    for (const TKeyName& key : kKeyNames)
        if (cl::SameText(name, key.name)) return key.key;
    if (name.size() <= 3 && (name[0] == 'F' || name[0] == 'f')) {
        const std::string digits = name.substr(1);
        if (digits.find_first_not_of("0123456789") != std::string::npos) return 0;
        const int n = std::stoi(digits);
        if (n >= 1 && n <= 24) return 0x70 + static_cast<unsigned>(n) - 1;  // VK_F1 onwards
    }
    return 0;
}

}  // namespace

unsigned TextToShortCut(const std::string& text) {
    unsigned modifiers = 0;
    std::string rest = text;
    for (bool found = true; found;) {
        found = false;
        for (const auto& modifier : kModifiers) {
            const std::string prefix = modifier.prefix;
            if (rest.size() > prefix.size() && cl::SameText(rest.substr(0, prefix.size()), prefix)) {
                modifiers |= modifier.flag;
                rest.erase(0, prefix.size());
                found = true;
            }
        }
    }
    const unsigned key = rest.empty() ? 0 : KeyFromName(rest);
    return key ? key | modifiers : 0;
}

}  // namespace mw
