// The shell tree over a real folder structure made in the test's temporary folder: what it
// shows, selecting by path, following changes on disk, renaming by label editing, the veto of
// added items, and its keys.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "classlib/core/FormReader.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Application.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/Form.h"
#include "classlib/win/Menus.h"
#include "controls/RegisterControls.h"
#include "controls/shell/MwChangeHandlerThread.h"
#include "controls/shell/DriveRoot.h"
#include "classlib/win/RegisterClasses.h"
#include "controls/shell/MwDeviceChangeHandler.h"
#include "controls/shell/MwShellDataObject.h"
#include "controls/shell/MwShellList.h"
#include "controls/shell/MwShellTree.h"
#include "controls/shell/ShellDisplayNames.h"
#include "controls/shell/ShellFolders.h"
#include "controls/shell/tests/ShellTestSupport.h"
#include "utils/UtFolderDelete.h"
#include "utils/tests/ScratchFolder.h"

namespace {

constexpr DWORD kDeadline = 30000;  // generous: other builds load the machine

using ut_test::MakeFolder;

// Watches the test's folders instead of whole drives: Wine reports changes in a watched
// folder's subtree only one level down, and a host file system seen as a drive is no place for
// a test's watch anyway.
class TScratchTree : public TMwShellTree {
public:
    TScratchTree(cl::TComponent* owner, std::vector<std::string> folders) : TMwShellTree(owner), folders_(std::move(folders)) {}

protected:
    void WatchDrive(const std::string& path) override {
        if (path.empty()) TMwShellTree::WatchDrive(path);
        else if (cl::SameText(mw::DriveRootOf(path), mw::DriveRootOf(folders_.front())))
            for (const std::string& folder : folders_) AddFolderWatch(folder);
    }

private:
    std::vector<std::string> folders_;
};

// Notes the texts of the shell context menu it shows and hovers over its first command, then
// closes the menu without choosing.
class TMenuProbeTree : public TScratchTree {
public:
    using TScratchTree::TScratchTree;
    std::vector<std::string> menuTexts;

protected:
    void WndProc(cl::TMessage& m) override {
        TScratchTree::WndProc(m);
        if (m.msg == WM_INITMENUPOPUP && menuTexts.empty()) {
            HMENU menu = reinterpret_cast<HMENU>(m.wParam);
            UINT firstCommand = 0;
            for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                char text[MAX_PATH] = {};
                GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
                menuTexts.push_back(text);
                const UINT id = GetMenuItemID(menu, i);
                if (!firstCommand && id >= 1000 && id != 0xFFFFFFFF) firstCommand = id;
            }
            if (firstCommand) SendMessageA(Handle(), WM_MENUSELECT, MAKEWPARAM(firstCommand, MF_STRING), reinterpret_cast<LPARAM>(menu));
            PostMessageA(Handle(), WM_APP, 0, 0);
        } else if (m.msg == WM_APP) {
            EndMenu();
        }
    }
};

class ShellTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        MakeFolder(scratch / "Alpha");
        MakeFolder(scratch / "Alpha\\Inner");
        MakeFolder(scratch / "Beta");
        ut_test::WriteTextFile(scratch / "note.txt", "x");
        form = new cl::TForm(&app);
        form->SetBounds(100, 100, 400, 400);
    }

    // A tree on the form showing the scratch folder, filled.
    TMwShellTree* NewTree(TMwShellTreeOptions options = kDefaultShellTreeOptions & ~ShellTreeOptionBit(stoDynamicRefresh)) {
        auto* t = new TScratchTree(form, {scratch.Path(), scratch / "Alpha"});
        t->SetOptions(options);
        t->SetParent(form);
        t->SetBounds(10, 10, 300, 300);
        t->BaseFolder()->SetIdList(test::PidlOfPath(scratch.Path()).get());
        form->Show();
        EXPECT_TRUE(WaitFor([&] { return t->NodeCount() > 0; })) << "the tree never filled";
        return t;
    }

    // Pumps messages until done() holds or the deadline passes.
    bool WaitFor(const std::function<bool()>& done, DWORD deadline = kDeadline) {
        const DWORD start = GetTickCount();
        for (;;) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            if (done()) return true;
            if (GetTickCount() - start > deadline) return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        }
    }

    // The centre of the node's text in screen coordinates, as drags report points.
    static POINTL ScreenPointOf(TMwShellTree* tree, cl::TTreeNode* node) {
        RECT r{};
        TreeView_GetItemRect(tree->Handle(), node->ItemId(), &r, TRUE);
        const cl::TPoint p = tree->ClientToScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        return {p.x, p.y};
    }
    static std::vector<std::string> ListCaptions(TMwCustomShellList* list) {
        std::vector<std::string> captions;
        const int count = ListView_GetItemCount(list->Handle());
        for (int i = 0; i < count; ++i) {
            char text[MAX_PATH] = {};
            ListView_GetItemText(list->Handle(), i, 0, text, sizeof text);
            captions.push_back(text);
        }
        std::sort(captions.begin(), captions.end());
        return captions;
    }
    static std::vector<std::string> Captions(cl::TTreeNode* node) {
        std::vector<std::string> captions;
        if (node)
            for (cl::TTreeNode* c = node->GetFirstChild(); c; c = c->GetNextSibling()) captions.push_back(c->Text());
        return captions;
    }
    static cl::TTreeNode* Child(cl::TTreeNode* node, const std::string& caption) {
        for (cl::TTreeNode* c = node ? node->GetFirstChild() : nullptr; c; c = c->GetNextSibling())
            if (cl::SameText(c->Text(), caption)) return c;
        return nullptr;
    }

    ut_test::ScratchFolder scratch;
    cl::TApplication app;
    cl::TForm* form = nullptr;
};

TEST_F(ShellTreeTest, ShowsTheBaseFolderAsAnExpandedRootOfItsSortedFolders) {
    TMwShellTree* tree = NewTree();
    cl::TTreeNode* root = tree->GetFirstNode();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->GetNextSibling(), nullptr);
    EXPECT_TRUE(root->Expanded());
    EXPECT_EQ(Captions(root), (std::vector<std::string>{"Alpha", "Beta"}));  // no files
    EXPECT_TRUE(root->Selected());
    EXPECT_TRUE(cl::SameText(tree->SelectedPathName(), scratch.Path()));

    // Children are listed when a node is first expanded.
    cl::TTreeNode* alpha = Child(root, "Alpha");
    EXPECT_FALSE(alpha->HasChildren());
    alpha->SetExpanded(true);
    EXPECT_EQ(Captions(alpha), (std::vector<std::string>{"Inner"}));
}

TEST_F(ShellTreeTest, SelectsAFolderByPath) {
    TMwShellTree* tree = NewTree();
    ASSERT_TRUE(tree->SelectPath(scratch / "Alpha\\Inner"));
    ASSERT_NE(tree->Selected(), nullptr);
    EXPECT_EQ(tree->Selected()->Text(), "Inner");
    EXPECT_TRUE(cl::SameText(tree->SelectedPathName(), scratch / "Alpha\\Inner"));
    EXPECT_TRUE(cl::SameText(tree->SelectedFolder()->PathName(), scratch / "Alpha\\Inner"));

    tree->GoUp(5);  // never past the root
    EXPECT_EQ(tree->Selected(), tree->GetFirstNode());
    EXPECT_TRUE(cl::SameText(tree->SelectedFolder()->PathName(), scratch.Path()));
}

TEST_F(ShellTreeTest, OptionsDecideWhichItemsAreShown) {
    MakeFolder(scratch / "Hidden", FILE_ATTRIBUTE_HIDDEN);
    const TMwShellTreeOptions base = kDefaultShellTreeOptions & ~ShellTreeOptionBit(stoDynamicRefresh);
    const struct {
        TMwShellTreeOptions options;
        std::vector<std::string> shown;
    } cases[] = {
        {base, {"Alpha", "Beta", "Hidden"}},
        {base & ~ShellTreeOptionBit(stoShowHidden), {"Alpha", "Beta"}},
        {base | ShellTreeOptionBit(stoIncludeNonFolders), {"Alpha", "Beta", "Hidden", "note.txt"}},
    };
    for (const auto& c : cases) {
        TMwShellTree* tree = NewTree(c.options);
        EXPECT_EQ(Captions(tree->GetFirstNode()), c.shown) << "options " << c.options;
        cl::Free(tree);
    }

    // Switching an option at run time shows the tree anew.
    TMwShellTree* tree = NewTree(base);
    tree->SetOptions(base & ~ShellTreeOptionBit(stoShowHidden));
    EXPECT_EQ(Captions(tree->GetFirstNode()), (std::vector<std::string>{"Alpha", "Beta"}));
}

TEST_F(ShellTreeTest, AddItemHandlersKeepItemsOut) {
    std::vector<std::string> offered;
    auto* tree = new TScratchTree(form, {scratch.Path(), scratch / "Alpha"});
    tree->SetOptions(kDefaultShellTreeOptions & ~ShellTreeOptionBit(stoDynamicRefresh));
    tree->OnAddItem = TMwShAddItemEvent::FromFunction(
        [&](cl::TObject*, IShellFolder* folder, LPCITEMIDLIST parent, LPCITEMIDLIST item, ULONG attributes, bool& allow) {
            const std::string name = mw::GetRelativeDisplayName(folder, item, mw::TMwNameKind::InFolder);
            offered.push_back(name);
            EXPECT_TRUE(cl::SameText(mw::PidlToPath(parent), scratch.Path()));
            EXPECT_TRUE(attributes & SFGAO_FOLDER);
            EXPECT_TRUE(allow);
            allow = !cl::SameText(name, "Beta") && !cl::SameText(name, "Gamma");
        });
    tree->SetParent(form);
    tree->SetBounds(10, 10, 300, 300);
    tree->BaseFolder()->SetIdList(test::PidlOfPath(scratch.Path()).get());
    form->Show();
    ASSERT_TRUE(WaitFor([&] { return tree->NodeCount() > 0; }));
    std::sort(offered.begin(), offered.end());
    EXPECT_EQ(offered, (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(Captions(tree->GetFirstNode()), (std::vector<std::string>{"Alpha"}));

    // A refresh asks again for what is new, and still keeps out what was refused.
    MakeFolder(scratch / "Gamma");
    MakeFolder(scratch / "Delta");
    tree->Refresh();
    EXPECT_EQ(Captions(tree->GetFirstNode()), (std::vector<std::string>{"Alpha", "Delta"}));
}

TEST_F(ShellTreeTest, FollowsFoldersMadeRenamedAndDeletedOnDisk) {
    TMwShellTree* tree = NewTree(kDefaultShellTreeOptions);  // with dynamic refresh
    cl::TTreeNode* root = tree->GetFirstNode();
    std::vector<std::string> inserted, deleted;
    tree->OnInsertItem = TMwShTreeInsertItemEvent::FromFunction([&](cl::TObject*, cl::TTreeNode* node) { inserted.push_back(node->Text()); });
    tree->OnDeleteItem = TMwShTreeDeleteItemEvent::FromFunction([&](cl::TObject*, cl::TTreeNode* node, TMwShellTreeData* data) {
        deleted.push_back(node->Text());
        EXPECT_TRUE(cl::SameText(data->PathName(), scratch / node->Text())) << node->Text();
    });

    MakeFolder(scratch / "Gamma");
    EXPECT_TRUE(WaitFor([&] { return Child(root, "Gamma") != nullptr; })) << "a new folder never showed";
    EXPECT_EQ(Captions(root), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));

    ASSERT_TRUE(MoveFileA((scratch / "Gamma").c_str(), (scratch / "Delta").c_str()));
    EXPECT_TRUE(WaitFor([&] { return Child(root, "Delta") && !Child(root, "Gamma"); })) << "a rename never showed";
    EXPECT_EQ(inserted, (std::vector<std::string>{"Gamma", "Delta"}));
    EXPECT_EQ(deleted, (std::vector<std::string>{"Gamma"}));
    tree->OnDeleteItem = TMwShTreeDeleteItemEvent();

    // A selected folder that goes leaves its parent selected.
    ASSERT_TRUE(tree->SelectPath(scratch / "Alpha\\Inner"));
    ASSERT_EQ(tree->Selected()->Text(), "Inner");
    ASSERT_TRUE(RemoveDirectoryA((scratch / "Alpha\\Inner").c_str()));
    EXPECT_TRUE(WaitFor([&] { return Child(Child(root, "Alpha"), "Inner") == nullptr; })) << "a deleted folder stayed";
    ASSERT_NE(tree->Selected(), nullptr);
    EXPECT_EQ(tree->Selected()->Text(), "Alpha");
    EXPECT_TRUE(cl::SameText(tree->SelectedFolder()->PathName(), scratch / "Alpha"));
}

TEST_F(ShellTreeTest, LabelEditingRenamesTheFolderOnDisk) {
    TMwShellTree* tree = NewTree();
    std::vector<std::string> edited;
    tree->OnEdited = TMwShTreeEditedEvent::FromFunction([&](cl::TObject*, cl::TTreeNode*, std::string& text) {
        edited.push_back(text);
        if (text == "Shout") text = "SHOUT";
    });
    const struct {
        const char* from;
        const char* typed;
        const char* renamed;
    } cases[] = {
        {"Alpha", "  Gamma  ", "Gamma"},  // blanks round the name go
        {"Beta", "Shout", "SHOUT"},       // the handler has the last word
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(tree->SelectPath(scratch / c.from));
        cl::TTreeNode* node = tree->Selected();
        ASSERT_EQ(node->Text(), c.from);
        HWND edit = TreeView_EditLabel(tree->Handle(), node->ItemId());
        ASSERT_NE(edit, nullptr) << c.from;
        SetWindowTextA(edit, c.typed);
        TreeView_EndEditLabelNow(tree->Handle(), FALSE);
        EXPECT_TRUE(ut_test::Exists(scratch / c.renamed)) << c.typed;
        EXPECT_FALSE(ut_test::Exists(scratch / c.from)) << c.typed;
        EXPECT_EQ(node->Text(), c.renamed);
        EXPECT_TRUE(cl::SameText(tree->SelectedPathName(), scratch / c.renamed));
        EXPECT_TRUE(cl::SameText(tree->SelectedFolder()->PathName(), scratch / c.renamed));
    }
    EXPECT_EQ(edited, (std::vector<std::string>{"Gamma", "Shout"}));

    // The children of a renamed folder follow it.
    cl::TTreeNode* gamma = Child(tree->GetFirstNode(), "Gamma");
    gamma->SetExpanded(true);
    ASSERT_TRUE(tree->SelectPath(scratch / "Gamma\\Inner"));
    EXPECT_TRUE(cl::SameText(tree->SelectedPathName(), scratch / "Gamma\\Inner"));

    // The root is not renamed.
    EXPECT_EQ(TreeView_EditLabel(tree->Handle(), tree->GetFirstNode()->ItemId()), nullptr);
}

TEST_F(ShellTreeTest, NewFoldersComeInLabelEditing) {
    TMwShellTree* tree = NewTree();
    for (const char* expected : {"New Folder", "New Folder (2)"}) {
        tree->SetSelected(tree->GetFirstNode());
        ASSERT_TRUE(tree->CreateNewFolder()) << expected;
        EXPECT_TRUE(ut_test::Exists(scratch / expected));
        HWND edit = TreeView_GetEditControl(tree->Handle());
        ASSERT_NE(edit, nullptr) << expected;
        char text[MAX_PATH] = {};
        GetWindowTextA(edit, text, MAX_PATH);
        EXPECT_STREQ(text, expected);
        TreeView_EndEditLabelNow(tree->Handle(), TRUE);
    }
    EXPECT_NE(Child(tree->GetFirstNode(), "New Folder (2)"), nullptr);
}

TEST_F(ShellTreeTest, ANewFolderThatFailsLeavesTheWatcherHeard) {
    TMwShellTree* tree = NewTree();
    ASSERT_TRUE(tree->SelectPath(scratch / "Beta"));
    ASSERT_TRUE(RemoveDirectoryA((scratch / "Beta").c_str()));
    std::vector<std::string> warnings;
    cl::DialogHooks().messageBox = [&](const std::string& text, cl::TMsgDlgType, cl::TMsgDlgButtons) {
        warnings.push_back(text);
        return cl::mrOk;
    };
    EXPECT_FALSE(tree->CreateNewFolder());
    cl::DialogHooks().messageBox = nullptr;
    EXPECT_FALSE(warnings.empty());
    MakeFolder(scratch / "Gamma");
    tree->Perform(CM_MWWATCHERCHANGE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return Child(tree->GetFirstNode(), "Gamma") != nullptr; })) << "the watcher's change was dropped";
}

TEST_F(ShellTreeTest, KeysEditAndRefresh) {
    TMwShellTree* tree = NewTree();
    cl::TTreeNode* root = tree->GetFirstNode();

    // F2 edits a folder's label, not the root's.
    tree->Perform(WM_KEYDOWN, VK_F2, 0);
    EXPECT_EQ(TreeView_GetEditControl(tree->Handle()), nullptr);
    ASSERT_TRUE(tree->SelectPath(scratch / "Beta"));
    tree->Perform(WM_KEYDOWN, VK_F2, 0);
    EXPECT_NE(TreeView_GetEditControl(tree->Handle()), nullptr);
    TreeView_EndEditLabelNow(tree->Handle(), TRUE);

    // F5 refreshes, and so does Del on the root, which deletes nothing.
    MakeFolder(scratch / "Gamma");
    tree->Perform(WM_KEYDOWN, VK_F5, 0);
    EXPECT_NE(Child(root, "Gamma"), nullptr);
    MakeFolder(scratch / "Delta");
    tree->SetSelected(root);
    tree->Perform(WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_NE(Child(root, "Delta"), nullptr);
    EXPECT_TRUE(ut_test::Exists(scratch.Path()));

    // Ctrl+C copies the selected folder to the clipboard through the shell.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    ASSERT_TRUE(tree->SelectPath(scratch / "Beta"));
    BYTE keys[256] = {}, saved[256] = {};
    GetKeyboardState(saved);
    memcpy(keys, saved, sizeof keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    tree->Perform(WM_KEYDOWN, 'C', 0);
    SetKeyboardState(saved);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_HDROP) || IsClipboardFormatAvailable(RegisterClipboardFormatA("Shell IDList Array")));

    // Without the default key handling the keys are the tree view's own.
    tree->SetOptions(tree->Options() & ~ShellTreeOptionBit(stoDefaultKeyHandling));
    MakeFolder(scratch / "Epsilon");
    tree->Perform(WM_KEYDOWN, VK_F5, 0);
    EXPECT_EQ(Child(tree->GetFirstNode(), "Epsilon"), nullptr);
}

// Each key, and a fill with a refresh pending, reads the folders once: one OnFillStart.
TEST_F(ShellTreeTest, KeysAndFillsReadTheFoldersOnce) {
    ASSERT_TRUE(OpenClipboard(nullptr));  // nothing for "paste" to bring in
    EmptyClipboard();
    CloseClipboard();
    TMwShellTree* tree = NewTree();
    int fills = 0;
    tree->OnFillStart = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { ++fills; });
    const struct {
        const char* node;  // "" for the root
        WORD key;
        bool ctrl;
    } cases[] = {
        {"", VK_DELETE, false},  // no verb for the root: the refresh alone
        {"", 'V', true},
        {"Beta", 'V', true},  // the verb's refresh is the only one
    };
    for (const auto& c : cases) {
        if (*c.node) ASSERT_TRUE(tree->SelectPath(scratch / c.node));
        else tree->SetSelected(tree->GetFirstNode());
        BYTE keys[256] = {}, saved[256] = {};
        GetKeyboardState(saved);
        memcpy(keys, saved, sizeof keys);
        keys[VK_CONTROL] = c.ctrl ? 0x80 : 0;
        SetKeyboardState(keys);
        fills = 0;
        tree->Perform(WM_KEYDOWN, c.key, 0);
        SetKeyboardState(saved);
        EXPECT_EQ(fills, 1) << c.node << " key " << c.key;
    }

    // A fill makes a refresh the watcher asked for before it needless.
    tree->Perform(CM_MWWATCHERCHANGE, 0, 0);
    fills = 0;
    tree->Fill();
    EXPECT_EQ(fills, 1);
    WaitFor([] { return false; }, 2500);  // past the longest refresh delay
    EXPECT_EQ(fills, 1) << "the pending refresh still ran";
    tree->OnFillStart = cl::TNotifyEvent();
}

// The end of an edit may come as UTF-16 text when the parent asks for it.
TEST_F(ShellTreeTest, WideEndOfEditTextRenamesTheFolder) {
    TMwShellTree* tree = NewTree();
    ASSERT_TRUE(tree->SelectPath(scratch / "Beta"));
    cl::TTreeNode* node = tree->Selected();
    ASSERT_NE(TreeView_EditLabel(tree->Handle(), node->ItemId()), nullptr);
    wchar_t typed[] = L"Gamma";
    NMTVDISPINFOW info{};
    info.hdr.hwndFrom = tree->Handle();
    info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(tree->Handle()));
    info.hdr.code = TVN_ENDLABELEDITW;
    info.item.mask = TVIF_TEXT;
    info.item.hItem = node->ItemId();
    info.item.pszText = typed;
    SendMessageW(form->Handle(), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    TreeView_EndEditLabelNow(tree->Handle(), TRUE);
    EXPECT_TRUE(ut_test::Exists(scratch / "Gamma"));
    EXPECT_FALSE(ut_test::Exists(scratch / "Beta"));
    EXPECT_EQ(node->Text(), "Gamma");
}

TEST_F(ShellTreeTest, GoesWithoutLeavingWorkBehind) {
    // Watcher running, a refresh pending, then the tree goes; a change arriving afterwards
    // reaches nothing.
    TMwShellTree* tree = NewTree(kDefaultShellTreeOptions);
    MakeFolder(scratch / "Gamma");
    MSG msg;
    WaitFor([&] { return PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) == FALSE; }, 500);
    HWND window = tree->Handle();
    cl::Free(tree);
    EXPECT_FALSE(IsWindow(window));
    WaitFor([] { return false; }, 2500);
}

TEST_F(ShellTreeTest, ALinkedListShowsTheSelectedFolder) {
    ut_test::WriteTextFile(scratch / "Alpha\\a.txt", "a");
    ut_test::WriteTextFile(scratch / "Beta\\b.txt", "b");
    auto* list = new TMwShellList(form);
    list->SetParent(form);
    list->SetBounds(10, 320, 300, 60);
    TMwShellTree* tree = NewTree();
    tree->SetShellList(list);
    EXPECT_EQ(list->ShellTree(), tree);

    ASSERT_TRUE(tree->SelectPath(scratch / "Alpha"));
    EXPECT_TRUE(WaitFor([&] { return ListCaptions(list) == std::vector<std::string>{"Inner", "a.txt"}; }))
        << ::testing::PrintToString(ListCaptions(list));

    // Browsing with the keys reaches the list once the selection rests.
    tree->SetSelected(Child(tree->GetFirstNode(), "Beta"));
    EXPECT_TRUE(cl::SameText(mw::PidlToPath(list->FolderIdList()), scratch / "Alpha")) << "at once";
    EXPECT_TRUE(WaitFor([&] { return ListCaptions(list) == std::vector<std::string>{"b.txt"}; }));
    EXPECT_TRUE(cl::SameText(tree->SelectedPathName(), scratch / "Beta"));

    // Entering a folder in the list selects it in the tree.
    ASSERT_TRUE(tree->SelectPath(scratch / "Alpha"));
    ASSERT_TRUE(WaitFor([&] { return ListCaptions(list) == std::vector<std::string>{"Inner", "a.txt"}; }));
    int inner = 0;
    while (inner < list->ItemCount() && list->Item(inner)->Caption() != "Inner") ++inner;
    ASSERT_LT(inner, list->ItemCount());
    list->OpenItem(list->Item(inner));
    EXPECT_TRUE(WaitFor([&] { return tree->Selected() && tree->Selected()->Text() == "Inner"; }));

    // Either side may go first.
    cl::Free(list);
    EXPECT_EQ(tree->ShellList(), nullptr);
    auto* second = new TMwShellList(form);
    second->SetParent(form);
    tree->SetShellList(second);
    cl::Free(tree);
    EXPECT_EQ(second->ShellTree(), nullptr);
}

TEST_F(ShellTreeTest, BrowsingWithTheKeysKeepsARefreshThatIsPending) {
    auto* list = new TMwShellList(form);
    list->SetParent(form);
    list->SetBounds(10, 320, 300, 60);
    TMwShellTree* tree = NewTree();
    tree->SetShellList(list);
    ASSERT_TRUE(tree->SelectPath(scratch / "Alpha"));
    MakeFolder(scratch / "Gamma");
    tree->Perform(CM_MWWATCHERCHANGE, 0, 0);
    tree->SetSelected(Child(tree->GetFirstNode(), "Beta"));
    EXPECT_TRUE(WaitFor([&] { return Child(tree->GetFirstNode(), "Gamma") != nullptr; })) << "the refresh was dropped";
    EXPECT_TRUE(WaitFor([&] { return cl::SameText(mw::PidlToPath(list->FolderIdList()), scratch / "Beta"); }))
        << "the selection never reached the list";
}

TEST_F(ShellTreeTest, FormResourcesSetTheBaseFolderOptionsAndList) {
    cl::RegisterClassLibrary();
    RegisterQuillonControls();
    const std::vector<uint8_t> pidl = test::BytesOf(test::PidlOfPath(scratch.Path()).get());
    std::string hex = "00";
    char byte[3];
    for (int shift = 0; shift < 32; shift += 8) {
        snprintf(byte, sizeof byte, "%02X", static_cast<unsigned>((pidl.size() >> shift) & 0xFF));
        hex += byte;
    }
    for (uint8_t b : pidl) {
        snprintf(byte, sizeof byte, "%02X", b);
        hex += byte;
    }
    cl::ReadFormResource(*form,
                         "object F: TForm\n"
                         "  object Tree: TMwShellTree\n"
                         "    Width = 200\n    Height = 300\n"
                         "    BaseFolder.Pidl = {" + hex + "}\n"
                         "    Options = [stoAutoFill, stoIncludeNonFolders, stoShowHidden]\n"
                         "    ShellList = Files\n"
                         "  end\n"
                         "  object Files: TMwShellList\n"
                         "    Left = 210\n    Width = 150\n    Height = 300\n"
                         "  end\n"
                         "end\n",
                         "F");
    auto* tree = dynamic_cast<TMwShellTree*>(form->FindComponent("Tree"));
    auto* list = dynamic_cast<TMwShellList*>(form->FindComponent("Files"));
    ASSERT_NE(tree, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(tree->Options(), ShellTreeOptionBit(stoAutoFill) | ShellTreeOptionBit(stoIncludeNonFolders) | ShellTreeOptionBit(stoShowHidden));
    EXPECT_EQ(tree->ShellList(), list);
    EXPECT_EQ(list->ShellTree(), tree);
    form->Show();
    ASSERT_TRUE(WaitFor([&] { return tree->NodeCount() > 0; }));
    EXPECT_EQ(Captions(tree->GetFirstNode()), (std::vector<std::string>{"Alpha", "Beta", "note.txt"}));
    EXPECT_TRUE(WaitFor([&] { return cl::SameText(mw::PidlToPath(list->FolderIdList()), scratch.Path()); }));
}

TEST_F(ShellTreeTest, RefreshesWaitForTheEndOfALabelEdit) {
    TMwShellTree* tree = NewTree();
    cl::TTreeNode* root = tree->GetFirstNode();
    ASSERT_TRUE(tree->SelectPath(scratch / "Beta"));
    ASSERT_NE(TreeView_EditLabel(tree->Handle(), tree->Selected()->ItemId()), nullptr);
    EXPECT_EQ(SendMessageA(tree->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS, DLGC_WANTALLKEYS);
    MakeFolder(scratch / "Gamma");
    tree->Refresh();
    EXPECT_EQ(Child(root, "Gamma"), nullptr) << "a refresh under the edit box";
    TreeView_EndEditLabelNow(tree->Handle(), TRUE);
    EXPECT_NE(Child(root, "Gamma"), nullptr) << "the refresh asked for was lost";
}

TEST_F(ShellTreeTest, DragsOverFoldersAskTheirShellDropTargets) {
    TMwShellTree* tree = NewTree();
    cl::TTreeNode* root = tree->GetFirstNode();
    cl::TTreeNode* beta = Child(root, "Beta");
    auto parent = test::PidlOfPath(scratch.Path());
    mw::TShellFolderPtr folder;
    ASSERT_HRESULT_SUCCEEDED(mw::BindToFolder(parent.get(), folder));
    auto note = test::ParseIn(folder.Get(), "note.txt");
    ASSERT_TRUE(note);
    auto data = dragdrop::TComPtr<IDataObject>::Adopt(mw::TMwShellDataObject::Create(parent.get(), {note.get()}));
    ASSERT_TRUE(data);

    // Over a folder: the folder's own answer (a copy, with Ctrl held), plus the scroll bit.
    const DWORD copyKeys = MK_LBUTTON | MK_CONTROL;
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    tree->DragEnter(data.Get(), copyKeys, ScreenPointOf(tree, beta), &effect);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    EXPECT_EQ(TreeView_GetDropHilight(tree->Handle()), beta->ItemId());
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    tree->DragOver(copyKeys, ScreenPointOf(tree, beta), &effect);
    EXPECT_EQ(effect & ~DROPEFFECT_SCROLL, DROPEFFECT_COPY);
    EXPECT_TRUE(effect & DROPEFFECT_SCROLL);

    // The root takes nothing.
    effect = DROPEFFECT_COPY;
    tree->DragOver(MK_LBUTTON, ScreenPointOf(tree, root), &effect);
    EXPECT_EQ(effect & ~DROPEFFECT_SCROLL, DROPEFFECT_NONE);
    EXPECT_EQ(TreeView_GetDropHilight(tree->Handle()), nullptr);
    tree->DragLeave();

    EXPECT_EQ(tree->DropEffectOfNode(beta) & DROPEFFECT_COPY, DROPEFFECT_COPY);

    // Resting over a collapsed folder opens it after the hover time.
    cl::TTreeNode* alpha = Child(root, "Alpha");
    ASSERT_FALSE(alpha->Expanded());
    effect = DROPEFFECT_COPY;
    tree->DragEnter(data.Get(), copyKeys, ScreenPointOf(tree, alpha), &effect);
    EXPECT_TRUE(WaitFor([&] {
        DWORD over = DROPEFFECT_COPY;
        tree->DragOver(copyKeys, ScreenPointOf(tree, alpha), &over);
        return alpha->Expanded();
    }));
    EXPECT_EQ(Captions(alpha), (std::vector<std::string>{"Inner"}));
    tree->DragLeave();

    // A drop goes to the folder's drop target (Wine's answers without copying anything), and
    // over the root to nothing.
    const struct {
        cl::TTreeNode* node;
        DWORD effect;
    } drops[] = {{beta, DROPEFFECT_COPY}, {root, DROPEFFECT_NONE}};
    for (const auto& d : drops) {
        effect = DROPEFFECT_COPY;
        tree->DragEnter(data.Get(), copyKeys, ScreenPointOf(tree, d.node), &effect);
        effect = DROPEFFECT_COPY;
        tree->Drop(data.Get(), MK_CONTROL, ScreenPointOf(tree, d.node), &effect);
        EXPECT_EQ(effect, d.effect) << d.node->Text();
    }
    EXPECT_EQ(TreeView_GetDropHilight(tree->Handle()), nullptr);
}

TEST_F(ShellTreeTest, DeepFoldersAreReachedAndRefreshed) {
    // Nested folders up to a path of about 240 characters.
    std::string path = scratch.Path();
    std::vector<std::string> names;
    for (int level = 0; path.size() + 12 < 240; ++level) {
        names.push_back("Level" + std::to_string(level) + "_xxxx");
        path += "\\" + names.back();
        MakeFolder(path);
    }
    TMwShellTree* tree = NewTree();
    ASSERT_TRUE(tree->SelectPath(path));
    ASSERT_NE(tree->Selected(), nullptr);
    EXPECT_EQ(tree->Selected()->Text(), names.back());
    EXPECT_EQ(tree->Selected()->Level(), static_cast<int>(names.size()));
    tree->Selected()->SetExpanded(true);  // listed, so that refreshes look at it
    MakeFolder(path + "\\New");
    tree->Refresh();
    EXPECT_NE(Child(tree->Selected(), "New"), nullptr);
    EXPECT_TRUE(cl::SameText(tree->SelectedPathName(), path));
}

TEST_F(ShellTreeTest, RightClicksShowTheShellsMenuForTheNode) {
    int treeMenus = 0;
    cl::TPopupMenu::PopupHook() = [&](cl::TPopupMenu&, int, int) -> cl::TMenuItem* {
        ++treeMenus;
        return nullptr;
    };
    for (const bool readOnly : {false, true}) {  // Wine's menu offers no rename either way
        auto* tree = new TMenuProbeTree(form, {scratch.Path()});
        tree->SetOptions(kDefaultShellTreeOptions & ~ShellTreeOptionBit(stoDynamicRefresh));
        tree->SetParent(form);
        tree->SetBounds(10, 10, 300, 300);
        tree->SetReadOnly(readOnly);
        tree->SetPopupMenu(new cl::TPopupMenu(form));
        std::vector<std::string> hints;
        tree->OnPopupHint = TMwShPopupHintEvent::FromFunction([&](cl::TObject*, const std::string& hint) { hints.push_back(hint); });
        tree->BaseFolder()->SetIdList(test::PidlOfPath(scratch.Path()).get());
        form->Show();
        ASSERT_TRUE(WaitFor([&] { return tree->NodeCount() > 0; }));
        SetForegroundWindow(form->Handle());

        const POINTL at = ScreenPointOf(tree, Child(tree->GetFirstNode(), "Beta"));
        SetCursorPos(at.x, at.y);
        NMHDR header{tree->Handle(), 0, static_cast<UINT>(NM_RCLICK)};
        SendMessageA(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));

        EXPECT_FALSE(tree->menuTexts.empty()) << "no shell menu";
        // Hovering over a command reports its help text; closing the menu an empty one.
        ASSERT_GE(hints.size(), 2u);
        EXPECT_TRUE(hints.back().empty());
        EXPECT_TRUE(std::any_of(tree->menuTexts.begin(), tree->menuTexts.end(),
                                [](const std::string& t) { return cl::SameText(t, "&Copy"); }))
            << ::testing::PrintToString(tree->menuTexts);
        cl::Free(tree);
    }
    EXPECT_EQ(treeMenus, 0) << "the tree's own menu showed as well";
    cl::TPopupMenu::PopupHook() = nullptr;
}

TEST_F(ShellTreeTest, DrivesComingAndGoingRefreshTheTree) {
    TMwShellTree* tree = NewTree();
    MakeFolder(scratch / "Gamma");
    HWND dispatcher = mw::DeviceChangeHandler()->WindowReceiver();
    const struct {
        WPARAM event;
        bool refreshes;
    } cases[] = {{0x0007, false}, {0x8000, true}};  // a configuration change; a device arrival
    for (const auto& c : cases) {
        SendMessageA(dispatcher, WM_DEVICECHANGE, c.event, 0);
        const bool shown = WaitFor([&] { return Child(tree->GetFirstNode(), "Gamma") != nullptr; }, c.refreshes ? kDeadline : 1000);
        EXPECT_EQ(shown, c.refreshes) << c.event;
    }
}

TEST_F(ShellTreeTest, TheDesktopIsTheRootWithoutABaseFolder) {
    auto* tree = new TScratchTree(form, {scratch.Path()});
    tree->SetOptions(kDefaultShellTreeOptions & ~ShellTreeOptionBit(stoDynamicRefresh));
    tree->SetParent(form);
    tree->SetBounds(10, 10, 300, 300);
    form->Show();
    ASSERT_TRUE(WaitFor([&] { return tree->NodeCount() > 0; }));
    cl::TTreeNode* root = tree->GetFirstNode();
    EXPECT_EQ(root->Text(), mw::GetPidlDisplayName(mw::EmptyPidl().get()));
    EXPECT_TRUE(root->Expanded());
    EXPECT_TRUE(root->HasChildren());

    // Any folder is reached from there.
    ASSERT_TRUE(tree->SelectPath(scratch / "Alpha\\Inner"));
    ASSERT_NE(tree->Selected(), nullptr);
    EXPECT_EQ(tree->Selected()->Text(), "Inner");
    EXPECT_TRUE(cl::SameText(tree->SelectedPathName(), scratch / "Alpha\\Inner"));

    // A folder outside the file system has no room for a new folder (nor does the current
    // folder stand in for it).
    mw::TPidlPtr computer;
    ASSERT_HRESULT_SUCCEEDED(mw::SpecialFolderLocation(nullptr, CSIDL_DRIVES, computer));
    tree->SelectedFolder()->SetIdList(computer.get());
    ASSERT_EQ(mw::ComparePidls(tree->SelectedFolder()->GetIdList(), computer.get()), 0);
    EXPECT_EQ(tree->SelectedPathName(), "");
    ASSERT_TRUE(SetCurrentDirectoryA(scratch.Path().c_str()));
    EXPECT_FALSE(tree->CreateNewFolder());
    EXPECT_FALSE(ut_test::Exists(scratch / "New Folder"));
    SetCurrentDirectoryA("C:\\");
}

TEST_F(ShellTreeTest, RefreshesLeaveDirectoryLinksAlone) {
    if (!ut_test::MakeDirectoryLink(scratch / "Loop", scratch.Path())) GTEST_SKIP() << "no directory links here";
    TMwShellTree* tree = NewTree();
    cl::TTreeNode* loop = Child(tree->GetFirstNode(), "Loop");
    ASSERT_NE(loop, nullptr);
    loop->SetExpanded(true);
    ASSERT_NE(Child(loop, "Loop"), nullptr);
    Child(loop, "Loop")->SetExpanded(true);

    MakeFolder(scratch / "Zeta");
    tree->Refresh();
    EXPECT_NE(Child(tree->GetFirstNode(), "Zeta"), nullptr);
    EXPECT_EQ(Child(loop, "Zeta"), nullptr) << "the walk went through the link";
}

TEST_F(ShellTreeTest, FoldersOutsideTheBaseFolderAreNotReached) {
    ut_test::ScratchFolder elsewhere;
    MakeFolder(elsewhere / "Far");
    TMwShellTree* tree = NewTree();
    ASSERT_TRUE(tree->SelectPath(scratch / "Beta"));
    ASSERT_TRUE(tree->SelectPath(elsewhere / "Far"));
    EXPECT_EQ(Captions(tree->GetFirstNode()), (std::vector<std::string>{"Alpha", "Beta"})) << "a stranger's node was added";
    EXPECT_EQ(tree->Selected()->Text(), "Beta");
}

TEST_F(ShellTreeTest, AGoneSubtreeReportsItsNodesChildrenFirst) {
    MakeFolder(scratch / "Alpha\\Inner\\Core");
    TMwShellTree* tree = NewTree();
    ASSERT_TRUE(tree->SelectPath(scratch / "Alpha\\Inner\\Core"));
    tree->SetSelected(tree->GetFirstNode());
    std::vector<std::string> deleted;
    tree->OnDeleteItem = TMwShTreeDeleteItemEvent::FromFunction([&](cl::TObject*, cl::TTreeNode* node, TMwShellTreeData* data) {
        data->ResetCache();  // the path is built afresh from the parents' records
        deleted.push_back(data->PathName());
    });
    ut::DeleteFolderContents(scratch / "Alpha", true);
    ASSERT_FALSE(ut_test::Exists(scratch / "Alpha"));
    tree->Refresh();
    const std::vector<std::string> expected{scratch / "Alpha\\Inner\\Core", scratch / "Alpha\\Inner", scratch / "Alpha"};
    ASSERT_EQ(deleted.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_TRUE(cl::SameText(deleted[i], expected[i])) << deleted[i];
    tree->OnDeleteItem = TMwShTreeDeleteItemEvent();
}

}  // namespace
