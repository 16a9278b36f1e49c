#include "controls/shell/MwCustomSelectFolderDialog.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"
#include "classlib/win/Application.h"
#include "classlib/win/Screen.h"

namespace {

// A folder without a path on disk is no answer to "which folder".
bool ConfirmedFolderOnDisk(TMwSelectFolderForm& form) {
    return form.ModalResult() == cl::mrOk && !form.ShellTree->SelectedPathName().empty();
}

}  // namespace

const cl::TClassInfo& TMwCustomSelectFolderDialog::StaticClass() {
    static const auto info =
        cl::TClassBuilder<TMwCustomSelectFolderDialog>("TMwCustomSelectFolderDialog", TMwShellDialog::StaticClass()).Build();
    return *info;
}

TMwCustomSelectFolderDialog::TMwCustomSelectFolderDialog(cl::TComponent* owner)
    : TMwShellDialog(owner), baseFolder_(std::make_unique<TMwShellLocator>()), selectedFolder_(std::make_unique<TMwShellLocator>()) {}

TMwCustomSelectFolderDialog::~TMwCustomSelectFolderDialog() { cl::Free(form_); }

bool TMwCustomSelectFolderDialog::RunDialogForm() {
    if (form_) throw cl::Exception("TMwSelectFolderDialog form already active");
    struct TFreeForm {
        TMwSelectFolderForm*& form;
        ~TFreeForm() {
            cl::Free(form);
            form = nullptr;
        }
    } freeForm{form_};
    {
        // Only while the window is made: the user picks a folder under the normal cursor.
        const cl::TScopedCursor hourglass;
        form_ = CreateDialogForm();
        InitForm(*form_);
        DoInitialized();
    }
    form_->ShowModal();
    SaveFormState(*form_);
    return ConfirmedFolderOnDisk(*form_);
}

TMwSelectFolderForm* TMwCustomSelectFolderDialog::CreateDialogForm() {
    return cl::CreateForm<TMwSelectFolderForm>(cl::Application());
}

void TMwCustomSelectFolderDialog::InitForm(TMwSelectFolderForm& form) {
    form.OnSelChange = OnSelChange;
    form.OnFormShow = OnFormShow;
    form.OnFormClose = OnFormClose;
    form.ShellTree->OnAddItem = OnAddItem;
    form.ShowStatusText(statusText_);
    if (FormWidth() > 0) form.SetWidth(FormWidth());
    if (FormHeight() > 0) form.SetHeight(FormHeight());
    form.SetWindowState(FormWindowState());
    form.ApplyDialogOptions(options_);
    if (!Title().empty()) form.SetCaption(Title());  // else the window's own
    form.ShellTree->SetBaseFolder(baseFolder_.get());
    form.ShellTree->SetSelectedFolder(selectedFolder_.get());
}

void TMwCustomSelectFolderDialog::DoInitialized() { OnInitialized(this); }

void TMwCustomSelectFolderDialog::SaveFormState(TMwSelectFolderForm& form) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (form.HandleAllocated() && GetWindowPlacement(form.Handle(), &placement)) {
        // The normal-position rectangle, so that a maximised window keeps its restored size.
        SetFormWidth(placement.rcNormalPosition.right - placement.rcNormalPosition.left);
        SetFormHeight(placement.rcNormalPosition.bottom - placement.rcNormalPosition.top);
    }
    SetFormWindowState(form.WindowState());
    if (ConfirmedFolderOnDisk(form)) selectedFolder_->Assign(form.ShellTree->SelectedFolder());
}
