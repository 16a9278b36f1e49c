#include <gtest/gtest.h>

#include "classlib/core/StringList.h"
#include "classlib/win/Registry.h"

namespace {

// Each test works below a key of its own under HKEY_CURRENT_USER and removes it afterwards.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        base = std::string("Software\\QuillonTest\\") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        registry.DeleteKey("\\" + base);
    }
    void TearDown() override {
        cl::TRegistry cleaner;
        cleaner.DeleteKey("\\" + base);
        cleaner.DeleteKey("\\Software\\QuillonTest");
    }

    std::string Absolute(const std::string& path) const { return "\\" + base + (path.empty() ? "" : "\\" + path); }

    std::string base;
    cl::TRegistry registry;
};

TEST_F(RegistryTest, PathsAreRelativeToTheOpenKeyUnlessTheyStartWithABackslash) {
    EXPECT_EQ(registry.RootKey(), HKEY_CURRENT_USER);
    EXPECT_EQ(registry.Access(), static_cast<REGSAM>(KEY_ALL_ACCESS));
    EXPECT_FALSE(registry.OpenKey(Absolute(""), false));  // not created yet
    EXPECT_EQ(registry.CurrentKey(), nullptr);

    ASSERT_TRUE(registry.OpenKey(Absolute("") + "\\", true));
    EXPECT_EQ(registry.CurrentPath(), base);
    ASSERT_TRUE(registry.OpenKey("Sub\\Deeper", true));
    EXPECT_EQ(registry.CurrentPath(), base + "\\Sub\\Deeper");
    registry.WriteString("Where", "deeper");

    // A failed open leaves the open key as it was.
    EXPECT_FALSE(registry.OpenKey("Missing", false));
    EXPECT_EQ(registry.CurrentPath(), base + "\\Sub\\Deeper");
    EXPECT_EQ(registry.ReadString("Where"), "deeper");

    EXPECT_TRUE(registry.KeyExists(Absolute("Sub")));
    EXPECT_FALSE(registry.KeyExists("Sub"));  // below Sub\Deeper, where there is none

    // With no key open, a path without a backslash starts at the root too.
    registry.CloseKey();
    EXPECT_EQ(registry.CurrentPath(), "");
    ASSERT_TRUE(registry.OpenKeyReadOnly(base + "\\Sub\\Deeper"));
    EXPECT_EQ(registry.ReadString("Where"), "deeper");
    EXPECT_THROW(registry.WriteString("Where", "changed"), cl::ERegistryException);

    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_EQ(registry.CurrentKey(), nullptr);
    EXPECT_EQ(registry.CurrentPath(), "");
}

TEST_F(RegistryTest, ValuesReadBackAndWrongTypesRaise) {
    ASSERT_TRUE(registry.OpenKey(Absolute(""), true));
    registry.WriteString("Name", "Quillon");
    registry.WriteString("Blank", "");
    registry.WriteInteger("Count", -5);
    const char expandable[] = "%WINDIR%\\x";
    ASSERT_EQ(RegSetValueExA(registry.CurrentKey(), "Expand", 0, REG_EXPAND_SZ,
                             reinterpret_cast<const BYTE*>(expandable), sizeof(expandable)),
              ERROR_SUCCESS);
    const BYTE binary[] = {1, 2, 3, 4};
    ASSERT_EQ(RegSetValueExA(registry.CurrentKey(), "Binary", 0, REG_BINARY, binary, sizeof(binary)), ERROR_SUCCESS);

    EXPECT_EQ(registry.ReadString("Name"), "Quillon");
    EXPECT_EQ(registry.ReadString("Blank"), "");
    EXPECT_EQ(registry.ReadString("Expand"), "%WINDIR%\\x");
    EXPECT_EQ(registry.ReadString("Missing"), "");
    EXPECT_EQ(registry.ReadInteger("Count"), -5);

    try {
        registry.ReadString("Count");
        FAIL() << "no exception";
    } catch (const cl::ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Invalid data type for 'Count'");
    }
    EXPECT_THROW(registry.ReadString("Binary"), cl::ERegistryException);
    EXPECT_THROW(registry.ReadInteger("Name"), cl::ERegistryException);
    EXPECT_THROW(registry.ReadInteger("Binary"), cl::ERegistryException);
    EXPECT_THROW(registry.ReadInteger("Missing"), cl::ERegistryException);

    EXPECT_TRUE(registry.ValueExists("Name"));
    EXPECT_TRUE(registry.DeleteValue("Name"));
    EXPECT_FALSE(registry.DeleteValue("Name"));
    EXPECT_FALSE(registry.ValueExists("Name"));

    cl::TStringList names;
    names.SetSorted(true);
    registry.GetValueNames(names);
    EXPECT_EQ(names.ToVector(), (std::vector<std::string>{"Binary", "Blank", "Count", "Expand"}));
}

TEST_F(RegistryTest, DeleteKeyRemovesTheWholeTreeAndRefusesTheRoot) {
    ASSERT_TRUE(registry.OpenKey(Absolute("Tree\\A\\B\\C"), true));
    registry.WriteString("Leaf", "x");
    ASSERT_TRUE(registry.OpenKey(Absolute("Tree\\A\\D"), true));
    ASSERT_TRUE(registry.OpenKey(Absolute("Tree\\E"), true));
    ASSERT_TRUE(registry.OpenKey(Absolute("Kept"), true));
    ASSERT_TRUE(registry.OpenKey(Absolute(""), false));

    cl::TStringList names;
    names.SetSorted(true);
    registry.GetKeyNames(names);
    EXPECT_EQ(names.ToVector(), (std::vector<std::string>{"Kept", "Tree"}));

    EXPECT_TRUE(registry.DeleteKey("Tree"));
    EXPECT_FALSE(registry.KeyExists(Absolute("Tree")));
    EXPECT_TRUE(registry.KeyExists(Absolute("Kept")));
    EXPECT_FALSE(registry.DeleteKey("Tree"));  // gone already

    // An empty path would name the open key or the whole root.
    EXPECT_FALSE(registry.DeleteKey(""));
    EXPECT_FALSE(registry.DeleteKey("\\"));
    EXPECT_TRUE(registry.KeyExists(Absolute("")));
    EXPECT_TRUE(registry.KeyExists("\\Software"));
}

TEST_F(RegistryTest, CreateKeyMakesTheWholePathWithoutOpeningItAndRaisesWhenItCannot) {
    registry.CreateKey(Absolute("One\\Two"));
    EXPECT_EQ(registry.CurrentKey(), nullptr);
    EXPECT_TRUE(registry.KeyExists(Absolute("One\\Two")));

    // Key names are at most 255 characters long.
    const std::string tooLong(300, 'k');
    try {
        registry.CreateKey(Absolute(tooLong));
        FAIL() << "no exception";
    } catch (const cl::ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Failed to create key " + Absolute(tooLong));
    }
    EXPECT_FALSE(registry.OpenKey(Absolute(tooLong), true));
}

}  // namespace
