#pragma once
// The window of the select-folder dialog, built from its form resource: the create and delete
// buttons, the folder tree, OK and Cancel, and a status line with the chosen folder's path.

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "classlib/core/Event.h"
#include "classlib/win/Form.h"
#include "controls/shell/MwSelectFolderDialogOptions.h"

namespace cl {
class TButton;
class TImageList;
class TPanel;
class TTreeNode;
}  // namespace cl
class TMwShellTree;
class TMwToolButton;
class TMwStatusBar;

// NewSel is the new folder's absolute item-ID list, valid during the call.
using TMwFolderBrowseSelChangeEvent = cl::TEvent<cl::TObject*, LPCITEMIDLIST>;

class TMwSelectFolderForm : public cl::TForm {
    CL_CLASS_INFO()
public:
    explicit TMwSelectFolderForm(cl::TComponent* owner) : cl::TForm(owner) {}

    TMwToolButton* BtnNewFolder = nullptr;
    TMwToolButton* BtnDeleteFolder = nullptr;
    TMwShellTree* ShellTree = nullptr;
    cl::TPanel* ButtonPanel = nullptr;
    cl::TButton* OkBtn = nullptr;
    cl::TButton* CancelBtn = nullptr;
    TMwStatusBar* MwStatusBar1 = nullptr;
    cl::TImageList* ImageList1 = nullptr;

    void ApplyDialogOptions(TMwSelectFolderDialogOptions options);
    void ShowStatusText(const std::string& text);

    void FormCreate(cl::TObject* Sender);
    void FormResize(cl::TObject* Sender);
    void ShellTreeChange(cl::TObject* Sender, cl::TTreeNode* Node);
    void CreateBtnClick(cl::TObject* Sender);
    void DeleteBtnClick(cl::TObject* Sender);

    // Showing fires OnFormShow once the window is up and filled; hiding fires OnFormClose.
    void SetVisible(bool visible) override;

    // Taken from the dialog for the run.
    cl::TNotifyEvent OnFormShow;
    cl::TNotifyEvent OnFormClose;
    TMwFolderBrowseSelChangeEvent OnSelChange;

protected:
    void WndProc(cl::TMessage& message) override;

private:
    // The path shortened to what the status line shows.
    std::string FittedPath(const std::string& path);
    // The folder's path in the status line, or why there is none.
    void ShowFolderStatus(const std::string& path);
};
