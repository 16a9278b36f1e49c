// The per-node and per-item records of the shell controls over real folders: their lists,
// folders, names, attributes, details and drop targets; renames; and the detail texts.

#include <gtest/gtest.h>

#include "classlib/core/TextUtils.h"
#include "controls/shell/MwShellListData.h"
#include "controls/shell/MwShellListFolder.h"
#include "controls/shell/MwShellTreeData.h"
#include "controls/shell/ShellItemDetails.h"
#include "controls/shell/tests/ShellTestSupport.h"
#include "dragdrop/ComPtr.h"
#include "utils/tests/ScratchFolder.h"

namespace {

class ShellItemDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        ut_test::MakeFolder(scratch / "sub");
        ut_test::MakeFolder(scratch / "sub\\deeper");
        test::WriteFileOfSize(scratch / "a.txt", 1025);
        rootPidl = test::PidlOfPath(scratch.Path());
        ASSERT_TRUE(rootPidl);
    }

    ut_test::ScratchFolder scratch;
    mw::TPidlPtr rootPidl;
};

TEST_F(ShellItemDataTest, TreeNodesBuildTheirListsAndFolders) {
    TMwShellTreeData root(nullptr, rootPidl.get());
    EXPECT_TRUE(cl::SameText(root.PathName(), scratch.Path()));
    ASSERT_NE(root.Folder(), nullptr);
    ASSERT_NE(root.ParentFolder(), nullptr);
    EXPECT_FALSE(root.CanRename());

    TMwShellTreeData sub(&root, test::ParseIn(root.Folder(), "sub").get());
    EXPECT_TRUE(cl::SameText(sub.PathName(), scratch / "sub"));
    EXPECT_EQ(mw::ComparePidls(sub.AbsoluteIdList(), test::PidlOfPath(scratch / "sub").get()), 0);
    EXPECT_TRUE(sub.CanRename());
    ASSERT_NE(sub.Folder(), nullptr);
    TMwShellTreeData deeper(&sub, test::ParseIn(sub.Folder(), "deeper").get());
    EXPECT_TRUE(cl::SameText(deeper.PathName(), scratch / "sub\\deeper"));
    EXPECT_EQ(deeper.ParentFolder(), sub.Folder());

    // A file is no folder.
    TMwShellTreeData file(&root, test::ParseIn(root.Folder(), "a.txt").get());
    EXPECT_EQ(file.Folder(), nullptr);

    for (TMwShellTreeData* node : {&root, &sub}) {
        dragdrop::TComPtr<IDropTarget> target;
        EXPECT_HRESULT_SUCCEEDED(node->GetItemDropTarget(nullptr, target.Receive()));
        EXPECT_TRUE(target);
    }
}

TEST_F(ShellItemDataTest, TheDesktopRoot) {
    TMwShellTreeData desktop(nullptr, nullptr);
    ASSERT_NE(desktop.Folder(), nullptr);
    EXPECT_FALSE(desktop.CanRename());
    EXPECT_EQ(mw::GetPidlSize(desktop.RelIdList()), 0u);
    dragdrop::TComPtr<IDropTarget> target;
    EXPECT_HRESULT_SUCCEEDED(desktop.GetItemDropTarget(nullptr, target.Receive()));
    EXPECT_TRUE(target);

    TMwShellTreeData empty(nullptr, mw::EmptyPidl().get());
    ASSERT_NE(empty.Folder(), nullptr);
    EXPECT_FALSE(empty.CanRename());
}

TEST_F(ShellItemDataTest, RenamedNodesFollowTheirNewNames) {
    TMwShellTreeData root(nullptr, rootPidl.get());
    TMwShellTreeData sub(&root, test::ParseIn(root.Folder(), "sub").get());
    TMwShellTreeData deeper(&sub, test::ParseIn(sub.Folder(), "deeper").get());
    ASSERT_TRUE(cl::SameText(deeper.PathName(), scratch / "sub\\deeper"));

    ASSERT_TRUE(MoveFileA((scratch / "sub").c_str(), (scratch / "renamed").c_str()));
    sub.SetRelIdList(test::ParseIn(root.Folder(), "renamed").get());
    deeper.ResetCache();
    EXPECT_TRUE(cl::SameText(sub.PathName(), scratch / "renamed"));
    EXPECT_TRUE(cl::SameText(deeper.PathName(), scratch / "renamed\\deeper"));

    // A renamed root keeps its parent.
    TMwShellTreeData renamedRoot(nullptr, test::PidlOfPath(scratch / "renamed").get());
    ASSERT_TRUE(MoveFileA((scratch / "renamed").c_str(), (scratch / "moved").c_str()));
    renamedRoot.SetRelIdList(test::ParseIn(root.Folder(), "moved").get());
    EXPECT_TRUE(cl::SameText(renamedRoot.PathName(), scratch / "moved"));
}

TEST_F(ShellItemDataTest, ListItemsOfAFolder) {
    const TMwShellListFolder folder(rootPidl.get());
    ASSERT_NE(folder.Folder(), nullptr);
    TMwShellListData file(folder, test::ParseIn(folder.Folder(), "a.txt"));
    TMwShellListData sub(folder, test::ParseIn(folder.Folder(), "sub"));

    EXPECT_TRUE(cl::SameText(file.PathName(), scratch / "a.txt"));
    EXPECT_FALSE(file.IsFolder());
    EXPECT_TRUE(sub.IsFolder());
    EXPECT_TRUE(file.CanRename());
    EXPECT_TRUE(file.Attributes() & SFGAO_FILESYSTEM);
    EXPECT_FALSE(file.IsLink());
    EXPECT_EQ(sub.DisplayName(), "sub");
    EXPECT_EQ(file.ColumnText(0), "");

    // With the folder's details, column 1 is what the folder says about the size.
    ASSERT_NE(folder.Details(), nullptr);
    EXPECT_FALSE(file.ColumnText(1).empty());

    ASSERT_TRUE(MoveFileA((scratch / "sub").c_str(), (scratch / "other").c_str()));
    sub.SetRelIdList(test::ParseIn(folder.Folder(), "other"));
    EXPECT_EQ(sub.DisplayName(), "other");
    EXPECT_TRUE(cl::SameText(sub.PathName(), scratch / "other"));

    test::WriteFileOfSize(scratch / "x.LNK", 10);
    TMwShellListData link(folder, test::ParseIn(folder.Folder(), "x.LNK"));
    EXPECT_TRUE(link.IsLink());
}

TEST_F(ShellItemDataTest, DetailTexts) {
    const mw::TPidlPtr file = test::PidlOfPath(scratch / "a.txt");
    const mw::TItemDetails fileDetails = mw::ReadItemDetails(file.get(), SFGAO_FILESYSTEM);
    EXPECT_EQ(fileDetails.sizeText, "2KB");
    EXPECT_FALSE(fileDetails.modifiedText.empty());
    EXPECT_FALSE(fileDetails.typeText.empty());

    const mw::TItemDetails folderDetails = mw::ReadItemDetails(test::PidlOfPath(scratch / "sub").get(), SFGAO_FILESYSTEM);
    EXPECT_EQ(folderDetails.sizeText, "");
    EXPECT_FALSE(folderDetails.modifiedText.empty());

    // Drive roots are not looked up, and items outside the file system are system folders.
    const mw::TItemDetails root = mw::ReadItemDetails(test::PidlOfPath("C:\\").get(), 0);
    EXPECT_EQ(root.sizeText, "");
    EXPECT_EQ(root.modifiedText, "");
    EXPECT_EQ(root.typeText, "System Folder");

    EXPECT_EQ(mw::FormatFileTime(FILETIME{}), "");
}

}  // namespace
