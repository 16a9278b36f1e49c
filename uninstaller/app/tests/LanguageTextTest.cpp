#include "uninstaller/app/LanguageText.h"
#include "uninstaller/app/tests/StringTableFile.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(LanguageText, Unescaping)
{
    const struct {
        const char* text;
        size_t size;
        const char* expected;
    } cases[] = {
        {"Line one|Line two", 64, "Line one\r\nLine two"},
        {"~~Indented~text", 64, "  Indented text"},
        {"||", 64, "\r\n\r\n"},
        {"plain", 64, "plain"},
        {"", 64, ""},
        // Shortened to the buffer; a line break is never cut in half.
        {"abcdef", 4, "abc"},
        {"ab|cd", 4, "ab"},
        {"ab|cd", 5, "ab\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        char out[64];
        size_t length = UnescapeLanguageText(c.text, out, c.size);
        EXPECT_STREQ(out, c.expected);
        EXPECT_EQ(length, std::string(c.expected).size());
    }
}

TEST(LanguageText, NotSetMarker)
{
    EXPECT_FALSE(IsLanguageTextSet("\x7f"));
    EXPECT_TRUE(IsLanguageTextSet(""));
    EXPECT_TRUE(IsLanguageTextSet("\x7f\x7f"));
}

TEST(LanguageText, FormatOverrideCheck)
{
    const struct {
        const char* candidate;
        const char* reference;
        bool match;
    } cases[] = {
        {"Willkommen bei %s.", "Welcome to the %s uninstall program.", true},
        {"No argument at all", "Welcome to the %s uninstall program.", false},
        {"%s and %s", "Welcome to %s.", false},
        {"%d", "%s", false},
        {"%n%s", "%s", false},
        {"%*s", "%s", false},
        {"Trailing %", "%s", false},
        {"%-20.5s, 100%% sure", "%s", true},
        {"%i", "%d", true},
        {"%lu", "%d", false},
        {"'%s' %s %s", "The file '%s' ... %s ... %s", true},
        {"100%% done", "done", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.candidate);
        EXPECT_EQ(ConversionsMatch(c.candidate, c.reference), c.match);
    }
}

// The override check guards exactly the strings the program formats.
TEST(LanguageText, FormatStringsOfTheTable)
{
    std::map<int, std::string> table = ReadStringTableFile(UNHALDEN_STRINGS_TXT);
    ASSERT_EQ(table.size(), 95u);
    std::set<int> formats;
    for (const auto& [id, text] : table) {
        EXPECT_TRUE(text.size() < 1024) << id;
        if (HasConversions(text.c_str())) {
            formats.insert(id);
            EXPECT_TRUE(ConversionsMatch(text.c_str(), text.c_str())) << id;
        }
    }
    EXPECT_EQ(formats, (std::set<int>{7, 13, 38, 45, 73, 77, 79, 82, 83, 84, 86, 87, 88, 89, 90, 91, 92, 93, 94, 95}));
}
