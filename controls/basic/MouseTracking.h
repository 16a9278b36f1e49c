#pragma once
// Tells a control when the pointer enters and leaves its window (WM_MOUSEMOVE starts the
// tracking, WM_MOUSELEAVE ends it).

#include <windows.h>

namespace mw {

class TMouseTracking {
public:
    enum class TChange { None, Entered, Left };

    TChange Handle(HWND window, UINT msg) {
        if (msg == WM_MOUSEMOVE && !inside_) {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
            TrackMouseEvent(&track);
            inside_ = true;
            return TChange::Entered;
        }
        if (msg == WM_MOUSELEAVE && inside_) {
            inside_ = false;
            return TChange::Left;
        }
        return TChange::None;
    }
    bool Inside() const { return inside_; }

private:
    bool inside_ = false;
};

}  // namespace mw
