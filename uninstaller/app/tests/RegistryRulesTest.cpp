// Registry values as the log describes them, and removing keys and trees.

#include <gtest/gtest.h>

#include <string>

#include "uninstaller/app/RegistryGuard.h"
#include "uninstaller/app/RegistryRemoval.h"
#include "uninstaller/app/RegistryValueData.h"
#include "uninstaller/app/tests/FakeEngineHost.h"

using namespace engine_test;

namespace {

std::string Bytes(const unsigned char* data, size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

TEST(RegistryValueData, LoggedTextBecomesValueData)
{
    using namespace std::string_literals;
    const struct {
        const char* name;
        int logType;
        std::string text;   // a list: strings with their NULs, closed by an empty one
        bool encoded;
        unsigned type;
        std::string data;
    } cases[] = {
        {"string", 0, "C:\\App\0\0"s, true, kRegSz, "C:\\App\0"s},
        {"expandable string", 1, "%WINDIR%\\x\0\0"s, true, kRegExpandSz, "%WINDIR%\\x\0"s},
        {"an empty string", 0, "\0\0"s, true, kRegSz, "\0"s},
        {"only the first string of a list", 0, "one\0two\0\0"s, true, kRegSz, "one\0"s},
        {"multi-string: every string and the closing NUL", 2, "one\0two\0\0"s, true, kRegMultiSz, "one\0two\0\0"s},
        {"multi-string of one", 2, "one\0\0"s, true, kRegMultiSz, "one\0\0"s},
        {"dword", 3, "305419896\0\0"s, true, kRegDword, "\x78\x56\x34\x12"s},
        {"negative dword", 3, "-1\0\0"s, true, kRegDword, "\xFF\xFF\xFF\xFF"s},
        {"dword from text without digits", 3, "abc\0\0"s, true, kRegDword, "\0\0\0\0"s},
        {"binary, separators skipped", 4, "0a 1B-ff\0\0"s, true, kRegBinary, "\x0A\x1B\xFF"s},
        {"binary, odd last digit dropped", 4, "abc\0\0"s, true, kRegBinary, "\xAB"s},
        {"binary of no digits", 4, "--\0\0"s, true, kRegBinary, ""s},
        {"unknown type", 5, "x\0\0"s, false, 0, ""s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        unsigned char out[64];
        size_t size = 0;
        unsigned type = 0;
        ASSERT_EQ(EncodeRegistryValue(c.logType, c.text.data(), c.text.size(), out, sizeof out, &size, &type),
                  c.encoded);
        if (c.encoded) {
            EXPECT_EQ(type, c.type);
            EXPECT_EQ(Bytes(out, size), c.data);
        }
    }
}

TEST(RegistryValueData, ListsEndAtTheirBufferAndDataMustFit)
{
    // A single string handed over by its length has no closing empty string.
    const char single[] = {'a', 'b', '\0'};
    unsigned char out[8];
    size_t size = 0;
    unsigned type = 0;
    ASSERT_TRUE(EncodeRegistryValue(2, single, sizeof single, out, sizeof out, &size, &type));
    EXPECT_EQ(Bytes(out, size), std::string("ab\0\0", 4));
    EXPECT_FALSE(EncodeRegistryValue(0, "a long text", 12, out, sizeof out, &size, &type));
    EXPECT_FALSE(EncodeRegistryValue(4, "00112233445566778899", 21, out, sizeof out, &size, &type));
}

TEST(RegistryValueData, Counters)
{
    using namespace std::string_literals;
    const struct {
        const char* name;
        unsigned type;
        std::string data;
        bool read;
        long count;
    } cases[] = {
        {"decimal text", kRegSz, "12\0"s, true, 12},
        {"decimal text, spaces and rest", kRegSz, " 7 copies\0"s, true, 7},
        {"text without a NUL", kRegSz, "34"s, true, 34},
        {"dword", kRegDword, "\x02\0\0\0"s, true, 2},
        {"negative dword", kRegDword, "\xFE\xFF\xFF\xFF"s, true, -2},
        {"four binary bytes", kRegBinary, "\x03\0\0\0"s, true, 3},
        {"binary of another size", kRegBinary, "\x03\0"s, false, 0},
        {"short dword", kRegDword, "\x03"s, false, 0},
        {"multi-string", kRegMultiSz, "3\0\0"s, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        long count = 0;
        EXPECT_EQ(ReadCounter(c.type, reinterpret_cast<const unsigned char*>(c.data.data()), c.data.size(), &count),
                  c.read);
        if (c.read) {
            EXPECT_EQ(count, c.count);
        }
    }
}

TEST(RegistryRemoval, EmptyKeysThatMayGo)
{
    const struct {
        int root;
        const char* key;
        bool removable;
    } cases[] = {
        {kRootLocalMachine, "Software\\Halden\\App", true},
        {kRootLocalMachine, "Software\\Halden", true},
        {kRootLocalMachine, "Software", false},
        {kRootLocalMachine, "\\Software\\\\", false},
        {kRootLocalMachine, "", false},
        {kRootLocalMachine, "\\", false},
        {kRootLocalMachine, "SOFTWARE\\Microsoft", false},
        {kRootLocalMachine, "Software\\Microsoft\\Halden", true},
        {kRootCurrentUser, "Software\\Classes\\", false},
        {kRootCurrentUser, "Software\\Policies", false},
        {kRootCurrentUser, "Software\\App", true},
        {kRootClassesRoot, ".rfa", true},
        {kRootClassesRoot, "", false},
        {kRootUsers, ".DEFAULT\\Software", false},
        {kRootUsers, ".DEFAULT\\Software\\App", true},
        {kRootCurrentConfig, "Software", false},
    };
    FakeRegistry registry;
    RegistryGuard guard(registry, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.root) + ":" + c.key);
        EXPECT_EQ(guard.MayDeleteEmptyKey(c.root, c.key), c.removable);
    }
}

TEST(RegistryRemoval, ValueThenEveryKeyThatBecameEmpty)
{
    FakeRegistry registry;
    RegistryGuard guard(registry, nullptr);
    registry.SetString(kRootLocalMachine, "Software\\Halden\\App\\Settings", "Path", "C:\\App");
    registry.SetString(kRootLocalMachine, "Software\\Other", "Kept", "1");
    RemoveValueAndEmptyKeys(registry, guard, kRootLocalMachine, "Software\\Halden\\App\\Settings", "Path");
    EXPECT_FALSE(registry.HasKey(kRootLocalMachine, "Software\\Halden"));
    EXPECT_TRUE(registry.HasKey(kRootLocalMachine, "Software"));   // still holds Other

    // A parent with a value of its own stays, and so does a key with another value.
    registry.SetString(kRootLocalMachine, "Software\\Halden", "Owner", "x");
    registry.SetString(kRootLocalMachine, "Software\\Halden\\App", "A", "1");
    registry.SetString(kRootLocalMachine, "Software\\Halden\\App", "B", "2");
    RemoveValueAndEmptyKeys(registry, guard, kRootLocalMachine, "Software\\Halden\\App", "A");
    EXPECT_EQ(registry.Text(kRootLocalMachine, "Software\\Halden\\App", "B"), "2");
    EXPECT_EQ(registry.Value(kRootLocalMachine, "Software\\Halden\\App", "A"), nullptr);
    RemoveValueAndEmptyKeys(registry, guard, kRootLocalMachine, "Software\\Halden\\App", "B");
    EXPECT_FALSE(registry.HasKey(kRootLocalMachine, "Software\\Halden\\App"));
    EXPECT_TRUE(registry.HasKey(kRootLocalMachine, "Software\\Halden"));

    // The climb ends below the root's shared top key, even when that became empty.
    FakeRegistry alone;
    RegistryGuard aloneGuard(alone, nullptr);
    alone.SetString(kRootCurrentUser, "Software\\App", "", "default");
    RemoveValueAndEmptyKeys(alone, aloneGuard, kRootCurrentUser, "Software\\App", "");
    EXPECT_FALSE(alone.HasKey(kRootCurrentUser, "Software\\App"));
    EXPECT_TRUE(alone.HasKey(kRootCurrentUser, "Software"));
}

TEST(RegistryRemoval, TreesGoWholeButNeverAboveTheInstallation)
{
    FakeRegistry registry;
    registry.SetString(kRootLocalMachine, "Software\\Halden\\App\\A\\B", "x", "1");
    registry.SetString(kRootLocalMachine, "Software\\Halden\\App\\C", "y", "2");
    registry.SetString(kRootLocalMachine, "Software\\Halden\\Other", "z", "3");
    EXPECT_TRUE(DeleteRegistryTree(registry, kRootLocalMachine, "Software\\Halden\\App\\"));
    EXPECT_FALSE(registry.HasKey(kRootLocalMachine, "Software\\Halden\\App"));
    EXPECT_TRUE(registry.HasKey(kRootLocalMachine, "Software\\Halden\\Other"));
    EXPECT_TRUE(DeleteRegistryTree(registry, kRootLocalMachine, "Software\\Halden\\Missing"));

    for (const char* key : {"Software", "", "Software\\Microsoft"}) {
        SCOPED_TRACE(key);
        EXPECT_FALSE(DeleteRegistryTree(registry, kRootLocalMachine, key));
        EXPECT_TRUE(registry.HasKey(kRootLocalMachine, "Software\\Halden\\Other"));
    }
}

// A key that cannot be deleted is tried once and left with the keys above it; the rest of the
// tree goes and the deletion ends.
TEST(RegistryRemoval, TreeDeletionTriesEachKeyOnce)
{
    FakeRegistry registry;
    for (const char* key : {"A\\Locked\\Inner", "A\\One", "B\\Two", "C"})
        registry.SetString(kRootLocalMachine, std::string("Software\\Vendor\\") + key, "v", "1");
    registry.locked.insert("2\\Software\\Vendor\\A\\Locked");
    EXPECT_FALSE(DeleteRegistryTree(registry, kRootLocalMachine, "Software\\Vendor"));
    EXPECT_TRUE(registry.HasKey(kRootLocalMachine, "Software\\Vendor\\A\\Locked"));
    EXPECT_FALSE(registry.HasKey(kRootLocalMachine, "Software\\Vendor\\A\\Locked\\Inner"));
    for (const char* key : {"A\\One", "B", "C"})
        EXPECT_FALSE(registry.HasKey(kRootLocalMachine, std::string("Software\\Vendor\\") + key)) << key;
    // Inner, Locked, One, A, Two, B, C and Vendor: one try each.
    EXPECT_EQ(registry.deleteTries, 8u);

    // Without the installation's places nothing but a product's own key goes.
    registry.SetString(kRootClassesRoot, "CLSID\\{1}", "", "x");
    EXPECT_FALSE(DeleteRegistryTree(registry, kRootClassesRoot, "CLSID"));
    EXPECT_FALSE(DeleteRegistryTree(registry, kRootClassesRoot, "CLSID\\{1}"));
    EXPECT_TRUE(registry.HasKey(kRootClassesRoot, "CLSID\\{1}"));
}

TEST(RegistryRemoval, WritingNeedsTheKeyUnlessCreating)
{
    FakeRegistry registry;
    EXPECT_FALSE(WriteRegistryValue(registry, kRootCurrentUser, 0, "Software\\App", "Name", "v", 2, false));
    EXPECT_FALSE(registry.HasKey(kRootCurrentUser, "Software\\App"));
    EXPECT_TRUE(WriteRegistryValue(registry, kRootCurrentUser, 3, "Software\\App", "Count", "7", 2, true));
    EXPECT_EQ(registry.Text(kRootCurrentUser, "Software\\App", "Count"), "7");
}

// A link key goes as a link; what it leads to stays, and a dangling link ends the deletion like
// any key. Nothing is reached through a link on the way to a key.
TEST(RegistryRemoval, LinksAreDeletedAsLinksAndNeverFollowed)
{
    FakeRegistry registry;
    const std::string product = "Software\\Halden\\Product";
    registry.SetString(kRootLocalMachine, product + "\\Options", "Level", "2");
    registry.AddLink(kRootLocalMachine, product + "\\Linked", "\\Registry\\Machine\\Software\\Microsoft\\Cryptography");
    registry.AddLink(kRootLocalMachine, product + "\\Dangling", "\\Registry\\Machine\\Software\\Nowhere");
    registry.SetString(kRootLocalMachine, "Software\\Microsoft\\Cryptography\\Defaults", "x", "1");

    RegistryGuard guard(registry, nullptr);
    EXPECT_EQ(guard.MayDeleteTree(kRootLocalMachine, product.c_str()), kKeptNothing);
    EXPECT_TRUE(DeleteKeyTree(registry, kRootLocalMachine, product.c_str()));
    EXPECT_FALSE(registry.HasKey(kRootLocalMachine, "Software\\Halden\\Product"));
    EXPECT_TRUE(registry.HasKey(kRootLocalMachine, "Software\\Microsoft\\Cryptography\\Defaults"));
    // Product, Options, Linked and Dangling: one try each.
    EXPECT_EQ(registry.deleteTries, 4u);

    registry.AddLink(kRootLocalMachine, product + "\\Linked", "\\Registry\\Machine\\Software\\Microsoft\\Cryptography");
    const std::string behind = product + "\\Linked\\Defaults";
    EXPECT_EQ(guard.MayDeleteTree(kRootLocalMachine, behind.c_str()), kKeptThroughLink);
    EXPECT_EQ(guard.MayChangeValue(kRootLocalMachine, behind.c_str(), "x", nullptr), kKeptThroughLink);
    EXPECT_EQ(guard.MayChangeValue(kRootLocalMachine, (product + "\\Linked").c_str(), "x", "1"), kKeptThroughLink);
    EXPECT_FALSE(guard.MayDeleteEmptyKey(kRootLocalMachine, behind.c_str()));
    EXPECT_FALSE(DeleteRegistryTree(registry, kRootLocalMachine, behind.c_str()));
}

}  // namespace
