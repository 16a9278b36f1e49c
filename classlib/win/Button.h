#pragma once
// Push buttons and check boxes over the standard button class. A button can set its form's
// ModalResult, be the form's default or cancel button, and run a linked action.

#include "classlib/win/Actions.h"
#include "classlib/win/Control.h"

namespace cl {

class TButton : public TControl, public TActionClient {
    CL_CLASS_INFO()
public:
    explicit TButton(TComponent* owner);
    ~TButton() override;

    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int v) { modalResult_ = v; }
    TAction* Action() const { return action_; }
    void SetAction(TAction* action);

    // Sets the form's modal result, then runs the action or OnClick.
    void Click() override;

    void ActionChanged(TAction& action) override;
    void ActionFreed(TAction& action) override;

protected:
    void CreateParams(TCreateParams& params) override;
    bool CommandNotification(WORD code) override;
    bool IsDialogButton(bool defaultButton) const override { return defaultButton ? default_ : cancel_; }

private:
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
    TAction* action_ = nullptr;
};

class TCheckBox : public TControl {
    CL_CLASS_INFO()
public:
    explicit TCheckBox(TComponent* owner);

    bool Checked();
    // Changing the state runs OnClick, as a click would.
    void SetChecked(bool checked);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    bool CommandNotification(WORD code) override;

private:
    bool checked_ = false;
};

}  // namespace cl
