#include "classlib/win/FileDialogs.h"

#include <windows.h>
#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdio>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/FileDialogText.h"
#include "classlib/win/Application.h"
#include "classlib/win/Screen.h"

namespace cl {

namespace {

const TEnumNames kOpenOptionNames{{{"ofAllowMultiSelect", 0},
                                   {"ofFileMustExist", 1},
                                   {"ofPathMustExist", 2},
                                   {"ofOverwritePrompt", 3},
                                   {"ofHideReadOnly", 4},
                                   {"ofNoChangeDir", 5}}};

// Large enough for a few hundred files chosen at once.
constexpr size_t kFileBufferSize = 64 * 1024;

HWND DialogOwner() {
    if (TCustomForm* active = Screen().ActiveForm()) return active->Handle();
    TApplication* app = Application();
    if (app && app->MainForm() && app->MainForm()->HandleAllocated()) return app->MainForm()->Handle();
    return app ? app->Handle() : nullptr;
}

DWORD CommonDialogFlags(unsigned options) {
    DWORD flags = OFN_EXPLORER | OFN_ENABLESIZING;
    if (options & ofAllowMultiSelect) flags |= OFN_ALLOWMULTISELECT;
    if (options & ofFileMustExist) flags |= OFN_FILEMUSTEXIST;
    if (options & ofPathMustExist) flags |= OFN_PATHMUSTEXIST;
    if (options & ofOverwritePrompt) flags |= OFN_OVERWRITEPROMPT;
    if (options & ofHideReadOnly) flags |= OFN_HIDEREADONLY;
    if (options & ofNoChangeDir) flags |= OFN_NOCHANGEDIR;
    return flags;
}

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

// The system puts the dialog at its owner's top-left corner, which for a maximised owner is
// the screen's. It goes over the middle of its owner instead, within the owner's monitor.
void CentreOnOwner(HWND dialog) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoA(MonitorFromWindow(owner ? owner : dialog, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const RECT area = monitor.rcWork;
    RECT around = area;
    RECT ownerRect;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner) && GetWindowRect(owner, &ownerRect))
        IntersectRect(&around, &ownerRect, &area);
    if (IsRectEmpty(&around)) around = area;
    RECT own;
    GetWindowRect(dialog, &own);
    const LONG width = own.right - own.left, height = own.bottom - own.top;
    const LONG x = std::max(area.left, std::min(around.left + (around.right - around.left - width) / 2, area.right - width));
    const LONG y = std::max(area.top, std::min(around.top + (around.bottom - around.top - height) / 2, area.bottom - height));
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The dialog's hook: an empty child of the dialog, told when the dialog is ready.
UINT_PTR CALLBACK FileDialogHook(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_INITDONE) CentreOnOwner(GetParent(hook));
    return 0;
}

}  // namespace

const TClassInfo& TOpenDialog::StaticClass() {
    static const auto info = TClassBuilder<TOpenDialog>("TOpenDialog", TComponent::StaticClass())
                                 .Creatable()
                                 .Str("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt)
                                 .Str("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName)
                                 .Str("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter)
                                 .Int("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex)
                                 .Str("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir)
                                 .Set("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions, kOpenOptionNames)
                                 .Str("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle)
                                 .Build();
    return *info;
}

const TClassInfo& TSaveDialog::StaticClass() {
    static const auto info = TClassBuilder<TSaveDialog>("TSaveDialog", TOpenDialog::StaticClass()).Creatable().Build();
    return *info;
}

TFileDialogHooks& FileDialogHooks() {
    static TFileDialogHooks hooks;
    return hooks;
}

bool TOpenDialog::Execute() {
    if (FileDialogHooks().execute) return FileDialogHooks().execute(*this);
    return ShowCommonDialog();
}

bool TOpenDialog::ShowCommonDialog() {
    std::string buffer(kFileBufferSize, '\0');
    fileName_.copy(buffer.data(), buffer.size() - 1);
    const std::string filter = FileDialogFilter(filter_);
    const size_t dot = defaultExt_.find_first_not_of('.');
    const std::string defaultExt = dot == std::string::npos ? std::string() : defaultExt_.substr(dot);

    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = DialogOwner();
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.data();
    ofn.nFilterIndex = static_cast<DWORD>(filterIndex_);
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrInitialDir = OrNull(initialDir_);
    ofn.lpstrTitle = OrNull(title_);
    ofn.lpstrDefExt = OrNull(defaultExt);
    ofn.Flags = CommonDialogFlags(options_) | OFN_ENABLEHOOK;
    ofn.lpfnHook = &FileDialogHook;

    const BOOL chosen = kind_ == TFileDialogKind::Save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!chosen) {
        const DWORD error = CommDlgExtendedError();
        if (error == 0) return false;  // cancelled
        if (error == FNERR_BUFFERTOOSMALL) throw Exception("Too many files were chosen at once");
        char text[64];
        std::snprintf(text, sizeof(text), "The file dialog failed (error %lu)", static_cast<unsigned long>(error));
        throw Exception(text);
    }

    if (options_ & ofAllowMultiSelect) files_.Assign(ParseFileDialogResult(buffer));
    else files_.Assign(std::vector<std::string>{buffer.c_str()});
    fileName_ = files_.Count() > 0 ? files_[0] : std::string();
    filterIndex_ = static_cast<int>(ofn.nFilterIndex);
    return true;
}

}  // namespace cl
