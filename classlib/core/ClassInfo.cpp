#include "classlib/core/ClassInfo.h"

#include <map>

#include "classlib/core/Colors.h"
#include "classlib/core/Component.h"
#include "classlib/core/Exception.h"
#include "classlib/core/TextUtils.h"

namespace cl {

const char* KindName(TValue::Kind kind) {
    switch (kind) {
        case TValue::Kind::Empty: return "nothing";
        case TValue::Kind::Integer: return "an integer";
        case TValue::Kind::Boolean: return "a boolean";
        case TValue::Kind::String: return "a string";
        case TValue::Kind::Identifier: return "an identifier";
        case TValue::Kind::Set: return "a set";
        case TValue::Kind::StringList: return "a string list";
        case TValue::Kind::Binary: return "binary data";
        case TValue::Kind::Component: return "a component";
        case TValue::Kind::Handler: return "an event handler";
    }
    return "a value";
}

bool TEnumNames::Find(const std::string& name, int& value) const {
    for (const auto& entry : names) {
        if (SameText(entry.first, name)) {
            value = entry.second;
            return true;
        }
    }
    return false;
}

std::string TEnumNames::NameOf(int value) const {
    for (const auto& entry : names)
        if (entry.second == value) return entry.first;
    return std::to_string(value);
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        if (c == &other) return true;
    return false;
}

const TPropertyInfo* TClassInfo::FindProperty(const std::string& name) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        for (const auto& p : c->properties)
            if (SameText(p.name, name)) return &p;
    return nullptr;
}

const THandlerInfo* TClassInfo::FindHandler(const std::string& name) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        for (const auto& h : c->handlers)
            if (SameText(h.name, name)) return &h;
    return nullptr;
}

const TFieldInfo* TClassInfo::FindField(const std::string& name) const {
    for (const TClassInfo* c = this; c; c = c->parent_)
        for (const auto& f : c->fields)
            if (SameText(f.name, name)) return &f;
    return nullptr;
}

TComponent* TClassInfo::Create(TComponent* owner) const {
    if (!create_) throw EComponentError("Class " + name_ + " cannot be created by name");
    return create_(owner);
}

namespace {
std::map<std::string, const TClassInfo*>& Registry() {
    static std::map<std::string, const TClassInfo*> registry;  // keys upper-cased
    return registry;
}

[[noreturn]] void BadValue(const TPropertyInfo& property, const std::string& what) {
    throw EConvertError("Invalid value for property " + property.name + ": " + what);
}

void Expect(const TPropertyInfo& property, const TValue& raw, TValue::Kind kind) {
    if (raw.kind != kind)
        BadValue(property, std::string("expected ") + KindName(kind) + ", got " + KindName(raw.kind));
}

// Walks a dotted path to the object that holds its last name.
TObject& WalkPath(TObject& object, const std::string& path, std::string& last) {
    TObject* current = &object;
    size_t start = 0;
    for (;;) {
        const size_t dot = path.find('.', start);
        if (dot == std::string::npos) {
            last = path.substr(start);
            return *current;
        }
        const std::string name = path.substr(start, dot - start);
        const TPropertyInfo* p = current->ClassInfo().FindProperty(name);
        if (!p || p->kind != PropKind::Object) throw EConvertError(std::string(current->ClassName()) + " has no object property " + name);
        current = p->subObject(*current);
        if (!current) throw EConvertError("Property " + name + " holds no object");
        start = dot + 1;
    }
}
}  // namespace

void TClassRegistry::Register(const TClassInfo& classInfo) { Registry()[UpperCase(classInfo.Name())] = &classInfo; }

const TClassInfo* TClassRegistry::Find(const std::string& name) {
    auto it = Registry().find(UpperCase(name));
    return it == Registry().end() ? nullptr : it->second;
}

void AssignProperty(TObject& object, const TPropertyInfo& property, const TValue& raw) {
    TValue value = raw;
    switch (property.kind) {
        case PropKind::Integer:
            Expect(property, raw, TValue::Kind::Integer);
            break;
        case PropKind::Boolean:
            Expect(property, raw, TValue::Kind::Boolean);
            break;
        case PropKind::String:
            Expect(property, raw, TValue::Kind::String);
            break;
        case PropKind::Enum: {
            if (raw.kind == TValue::Kind::Integer) break;
            Expect(property, raw, TValue::Kind::Identifier);
            int v = 0;
            if (!property.names->Find(raw.text, v)) BadValue(property, "unknown name " + raw.text);
            value = TValue::Int(v);
            break;
        }
        case PropKind::Set: {
            if (raw.kind == TValue::Kind::Integer) break;
            Expect(property, raw, TValue::Kind::Set);
            int64_t mask = 0;
            for (const auto& member : raw.items) {
                int v = 0;
                if (!property.names->Find(member, v)) BadValue(property, "unknown set member " + member);
                mask |= int64_t(1) << v;
            }
            value = TValue::Int(mask);
            break;
        }
        case PropKind::Color: {
            if (raw.kind == TValue::Kind::Integer) break;
            Expect(property, raw, TValue::Kind::Identifier);
            TColor color = 0;
            if (!ColorFromName(raw.text, color)) BadValue(property, "unknown colour " + raw.text);
            value = TValue::Int(color);
            break;
        }
        case PropKind::StringList:
            Expect(property, raw, TValue::Kind::StringList);
            break;
        case PropKind::Binary:
            Expect(property, raw, TValue::Kind::Binary);
            break;
        case PropKind::Component:
            if (raw.kind == TValue::Kind::Empty) break;
            Expect(property, raw, TValue::Kind::Component);
            break;
        case PropKind::Event:
            if (raw.kind == TValue::Kind::Empty) break;
            Expect(property, raw, TValue::Kind::Handler);
            if (std::type_index(raw.handler.type()) != property.eventType)
                BadValue(property, "handler " + raw.text + " has the wrong parameters");
            break;
        case PropKind::Object:
        case PropKind::Collection:
            BadValue(property, "an object property cannot be assigned a value");
    }
    property.set(object, value);
}

bool SetPropertyByName(TObject& object, const std::string& path, const TValue& value) {
    std::string last;
    TObject* holder = nullptr;
    try {
        holder = &WalkPath(object, path, last);
    } catch (const EConvertError&) {
        return false;
    }
    const TPropertyInfo* property = holder->ClassInfo().FindProperty(last);
    if (!property) return false;
    AssignProperty(*holder, *property, value);
    return true;
}

TValue GetPropertyByName(TObject& object, const std::string& path) {
    std::string last;
    TObject& holder = WalkPath(object, path, last);
    const TPropertyInfo* property = holder.ClassInfo().FindProperty(last);
    if (!property || !property->get) throw EConvertError(std::string(holder.ClassName()) + " has no readable property " + last);
    return property->get(holder);
}

}  // namespace cl
