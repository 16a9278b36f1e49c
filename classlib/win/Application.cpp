#include "classlib/win/Application.h"

#include <vector>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/CommandLine.h"
#include "classlib/core/Exception.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/Form.h"
#include "classlib/win/Menus.h"
#include "classlib/win/Screen.h"

namespace cl {

namespace {
TApplication* theApplication = nullptr;
const char kApplicationClass[] = "TApplication";

bool IsDialogKey(TControl* target, const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    const LPARAM shift = static_cast<LPARAM>(KeyboardShiftState());
    for (TControl* c = target; c; c = c->Parent())
        if (c->HandleAllocated() && SendMessageA(c->Handle(), CM_DIALOGKEY, msg.wParam, shift)) return true;
    return false;
}

bool IsDialogChar(TCustomForm& form, const MSG& msg) {
    if (msg.message != WM_SYSCHAR) return false;
    std::vector<TControl*> pending{&form};
    while (!pending.empty()) {
        TControl* c = pending.back();
        pending.pop_back();
        if (c != &form && c->HandleAllocated() && SendMessageA(c->Handle(), CM_DIALOGCHAR, msg.wParam, 0)) return true;
        for (int i = c->ControlCount() - 1; i >= 0; --i) pending.push_back(c->Controls(i));
    }
    return false;
}
}  // namespace

TApplication* Application() { return theApplication; }

std::string ParamStr(int index) {
    if (index == 0 && theApplication) return theApplication->ExeName();
    const std::vector<std::string> arguments = SplitCommandLine(GetCommandLineA());
    return index >= 0 && static_cast<size_t>(index) < arguments.size() ? arguments[static_cast<size_t>(index)] : std::string();
}

int ParamCount() {
    const size_t count = SplitCommandLine(GetCommandLineA()).size();
    return count > 0 ? static_cast<int>(count) - 1 : 0;
}

const TClassInfo& TApplication::StaticClass() {
    static const auto info = TClassBuilder<TApplication>("TApplication", TComponent::StaticClass()).Build();
    return *info;
}

TApplication::TApplication() : TComponent(nullptr) {
    theApplication = this;
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, n);
    name = name.substr(name.find_last_of("\\/:") + 1);
    title_ = name.substr(0, name.rfind('.'));
}

TApplication::~TApplication() {
    DestroyComponents();  // the forms, while the application window still exists
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    theApplication = nullptr;
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (window_) SetWindowTextA(window_, title.c_str());
}

HWND TApplication::Handle() {
    if (window_) return window_;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &TApplication::WindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "MAINICON");
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kApplicationClass;
    RegisterClassExA(&wc);
    // Zero-sized in the middle of the screen: it exists for the taskbar and as the owner.
    window_ = CreateWindowExA(0, kApplicationClass, title_.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                              nullptr, instance, nullptr);
    if (!window_) throw Exception("Cannot create the application window");
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return window_;
}

std::string TApplication::ExeName() const {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

void TApplication::SetMainForm(TCustomForm* form) { mainForm_ = form; }

void TApplication::Run() {
    if (!mainForm_) return;
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    // A failure while the main form first shows (its show handler opening a damaged file, say)
    // is reported like any other, and the program goes on.
    try {
        mainForm_->Show();
    } catch (...) {
        HandleCurrentException();
    }
    while (!terminated_) HandleMessage();
}

bool TApplication::ProcessMessage() {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    hints_.Observe(msg);
    // Tab, Enter and Escape move between and press a form's controls.
    if (TControl* target = TControl::FromHandle(msg.hwnd)) {
        if (TCustomForm* form = target->ParentForm(); form && form->HandleAllocated()) {
            if (form->IsShortCut(msg)) return true;
            if (IsDialogKey(target, msg) || IsDialogChar(*form, msg)) return true;
            if (IsDialogMessageA(form->Handle(), &msg)) return true;
        }
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

void TApplication::HandleMessage() {
    if (!ProcessMessage()) {
        Idle();
        if (!terminated_) WaitMessage();
    }
}

void TApplication::Idle() {
    try {
        for (TCustomForm* form : Screen().Forms())
            if (form->Visible()) form->UpdateActions();
        OnIdle(this);
    } catch (...) {
        HandleCurrentException();
    }
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void TApplication::Minimize() {
    if (IsIconic(Handle())) return;
    ShowWindow(Handle(), SW_MINIMIZE);
    formsHiddenByMinimize_.clear();
    for (TCustomForm* form : Screen().Forms()) {
        if (!form->HandleAllocated() || !IsWindowVisible(form->Handle()) || GetWindow(form->Handle(), GW_OWNER) != Handle())
            continue;
        formsHiddenByMinimize_.push_back(form->Handle());
        ShowWindow(form->Handle(), SW_HIDE);
    }
    OnMinimize(this);
}

void TApplication::Restore() {
    if (!IsIconic(Handle())) return;
    ShowWindow(Handle(), SW_RESTORE);
    for (HWND form : formsHiddenByMinimize_)
        if (IsWindow(form)) ShowWindow(form, SW_SHOWNA);
    formsHiddenByMinimize_.clear();
    if (mainForm_ && mainForm_->HandleAllocated()) SetForegroundWindow(mainForm_->Handle());
    OnRestore(this);
}

void TApplication::ShowException(const std::string& message) {
    std::string text = message;
    if (!text.empty() && text.back() > '.') text += '.';
    MessageDlg(text, TMsgDlgType::Error, mbOK);
}

void TApplication::HandleCurrentException() {
    std::string message;
    try {
        throw;
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "Unknown exception";
    }
    TApplication* app = theApplication;
    try {
        if (app && app->handlingException_) return;  // an error in the error box itself
        if (app) app->handlingException_ = true;
        if (app && app->OnException) app->OnException(message);
        else if (app) app->ShowException(message);
        else MessageBoxA(nullptr, message.c_str(), "Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    } catch (...) {
    }
    if (app) app->handlingException_ = false;
}

LRESULT CALLBACK TApplication::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* app = reinterpret_cast<TApplication*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!app) return DefWindowProcA(window, msg, wParam, lParam);
    LRESULT result = 0;
    try {
        app->WndProc(msg, wParam, lParam, result);
    } catch (...) {
        HandleCurrentException();
    }
    return result;
}

void TApplication::WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_CLOSE:
            if (mainForm_) mainForm_->Close();
            return;
        case WM_SYSCOMMAND:
            // Minimising and restoring go through Minimize and Restore, so their handlers run
            // however the change was asked for.
            if ((wParam & 0xFFF0) == SC_MINIMIZE) Minimize();
            else if ((wParam & 0xFFF0) == SC_RESTORE) Restore();
            else result = DefWindowProcA(window_, msg, wParam, lParam);
            return;
        case WM_ACTIVATEAPP:
            result = DefWindowProcA(window_, msg, wParam, lParam);
            return;
        case CM_SYNCHRONIZE:
            (*reinterpret_cast<const std::function<void()>*>(lParam))();
            return;
        case WM_DRAWITEM:
        case WM_MEASUREITEM: {
            TMessage m{msg, wParam, lParam, 0};
            if (wParam == 0 && TMenuItem::HandleOwnerDraw(m)) {
                result = m.result;
                return;
            }
            break;
        }
        default:
            break;
    }
    result = DefWindowProcA(window_, msg, wParam, lParam);
}

}  // namespace cl
