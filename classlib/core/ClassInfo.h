#pragma once
// Run-time class descriptions: each class registers its name, its base class, how to create it
// and its property table. The form reader and run-time code ("set property X where this class
// has it") go through the same table. Handler methods of forms are registered the same way, so
// that events can be bound by name. Classes build their description with TClassBuilder.

#include <any>
#include <functional>
#include <memory>
#include <string>
#include <typeindex>
#include <utility>
#include <vector>

#include "classlib/core/Value.h"

namespace cl {

class TObject;
class TComponent;

enum class PropKind { Integer, Boolean, String, Enum, Set, Color, StringList, Binary, Component, Event, Object, Collection };

// Names of an enumeration's values, in value order or with explicit values.
struct TEnumNames {
    std::vector<std::pair<std::string, int>> names;
    bool Find(const std::string& name, int& value) const;
    std::string NameOf(int value) const;
};

struct TPropertyInfo {
    std::string name;
    PropKind kind = PropKind::Integer;
    // The value is already in the kind's own form: Integer for Integer, Enum, Set (a bit mask)
    // and Color; Boolean; String; StringList; Binary; Component; Handler for Event.
    std::function<void(TObject&, const TValue&)> set;
    std::function<TValue(TObject&)> get;
    const TEnumNames* names = nullptr;              // Enum and Set
    std::type_index eventType = typeid(void);       // Event: the TEvent type it accepts
    std::function<TObject*(TObject&)> subObject;    // Object and Collection
};

// A field of a form that holds one of its components, filled by name when the form resource
// is read and cleared when the component dies.
struct TFieldInfo {
    std::string name;
    std::function<TComponent*(TObject&)> get;
    std::function<bool(TObject&, TComponent*)> set;  // false when the component has the wrong class
    std::string className;
};

struct THandlerInfo {
    std::string name;
    std::type_index eventType = typeid(void);
    std::function<std::any(TObject&)> bind;  // returns the TEvent bound to the object
};

class TClassInfo {
public:
    template <class C> friend class TClassBuilder;

    TClassInfo(std::string name, const TClassInfo* parent) : name_(std::move(name)), parent_(parent) {}

    const std::string& Name() const { return name_; }
    const TClassInfo* Parent() const { return parent_; }
    bool InheritsFrom(const TClassInfo& other) const;

    // Case-insensitive, walking the base classes.
    const TPropertyInfo* FindProperty(const std::string& name) const;
    const THandlerInfo* FindHandler(const std::string& name) const;
    const TFieldInfo* FindField(const std::string& name) const;

    bool CanCreate() const { return static_cast<bool>(create_); }
    TComponent* Create(TComponent* owner) const;

    std::vector<TPropertyInfo> properties;
    std::vector<THandlerInfo> handlers;
    std::vector<TFieldInfo> fields;

private:
    std::string name_;
    const TClassInfo* parent_;
    std::function<TComponent*(TComponent*)> create_;
};

// Every class that a form resource can name.
class TClassRegistry {
public:
    static void Register(const TClassInfo& classInfo);
    static const TClassInfo* Find(const std::string& name);  // case-insensitive
};

// Sets or reads a property by name, with dotted paths into sub-objects ("Font.Height"). The
// value is converted as a form resource would be (identifiers to enumerations and colours).
// SetPropertyByName returns false when the object's class has no such property.
bool SetPropertyByName(TObject& object, const std::string& path, const TValue& value);
TValue GetPropertyByName(TObject& object, const std::string& path);

// Converts a raw value to the property's own form and stores it; raises EConvertError with a
// message naming the property when the value does not fit.
void AssignProperty(TObject& object, const TPropertyInfo& property, const TValue& raw);

}  // namespace cl
