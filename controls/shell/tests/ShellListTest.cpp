// The shell list over a real folder: its columns, the order per sort column, the file-name
// filter, renaming on disk by label editing, following files made and deleted on disk, and
// entering folders.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdlib>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "classlib/core/TextUtils.h"
#include "classlib/tests/win/PumpMessages.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "controls/shell/MwShellDataObject.h"
#include "controls/shell/MwShellList.h"
#include "controls/shell/PidlLayout.h"
#include "controls/shell/ShellDetailsAdapter.h"
#include "controls/shell/ShellStrRet.h"
#include "controls/shell/tests/ShellTestSupport.h"
#include "utils/tests/ScratchFolder.h"

namespace {

using Names = std::vector<std::string>;

int ThreadCount() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    int count = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
    CloseHandle(snapshot);
    return count;
}

// Makes its window again as a style change does.
class TRecreatableList : public TMwShellList {
public:
    using TMwShellList::TMwShellList;
    void MakeWindowAgain() { RecreateWnd(); }
};

class ShellListTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteFileOfSize(scratch / "b.txt", 3000);
        test::WriteFileOfSize(scratch / "a.log", 10);
        test::WriteFileOfSize(scratch / "c.txt", 1);
        ut_test::MakeFolder(scratch / "sub");
        test::WriteFileOfSize(scratch / "sub\\inner.dat", 5);
        MakeFormAndList();
    }
    void MakeFormAndList() {
        form = new cl::TForm(&app);
        form->SetBounds(50, 50, 600, 400);
        form->Show();
        list = new TRecreatableList(form);
        list->SetParent(form);
        list->SetBounds(0, 0, 580, 360);
    }
    void TearDown() override { delete form; }

    void Show(const std::string& path) {
        const mw::TPidlPtr pidl = test::PidlOfPath(path);
        ASSERT_TRUE(pidl);
        list->Folder()->SetIdList(pidl.get());
    }
    std::string Text(int item, int column) {
        char text[MAX_PATH] = {};
        ListView_GetItemText(list->Handle(), item, column, text, sizeof text);
        return text;
    }
    // The captions in the window's order.
    Names Captions() {
        Names names;
        const int count = ListView_GetItemCount(list->Handle());
        for (int i = 0; i < count; ++i) names.push_back(Text(i, 0));
        return names;
    }
    int IndexOf(const std::string& caption) {
        const Names names = Captions();
        for (size_t i = 0; i < names.size(); ++i)
            if (cl::SameText(names[i], caption)) return static_cast<int>(i);
        return -1;
    }
    // Only the files (the sub-folder sorts by rules of its own).
    Names FileCaptions() {
        Names names;
        for (const std::string& name : Captions())
            if (name != "sub") names.push_back(name);
        return names;
    }
    void ClickColumn(int column) {
        NMLISTVIEW click{};
        click.hdr.hwndFrom = list->Handle();
        click.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list->Handle()));
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = column;
        SendMessageA(form->Handle(), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    }
    void SelectOnly(int index) {
        ListView_SetItemState(list->Handle(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_SetItemState(list->Handle(), index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }

    cl::TApplication app;
    ut_test::ScratchFolder scratch;
    cl::TForm* form = nullptr;
    TRecreatableList* list = nullptr;
};

TEST_F(ShellListTest, FillsWithTheFolderItemsAndTheirColumns) {
    Show(scratch.Path());
    EXPECT_EQ(list->ItemCount(), 4);
    for (const char* name : {"a.log", "b.txt", "c.txt", "sub"}) EXPECT_GE(IndexOf(name), 0) << name;

    // The folder's own columns, in its order.
    const TShellDetailsPtr details = mw::GetShellDetails(list->FolderIntf());
    ASSERT_TRUE(details);
    std::vector<std::string> titles;
    for (UINT column = 0; column < 64; ++column) {
        SHELLDETAILS info{};
        if (FAILED(details->GetDetailsOf(nullptr, column, &info))) break;
        titles.push_back(mw::StrRetToString(info.str, nullptr));
    }
    std::vector<std::string> captions;
    for (int i = 0; i < list->Columns()->Count(); ++i) captions.push_back(list->Column(i)->Caption());
    EXPECT_EQ(captions, titles);
    ASSERT_GE(captions.size(), 2u);
    // A file's size is shown, a folder has none.
    EXPECT_NE(Text(IndexOf("b.txt"), 1).find('3'), std::string::npos);
    EXPECT_EQ(Text(IndexOf("sub"), 1), "");
}

TEST_F(ShellListTest, ColumnClicksSortByTheFolderColumnThenDownwards) {
    ut_test::ScratchFolder files;
    test::WriteFileOfSize(files / "b.txt", 3000);
    test::WriteFileOfSize(files / "a.log", 10);
    test::WriteFileOfSize(files / "c.txt", 1);
    Show(files.Path());
    EXPECT_EQ(Captions(), (Names{"a.log", "b.txt", "c.txt"}));

    // The order the folder itself gives for a column, upwards or downwards.
    const auto folderOrder = [&](int sortColumn) {
        Names names = {"a.log", "b.txt", "c.txt"};
        std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
            const mw::TPidlPtr first = test::ParseIn(list->FolderIntf(), a), second = test::ParseIn(list->FolderIntf(), b);
            const int order = mw::CompareIdsResult(
                static_cast<int32_t>(list->FolderIntf()->CompareIDs(std::abs(sortColumn) - 1, first.get(), second.get())));
            return sortColumn < 0 ? order > 0 : order < 0;
        });
        return names;
    };
    struct Case {
        int clickedColumn;
        int sortColumn;
    };
    const Case cases[] = {
        {1, 2}, {1, -2}, {1, 2},  // a second click sorts downwards, a third upwards again
        {2, 3}, {0, 1}, {0, -1},
    };
    for (const Case& c : cases) {
        ClickColumn(c.clickedColumn);
        EXPECT_EQ(list->SortColumn(), c.sortColumn);
        EXPECT_EQ(Captions(), folderOrder(c.sortColumn)) << "sort column " << c.sortColumn;
    }
    EXPECT_EQ(folderOrder(-1), (Names{"c.txt", "b.txt", "a.log"}));

    // A refill keeps the order.
    list->Fill();
    EXPECT_EQ(Captions(), (Names{"c.txt", "b.txt", "a.log"}));
}

TEST_F(ShellListTest, TheFilterLeavesOutFilesButNeverFolders) {
    struct Case {
        const char* filter;
        Names shown;
    };
    const Case cases[] = {
        {"*.txt", {"b.txt", "c.txt", "sub"}},
        {"A*", {"a.log", "sub"}},
        {"*.log; c.*", {"a.log", "c.txt", "sub"}},
        {"none", {"sub"}},
        {"*.*", {"a.log", "b.txt", "c.txt", "sub"}},
        {"", {"a.log", "b.txt", "c.txt", "sub"}},
    };
    Show(scratch.Path());
    for (const Case& c : cases) {
        list->SetFileFilter(c.filter);
        Names shown = Captions();
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(shown, c.shown) << c.filter;
    }
}

TEST_F(ShellListTest, ColumnWidthsSurviveSwitchingFolders) {
    Show(scratch.Path());
    ListView_SetColumnWidth(list->Handle(), 0, 321);
    Show(scratch / "sub");
    EXPECT_EQ(ListView_GetColumnWidth(list->Handle(), 0), 321);
    ListView_SetColumnWidth(list->Handle(), 0, 123);
    Show(scratch.Path());
    EXPECT_EQ(ListView_GetColumnWidth(list->Handle(), 0), 123);
}

TEST_F(ShellListTest, LabelEditingRenamesOnDisk) {
    Show(scratch.Path());
    const int index = IndexOf("c.txt");
    ASSERT_GE(index, 0);
    SetFocus(list->Handle());
    SelectOnly(index);
    SendMessageA(list->Handle(), WM_KEYDOWN, VK_F2, 0);
    HWND edit = ListView_GetEditControl(list->Handle());
    ASSERT_NE(edit, nullptr) << "F2 edits the focused item";
    char text[MAX_PATH] = {};
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "c.txt");
    SetWindowTextA(edit, "  renamed.txt ");
    SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(test::PumpMessagesUntil([&] { return ListView_GetEditControl(list->Handle()) == nullptr; }));

    EXPECT_TRUE(ut_test::Exists(scratch / "renamed.txt"));
    EXPECT_FALSE(ut_test::Exists(scratch / "c.txt"));
    EXPECT_GE(IndexOf("renamed.txt"), 0);
    EXPECT_EQ(IndexOf("c.txt"), -1);
    // The renamed item still reaches its file.
    TMwShellListData* data = list->ShellData(list->Item(IndexOf("renamed.txt")));
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(cl::SameText(data->PathName(), scratch / "renamed.txt"));
}

// A window that reports the edit in UTF-16: the typed name, trimmed, reaches the shell; a blank
// one leaves the item as it was.
TEST_F(ShellListTest, WideLabelEditsRenameOnDisk) {
    struct Case {
        std::string typed;
        std::string expected;
    };
    const Case cases[] = {{"wide.txt", "wide.txt"}, {"  spaced name.txt ", "spaced name.txt"}, {"   ", "spaced name.txt"}};
    Show(scratch.Path());
    std::string current = "c.txt";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const int index = IndexOf(current);
        ASSERT_GE(index, 0);
        std::wstring typed(c.typed.begin(), c.typed.end());
        NMLVDISPINFOW ended{};
        ended.hdr.hwndFrom = list->Handle();
        ended.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list->Handle()));
        ended.hdr.code = LVN_ENDLABELEDITW;
        ended.item.iItem = index;
        ended.item.pszText = &typed[0];
        SendMessageA(form->Handle(), WM_NOTIFY, ended.hdr.idFrom, reinterpret_cast<LPARAM>(&ended));
        EXPECT_TRUE(ut_test::Exists(scratch / c.expected));
        EXPECT_GE(IndexOf(c.expected), 0);
        if (c.expected != current) {
            EXPECT_FALSE(ut_test::Exists(scratch / current));
            EXPECT_EQ(IndexOf(current), -1);
        }
        current = c.expected;
    }
}

TEST_F(ShellListTest, FollowsFilesMadeAndDeletedOnDisk) {
    Show(scratch.Path());
    ASSERT_EQ(IndexOf("new.txt"), -1);
    test::WriteFileOfSize(scratch / "new.txt", 20);
    EXPECT_TRUE(test::PumpMessagesUntil([&] { return IndexOf("new.txt") >= 0; })) << "a new file appears";
    ASSERT_TRUE(DeleteFileA((scratch / "b.txt").c_str()));
    EXPECT_TRUE(test::PumpMessagesUntil([&] { return IndexOf("b.txt") < 0; })) << "a deleted file goes";
    EXPECT_EQ(list->ItemCount(), 4);

    // A window made again goes on watching.
    const HWND before = list->Handle();
    list->MakeWindowAgain();
    ASSERT_NE(list->Handle(), before);
    test::WriteFileOfSize(scratch / "after.txt", 20);
    EXPECT_TRUE(test::PumpMessagesUntil([&] { return IndexOf("after.txt") >= 0; })) << "watching after the window was made again";
}

TEST_F(ShellListTest, EnterOpensAFolderAndBackspaceGoesBack) {
    Show(scratch.Path());
    SelectOnly(IndexOf("sub"));
    SendMessageA(list->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(mw::ComparePidls(list->FolderIdList(), test::PidlOfPath(scratch / "sub").get()), 0);
    EXPECT_EQ(Captions(), (Names{"inner.dat"}));

    SendMessageA(list->Handle(), WM_KEYDOWN, VK_BACK, 0);
    EXPECT_EQ(mw::ComparePidls(list->FolderIdList(), test::PidlOfPath(scratch.Path()).get()), 0);
    EXPECT_EQ(list->ItemCount(), 4);

    // A handler may take the double click over; folders are entered all the same.
    bool asked = false;
    list->OnDblClickOpen = TMwShListDblClickEvent::FromFunction([&](cl::TObject*, bool& handled) {
        asked = true;
        handled = true;
    });
    SelectOnly(IndexOf("a.log"));
    list->OpenSelected();
    EXPECT_TRUE(asked);
    SelectOnly(IndexOf("sub"));
    list->OpenSelected();
    EXPECT_EQ(Captions(), (Names{"inner.dat"}));
}

TEST_F(ShellListTest, NeverNavigateKeepsTheFolder) {
    list->SetListOptions(list->ListOptions() | mw::sloNeverNavigate);
    Show(scratch.Path());
    SelectOnly(IndexOf("sub"));
    list->OpenSelected();
    list->GoUp(1);
    EXPECT_EQ(mw::ComparePidls(list->FolderIdList(), test::PidlOfPath(scratch.Path()).get()), 0);
}

TEST_F(ShellListTest, DestroyedWhileARefreshIsPendingEndsItsWatcher) {
    const int before = ThreadCount();
    Show(scratch.Path());
    EXPECT_TRUE(test::PumpMessagesUntil([&] { return ThreadCount() > before; })) << "the watcher runs";
    test::WriteFileOfSize(scratch / "late.txt", 1);
    // The change is on its way, or its refresh is waiting for the timer, when the list goes.
    test::PumpMessagesUntil([] { return false; }, std::chrono::milliseconds(200));
    delete list;
    list = nullptr;
    EXPECT_TRUE(test::PumpMessagesUntil([&] { return ThreadCount() == before; })) << "the watcher ended";
}

// A drag may still hold the list's drop target when the list goes (the system keeps the
// target it took from the window until the drag leaves): from then on it answers "no drop".
TEST_F(ShellListTest, ADropTargetOutlivingItsListAnswersNoDrop) {
    Show(scratch.Path());
    // The system keeps the registered target in this window property.
    auto* target = static_cast<IDropTarget*>(GetPropA(list->Handle(), "OleDropTargetInterface"));
    ASSERT_NE(target, nullptr) << "the list registers a drop target";
    target->AddRef();
    delete list;
    list = nullptr;
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(target->DragOver(0, POINTL{10, 10}, &effect), S_OK);
    EXPECT_EQ(effect, DWORD(DROPEFFECT_NONE));
    EXPECT_EQ(target->DragLeave(), S_OK);
    target->Release();
}

// However it goes, alone or with its form, a list revokes its drop target (the system holds
// references to a registered one) and leaves its column widths to the next list.
TEST_F(ShellListTest, AFreedListRevokesItsDropTargetAndKeepsItsColumnWidths) {
    const struct {
        const char* how;
        bool withForm;
        int width;
    } cases[] = {{"alone", false, 271}, {"with its form", true, 293}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        Show(scratch.Path());
        ListView_SetColumnWidth(list->Handle(), 0, c.width);
        auto* target = static_cast<IDropTarget*>(GetPropA(list->Handle(), "OleDropTargetInterface"));
        ASSERT_NE(target, nullptr);
        target->AddRef();
        if (c.withForm) delete form;
        else delete list;
        EXPECT_EQ(target->Release(), 0u) << "only this test's reference is left";

        if (c.withForm) MakeFormAndList();
        else {
            list = new TRecreatableList(form);
            list->SetParent(form);
        }
        Show(scratch.Path());
        EXPECT_EQ(ListView_GetColumnWidth(list->Handle(), 0), c.width);
    }
}

TEST_F(ShellListTest, ADropTargetRefusesAMissingEffect) {
    Show(scratch.Path());
    auto* target = static_cast<IDropTarget*>(GetPropA(list->Handle(), "OleDropTargetInterface"));
    ASSERT_NE(target, nullptr);
    const POINTL point{10, 10};
    EXPECT_EQ(target->DragEnter(nullptr, 0, point, nullptr), E_INVALIDARG);
    EXPECT_EQ(target->DragOver(0, point, nullptr), E_INVALIDARG);
    EXPECT_EQ(target->Drop(nullptr, 0, point, nullptr), E_INVALIDARG);
    EXPECT_EQ(target->DragLeave(), S_OK);
}

TEST_F(ShellListTest, DropEffectOfSelectionIsWhatEveryItemAllows) {
    Show(scratch.Path());
    ListView_SetItemState(list->Handle(), -1, 0, LVIS_SELECTED);
    EXPECT_EQ(list->DropEffectOfSelection(), 0u);
    SelectOnly(IndexOf("a.log"));
    EXPECT_EQ(list->DropEffectOfSelection() & (DROPEFFECT_COPY | DROPEFFECT_MOVE), DWORD(DROPEFFECT_COPY | DROPEFFECT_MOVE));
}

// The shell's drop targets do the copying; this Wine's file-system target only notes a drop
// without copying, so what is checked here is the list's side: the effect the shell's target
// answers for the keys, the highlighted folder item, and a drop that ends the drag cleanly.
TEST_F(ShellListTest, DragsOverItemsReachTheShellsDropTargets) {
    struct Case {
        bool overSub;
        DWORD keys;  // Ctrl copies; a plain drag moves
        DWORD effect;
    } cases[] = {
        {true, MK_CONTROL, DROPEFFECT_COPY},
        {true, 0, DROPEFFECT_MOVE},
        {false, MK_CONTROL, DROPEFFECT_COPY},
    };
    ut_test::ScratchFolder source;
    test::WriteFileOfSize(source / "dragged.dat", 7);
    const mw::TPidlPtr sourcePidl = test::PidlOfPath(source.Path());
    mw::TShellFolderPtr folder;
    ASSERT_HRESULT_SUCCEEDED(mw::BindToFolder(sourcePidl.get(), folder));
    const mw::TPidlPtr item = test::ParseIn(folder.Get(), "dragged.dat");
    dragdrop::TComPtr<IDataObject> data =
        dragdrop::TComPtr<IDataObject>::Adopt(mw::TMwShellDataObject::Create(sourcePidl.get(), {item.get()}));
    ASSERT_TRUE(data);
    Show(scratch.Path());
    const int sub = IndexOf("sub");
    const auto highlighted = [&] { return ListView_GetItemState(list->Handle(), sub, LVIS_DROPHILITED) != 0; };
    for (const Case& c : cases) {
        POINT at{};
        if (c.overSub) {
            RECT r{};
            ListView_GetItemRect(list->Handle(), sub, &r, LVIR_LABEL);
            at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        } else {
            RECT client{};
            GetClientRect(list->Handle(), &client);
            at = {client.right / 2, client.bottom - 40};
        }
        ClientToScreen(list->Handle(), &at);
        const POINTL point{at.x, at.y};
        const DWORD allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        DWORD effect = allowed;
        EXPECT_HRESULT_SUCCEEDED(list->DragEnter(data.Get(), MK_LBUTTON | c.keys, point, &effect));
        effect = allowed;
        EXPECT_HRESULT_SUCCEEDED(list->DragOver(MK_LBUTTON | c.keys, point, &effect));
        EXPECT_EQ(effect & allowed, c.effect) << c.overSub << " " << c.keys;
        EXPECT_EQ(highlighted(), c.overSub);
        effect = allowed;
        EXPECT_HRESULT_SUCCEEDED(list->Drop(data.Get(), c.keys, point, &effect));
        EXPECT_FALSE(highlighted());
        EXPECT_EQ(list->ItemCount(), 4);
    }
    // A drag that leaves forgets its highlight.
    RECT r{};
    ListView_GetItemRect(list->Handle(), sub, &r, LVIR_LABEL);
    POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(list->Handle(), &at);
    DWORD effect = DROPEFFECT_COPY;
    list->DragEnter(data.Get(), MK_LBUTTON, {at.x, at.y}, &effect);
    EXPECT_TRUE(highlighted());
    list->DragLeave();
    EXPECT_FALSE(highlighted());
}

TEST_F(ShellListTest, LongPathsFillWithoutOverrun) {
    std::string deep = scratch.Path();
    while (deep.size() < 230) {
        deep += "\\" + std::string(40, 'd');
        ut_test::MakeFolder(deep);
    }
    test::WriteFileOfSize(deep + "\\" + std::string(20, 'f') + ".txt", 5);
    Show(deep);
    ASSERT_EQ(list->ItemCount(), 1);
    EXPECT_EQ(Text(0, 0), std::string(20, 'f') + ".txt");
}

}  // namespace
