#include "uninstaller/app/RepairCheck.h"

#include <gtest/gtest.h>

#include <string>

TEST(RepairCheck, KeyPathOfTheLog)
{
    char key[300];
    ASSERT_EQ(BuildRepairKeyPath("C:\\Program Files\\My Game\\INSTALL.LOG", key, sizeof key), 0);
    EXPECT_STREQ(key, "Software\\Halden Solutions\\Halden Installation System\\Repair\\"
                      "C:/Program Files/My Game/INSTALL.LOG");
    char small[40];
    EXPECT_EQ(BuildRepairKeyPath("C:\\X.LOG", small, sizeof small), 1);
    EXPECT_STREQ(small, "");
}

TEST(RepairCheck, ValueNames)
{
    const struct {
        const char* name;
        bool checked;
        int root;
        const char* key;
        const char* value;
    } cases[] = {
        {"2\\Software\\My Game\\\\Version", true, 2, "Software\\My Game", "Version"},
        {"1Software\\My Game\\\\", true, 1, "Software\\My Game", ""},
        {"0\\.game\\\\", true, 0, ".game", ""},
        {"4\\\\Value", true, 4, "", "Value"},
        {"2\\Software\\My Game", false, 0, "", ""},     // no "\\": not checked
        {"5\\Software\\\\Value", false, 0, "", ""},     // no such root
        {"22\\Software\\\\Value", false, 0, "", ""},
        {"", false, 0, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int root = -1;
        char key[260] = "", value[260] = "";
        RepairValueKind kind = ParseRepairValueName(c.name, &root, key, sizeof key, value, sizeof value);
        EXPECT_EQ(kind == kRepairValueRegistry, c.checked);
        if (c.checked) {
            EXPECT_EQ(root, c.root);
            EXPECT_STREQ(key, c.key);
            EXPECT_STREQ(value, c.value);
        }
    }
}

TEST(RepairCheck, FieldsThatDoNotFitAreNotChecked)
{
    std::string name = "2\\" + std::string(300, 'k') + "\\\\v";
    int root;
    char key[260], value[260];
    EXPECT_EQ(ParseRepairValueName(name.c_str(), &root, key, sizeof key, value, sizeof value), kRepairValueUnchecked);
}
