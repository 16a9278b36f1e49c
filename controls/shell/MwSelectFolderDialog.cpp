#include "controls/shell/MwSelectFolderDialog.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"
#include "classlib/win/Application.h"
#include "classlib/win/Screen.h"

namespace {

const cl::TEnumNames kOptionNames{{{"sfdoCreateDeleteButtons", 0}, {"sfdoContextMenus", 1}, {"sfdoReadOnly", 2},
                                   {"sfdoIncludeNonFolders", 3}, {"sfdoOleDrag", 4}, {"sfdoOleDrop", 5},
                                   {"sfdoCreateFolderIcon", 6}, {"sfdoDeleteFolderIcon", 7}, {"sfdoVirtualFolders", 8},
                                   {"sfdoShowHidden", 9}}};
const cl::TEnumNames kWindowStateNames{{{"wsNormal", 0}, {"wsMinimized", 1}, {"wsMaximized", 2}}};

struct TBrowseState {
    TMwSelectFolderDialog* dialog;
    const std::string* initialPath;
};

int CALLBACK BrowseCallback(HWND window, UINT msg, LPARAM param, LPARAM data) {
    try {
        auto* state = reinterpret_cast<TBrowseState*>(data);
        if (msg == BFFM_INITIALIZED) {
            if (!state->initialPath->empty())
                SendMessageA(window, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(state->initialPath->c_str()));
            state->dialog->OnInitialized(state->dialog);
            state->dialog->OnFormShow(state->dialog);
        } else if (msg == BFFM_SELCHANGED) {
            state->dialog->OnSelChange(state->dialog, reinterpret_cast<LPCITEMIDLIST>(param));
        }
    } catch (...) {
        cl::TApplication::HandleCurrentException();
    }
    return 0;
}

}  // namespace

const cl::TClassInfo& TMwSelectFolderDialog::StaticClass() {
    using D = TMwSelectFolderDialog;
    static const auto info = cl::TClassBuilder<D>("TMwSelectFolderDialog", cl::TComponent::StaticClass())
                                 .Creatable()
                                 .Str("Title", &D::Title, &D::SetTitle)
                                 .Int("FormWidth", &D::FormWidth, &D::SetFormWidth)
                                 .Int("FormHeight", &D::FormHeight, &D::SetFormHeight)
                                 .Enum<cl::TWindowState>("FormWindowState", &D::FormWindowState, &D::SetFormWindowState, kWindowStateNames)
                                 .Set("Options", &D::Options, &D::SetOptions, kOptionNames)
                                 .Event("OnInitialized", &D::OnInitialized)
                                 .Event("OnFormShow", &D::OnFormShow)
                                 .Event("OnFormClose", &D::OnFormClose)
                                 .Event("OnSelChange", &D::OnSelChange)
                                 .Build();
    return *info;
}

std::function<bool(TMwSelectFolderDialog&, std::string&)>& TMwSelectFolderDialog::ExecuteHook() {
    static std::function<bool(TMwSelectFolderDialog&, std::string&)> hook;
    return hook;
}

bool TMwSelectFolderDialog::Execute() {
    if (executing_) throw cl::Exception(std::string(ClassName()) + " already executing");
    executing_ = true;
    bool confirmed = false;
    try {
        std::string path = selectedPath_;
        confirmed = ExecuteHook() ? ExecuteHook()(*this, path) : Browse(path);
        if (confirmed) selectedPath_ = path;
    } catch (...) {
        executing_ = false;
        throw;
    }
    executing_ = false;
    return confirmed;
}

bool TMwSelectFolderDialog::Browse(std::string& path) {
    const std::string title = title_.empty() ? "Browse for Folder" : title_;
    TBrowseState state{this, &path};
    char displayName[MAX_PATH] = "";
    BROWSEINFOA info = {};
    info.hwndOwner = GetActiveWindow();
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = &BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(&state);
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    OnFormClose(this);
    if (!chosen) return false;
    char folder[MAX_PATH] = "";
    const bool hasPath = SHGetPathFromIDListA(chosen, folder);
    CoTaskMemFree(chosen);
    path = hasPath ? folder : "";
    return true;
}
