#include "controls/basic/MwCheckedActionLink.h"

#include "controls/basic/MwCustomGlyphButton.h"

TMwCheckedActionLink::~TMwCheckedActionLink() {
    if (action_) action_->UnregisterClient(this);
}

void TMwCheckedActionLink::SetAction(cl::TAction* action, bool applyingDefaults) {
    if (action == action_) return;
    if (action_) action_->UnregisterClient(this);
    action_ = action;
    if (!action) return;
    action->RegisterClient(this);
    TMwCustomGlyphButton::TActionApplying applying(client_);
    if (!applyingDefaults || client_.Caption().empty()) client_.SetCaption(action->Caption());
    if (!applyingDefaults || client_.Enabled()) client_.SetEnabled(action->Enabled());
    if (!applyingDefaults || client_.Hint().empty()) client_.SetHint(action->Hint());
    if (!applyingDefaults || client_.Visible()) client_.SetVisible(action->Visible());
    if (!applyingDefaults || !client_.Checked()) client_.SetChecked(action->Checked());
    shown_ = mw::TActionLinkValues::Of(*action);
}

bool TMwCheckedActionLink::IsCheckedLinked() const { return action_ && client_.Checked() == action_->Checked(); }

void TMwCheckedActionLink::ActionChanged(cl::TAction& action) {
    if (&action != action_) return;
    TMwCustomGlyphButton::TActionApplying applying(client_);
    if (client_.Caption() == shown_.caption) client_.SetCaption(action.Caption());
    if (client_.Enabled() == shown_.enabled) client_.SetEnabled(action.Enabled());
    if (client_.Hint() == shown_.hint) client_.SetHint(action.Hint());
    if (client_.Visible() == shown_.visible) client_.SetVisible(action.Visible());
    if (client_.Checked() == shown_.checked) client_.SetChecked(action.Checked());
    shown_ = mw::TActionLinkValues::Of(action);
}

void TMwCheckedActionLink::ActionFreed(cl::TAction& action) {
    if (&action == action_) action_ = nullptr;
}
