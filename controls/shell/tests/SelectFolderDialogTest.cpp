// The select-folder dialog run as a person would: its window shows, a folder is picked in its
// tree and OK or Cancel is pressed. Each run's window is driven from the dialog's OnFormShow.

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>
#include <commctrl.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/win/Application.h"
#include "classlib/win/Button.h"
#include "classlib/win/Panel.h"
#include "classlib/win/RegisterClasses.h"
#include "classlib/win/Screen.h"
#include "controls/RegisterControls.h"
#include "controls/basic/MwStatusBar.h"
#include "controls/basic/MwToolButton.h"
#include "controls/shell/MwSelectFolderDialog.h"
#include "controls/shell/MwSelectFolderForm.h"
#include "controls/shell/MwShellTree.h"
#include "controls/shell/ShellFolders.h"
#include "controls/shell/tests/ShellTestSupport.h"
#include "utils/tests/ScratchFolder.h"

namespace {

using ut_test::Exists;

// The child of the tree's root that stands for this absolute list; null when there is none.
cl::TTreeNode* RootChild(TMwShellTree& tree, LPCITEMIDLIST pidl) {
    for (cl::TTreeNode* child = tree.GetFirstNode()->GetFirstChild(); child; child = child->GetNextSibling())
        if (mw::ComparePidls(tree.ShellData(child)->AbsoluteIdList(), pidl) == 0) return child;
    return nullptr;
}

std::vector<std::string> ChildCaptions(cl::TTreeNode* node) {
    std::vector<std::string> captions;
    for (cl::TTreeNode* child = node->GetFirstChild(); child; child = child->GetNextSibling()) captions.push_back(child->Text());
    return captions;
}

class SelectFolderDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        cl::RegisterClassLibrary();
        RegisterQuillonControls();
    }
    void SetUp() override {
        for (const char* name : {"alpha", "beta", "veto"}) ut_test::MakeFolder(scratch / name);
    }
    // The tree starts at the scratch folder.
    void StartAtScratch() { dialog.BaseFolder()->SetIdList(test::PidlOfPath(scratch.Path()).get()); }

    // Runs the dialog; act drives its window once it shows and presses a button.
    bool Run(const std::function<void(TMwSelectFolderForm&)>& act) {
        dialog.OnFormShow = cl::TNotifyEvent::FromFunction([act](cl::TObject* sender) {
            auto& window = dynamic_cast<TMwSelectFolderForm&>(*sender);
            act(window);
            if (window.ModalResult() == cl::mrNone) window.CancelBtn->Click();  // a failed check ends the run
        });
        return dialog.Execute();
    }
    static void Pick(TMwSelectFolderForm& window, const std::string& path) {
        ASSERT_TRUE(window.ShellTree->SelectPath(path)) << path;
        ASSERT_EQ(window.ShellTree->SelectedPathName(), path);
    }

    cl::TApplication app;
    ut_test::ScratchFolder scratch;
    TMwSelectFolderDialog dialog{&app};
};

// From the desktop, the default root, down to the scratch folder.
TEST_F(SelectFolderDialogTest, ReturnsTheFolderPickedAndOffersItAgainUntilCancelled) {
    const std::string beta = scratch / "beta";
    std::vector<std::string> selections;
    dialog.OnSelChange = TMwFolderBrowseSelChangeEvent::FromFunction(
        [&](cl::TObject*, LPCITEMIDLIST pidl) { selections.push_back(mw::PidlToPath(pidl)); });
    std::string status;
    EXPECT_TRUE(Run([&](TMwSelectFolderForm& window) {
        Pick(window, beta);
        status = window.MwStatusBar1->SimpleCaption();
        window.OkBtn->Click();
    }));
    EXPECT_EQ(dialog.SelectedPath(), beta);
    ASSERT_FALSE(selections.empty());
    EXPECT_EQ(selections.back(), beta);
    EXPECT_EQ(status.substr(status.size() - 5), "\\beta");  // the path, maybe shortened in front

    // The next run starts on it; picking another and cancelling keeps it.
    std::string preselected;
    EXPECT_FALSE(Run([&](TMwSelectFolderForm& window) {
        preselected = window.ShellTree->SelectedPathName();
        Pick(window, scratch / "alpha");
        window.CancelBtn->Click();
    }));
    EXPECT_EQ(preselected, beta);
    EXPECT_EQ(dialog.SelectedPath(), beta);
}

TEST_F(SelectFolderDialogTest, TheWindowIsCaptionedByTheTitleOrElseBrowseForFolder) {
    StartAtScratch();
    for (const std::string title : {"Pick a target", ""}) {
        dialog.SetTitle(title);
        std::string caption;
        Run([&](TMwSelectFolderForm& window) { caption = window.Caption(); });
        EXPECT_EQ(caption, title.empty() ? "Browse for Folder" : title);
    }
}

TEST_F(SelectFolderDialogTest, TheTreeStartsAtTheBaseFolderWithoutVetoedFolders) {
    StartAtScratch();
    std::vector<std::string> asked;
    dialog.OnAddItem = TMwShAddItemEvent::FromFunction(
        [&](cl::TObject*, IShellFolder*, LPCITEMIDLIST parent, LPCITEMIDLIST item, ULONG, bool& allow) {
            const std::string path = mw::PidlToPath(mw::ConcatPidls(nullptr, parent, item).get());
            asked.push_back(path);
            allow = path != scratch / "veto";
        });
    std::string rootPath;
    std::vector<std::string> children;
    EXPECT_TRUE(Run([&](TMwSelectFolderForm& window) {
        cl::TTreeNode* root = window.ShellTree->GetFirstNode();
        ASSERT_NE(root, nullptr);
        rootPath = window.ShellTree->ShellData(root)->PathName();
        children = ChildCaptions(root);
        Pick(window, scratch / "alpha");
        window.OkBtn->Click();
    }));
    EXPECT_EQ(rootPath, scratch.Path());
    EXPECT_EQ(children, (std::vector<std::string>{"alpha", "beta"}));
    EXPECT_NE(std::find(asked.begin(), asked.end(), scratch / "veto"), asked.end());
    EXPECT_EQ(dialog.SelectedPath(), scratch / "alpha");
}

TEST_F(SelectFolderDialogTest, OptionsShapeTheButtonsAndTheTree) {
    const TMwShellTreeOptions contextMenus = ShellTreeOptionBit(stoContextMenus);
    const TMwShellTreeOptions showHidden = ShellTreeOptionBit(stoShowHidden);
    const TMwShellTreeOptions nonFolders = ShellTreeOptionBit(stoIncludeNonFolders);
    const TMwShellTreeOptions oleDrag = ShellTreeOptionBit(stoOleDrag);
    const TMwShellTreeOptions oleDrop = ShellTreeOptionBit(stoOleDrop);
    const TMwShellTreeOptions virtualFolders = ShellTreeOptionBit(stoVirtualFolders);
    const TMwShellTreeOptions mapped = contextMenus | showHidden | nonFolders | oleDrag | oleDrop | virtualFolders;
    struct Case {
        TMwSelectFolderDialogOptions options;
        bool buttons;
        int createImage;
        int deleteImage;
        bool flat;
        bool readOnly;
        TMwShellTreeOptions treeOptions;  // of those the dialog sets
        int treeTop;
    } cases[] = {
        {kDefaultSelectFolderOptions, false, 0, 2, true, false, contextMenus | showHidden, 8},
        {kDefaultSelectFolderOptions | sfdoCreateDeleteButtons, true, 0, 2, true, false, contextMenus | showHidden, 33},
        {sfdoCreateDeleteButtons | sfdoCreateFolderIcon | sfdoReadOnly, true, 0, -1, false, true, 0, 33},
        {sfdoCreateDeleteButtons | sfdoIncludeNonFolders | sfdoOleDrag | sfdoOleDrop | sfdoVirtualFolders, true, -1, -1, false,
         false, nonFolders | oleDrag | oleDrop | virtualFolders, 33},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options);
        dialog.SetOptions(c.options);
        EXPECT_FALSE(Run([&](TMwSelectFolderForm& window) {
            EXPECT_EQ(window.BtnNewFolder->Visible(), c.buttons);
            EXPECT_EQ(window.BtnDeleteFolder->Visible(), c.buttons);
            EXPECT_EQ(window.BtnNewFolder->ImageIndex(), c.createImage);
            EXPECT_EQ(window.BtnDeleteFolder->ImageIndex(), c.deleteImage);
            EXPECT_EQ(window.BtnNewFolder->Flat(), c.flat);
            EXPECT_EQ(window.BtnDeleteFolder->Flat(), c.flat);
            EXPECT_EQ(window.ShellTree->ReadOnly(), c.readOnly);
            EXPECT_EQ(window.ShellTree->Options() & mapped, c.treeOptions);
            EXPECT_EQ(window.ShellTree->Top(), c.treeTop);
            EXPECT_EQ(TreeView_GetIndent(window.ShellTree->Handle()), 19u);  // from the form resource
            window.CancelBtn->Click();
        }));
    }
}

TEST_F(SelectFolderDialogTest, TheButtonsCreateAFolderAndAreEnabledWhereTheyCanAct) {
    dialog.SetOptions(kDefaultSelectFolderOptions | sfdoCreateDeleteButtons);
    StartAtScratch();
    bool deleteOnRoot = true;
    bool deleteOnChild = false;
    EXPECT_FALSE(Run([&](TMwSelectFolderForm& window) {
        Pick(window, scratch.Path());
        deleteOnRoot = window.BtnDeleteFolder->Enabled();
        EXPECT_TRUE(window.BtnNewFolder->Enabled());
        Pick(window, scratch / "beta");
        deleteOnChild = window.BtnDeleteFolder->Enabled();
        window.BtnNewFolder->Click();
        window.CancelBtn->Click();
    }));
    EXPECT_FALSE(deleteOnRoot);
    EXPECT_TRUE(deleteOnChild);
    EXPECT_TRUE(Exists(scratch / "beta\\New Folder"));
}

// A folder outside the file system is no answer: OK is disabled and the status line says why,
// and even a press of OK does not count as a choice.
TEST_F(SelectFolderDialogTest, AFolderWithoutAPathIsNeverChosen) {
    const std::string alpha = scratch / "alpha";
    dialog.SelectedFolder().SetIdList(test::PidlOfPath(alpha).get());
    mw::TPidlPtr computer, documents;
    ASSERT_TRUE(SUCCEEDED(mw::SpecialFolderLocation(nullptr, CSIDL_DRIVES, computer)));
    ASSERT_TRUE(SUCCEEDED(mw::SpecialFolderLocation(nullptr, CSIDL_PERSONAL, documents)));
    // Picked in the desktop's tree as a click would.
    const auto pick = [](TMwSelectFolderForm& window, LPCITEMIDLIST pidl) {
        cl::TTreeNode* node = RootChild(*window.ShellTree, pidl);
        ASSERT_NE(node, nullptr);
        node->SetSelected(true);
    };
    bool okEnabled = true;
    bool createEnabled = true;
    std::string status;
    EXPECT_FALSE(Run([&](TMwSelectFolderForm& window) {
        pick(window, computer.get());
        ASSERT_EQ(window.ShellTree->SelectedPathName(), "");
        okEnabled = window.OkBtn->Enabled();
        createEnabled = window.BtnNewFolder->Enabled();
        status = window.MwStatusBar1->SimpleCaption();
        window.OkBtn->Click();
    }));
    EXPECT_FALSE(okEnabled);
    EXPECT_FALSE(createEnabled);
    EXPECT_EQ(status, "Not a folder on disk");
    EXPECT_EQ(dialog.SelectedPath(), alpha);

    // Back on a disk folder, OK is offered again.
    std::string chosen;
    EXPECT_TRUE(Run([&](TMwSelectFolderForm& window) {
        pick(window, computer.get());
        pick(window, documents.get());
        chosen = window.ShellTree->SelectedPathName();
        okEnabled = window.OkBtn->Enabled();
        window.OkBtn->Click();
    }));
    EXPECT_TRUE(okEnabled);
    EXPECT_FALSE(chosen.empty());
    EXPECT_EQ(dialog.SelectedPath(), chosen);
}

TEST_F(SelectFolderDialogTest, TheWindowKeepsItsSizeAndStateBetweenRuns) {
    EXPECT_EQ(dialog.FormWidth(), -1);
    int firstWidth = 0;
    EXPECT_FALSE(Run([&](TMwSelectFolderForm& window) {
        firstWidth = window.Width();
        window.SetBounds(window.Left(), window.Top(), 500, 420);
        // The layout follows: the tree fills the width, the buttons keep to the right edge and
        // the status line stays below the buttons.
        const int clientWidth = window.ClientRect().Width();
        EXPECT_EQ(window.ShellTree->Width(), clientWidth - 24);
        EXPECT_EQ(window.ShellTree->Top() + window.ShellTree->Height(), window.ButtonPanel->Top() - 4);
        EXPECT_EQ(window.CancelBtn->Left() + window.CancelBtn->Width(), clientWidth - 8);
        EXPECT_EQ(window.OkBtn->Left() + window.OkBtn->Width(), window.CancelBtn->Left() - 8);
        EXPECT_GT(window.MwStatusBar1->Top(), window.ButtonPanel->Top());
        window.CancelBtn->Click();
    }));
    EXPECT_GE(firstWidth, 358);  // the form resource's size
    EXPECT_EQ(dialog.FormWidth(), 500);
    EXPECT_EQ(dialog.FormHeight(), 420);
    EXPECT_EQ(dialog.FormWindowState(), cl::TWindowState::Normal);

    cl::TRect restored;
    EXPECT_FALSE(Run([&](TMwSelectFolderForm& window) {
        restored = window.BoundsRect();
        window.SetWindowState(cl::TWindowState::Maximized);
        window.CancelBtn->Click();
    }));
    EXPECT_EQ(restored.Width(), 500);
    EXPECT_EQ(restored.Height(), 420);
    EXPECT_EQ(dialog.FormWindowState(), cl::TWindowState::Maximized);
    EXPECT_EQ(dialog.FormWidth(), 500);  // the restored size, not the maximised one

    bool zoomed = false;
    MINMAXINFO limits{};
    EXPECT_FALSE(Run([&](TMwSelectFolderForm& window) {
        zoomed = IsZoomed(window.Handle());
        SendMessageA(window.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        window.CancelBtn->Click();
    }));
    EXPECT_TRUE(zoomed);
    EXPECT_EQ(limits.ptMinTrackSize.x, 366);
    EXPECT_EQ(limits.ptMinTrackSize.y, 340);
    EXPECT_EQ(dialog.FormWidth(), 500);
}

class TNestingDialog : public TMwSelectFolderDialog {
public:
    using TMwSelectFolderDialog::TMwSelectFolderDialog;
    using TMwSelectFolderDialog::RunDialogForm;
};

TEST_F(SelectFolderDialogTest, FailuresLeaveNoWindowAndTheCursorAsItWas) {
    // A run started beside the one in progress.
    TNestingDialog nesting(&app);
    std::string nested;
    nesting.OnFormShow = cl::TNotifyEvent::FromFunction([&](cl::TObject* sender) {
        try {
            nesting.RunDialogForm();
        } catch (const cl::Exception& e) {
            nested = e.what();
        }
        dynamic_cast<TMwSelectFolderForm&>(*sender).CancelBtn->Click();
    });
    EXPECT_FALSE(nesting.Execute());
    EXPECT_EQ(nested, "TMwSelectFolderDialog form already active");

    // A handler that fails before the window shows.
    cl::Screen().SetCursor(cl::crCross);
    dialog.OnInitialized = cl::TNotifyEvent::FromFunction([&](cl::TObject*) {
        EXPECT_NE(dialog.Form(), nullptr);
        EXPECT_EQ(cl::Screen().Cursor(), cl::crHourGlass);
        throw std::runtime_error("refused");
    });
    EXPECT_THROW(dialog.Execute(), std::runtime_error);
    EXPECT_EQ(dialog.Form(), nullptr);
    EXPECT_FALSE(dialog.Executing());
    EXPECT_EQ(cl::Screen().Cursor(), cl::crCross);
    cl::Screen().SetCursor(cl::crDefault);
}

}  // namespace
