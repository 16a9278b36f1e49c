// Small rules of the shell utilities: the sorted search with duplicates, delimiters after
// double-byte text and the kilobyte size text.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/shell/DelimiterText.h"
#include "controls/shell/SizeText.h"
#include "controls/shell/SortedSearch.h"

namespace {

using mw::TMwDuplicates;

mw::TSortedSearchResult Search(const std::vector<int>& values, int key, TMwDuplicates duplicates) {
    return mw::FindSorted(static_cast<int>(values.size()), [&](int i) { return values[i] - key; }, duplicates);
}

TEST(SortedSearch, FindsEntriesAndPlaces) {
    const std::vector<int> values = {10, 20, 20, 20, 30};
    struct Case {
        int key;
        TMwDuplicates duplicates;
        bool found;
        int index;
    } cases[] = {
        {5, TMwDuplicates::dupIgnore, false, 0},
        {25, TMwDuplicates::dupIgnore, false, 4},
        {35, TMwDuplicates::dupIgnore, false, 5},
        {30, TMwDuplicates::dupError, true, 4},
        // Accepting duplicates: the first of the equal entries, so a new one goes in front.
        {20, TMwDuplicates::dupAccept, true, 1},
        {10, TMwDuplicates::dupAccept, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const mw::TSortedSearchResult result = Search(values, c.key, c.duplicates);
        EXPECT_EQ(result.found, c.found);
        EXPECT_EQ(result.index, c.index);
    }
    const mw::TSortedSearchResult equal = Search(values, 20, TMwDuplicates::dupIgnore);
    EXPECT_TRUE(equal.found);
    EXPECT_EQ(values[equal.index], 20);
    EXPECT_EQ(Search({}, 1, TMwDuplicates::dupIgnore).index, 0);
}

TEST(AppendDelimiter, AddsOnlyWhatIsMissing) {
    // 0x81 stands in for a lead byte: "\x81\\" is one double-byte character ending in '\'.
    const auto isLead = [](uint8_t byte) { return byte == 0x81; };
    struct Case {
        std::string text;
        std::string expected;
    } cases[] = {
        {"", ""},
        {"C:", "C:\\"},
        {"C:\\", "C:\\"},
        {"a\x81\\", "a\x81\\\\"},
        {"a\x81\\\\", "a\x81\\\\"},
        {"\x81", "\x81\\"},  // a lone lead byte at the end is a character of its own
    };
    for (const Case& c : cases) EXPECT_EQ(mw::AppendDelimiter(c.text, '\\', isLead), c.expected) << c.text;
}

TEST(SizeText, KilobytesRoundUpWithSeparators) {
    struct Case {
        uint64_t bytes;
        std::string text;
    } cases[] = {
        {0, "0KB"},
        {1, "1KB"},
        {1024, "1KB"},
        {1025, "2KB"},
        {1048576, "1,024KB"},
        {uint64_t(999999) * 1024 + 1, "1,000,000KB"},
    };
    for (const Case& c : cases) EXPECT_EQ(mw::FormatSizeKB(c.bytes, ","), c.text) << c.bytes;
    EXPECT_EQ(mw::FormatSizeKB(1048576, "."), "1.024KB");
}

}  // namespace
