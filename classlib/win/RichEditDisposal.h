#pragma once
// Rich edit windows that their controls gave up, destroyed once the user has paused. riched20
// frees a text when its window goes, all at once (a second for 16 MiB under Wine); emptying
// it in parts costs far more, each part taking time for the whole text. So the window goes
// later, out of the way of the user's next steps, one window at a time.

#include <windows.h>

#include <deque>
#include <memory>

#include "classlib/core/Component.h"
#include "classlib/win/Handles.h"

namespace cl {

class TTimer;

class TRichEditDisposal {
public:
    TRichEditDisposal();
    // Destroys the windows still held, at once.
    ~TRichEditDisposal();
    TRichEditDisposal(const TRichEditDisposal&) = delete;
    TRichEditDisposal& operator=(const TRichEditDisposal&) = delete;

    // Takes the window over: it is hidden and taken from its parent at once.
    void Add(HWND window);

private:
    void Step(TObject*);

    std::deque<TWindowHandle> windows_;
    std::unique_ptr<TTimer> timer_;
};

}  // namespace cl
