#pragma once
// An icon in the taskbar notification area. It can animate through an image list, takes over
// the application's minimising and restoring (optionally hiding the taskbar button while
// minimised), restores the application or opens a pop-up menu on chosen clicks, reports the
// shell's balloon notifications and puts its icon back when the taskbar is re-created.

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>

#include "classlib/core/Component.h"
#include "classlib/core/Event.h"
#include "classlib/core/Exception.h"
#include "classlib/win/Handles.h"
#include "controls/foundation/FrameModel.h"

namespace cl {
class TCustomImageList;
class TPopupMenu;
class TTimer;
}  // namespace cl

enum class TMwTrayIconClicks { None, LeftClick, LeftDblClick, LeftClickUp, RightClick, RightDblClick, RightClickUp };

CL_DECLARE_EXCEPTION(EMwTrayIconError, cl::Exception);

// The message the shell sends the icon's window for mouse actions and balloon notifications.
constexpr UINT kTrayIconCallbackMessage = 0x2422;

// Every request to the notification area goes through this function; tests replace it to see
// the requests without a taskbar. Empty means Shell_NotifyIconA.
std::function<BOOL(DWORD request, const NOTIFYICONDATAA& data)>& TrayNotifyHook();

class TMwTrayIcon : public cl::TComponent {
    CL_CLASS_INFO()
public:
    explicit TMwTrayIcon(cl::TComponent* owner);
    ~TMwTrayIcon() override;

    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}
    bool Animate() const;
    void SetAnimate(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool HideOnMinimize() const { return hideOnMinimize_; }
    void SetHideOnMinimize(bool v) { hideOnMinimize_ = v; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v);
    cl::TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(cl::TPopupMenu* menu);
    cl::TCustomImageList* Icons() const { return icons_; }
    void SetIcons(cl::TCustomImageList* icons);
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int v);
    int Interval() const;
    void SetInterval(int v);
    TMwTrayIconClicks RestoreOn() const { return restoreOn_; }
    void SetRestoreOn(TMwTrayIconClicks v) { restoreOn_ = v; }
    TMwTrayIconClicks PopupMenuOn() const { return popupMenuOn_; }
    void SetPopupMenuOn(TMwTrayIconClicks v) { popupMenuOn_ = v; }

    // Sends the current icon and tooltip to the notification area.
    void UpdateIcon();
    // Adds the icon when Enabled, removes it otherwise; EMwTrayIconError when the shell refuses.
    void UpdatePresence();
    void ShowPopup();
    void MinimizeApp(cl::TObject* sender);
    void RestoreApp(cl::TObject* sender);

    // The utility window that gets the shell's callbacks; tests send it messages.
    HWND WindowHandle() const { return window_.Get(); }
    // The record sent with every request: its size tells the shell's layout.
    const NOTIFYICONDATAA& NotifyData() const { return data_; }

    cl::TNotifyEvent OnMinimizeApp;
    cl::TNotifyEvent OnRestoreApp;
    cl::TNotifyEvent OnLButtonDown;
    cl::TNotifyEvent OnLButtonUp;
    cl::TNotifyEvent OnLButtonDblClick;
    cl::TNotifyEvent OnRButtonDown;
    cl::TNotifyEvent OnRButtonUp;
    cl::TNotifyEvent OnRButtonDblClick;
    cl::TNotifyEvent OnBalloonHintHide;
    cl::TNotifyEvent OnBalloonHintClose;
    cl::TNotifyEvent OnBalloonHintClick;

protected:
    void Loaded() override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT msg, LPARAM lParam);
    void Click(TMwTrayIconClicks click, const cl::TNotifyEvent& event);
    void HookApplication();
    void UnhookApplication();
    void TakeIcon(HICON icon);
    BOOL Notify(DWORD request);
    void AnimationTick(cl::TObject* sender);

    bool enabled_ = true;
    bool hideOnMinimize_ = true;
    std::string hint_;
    cl::TPopupMenu* popupMenu_ = nullptr;
    cl::TCustomImageList* icons_ = nullptr;
    int iconIndex_ = 0;
    TMwTrayIconClicks restoreOn_ = TMwTrayIconClicks::LeftDblClick;
    TMwTrayIconClicks popupMenuOn_ = TMwTrayIconClicks::RightClickUp;
    // Set while MinimizeApp or RestoreApp runs.
    struct TStateChange {
        explicit TStateChange(bool& flag) : flag_(flag) { flag_ = true; }
        ~TStateChange() { flag_ = false; }
        bool& flag_;
    };
    bool changingState_ = false;
    bool newShell_ = false;
    cl::TIconHandle icon_;
    cl::TTimer* timer_ = nullptr;  // owned as a component
    cl::TWindowHandle window_;
    NOTIFYICONDATAA data_{};
};
