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

TMwGroupItem::~TMwGroupItem() = default;

TMwGroup* TMwGroupItem::Group() const {
    auto* items = dynamic_cast<TMwGroupItems*>(Collection());
    return items ? items->Group() : nullptr;
}

void TMwGroupItem::SetCaption(const std::string& v) {
    if (v == caption_) return;
    caption_ = v;
    captionSet_ = true;
    Changed();
}

void TMwGroupItem::SetSelected(bool v) {
    selected_ = v;
    if (v)
        if (TMwGroup* group = Group()) group->ItemSelected(this);
    Changed();
}

void TMwGroupItem::ItemSelected(const TMwGroupItem* selected) {
    if (selected != this && selected_) SetSelected(false);
}

// ---- the action ----

void TMwGroupItem::SetAction(cl::TAction* action) {
    if (!action) {
        if (!link_) return;
        link_.reset();
        Changed();
        return;
    }
    if (!link_) link_ = std::make_unique<TMwGroupItemActionLink>(*this);
    link_->SetAction(action);
    // A form resource gives the item its own values before its action is whole.
    ActionChange(*action, action->IsLoading());
}

void TMwGroupItem::ActionChange(const cl::TAction& action, bool checkDefaults) {
    if (!checkDefaults || caption_.empty() || !captionSet_) {
        caption_ = action.Caption();
        captionSet_ = true;
    }
    if (!checkDefaults || enabled_) enabled_ = action.Enabled();
    if (!checkDefaults || hint_.empty()) hint_ = action.Hint();
    if (!checkDefaults || imageIndex_ == -1) imageIndex_ = action.ImageIndex();
    if (!checkDefaults || visible_) visible_ = action.Visible();
    if (!checkDefaults || !OnClick) OnClick = action.OnExecute;
    if (link_ && link_->Action() == &action) link_->Remember();
    Changed();
}

void TMwGroupItem::ActionChanged(cl::TAction& action) {
    if (!link_ || link_->Action() != &action) return;
    link_->ActionChanged();
}

void TMwGroupItem::ActionFreed(cl::TAction& action) {
    if (link_ && link_->Action() == &action) SetAction(nullptr);
}

void TMwGroupItem::InitiateAction() {
    if (cl::TAction* action = Action()) action->Update();
}

// ---- clicks ----

void TMwGroupItem::Click() {
    cl::TAction* action = Action();
    if (OnClick && action && OnClick != action->OnExecute) OnClick(this);
    else if (action) link_->Execute();
    else OnClick(this);
}

// ---- copies ----

void TMwGroupItem::Assign(const TMwGroupItem& other) {
    SetAction(other.Action());
    SetCaption(other.caption_);
    SetDisabledIndex(other.disabledIndex_);
    SetEnabled(other.enabled_);
    SetHint(other.hint_);
    SetImageIndex(other.imageIndex_);
    SetVisible(other.visible_);
    OnClick = other.OnClick;
    OnPopupClick = other.OnPopupClick;
}

void TMwGroupItem::AssignTo(cl::TAction& action) const {
    action.SetCaption(caption_);
    action.SetEnabled(enabled_);
    action.SetHint(hint_);
    action.SetImageIndex(imageIndex_);
    action.SetVisible(visible_);
    action.OnExecute = OnClick;
}

std::string TMwGroupItem::DisplayName() const { return caption_.empty() ? ClassInfo().Name() : caption_; }

// ---- the collection ----

const cl::TClassInfo& TMwGroupItems::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwGroupItems>("TMwGroupItems", cl::TCollection::StaticClass()).Build();
    return *info;
}

TMwGroupItems::TMwGroupItems(TMwGroup* group)
    : cl::TCollection([] { return std::make_unique<TMwGroupItem>(); }), group_(group) {
    OnUpdate = [group](cl::TCollectionItem*) { group->ItemsChanged(); };
}

void TMwGroupItems::Delete(int index) {
    Items(index);  // an index error before anything changes
    group_->ItemRemoved(index);
    cl::TCollection::Delete(index);
}

void TMwGroupItems::Clear() {
    group_->ItemRemoved(-1);
    cl::TCollection::Clear();
}
