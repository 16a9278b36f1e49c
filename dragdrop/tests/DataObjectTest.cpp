#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "classlib/win/Application.h"
#include "dragdrop/ComPtr.h"
#include "dragdrop/DropFileSource.h"
#include "dragdrop/GlobalMemory.h"
#include "dragdrop/OleSession.h"

namespace {

using dragdrop::TBytes;
using dragdrop::TComPtr;

FORMATETC Request(CLIPFORMAT format, DWORD aspect = DVASPECT_CONTENT, DWORD media = TYMED_HGLOBAL) {
    return {format, nullptr, aspect, -1, media};
}

class DataObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        source = new TDropFileSource(&app);
        data = source;
    }

    // The block GetData renders, or its failure.
    HRESULT Render(FORMATETC request, TBytes& block) {
        STGMEDIUM medium{};
        const HRESULT result = data->GetData(&request, &medium);
        if (SUCCEEDED(result)) {
            EXPECT_EQ(medium.tymed, static_cast<DWORD>(TYMED_HGLOBAL));
            block = dragdrop::BytesOfGlobal(medium.hGlobal).value_or(TBytes{});
            ReleaseStgMedium(&medium);
        }
        return result;
    }
    HRESULT Render(CLIPFORMAT format, TBytes& block) { return Render(Request(format), block); }

    const dragdrop::TClipboardFormats& formats = dragdrop::ClipboardFormats();
    cl::TApplication app;
    TDropFileSource* source = nullptr;
    IDataObject* data = nullptr;
};

TEST_F(DataObjectTest, FileListIsReadBackByTheShellFromCfHdrop) {
    source->Files()->Assign(std::vector<std::string>{"C:\\dir\\a.txt", "C:\\other\\b c.txt"});
    FORMATETC request = Request(CF_HDROP);
    STGMEDIUM medium{};
    ASSERT_EQ(data->GetData(&request, &medium), S_OK);
    HDROP drop = static_cast<HDROP>(medium.hGlobal);
    ASSERT_EQ(DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0), 2u);
    char path[MAX_PATH];
    DragQueryFileA(drop, 0, path, MAX_PATH);
    EXPECT_STREQ(path, "C:\\dir\\a.txt");
    DragQueryFileA(drop, 1, path, MAX_PATH);
    EXPECT_STREQ(path, "C:\\other\\b c.txt");
    EXPECT_EQ(GlobalSize(medium.hGlobal), 20u + 13 + 17 + 1);
    ReleaseStgMedium(&medium);
}

TEST_F(DataObjectTest, RendersNameMapsOnlyForOneNamePerFile) {
    source->Files()->Assign(std::vector<std::string>{"C:\\t\\1.tmp", "C:\\t\\2.tmp"});
    TBytes block;
    EXPECT_EQ(Render(formats.fileNameMap, block), DV_E_FORMATETC);
    EXPECT_EQ(Render(formats.fileNameMapW, block), DV_E_FORMATETC);

    source->MappedNames()->Assign(std::vector<std::string>{"one.txt", "two.txt"});
    ASSERT_EQ(Render(formats.fileNameMap, block), S_OK);
    EXPECT_EQ(dragdrop::ParseAnsiNameList(block.data(), block.size()), (std::vector<std::string>{"one.txt", "two.txt"}));
    ASSERT_EQ(Render(formats.fileNameMapW, block), S_OK);
    EXPECT_EQ(block.size(), 2u + 2 * (2 * 7 + 2));
    EXPECT_EQ(dragdrop::ParseWideNameList(block.data(), block.size()), (std::vector<std::u16string>{u"one.txt", u"two.txt"}));
}

TEST_F(DataObjectTest, PreferredDropEffectCarriesTheLastFeedback) {
    source->Files()->Add("C:\\a");
    TBytes block;
    ASSERT_EQ(Render(formats.preferredDropEffect, block), S_OK);
    EXPECT_EQ(block, TBytes(4, 0));
    source->GiveFeedback(DROPEFFECT_MOVE);
    ASSERT_EQ(Render(formats.preferredDropEffect, block), S_OK);
    EXPECT_EQ(block, (TBytes{2, 0, 0, 0}));
}

TEST_F(DataObjectTest, RefusesRequestsItCannotRender) {
    TBytes block;
    EXPECT_EQ(Render(CF_HDROP, block), E_UNEXPECTED);  // no files yet

    source->Files()->Add("C:\\a");
    struct Case {
        const char* what;
        FORMATETC request;
    };
    const Case cases[] = {
        {"format not offered", Request(CF_TEXT)},
        {"icon aspect", Request(CF_HDROP, DVASPECT_ICON)},
        {"stream medium", Request(CF_HDROP, DVASPECT_CONTENT, TYMED_ISTREAM)},
    };
    for (const Case& c : cases) EXPECT_EQ(Render(c.request, block), DV_E_FORMATETC) << c.what;
}

TEST_F(DataObjectTest, QueryGetDataNeedsFormatAspectAndASharedMedium) {
    struct Case {
        FORMATETC request;
        HRESULT result;
    };
    Case cases[] = {
        {Request(CF_HDROP), S_OK},
        {Request(formats.fileNameMapW), S_OK},
        {Request(CF_HDROP, DVASPECT_CONTENT, TYMED_HGLOBAL | TYMED_ISTREAM), S_OK},
        {Request(CF_HDROP, DVASPECT_CONTENT, TYMED_ISTREAM), E_FAIL},
        {Request(CF_HDROP, DVASPECT_THUMBNAIL), E_FAIL},
        {Request(CF_TEXT), E_FAIL},
    };
    for (Case& c : cases) EXPECT_EQ(data->QueryGetData(&c.request), c.result) << c.request.cfFormat;
}

TEST_F(DataObjectTest, EnumeratorWalksTheFormatsAndOutlivesTheSource) {
    EXPECT_EQ(data->EnumFormatEtc(DATADIR_SET, nullptr), E_POINTER);
    IEnumFORMATETC* raw = nullptr;
    EXPECT_EQ(data->EnumFormatEtc(DATADIR_SET, &raw), E_NOTIMPL);
    EXPECT_EQ(data->EnumFormatEtc(7, &raw), E_INVALIDARG);
    ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, &raw), S_OK);
    TComPtr<IEnumFORMATETC> formatsOf = TComPtr<IEnumFORMATETC>::Adopt(raw);

    FORMATETC entries[5];
    ULONG fetched = 0;
    ASSERT_EQ(formatsOf->Next(3, entries, &fetched), S_OK);
    EXPECT_EQ(fetched, 3u);
    ASSERT_EQ(formatsOf->Next(3, entries + 3, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 2u);
    const CLIPFORMAT expected[] = {CF_HDROP, formats.shellIdList, formats.preferredDropEffect, formats.fileNameMap,
                                   formats.fileNameMapW};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(entries[i].cfFormat, expected[i]) << i;
        EXPECT_EQ(entries[i].ptd, nullptr);
        EXPECT_EQ(entries[i].dwAspect, static_cast<DWORD>(DVASPECT_CONTENT));
        EXPECT_EQ(entries[i].lindex, -1);
        EXPECT_EQ(entries[i].tymed, static_cast<DWORD>(TYMED_HGLOBAL));
    }
    EXPECT_EQ(formatsOf->Next(1, entries, nullptr), S_FALSE);

    formatsOf->Reset();
    EXPECT_EQ(formatsOf->Skip(4), S_OK);
    TComPtr<IEnumFORMATETC> clone;
    ASSERT_EQ(formatsOf->Clone(clone.Receive()), S_OK);
    EXPECT_EQ(formatsOf->Skip(2), S_FALSE);  // only one left: moves to the end
    EXPECT_EQ(formatsOf->Next(1, entries, nullptr), S_FALSE);

    // The clone kept its own place, and both stay usable after the source is gone.
    cl::Free(source);
    ASSERT_EQ(clone->Next(1, entries, &fetched), S_OK);
    EXPECT_EQ(entries[0].cfFormat, formats.fileNameMapW);
}

TEST_F(DataObjectTest, FormatListStopsAtTwentyEntries) {
    for (int i = 0; i < 20; ++i) source->AddFormatEtc(static_cast<CLIPFORMAT>(CF_PRIVATEFIRST + i), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL);
    EXPECT_EQ(source->Formats().Count(), 20);
    FORMATETC last = Request(CF_PRIVATEFIRST + 14);
    FORMATETC ignored = Request(CF_PRIVATEFIRST + 15);
    EXPECT_EQ(data->QueryGetData(&last), S_OK);
    EXPECT_EQ(data->QueryGetData(&ignored), E_FAIL);
}

TEST_F(DataObjectTest, ReferencesThatOleTakesAreGivenBackWithoutFreeingTheComponent) {
    void* asDropSource = nullptr;
    void* asUnknown = nullptr;
    void* asTarget = reinterpret_cast<void*>(1);
    ASSERT_EQ(data->QueryInterface(IID_IDropSource, &asDropSource), S_OK);
    ASSERT_EQ(data->QueryInterface(IID_IUnknown, &asUnknown), S_OK);
    EXPECT_EQ(data->QueryInterface(IID_IDropTarget, &asTarget), E_NOINTERFACE);
    EXPECT_EQ(asTarget, nullptr);
    EXPECT_EQ(asDropSource, static_cast<IDropSource*>(source));
    EXPECT_EQ(source->RefCount(), 3);
    static_cast<IUnknown*>(asUnknown)->Release();
    static_cast<IDropSource*>(asDropSource)->Release();
    EXPECT_EQ(source->RefCount(), 1);
    // One release too many still leaves the component to its owner.
    data->Release();
    EXPECT_EQ(source->RefCount(), 0);
    data->AddRef();
}

// Files in a temporary folder: the shell resolves the item IDs of the array back to them.
TEST_F(DataObjectTest, ShellIdListArrayNamesTheFilesInTheFirstFilesFolder) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "dragdrop-idlist\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::vector<std::string> paths{folder + "first.txt", folder + "second.dat"};
    for (const std::string& path : paths) CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    source->Files()->Assign(paths);

    TBytes block;
    ASSERT_EQ(Render(formats.shellIdList, block), S_OK);
    const auto* array = reinterpret_cast<const CIDA*>(block.data());
    ASSERT_EQ(array->cidl, 2u);
    const auto* folderList = reinterpret_cast<LPCITEMIDLIST>(block.data() + array->aoffset[0]);
    EXPECT_EQ(array->aoffset[0], 16u);
    char resolved[MAX_PATH];
    ASSERT_TRUE(SHGetPathFromIDListA(folderList, resolved));
    EXPECT_EQ(std::string(resolved) + "\\", folder);
    for (UINT i = 0; i < 2; ++i) {
        LPITEMIDLIST full = ILCombine(folderList, reinterpret_cast<LPCITEMIDLIST>(block.data() + array->aoffset[i + 1]));
        ASSERT_TRUE(SHGetPathFromIDListA(full, resolved)) << i;
        EXPECT_EQ(std::string(resolved), paths[i]);
        ILFree(full);
    }
    for (const std::string& path : paths) DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());

    source->Files()->Assign(std::vector<std::string>{"Q:\\no\\such\\folder\\file.txt"});
    EXPECT_EQ(Render(formats.shellIdList, block), E_OUTOFMEMORY);
}

}  // namespace
