// The repair's readings of the log: verification data of files, DOS dates and times, source
// texts and identities, shortcut descriptions, and the list file's lines.

#include <gtest/gtest.h>

#include <string>

#include "uninstaller/app/LinkInfo.h"
#include "uninstaller/app/RepairData.h"
#include "uninstaller/app/RepairSource.h"

namespace {

TEST(RepairData, Parsing)
{
    const struct {
        const char* data;
        bool read;
        LocalStamp written;
        unsigned long long size;
        unsigned crc;
        const char* sizeAndCrc;
    } cases[] = {
        {" 06-15-2001 | 12:00:01 | 0 | 1234 | 0a1b2c3d", true, {2001, 6, 15, 12, 0, 1}, 1234, 0x0a1b2c3d,
         " 1234 | 0a1b2c3d"},
        {" 01-01-1980 | 00:00:00 | x | 0 | 0", true, {1980, 1, 1, 0, 0, 0}, 0, 0, " 0 | 0"},
        {" 12-31-2059 | 23:59:59 | | 5000000000 | FFFFFFFF", true, {2059, 12, 31, 23, 59, 59}, 5000000000ull,
         0xFFFFFFFFu, " 5000000000 | FFFFFFFF"},
        {" 06-15-2001 | 12:00:01 | 0 | 12", false, {}, 0, 0, ""},            // shorter than 21
        {" 06-15-2001 | 12:00:01 | 0 | 1234", false, {}, 0, 0, ""},         // no CRC
        {" 06-15-2001 | 12:00:01 | 0 | 1234 | 1 | 2", false, {}, 0, 0, ""},  // a field too many
        {" 13-15-2001 | 12:00:01 | 0 | 1234 | 1", false, {}, 0, 0, ""},      // month 13
        {" 06-15-1979 | 12:00:01 | 0 | 1234 | 1", false, {}, 0, 0, ""},      // before DOS dates
        {" 06-15-2001 | 12:60:01 | 0 | 1234 | 1", false, {}, 0, 0, ""},
        {" 06/15/2001 | 12:00:01 | 0 | 1234 | 1", false, {}, 0, 0, ""},
        {" 06-15-2001 | 12:00:01 | 0 | 12a4 | 1", false, {}, 0, 0, ""},
        {" 06-15-2001 | 12:00:01 | 0 | 1234 | 1g", false, {}, 0, 0, ""},
        {" 06-15-2001 | 12:00:01 | 0 | 1234 | 123456789", false, {}, 0, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data);
        LoggedFile logged{};
        ASSERT_EQ(ParseRepairData(c.data, &logged), c.read);
        if (!c.read)
            continue;
        EXPECT_EQ(logged.written.year, c.written.year);
        EXPECT_EQ(logged.written.month, c.written.month);
        EXPECT_EQ(logged.written.day, c.written.day);
        EXPECT_EQ(logged.written.hour, c.written.hour);
        EXPECT_EQ(logged.written.minute, c.written.minute);
        EXPECT_EQ(logged.written.second, c.written.second);
        EXPECT_EQ(logged.size, c.size);
        EXPECT_EQ(logged.crc, c.crc);
        EXPECT_STREQ(logged.sizeAndCrc, c.sizeAndCrc);
    }
}

// Dates and times compare as DOS values: two seconds are the finest step.
TEST(RepairData, DosStamps)
{
    EXPECT_EQ(DosDate({1980, 1, 1, 0, 0, 0}), 33);
    EXPECT_EQ(DosDate({2001, 6, 15, 0, 0, 0}), 10959);
    EXPECT_EQ(DosDate({2059, 12, 31, 0, 0, 0}), 40863);
    EXPECT_EQ(DosTime({2001, 6, 15, 12, 0, 1}), 24576);
    EXPECT_EQ(DosTime({2001, 6, 15, 23, 59, 59}), 49021);

    const LocalStamp logged{2001, 6, 15, 12, 0, 1};
    const struct {
        const char* name;
        LocalStamp file;
        int order;
    } cases[] = {
        {"the same", {2001, 6, 15, 12, 0, 1}, 0},
        {"one second earlier, same two seconds", {2001, 6, 15, 12, 0, 0}, 0},
        {"one second later, next two seconds", {2001, 6, 15, 12, 0, 2}, 1},
        {"a day later, earlier hour", {2001, 6, 16, 1, 0, 0}, 1},
        {"a day earlier, later hour", {2001, 6, 14, 23, 0, 0}, -1},
        {"a minute earlier", {2001, 6, 15, 11, 59, 1}, -1},
        {"a year later", {2002, 1, 1, 0, 0, 0}, 1},
        {"before 1980", {1979, 12, 31, 23, 59, 59}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CompareDosStamps(c.file, logged), c.order);
    }
}

TEST(RepairData, TextsAndListLine)
{
    const char data[] = " 06-15-2001 | 12:00:01 | 0 | 1234 | 0a1b2c3d";
    char text[64];
    FormatLoggedStamp(data, text, sizeof text);
    EXPECT_STREQ(text, " 06-15-2001  12:00:01 ");
    FormatFileStamp({2001, 6, 15, 12, 0, 2}, text, sizeof text);
    EXPECT_STREQ(text, " 06-15-2001  12:00:02 ");

    LoggedFile logged{};
    ASSERT_TRUE(ParseRepairData(data, &logged));
    char line[300];
    ASSERT_TRUE(FormatListLine("C:\\App\\app.exe", logged, line, sizeof line));
    EXPECT_STREQ(line, "C:\\App\\app.exe|10959|24576| 1234 | 0a1b2c3d\r\n");
    char small[20];
    EXPECT_FALSE(FormatListLine("C:\\App\\app.exe", logged, small, sizeof small));
}

TEST(RepairSource, SplittingTheSourceText)
{
    const struct {
        const char* text;
        const char* path;
        const char* identity;
    } cases[] = {
        {"D:\\SETUP.EXE | 06-15-2001 | 12:00:00 | 4096", "D:\\SETUP.EXE", "06-15-2001 | 12:00:00 | 4096"},
        {"D:\\My Media\\SETUP.EXE|   06-15-2001 | 12:00:00 | 1", "D:\\My Media\\SETUP.EXE", "06-15-2001 | 12:00:00 | 1"},
        {"D:\\SETUP.EXE  | x", "D:\\SETUP.EXE ", "x"},   // one space goes with the bar
        {"D:\\SETUP.EXE ", "D:\\SETUP.EXE ", ""},         // no identity: nothing is cut
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        char path[260], identity[260];
        ASSERT_TRUE(SplitSourceText(c.text, path, sizeof path, identity, sizeof identity));
        EXPECT_STREQ(path, c.path);
        EXPECT_STREQ(identity, c.identity);
    }
    char small[4], identity[260];
    EXPECT_FALSE(SplitSourceText("D:\\SETUP.EXE | x", small, sizeof small, identity, sizeof identity));
}

TEST(RepairSource, Identity)
{
    const struct {
        LocalStamp written;
        unsigned long long size;
        const char* identity;
    } cases[] = {
        {{1980, 1, 1, 0, 0, 0}, 0, "01-01-1980 | 00:00:00 | 0"},
        {{2001, 6, 15, 9, 5, 7}, 4096, "06-15-2001 | 09:05:07 | 4096"},
        {{2059, 12, 31, 23, 59, 59}, 123456789, "12-31-2059 | 23:59:59 | 123456789"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.identity);
        char identity[64];
        FormatSourceIdentity(c.written, c.size, identity, sizeof identity);
        EXPECT_STREQ(identity, c.identity);
        EXPECT_TRUE(IsLoggedSource(c.identity, c.written, c.size));
        EXPECT_FALSE(IsLoggedSource(c.identity, c.written, c.size + 1));
    }
    // Seconds count here: the identity is compared as text.
    EXPECT_FALSE(IsLoggedSource("06-15-2001 | 09:05:07 | 4096", {2001, 6, 15, 9, 5, 6}, 4096));
    EXPECT_TRUE(IsLoggedSource("", {2001, 6, 15, 9, 5, 6}, 4096));
}

TEST(LinkInfo, Fields)
{
    ShortcutInfo link{};
    ASSERT_TRUE(ParseLinkInfo(" C:\\App\\app.exe | C:\\App | C:\\App\\app.ico | 2 | 11 | 1604 | -x | y ", &link));
    EXPECT_STREQ(link.target, "C:\\App\\app.exe");
    EXPECT_STREQ(link.workingDirectory, "C:\\App");
    EXPECT_STREQ(link.iconFile, "C:\\App\\app.ico");
    EXPECT_EQ(link.iconIndex, 2);
    EXPECT_EQ(link.showCommand, 3);          // 11 & 7
    EXPECT_EQ(link.hotKey, 1604u);           // Ctrl+D
    EXPECT_TRUE(link.hasHotKey);
    EXPECT_STREQ(link.arguments, "-x | y");  // the last field is the rest of the line

    const struct {
        const char* text;
        bool read;
        bool hasHotKey;
    } cases[] = {
        {"C:\\App\\app.exe|||0|1|512|", true, false},   // modifiers without a key
        {"C:\\App\\app.exe|||0|1|0|", true, false},
        {"C:\\App\\app.exe", true, false},               // missing fields are empty
        {" | C:\\App | | 0 | 1 | 0 |", false, false},    // no target
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ShortcutInfo parsed{};
        ASSERT_EQ(ParseLinkInfo(c.text, &parsed), c.read);
        if (c.read) {
            EXPECT_EQ(parsed.hasHotKey, c.hasHotKey);
        }
    }
    std::string longTarget(300, 'a');
    EXPECT_FALSE(ParseLinkInfo(longTarget.c_str(), &link));
}

}  // namespace
