#include "controls/basic/ComboSearchText.h"

#include <algorithm>

namespace mw {

namespace {

// The start of the character that ends at or spans position (walked from the text's start,
// as a trail byte cannot be told from a lead byte backwards).
size_t CharacterStartBefore(const std::string& text, size_t position, TIsLeadByte isLeadByte) {
    size_t start = 0;
    for (size_t i = 0; i < position;) {
        start = i;
        i += isLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
    }
    return start;
}

size_t CharacterEndAfter(const std::string& text, size_t position, TIsLeadByte isLeadByte) {
    if (position >= text.size()) return text.size();
    const size_t start = CharacterStartBefore(text, position + 1, isLeadByte);
    return std::min(text.size(), start + (isLeadByte(text[start]) ? 2 : 1));
}

std::string Erase(const std::string& text, size_t from, size_t to) {
    from = std::min(from, text.size());
    to = std::clamp(to, from, text.size());
    return text.substr(0, from) + text.substr(to);
}

}  // namespace

std::string TypeIntoSearch(const std::string& search, size_t start, size_t end, const std::string& typed) {
    const std::string rest = Erase(search, start, end);
    const size_t at = std::min(start, rest.size());
    return rest.substr(0, at) + typed + rest.substr(at);
}

std::string BackspaceInSearch(const std::string& search, size_t start, size_t end, TIsLeadByte isLeadByte) {
    const size_t from = std::min(start, search.size()), to = std::min(end, search.size());
    if (from < to) return Erase(search, from, to);
    if (from == 0) return search;
    return Erase(search, CharacterStartBefore(search, from, isLeadByte), from);
}

std::string DeleteInSearch(const std::string& search, size_t start, size_t end, TIsLeadByte isLeadByte) {
    if (start >= search.size()) return search;
    return Erase(search, start, std::max(end, CharacterEndAfter(search, start, isLeadByte)));
}

std::string WithoutLastCharacter(const std::string& text, TIsLeadByte isLeadByte) {
    return text.empty() ? text : text.substr(0, CharacterStartBefore(text, text.size(), isLeadByte));
}

}  // namespace mw
