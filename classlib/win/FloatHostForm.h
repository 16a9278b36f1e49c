#pragma once
// The form an undocked control floats in: a small sizeable tool window that holds the control
// over its whole client area and carries its caption. Dragging the form's caption drags the
// control: dropped on a dock site it docks there and the form goes; dropped anywhere else the
// form moves there. Closing the form hides it with the control inside.

#include "classlib/win/Form.h"

namespace cl {

class TFloatHostForm : public TCustomForm {
    CL_CLASS_INFO()
public:
    TFloatHostForm(TComponent* owner, TControl& client);
    ~TFloatHostForm() override;

    TControl* Client() const { return client_; }
    // The control left the form (docked elsewhere, or freed): the form goes once the messages
    // in hand are handled, as it may be in the middle of one of its own.
    void ClientGone();
    // The window size of a host form whose client area has that size.
    static TPoint WindowSizeFor(int clientWidth, int clientHeight);

protected:
    void WndProc(TMessage& message) override;

private:
    TControl* client_;
};

}  // namespace cl
