#pragma once
// Helpers to write compressed segments by hand, token by token, in the tests.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/archive/tests/TestFiles.h"

namespace quillon::test {

using Bytes = std::vector<uint8_t>;

inline Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

inline Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

// The opening literal run's count byte(s) for n literals (1..238: 17 + n; more: 0 + extension).
inline Bytes FirstRun(size_t n) {
    if (n <= 238) return {uint8_t(17 + n)};
    Bytes header = {0};
    size_t rest = n - 18;
    for (; rest > 255; rest -= 255) header.push_back(0);
    header.push_back(uint8_t(rest));
    return header;
}

// A segment that is n pattern literals (from pattern position start) and nothing else.
inline Bytes LiteralSegment(size_t n, size_t start = 0) { return Cat({FirstRun(n), Pattern(n, start), {17, 0, 0}}); }

inline const Bytes kEndMarker = {17, 0, 0};

}  // namespace quillon::test
