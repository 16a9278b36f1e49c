#include "app/archive/CaseFold.h"

namespace quillon {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

int CompareIgnoringCase(std::string_view a, std::string_view b) {
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i) {
        const unsigned char x = static_cast<unsigned char>(FoldCase(a[i]));
        const unsigned char y = static_cast<unsigned char>(FoldCase(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

uint64_t HashIgnoringCase(std::string_view text) {
    // FNV-1a over the folded bytes.
    uint64_t hash = 14695981039346656037ull;
    for (char c : text) {
        hash ^= static_cast<unsigned char>(FoldCase(c));
        hash *= 1099511628211ull;
    }
    return hash;
}

}  // namespace quillon
