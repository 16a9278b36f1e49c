#include "controls/shell/DelimiterText.h"

namespace mw {

bool EndsInDoubleByteCharacter(const std::string& text, const TLeadBytePredicate& isLeadByte) {
    // Only a walk from the start tells lead bytes from trail bytes.
    size_t i = 0;
    while (i < text.size()) {
        const size_t width = isLeadByte(static_cast<uint8_t>(text[i])) && i + 1 < text.size() ? 2 : 1;
        if (i + width == text.size()) return width == 2;
        i += width;
    }
    return false;
}

std::string AppendDelimiter(const std::string& text, char delimiter, const TLeadBytePredicate& isLeadByte) {
    if (text.empty()) return text;
    if (text.back() == delimiter && !EndsInDoubleByteCharacter(text, isLeadByte)) return text;
    return text + delimiter;
}

}  // namespace mw
