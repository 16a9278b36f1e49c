#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>

#include "classlib/core/Exception.h"
#include "classlib/core/StringList.h"
#include "classlib/win/IniFile.h"

namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        path = std::string(folder) + "ini_" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini";
        DeleteFileA(path.c_str());
    }
    void TearDown() override {
        cl::TIniFile(path).UpdateFile();
        DeleteFileA(path.c_str());
    }

    void WriteFile(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    std::string FileText() {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string path;
};

TEST_F(IniFileTest, ReadsValuesAndFallsBackToTheDefaultOnlyWhenMissingOrInvalid) {
    WriteFile(
        "[Main]\r\nText=hello world\r\nQuoted=\"  padded  \"\r\nDec=42\r\nNeg=-7\r\nHex=$1F\r\nBad=12abc\r\n"
        "Empty=\r\nTrue=-1\r\nZero=0\r\n");
    cl::TIniFile ini(path);

    EXPECT_EQ(ini.ReadString("Main", "Text", "x"), "hello world");
    EXPECT_EQ(ini.ReadString("main", "TEXT", "x"), "hello world");
    EXPECT_EQ(ini.ReadString("Main", "Quoted", "x"), "  padded  ");
    EXPECT_EQ(ini.ReadString("Main", "Empty", "default"), "");  // present, though empty
    EXPECT_EQ(ini.ReadString("Main", "Missing", "default  "), "default  ");
    EXPECT_EQ(ini.ReadString("Nowhere", "Text", "default"), "default");

    const struct {
        const char* ident;
        int expected;
    } integers[] = {{"Dec", 42}, {"Neg", -7}, {"Hex", 31}, {"Bad", 5}, {"Empty", 5}, {"Text", 5}, {"Missing", 5}};
    for (const auto& c : integers) EXPECT_EQ(ini.ReadInteger("Main", c.ident, 5), c.expected) << c.ident;

    const struct {
        const char* ident;
        bool defaultValue;
        bool expected;
    } booleans[] = {{"True", false, true}, {"Zero", true, false}, {"Missing", true, true}, {"Bad", true, true}};
    for (const auto& c : booleans) EXPECT_EQ(ini.ReadBool("Main", c.ident, c.defaultValue), c.expected) << c.ident;
}

TEST_F(IniFileTest, WrittenValuesReadBackAndBooleansAreOneAndZero) {
    {
        cl::TIniFile ini(path);
        ini.WriteString("Main", "Name", "C:\\Games\\BF1942");
        ini.WriteInteger("Main", "Count", -12);
        ini.WriteBool("Flags", "On", true);
        ini.WriteBool("Flags", "Off", false);
        ini.UpdateFile();
    }
    cl::TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("Main", "Name", ""), "C:\\Games\\BF1942");
    EXPECT_EQ(ini.ReadInteger("Main", "Count", 0), -12);
    EXPECT_EQ(ini.ReadString("Flags", "On", ""), "1");
    EXPECT_EQ(ini.ReadString("Flags", "Off", ""), "0");
    EXPECT_TRUE(ini.ReadBool("Flags", "On", false));
    EXPECT_NE(FileText().find("Count=-12"), std::string::npos);
}

TEST_F(IniFileTest, LongValuesAndLongKeyListsAreReadWhole) {
    std::string longValue;
    for (int i = 0; longValue.size() < 5000; ++i) longValue += std::to_string(i) + ",";
    std::string text = "[Long]\r\nValue=" + longValue + "\r\n[Many]\r\n";
    for (int i = 0; i < 400; ++i) text += "Key" + std::to_string(1000 + i) + "=" + std::to_string(i) + "\r\n";
    WriteFile(text);

    cl::TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("Long", "Value", ""), longValue);
    cl::TStringList keys;
    ini.ReadSection("Many", keys);
    ASSERT_EQ(keys.Count(), 400);
    EXPECT_EQ(keys[0], "Key1000");
    EXPECT_EQ(keys[399], "Key1399");
    EXPECT_TRUE(ini.ValueExists("Many", "key1399"));
}

TEST_F(IniFileTest, SectionsAndKeysCanBeListedAndRemoved) {
    WriteFile("[One]\r\nB=2\r\nA=1\r\n[Two]\r\nC=3\r\n[Empty]\r\n");
    cl::TIniFile ini(path);
    cl::TStringList names;
    ini.ReadSections(names);
    EXPECT_EQ(names.ToVector(), (std::vector<std::string>{"One", "Two", "Empty"}));
    ini.ReadSection("One", names);
    EXPECT_EQ(names.ToVector(), (std::vector<std::string>{"B", "A"}));
    EXPECT_TRUE(ini.SectionExists("two"));
    EXPECT_TRUE(ini.SectionExists("Empty"));
    EXPECT_FALSE(ini.SectionExists("Three"));
    EXPECT_TRUE(ini.ValueExists("One", "a"));
    EXPECT_FALSE(ini.ValueExists("One", "C"));

    ini.DeleteKey("One", "B");
    ini.EraseSection("Two");
    ini.DeleteKey("One", "NotThere");
    ini.EraseSection("NotThere");
    ini.UpdateFile();
    EXPECT_FALSE(ini.ValueExists("One", "B"));
    EXPECT_TRUE(ini.ValueExists("One", "A"));
    EXPECT_FALSE(ini.SectionExists("Two"));
    EXPECT_EQ(FileText().find("C=3"), std::string::npos);
}

TEST_F(IniFileTest, FailedOrUnsafeWritesRaiseUnableToWrite) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string unreachable = std::string(folder) + "no such folder\\settings.ini";
    cl::TIniFile nowhere(unreachable);
    try {
        nowhere.WriteString("Main", "Name", "value");
        FAIL() << "no exception";
    } catch (const cl::Exception& e) {
        EXPECT_EQ(e.Message(), "Unable to write to " + unreachable);
    }
    EXPECT_THROW(nowhere.WriteBool("Main", "On", true), cl::Exception);

    // A line break would smuggle a key of its own into the file.
    WriteFile("[Main]\r\nName=old\r\n");
    cl::TIniFile ini(path);
    EXPECT_THROW(ini.WriteString("Main", "Name", "new\r\nAdmin=1"), cl::Exception);
    EXPECT_THROW(ini.WriteString("Main\nX", "Name", "new"), cl::Exception);
    EXPECT_EQ(ini.ReadString("Main", "Name", ""), "old");
    EXPECT_FALSE(ini.ValueExists("Main", "Admin"));
}

}  // namespace
