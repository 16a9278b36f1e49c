// The Send To folder's entries and sending data to one of them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/shell/SendToList.h"
#include "controls/shell/ShellErrors.h"
#include "controls/shell/ShellFolders.h"
#include "controls/shell/tests/ShellTestSupport.h"
#include "utils/tests/ScratchFolder.h"

namespace {

constexpr GUID kIidDataObject = {0x0000010E, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

TEST(SendToListTest, ReadsVisibleFilesSortedWithoutRegardToCase) {
    ut_test::ScratchFolder scratch;
    ut_test::WriteTextFile(scratch / "b.txt", "x");
    ut_test::WriteTextFile(scratch / "A.txt", "x");
    ut_test::WriteTextFile(scratch / "c.txt", "x", FILE_ATTRIBUTE_HIDDEN);
    ut_test::MakeFolder(scratch / "a folder");
    const std::vector<mw::TSendToEntry> entries = mw::ReadSendToFolder(scratch.Path());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "A.txt");
    EXPECT_EQ(entries[1].name, "b.txt");
    EXPECT_GE(entries[0].iconIndex, 0);
    SetFileAttributesA((scratch / "c.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(mw::ReadSendToFolder(scratch / "missing").empty());
}

class SendToTest : public ::testing::Test {
protected:
    void SetUp() override {
        sendTo = mw::SpecialFolderPath(nullptr, 9);
        ASSERT_FALSE(sendTo.empty());
        CreateDirectoryA(sendTo.c_str(), nullptr);
        ut_test::WriteTextFile(scratch / "note.txt", "text");
        ASSERT_TRUE(SUCCEEDED(mw::BindToFolder(test::PidlOfPath(scratch.Path()).get(), folder)));
        const mw::TPidlPtr item = test::ParseIn(folder.Get(), "note.txt");
        LPCITEMIDLIST items[] = {item.get()};
        ASSERT_TRUE(SUCCEEDED(folder->GetUIObjectOf(nullptr, 1, items, kIidDataObject, nullptr,
                                                    reinterpret_cast<void**>(data.Receive()))));
    }

    ut_test::ScratchFolder scratch;
    std::string sendTo;
    mw::TShellFolderPtr folder;
    dragdrop::TComPtr<IDataObject> data;
};

TEST_F(SendToTest, AMissingEntryRaises) {
    EXPECT_THROW(mw::SendTo("no such entry.lnk", data.Get()), mw::EMwOleError);
}

// The entry is found and its drop target runs enter, over and drop without a failure. (Wine's
// folder drop target accepts the drop but does not copy, so the copy itself is not checked.)
TEST_F(SendToTest, DropsOntoTheEntrysDropTarget) {
    const std::string target = sendTo + "\\Target";
    ut_test::MakeFolder(target);
    EXPECT_NO_THROW(mw::SendTo("Target", data.Get()));
    DeleteFileA((target + "\\note.txt").c_str());
    RemoveDirectoryA(target.c_str());
}

}  // namespace
