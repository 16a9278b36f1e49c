#pragma once
// The base of the shell dialogs: a non-visual component whose Execute runs a window modally.
// It keeps the window's caption, size and state between runs.

#include <string>

#include "classlib/core/Component.h"
#include "classlib/core/Event.h"
#include "classlib/win/Form.h"
#include "controls/foundation/FrameModel.h"

class TMwShellDialog : public cl::TComponent {
    CL_CLASS_INFO()
public:
    explicit TMwShellDialog(cl::TComponent* owner) : cl::TComponent(owner) {}

    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}
    // The window's caption; empty shows "Browse for Folder".
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& v) { title_ = v; }
    // The window's size; 0 or less keeps the size of its form resource. Updated after each run.
    int FormWidth() const { return formWidth_; }
    void SetFormWidth(int v) { formWidth_ = v; }
    int FormHeight() const { return formHeight_; }
    void SetFormHeight(int v) { formHeight_ = v; }
    // The window's state at the next run; updated after each run.
    cl::TWindowState FormWindowState() const { return formWindowState_; }
    void SetFormWindowState(cl::TWindowState v) { formWindowState_ = v; }

    // Runs the window; true when the user confirmed. Raises when a run is already in progress.
    bool Execute();
    bool Executing() const { return executing_; }

    cl::TNotifyEvent OnInitialized;  // the window is made and set up, not yet shown
    cl::TNotifyEvent OnFormShow;     // handed to the window
    cl::TNotifyEvent OnFormClose;    // handed to the window

protected:
    virtual bool RunDialogForm() = 0;

private:
    std::string title_;
    int formWidth_ = -1;
    int formHeight_ = -1;
    cl::TWindowState formWindowState_ = cl::TWindowState::Normal;
    bool executing_ = false;
};
