#include <gtest/gtest.h>

#include <string>

#include "app/search/TermMatcher.h"

namespace quillon {
namespace {

bool FoundWhole(const std::string& term, const std::string& text) {
    TTermMatcher matcher(term);
    matcher.Feed(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    return matcher.Found();
}

// The same answer however the text is cut into two or three chunks.
void ExpectSameForEverySplit(const std::string& term, const std::string& text, bool expected) {
    for (size_t a = 0; a <= text.size(); ++a) {
        for (size_t b = a; b <= text.size(); ++b) {
            TTermMatcher matcher(term);
            const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
            matcher.Feed(bytes, a);
            matcher.Feed(bytes + a, b - a);
            matcher.Feed(bytes + b, text.size() - b);
            ASSERT_EQ(matcher.Found(), expected) << term << " in " << text << " cut at " << a << ", " << b;
        }
    }
}

TEST(TermMatcher, FindsTheTermWhereverTheChunksAreCut) {
    const struct {
        const char* term;
        const char* text;
        bool found;
    } cases[] = {
        {"Tiger", "vehicle = TIGER;", true},
        {"aab", "aaab", true},         // a false start that overlaps the match
        {"abab", "abaabab", true},
        {"abab", "ababa", true},
        {"abac", "ababac", true},
        {"abcabd", "abcabcabd", true},  // falls back to a border, not to the start
        {"abcabd", "abcabcab", false},
        {"xyz", "xy", false},
        {"ab", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FoundWhole(c.term, c.text), c.found) << c.term << " in " << c.text;
        ExpectSameForEverySplit(c.term, c.text, c.found);
    }
}

TEST(TermMatcher, ReadsZeroBytesAndEightBitBytesAsText) {
    EXPECT_TRUE(FoundWhole("after", std::string("before\0AFTER", 12)));
    EXPECT_TRUE(FoundWhole(std::string("a\0b", 3), std::string("xA\0By", 5)));
    EXPECT_FALSE(FoundWhole("\xE9t\xE9", "\xC9T\xC9"));
}

TEST(TermMatcher, AnEmptyTermIsFoundAtOnce) {
    TTermMatcher matcher("");
    EXPECT_TRUE(matcher.Found());
    matcher.Feed(reinterpret_cast<const uint8_t*>("x"), 1);
    EXPECT_TRUE(matcher.Found());
}

}  // namespace
}  // namespace quillon
