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

    // For a control that keeps its own pointer-over flag: runs enter when the pointer came in
    // and the control does not count it as over yet, leave when it went out and the control
    // still does.
    template <class Enter, class Leave>
    void Follow(HWND window, UINT msg, bool over, Enter&& enter, Leave&& leave) {
        switch (Handle(window, msg)) {
            case TChange::Entered:
                if (!over) enter();
                break;
            case TChange::Left:
                if (over) leave();
                break;
            case TChange::None: break;
        }
    }

private:
    bool inside_ = false;
};

// Whether the pointer is over the window itself now (a button asks after a click, when the
// tracking may have missed the pointer leaving under the mouse capture).
inline bool PointerOverWindow(HWND window) {
    POINT cursor{};
    GetCursorPos(&cursor);
    return WindowFromPoint(cursor) == window;
}

}  // namespace mw
