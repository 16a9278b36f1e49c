#pragma once
#include <memory>

#include "classlib/core/ClassInfo.h"
#include "classlib/core/Component.h"
#include "classlib/core/Event.h"
#include "classlib/core/Exception.h"

namespace cl {

// Builds a class description with member pointers: the table lists each published property
// with its reader and writer, next to the class it belongs to.
template <class C>
class TClassBuilder {
public:
    TClassBuilder(const char* name, const TClassInfo& parent) : info_(std::make_unique<TClassInfo>(name, &parent)) {}
    explicit TClassBuilder(const char* name) : info_(std::make_unique<TClassInfo>(name, nullptr)) {}

    // The class can be created by name with an owner (from a form resource).
    TClassBuilder& Creatable() {
        info_->create_ = [](TComponent* owner) -> TComponent* { return new C(owner); };
        return *this;
    }

    template <class G, class S>
    TClassBuilder& Int(const char* name, G get, S set) {
        return Add(name, PropKind::Integer, [get](TObject& o) { return TValue::Int(static_cast<int64_t>((Self(o).*get)())); },
                   [set](TObject& o, const TValue& v) { (Self(o).*set)(static_cast<int>(v.integer)); });
    }
    template <class G, class S>
    TClassBuilder& Bool(const char* name, G get, S set) {
        return Add(name, PropKind::Boolean, [get](TObject& o) { return TValue::Bool((Self(o).*get)()); },
                   [set](TObject& o, const TValue& v) { (Self(o).*set)(v.boolean); });
    }
    template <class G, class S>
    TClassBuilder& Str(const char* name, G get, S set) {
        return Add(name, PropKind::String, [get](TObject& o) { return TValue::Str((Self(o).*get)()); },
                   [set](TObject& o, const TValue& v) { (Self(o).*set)(v.text); });
    }
    template <class E, class G, class S>
    TClassBuilder& Enum(const char* name, G get, S set, const TEnumNames& names) {
        Add(name, PropKind::Enum, [get](TObject& o) { return TValue::Int(static_cast<int>((Self(o).*get)())); },
            [set](TObject& o, const TValue& v) { (Self(o).*set)(static_cast<E>(v.integer)); });
        info_->properties.back().names = &names;
        return *this;
    }
    // A set is a bit mask: member n of the names has bit (1 << value).
    template <class G, class S>
    TClassBuilder& Set(const char* name, G get, S set, const TEnumNames& names) {
        Add(name, PropKind::Set, [get](TObject& o) { return TValue::Int(static_cast<int64_t>((Self(o).*get)())); },
            [set](TObject& o, const TValue& v) { (Self(o).*set)(static_cast<unsigned>(v.integer)); });
        info_->properties.back().names = &names;
        return *this;
    }
    template <class G, class S>
    TClassBuilder& Color(const char* name, G get, S set) {
        return Add(name, PropKind::Color, [get](TObject& o) { return TValue::Int(static_cast<int64_t>((Self(o).*get)())); },
                   [set](TObject& o, const TValue& v) { (Self(o).*set)(static_cast<int>(v.integer)); });
    }
    template <class G, class S>
    TClassBuilder& Binary(const char* name, G get, S set) {
        return Add(name, PropKind::Binary, [get](TObject& o) { return TValue::Bin((Self(o).*get)()); },
                   [set](TObject& o, const TValue& v) { (Self(o).*set)(v.bytes); });
    }
    // A string list sub-object (TStrings*): a form value replaces its contents.
    template <class G>
    TClassBuilder& Strings(const char* name, G get) {
        return Add(name, PropKind::StringList, [get](TObject& o) { return TValue::Strings((Self(o).*get)()->ToVector()); },
                   [get](TObject& o, const TValue& v) { (Self(o).*get)()->Assign(v.items); });
    }
    // A reference to another component of class T (or none).
    template <class T, class G, class S>
    TClassBuilder& Ref(const char* name, G get, S set) {
        return Add(name, PropKind::Component,
                   [get](TObject& o) { return TValue::Comp((Self(o).*get)()); },
                   [set, name](TObject& o, const TValue& v) { (Self(o).*set)(CheckedCast<T>(v.component, name)); });
    }
    // An event field of type E (a TEvent).
    template <class E>
    TClassBuilder& Event(const char* name, E C::*field) {
        Add(name, PropKind::Event, [](TObject&) { return TValue(); },
            [field](TObject& o, const TValue& v) {
                Self(o).*field = v.handler.has_value() ? std::any_cast<E>(v.handler) : E();
            });
        info_->properties.back().eventType = typeid(E);
        return *this;
    }
    // A nested persistent object whose own properties are set with dotted paths (Font.Height).
    template <class G>
    TClassBuilder& Object(const char* name, G get) {
        Add(name, PropKind::Object, nullptr, nullptr);
        info_->properties.back().subObject = [get](TObject& o) -> TObject* { return (Self(o).*get)(); };
        return *this;
    }
    template <class G>
    TClassBuilder& Collection(const char* name, G get) {
        Add(name, PropKind::Collection, nullptr, nullptr);
        info_->properties.back().subObject = [get](TObject& o) -> TObject* { return (Self(o).*get)(); };
        return *this;
    }
    // A field holding the component of that name.
    template <class T>
    TClassBuilder& Field(const char* name, T* C::*member) {
        TFieldInfo f;
        f.name = name;
        f.get = [member](TObject& o) -> TComponent* { return Self(o).*member; };
        f.set = [member](TObject& o, TComponent* component) {
            T* typed = dynamic_cast<T*>(component);
            if (component && !typed) return false;
            Self(o).*member = typed;
            return true;
        };
        f.className = T::StaticClass().Name();
        info_->fields.push_back(std::move(f));
        return *this;
    }
    // A handler method of a form, bound to events by name.
    template <class... A>
    TClassBuilder& Handler(const char* name, void (C::*method)(A...)) {
        THandlerInfo h;
        h.name = name;
        h.eventType = typeid(TEvent<A...>);
        h.bind = [method](TObject& o) { return std::any(TEvent<A...>(&Self(o), method)); };
        info_->handlers.push_back(std::move(h));
        return *this;
    }

    std::unique_ptr<TClassInfo> Build() { return std::move(info_); }

private:
    static C& Self(TObject& o) { return static_cast<C&>(o); }
    template <class T>
    static T* CheckedCast(TComponent* component, const char* name) {
        if (!component) return nullptr;
        T* typed = dynamic_cast<T*>(component);
        if (!typed) throw EConvertError(std::string("Invalid property value: ") + name + " cannot refer to " + component->Name());
        return typed;
    }

    TClassBuilder& Add(const char* name, PropKind kind, std::function<TValue(TObject&)> get,
                       std::function<void(TObject&, const TValue&)> set) {
        TPropertyInfo p;
        p.name = name;
        p.kind = kind;
        p.get = std::move(get);
        p.set = std::move(set);
        info_->properties.push_back(std::move(p));
        return *this;
    }

    std::unique_ptr<TClassInfo> info_;
};

}  // namespace cl
