#include "classlib/core/Component.h"

#include <algorithm>
#include <cctype>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"
#include "classlib/core/TextUtils.h"

namespace cl {

const TClassInfo& TPersistent::StaticClass() {
    static const auto info = TClassBuilder<TPersistent>("TPersistent", TObject::StaticClass()).Build();
    return *info;
}

const TClassInfo& TComponent::StaticClass() {
    static const auto info = TClassBuilder<TComponent>("TComponent", TPersistent::StaticClass())
                                 .Str("Name", &TComponent::Name, &TComponent::SetName)
                                 .Int("Tag", &TComponent::Tag, &TComponent::SetTag)
                                 .Build();
    return *info;
}

bool IsValidIdentifier(const std::string& name) {
    if (name.empty()) return false;
    if (!std::isalpha(static_cast<unsigned char>(name[0])) && name[0] != '_') return false;
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

void Free(TComponent* component) {
    if (!component) return;
    component->Destroying();
    component->BeforeDestruction();
    delete component;
}

TComponent::~TComponent() {
    Destroying();
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        auto& theirs = other->freeNotifies_;
        theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
        other->Notification(this, TOperation::Remove);
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::Destroying() {
    if (destroying_) return;
    destroying_ = true;
    for (TComponent* c : components_) c->Destroying();
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        last->Destroying();
        last->BeforeDestruction();
        RemoveComponent(last);
        delete last;
    }
}

void TComponent::SetName(const std::string& name) {
    if (name == name_) return;
    if (!name.empty() && !IsValidIdentifier(name))
        throw EComponentError("\"" + name + "\" is not a valid component name");
    if (owner_ && !name.empty()) {
        TComponent* existing = owner_->FindComponent(name);
        if (existing && existing != this) throw EComponentError("A component named " + name + " already exists");
    }
    name_ = name;
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->name_, name)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (component->owner_) component->owner_->RemoveComponent(component);
    if (!component->name_.empty() && FindComponent(component->name_))
        throw EComponentError("A component named " + component->name_ + " already exists");
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, TOperation::Insert);
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it == components_.end()) return;
    components_.erase(it);
    component->owner_ = nullptr;
    Notification(component, TOperation::Remove);
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    auto& theirs = component->freeNotifies_;
    if (std::find(theirs.begin(), theirs.end(), this) == theirs.end()) theirs.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), component), freeNotifies_.end());
    auto& theirs = component->freeNotifies_;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::Remove) {
        // A form's field naming the dying component no longer refers to it.
        for (const TClassInfo* c = &ClassInfo(); c; c = c->Parent())
            for (const auto& field : c->fields)
                if (field.get(*this) == component) field.set(*this, nullptr);
    }
    // Indexing, not iterators: a handler may free components while we walk.
    for (size_t i = 0; i < components_.size(); ++i)
        if (components_[i] != component) components_[i]->Notification(component, operation);
}

}  // namespace cl
