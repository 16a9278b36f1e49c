#pragma once
// Finds a term in text that arrives in chunks, without keeping the text: the bytes of a decoded
// entry go through it as they are written. Letters compare without case (A..Z and a..z only,
// as everywhere in archive texts); a match may span any number of chunks.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

class TTermMatcher {
public:
    // An empty term is found at once.
    explicit TTermMatcher(const std::string& term);

    // Looks through the next bytes of the text; nothing more is read once the term is found.
    void Feed(const uint8_t* bytes, size_t count);
    bool Found() const { return matched_ == term_.size(); }

private:
    // Knuth-Morris-Pratt from `matched` term bytes on: the term bytes matched at the end of the
    // bytes (the whole term once it is found).
    size_t Advance(size_t matched, const uint8_t* bytes, size_t count) const;
    // Whether the term lies wholly within the bytes.
    bool Contains(const uint8_t* bytes, size_t count) const;

    std::string term_;              // folded
    std::vector<size_t> fallback_;  // per matched length, the longest proper border of that prefix
    uint8_t shift_[256] = {};       // per text byte ending a window, how far the next window may start on
    size_t matched_ = 0;            // term bytes matched at the end of the text so far
};

}  // namespace quillon
