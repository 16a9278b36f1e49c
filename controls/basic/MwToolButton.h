#pragma once
// The button of the toolbar: an image-list entry (its own list or the toolbar's), an optional
// caption, a flat or raised face and an optional drop-down part with a pop-up menu. It can be
// linked to an action, latch in groups, and take its size, caption visibility and layout from
// the toolbar.
//
// This class offers what the program uses so far: the properties, the action link, the
// classic look, clicks and the drop-down menu.

#include <string>

#include "classlib/core/Event.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Control.h"
#include "controls/basic/ActionLinkValues.h"
#include "controls/basic/ButtonLayout.h"
#include "controls/foundation/FrameModel.h"
#include "controls/basic/MouseTracking.h"

namespace cl {
class TCustomImageList;
class TPopupMenu;
}  // namespace cl

class TMwToolbar;

enum class TMwToolStyle { Button, DropDown };

class TMwToolButton : public cl::TCustomControl, public cl::TActionClient {
    CL_CLASS_INFO()
public:
    explicit TMwToolButton(cl::TComponent* owner);
    ~TMwToolButton() override;

    cl::TAction* Action() const { return action_; }
    void SetAction(cl::TAction* action);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v) { allowAllUp_ = v; }
    bool Down() const { return down_; }
    // Without a group a button is never down; going down releases the group's other buttons.
    void SetDown(bool v);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v) { groupIndex_ = toolStyle_ == TMwToolStyle::DropDown ? 0 : v; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v) { StoreAndInvalidate(imageIndex_, v); }
    int DisabledIndex() const { return disabledIndex_; }
    void SetDisabledIndex(int v) { StoreAndInvalidate(disabledIndex_, v); }
    int DownIndex() const { return downIndex_; }
    void SetDownIndex(int v) { StoreAndInvalidate(downIndex_, v); }
    int HotIndex() const { return hotIndex_; }
    void SetHotIndex(int v) { StoreAndInvalidate(hotIndex_, v); }
    cl::TCustomImageList* Images() const { return images_; }
    void SetImages(cl::TCustomImageList* images);
    cl::TPopupMenu* DropDownMenu() const { return dropDownMenu_; }
    void SetDropDownMenu(cl::TPopupMenu* menu);
    bool Flat() const { return flat_; }
    void SetFlat(bool v) { StoreAndInvalidate(flat_, v); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { StoreAndInvalidate(transparent_, v); }
    TButtonLayout Layout() const { return layout_; }
    // Stops following the toolbar's layout.
    void SetLayout(TButtonLayout v);
    bool ShowCaption() const { return showCaption_; }
    // Stops following the toolbar's caption setting.
    void SetShowCaption(bool v);
    TMwToolStyle ToolStyle() const { return toolStyle_; }
    void SetToolStyle(TMwToolStyle v);
    bool UseToolbarButtonLayout() const { return useToolbarButtonLayout_; }
    void SetUseToolbarButtonLayout(bool v);
    bool UseToolbarButtonSize() const { return useToolbarButtonSize_; }
    void SetUseToolbarButtonSize(bool v);
    bool UseToolbarShowCaption() const { return useToolbarShowCaption_; }
    void SetUseToolbarShowCaption(bool v);

    // The image list in use: its own, else its toolbar's.
    cl::TCustomImageList* ImagesInUse() const;
    // Takes caption visibility, layout and size from the toolbar (where the flags say so).
    void SyncWithToolbar();

    // Setting the size outside loading stops following the toolbar's button size.
    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;
    // Runs the action, or OnClick when the button has its own handler.
    void Click() override;

    void ActionChanged(cl::TAction& action) override;
    void ActionFreed(cl::TAction& action) override;

    cl::TNotifyEvent OnDropDown;  // the sender is the drop-down menu
    cl::TNotifyEvent OnMouseEnter;
    cl::TNotifyEvent OnMouseLeave;

protected:
    void WndProc(cl::TMessage& message) override;
    void Paint(cl::TCanvas& canvas) override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

private:
    TMwToolbar* Toolbar() const;
    void TakeActionValues(const cl::TAction& action, bool onlyDefaults);
    void OpenDropDownMenu();
    bool PressedLook() const { return (pressed_ && pressedInside_) || down_; }

    cl::TAction* action_ = nullptr;
    mw::TActionLinkValues linked_;
    bool allowAllUp_ = false;
    bool down_ = false;
    int groupIndex_ = 0;
    int imageIndex_ = -1;
    int disabledIndex_ = -1;
    int downIndex_ = -1;
    int hotIndex_ = -1;
    cl::TCustomImageList* images_ = nullptr;
    cl::TPopupMenu* dropDownMenu_ = nullptr;
    bool flat_ = true;
    bool transparent_ = true;
    TButtonLayout layout_ = TButtonLayout::GlyphLeft;
    bool showCaption_ = false;
    TMwToolStyle toolStyle_ = TMwToolStyle::Button;
    bool useToolbarButtonLayout_ = true;
    bool useToolbarButtonSize_ = true;
    bool useToolbarShowCaption_ = true;
    bool syncing_ = false;
    bool pressed_ = false;        // the left button went down on the button and is held
    bool pressedInside_ = false;  // and the pointer is over the button
    mw::TMouseTracking mouse_;
};
