#pragma once
// Keyboard choice in the Send To sub-menu: a typed letter picks the next entry that starts
// with it, and runs it when no other entry shares the letter.

#include <string>
#include <vector>

namespace mw {

enum class TMenuCharAction { Close, Select, Execute };

struct TMenuCharResult {
    TMenuCharAction action = TMenuCharAction::Close;
    int index = -1;  // the entry for Select and Execute
};

// The entries' display names in menu order, the highlighted entry (-1: none) and the typed
// character. Letters are compared without regard to case; the search starts after the
// highlighted entry and wraps round to the first.
TMenuCharResult SendToMenuChar(const std::vector<std::string>& names, int highlighted, char typed);

// The name as the menu shows it: without the extension (the part from the last dot of the
// file part).
std::string SendToDisplayName(const std::string& fileName);

}  // namespace mw
