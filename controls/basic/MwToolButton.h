#pragma once
// The button of the toolbar: an image-list entry (its own list or the toolbar's), an optional
// caption, a flat or raised face and an optional drop-down part with a pop-up menu. It can be
// linked to an action, latch in groups, and take its size, caption visibility and layout from
// the toolbar (through the toolbar's three messages, which it also sends itself).

#include <string>

#include "classlib/core/Event.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Control.h"
#include "classlib/win/ImageList.h"
#include "controls/basic/ActionLinkValues.h"
#include "controls/basic/ButtonLayout.h"
#include "controls/foundation/FrameModel.h"
#include "controls/basic/MouseTracking.h"
#include "controls/basic/ToolButtonLayout.h"

namespace cl {
class TCustomImageList;
class TPopupMenu;
}  // namespace cl

class TMwToolbar;

enum class TMwToolStyle { Button, DropDown };

// A latched button went down: broadcast to its parent's children with the group index in
// wParam and the button in lParam.
constexpr UINT CM_BUTTONPRESSED = 0xB018;

class TMwToolButton : public cl::TCustomControl, public cl::TActionClient {
    CL_CLASS_INFO()
public:
    explicit TMwToolButton(cl::TComponent* owner);
    ~TMwToolButton() override;

    cl::TAction* Action() const { return action_; }
    void SetAction(cl::TAction* action);
    bool AllowAllUp() const { return allowAllUp_; }
    // The group's other buttons take the new value.
    void SetAllowAllUp(bool v);
    bool Down() const { return down_; }
    // Without a group a button is never down; going down releases the group's other buttons,
    // and a down button comes up only with AllowAllUp.
    void SetDown(bool v);
    int GroupIndex() const { return groupIndex_; }
    // Always 0 for a drop-down button.
    void SetGroupIndex(int v);
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
    void SetFlat(bool v);
    // The parent's image (a toolbar's tiled background or themed band) shows behind the face.
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
    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

    // The image list in use: its own, else its toolbar's.
    cl::TCustomImageList* ImagesInUse() const;
    // Takes caption visibility, layout and size from the toolbar (where the flags say so) by
    // sending itself the toolbar's three messages.
    void SyncWithToolbar();

    // 0 up, 1 disabled (while painting), 2 pressed, 3 latched, 4 arrow pressed (menu open).
    enum TState { bsUp, bsDisabled, bsPressed, bsLatched, bsArrowPressed };
    TState State() const { return state_; }
    bool MouseOver() const { return mouseOver_; }

    // Setting the size outside loading stops following the toolbar's button size.
    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;
    // Runs the action, or OnClick when the button has its own handler.
    void Click() override;

    // Gives an action this button's values: its caption, enabled state, hint, visibility and
    // click handler, Down as Checked and its ImageIndex.
    void AssignTo(cl::TAction& action) const;
    void ActionChanged(cl::TAction& action) override;
    void ActionFreed(cl::TAction& action) override;

    cl::TNotifyEvent OnDropDown;  // the sender is the drop-down menu
    cl::TNotifyEvent OnMouseEnter;
    cl::TNotifyEvent OnMouseLeave;

protected:
    void WndProc(cl::TMessage& message) override;
    void Paint(cl::TCanvas& canvas) override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;
    void ParentChanged() override;

    // Draws the face into r and leaves r at the face's interior (classic) or as it was (themed).
    virtual void DrawButtonFace(cl::TCanvas& canvas, cl::TRect& r);
    virtual void DrawImage(cl::TCanvas& canvas, const cl::TRect& r);
    virtual void DrawDropDownPart(cl::TCanvas& canvas);
    virtual void DrawCaption(cl::TCanvas& canvas, cl::TRect r);
    // Runs OnDropDown and shows the menu under the button; returns when the menu closed.
    virtual void OpenDropDownMenu();
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void DoDropDown();

private:
    TMwToolbar* Toolbar() const;
    void TakeActionValues(const cl::TAction& action, bool onlyDefaults);
    void AnswerToolbar(UINT msg);
    // At least as large as an image of the list.
    void GrowToImages(const cl::TCustomImageList& images);
    void FitToToolbar(const TMwToolbar& toolbar);
    void BroadcastGroup();
    void GroupButtonPressed(int groupIndex, TMwToolButton* sender);
    void MouseDown(cl::TPoint point, WPARAM keys);
    void MouseMove(cl::TPoint point);
    void MouseUp(cl::TPoint point);
    // After a click: whether the pointer is still over this button decides the hot look.
    void TrackMouse();
    bool Inside(cl::TPoint point);
    bool Themed() const;
    // Pressed for drawing: held, latched, or the arrow part pressed without a click handler.
    bool PressedForDrawing() const;
    bool ShowsHot() const { return mouseOver_ && state_ != bsDisabled; }
    // The face's measures for the image and caption rectangles, in the canvas's font.
    mw::TToolButtonFace Face(cl::TCanvas& canvas);

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
    TState state_ = bsUp;
    bool dragging_ = false;       // the left button went down on the button and is held
    bool mouseOver_ = false;
    bool normalClick_ = true;     // false from an arrow press that opened the menu until the next press
    DWORD menuClosedTick_ = 0;    // when the drop-down menu last closed (0: not lately)
    cl::TChangeLink imagesLink_;
    mw::TMouseTracking mouse_;
};
