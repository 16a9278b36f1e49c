// Input: one byte for the term's length, one for where the text is cut, then term and text.
// The matcher, fed the text in two chunks, must agree with a search of the whole text.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/archive/CaseFold.h"
#include "app/search/TermMatcher.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const size_t termLength = std::min<size_t>(data[0] % 16, size - 2);
    const uint8_t cut = data[1];
    const std::string term(reinterpret_cast<const char*>(data + 2), termLength);
    const std::string text(reinterpret_cast<const char*>(data + 2 + termLength), size - 2 - termLength);

    quillon::TTermMatcher matcher(term);
    const size_t first = std::min<size_t>(cut, text.size());
    matcher.Feed(reinterpret_cast<const uint8_t*>(text.data()), first);
    matcher.Feed(reinterpret_cast<const uint8_t*>(text.data()) + first, text.size() - first);

    const bool expected = std::search(text.begin(), text.end(), term.begin(), term.end(), [](char a, char b) {
                              return quillon::FoldCase(a) == quillon::FoldCase(b);
                          }) != text.end() || term.empty();
    if (matcher.Found() != expected) std::abort();
    return 0;
}
