// Character counting and copying up to the n-th occurrence.

#include <gtest/gtest.h>

#include "controls/foundation/TextChars.h"

namespace {

TEST(TextCharsTest, CopiesUpToAndIncludingTheNthOccurrenceFromTheStart) {
    struct Case {
        std::string text;
        int start;
        int n;
        std::string expected;
    };
    const Case cases[] = {
        {"a/b/c/d", 1, 2, "a/b/"},
        {"a/b/c/d", 3, 1, "b/"},     // counted from the start position
        {"a/b/c/d", 1, 9, "a/b/c/d"},  // fewer occurrences: the rest of the text
        {"a/b", 9, 1, ""},           // a start past the end
        {"", 1, 1, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(mw::CopyUpToNthChar(c.text, c.start, '/', c.n), c.expected) << c.text;
    EXPECT_EQ(mw::CountChar('/', "a/b/c"), 2);
    EXPECT_EQ(mw::LastChar("abc"), 'c');
    EXPECT_EQ(mw::LastChar(""), '\0');
}

}  // namespace
