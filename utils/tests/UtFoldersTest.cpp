#include "utils/UtFolders.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "utils/UtErrors.h"
#include "utils/tests/ScratchFolder.h"

namespace {

using ut_test::Exists;
using ut_test::ScratchFolder;

TEST(CreateFolderPath, CreatesEveryMissingLevel) {
    ScratchFolder root;
    EXPECT_TRUE(ut::CreateFolderPath(root / "one\\two\\three\\"));
    EXPECT_TRUE(ut::FolderExists(root / "one\\two\\three"));
    // Existing folders are fine, and so is creating below them.
    EXPECT_TRUE(ut::CreateFolderPath(root / "one\\two"));
    EXPECT_TRUE(ut::CreateFolderPath(root / "one\\two\\four"));
    EXPECT_TRUE(ut::FolderExists(root / "one\\two\\four"));
}

TEST(CreateFolderPath, DriveRootsNeedNoWork) {
    for (const char* root : {"C:", "C:\\", "\\"}) EXPECT_TRUE(ut::CreateFolderPath(root)) << root;
}

TEST(CreateFolderPath, EmptyPathRaises) {
    try {
        ut::CreateFolderPath("");
        FAIL() << "no exception";
    } catch (const ut::EUtFileUtilsError& error) {
        EXPECT_STREQ(error.what(), "Unable to create directory");
    }
}

TEST(CreateFolderPath, FailsBelowAFile) {
    ScratchFolder root;
    ut_test::WriteTextFile(root / "file", "x");
    EXPECT_FALSE(ut::CreateFolderPath(root / "file\\sub\\deeper"));
    EXPECT_FALSE(Exists(root / "file\\sub"));
}

TEST(CreateFolderPath, RelativePathIsCreatedInTheCurrentFolder) {
    ScratchFolder root;
    char previous[MAX_PATH + 1];
    ASSERT_NE(GetCurrentDirectoryA(sizeof previous, previous), 0u);
    ASSERT_TRUE(SetCurrentDirectoryA(root.Path().c_str()));
    const bool created = ut::CreateFolderPath("fresh\\sub");
    SetCurrentDirectoryA(previous);
    EXPECT_TRUE(created);
    EXPECT_TRUE(ut::FolderExists(root / "fresh\\sub"));
}

TEST(FolderExists, OnlyForFolders) {
    ScratchFolder root;
    ut_test::WriteTextFile(root / "file", "");
    EXPECT_TRUE(ut::FolderExists(root.Path()));
    EXPECT_TRUE(ut::FolderExists(root.Path() + "\\"));
    EXPECT_FALSE(ut::FolderExists(root / "file"));
    EXPECT_FALSE(ut::FolderExists(root / "missing"));
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

TEST(CollectFolderEntries, AttributeSetSelectsSpecialEntries) {
    ScratchFolder root;
    ut_test::WriteTextFile(root / "plain.txt", "");
    ut_test::WriteTextFile(root / "readonly.txt", "", FILE_ATTRIBUTE_READONLY);
    ut_test::WriteTextFile(root / "hidden.txt", "", FILE_ATTRIBUTE_HIDDEN);
    ut_test::MakeFolder(root / "sub");
    ASSERT_NE(GetFileAttributesA((root / "hidden.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);

    struct Case {
        unsigned attributes;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {0, {"plain.txt", "readonly.txt"}},
        {FILE_ATTRIBUTE_DIRECTORY, {"plain.txt", "readonly.txt", "sub"}},
        {FILE_ATTRIBUTE_HIDDEN, {"hidden.txt", "plain.txt", "readonly.txt"}},
        {ut::kAnyFileAttributes, {"hidden.txt", "plain.txt", "readonly.txt", "sub"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> names = {"kept"};
        EXPECT_TRUE(ut::CollectFolderEntries(root / "*.*", c.attributes, names)) << c.attributes;
        ASSERT_FALSE(names.empty());
        EXPECT_EQ(names.front(), "kept") << "the list is appended to";
        names.erase(names.begin());
        EXPECT_EQ(Sorted(names), c.expected) << c.attributes;
    }
}

TEST(CollectFolderEntries, NothingFoundIsFalse) {
    ScratchFolder root;
    ut_test::MakeFolder(root / "empty");
    std::vector<std::string> names = {"kept"};
    EXPECT_FALSE(ut::CollectFolderEntries(root / "missing\\*.*", ut::kAnyFileAttributes, names));
    EXPECT_FALSE(ut::CollectFolderEntries(root / "*.none", ut::kAnyFileAttributes, names));
    // Only "." and ".." match: found, but never listed.
    EXPECT_TRUE(ut::CollectFolderEntries(root / "empty\\*.*", ut::kAnyFileAttributes, names));
    EXPECT_EQ(names, std::vector<std::string>{"kept"});
}

}  // namespace
