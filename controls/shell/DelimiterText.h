#pragma once
// Appending a delimiter (a path's "\", say) to ANSI text that may hold double-byte characters.

#include <cstdint>
#include <functional>
#include <string>

namespace mw {

using TLeadBytePredicate = std::function<bool(uint8_t byte)>;

// True when the text's last byte is the second byte of a double-byte character.
bool EndsInDoubleByteCharacter(const std::string& text, const TLeadBytePredicate& isLeadByte);

// Appends the delimiter unless the text already ends with it; empty text stays empty. When the
// last byte belongs to a double-byte character it may equal the delimiter without being one,
// so the delimiter is appended.
std::string AppendDelimiter(const std::string& text, char delimiter, const TLeadBytePredicate& isLeadByte);

}  // namespace mw
