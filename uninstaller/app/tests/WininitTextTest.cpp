// The line that WININIT.INI gets for a file to delete at the next start, with what the file
// already holds.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "uninstaller/app/WininitText.h"

namespace {

TEST(WininitText, DeletionLineGoesUnderRename)
{
    const struct {
        const char* name;
        const char* existing;   // null: no file
        const char* appended;
    } cases[] = {
        {"no file", nullptr, "[rename]\r\nNUL=C:\\GAME\\GAME.DLL\r\n"},
        {"empty file", "", "[rename]\r\nNUL=C:\\GAME\\GAME.DLL\r\n"},
        {"rename last", "[rename]\r\nNUL=C:\\A.TMP\r\n", "NUL=C:\\GAME\\GAME.DLL\r\n"},
        {"header in other case, indented", "  [Rename]\r\n", "NUL=C:\\GAME\\GAME.DLL\r\n"},
        // Appending to an unfinished last line would merge the two into one broken entry.
        {"no line end", "[rename]\r\nNUL=C:\\A.TMP", "\r\nNUL=C:\\GAME\\GAME.DLL\r\n"},
        // A line appended under another section would never be carried out.
        {"other section last", "[rename]\r\nNUL=C:\\A.TMP\r\n[CombineVMM]\r\n",
         "[rename]\r\nNUL=C:\\GAME\\GAME.DLL\r\n"},
        {"no section at all", "NUL=C:\\A.TMP\n", "[rename]\r\nNUL=C:\\GAME\\GAME.DLL\r\n"},
        {"both", "[Other]\r\nx=1", "\r\n[rename]\r\nNUL=C:\\GAME\\GAME.DLL\r\n"},
        {"a key that looks like a header", "[rename]\r\nNUL=[x]\r\n", "NUL=C:\\GAME\\GAME.DLL\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        char out[128];
        std::size_t length = BuildWininitDeletion(c.existing, c.existing ? std::strlen(c.existing) : 0,
                                                  "C:\\GAME\\GAME.DLL", out, sizeof out);
        EXPECT_EQ(std::string(out, length), c.appended);
    }
}

TEST(WininitText, TextThatDoesNotFitIsNotBuilt)
{
    const char* full = "[rename]\r\nNUL=C:\\GAME\\GAME.DLL\r\n";
    char out[64];
    EXPECT_EQ(BuildWininitDeletion(nullptr, 0, "C:\\GAME\\GAME.DLL", out, std::strlen(full) + 1), std::strlen(full));
    EXPECT_EQ(BuildWininitDeletion(nullptr, 0, "C:\\GAME\\GAME.DLL", out, std::strlen(full)), 0u);
    EXPECT_STREQ(out, "");
}

}  // namespace
