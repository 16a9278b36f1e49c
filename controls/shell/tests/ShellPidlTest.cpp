// Item-ID lists of real folders: parsing, paths, copies, joins, comparison, item arrays,
// special folders, names and icons.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "classlib/core/TextUtils.h"
#include "controls/shell/MwIdListArray.h"
#include "controls/shell/MwShellUtils.h"
#include "controls/shell/ShellDisplayNames.h"
#include "controls/shell/ShellFolders.h"
#include "controls/shell/SystemImageLists.h"
#include "controls/shell/tests/PidlBytes.h"
#include "controls/shell/tests/ShellTestSupport.h"
#include "utils/tests/ScratchFolder.h"

namespace {

using test::BytesOf;
using test::MakePidl;

class ShellPidlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ut_test::MakeFolder(outer);
        ut_test::MakeFolder(inner);
    }

    ut_test::ScratchFolder scratch;
    const std::string outer = scratch / "outer";
    const std::string inner = scratch / "outer\\inner";
};

TEST_F(ShellPidlTest, FolderListsRoundTripThroughPaths) {
    const mw::TPidlPtr pidl = test::PidlOfPath(inner);
    ASSERT_TRUE(pidl);
    EXPECT_TRUE(cl::SameText(mw::PidlToPath(pidl.get()), inner)) << mw::PidlToPath(pidl.get());

    // The parent and the last item, joined again, name the same folder.
    TMwIdListArray items(pidl.get());
    ASSERT_GE(items.Count(), 2);
    const mw::TPidlPtr parent = mw::CopyPidl(nullptr, items.ParentPidl(1));
    EXPECT_TRUE(cl::SameText(mw::PidlToPath(parent.get()), outer));
    const mw::TPidlPtr last = mw::CopyPidl(nullptr, items.Item(items.Count() - 1));
    EXPECT_EQ(TMwIdListArray(last.get()).Count(), 1);
    const mw::TPidlPtr joined = mw::ConcatPidls(nullptr, parent.get(), last.get());
    EXPECT_EQ(BytesOf(joined.get()), BytesOf(pidl.get()));
    EXPECT_TRUE(cl::SameText(mw::PidlToPath(joined.get()), inner));

    EXPECT_EQ(mw::ComparePidls(joined.get(), test::PidlOfPath(inner).get()), 0);
    EXPECT_NE(mw::ComparePidls(parent.get(), pidl.get()), 0);
    // All the way up is the desktop, the empty list.
    EXPECT_EQ(mw::GetPidlSize(items.ParentPidl(items.Count())), 2u);
}

TEST_F(ShellPidlTest, MissingAndNonFileSystemItems) {
    EXPECT_FALSE(mw::PidlToPath(nullptr).empty());  // the desktop's folder
    mw::TPidlPtr drives;
    ASSERT_HRESULT_SUCCEEDED(mw::SpecialFolderLocation(nullptr, CSIDL_DRIVES, drives));
    EXPECT_EQ(mw::PidlToPath(drives.get()), "");
    mw::TPidlPtr unknown;
    EXPECT_HRESULT_FAILED(mw::PathToPidl(scratch / "no such folder", unknown));
    EXPECT_FALSE(unknown);
    // The flag bits of a folder id are masked off.
    mw::TPidlPtr flagged;
    ASSERT_HRESULT_SUCCEEDED(mw::SpecialFolderLocation(nullptr, CSIDL_DRIVES | CSIDL_FLAG_CREATE, flagged));
    EXPECT_EQ(mw::ComparePidls(flagged.get(), drives.get()), 0);
}

TEST_F(ShellPidlTest, CopiesAndJoinsOfEmptyLists) {
    const mw::TPidlPtr empty = mw::EmptyPidl();
    EXPECT_EQ(BytesOf(mw::ConcatPidls(nullptr, empty.get(), empty.get()).get()), MakePidl({}));
    EXPECT_EQ(BytesOf(mw::ConcatPidls(nullptr, nullptr, nullptr).get()), MakePidl({}));
    EXPECT_FALSE(mw::CopyPidl(nullptr, nullptr));
    EXPECT_EQ(mw::ComparePidls(nullptr, empty.get()), -1);
    EXPECT_EQ(mw::ComparePidls(empty.get(), mw::EmptyPidl().get()), 0);
}

TEST(IdListArray, ParentsAndItems) {
    const mw::TPidlPtr three = test::PidlOfBytes(MakePidl({{'a'}, {'b', 'b'}, {'c'}}));
    TMwIdListArray items(three.get());
    EXPECT_EQ(items.Count(), 3);
    EXPECT_EQ(BytesOf(items.ParentPidl(0)), MakePidl({{'a'}, {'b', 'b'}, {'c'}}));
    EXPECT_EQ(BytesOf(items.ParentPidl(1)), MakePidl({{'a'}, {'b', 'b'}}));
    EXPECT_EQ(BytesOf(items.ParentPidl(3)), MakePidl({}));
    EXPECT_EQ(BytesOf(items.Item(0)), MakePidl({{'a'}}));
    EXPECT_EQ(BytesOf(items.Item(2)), MakePidl({{'c'}}));
    for (int outside : {-1, 4}) EXPECT_EQ(items.ParentPidl(outside), nullptr) << outside;
    for (int outside : {-1, 3}) EXPECT_EQ(items.Item(outside), nullptr) << outside;

    const mw::TPidlPtr empty = mw::EmptyPidl();
    TMwIdListArray desktop(empty.get());
    EXPECT_EQ(desktop.Count(), 0);
    EXPECT_EQ(BytesOf(desktop.Item(0)), MakePidl({}));
    EXPECT_EQ(desktop.Item(1), nullptr);

    TMwIdListArray missing(nullptr);
    EXPECT_EQ(missing.Count(), 0);
    EXPECT_EQ(missing.ParentPidl(0), nullptr);
    EXPECT_EQ(missing.Item(0), nullptr);
}

TEST_F(ShellPidlTest, SpecialFolders) {
    EXPECT_EQ(mw::FindSpecialFolder(mw::EmptyPidl().get()), CSIDL_DESKTOP);
    mw::TPidlPtr drives;
    ASSERT_HRESULT_SUCCEEDED(mw::SpecialFolderLocation(nullptr, CSIDL_DRIVES, drives));
    EXPECT_EQ(mw::FindSpecialFolder(drives.get()), CSIDL_DRIVES);
    EXPECT_EQ(mw::FindSpecialFolder(test::PidlOfPath(inner).get()), mw::kNotASpecialFolder);
    EXPECT_TRUE(cl::SameText(mw::SpecialFolderPath(nullptr, CSIDL_WINDOWS), "C:\\windows"));
}

TEST_F(ShellPidlTest, DisplayNames) {
    const mw::TPidlPtr pidl = test::PidlOfPath(inner);
    ASSERT_TRUE(pidl);
    EXPECT_EQ(mw::GetPidlDisplayName(pidl.get()), "inner");
    EXPECT_TRUE(cl::SameText(mw::GetRelativeDisplayName(nullptr, pidl.get(), mw::TMwNameKind::ForParsing), inner));

    mw::TShellFolderPtr outerFolder;
    ASSERT_HRESULT_SUCCEEDED(mw::BindToFolder(test::PidlOfPath(outer).get(), outerFolder));
    const mw::TPidlPtr relative = test::ParseIn(outerFolder.Get(), "inner");
    ASSERT_TRUE(relative);
    EXPECT_EQ(mw::GetRelativeDisplayName(outerFolder.Get(), relative.get(), mw::TMwNameKind::InFolder), "inner");
    EXPECT_EQ(mw::GetRelativeDisplayName(outerFolder.Get(), relative.get(), mw::TMwNameKind::ForEditing), "inner");

    // One item: the desktop names it.
    mw::TPidlPtr drives;
    ASSERT_HRESULT_SUCCEEDED(mw::SpecialFolderLocation(nullptr, CSIDL_DRIVES, drives));
    EXPECT_EQ(mw::GetPidlDisplayName(drives.get()),
              mw::GetRelativeDisplayName(nullptr, drives.get(), mw::TMwNameKind::InFolder));
    EXPECT_FALSE(mw::GetPidlDisplayName(drives.get()).empty());
}

TEST_F(ShellPidlTest, IconIndexesPointIntoTheSystemLists) {
    const HIMAGELIST small = mw::GetSystemImageList(mw::TMwImageListSize::Small);
    const HIMAGELIST large = mw::GetSystemImageList(mw::TMwImageListSize::Large);
    ASSERT_NE(small, nullptr);
    ASSERT_NE(large, nullptr);
    int width = 0;
    int height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(small, &width, &height));
    EXPECT_EQ(width, GetSystemMetrics(SM_CXSMICON));
    ASSERT_TRUE(ImageList_GetIconSize(large, &width, &height));
    EXPECT_EQ(width, GetSystemMetrics(SM_CXICON));

    const int index = mw::GetShellIconIndex(test::PidlOfPath(inner).get(), SHGFI_SMALLICON);
    EXPECT_GE(index, 0);
    EXPECT_LT(index, ImageList_GetImageCount(small));

    // The overlay images are added once per process, not on every call.
    const int count = ImageList_GetImageCount(small);
    mw::GetSystemImageList(mw::TMwImageListSize::Small);
    EXPECT_EQ(ImageList_GetImageCount(small), count);
}

}  // namespace
