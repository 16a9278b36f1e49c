#pragma once
// Components: objects that an owner owns and frees, with a name unique among the owner's
// components and free notification, so that every link to a component is cleared when it dies.

#include <string>
#include <vector>

#include "classlib/core/Persistent.h"

namespace cl {

enum class TOperation { Insert, Remove };

class TComponent : public TPersistent {
    CL_CLASS_INFO()
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return name_; }
    // EComponentError when the name is not an identifier or another component of the same
    // owner has it (names compare without case).
    void SetName(const std::string& name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
    TComponent* FindComponent(const std::string& name) const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Frees every owned component, last first. Classes whose owned components need the whole
    // owner alive while they die call this at the start of their destructor.
    void DestroyComponents();

    // Both components are told (Notification with Remove) when the other one dies.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Called just before the component is deleted by its owner or by Free, while the whole
    // object is still alive: forms run their destroy event here.
    virtual void BeforeDestruction() {}
    // Marks this component and everything it owns as being destroyed.
    void Destroying();

    bool IsLoading() const { return loading_; }
    bool IsDestroying() const { return destroying_; }
    void SetLoading(bool loading) { loading_ = loading; }

    // Called on the root of a form resource once the whole resource has been read and every
    // reference resolved, before any component read gets Loaded.
    virtual void ResourceRead() {}
    // Called once the whole form resource has been read and every reference resolved.
    virtual void Loaded() { loading_ = false; }

    // The enclosing object of a form resource, given before the component's own properties
    // are read: controls take it as their parent, menu items as their parent item.
    virtual void SetParentComponent(TComponent* parent) {}
    virtual TComponent* GetParentComponent() const { return nullptr; }

protected:
    // Tells this component that another one was inserted or is being removed. The default
    // passes it on to the owned components, so a form hears of every component it owns.
    virtual void Notification(TComponent* component, TOperation operation);

private:

    std::string name_;
    int tag_ = 0;
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    bool loading_ = false;
    bool destroying_ = false;
};

bool IsValidIdentifier(const std::string& name);

// Destroys a component the way its owner would: Destroying, BeforeDestruction, delete.
void Free(TComponent* component);

}  // namespace cl
