// The data object and drop source of drags from the shell controls, and the effects the
// dragged items allow.

#include <gtest/gtest.h>

#include <ole2.h>

#include <string>
#include <vector>

#include "controls/shell/MwShellDataObject.h"
#include "controls/shell/MwShellDropSource.h"
#include "controls/shell/ShellControlsSetup.h"
#include "controls/shell/ShellDropEffects.h"
#include "controls/shell/tests/ShellTestSupport.h"
#include "dragdrop/ComPtr.h"
#include "dragdrop/GlobalMemory.h"
#include "utils/tests/ScratchFolder.h"

namespace {

class ShellDataObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        ut_test::WriteTextFile(scratch / "note.txt", "text");
        ut_test::MakeFolder(scratch / "sub");
        folderPidl = test::PidlOfPath(scratch.Path());
        ASSERT_TRUE(SUCCEEDED(mw::BindToFolder(folderPidl.get(), folder)));
        note = test::ParseIn(folder.Get(), "note.txt");
        sub = test::ParseIn(folder.Get(), "sub");
        ASSERT_TRUE(note && sub);
        data = dragdrop::TComPtr<IDataObject>::Adopt(mw::TMwShellDataObject::Create(folderPidl.get(), {note.get(), sub.get()}));
        ASSERT_TRUE(data);
    }

    ut_test::ScratchFolder scratch;
    mw::TPidlPtr folderPidl;
    mw::TShellFolderPtr folder;
    mw::TPidlPtr note;
    mw::TPidlPtr sub;
    dragdrop::TComPtr<IDataObject> data;
};

TEST_F(ShellDataObjectTest, OffersTheIdListArrayThenTheFileNames) {
    dragdrop::TComPtr<IEnumFORMATETC> formats;
    ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, formats.Receive()), S_OK);
    FORMATETC entries[3] = {};
    ULONG fetched = 0;
    EXPECT_EQ(formats->Next(3, entries, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 2u);
    EXPECT_EQ(entries[0].cfFormat, mw::ShellIdListClipboardFormat());
    EXPECT_EQ(entries[1].cfFormat, CF_HDROP);
    IEnumFORMATETC* none = nullptr;
    EXPECT_EQ(data->EnumFormatEtc(DATADIR_SET, &none), E_NOTIMPL);
}

TEST_F(ShellDataObjectTest, FileNamesAreTheFullPaths) {
    const auto block = dragdrop::GetGlobalData(data.Get(), CF_HDROP);
    ASSERT_TRUE(block);
    const auto header = dragdrop::ReadDropFilesHeader(block->data(), block->size());
    ASSERT_TRUE(header);
    EXPECT_FALSE(header->wide);
    EXPECT_EQ(dragdrop::ParseAnsiNameList(block->data() + header->namesOffset, block->size() - header->namesOffset),
              (std::vector<std::string>{scratch / "note.txt", scratch / "sub"}));
}

TEST_F(ShellDataObjectTest, IdListArrayHoldsTheFolderAndItsItems) {
    const auto block = dragdrop::GetGlobalData(data.Get(), mw::ShellIdListClipboardFormat());
    ASSERT_TRUE(block && block->size() > 16);
    const auto* words = reinterpret_cast<const uint32_t*>(block->data());
    ASSERT_EQ(words[0], 2u);
    const auto at = [&](int slot) { return reinterpret_cast<LPCITEMIDLIST>(block->data() + words[1 + slot]); };
    EXPECT_EQ(mw::ComparePidls(at(0), folderPidl.get()), 0);
    EXPECT_EQ(test::BytesOf(at(1)), test::BytesOf(note.get()));
    EXPECT_EQ(test::BytesOf(at(2)), test::BytesOf(sub.get()));
}

TEST_F(ShellDataObjectTest, AnswersOnlyItsFormatsInGlobalMemory) {
    struct Case {
        CLIPFORMAT format;
        DWORD aspect;
        DWORD media;
        HRESULT expected;
    };
    const Case cases[] = {
        {CF_HDROP, DVASPECT_CONTENT, TYMED_HGLOBAL | TYMED_ISTREAM, S_OK},
        {mw::ShellIdListClipboardFormat(), DVASPECT_CONTENT, TYMED_HGLOBAL, S_OK},
        {CF_HDROP, DVASPECT_CONTENT, TYMED_ISTREAM, DV_E_TYMED},
        {CF_HDROP, DVASPECT_ICON, TYMED_HGLOBAL, DV_E_FORMATETC},
        {CF_TEXT, DVASPECT_CONTENT, TYMED_HGLOBAL, DV_E_FORMATETC},
    };
    for (const Case& c : cases) {
        FORMATETC format = {c.format, nullptr, c.aspect, -1, c.media};
        EXPECT_EQ(data->QueryGetData(&format), c.expected) << c.format;
        STGMEDIUM medium = {};
        const HRESULT got = data->GetData(&format, &medium);
        EXPECT_EQ(got, c.expected) << c.format;
        if (got == S_OK) ReleaseStgMedium(&medium);
    }
}

TEST_F(ShellDataObjectTest, NothingToDragGivesNoObject) {
    EXPECT_EQ(mw::TMwShellDataObject::Create(folderPidl.get(), {}), nullptr);
}

TEST_F(ShellDataObjectTest, EffectsAreThoseEveryItemAllows) {
    LPCITEMIDLIST items[] = {note.get(), sub.get()};
    SFGAOF attributes = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    ASSERT_TRUE(SUCCEEDED(folder->GetAttributesOf(2, items, &attributes)));
    EXPECT_EQ(mw::DropEffectOfItems(data.Get()), attributes & 7);

    // Data without the shell's item list restrict nothing.
    ASSERT_TRUE(SUCCEEDED(OleSetClipboard(nullptr)));
    dragdrop::TComPtr<IDataObject> empty;
    ASSERT_TRUE(SUCCEEDED(OleGetClipboard(empty.Receive())));
    EXPECT_EQ(mw::DropEffectOfItems(empty.Get()), DWORD(7));
}

TEST(ShellDropSourceTest, FollowsTheDraggingButton) {
    dragdrop::TComPtr<IDropSource> source = dragdrop::TComPtr<IDropSource>::Adopt(mw::TMwShellDropSource::Create(mw::TShellDragButton::Right));
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_RBUTTON), S_OK);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, 0), DRAGDROP_S_DROP);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_RBUTTON | MK_LBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source->QueryContinueDrag(TRUE, MK_RBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source->GiveFeedback(DROPEFFECT_COPY), DRAGDROP_S_USEDEFAULTCURSORS);
}

}  // namespace
