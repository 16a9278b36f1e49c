#include "app/search/TermMatcher.h"

#include "app/archive/CaseFold.h"

namespace quillon {

TTermMatcher::TTermMatcher(const std::string& term) : term_(term), fallback_(term.size() + 1, 0) {
    for (char& c : term_) c = FoldCase(c);
    // Knuth-Morris-Pratt: after a mismatch the text is not read again, so a chunk boundary
    // costs nothing and every byte is looked at a bounded number of times.
    for (size_t length = 2; length <= term_.size(); ++length) {
        size_t border = fallback_[length - 1];
        while (border > 0 && term_[border] != term_[length - 1]) border = fallback_[border];
        if (term_[border] == term_[length - 1]) ++border;
        fallback_[length] = border;
    }
}

void TTermMatcher::Feed(const uint8_t* bytes, size_t count) {
    for (size_t i = 0; i < count && !Found(); ++i) {
        const char c = FoldCase(static_cast<char>(bytes[i]));
        while (matched_ > 0 && term_[matched_] != c) matched_ = fallback_[matched_];
        if (term_[matched_] == c) ++matched_;
    }
}

}  // namespace quillon
