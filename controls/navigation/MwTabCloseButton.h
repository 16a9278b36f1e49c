#pragma once
// The button that asks a tab control to close its current tab. It clicks when the mouse button
// is pressed and released over it; it looks disabled while the tab control has no current tab.

#include "classlib/core/Event.h"
#include "classlib/win/Control.h"

class TMwCustomTabControl;

class TMwTabCloseButton : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    TMwTabCloseButton(cl::TComponent* owner, TMwCustomTabControl* tabControl);

    cl::TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(cl::TColor v) { StoreAndInvalidate(frameColor_, v); }

    cl::TNotifyEvent OnClose;

protected:
    void Paint(cl::TCanvas& canvas) override;
    void WndProc(cl::TMessage& message) override;

private:
    TMwCustomTabControl* tabControl_;
    cl::TColor frameColor_ = cl::clBtnShadow;
    bool buttonDown_ = false;
    bool pressedInside_ = false;
};
