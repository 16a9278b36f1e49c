#pragma once
// A dialog component in which the user picks a folder; Execute runs it modally and
// SelectedPath holds the chosen folder afterwards.
//
// This class offers what the program uses so far: the properties, Execute and SelectedPath.
// The library's own folder window comes later; until then the system's folder browser asks
// the user. Tests answer through ExecuteHook instead.

#include <windows.h>
#include <shlobj.h>

#include <functional>
#include <string>

#include "classlib/core/Component.h"
#include "classlib/core/Event.h"
#include "classlib/win/Form.h"

// A set of TMwSelectFolderDialogOption members, one bit each in this order:
// sfdoCreateDeleteButtons, sfdoContextMenus, sfdoReadOnly, sfdoIncludeNonFolders, sfdoOleDrag,
// sfdoOleDrop, sfdoCreateFolderIcon, sfdoDeleteFolderIcon, sfdoVirtualFolders, sfdoShowHidden.
using TMwSelectFolderDialogOptions = unsigned;
constexpr TMwSelectFolderDialogOptions kDefaultSelectFolderOptions = 706;

using TMwFolderBrowseSelChangeEvent = cl::TEvent<cl::TObject*, LPCITEMIDLIST>;

class TMwSelectFolderDialog : public cl::TComponent {
    CL_CLASS_INFO()
public:
    explicit TMwSelectFolderDialog(cl::TComponent* owner) : cl::TComponent(owner) {}

    // Empty shows "Browse for Folder".
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& v) { title_ = v; }
    int FormWidth() const { return formWidth_; }
    void SetFormWidth(int v) { formWidth_ = v; }
    int FormHeight() const { return formHeight_; }
    void SetFormHeight(int v) { formHeight_ = v; }
    cl::TWindowState FormWindowState() const { return formWindowState_; }
    void SetFormWindowState(cl::TWindowState v) { formWindowState_ = v; }
    TMwSelectFolderDialogOptions Options() const { return options_; }
    void SetOptions(TMwSelectFolderDialogOptions v) { options_ = v; }

    // The folder chosen in the last run that ended with OK; also the folder preselected next.
    const std::string& SelectedPath() const { return selectedPath_; }
    void SetSelectedPath(const std::string& path) { selectedPath_ = path; }

    // Asks for a folder; true when the user confirmed one. Raises when a run is in progress.
    bool Execute();

    // Test seam: while set, it answers Execute instead of a person. It gets the dialog and the
    // path (to change) and returns whether the user confirmed.
    static std::function<bool(TMwSelectFolderDialog& dialog, std::string& path)>& ExecuteHook();

    cl::TNotifyEvent OnInitialized;
    cl::TNotifyEvent OnFormShow;
    cl::TNotifyEvent OnFormClose;
    TMwFolderBrowseSelChangeEvent OnSelChange;

private:
    bool Browse(std::string& path);

    std::string title_;
    int formWidth_ = -1;
    int formHeight_ = -1;
    cl::TWindowState formWindowState_ = cl::TWindowState::Normal;
    TMwSelectFolderDialogOptions options_ = kDefaultSelectFolderOptions;
    std::string selectedPath_;
    bool executing_ = false;
};
