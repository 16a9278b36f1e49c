#include <gtest/gtest.h>

#include "classlib/core/FileDialogText.h"

namespace {

using namespace std::string_literals;

TEST(FileDialogText, FilterBecomesNullSeparatedPairsEndedByTwoNulls) {
    const struct {
        std::string filter;
        std::string expected;
    } cases[] = {
        {"A|*.a|B|*.*", "A\0*.a\0B\0*.*\0\0"s},
        {"Text and INI|*.txt;*.ini", "Text and INI\0*.txt;*.ini\0\0"s},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(cl::FileDialogFilter(c.filter), c.expected) << c.filter;
}

TEST(FileDialogText, ResultBecomesFullPathsInTheDialogsOrder) {
    const struct {
        std::string buffer;
        std::vector<std::string> expected;
    } cases[] = {
        // One file: a full path, whether or not several could have been chosen.
        {"C:\\dir\\one.txt\0\0"s, {"C:\\dir\\one.txt"}},
        // Several: the folder, then the names in the order the dialog gives them.
        {"C:\\dir\0b.txt\0a.txt\0\0"s, {"C:\\dir\\b.txt", "C:\\dir\\a.txt"}},
        {"C:\\\0a.txt\0b\0\0"s, {"C:\\a.txt", "C:\\b"}},
        {"C:\\dir\0D:\\other\\x.txt\0\\\\server\\share\\y\0z\0\0"s,
         {"D:\\other\\x.txt", "\\\\server\\share\\y", "C:\\dir\\z"}},
        // What follows the two nulls is stale buffer contents.
        {"C:\\dir\0a\0\0stale\0name\0\0"s + std::string(100, '\0'), {"C:\\dir\\a"}},
        // A full buffer without the final nulls still yields what it holds.
        {"C:\\dir\0a\0b"s, {"C:\\dir\\a", "C:\\dir\\b"}},
        {std::string(16, '\0'), {}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(cl::ParseFileDialogResult(c.buffer), c.expected);
}

}  // namespace
