#include "controls/basic/MwTrayIcon.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/ImageList.h"
#include "classlib/win/Menus.h"

namespace {
const cl::TEnumNames kClickNames{{{"ticNone", 0}, {"ticLeftClick", 1}, {"ticLeftDblClick", 2}, {"ticLeftClickUp", 3},
                                  {"ticRightClick", 4}, {"ticRightDblClick", 5}, {"ticRightClickUp", 6}}};
}

const cl::TClassInfo& TMwTrayIcon::StaticClass() {
    using T = TMwTrayIcon;
    static const auto info = cl::TClassBuilder<T>("TMwTrayIcon", cl::TComponent::StaticClass())
                                 .Creatable()
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

void TMwTrayIcon::Notification(cl::TComponent* component, cl::TOperation operation) {
    cl::TComponent::Notification(component, operation);
    if (operation != cl::TOperation::Remove) return;
    if (component == popupMenu_) popupMenu_ = nullptr;
    if (component == icons_) icons_ = nullptr;
}
