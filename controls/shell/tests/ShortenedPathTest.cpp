// Shortening a path for the folder window's status line, with one width unit a character.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/shell/ShortenedPath.h"

namespace {

int Length(const std::string& text) { return static_cast<int>(text.size()); }

// Every distinct form the path takes as the width goes from its full length down to nothing.
std::vector<std::string> Narrowing(const std::string& path) {
    std::vector<std::string> forms;
    for (int width = Length(path); width >= 0; --width) {
        const std::string form = mw::MinimizePathName(path, Length, width);
        if (forms.empty() || forms.back() != form) forms.push_back(form);
    }
    return forms;
}

TEST(MinimizePathName, DropsFoldersFromTheFrontThenTheDriveButNeverTheLastName) {
    EXPECT_EQ(Narrowing("C:\\Windows\\System32\\drivers\\etc\\hosts"),
              (std::vector<std::string>{"C:\\Windows\\System32\\drivers\\etc\\hosts",
                                        "C:\\...\\System32\\drivers\\etc\\hosts", "C:\\...\\drivers\\etc\\hosts",
                                        "C:\\...\\etc\\hosts", "C:\\...\\hosts", "...\\hosts", "hosts"}));
    EXPECT_EQ(Narrowing("C:\\a"), (std::vector<std::string>{"C:\\a", "a"}));
    EXPECT_EQ(Narrowing("name"), (std::vector<std::string>{"name"}));
}

TEST(MinimizePathName, KeepsWhatFitsAndEndsOnOtherPathShapes) {
    struct Case {
        std::string path;
        int width;
        std::string expected;
    } cases[] = {
        {"C:\\Program Files\\Quillon", 100, "C:\\Program Files\\Quillon"},
        {"C:\\Program Files\\Quillon", 24, "C:\\Program Files\\Quillon"},  // exactly as wide
        {"C:\\", 0, ""},                                                     // a drive root has no last name
        {"\\\\server\\share\\dir\\file", 0, "file"},
        {"\\\\server\\share\\dir\\file", 16, "\\...\\dir\\file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path + " @" + std::to_string(c.width));
        EXPECT_EQ(mw::MinimizePathName(c.path, Length, c.width), c.expected);
    }
}

TEST(CutFirstFolder, RemovesOneFolderBehindThePlaceholder) {
    struct Case {
        std::string folders;
        std::string expected;
    } cases[] = {
        {"\\", ""},
        {"\\a\\b\\", "\\...\\b\\"},
        {"\\...\\b\\", "\\...\\"},
        {"...\\b\\", "...\\"},
        {"...\\", ""},
        {"a\\", "...\\"},
        {"\\.a\\b\\c\\", "\\...\\b\\c\\"},  // a dot folder is not the placeholder
        {"abc", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folders);
        EXPECT_EQ(mw::CutFirstFolder(c.folders), c.expected);
    }
}

}  // namespace
