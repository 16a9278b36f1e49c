// The shell's context menu for file-system items: building it, verbs by name, running them.

#include <gtest/gtest.h>

#include <ole2.h>

#include <string>

#include "controls/shell/ShellContextMenu.h"
#include "controls/shell/ShellErrors.h"
#include "controls/shell/ShellMenuCommands.h"
#include "controls/shell/tests/ShellTestSupport.h"
#include "utils/tests/ScratchFolder.h"

namespace {

class ShellContextMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        ut_test::WriteTextFile(scratch / "note.txt", "text");
        ASSERT_TRUE(SUCCEEDED(mw::BindToFolder(test::PidlOfPath(scratch.Path()).get(), folder)));
        item = test::ParseIn(folder.Get(), "note.txt");
        ASSERT_TRUE(item);
    }

    HRESULT MenuFor(UINT flags) {
        LPCITEMIDLIST items[] = {item.get()};
        return mw::GetContextMenu(nullptr, folder.Get(), 1, items, contextMenu, menu, flags, mw::kFirstShellCommand);
    }

    // Whether the built menu offers a command with that verb.
    bool MenuOffers(const std::string& verb) {
        for (int position = 0; position < GetMenuItemCount(menu.Get()); ++position) {
            const UINT id = GetMenuItemID(menu.Get(), position);
            if (id < mw::kFirstShellCommand || id > mw::kLastShellCommand) continue;
            char text[MAX_PATH] = {};
            if (SUCCEEDED(contextMenu->GetCommandString(id - mw::kFirstShellCommand, GCS_VERBA, nullptr, text, MAX_PATH)) &&
                lstrcmpiA(text, verb.c_str()) == 0)
                return true;
        }
        return false;
    }

    ut_test::ScratchFolder scratch;
    mw::TShellFolderPtr folder;
    mw::TPidlPtr item;
    mw::TContextMenuPtr contextMenu;
    cl::TMenuHandle menu;
};

TEST_F(ShellContextMenuTest, BuildsTheMenuWithShellIds) {
    ASSERT_TRUE(SUCCEEDED(MenuFor(CMF_EXPLORE)));
    ASSERT_TRUE(contextMenu);
    ASSERT_TRUE(menu);
    bool anyShellCommand = false;
    for (int position = 0; position < GetMenuItemCount(menu.Get()); ++position) {
        const UINT id = GetMenuItemID(menu.Get(), position);
        if (id >= mw::kFirstShellCommand && id <= mw::kLastShellCommand) anyShellCommand = true;
        if (id != 0xFFFFFFFF && id != 0) {
            EXPECT_GE(id, mw::kFirstShellCommand);
        }
    }
    EXPECT_TRUE(anyShellCommand);
}

// A read-only control asks without CMF_CANRENAME. (Wine's menu has no rename entry even when
// asked, so only the refusal is checked here.)
TEST_F(ShellContextMenuTest, OffersNoRenameUnlessAsked) {
    ASSERT_TRUE(SUCCEEDED(MenuFor(CMF_EXPLORE)));
    EXPECT_TRUE(MenuOffers("copy"));
    EXPECT_FALSE(MenuOffers("rename"));
}

TEST_F(ShellContextMenuTest, FindsVerbsWithoutRegardToCase) {
    ASSERT_TRUE(SUCCEEDED(MenuFor(CMF_EXPLORE)));
    const int copy = mw::FindVerbOffset(contextMenu.Get(), "copy");
    ASSERT_GE(copy, 0);
    EXPECT_EQ(mw::FindVerbOffset(contextMenu.Get(), "COPY"), copy);
    EXPECT_EQ(mw::FindVerbOffset(contextMenu.Get(), "no such verb"), -1);
    EXPECT_EQ(mw::FindVerbOffset(contextMenu.Get(), ""), -1);
}

TEST_F(ShellContextMenuTest, RunsAVerbByName) {
    ASSERT_TRUE(SUCCEEDED(MenuFor(CMF_EXPLORE)));
    ASSERT_TRUE(SUCCEEDED(mw::InvokeVerb(nullptr, contextMenu.Get(), "copy")));
    IDataObject* clipboard = nullptr;
    ASSERT_TRUE(SUCCEEDED(OleGetClipboard(&clipboard)));
    FORMATETC drop = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    EXPECT_EQ(clipboard->QueryGetData(&drop), S_OK);
    clipboard->Release();
    OleSetClipboard(nullptr);
}

TEST_F(ShellContextMenuTest, AVerbNotOfferedRunsNothing) {
    ASSERT_TRUE(SUCCEEDED(MenuFor(CMF_EXPLORE)));
    OleSetClipboard(nullptr);
    EXPECT_EQ(mw::InvokeVerb(nullptr, contextMenu.Get(), "no such verb"), mw::kVerbNotOffered);
    EXPECT_TRUE(ut_test::Exists(scratch / "note.txt"));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_HDROP));
}

}  // namespace
