#pragma once
// A timer component: runs OnTimer every Interval milliseconds while it is enabled. It is a
// window timer of a hidden message-only window of its own, so ticks arrive through the message
// loop of the thread that made the timer.

#include <windows.h>

#include "classlib/core/Component.h"
#include "classlib/core/Event.h"
#include "classlib/win/Handles.h"

namespace cl {

class TTimer : public TComponent {
    CL_CLASS_INFO()
public:
    explicit TTimer(TComponent* owner) : TComponent(owner) {}

    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // A setter rather than a field: assigning or clearing the handler starts or stops the timer.
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(const TNotifyEvent& handler);

    // Does what a tick does: runs OnTimer and hands any exception to the application's handler.
    // Tests call it to drive the timer without waiting.
    void Fire();

    void Loaded() override;

private:
    // The timer runs when it is enabled, has an interval and a handler, and is not being read
    // from a form resource.
    void UpdateTimer();
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    int interval_ = 1000;
    bool enabled_ = true;
    TNotifyEvent onTimer_;
    TWindowHandle window_;  // made when the timer first runs
};

}  // namespace cl
