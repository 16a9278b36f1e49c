#include "utils/UtPathSeparators.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

constexpr unsigned kWesternCodePage = 1252;
constexpr unsigned kShiftJis = 932;  // 0x83 0x5C is one character whose second byte is "\"

struct SeparatorCase {
    const char* path;
    unsigned codePage;
    const char* added;
    const char* removed;
};

void PrintTo(const SeparatorCase& c, std::ostream* out) {
    *out << '"' << c.path << "\" in code page " << c.codePage;
}

class TrailingBackslash : public testing::TestWithParam<SeparatorCase> {};

TEST_P(TrailingBackslash, AddAndRemove) {
    const SeparatorCase& c = GetParam();
    EXPECT_EQ(ut::AddTrailingBackslash(c.path, c.codePage), c.added);
    EXPECT_EQ(ut::RemoveTrailingBackslash(c.path, c.codePage), c.removed);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, TrailingBackslash,
    testing::Values(SeparatorCase{"", kWesternCodePage, "\\", ""},
                    SeparatorCase{"\\", kWesternCodePage, "\\", ""},
                    SeparatorCase{"C:", kWesternCodePage, "C:\\", "C:"},
                    SeparatorCase{"C:\\", kWesternCodePage, "C:\\", "C:"},
                    SeparatorCase{"C:\\dir", kWesternCodePage, "C:\\dir\\", "C:\\dir"},
                    SeparatorCase{"C:\\dir\\\\", kWesternCodePage, "C:\\dir\\\\", "C:\\dir\\"},
                    // The same bytes: a character ending in 0x5C in Shift-JIS, "\x83" and "\" in 1252.
                    SeparatorCase{"C:\\\x83\x5C", kShiftJis, "C:\\\x83\x5C\\", "C:\\\x83\x5C"},
                    SeparatorCase{"C:\\\x83\x5C", kWesternCodePage, "C:\\\x83\x5C", "C:\\\x83"},
                    SeparatorCase{"C:\\\x83\x5C\\", kShiftJis, "C:\\\x83\x5C\\", "C:\\\x83\x5C"},
                    // A lone lead byte at the end is a character of its own.
                    SeparatorCase{"C:\\\x83", kShiftJis, "C:\\\x83\\", "C:\\\x83"}));

TEST(FolderPartOfPath, StopsAtTheLastRealSeparator) {
    EXPECT_EQ(ut::FolderPartOfPath("C:\\dir\\file.txt", kWesternCodePage), "C:\\dir\\");
    EXPECT_EQ(ut::FolderPartOfPath("C:file.txt", kWesternCodePage), "C:");
    EXPECT_EQ(ut::FolderPartOfPath("file.txt", kWesternCodePage), "");
    EXPECT_EQ(ut::FolderPartOfPath("C:\\dir\\\x83\x5Cname", kShiftJis), "C:\\dir\\");
    EXPECT_EQ(ut::FolderPartOfPath("C:\\dir\\\x83\x5Cname", kWesternCodePage), "C:\\dir\\\x83\x5C");
}

}  // namespace
