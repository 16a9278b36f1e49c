#pragma once
// What the items of a radio or check group share: a press or key that would change the item
// goes through only while the group lets the user modify it, and the item's keys reach the
// group's key events after its own.

#include "classlib/win/Control.h"

class TMwCustomButtonGroup;

namespace mw {

class TGroupItemInput {
public:
    explicit TGroupItemInput(TMwCustomButtonGroup& group) : group_(group) {}

    // Handles the message for item (whose own handling is handle) the group's way; true when
    // it was handled here, result set.
    template <class F>
    bool Handle(cl::TControl& item, cl::TMessage& m, F&& handle);

private:
    bool Filter(cl::TControl& item, cl::TMessage& m);
    void PassOnToGroup(const cl::TMessage& m);

    TMwCustomButtonGroup& group_;
    bool inMouseUp_ = false;
};

template <class F>
bool TGroupItemInput::Handle(cl::TControl& item, cl::TMessage& m, F&& handle) {
    if (Filter(item, m)) return true;
    if (m.msg == WM_LBUTTONUP) inMouseUp_ = true;
    try {
        handle(m);
    } catch (...) {
        inMouseUp_ = false;
        throw;
    }
    inMouseUp_ = false;
    PassOnToGroup(m);
    return true;
}

}  // namespace mw
