#include "controls/navigation/MwGroupItemActionLink.h"

#include <windows.h>

#include "controls/navigation/MwGroup.h"
#include "controls/navigation/MwGroupItem.h"

TMwGroupItemActionLink::~TMwGroupItemActionLink() {
    if (action_) action_->UnregisterClient(&client_);
}

void TMwGroupItemActionLink::SetAction(cl::TAction* action) {
    if (action_ == action) return;
    if (action_) action_->UnregisterClient(&client_);
    action_ = action;
    if (action) action->RegisterClient(&client_);
}

bool TMwGroupItemActionLink::IsCaptionLinked() const { return action_ && client_.caption_ == shown_.caption; }
bool TMwGroupItemActionLink::IsEnabledLinked() const { return action_ && client_.enabled_ == shown_.enabled; }
bool TMwGroupItemActionLink::IsHintLinked() const { return action_ && client_.hint_ == shown_.hint; }
bool TMwGroupItemActionLink::IsImageIndexLinked() const { return action_ && client_.imageIndex_ == shown_.imageIndex; }
bool TMwGroupItemActionLink::IsVisibleLinked() const { return action_ && client_.visible_ == shown_.visible; }

bool TMwGroupItemActionLink::IsCheckedLinked() const {
    const TMwGroup* group = client_.Group();
    return action_ && group && group->ShowItemSelection() && client_.selected_ == shown_.checked;
}

bool TMwGroupItemActionLink::IsOnExecuteLinked() const { return action_ && client_.OnClick == action_->OnExecute; }

void TMwGroupItemActionLink::ActionChanged() {
    const mw::TActionLinkValues now = mw::TActionLinkValues::Of(*action_);
    TMwGroupItem& item = client_;
    const bool checked = IsCheckedLinked() && now.checked != shown_.checked;
    if (IsCaptionLinked()) {
        item.caption_ = now.caption;
        item.captionSet_ = true;
    }
    if (IsEnabledLinked()) item.enabled_ = now.enabled;
    if (IsHintLinked()) item.hint_ = now.hint;
    if (IsImageIndexLinked()) item.imageIndex_ = now.imageIndex;
    if (IsVisibleLinked()) item.visible_ = now.visible;
    shown_ = now;
    item.Changed();
    // Last: a selection deselects the other items of the group.
    if (checked) item.SetSelected(now.checked);
}

std::string TMwGroupItemActionLink::HintText(const std::string& hint, bool withShortCut) const {
    if (!withShortCut || !action_ || action_->ShortCut() == 0 || hint.empty()) return hint;
    return hint + " (" + ShortCutToText(static_cast<cl::TShortCut>(action_->ShortCut())) + ")";
}

std::string ShortCutToText(cl::TShortCut shortCut) {
    const unsigned key = shortCut & 0xFF;
    std::string name;
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
        name = std::string(1, static_cast<char>(key));
    } else if (key >= VK_F1 && key <= VK_F24) {
        name = "F" + std::to_string(key - VK_F1 + 1);
    } else {
        char text[64] = {};
        const LONG scan = static_cast<LONG>(MapVirtualKeyA(key, 0)) << 16;
        if (GetKeyNameTextA(scan, text, sizeof text) > 0) name = text;
    }
    if (name.empty()) return "";
    std::string text;
    if (shortCut & cl::scShift) text += "Shift+";
    if (shortCut & cl::scCtrl) text += "Ctrl+";
    if (shortCut & cl::scAlt) text += "Alt+";
    return text + name;
}
