#include "classlib/win/Actions.h"

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/ImageList.h"

namespace cl {

TShortCut ShortCutFromKey(unsigned short key, unsigned shiftState) {
    TShortCut shortCut = key & 0xFF;
    if (shiftState & 1) shortCut |= scShift;  // ssShift
    if (shiftState & 4) shortCut |= scCtrl;   // ssCtrl
    if (shiftState & 2) shortCut |= scAlt;    // ssAlt
    return shortCut;
}

const TClassInfo& TAction::StaticClass() {
    static const auto info = TClassBuilder<TAction>("TAction", TComponent::StaticClass())
                                 .Creatable()
                                 .Str("Caption", &TAction::Caption, &TAction::SetCaption)
                                 .Bool("Enabled", &TAction::Enabled, &TAction::SetEnabled)
                                 .Bool("Visible", &TAction::Visible, &TAction::SetVisible)
                                 .Bool("Checked", &TAction::Checked, &TAction::SetChecked)
                                 .Str("Hint", &TAction::Hint, &TAction::SetHint)
                                 .Int("ImageIndex", &TAction::ImageIndex, &TAction::SetImageIndex)
                                 .Int("ShortCut", &TAction::ShortCut, &TAction::SetShortCut)
                                 .Str("Category", &TAction::Category, &TAction::SetCategory)
                                 .Event("OnExecute", &TAction::OnExecute)
                                 .Event("OnUpdate", &TAction::OnUpdate)
                                 .Build();
    return *info;
}

const TClassInfo& TActionList::StaticClass() {
    static const auto info = TClassBuilder<TActionList>("TActionList", TComponent::StaticClass())
                                 .Creatable()
                                 .Ref<TCustomImageList>("Images", &TActionList::Images, &TActionList::SetImages)
                                 .Build();
    return *info;
}

TAction::~TAction() {
    SetActionList(nullptr);
    // Clients may unregister while being told; work on a copy.
    const auto clients = clients_;
    clients_.clear();
    for (TActionClient* client : clients) client->ActionFreed(*this);
}

void TAction::Changed() {
    const auto clients = clients_;
    for (TActionClient* client : clients) client->ActionChanged(*this);
}

void TAction::SetCaption(const std::string& v) {
    if (v == caption_) return;
    caption_ = v;
    Changed();
}

void TAction::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Changed();
}

void TAction::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    Changed();
}

void TAction::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    Changed();
}

void TAction::SetHint(const std::string& v) {
    if (v == hint_) return;
    hint_ = v;
    Changed();
}

void TAction::SetImageIndex(int v) {
    if (v == imageIndex_) return;
    imageIndex_ = v;
    Changed();
}

void TAction::SetShortCut(int v) {
    if (static_cast<TShortCut>(v) == shortCut_) return;
    shortCut_ = static_cast<TShortCut>(v);
    Changed();
}

void TAction::SetActionList(TActionList* list) {
    if (list == actionList_) return;
    if (actionList_) {
        auto& actions = actionList_->actions_;
        actions.erase(std::remove(actions.begin(), actions.end(), this), actions.end());
    }
    actionList_ = list;
    if (list) list->actions_.push_back(this);
}

void TAction::SetParentComponent(TComponent* parent) {
    if (auto* list = dynamic_cast<TActionList*>(parent)) SetActionList(list);
}

TComponent* TAction::GetParentComponent() const { return actionList_; }

bool TAction::Execute() {
    if (!enabled_ || !OnExecute) return false;
    OnExecute(this);
    return true;
}

bool TAction::Update() {
    if (!OnUpdate) return false;
    OnUpdate(this);
    return true;
}

void TAction::RegisterClient(TActionClient* client) {
    if (std::find(clients_.begin(), clients_.end(), client) == clients_.end()) clients_.push_back(client);
}

void TAction::UnregisterClient(TActionClient* client) {
    clients_.erase(std::remove(clients_.begin(), clients_.end(), client), clients_.end());
}

TActionList::~TActionList() {
    for (TAction* action : actions_) action->actionList_ = nullptr;
}

void TActionList::SetImages(TCustomImageList* images) {
    if (images_) RemoveFreeNotification(images_);
    images_ = images;
    if (images) FreeNotification(images);
}

void TActionList::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::Remove && component == images_) images_ = nullptr;
}

void TActionList::UpdateActions() {
    // An update handler may free or add actions; index into the live list.
    for (size_t i = 0; i < actions_.size(); ++i) actions_[i]->Update();
}

bool TActionList::ExecuteShortCut(TShortCut shortCut) {
    for (size_t i = 0; i < actions_.size(); ++i) {
        TAction* action = actions_[i];
        if (action->ShortCut() != 0 && static_cast<TShortCut>(action->ShortCut()) == shortCut) {
            action->Update();
            if (action->Enabled() && action->Visible()) return action->Execute();
        }
    }
    return false;
}

}  // namespace cl
