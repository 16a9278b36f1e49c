#include "utils/UtShell.h"

#include <gtest/gtest.h>

#include "utils/tests/ScratchFolder.h"

namespace {

using ut_test::Exists;
using ut_test::ScratchFolder;

TEST(ShellDeleteFlags, FromOptionBits) {
    struct Case {
        unsigned options;
        WORD flags;
    };
    for (const Case& c : {Case{0, 0}, Case{ut::kShellSilent, 0x614}, Case{ut::kShellAllowUndo, 0x40},
                          Case{ut::kShellSilent | ut::kShellAllowUndo, 0x654}, Case{ut::kShellFilesOnly, 0x80},
                          Case{7, 0x6D4}}) {
        EXPECT_EQ(ut::ShellDeleteFlags(c.options), c.flags) << c.options;
    }
}

TEST(ShellDeleteFolder, RemovesContentsAndFolder) {
    ScratchFolder root;
    const std::string tree = root / "tree";
    ut_test::MakeFolder(tree);
    ut_test::WriteTextFile(tree + "\\a.txt", "a");
    ut_test::MakeFolder(tree + "\\sub");
    ut_test::WriteTextFile(tree + "\\sub\\b.txt", "b");
    // Files-only is dropped: the subfolder must go too.
    EXPECT_TRUE(ut::ShellDeleteFolder(nullptr, tree + "\\", ut::kShellSilent | ut::kShellFilesOnly));
    EXPECT_FALSE(Exists(tree));
    EXPECT_TRUE(Exists(root.Path()));
}

}  // namespace
