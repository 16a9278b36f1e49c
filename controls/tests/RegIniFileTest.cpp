// The settings store over an INI file and over a registry key.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "controls/basic/MwRegIniFile.h"

namespace {

class RegIniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof(temp), temp);
        folder = std::string(temp) + "RegIniFileTest" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    void TearDown() override {
        DeleteFileA((folder + "a.ini").c_str());
        DeleteFileA((folder + "b.ini").c_str());
        RemoveDirectoryA(folder.c_str());
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QuillonTest");
    }
    static std::string IniValue(const std::string& file, const char* section, const char* key) {
        char value[64] = "";
        GetPrivateProfileStringA(section, key, "<none>", value, sizeof(value), file.c_str());
        return value;
    }

    std::string folder;
};

TEST_F(RegIniFileTest, ReadsAndWritesTheIniFileOfItsPath) {
    TMwRegIniFile store(nullptr);
    store.SetPath(folder + "a.ini");
    EXPECT_EQ(store.ReadInteger("BASIC", "optPreview", -1), -1);
    EXPECT_TRUE(store.ReadBool("BASIC", "optPreview", true));

    store.WriteInteger("FormState", "Left", 234);
    store.WriteBool("FormState", "Saved", true);
    EXPECT_EQ(store.ReadInteger("FormState", "Left", 0), 234);
    EXPECT_TRUE(store.ReadBool("FormState", "Saved", false));
    EXPECT_EQ(IniValue(folder + "a.ini", "FormState", "Left"), "234");

    // A new path takes effect at the next write.
    store.SetPath(folder + "b.ini");
    store.WriteInteger("FormState", "Top", 123);
    EXPECT_EQ(IniValue(folder + "b.ini", "FormState", "Top"), "123");
    EXPECT_EQ(IniValue(folder + "a.ini", "FormState", "Top"), "<none>");
}

TEST_F(RegIniFileTest, ReadsAndWritesSectionsBelowItsRegistryKey) {
    TMwRegIniFile store(nullptr);
    store.SetPathType(TMwPathType::Registry);
    store.SetRegKey(TMwRegKey::CurrentUser);
    store.SetPath("\\Software\\QuillonTest\\Settings");
    EXPECT_EQ(store.ReadInteger("FormState", "Width", 670), 670);

    store.WriteInteger("FormState", "Width", 700);
    store.WriteBool("FormState", "Maximized", true);
    EXPECT_EQ(store.ReadInteger("FormState", "Width", 0), 700);
    EXPECT_TRUE(store.ReadBool("FormState", "Maximized", false));

    DWORD value = 0, size = sizeof(value);
    ASSERT_EQ(RegGetValueA(HKEY_CURRENT_USER, "Software\\QuillonTest\\Settings\\FormState", "Width", RRF_RT_REG_DWORD,
                           nullptr, &value, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 700u);
}

TEST_F(RegIniFileTest, EmptyPathMeansTheProgramsOwnIniFileOrATempKeyNamedAfterIt) {
    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, sizeof(program));
    std::string ini = program;
    ini = ini.substr(0, ini.rfind('.')) + ".ini";
    std::string name = program;
    name = name.substr(name.find_last_of('\\') + 1);
    name = name.substr(0, name.rfind('.'));

    const std::string key = "Software\\Temp\\" + name;
    TMwRegIniFile store(nullptr);
    store.WriteInteger("FormState", "Left", 12);
    EXPECT_EQ(IniValue(ini, "FormState", "Left"), "12");
    DeleteFileA(ini.c_str());
    HKEY untouched = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &untouched), ERROR_SUCCESS) << "an INI store leaves the registry alone";
    if (untouched) RegCloseKey(untouched);

    // Without an application title the key is named after the program.
    store.SetPathType(TMwPathType::Registry);
    store.WriteBool("FormState", "Maximized", true);
    DWORD value = 0, size = sizeof(value);
    EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, (key + "\\FormState").c_str(), "Maximized", RRF_RT_REG_DWORD, nullptr, &value, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 1u);
    RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
}

TEST_F(RegIniFileTest, RegistryValuesWrittenAsNumericTextAreReadToo) {
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\QuillonTest\\Text\\S", "Number", REG_SZ, "42", 3), ERROR_SUCCESS);
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\QuillonTest\\Text\\S", "Word", REG_SZ, "many", 5), ERROR_SUCCESS);
    TMwRegIniFile store(nullptr);
    store.SetPathType(TMwPathType::Registry);
    store.SetPath("\\Software\\QuillonTest\\Text");
    EXPECT_EQ(store.ReadInteger("S", "Number", 0), 42);
    EXPECT_EQ(store.ReadInteger("S", "Word", 7), 7);
    EXPECT_EQ(store.ReadInteger("Missing", "Number", 8), 8);
}

TEST(RegIniFileMasksTest, AccessSetsCombineTheirMasks) {
    EXPECT_EQ(TMwRegIniFile::AccessMaskOf(keyAllAccess), static_cast<REGSAM>(KEY_ALL_ACCESS));
    EXPECT_EQ(TMwRegIniFile::AccessMaskOf(1u | 2u), static_cast<REGSAM>(KEY_QUERY_VALUE | KEY_SET_VALUE));
    EXPECT_EQ(TMwRegIniFile::RootKeyOf(TMwRegKey::LocalMachine), HKEY_LOCAL_MACHINE);
}

}  // namespace
