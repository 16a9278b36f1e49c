// The shell tree over a real folder structure made in the test's temporary folder: what it
// shows, selecting by path, following changes on disk, renaming by label editing, the veto of
// added items, and its keys.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "classlib/core/FormReader.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "controls/RegisterControls.h"
#include "controls/shell/MwShellTree.h"
#include "controls/shell/ShellDisplayNames.h"
#include "controls/shell/tests/ShellTestSupport.h"
#include "utils/tests/ScratchFolder.h"

namespace {

constexpr DWORD kDeadline = 30000;  // generous: other builds load the machine

using ut_test::MakeFolder;

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
        auto* t = new TMwShellTree(form);
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

}  // namespace
