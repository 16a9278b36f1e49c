#pragma once
// The application: a hidden window that owns every form and carries the taskbar button, the
// message loop with idle processing (action updates of showing forms), and the handler that
// every caught exception reaches (by default an error box with the message).

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "classlib/core/Component.h"
#include "classlib/core/Event.h"
#include "classlib/win/HintWindow.h"

namespace cl {

class TCustomForm;

// Sent to the application window with lParam pointing to a std::function<void()>: the window
// runs it on its own thread, the UI thread (TThread::Synchronize). An exception it throws goes
// to the application's handler there.
constexpr UINT CM_SYNCHRONIZE = WM_APP + 0x3F01;
// Sent by the message loop for a key press, before dialog navigation, to the control that has
// the key and then to each of its parents until one returns nonzero (the key is then used up):
// wParam is the virtual key, lParam the TShiftState. Controls that act on keys from anywhere
// inside them (Ctrl+Tab paging) answer it.
constexpr UINT CM_DIALOGKEY = WM_APP + 0x3F02;
// Sent by the message loop for an Alt+character press to the controls of the form, in nesting
// order, until one returns nonzero: wParam is the character. Controls with accelerator
// characters that are not in their window text answer it.
constexpr UINT CM_DIALOGCHAR = WM_APP + 0x3F03;

class TApplication : public TComponent {
    CL_CLASS_INFO()
public:
    TApplication();
    ~TApplication() override;

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    // The hidden application window (made on first use).
    HWND Handle();
    TCustomForm* MainForm() const { return mainForm_; }
    // The first form created through CreateForm becomes the main form.
    template <class T>
    T* CreateForm();
    // Full path of the program file.
    std::string ExeName() const;

    // Shows the main form and runs the message loop until the main form closes.
    void Run();
    // Handles every message waiting now, then returns.
    void ProcessMessages();
    // Handles one message, or does idle work and waits for the next one.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Each does nothing when the application is already in that state; otherwise it changes
    // the state and then runs its event. Minimising hides the forms the application window
    // owns and restoring shows them again: Windows does so for the owner's sake, Wine does
    // not, and a minimised program must leave the screen everywhere.
    void Minimize();
    void Restore();
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;
    TNotifyEvent OnIdle;

    // The one hint window of the application.
    THintWindow& Hints() { return hints_; }
    // Hides the hint shown now (a control whose hint changed under the pointer calls it).
    void CancelHint() { hints_.Cancel(); }

    // Replaces the default error box; gets the message of every uncaught exception.
    std::function<void(const std::string& message)> OnException;
    void ShowException(const std::string& message);

    // For catch (...) blocks round Win32 and COM callbacks: hands the exception in flight to
    // the application's handler. Never throws.
    static void HandleCurrentException();

private:
    void SetMainForm(TCustomForm* form);
    bool ProcessMessage();
    void Idle();
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    std::string title_;
    HWND window_ = nullptr;
    TCustomForm* mainForm_ = nullptr;
    bool terminated_ = false;
    std::vector<HWND> formsHiddenByMinimize_;
    bool handlingException_ = false;
    THintWindow hints_;
};

// The process's application object (null before one is made and after it is gone).
TApplication* Application();

// The program's command-line arguments: 0 is the program, 1 the first argument ("" past the end).
std::string ParamStr(int index);
int ParamCount();

}  // namespace cl

#include "classlib/win/Form.h"

namespace cl {

template <class T>
T* TApplication::CreateForm() {
    T* form = cl::CreateForm<T>(this);
    if (!mainForm_) SetMainForm(form);
    return form;
}

}  // namespace cl
