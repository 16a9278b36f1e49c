#include "classlib/core/Collection.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"

namespace cl {

const TClassInfo& TCollectionItem::StaticClass() {
    static const auto info = TClassBuilder<TCollectionItem>("TCollectionItem", TPersistent::StaticClass()).Build();
    return *info;
}

const TClassInfo& TCollection::StaticClass() {
    static const auto info = TClassBuilder<TCollection>("TCollection", TPersistent::StaticClass()).Build();
    return *info;
}

int TCollectionItem::Index() const {
    if (!collection_) return -1;
    for (int i = 0; i < collection_->Count(); ++i)
        if (collection_->Items(i) == this) return i;
    return -1;
}

void TCollectionItem::Changed() {
    if (collection_) collection_->Changed(this);
}

TCollectionItem* TCollection::Add() {
    items_.push_back(factory_());
    items_.back()->collection_ = this;
    Changed(nullptr);
    return items_.back().get();
}

void TCollection::Delete(int index) {
    Items(index);
    items_.erase(items_.begin() + index);
    Changed(nullptr);
}

void TCollection::Clear() {
    if (items_.empty()) return;
    items_.clear();
    Changed(nullptr);
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return items_[static_cast<size_t>(index)].get();
}

void TCollection::Changed(TCollectionItem* item) {
    if (OnUpdate) OnUpdate(item);
}

}  // namespace cl
