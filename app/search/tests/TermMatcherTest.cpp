#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "app/archive/CaseFold.h"
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

// Long texts over a small alphabet, where windows agree in part again and again, in chunks of
// every size from one byte to the whole text: the answer is that of a plain search.
TEST(TermMatcher, AgreesWithAPlainSearchOverLongTextsInChunksOfAnySize) {
    std::mt19937 random(1942);
    const std::string alphabet = "abAB";
    const auto pick = [&](size_t length) {
        std::string text;
        for (size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        return text;
    };
    const auto plainSearch = [](const std::string& term, const std::string& text) {
        return std::search(text.begin(), text.end(), term.begin(), term.end(),
                           [](char a, char b) { return FoldCase(a) == FoldCase(b); }) != text.end();
    };
    const std::string longRun(300, 'b');
    const struct {
        std::string term;
        std::string text;
    } fixed[] = {
        {"a" + std::string(40, 'b'), longRun},   // every window agrees but for its first byte
        {"a" + std::string(40, 'b'), longRun + "A" + longRun},
        {std::string(20, 'b') + "a", longRun + "a"},
    };
    for (int round = 0; round < 300; ++round) {
        const bool fromFixed = round < int(std::size(fixed));
        const std::string term = fromFixed ? fixed[round].term : pick(1 + random() % 7);
        const std::string text = fromFixed ? fixed[round].text : pick(random() % 400);
        const bool expected = plainSearch(term, text);
        for (size_t chunk : {size_t(1), size_t(2), size_t(3), size_t(7), size_t(16), size_t(61), text.size()}) {
            TTermMatcher matcher(term);
            const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
            for (size_t start = 0; start < text.size(); start += chunk)
                matcher.Feed(bytes + start, std::min(chunk, text.size() - start));
            ASSERT_EQ(matcher.Found(), expected) << term << " in " << text << ", chunks of " << chunk;
        }
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
