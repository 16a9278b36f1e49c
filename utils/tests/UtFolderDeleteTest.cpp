#include "utils/UtFolderDelete.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "utils/tests/ScratchFolder.h"

namespace {

using ut_test::Exists;
using ut_test::MakeFolder;
using ut_test::ScratchFolder;
using ut_test::WriteTextFile;

// tree\a.txt (read-only), tree\hidden.txt (hidden, system), tree\sub (read-only)\b.txt
// (read-only), tree\sub\deeper\c.txt. Wine keeps no read-only attribute on folders; Windows does.
void MakeTree(const std::string& tree) {
    MakeFolder(tree);
    WriteTextFile(tree + "\\a.txt", "a", FILE_ATTRIBUTE_READONLY);
    WriteTextFile(tree + "\\hidden.txt", "h", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    MakeFolder(tree + "\\sub");
    WriteTextFile(tree + "\\sub\\b.txt", "b", FILE_ATTRIBUTE_READONLY);
    MakeFolder(tree + "\\sub\\deeper");
    WriteTextFile(tree + "\\sub\\deeper\\c.txt", "c");
    SetFileAttributesA((tree + "\\sub").c_str(), FILE_ATTRIBUTE_READONLY);
}

TEST(DeleteFolderContents, RemovesReadOnlyFilesAndFoldersAndTheFolder) {
    ScratchFolder root;
    for (const char* path : {"tree", "tree\\"}) {
        MakeTree(root / "tree");
        EXPECT_TRUE(ut::DeleteFolderContents(root / path, false)) << path;
        EXPECT_FALSE(Exists(root / "tree")) << path;
    }
}

TEST(DeleteFolderTree, RemovesTheTree) {
    ScratchFolder root;
    MakeTree(root / "tree");
    ut::DeleteFolderTree(root / "tree", false);
    EXPECT_FALSE(Exists(root / "tree"));
}

TEST(DeleteFolderContents, FilterKeepsFilesAndTheirFolders) {
    ScratchFolder root;
    MakeTree(root / "tree");
    std::vector<std::string> asked;
    auto keepB = [&](const std::string& path, unsigned attributes) {
        asked.push_back(path);
        return path != root / "tree\\sub\\b.txt";
    };
    EXPECT_FALSE(ut::DeleteFolderContents(root / "tree", false, keepB));
    EXPECT_TRUE(Exists(root / "tree\\sub\\b.txt"));
    EXPECT_FALSE(Exists(root / "tree\\a.txt"));
    EXPECT_FALSE(Exists(root / "tree\\sub\\deeper"));
    EXPECT_EQ(asked.size(), 4u) << "asked once per file, with its full path";
}

TEST(DeleteFolderContents, GoesOnPastAFileItCannotDelete) {
    ScratchFolder root;
    MakeTree(root / "tree");
    HANDLE locked = CreateFileA((root / "tree\\sub\\deeper\\c.txt").c_str(), GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    const bool deleted = ut::DeleteFolderContents(root / "tree", false);
    CloseHandle(locked);
    EXPECT_FALSE(deleted);
    EXPECT_TRUE(Exists(root / "tree\\sub\\deeper\\c.txt"));
    EXPECT_FALSE(Exists(root / "tree\\a.txt"));
    EXPECT_FALSE(Exists(root / "tree\\sub\\b.txt"));
}

TEST(DeleteFolderContents, MissingFolderIsFalse) {
    ScratchFolder root;
    EXPECT_FALSE(ut::DeleteFolderContents(root / "missing", false));
}

// outside\keep.txt (read-only), the folder a link points to.
struct LinkTarget {
    explicit LinkTarget(const ScratchFolder& root) : folder(root / "outside"), file(root / "outside\\keep.txt") {
        MakeFolder(folder);
        WriteTextFile(file, "precious", FILE_ATTRIBUTE_READONLY);
    }
    void ExpectUntouched() const {
        EXPECT_TRUE(Exists(file));
        EXPECT_NE(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    }
    std::string folder;
    std::string file;
};

TEST(DeleteFolderContents, NeverFollowsADirectoryLinkOutOfTheTree) {
    ScratchFolder root;
    LinkTarget outside(root);
    MakeTree(root / "tree");
    SetFileAttributesA((root / "tree\\sub").c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!ut_test::MakeDirectoryLink(root / "tree\\sub\\link", outside.folder))
        GTEST_SKIP() << "this platform makes no directory links";

    const bool deleted = ut::DeleteFolderContents(root / "tree", false);

    outside.ExpectUntouched();
    EXPECT_FALSE(Exists(root / "tree\\a.txt"));
    EXPECT_FALSE(Exists(root / "tree\\sub\\b.txt"));
    // Windows removes the link and with it the tree; Wine 8 cannot remove a host symbolic
    // link, so there the link and the folders above it stay. Either way the result says so.
    EXPECT_EQ(deleted, !Exists(root / "tree"));
    EXPECT_EQ(deleted, !Exists(root / "tree\\sub\\link"));
}

TEST(DeleteFolderContents, AFolderThatIsALinkIsUnlinkedNotEmptied) {
    ScratchFolder root;
    LinkTarget outside(root);
    if (!ut_test::MakeDirectoryLink(root / "link", outside.folder))
        GTEST_SKIP() << "this platform makes no directory links";

    const bool deleted = ut::DeleteFolderContents(root / "link\\", false);

    outside.ExpectUntouched();
    EXPECT_EQ(deleted, !Exists(root / "link"));
}

}  // namespace
