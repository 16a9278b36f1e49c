#include "classlib/win/RichEditDisposal.h"

#include <richedit.h>

#include "classlib/win/Timer.h"

namespace cl {

namespace {

// The user has paused when no key or mouse input came for this long.
constexpr DWORD kPauseMilliseconds = 1000;

bool UserPaused() {
    LASTINPUTINFO last = {};
    last.cbSize = sizeof(last);
    return GetLastInputInfo(&last) && GetTickCount() - last.dwTime >= kPauseMilliseconds;
}

}  // namespace

TRichEditDisposal::TRichEditDisposal() = default;

TRichEditDisposal::~TRichEditDisposal() = default;

void TRichEditDisposal::Add(HWND window) {
    TWindowHandle owned(window);
    // Out of its parent's way: no longer among its children (the tab order), nor destroyed
    // with it, and no longer telling it of changes.
    ShowWindow(window, SW_HIDE);
    SetParent(window, HWND_MESSAGE);
    SendMessageA(window, EM_SETEVENTMASK, 0, 0);
    windows_.push_back(std::move(owned));
    if (!timer_) {
        timer_ = std::make_unique<TTimer>(nullptr);
        timer_->SetInterval(100);
        timer_->SetOnTimer(TNotifyEvent(this, &TRichEditDisposal::Step));
    }
    timer_->SetEnabled(true);
}

void TRichEditDisposal::Step(TObject*) {
    if (!windows_.empty() && UserPaused()) windows_.pop_front();
    if (windows_.empty()) timer_->SetEnabled(false);
}

}  // namespace cl
