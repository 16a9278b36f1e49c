#pragma once
// The small value type that carries a property's value between a form resource, the class's
// property table and run-time code that sets a property by name.

#include <any>
#include <cstdint>
#include <string>
#include <vector>

namespace cl {

class TComponent;

struct TValue {
    enum class Kind { Empty, Integer, Boolean, String, Identifier, Set, StringList, Binary, Component, Handler };

    Kind kind = Kind::Empty;
    int64_t integer = 0;
    bool boolean = false;
    std::string text;                // String, Identifier, and the handler's name
    std::vector<std::string> items;  // Set members, StringList strings
    std::vector<uint8_t> bytes;      // Binary
    TComponent* component = nullptr; // Component reference
    std::any handler;                // Handler: a bound event of the property's own event type

    static TValue Int(int64_t v) { TValue r; r.kind = Kind::Integer; r.integer = v; return r; }
    static TValue Bool(bool v) { TValue r; r.kind = Kind::Boolean; r.boolean = v; return r; }
    static TValue Str(std::string v) { TValue r; r.kind = Kind::String; r.text = std::move(v); return r; }
    static TValue Ident(std::string v) { TValue r; r.kind = Kind::Identifier; r.text = std::move(v); return r; }
    static TValue SetOf(std::vector<std::string> v) { TValue r; r.kind = Kind::Set; r.items = std::move(v); return r; }
    static TValue Strings(std::vector<std::string> v) { TValue r; r.kind = Kind::StringList; r.items = std::move(v); return r; }
    static TValue Bin(std::vector<uint8_t> v) { TValue r; r.kind = Kind::Binary; r.bytes = std::move(v); return r; }
    static TValue Comp(TComponent* v) { TValue r; r.kind = Kind::Component; r.component = v; return r; }
};

const char* KindName(TValue::Kind kind);

}  // namespace cl
