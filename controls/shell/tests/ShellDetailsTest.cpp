// Column details: the IShellFolder2 adapter over a stand-in folder, and which details
// interface a folder gives.

#include <gtest/gtest.h>

#include <map>

#include "controls/shell/MwShellIntf.h"
#include "controls/shell/ShellDetailsAdapter.h"
#include "controls/shell/tests/ShellTestSupport.h"
#include "utils/tests/ScratchFolder.h"

namespace {

// A folder that knows only columns: the default state of each (absent: the call fails) and
// whether GetDetailsOf answers.
class TColumnFolder : public IShellFolder2 {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, mw::kIidUnknown) || IsEqualIID(iid, mw::kIidShellFolder) || IsEqualIID(iid, mw::kIidShellFolder2)) {
            *object = static_cast<IShellFolder2*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    HRESULT STDMETHODCALLTYPE GetDefaultColumnState(UINT column, SHCOLSTATEF* state) override {
        const auto found = states.find(column);
        if (found == states.end()) return E_FAIL;
        *state = found->second;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDetailsOf(PCUITEMID_CHILD, UINT column, SHELLDETAILS* details) override {
        if (!answers) return E_FAIL;
        asked.push_back(column);
        details->str.uType = STRRET_CSTR;
        details->str.cStr[0] = static_cast<char>('0' + column);
        details->str.cStr[1] = 0;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE ParseDisplayName(HWND, IBindCtx*, LPWSTR, ULONG*, PIDLIST_RELATIVE*, ULONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumObjects(HWND, SHCONTF, IEnumIDList**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE BindToObject(PCUIDLIST_RELATIVE, IBindCtx*, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE BindToStorage(PCUIDLIST_RELATIVE, IBindCtx*, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CompareIDs(LPARAM, PCUIDLIST_RELATIVE, PCUIDLIST_RELATIVE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateViewObject(HWND, REFIID, void** object) override {
        *object = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetAttributesOf(UINT, PCUITEMID_CHILD_ARRAY, SFGAOF*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetUIObjectOf(HWND, UINT, PCUITEMID_CHILD_ARRAY, REFIID, UINT*, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDisplayNameOf(PCUITEMID_CHILD, SHGDNF, STRRET*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetNameOf(HWND, PCUITEMID_CHILD, LPCWSTR, SHGDNF, PITEMID_CHILD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDefaultSearchGUID(GUID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumSearches(IEnumExtraSearch**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDefaultColumn(DWORD, ULONG*, ULONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDetailsEx(PCUITEMID_CHILD, const SHCOLUMNID*, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE MapColumnToSCID(UINT, SHCOLUMNID*) override { return E_NOTIMPL; }

    ULONG references = 1;
    std::map<UINT, SHCOLSTATEF> states;
    bool answers = true;
    std::vector<UINT> asked;
};

TEST(ShellDetailsAdapter, OffersOnlyColumnsShownByDefault) {
    TColumnFolder folder;
    folder.states = {{0, SHCOLSTATE_ONBYDEFAULT | SHCOLSTATE_TYPE_STR}, {1, SHCOLSTATE_TYPE_STR}};
    {
        const TShellDetailsPtr details = mw::GetShellDetails(&folder);
        ASSERT_TRUE(details);
        EXPECT_GT(folder.references, 1u);  // the adapter holds the folder
        folder.asked.clear();

        SHELLDETAILS column{};
        EXPECT_EQ(details->GetDetailsOf(nullptr, 0, &column), S_OK);
        EXPECT_EQ(details->GetDetailsOf(nullptr, 1, &column), E_INVALIDARG);  // ends the column list
        EXPECT_EQ(details->GetDetailsOf(nullptr, 2, &column), S_OK);         // no state known
        EXPECT_EQ(folder.asked, (std::vector<UINT>{0, 2}));
        EXPECT_EQ(details->ColumnClick(0), E_NOTIMPL);

        void* other = nullptr;
        EXPECT_EQ(details->QueryInterface(mw::kIidShellFolder, &other), E_NOINTERFACE);
        EXPECT_EQ(other, nullptr);
        IShellDetails* again = nullptr;
        ASSERT_EQ(details->QueryInterface(mw::kIidShellDetails, reinterpret_cast<void**>(&again)), S_OK);
        again->Release();
    }
    EXPECT_EQ(folder.references, 1u);  // let go with the last reference
}

TEST(ShellDetailsAdapter, NoneForAFolderWithoutDetails) {
    TColumnFolder folder;
    folder.answers = false;
    EXPECT_FALSE(mw::GetShellDetails(&folder));
    EXPECT_EQ(folder.references, 1u);
    EXPECT_FALSE(mw::GetShellDetails(nullptr));
}

TEST(ShellDetailsAdapter, FileSystemFoldersHaveDetails) {
    ut_test::ScratchFolder scratch;
    mw::TShellFolderPtr folder;
    ASSERT_HRESULT_SUCCEEDED(mw::BindToFolder(test::PidlOfPath(scratch.Path()).get(), folder));
    const TShellDetailsPtr details = mw::GetShellDetails(folder.Get());
    ASSERT_TRUE(details);
    SHELLDETAILS column{};
    ASSERT_HRESULT_SUCCEEDED(details->GetDetailsOf(nullptr, 0, &column));
    if (column.str.uType == STRRET_WSTR) CoTaskMemFree(column.str.pOleStr);
}

}  // namespace
