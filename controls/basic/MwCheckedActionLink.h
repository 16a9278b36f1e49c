#pragma once
// The link between a radio button or check box and its action: besides the caption, enabled
// state, hint and visibility, the action's Checked drives the button's Checked, each value only
// while the button still shows what the action showed when the button last took it.

#include "classlib/win/Actions.h"
#include "controls/basic/ActionLinkValues.h"

class TMwCustomGlyphButton;

class TMwCheckedActionLink : public cl::TActionClient {
public:
    explicit TMwCheckedActionLink(TMwCustomGlyphButton& client) : client_(client) {}
    ~TMwCheckedActionLink();
    TMwCheckedActionLink(const TMwCheckedActionLink&) = delete;
    TMwCheckedActionLink& operator=(const TMwCheckedActionLink&) = delete;

    cl::TAction* Action() const { return action_; }
    // Links to the action and takes its values; while applyingDefaults (the form is read) only
    // those the button still has at their defaults (and Checked only when it is not checked).
    void SetAction(cl::TAction* action, bool applyingDefaults);
    bool IsCheckedLinked() const;
    // Runs the action; false when it did not run.
    bool Execute() const { return action_ && action_->Execute(); }

    void ActionChanged(cl::TAction& action) override;
    void ActionFreed(cl::TAction& action) override;

private:
    TMwCustomGlyphButton& client_;
    cl::TAction* action_ = nullptr;
    mw::TActionLinkValues shown_;
};
