#pragma once
// The pair of arrows that scrolls a single-line tab strip that does not fit: side by side on
// a horizontal strip (left half, right half), stacked on a vertical one (top half, bottom half).
// An arrow clicks when the button is pressed and released over the same half.

#include "classlib/core/Event.h"
#include "classlib/win/Control.h"
#include "controls/foundation/FrameModel.h"

class TMwCustomTabControl;

class TMwTabScroller : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    TMwTabScroller(cl::TComponent* owner, TMwCustomTabControl* tabControl);

    cl::TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(cl::TColor v) { StoreAndInvalidate(frameColor_, v); }
    TOrientation Orientation() const { return orientation_; }
    void SetOrientation(TOrientation v) { StoreAndInvalidate(orientation_, v); }

    cl::TNotifyEvent OnUpRightClick;
    cl::TNotifyEvent OnDownLeftClick;

protected:
    void Paint(cl::TCanvas& canvas) override;
    void WndProc(cl::TMessage& message) override;

private:
    enum class THalf { UpRight, DownLeft };
    THalf HalfAt(int x, int y) const;
    bool InsideHalf(int x, int y, THalf half);
    void PaintHalf(cl::TCanvas& canvas, THalf half, bool themed);

    TMwCustomTabControl* tabControl_;
    cl::TColor frameColor_ = cl::clBtnShadow;
    TOrientation orientation_ = TOrientation::Horizontal;
    THalf pressedHalf_ = THalf::UpRight;
    bool buttonDown_ = false;
    bool pressedInside_ = false;
};
