#include "controls/basic/MwTrayIcon.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstring>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/ImageList.h"
#include "classlib/win/Menus.h"
#include "classlib/win/Timer.h"

namespace {

const cl::TEnumNames kClickNames{{{"ticNone", 0}, {"ticLeftClick", 1}, {"ticLeftDblClick", 2}, {"ticLeftClickUp", 3},
                                  {"ticRightClick", 4}, {"ticRightDblClick", 5}, {"ticRightClickUp", 6}}};

const char kWindowClass[] = "TMwTrayIconWindow";
// Record sizes of the shell's two layouts, for this build's pointer width: up to version 4 the
// tooltip holds 64 characters, from version 5 on 128 and balloon fields follow.
constexpr DWORD kOldRecordSize = NOTIFYICONDATAA_V1_SIZE;
constexpr DWORD kNewRecordSize = NOTIFYICONDATAA_V2_SIZE;
// A hint must fit the old layout's tooltip.
constexpr size_t kHintLimit = 64;
constexpr UINT kBalloonHidden = WM_USER + 3;
constexpr UINT kBalloonTimedOut = WM_USER + 4;
constexpr UINT kBalloonClicked = WM_USER + 5;

// Sent to every top-level window when the taskbar starts again (its process restarted).
UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

// The major version of the shell library when it is already loaded; 0 otherwise.
DWORD ShellMajorVersion() {
    HMODULE shell = GetModuleHandleA("shell32.dll");
    if (!shell) return 0;
    using TDllGetVersion = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
    auto getVersion = reinterpret_cast<TDllGetVersion>(reinterpret_cast<void*>(GetProcAddress(shell, "DllGetVersion")));
    if (!getVersion) return 0;
    DLLVERSIONINFO info{};
    info.cbSize = sizeof(info);
    return SUCCEEDED(getVersion(&info)) ? info.dwMajorVersion : 0;
}

ATOM RegisterWindowClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = procedure;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kWindowClass;
        return RegisterClassExA(&wc);
    }();
    return atom;
}

HICON ApplicationIcon() {
    cl::TApplication* application = cl::Application();
    HICON icon = application ? reinterpret_cast<HICON>(GetClassLongPtrA(application->Handle(), GCLP_HICON)) : nullptr;
    return CopyIcon(icon ? icon : LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION)));
}

}  // namespace

std::function<BOOL(DWORD request, const NOTIFYICONDATAA& data)>& TrayNotifyHook() {
    static std::function<BOOL(DWORD, const NOTIFYICONDATAA&)> hook;
    return hook;
}

const cl::TClassInfo& TMwTrayIcon::StaticClass() {
    using T = TMwTrayIcon;
    static const auto info = cl::TClassBuilder<T>("TMwTrayIcon", cl::TComponent::StaticClass())
                                 .Creatable()
                                 .Enum<TMwAboutInfo>("About", &T::About, &T::SetAbout, mw::kAboutInfoNames)
                                 .Bool("Animate", &T::Animate, &T::SetAnimate)
                                 .Bool("Enabled", &T::Enabled, &T::SetEnabled)
                                 .Bool("HideOnMinimize", &T::HideOnMinimize, &T::SetHideOnMinimize)
                                 .Str("Hint", &T::Hint, &T::SetHint)
                                 .Ref<cl::TPopupMenu>("PopupMenu", &T::PopupMenu, &T::SetPopupMenu)
                                 .Ref<cl::TCustomImageList>("Icons", &T::Icons, &T::SetIcons)
                                 .Int("IconIndex", &T::IconIndex, &T::SetIconIndex)
                                 .Int("Interval", &T::Interval, &T::SetInterval)
                                 .Enum<TMwTrayIconClicks>("RestoreOn", &T::RestoreOn, &T::SetRestoreOn, kClickNames)
                                 .Enum<TMwTrayIconClicks>("PopupMenuOn", &T::PopupMenuOn, &T::SetPopupMenuOn, kClickNames)
                                 .Event("OnMinimizeApp", &T::OnMinimizeApp)
                                 .Event("OnRestoreApp", &T::OnRestoreApp)
                                 .Event("OnLButtonDown", &T::OnLButtonDown)
                                 .Event("OnLButtonUp", &T::OnLButtonUp)
                                 .Event("OnLButtonDblClick", &T::OnLButtonDblClick)
                                 .Event("OnRButtonDown", &T::OnRButtonDown)
                                 .Event("OnRButtonUp", &T::OnRButtonUp)
                                 .Event("OnRButtonDblClick", &T::OnRButtonDblClick)
                                 .Event("OnBalloonHintHide", &T::OnBalloonHintHide)
                                 .Event("OnBalloonHintClose", &T::OnBalloonHintClose)
                                 .Event("OnBalloonHintClick", &T::OnBalloonHintClick)
                                 .Build();
    return *info;
}

TMwTrayIcon::TMwTrayIcon(cl::TComponent* owner) : cl::TComponent(owner), icon_(ApplicationIcon()) {
    timer_ = new cl::TTimer(this);
    timer_->SetEnabled(false);
    timer_->SetInterval(1000);
    timer_->SetOnTimer(cl::TNotifyEvent(this, &TMwTrayIcon::AnimationTick));

    // A top-level window, hidden: the taskbar's re-creation is announced to top-level windows only.
    window_.Reset(CreateWindowExA(WS_EX_TOOLWINDOW, MAKEINTATOM(RegisterWindowClass(&TMwTrayIcon::WindowProc)), "",
                                  WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    newShell_ = ShellMajorVersion() > 4;
    data_.cbSize = newShell_ ? kNewRecordSize : kOldRecordSize;
    data_.hWnd = window_.Get();
    data_.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(this));
    data_.uFlags = NIF_MESSAGE | NIF_ICON;
    data_.uCallbackMessage = kTrayIconCallbackMessage;
    data_.hIcon = icon_.Get();

    HookApplication();
    UpdateIcon();
}

TMwTrayIcon::~TMwTrayIcon() {
    Notify(NIM_DELETE);
    UnhookApplication();
    SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, 0);
}

void TMwTrayIcon::HookApplication() {
    if (cl::TApplication* application = cl::Application()) {
        application->OnMinimize = cl::TNotifyEvent(this, &TMwTrayIcon::MinimizeApp);
        application->OnRestore = cl::TNotifyEvent(this, &TMwTrayIcon::RestoreApp);
    }
}

// A tray icon freed before the application must not stay behind as its handler.
void TMwTrayIcon::UnhookApplication() {
    cl::TApplication* application = cl::Application();
    if (!application) return;
    if (application->OnMinimize == cl::TNotifyEvent(this, &TMwTrayIcon::MinimizeApp)) application->OnMinimize = {};
    if (application->OnRestore == cl::TNotifyEvent(this, &TMwTrayIcon::RestoreApp)) application->OnRestore = {};
}

void TMwTrayIcon::Loaded() {
    cl::TComponent::Loaded();
    TakeIcon(icons_ ? ImageList_GetIcon(icons_->Handle(), iconIndex_, ILD_NORMAL) : ApplicationIcon());
    if (enabled_) UpdatePresence();
    UpdateIcon();
}

void TMwTrayIcon::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TComponent::Notification(component, operation);
    if (operation != cl::TOperation::Remove) return;
    if (component == popupMenu_) popupMenu_ = nullptr;
    if (component == icons_) icons_ = nullptr;
}

BOOL TMwTrayIcon::Notify(DWORD request) {
    const auto& hook = TrayNotifyHook();
    return hook ? hook(request, data_) : Shell_NotifyIconA(request, &data_);
}

void TMwTrayIcon::TakeIcon(HICON icon) {
    if (!icon) return;
    icon_.Reset(icon);
    data_.hIcon = icon;
}

void TMwTrayIcon::UpdateIcon() {
    data_.hIcon = icon_.Get();
    Notify(NIM_MODIFY);
}

void TMwTrayIcon::UpdatePresence() {
    if (enabled_) {
        if (!Notify(NIM_ADD)) throw EMwTrayIconError("Cannot create Shell Notification Icon");
        HookApplication();
    } else if (!Notify(NIM_DELETE)) {
        throw EMwTrayIconError("Cannot remove Shell Notification Icon");
    }
}

void TMwTrayIcon::SetEnabled(bool v) {
    enabled_ = v;
    if (!IsLoading()) UpdatePresence();
}

void TMwTrayIcon::SetHint(const std::string& v) {
    if (v == hint_ || v.size() >= kHintLimit) return;
    hint_ = v;
    const size_t room = newShell_ ? sizeof(data_.szTip) - 1 : kHintLimit - 1;
    std::memset(data_.szTip, 0, sizeof(data_.szTip));
    std::memcpy(data_.szTip, v.data(), std::min(v.size(), room));
    if (v.empty()) data_.uFlags &= ~NIF_TIP;
    else data_.uFlags |= NIF_TIP;
    UpdateIcon();
}

void TMwTrayIcon::SetIconIndex(int v) {
    iconIndex_ = v;
    if (icons_) TakeIcon(ImageList_GetIcon(icons_->Handle(), v, ILD_NORMAL));
    UpdateIcon();
}

void TMwTrayIcon::SetPopupMenu(cl::TPopupMenu* menu) {
    if (popupMenu_) RemoveFreeNotification(popupMenu_);
    popupMenu_ = menu;
    if (menu) FreeNotification(menu);
}

void TMwTrayIcon::SetIcons(cl::TCustomImageList* icons) {
    if (icons_) RemoveFreeNotification(icons_);
    icons_ = icons;
    if (icons) FreeNotification(icons);
}

bool TMwTrayIcon::Animate() const { return timer_->Enabled(); }
void TMwTrayIcon::SetAnimate(bool v) { timer_->SetEnabled(v); }
int TMwTrayIcon::Interval() const { return timer_->Interval(); }
void TMwTrayIcon::SetInterval(int v) { timer_->SetInterval(v); }

void TMwTrayIcon::AnimationTick(cl::TObject*) {
    if (!icons_) return;
    const int next = iconIndex_ + 1;
    SetIconIndex(next >= icons_->Count() ? 0 : next);
}

void TMwTrayIcon::ShowPopup() {
    if (!popupMenu_) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    if (auto* form = dynamic_cast<cl::TCustomForm*>(Owner()); form && form->HandleAllocated())
        SetForegroundWindow(form->Handle());
    popupMenu_->Popup(cursor.x, cursor.y);
    // Lets the menu close when the user clicks elsewhere.
    PostMessageA(nullptr, WM_NULL, 0, 0);
}

// The application runs these as its own handlers too, so calling it from here comes back once;
// that inner call is skipped and the event fires once.
void TMwTrayIcon::MinimizeApp(cl::TObject*) {
    if (changingState_) return;
    const TStateChange change(changingState_);
    if (cl::TApplication* application = cl::Application()) {
        application->Minimize();
        if (enabled_ && hideOnMinimize_) ShowWindow(application->Handle(), SW_HIDE);
    }
    OnMinimizeApp(this);
}

void TMwTrayIcon::RestoreApp(cl::TObject*) {
    if (changingState_) return;
    const TStateChange change(changingState_);
    if (cl::TApplication* application = cl::Application()) {
        application->Restore();
        if (enabled_) {
            ShowWindow(application->Handle(), SW_RESTORE);
            SetForegroundWindow(application->Handle());
        }
    }
    OnRestoreApp(this);
}

void TMwTrayIcon::Click(TMwTrayIconClicks click, const cl::TNotifyEvent& event) {
    if (restoreOn_ == click) RestoreApp(this);
    if (popupMenuOn_ == click) ShowPopup();
    event(this);
}

LRESULT TMwTrayIcon::HandleMessage(UINT msg, LPARAM lParam) {
    if (msg == WM_QUERYENDSESSION) return 1;
    if (msg == WM_ENDSESSION) {
        Notify(NIM_DELETE);
        return 0;
    }
    if (msg == TaskbarCreatedMessage()) {
        if (enabled_) {
            try {
                SetEnabled(true);
            } catch (const EMwTrayIconError&) {
                // The new taskbar may already show the icon.
            }
        }
        return 0;
    }
    if (msg != kTrayIconCallbackMessage) return 0;
    switch (static_cast<UINT>(lParam)) {
        case WM_LBUTTONDOWN: Click(TMwTrayIconClicks::LeftClick, OnLButtonDown); break;
        case WM_LBUTTONUP: Click(TMwTrayIconClicks::LeftClickUp, OnLButtonUp); break;
        case WM_LBUTTONDBLCLK: Click(TMwTrayIconClicks::LeftDblClick, OnLButtonDblClick); break;
        case WM_RBUTTONDOWN: Click(TMwTrayIconClicks::RightClick, OnRButtonDown); break;
        case WM_RBUTTONUP: Click(TMwTrayIconClicks::RightClickUp, OnRButtonUp); break;
        case WM_RBUTTONDBLCLK: Click(TMwTrayIconClicks::RightDblClick, OnRButtonDblClick); break;
        case kBalloonHidden: OnBalloonHintHide(this); break;
        case kBalloonTimedOut: OnBalloonHintClose(this); break;
        case kBalloonClicked: OnBalloonHintClick(this); break;
    }
    return 0;
}

LRESULT CALLBACK TMwTrayIcon::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* tray = reinterpret_cast<TMwTrayIcon*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    // Creation and destruction run before the window is linked and after it is unlinked.
    if (!tray) return DefWindowProcA(window, msg, wParam, lParam);
    try {
        return tray->HandleMessage(msg, lParam);
    } catch (...) {
        cl::TApplication::HandleCurrentException();
        return 0;
    }
}
