#pragma once
// The select-folder dialog: Execute makes a TMwSelectFolderForm, runs it modally and, when the
// user confirms a folder on disk, remembers it as SelectedFolder.

#include <memory>
#include <string>

#include "controls/shell/MwSelectFolderDialogOptions.h"
#include "controls/shell/MwSelectFolderForm.h"
#include "controls/shell/MwShellDialog.h"
#include "controls/shell/MwShellLocator.h"
#include "controls/shell/MwShellTree.h"

class TMwCustomSelectFolderDialog : public TMwShellDialog {
    CL_CLASS_INFO()
public:
    explicit TMwCustomSelectFolderDialog(cl::TComponent* owner);
    ~TMwCustomSelectFolderDialog() override;

    // The root of the tree (the desktop by default); setting it takes the other's location.
    TMwShellLocator* BaseFolder() const { return baseFolder_.get(); }
    void SetBaseFolder(const TMwShellLocator* folder) { baseFolder_->Assign(folder); }
    TMwSelectFolderDialogOptions Options() const { return options_; }
    void SetOptions(TMwSelectFolderDialogOptions v) { options_ = v; }

    // The folder chosen in the last confirmed run, and the folder preselected at the next.
    TMwShellLocator& SelectedFolder() { return *selectedFolder_; }
    // SelectedFolder's file-system path; "" for a folder outside the file system.
    std::string SelectedPath() { return selectedFolder_->PathName(); }
    // Shown in the status line when the window opens.
    const std::string& StatusText() const { return statusText_; }
    void SetStatusText(const std::string& v) { statusText_ = v; }
    // The window of the run in progress; nullptr between runs.
    TMwSelectFolderForm* Form() const { return form_; }

    TMwShAddItemEvent OnAddItem;  // handed to the tree
    TMwFolderBrowseSelChangeEvent OnSelChange;

protected:
    bool RunDialogForm() override;
    virtual TMwSelectFolderForm* CreateDialogForm();
    virtual void InitForm(TMwSelectFolderForm& form);
    virtual void DoInitialized();
    virtual void SaveFormState(TMwSelectFolderForm& form);

private:
    std::unique_ptr<TMwShellLocator> baseFolder_;
    std::unique_ptr<TMwShellLocator> selectedFolder_;
    TMwSelectFolderDialogOptions options_ = kDefaultSelectFolderOptions;
    std::string statusText_;
    TMwSelectFolderForm* form_ = nullptr;
};
