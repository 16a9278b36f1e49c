#include "uninstaller/app/CommandLine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Expected {
    const char* line;
    const char* flags;       // letters of the switches that are set: A S R U z(temporary copy) 1(restart due) N(no copy) Q(quoted log path) E(empty)
    int shortcut;
    const char* logPath;
    const char* title;       // nullptr: no title
};

std::string Flags(const CommandLine& c)
{
    std::string flags;
    if (c.automatic) flags += 'A';
    if (c.silent) flags += 'S';
    if (c.rollback) flags += 'R';
    if (c.startOnLastPage) flags += 'U';
    if (c.temporaryCopy) flags += 'z';
    if (c.restartDue) flags += '1';
    if (c.noCopy) flags += 'N';
    if (c.logPathQuoted) flags += 'Q';
    if (c.empty) flags += 'E';
    return flags;
}

TEST(CommandLine, SwitchesLogPathAndTitle)
{
    const Expected cases[] = {
        {"", "E", 0, "", nullptr},
        {"   ", "E", 0, "", nullptr},
        {"C:\\APP\\INSTALL.LOG", "", 0, "C:\\APP\\INSTALL.LOG", nullptr},
        {"C:\\APP\\INSTALL.LOG My Game", "", 0, "C:\\APP\\INSTALL.LOG", "My Game"},
        {"C:\\APP\\INSTALL.LOG \"My Game\"", "", 0, "C:\\APP\\INSTALL.LOG", "My Game"},
        {"/a /s /r /u C:\\X.LOG", "ASRU", 0, "C:\\X.LOG", nullptr},
        {"/S C:\\X.LOG", "AS", 0, "C:\\X.LOG", nullptr},
        {"/W3 C:\\X.LOG", "", 3, "C:\\X.LOG", nullptr},
        {"/w12 /U C:\\X.LOG", "U", 12, "C:\\X.LOG", nullptr},
        {"/W C:\\X.LOG", "", 0, "C:\\X.LOG", nullptr},
        // A shortcut number that does not fit ends the switches like an unknown letter.
        {"/W99999999999 C:\\X.LOG", "", 0, "/W99999999999", "C:\\X.LOG"},
        {"/A /Q C:\\X.LOG", "A", 0, "/Q", "C:\\X.LOG"},
        {"/A C:\\X.LOG /S", "A", 0, "C:\\X.LOG", "/S"},
        // Quoted paths run to the matching quote, so a quoted title after them stays whole.
        {"\"C:\\Program Files\\Game\\INSTALL.LOG\"", "Q", 0, "C:\\Program Files\\Game\\INSTALL.LOG", nullptr},
        {"/A \"C:\\My Game\\INSTALL.LOG\"   \"My Game\"", "AQ", 0, "C:\\My Game\\INSTALL.LOG", "My Game"},
        {"\"C:\\My Game\\INSTALL.LOG\" My \"Best\" Game", "Q", 0, "C:\\My Game\\INSTALL.LOG", "My \"Best\" Game"},
        {"\"C:\\Unclosed\\INSTALL.LOG", "Q", 0, "C:\\Unclosed\\INSTALL.LOG", nullptr},
        {"\"C:\\X.LOG\" \"\"", "Q", 0, "C:\\X.LOG", nullptr},
        // "/Z" and "/z" alone make no copy; "/z" without arguments is a normal start.
        {"/Z C:\\X.LOG", "N", 0, "C:\\X.LOG", nullptr},
        {"/z", "N", 0, "", nullptr},
        {"/z1", "N", 0, "", nullptr},
    };
    for (const Expected& e : cases) {
        SCOPED_TRACE(e.line);
        CommandLine c;
        ParseCommandLine(e.line, &c);
        EXPECT_EQ(Flags(c), e.flags);
        EXPECT_EQ(c.shortcut, e.shortcut);
        EXPECT_STREQ(c.logPath, e.logPath);
        EXPECT_EQ(c.hasTitle, e.title != nullptr);
        if (e.title) {
            EXPECT_STREQ(c.title, e.title);
        }
        EXPECT_FALSE(c.tooLong);
    }
}

TEST(CommandLine, TemporaryCopyArguments)
{
    const struct {
        const char* line;
        bool restartDue;
        const char* launcher;
        const char* top;
    } cases[] = {
        {"/z C:\\APP\\UNHALD~1.EXE C:\\APP\\", false, "C:\\APP\\UNHALD~1.EXE", "C:\\APP\\"},
        {"/z1 \"C:\\My App\\UNHALDEN32.EXE\" \"C:\\My App\\\"", true, "C:\\My App\\UNHALDEN32.EXE", "C:\\My App\\"},
        {"/z \"C:\\A B\\U.EXE\"", false, "C:\\A B\\U.EXE", ""},
    };
    for (const auto& e : cases) {
        SCOPED_TRACE(e.line);
        CommandLine c;
        ParseCommandLine(e.line, &c);
        EXPECT_TRUE(c.temporaryCopy);
        EXPECT_TRUE(c.noCopy);
        EXPECT_EQ(c.restartDue, e.restartDue);
        EXPECT_STREQ(c.launcherPath, e.launcher);
        EXPECT_STREQ(c.topDirectory, e.top);
        EXPECT_STREQ(c.logPath, "");
    }
}

TEST(CommandLine, TemporaryCopyCommandRoundTrips)
{
    char command[600];
    ASSERT_EQ(BuildTemporaryCopyCommand(command, sizeof command, "C:\\Temp Dir\\VZB1A2B.EXE", true,
                                        "C:\\Program Files\\Game\\UNHALDEN32.EXE", "C:\\Program Files\\Game\\"),
              0);
    EXPECT_STREQ(command, "\"C:\\Temp Dir\\VZB1A2B.EXE\" /z1 \"C:\\Program Files\\Game\\UNHALDEN32.EXE\" "
                          "\"C:\\Program Files\\Game\\\"");
    // What the copy sees after its own program name.
    CommandLine c;
    ParseCommandLine(command + std::string("\"C:\\Temp Dir\\VZB1A2B.EXE\" ").size(), &c);
    EXPECT_TRUE(c.temporaryCopy);
    EXPECT_TRUE(c.restartDue);
    EXPECT_STREQ(c.launcherPath, "C:\\Program Files\\Game\\UNHALDEN32.EXE");
    EXPECT_STREQ(c.topDirectory, "C:\\Program Files\\Game\\");

    char small[20];
    EXPECT_EQ(BuildTemporaryCopyCommand(small, sizeof small, "C:\\T\\VZB1A2B.EXE", false, "C:\\A.EXE", "C:\\"), 1);
    EXPECT_STREQ(small, "");
}

TEST(CommandLine, OverlongFieldsNeverOverflow)
{
    std::string longPath = "C:\\" + std::string(300, 'a') + "\\INSTALL.LOG";
    std::string longTitle(400, 't');
    CommandLine c;

    ParseCommandLine((longPath + " " + longTitle).c_str(), &c);
    EXPECT_TRUE(c.tooLong);
    EXPECT_STREQ(c.logPath, "");
    EXPECT_EQ(std::string(c.title), longTitle.substr(0, CommandLine::kTitleSize - 1));

    ParseCommandLine(("\"" + longPath + "\"").c_str(), &c);
    EXPECT_TRUE(c.tooLong);
    EXPECT_STREQ(c.logPath, "");

    // A cut path of the temporary copy could name another file: both are dropped.
    ParseCommandLine(("/z " + longPath + " C:\\APP\\").c_str(), &c);
    EXPECT_TRUE(c.tooLong);
    EXPECT_STREQ(c.launcherPath, "");
    EXPECT_STREQ(c.topDirectory, "");
}

}  // namespace
