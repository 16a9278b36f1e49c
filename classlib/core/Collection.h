#pragma once
// Collections: an owned, ordered list of items of one class (list-view columns, status-bar
// panels and the like), read from a form resource item by item.

#include <functional>
#include <memory>
#include <vector>

#include "classlib/core/Persistent.h"

namespace cl {

class TCollection;

class TCollectionItem : public TPersistent {
    CL_CLASS_INFO()
public:
    TCollection* Collection() const { return collection_; }
    int Index() const;

protected:
    // Tells the collection (and through it, its owner) that this item changed.
    void Changed();

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
};

class TCollection : public TPersistent {
    CL_CLASS_INFO()
public:
    using TItemFactory = std::function<std::unique_ptr<TCollectionItem>()>;
    using TUpdateEvent = std::function<void(TCollectionItem* item)>;  // null item: the whole collection

    explicit TCollection(TItemFactory factory) : factory_(std::move(factory)) {}

    TCollectionItem* Add();
    void Delete(int index);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    TCollectionItem* Items(int index) const;
    template <class T>
    T* Item(int index) const { return static_cast<T*>(Items(index)); }

    // Called after a change; the owning control repaints or rebuilds.
    TUpdateEvent OnUpdate;

private:
    friend class TCollectionItem;
    void Changed(TCollectionItem* item);

    TItemFactory factory_;
    std::vector<std::unique_ptr<TCollectionItem>> items_;
};

}  // namespace cl
