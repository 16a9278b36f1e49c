#pragma once
// How the editable combo box's typed text (the part of the edit's text that auto-completion
// completes) follows the keys that change the edit: a character typed over the selection,
// Backspace and Delete. Positions are byte offsets into the edit's text; a double-byte
// character is never split.

#include <cstddef>
#include <string>

namespace mw {

// Whether a byte begins a double-byte character in the text's code page.
using TIsLeadByte = bool (*)(char byte);

// The typed text with the part of the selection [start, end) that lies in it removed and the
// typed characters put at the caret (at most at its end).
std::string TypeIntoSearch(const std::string& search, size_t start, size_t end, const std::string& typed);

// After Backspace: the selected part of the typed text removed or, when the selection holds
// none of it (a caret, or the completed rest of an item), the character before it.
std::string BackspaceInSearch(const std::string& search, size_t start, size_t end, TIsLeadByte isLeadByte);

// After Delete: the selection removed, at least the character at the caret.
std::string DeleteInSearch(const std::string& search, size_t start, size_t end, TIsLeadByte isLeadByte);

// The last character removed (both bytes of a double-byte one).
std::string WithoutLastCharacter(const std::string& text, TIsLeadByte isLeadByte);

}  // namespace mw
