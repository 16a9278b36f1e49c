#pragma once
// An icon in the taskbar notification area that can take over the application's minimising.
//
// This class offers what the program uses so far: its published properties; Enabled and
// HideOnMinimize are stored, and the icon itself comes later.

#include <string>

#include "classlib/core/Component.h"
#include "classlib/core/Event.h"

namespace cl {
class TCustomImageList;
class TPopupMenu;
}  // namespace cl

enum class TMwTrayIconClicks { None, LeftClick, LeftDblClick, LeftClickUp, RightClick, RightDblClick, RightClickUp };

class TMwTrayIcon : public cl::TComponent {
    CL_CLASS_INFO()
public:
    explicit TMwTrayIcon(cl::TComponent* owner) : cl::TComponent(owner) {}

    bool Animate() const { return animate_; }
    void SetAnimate(bool v) { animate_ = v; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    bool HideOnMinimize() const { return hideOnMinimize_; }
    void SetHideOnMinimize(bool v) { hideOnMinimize_ = v; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v) { hint_ = v; }
    cl::TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(cl::TPopupMenu* menu);
    cl::TCustomImageList* Icons() const { return icons_; }
    void SetIcons(cl::TCustomImageList* icons);
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int v) { iconIndex_ = v; }
    int Interval() const { return interval_; }
    void SetInterval(int v) { interval_ = v; }
    TMwTrayIconClicks RestoreOn() const { return restoreOn_; }
    void SetRestoreOn(TMwTrayIconClicks v) { restoreOn_ = v; }
    TMwTrayIconClicks PopupMenuOn() const { return popupMenuOn_; }
    void SetPopupMenuOn(TMwTrayIconClicks v) { popupMenuOn_ = v; }

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
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

private:
    bool animate_ = false;
    bool enabled_ = true;
    bool hideOnMinimize_ = true;
    std::string hint_;
    cl::TPopupMenu* popupMenu_ = nullptr;
    cl::TCustomImageList* icons_ = nullptr;
    int iconIndex_ = 0;
    int interval_ = 1000;
    TMwTrayIconClicks restoreOn_ = TMwTrayIconClicks::LeftDblClick;
    TMwTrayIconClicks popupMenuOn_ = TMwTrayIconClicks::RightClickUp;
};
