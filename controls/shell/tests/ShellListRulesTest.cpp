// The shell list's platform-free rules: file-name masks and filters, the column widths from
// "DirectoryCols" and those remembered between folders, and the keys the list handles.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "controls/shell/FileFilter.h"
#include "controls/shell/ShellListColumns.h"
#include "controls/shell/ShellListKeys.h"

namespace {

TEST(FileMask, MatchesWholeNamesWithWildcards) {
    struct Case {
        const char* mask;
        const char* name;
        bool matches;
    } cases[] = {
        {"*.txt", "readme.txt", true},
        {"*.txt", "README.TXT", true},
        {"*.txt", "readme.txt.bak", false},
        {"*.htm", "page.html", false},  // no short-name surprises
        {"*.*", "Makefile", true},
        {"*", "", true},
        {"a?c", "abc", true},
        {"a?c", "ac", false},
        {"a*c", "ac", true},
        {"a*c", "abcbd", false},
        {"a*b*c", "aXbYbZc", true},
        {"*b", "ab", true},
        {"?", "", false},
        {"data.rfa", "DATA.RFA", true},
        {"data.rfa", "data.rf", false},
    };
    for (const Case& c : cases) EXPECT_EQ(mw::MaskMatches(c.mask, c.name), c.matches) << c.mask << " / " << c.name;
}

TEST(FileFilter, SplitsMasksAndLetsEverythingThroughWhenInactive) {
    struct Case {
        const char* text;
        bool active;
        std::vector<std::string> masks;
    } cases[] = {
        {"", false, {}},
        {"  ", false, {}},
        {"*", false, {"*"}},
        {"*.*", false, {"*.*"}},
        {"*.txt;*.*", false, {"*.txt", "*.*"}},
        {"*.txt", true, {"*.txt"}},
        {" *.txt ; *.log,,a? ", true, {"*.txt", "*.log", "a?"}},
    };
    for (const Case& c : cases) {
        const mw::TFileFilter filter(c.text);
        EXPECT_EQ(filter.Active(), c.active) << c.text;
        EXPECT_EQ(filter.Masks(), c.masks) << c.text;
    }
    const mw::TFileFilter filter("*.txt;*.log");
    EXPECT_TRUE(filter.Matches("a.TXT"));
    EXPECT_TRUE(filter.Matches("b.log"));
    EXPECT_FALSE(filter.Matches("c.dat"));
    EXPECT_TRUE(mw::TFileFilter("*").Matches("c.dat"));
}

TEST(DirectoryCols, WidthsFromTheValueOverTheDefaults) {
    struct Case {
        std::vector<uint8_t> value;
        std::vector<int> widths;
    } cases[] = {
        {{}, {200, 60, 100, 120}},
        {{44, 1, 80, 0, 90, 0, 100, 0}, {300, 80, 90, 100}},
        {{10, 0}, {10, 60, 100, 120}},  // a short value keeps the later defaults
        {std::vector<uint8_t>(30, 1), {257, 257, 257, 257}},
    };
    for (const Case& c : cases) EXPECT_EQ(mw::DirectoryColsWidths(c.value), c.widths);
}

TEST(ColumnWidthMemory, SavedWidthsReturnForTheSameValueOnly) {
    mw::TColumnWidthMemory memory;
    const std::vector<uint8_t> value = {100, 0, 50, 0, 60, 0, 70, 0};
    // Nothing saved and no value read before: the value's widths.
    EXPECT_EQ(memory.OwnColumnWidths(value), (std::vector<int>{100, 50, 60, 70}));
    memory.Save({111, 22});
    // The same value again: the saved widths win where there are some.
    EXPECT_EQ(memory.OwnColumnWidths(value), (std::vector<int>{111, 22, 60, 70}));
    // The user changed the value meanwhile: it wins.
    EXPECT_EQ(memory.OwnColumnWidths({1, 0}), (std::vector<int>{1, 60, 100, 120}));
    // At most as many saved widths as columns.
    memory.Save({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(memory.SavedFor(4), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(memory.SavedFor(8).size(), 6u);
}

TEST(ShellListKeys, MapsKeysWithTheirModifiers) {
    using K = mw::TShellListKeyCommand;
    const mw::TKeyModifiers none, shift{true, false, false}, ctrl{false, true, false}, alt{false, false, true};
    struct Case {
        uint16_t key;
        mw::TKeyModifiers modifiers;
        K command;
    } cases[] = {
        {0x08, none, K::GoUp},    {0x08, ctrl, K::None},   {0x0D, none, K::Open},   {0x0D, alt, K::None},
        {0x71, none, K::Edit},    {0x74, none, K::Refresh}, {'A', ctrl, K::SelectAll}, {'A', none, K::None},
        {'C', ctrl, K::Copy},     {'X', ctrl, K::Cut},     {'V', ctrl, K::Paste},   {'V', shift, K::None},
        {0x2E, none, K::Delete},  {0x2E, shift, K::Delete}, {0x2E, ctrl, K::None},   {'Q', ctrl, K::None},
    };
    for (const Case& c : cases) EXPECT_EQ(mw::ShellListKeyCommand(c.key, c.modifiers), c.command) << c.key;
}

}  // namespace
