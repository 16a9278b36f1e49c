#include "controls/shell/SendToMenuChar.h"

#include <cctype>

namespace mw {

namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool StartsWith(const std::string& name, char upperLetter) { return !name.empty() && Upper(name[0]) == upperLetter; }

}  // namespace

TMenuCharResult SendToMenuChar(const std::vector<std::string>& names, int highlighted, char typed) {
    const char letter = Upper(typed);
    const int count = static_cast<int>(names.size());
    if (highlighted < -1 || highlighted >= count) highlighted = -1;
    int found = -1;
    int sharing = 0;
    for (int step = 1; step <= count; ++step) {
        const int index = (highlighted + step) % count;
        if (!StartsWith(names[index], letter)) continue;
        if (found < 0) found = index;
        ++sharing;
    }
    if (found < 0) return {};
    return {sharing == 1 ? TMenuCharAction::Execute : TMenuCharAction::Select, found};
}

std::string SendToDisplayName(const std::string& fileName) {
    const size_t dot = fileName.find_last_of('.');
    const size_t separator = fileName.find_last_of("\\/");
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator)) return fileName;
    return fileName.substr(0, dot);
}

}  // namespace mw
