#pragma once
// The application's hint window: a small pop-up showing the hint of the control under the
// pointer. A hint is shown once the pointer has rested over its area for the system's hover
// time; it goes when the pointer leaves that area, a mouse button is pressed or a key is
// struck, and it does not come back until the pointer moves on to another hint. The message
// loop shows it every input message before dispatching.

#include <windows.h>

#include <string>

#include "classlib/core/Geometry.h"
#include "classlib/win/Handles.h"

namespace cl {

class TControl;

// The part of a hint before its first "|" (the part after it is for a status line).
std::string ShortHint(const std::string& hint);

class THintWindow {
public:
    THintWindow();
    ~THintWindow();
    THintWindow(const THintWindow&) = delete;
    THintWindow& operator=(const THintWindow&) = delete;

    void Observe(const MSG& msg);
    // Hides the hint and forgets the one waiting for the hover time.
    void Cancel();

    bool Showing() const;
    // The text shown, or about to be shown once the hover time has passed.
    const std::string& Text() const { return text_; }
    HWND Handle() const { return window_.Get(); }
    // Milliseconds the pointer rests before the hint shows: the system's hover time.
    int HoverTime() const { return hoverTime_; }
    // Whether hints of actions carry the action's shortcut ("Open (Ctrl+O)"); on by default.
    bool ShowShortCuts() const { return showShortCuts_; }
    void SetShowShortCuts(bool v) { showShortCuts_ = v; }

    // What the hover timer does when it runs out (tests call it instead of waiting).
    void HoverElapsed();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void MakeWindow();
    void MouseMoved(HWND window, TPoint point);
    void Hide();
    void Show();
    void Paint(HDC dc);
    // While shown: hides the hint once the pointer has left its area.
    void CheckPointer();

    TWindowHandle window_;
    TFontHandle font_;
    int hoverTime_ = 400;
    bool showShortCuts_ = true;
    HWND target_ = nullptr;  // the control whose hint is shown or waiting
    std::string text_;
    TRect area_;             // in the target's client coordinates
    bool waiting_ = false;
    HWND suppressed_ = nullptr;  // a click or key hid this control's hint
    std::string suppressedText_;
};

}  // namespace cl
