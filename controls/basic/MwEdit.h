#pragma once
// The framed single-line edit: the edit of the class library with the library's framing model
// (a frame drawn in the non-client area, colours that follow focus and the enabled state, a
// frame controller), right alignment, Enter that moves on like Tab, and an optional drop-down
// button in the non-client area for descendants that open something. TMwEdit publishes it;
// the mask edit and the button edit build on it.

#include "classlib/win/Edit.h"
#include "controls/basic/MwFramedControl.h"

enum class TEditAlignment { LeftJustify, RightJustify };

class TMwCustomEdit : public TMwFramedControl<cl::TEdit> {
    CL_CLASS_INFO()
public:
    explicit TMwCustomEdit(cl::TComponent* owner);

    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

    TEditAlignment Alignment() const { return alignment_; }
    virtual void SetAlignment(TEditAlignment v);
    bool TabOnEnter() const { return tabOnEnter_; }
    void SetTabOnEnter(bool v) { tabOnEnter_ = v; }
    // Entering the control from the keyboard selects the whole text.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool v) { autoSelect_ = v; }
    bool FlatButtons() const { return flatButtons_; }
    virtual void SetFlatButtons(bool v) { StoreAndInvalidate(flatButtons_, v); }
    cl::TColor FlatButtonColor() const { return flatButtonColor_; }
    void SetFlatButtonColor(cl::TColor v) { StoreAndInvalidate(flatButtonColor_, v); }

    // The text the edit shows (a masked edit shows its literals too).
    virtual std::string GetDisplayText() { return Text(); }

    bool DropButtonVisible() const { return dropButtonVisible_; }
    // Shows the drop-down button in a strip at the right edge (the left one for right-to-left
    // reading), outside the text area.
    virtual void SetDropButtonVisible(bool v);
    // Pressing the drop-down button (or Alt+Down) runs DropDown, then CloseUp.
    bool DroppedDown() const { return droppedDown_; }

    cl::TNotifyEvent OnDropDown;
    cl::TNotifyEvent OnCloseUp;

protected:
    enum class TButtonState { Up, Disabled, Down };

    void CreateParams(TCreateParams& params) override;
    void WndProc(cl::TMessage& message) override;
    void UpdateFrame(bool viaMouse, bool inFocus) override;
    virtual void DropDown() { OnDropDown(this); }
    virtual void CloseUp() { OnCloseUp(this); }
    virtual void DrawDropButton(cl::TCanvas& canvas, const cl::TRect& r);
    TButtonState ButtonState() const { return buttonState_; }

private:
    void PressDropButton();
    void ReleaseDropButton();
    void PaintDropButton();
    // The drop button's strip in window coordinates for a window of the given size: inside the
    // frame at the right edge (the left one for right-to-left reading).
    cl::TRect DropStrip(int windowWidth, int windowHeight) const;

    bool dropButtonVisible_ = false;
    bool droppedDown_ = false;
    bool mouseOverButton_ = false;
    TButtonState buttonState_ = TButtonState::Up;
    TEditAlignment alignment_ = TEditAlignment::LeftJustify;
    bool tabOnEnter_ = false;
    bool autoSelect_ = true;
    bool flatButtons_ = false;
    cl::TColor flatButtonColor_ = cl::clBtnFace;
};

class TMwEdit : public TMwCustomEdit {
    CL_CLASS_INFO()
public:
    explicit TMwEdit(cl::TComponent* owner) : TMwCustomEdit(owner) {}
};
