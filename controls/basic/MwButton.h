#pragma once
// The library's push button: classic, hot-track and themed looks, the default and cancel
// buttons of a form (Enter and Escape), a modal result handed to the form, latching buttons
// that release each other within a group, and a focus rectangle.

#include <windows.h>

#include "classlib/win/Actions.h"
#include "classlib/win/Panel.h"
#include "controls/basic/MwCustomButton.h"

// Sent to the buttons beside a latching button that went down; wParam is its group index,
// lParam the button (a TMwButton*).
constexpr UINT CM_BUTTONGROUPPRESSED = 0x2421;

class TMwButton : public TMwCustomButton, public cl::TActionClient {
    CL_CLASS_INFO()
public:
    explicit TMwButton(cl::TComponent* owner);
    ~TMwButton() override;

    cl::TAlignment Alignment() const { return alignment_; }
    void SetAlignment(cl::TAlignment v) { StoreAndInvalidate(alignment_, v); }
    bool Default() const { return default_; }
    // Every button of the form works out again whether it shows the default frame.
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int v) { modalResult_ = v; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v);
    // Only a button of a group (GroupIndex not 0) goes down; going down releases the group's
    // other buttons. A button that is down stays down unless AllowAllUp.
    bool Down() const { return down_; }
    void SetDown(bool v);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v);
    bool ShowDownPattern() const { return showDownPattern_; }
    void SetShowDownPattern(bool v) { StoreAndInvalidate(showDownPattern_, v); }
    bool ShowFocusRect() const { return showFocusRect_; }
    void SetShowFocusRect(bool v) { StoreAndInvalidate(showFocusRect_, v); }
    cl::TAction* Action() const { return action_; }
    void SetAction(cl::TAction* action);

    // Shows the default-button frame: Enter presses it.
    bool Active() const { return active_; }
    // A hot-track button paints the parent's image behind its rounded corners.
    void SetHotTrack(bool v) override;

    // Hands ModalResult to the form, then runs OnClick or the action.
    void Click() override;
    // Older form resources carry "FrameFlat", which is HotTrack now.
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;

    void ActionChanged(cl::TAction& action) override;
    void ActionFreed(cl::TAction& action) override;

protected:
    void CreateWnd() override;
    void WndProc(cl::TMessage& message) override;
    void Paint(cl::TCanvas& canvas) override;
    void ButtonStateChanged() override { Invalidate(); }
    void Toggle() override;
    bool IsDialogButton(bool defaultButton) const override;
    bool CommandNotification(WORD code) override;

    virtual cl::TRect GetCaptionRect();
    virtual void DrawCaptionText(cl::TCanvas& canvas);
    // Takes the action's values; while checkDefaults only those the button still has at their
    // defaults.
    virtual void ActionChange(const cl::TAction& action, bool checkDefaults);

private:
    void BroadcastGroupPressed();
    void FocusChanged(cl::TControl* focused);
    void GroupPressed(int groupIndex, TMwButton* sender);
    bool CanFocus() const;
    bool PressedOrDown() const { return down_ || PressedLook(); }

    cl::TRect PaintThemed(cl::TCanvas& canvas, const cl::TRect& r);
    cl::TRect PaintClassic(cl::TCanvas& canvas, const cl::TRect& r);
    cl::TRect PaintHotTrack(cl::TCanvas& canvas, const cl::TRect& r);
    cl::TRect PaintHotTrackDisabled(cl::TCanvas& canvas, const cl::TRect& r);
    void PaintDownPattern(cl::TCanvas& canvas, const cl::TRect& r);

    cl::TAlignment alignment_ = cl::TAlignment::Center;
    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;
    bool clicking_ = false;   // Click runs from a press of the button
    int modalResult_ = 0;
    bool spaceArmed_ = false;  // Space went down on the button
    bool allowAllUp_ = false;
    bool down_ = false;
    int groupIndex_ = 0;
    bool showDownPattern_ = true;
    bool showFocusRect_ = true;
    cl::TAction* action_ = nullptr;
};
