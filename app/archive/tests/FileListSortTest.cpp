// The file list's sort order.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/archive/FileListSort.h"

namespace quillon::test {
namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(FileListSort, ComparesPaddedCaseInsensitiveTexts) {
    struct Case {
        const char* text1;
        const char* text2;
        int column;
        int tag;
        int expected;
    };
    const Case cases[] = {
        {"9", "10", 1, 1, -1},            // sizes compare as numbers once padded
        {"9", "10", 1, 0, 1},             // tag 0: descending
        {"9", "10", 0, 1, 1},             // captions are not padded
        {"abc", "ABD", 0, 1, -1},         // case-insensitive
        {"README.TXT", "readme.txt", 0, 1, 0},
        {"b.txt", "a.txt", 0, 0, -1},
        {"12345678901", "99", 3, 1, 1},   // longer than 10: left as it is
        {"", "5", 2, 1, -1},              // a missing sub-item sorts as zero
        {"0000000007", "7", 2, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text1) + " / " + c.text2);
        EXPECT_EQ(Sign(CompareFileListTexts(c.text1, c.text2, c.column, c.tag)), c.expected);
    }
}

TEST(FileListSort, SecondClickReversesTheOrder) {
    std::vector<std::string> sizes = {"100", "9", "10", "0"};
    int tag = 0;
    const auto click = [&] {
        tag = tag == 0 ? 1 : 0;
        std::sort(sizes.begin(), sizes.end(),
                  [&](const std::string& a, const std::string& b) { return CompareFileListTexts(a, b, 1, tag) < 0; });
    };
    click();
    EXPECT_EQ(sizes, (std::vector<std::string>{"0", "9", "10", "100"}));
    click();
    EXPECT_EQ(sizes, (std::vector<std::string>{"100", "10", "9", "0"}));
}

}  // namespace
}  // namespace quillon::test
