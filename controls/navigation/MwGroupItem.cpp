#include "controls/navigation/MwGroupItem.h"

#include "classlib/core/ClassBuilder.h"
#include "controls/navigation/MwGroup.h"

const cl::TClassInfo& TMwGroupItem::StaticClass() {
    using I = TMwGroupItem;
    static const auto info = cl::TClassBuilder<I>("TMwGroupItem", cl::TCollectionItem::StaticClass())
                                 .Ref<cl::TAction>("Action", &I::Action, &I::SetAction)
                                 .Str("Caption", &I::Caption, &I::SetCaption)
                                 .Bool("Enabled", &I::Enabled, &I::SetEnabled)
                                 .Bool("Visible", &I::Visible, &I::SetVisible)
                                 .Int("ImageIndex", &I::ImageIndex, &I::SetImageIndex)
                                 .Int("DisabledIndex", &I::DisabledIndex, &I::SetDisabledIndex)
                                 .Int("IndentLevel", &I::IndentLevel, &I::SetIndentLevel)
                                 .Bool("Selected", &I::Selected, &I::SetSelected)
                                 .Str("Hint", &I::Hint, &I::SetHint)
                                 .Int("Tag", &I::Tag, &I::SetTag)
                                 .Event("OnClick", &I::OnClick)
                                 .Event("OnPopupClick", &I::OnPopupClick)
                                 .Build();
    return *info;
}

TMwGroupItem::~TMwGroupItem() {
    if (action_) action_->UnregisterClient(this);
}

TMwGroup* TMwGroupItem::Group() const {
    auto* items = dynamic_cast<TMwGroupItems*>(Collection());
    return items ? items->Group() : nullptr;
}

void TMwGroupItem::SetCaption(const std::string& v) {
    captionSet_ = true;
    StoreAndChange(caption_, v);
}

void TMwGroupItem::SetSelected(bool v) {
    selected_ = v;
    if (v) {
        if (TMwGroup* group = Group())
            for (int i = 0; i < group->Items()->Count(); ++i) {
                TMwGroupItem* other = group->Items()->Items(i);
                if (other != this && other->selected_) other->SetSelected(false);
            }
    }
    Changed();
}

void TMwGroupItem::SetAction(cl::TAction* action) {
    if (action == action_) return;
    if (action_) action_->UnregisterClient(this);
    action_ = action;
    if (action) {
        action->RegisterClient(this);
        TakeActionValues(*action, action->IsLoading());
    }
    Changed();
}

void TMwGroupItem::TakeActionValues(const cl::TAction& action, bool onlyDefaults) {
    if (!onlyDefaults || caption_.empty() || !captionSet_) {
        caption_ = action.Caption();
        captionSet_ = false;
    }
    if (!onlyDefaults || enabled_) enabled_ = action.Enabled();
    if (!onlyDefaults || hint_.empty()) hint_ = action.Hint();
    if (!onlyDefaults || imageIndex_ == -1) imageIndex_ = action.ImageIndex();
    if (!onlyDefaults || visible_) visible_ = action.Visible();
    if (!onlyDefaults || !OnClick) OnClick = action.OnExecute;
    linked_ = mw::TActionLinkValues::Of(action);
}

void TMwGroupItem::ActionChanged(cl::TAction& action) {
    if (&action != action_) return;
    // Only the values the item still shares with the action follow it.
    if (caption_ == linked_.caption) caption_ = action.Caption();
    if (enabled_ == linked_.enabled) enabled_ = action.Enabled();
    if (hint_ == linked_.hint) hint_ = action.Hint();
    if (imageIndex_ == linked_.imageIndex) imageIndex_ = action.ImageIndex();
    if (visible_ == linked_.visible) visible_ = action.Visible();
    linked_ = mw::TActionLinkValues::Of(action);
    Changed();
}

void TMwGroupItem::ActionFreed(cl::TAction& action) {
    if (&action != action_) return;
    action_ = nullptr;
    Changed();
}

void TMwGroupItem::Click() {
    if (OnClick && action_ && OnClick != action_->OnExecute) OnClick(this);
    else if (action_) action_->Execute();
    else OnClick(this);
}

const cl::TClassInfo& TMwGroupItems::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwGroupItems>("TMwGroupItems", cl::TCollection::StaticClass()).Build();
    return *info;
}

TMwGroupItems::TMwGroupItems(TMwGroup* group)
    : cl::TCollection([] { return std::make_unique<TMwGroupItem>(); }), group_(group) {}
