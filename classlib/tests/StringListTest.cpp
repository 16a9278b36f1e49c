#include <gtest/gtest.h>

#include <cstdio>

#include "classlib/core/Exception.h"
#include "classlib/core/StringList.h"
#include "classlib/core/TextUtils.h"

namespace {

TEST(StringList, UnsortedKeepsOrderAndFindsWithoutCase) {
    cl::TStringList list;
    list.Add("Objects/a.con");
    list.AddInteger("objects/*b.con", 7);
    list.Add("Objects/a.con");  // duplicates are kept in an unsorted list
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.IndexOf("OBJECTS/A.CON"), 0);
    EXPECT_EQ(list.IndexOf("missing"), -1);
    EXPECT_EQ(list.Integers(1), 7);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("OBJECTS/A.CON"), -1);
    list.Delete(0);
    EXPECT_EQ(list[0], "objects/*b.con");
    EXPECT_THROW(list.Delete(5), cl::EListError);
    EXPECT_THROW(list.Get(-1), cl::EListError);
}

TEST(StringList, SortedInsertsInPlaceAndFollowsDuplicates) {
    cl::TStringList list;
    list.SetSorted(true);
    for (const char* s : {"delta", "Alpha", "charlie", "bravo"}) list.Add(s);
    EXPECT_EQ(list.ToVector(), (std::vector<std::string>{"Alpha", "bravo", "charlie", "delta"}));
    EXPECT_EQ(list.Add("ALPHA"), 0);  // ignored duplicate gives the existing index
    EXPECT_EQ(list.Count(), 4);
    int at = -1;
    EXPECT_FALSE(list.Find("c", at));
    EXPECT_EQ(at, 2);
    list.SetDuplicates(cl::TDuplicates::Error);
    EXPECT_THROW(list.Add("Bravo"), cl::EListError);
    list.SetDuplicates(cl::TDuplicates::Accept);
    list.Add("Bravo");
    EXPECT_EQ(list.Count(), 5);
    EXPECT_THROW(list.Insert(0, "x"), cl::EListError);
}

TEST(StringList, TextSplitsEveryLineEndAndNotifiesOncePerUpdate) {
    cl::TStringList list;
    int changes = 0;
    list.OnChange = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { ++changes; });
    list.SetText("one\r\ntwo\nthree\rfour");
    EXPECT_EQ(list.ToVector(), (std::vector<std::string>{"one", "two", "three", "four"}));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list.Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");
}

TEST(StringList, FilesRoundTripAndMissingFilesRaise) {
    const std::string path = ::testing::TempDir() + "strings.txt";
    cl::TStringList list;
    list.Assign(std::vector<std::string>{"a", "", "c"});
    list.SaveToFile(path);
    cl::TStringList back;
    back.LoadFromFile(path);
    EXPECT_EQ(back.ToVector(), list.ToVector());
    std::remove(path.c_str());
    EXPECT_THROW(back.LoadFromFile(path), cl::EFOpenError);
}

TEST(StringList, CustomSortSeesTheListByIndex) {
    cl::TStringList list;
    list.Assign(std::vector<std::string>{"10", "9", "100"});
    list.CustomSort([](const cl::TStringList& l, int a, int b) { return cl::StrToInt(l[a]) - cl::StrToInt(l[b]); });
    EXPECT_EQ(list.ToVector(), (std::vector<std::string>{"9", "10", "100"}));
}

TEST(TextUtils, ConversionsAndFileNameParts) {
    EXPECT_EQ(cl::StrToInt(" 42 "), 42);
    EXPECT_EQ(cl::StrToInt("$1A"), 26);
    for (const char* bad : {"", "4x", "99999999999", "1,5", "$-1"}) EXPECT_THROW(cl::StrToInt(bad), cl::EConvertError) << bad;
    EXPECT_EQ(cl::ExtractFileExt("C:\\a.b\\file.Txt"), ".Txt");
    EXPECT_EQ(cl::ExtractFileExt("C:\\a.b\\file"), "");
    EXPECT_EQ(cl::ExtractFilePath("C:\\dir\\file.rfa"), "C:\\dir\\");
    EXPECT_EQ(cl::ExtractFileName("C:file.rfa"), "file.rfa");
    EXPECT_EQ(cl::StringReplace("a/b/c", "/", "\\"), "a\\b\\c");
    EXPECT_EQ(cl::StringReplace("a/b/c", "/", "\\", false), "a\\b/c");
    EXPECT_LT(cl::CompareText("abc", "ABD"), 0);
    EXPECT_TRUE(cl::SameText("Quillon", "qUILLON"));
}

}  // namespace

#include "classlib/core/CommandLine.h"

namespace {

TEST(CommandLine, SplitsLikeAProgramsArgumentList) {
    const struct {
        const char* line;
        std::vector<std::string> arguments;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {"C:\\Q\\Quillon.exe", {"C:\\Q\\Quillon.exe"}},
        {"\"C:\\Program Files\\Q.exe\" \"D:\\My Games\\a.rfa\" x", {"C:\\Program Files\\Q.exe", "D:\\My Games\\a.rfa", "x"}},
        {"q.exe  a\tb", {"q.exe", "a", "b"}},
        {"q.exe D:\\half\"quoted name\".rfa", {"q.exe", "D:\\halfquoted name.rfa"}},
        {"q.exe \"\"", {"q.exe", ""}},
        {"q.exe \"unterminated arg", {"q.exe", "unterminated arg"}},
    };
    for (const auto& c : cases) EXPECT_EQ(cl::SplitCommandLine(c.line), c.arguments) << c.line;
}

}  // namespace
