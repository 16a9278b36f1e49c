#include "controls/foundation/TextChars.h"

#include <algorithm>

namespace mw {

char LastChar(const std::string& text) { return text.empty() ? '\0' : text.back(); }

int CountChar(char character, const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), character));
}

std::string CopyUpToNthChar(const std::string& text, int start, char character, int n) {
    const size_t from = static_cast<size_t>(std::max(start, 1) - 1);
    if (from >= text.size()) return {};
    size_t end = text.size();
    int seen = 0;
    for (size_t i = from; i < text.size(); ++i) {
        if (text[i] == character && ++seen == n) {
            end = i + 1;
            break;
        }
    }
    return text.substr(from, end - from);
}

}  // namespace mw
