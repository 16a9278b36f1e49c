#pragma once
// A container that scrolls its child controls when they reach past its client area.

#include "classlib/win/Control.h"

namespace cl {

class TScrollBox : public TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TScrollBox(TComponent* owner);

    int HorzPosition() const { return position_.x; }
    int VertPosition() const { return position_.y; }
    void ScrollTo(int x, int y);

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void AlignControls() override;
    void ControlBoundsChanged(TControl& child) override;

private:
    void UpdateScrollBars();
    void Scroll(int bar, WORD code);

    TPoint position_;
    bool updatingBars_ = false;
};

}  // namespace cl
