// A shell list and a shell tree together: dragging a file from the list onto a tree node. The
// drag is driven with synthesised mouse input through the system's OLE drag loop. The copying
// itself is the shell drop target's work; this Wine's file-system target notes a drop without
// copying, so the test checks what reaches the tree: the list's file, over the node, with
// the effects the list's items allow. (This Wine also hands out a folder item's parent folder
// as its drop target, and refuses drops into the folder the files come from: the file is
// therefore dragged from a sibling of the node's folder.)

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "classlib/core/TextUtils.h"
#include "classlib/tests/win/PumpMessages.h"
#include "dragdrop/ComPtr.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "controls/shell/MwShellList.h"
#include "controls/shell/MwShellTree.h"
#include "controls/shell/tests/ShellTestSupport.h"
#include "utils/tests/ScratchFolder.h"

namespace {

// The first file name of the data object's CF_HDROP block.
std::string DroppedFile(IDataObject* data) {
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&format, &medium))) return {};
    char name[MAX_PATH] = {};
    DragQueryFileA(static_cast<HDROP>(medium.hGlobal), 0, name, sizeof name);
    ReleaseStgMedium(&medium);
    return name;
}

// Notes each drop that reaches it, then lets the shell's target have it.
class TRecordingTree : public TMwShellTree {
public:
    using TMwShellTree::TMwShellTree;

    HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override {
        const cl::TPoint client = ScreenToClient({point.x, point.y});
        cl::TTreeNode* node = GetNodeAt(client.x, client.y);
        droppedOn = node ? node->Text() : "";
        droppedFile = DroppedFile(data);
        offered = *effect;
        return TMwShellTree::Drop(data, keyState, point, effect);
    }

    std::string droppedOn;
    std::string droppedFile;
    DWORD offered = 0;
};

void MouseTo(POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>(screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1));
    input.mi.dy = static_cast<LONG>(screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void Button(DWORD flag) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    SendInput(1, &input, sizeof input);
}

class ShellListTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ut_test::MakeFolder(scratch / "src");
        ut_test::MakeFolder(scratch / "sub");
        test::WriteFileOfSize(scratch / "src\\a.log", 10);
        form = new cl::TForm(&app);
        form->SetBounds(40, 40, 640, 400);
        tree = new TRecordingTree(form);
        tree->SetParent(form);
        tree->SetBounds(0, 0, 250, 360);
        list = new TMwShellList(form);
        list->SetParent(form);
        list->SetBounds(260, 0, 360, 360);
        tree->BaseFolder()->SetIdList(test::PidlOfPath(scratch.Path()).get());
        tree->SetShellList(list);
        form->Show();
    }
    void TearDown() override { delete form; }

    cl::TApplication app;
    ut_test::ScratchFolder scratch;
    cl::TForm* form = nullptr;
    TRecordingTree* tree = nullptr;
    TMwShellList* list = nullptr;
};

TEST_F(ShellListTreeTest, AFileDraggedFromTheListDropsOnATreeNode) {
    ASSERT_TRUE(test::PumpMessagesUntil([&] { return tree->GetFirstNode() && tree->GetFirstNode()->GetFirstChild(); }));
    ASSERT_TRUE(tree->SelectPath(scratch / "src"));
    ASSERT_TRUE(test::PumpMessagesUntil([&] { return list->ItemCount() == 1; })) << "the tree hands the list its folder";
    int file = 0;
    for (; file < list->ItemCount(); ++file) {
        char text[MAX_PATH] = {};
        ListView_GetItemText(list->Handle(), file, 0, text, sizeof text);
        if (std::string(text) == "a.log") break;
    }
    ASSERT_LT(file, list->ItemCount());
    cl::TTreeNode* sub = tree->GetFirstNode()->GetFirstChild();
    while (sub && sub->Text() != "sub") sub = sub->GetNextSibling();
    ASSERT_NE(sub, nullptr);

    RECT itemRect{}, nodeRect{};
    ListView_GetItemRect(list->Handle(), file, &itemRect, LVIR_LABEL);
    TreeView_GetItemRect(tree->Handle(), sub->ItemId(), &nodeRect, TRUE);
    POINT from{(itemRect.left + itemRect.right) / 2, (itemRect.top + itemRect.bottom) / 2};
    POINT to{(nodeRect.left + nodeRect.right) / 2, (nodeRect.top + nodeRect.bottom) / 2};
    ClientToScreen(list->Handle(), &from);
    ClientToScreen(tree->Handle(), &to);

    // The hand: press on the file, move out of the drag threshold and over to the node, rest
    // there, release. The UI thread meanwhile runs the list's drag loop.
    std::atomic<bool> released{false};
    std::thread hand([&] {
        MouseTo(from);
        Sleep(300);
        Button(MOUSEEVENTF_LEFTDOWN);
        Sleep(300);
        for (int step = 1; step <= 20; ++step) {
            MouseTo({from.x + (to.x - from.x) * step / 20, from.y + (to.y - from.y) * step / 20});
            Sleep(50);
        }
        Sleep(500);
        MouseTo(to);
        Sleep(300);
        Button(MOUSEEVENTF_LEFTUP);
        released = true;
    });
    const bool dropped = test::PumpMessagesUntil([&] { return released && !tree->droppedOn.empty(); });
    hand.join();
    ASSERT_TRUE(dropped) << "no drop reached the tree";

    EXPECT_EQ(tree->droppedOn, "sub");
    EXPECT_TRUE(cl::SameText(tree->droppedFile, scratch / "src\\a.log")) << tree->droppedFile;
    // The drag offers what the list's file allows.
    ListView_SetItemState(list->Handle(), -1, 0, LVIS_SELECTED);
    ListView_SetItemState(list->Handle(), file, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(tree->offered, list->DropEffectOfSelection());
}

}  // namespace
