#include "uninstaller/app/StatusMifText.h"

#include <gtest/gtest.h>

#include <string>

#include "uninstaller/app/KeptItems.h"

namespace {

StatusMifValues Values(RunOutcome outcome, bool rollback, const char* kept = "")
{
    return StatusMifValues{"Halden Games", "My Game", "1.2", "SN-42", rollback, "03/07/26 9:05", outcome, kept};
}

}  // namespace

TEST(StatusMifText, PlaceholdersPerOutcome)
{
    const char* templ = "%1%|%2%|%3%|%4%|%5%|%6%|%7%|%8%|%9%|%%|%1";
    const struct {
        RunOutcome outcome;
        bool rollback;
        const char* expected;
        const char* kept;
    } cases[] = {
        {kRunSucceeded, false, "Halden Games|My Game|1.2|SN-42|Uninstall|03/07/26 9:05|Success||%9%|%%|%1", nullptr},
        {kRunCancelled, true, "Halden Games|My Game|1.2|SN-42|Rollback|03/07/26 9:05|Failed|Canceled by user|%9%|%%|%1", nullptr},
        {kRunFailed, false, "Halden Games|My Game|1.2|SN-42|Uninstall|03/07/26 9:05|Failed|Uninstall failed|%9%|%%|%1", nullptr},
        // A run that kept something of its log says what and why.
        {kRunFailed, false,
         "Halden Games|My Game|1.2|SN-42|Uninstall|03/07/26 9:05|Failed|Kept 1: C:\\WINDOWS\\WIN.INI (the system's own)|%9%|%%|%1",
         "Kept 1: C:\\WINDOWS\\WIN.INI (the system's own)"},
    };
    for (const auto& c : cases) {
        char out[256];
        ASSERT_EQ(FormatStatusMif(templ, Values(c.outcome, c.rollback, c.kept ? c.kept : ""), out, sizeof out), 0);
        EXPECT_STREQ(out, c.expected);
    }
    EXPECT_STREQ(StatusMifMessage(kRunSucceeded), "Uninstall successful");
    EXPECT_STREQ(StatusMifMessage(kRunCancelled), "Uninstall canceled by user");
}

TEST(StatusMifText, BuiltInTemplateIsFilledCompletely)
{
    static char out[8192];
    ASSERT_EQ(FormatStatusMif(kBuiltInMifTemplate, Values(kRunSucceeded, false), out, sizeof out), 0);
    std::string text = out;
    EXPECT_EQ(text.find('%'), std::string::npos);
    EXPECT_NE(text.find("NAME = \"UninstallStatus\""), std::string::npos);
    EXPECT_NE(text.find("NAME = \"Uninstall\"\r\n      ID = 5"), std::string::npos);
    EXPECT_NE(text.find("VALUE = \"03/07/26 9:05\""), std::string::npos);
    EXPECT_NE(text.find("CLASS = \"MICROSOFT|JOBSTATUS|1.0\""), std::string::npos);
    EXPECT_NE(text.find("VALUE = \"Success\""), std::string::npos);
}

TEST(StatusMifText, TemplateFromIniAndBounds)
{
    char templ[16];
    MifTemplateFromLanguage("a^b^^c", templ, sizeof templ);
    EXPECT_STREQ(templ, "a\r\nb\r\n\r\nc");
    MifTemplateFromLanguage("abcdefghijklmn^", templ, sizeof templ);
    EXPECT_STREQ(templ, "abcdefghijklmn");

    char out[10];
    EXPECT_EQ(FormatStatusMif("%2% %2%", Values(kRunSucceeded, false), out, sizeof out), 1);
    EXPECT_STREQ(out, "");

    char date[32];
    FormatMifDateTime(12, 1, 2026, 17, 4, date, sizeof date);
    EXPECT_STREQ(date, "12/01/26 17:04");
}

TEST(StatusMifText, ReportNamesArePlainFileNames)
{
    const struct {
        const char* name;
        bool plain;
    } cases[] = {
        {"UNINST.MIF", true},
        {"status report.mif", true},
        {"a..b.mif", true},
        {"CONFIG.MIF", true},
        {"COMPANY.MIF", true},
        {"", false},
        {".", false},
        {"..", false},
        {"..\\owned.bat", false},
        {"..\\users\\alice\\Documents\\important.txt", false},
        {"Temp\\x.mif", false},
        {"C:\\x.mif", false},
        {"C:x.mif", false},
        {"\\\\server\\share\\x.mif", false},
        {"a/b.mif", false},
        {"x.mif.", false},
        {"x.mif ", false},
        {"*.mif", false},
        {"CON", false},
        {"nul.mif", false},
        {"COM1.MIF", false},
        {"lpt9", false},
        {"tab\there.mif", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPlainFileName(c.name), c.plain) << c.name;
}

TEST(KeptItems, SummaryFitsTheReportAndCarriesNoQuotes)
{
    KeptItems report;
    EXPECT_EQ(report.Summary(255), "");
    report.Add("HKCR\\.lnk: (default)", kKeptSystem);
    report.Add("C:\\a \"b\"\r\n.dll", kKeptCrashed);
    EXPECT_EQ(report.Summary(255), "Kept 2: HKCR\\.lnk: (default) (the system's own); C:\\a 'b'  .dll (crashed)");
    std::string shortened = report.Summary(20);
    EXPECT_EQ(shortened, "Kept 2: HKCR\\.lnk...");
}
