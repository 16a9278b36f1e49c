#include "app/search/TermMatcher.h"

#include <algorithm>

#include "app/archive/CaseFold.h"

namespace quillon {

namespace {

char Folded(uint8_t byte) { return FoldCase(static_cast<char>(byte)); }

}  // namespace

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
    // Horspool: a window whose last byte is not in the term (but for its last place) can move
    // on by the term's length, most text is never looked at. Larger shifts are cut to 255,
    // which only costs speed.
    const size_t last = term_.empty() ? 0 : term_.size() - 1;
    for (unsigned byte = 0; byte < 256; ++byte) {
        size_t shift = term_.size();
        for (size_t i = 0; i < last; ++i)
            if (term_[i] == Folded(uint8_t(byte))) shift = last - i;
        shift_[byte] = uint8_t(std::min<size_t>(shift, 255));
    }
}

void TTermMatcher::Feed(const uint8_t* bytes, size_t count) {
    if (Found()) return;
    const size_t overlap = term_.size() - 1;  // a match shared with other chunks has at most this here
    if (count <= 2 * overlap) {
        matched_ = Advance(matched_, bytes, count);
        return;
    }
    // A match begun in the chunks before ends within the first bytes.
    if (matched_ > 0 && Advance(matched_, bytes, overlap) == term_.size()) {
        matched_ = term_.size();
        return;
    }
    if (Contains(bytes, count)) {
        matched_ = term_.size();
        return;
    }
    // What the next chunks could complete starts within the last bytes.
    matched_ = Advance(0, bytes + count - overlap, overlap);
}

size_t TTermMatcher::Advance(size_t matched, const uint8_t* bytes, size_t count) const {
    for (size_t i = 0; i < count && matched < term_.size(); ++i) {
        const char c = Folded(bytes[i]);
        while (matched > 0 && term_[matched] != c) matched = fallback_[matched];
        if (term_[matched] == c) ++matched;
    }
    return matched;
}

bool TTermMatcher::Contains(const uint8_t* bytes, size_t count) const {
    const size_t last = term_.size() - 1;
    // Text that makes windows agree almost to their start over and over (a term "ab...b" in
    // "bbb...") would cost the term's length per byte: once the comparisons pass the text's
    // length, the rest is searched byte by byte.
    size_t budget = count;
    for (size_t at = 0; count - at > last;) {
        const uint8_t end = bytes[at + last];
        if (Folded(end) == term_[last]) {
            size_t agreed = 0;
            while (agreed < last && Folded(bytes[at + last - 1 - agreed]) == term_[last - 1 - agreed]) ++agreed;
            if (agreed == last) return true;
            if (agreed > budget) return Advance(0, bytes + at, count - at) == term_.size();
            budget -= agreed;
        }
        at += shift_[end];
    }
    return false;
}

}  // namespace quillon
