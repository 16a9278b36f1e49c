#pragma once
// Case-insensitive text handling for archive paths and list texts. Only the ASCII letters
// A..Z and a..z fold onto each other; every other byte, including 8-bit characters, compares as
// itself. Archive names are 8-bit text of unknown code page, so this is the one rule that gives
// the same answer everywhere.

#include <cstdint>
#include <string_view>

namespace quillon {

constexpr char FoldCase(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Negative, zero or positive as a sorts before, with or after b, byte by byte after folding.
int CompareIgnoringCase(std::string_view a, std::string_view b);

// A hash that is equal for texts that are EqualsIgnoringCase.
uint64_t HashIgnoringCase(std::string_view text);

}  // namespace quillon
