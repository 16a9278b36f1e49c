#include <gtest/gtest.h>

#include "app/search/NameSearch.h"

namespace quillon {
namespace {

TEST(NameSearch, ContainmentIgnoresTheCaseOfAsciiLettersOnly) {
    const struct {
        const char* text;
        const char* term;
        bool contained;
    } cases[] = {
        {"Objects/Tanks/Tiger.con", "tiger", true},
        {"objects/tanks/tiger.con", "TANKS/TI", true},
        {"objects/tanks/tiger.con", "tiger.con", true},  // at the very end
        {"objects/tanks/tiger.con", "OBJ", true},        // at the very start
        {"objects/tanks/tiger.con", "tiger.cons", false},
        {"tig", "tiger", false},                          // longer than the text
        {"levels/\xC9t\xE9.con", "\xC9T\xC9", false},     // 8-bit letters compare as themselves
        {"levels/\xC9t\xE9.con", "\xC9T\xE9", true},
        {"a/b[1].con", "[1]", true},                      // no character is special
    };
    for (const auto& c : cases)
        EXPECT_EQ(ContainsIgnoringCase(c.text, c.term), c.contained) << c.text << " / " << c.term;
}

TEST(NameSearch, ListsEveryMatchingStringInListOrderAddedFilesIncluded) {
    cl::TStringList entries;
    for (const char* s : {"menu/Init.con", "menu/logo.dds", "menu/*INIT.CON", "game/init.con.bak", "readme.txt"})
        entries.Add(s);
    EXPECT_EQ(FindNames(entries, "init.CON"), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(FindNames(entries, "*"), (std::vector<int>{2}));
    EXPECT_TRUE(FindNames(entries, "nothing").empty());
}

}  // namespace
}  // namespace quillon
