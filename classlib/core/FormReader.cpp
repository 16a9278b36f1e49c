#include "classlib/core/FormReader.h"

#include <vector>

#include "classlib/core/ClassInfo.h"
#include "classlib/core/Collection.h"
#include "classlib/core/Component.h"
#include "classlib/core/Exception.h"
#include "classlib/core/FormParser.h"
#include "classlib/core/TextUtils.h"

namespace cl {

namespace {

class Reader {
public:
    Reader(TComponent& root, const std::string& formName) : root_(root), formName_(formName) {}

    void Read(const std::string& text) {
        const TFormObject tree = ParseFormText(text, formName_);
        if (!SameText(tree.className, root_.ClassName()))
            Fail(tree.line, tree.name, "", "the resource describes class " + tree.className + ", not " + root_.ClassName());
        root_.SetLoading(true);
        created_.push_back(&root_);
        Guard(tree.line, tree.name, "Name", [&] { root_.SetName(UniqueRootName(tree.name)); });
        ReadProperties(root_, tree.properties, tree.name);
        for (const auto& child : tree.children) ReadObject(child, &root_);
        ResolveFixups();
        root_.ResourceRead();
        for (TComponent* component : created_) component->Loaded();
    }

private:
    // A second instance of a form under the same owner gets "name_1", "name_2"...
    std::string UniqueRootName(const std::string& name) const {
        TComponent* owner = root_.Owner();
        if (!owner) return name;
        std::string candidate = name;
        for (int n = 1; owner->FindComponent(candidate) && owner->FindComponent(candidate) != &root_; ++n)
            candidate = name + "_" + std::to_string(n);
        return candidate;
    }

    struct Fixup {
        TObject* target;
        const TPropertyInfo* property;
        std::string value;
        int line;
        std::string component;
    };

    [[noreturn]] void Fail(int line, const std::string& component, const std::string& property, const std::string& what) const {
        std::string message = "Error reading form " + formName_ + ", line " + std::to_string(line);
        if (!component.empty()) message += ", component " + component;
        if (!property.empty()) message += ", property " + property;
        throw EFormReadError(message + ": " + what);
    }

    // Runs a step and turns any library error into a form error at this place.
    template <class F>
    void Guard(int line, const std::string& component, const std::string& property, F step) {
        try {
            step();
        } catch (const EFormReadError&) {
            throw;
        } catch (const std::exception& e) {
            Fail(line, component, property, e.what());
        }
    }

    void ReadObject(const TFormObject& object, TComponent* parent) {
        const TClassInfo* classInfo = TClassRegistry::Find(object.className);
        if (!classInfo || !classInfo->CanCreate()) Fail(object.line, object.name, "", "class " + object.className + " not found");
        TComponent* component = nullptr;
        Guard(object.line, object.name, "", [&] {
            component = classInfo->Create(&root_);
            component->SetLoading(true);
            created_.push_back(component);
            component->SetName(object.name);
            if (const TFieldInfo* field = root_.ClassInfo().FindField(object.name); field && !field->set(root_, component))
                throw EFormReadError("field " + field->name + " of " + root_.ClassName() + " is a " + field->className +
                                     ", not a " + object.className);
            component->SetParentComponent(parent);
        });
        ReadProperties(*component, object.properties, object.name);
        for (const auto& child : object.children) ReadObject(child, component);
    }

    void ReadProperties(TObject& target, const std::vector<TFormProperty>& properties, const std::string& component) {
        for (const auto& property : properties) ReadProperty(target, property, component);
    }

    void ReadProperty(TObject& target, const TFormProperty& p, const std::string& component) {
        // Walk the dotted path through object properties to the holder of the last name.
        TObject* holder = &target;
        std::string name = p.path;
        for (size_t dot; (dot = name.find('.')) != std::string::npos;) {
            const std::string head = name.substr(0, dot);
            const TPropertyInfo* sub = holder->ClassInfo().FindProperty(head);
            if (!sub || sub->kind != PropKind::Object) Fail(p.line, component, p.path, "unknown property");
            holder = sub->subObject(*holder);
            if (!holder) Fail(p.line, component, p.path, head + " holds no object");
            name = name.substr(dot + 1);
        }

        const TPropertyInfo* property = holder->ClassInfo().FindProperty(name);
        if (!property) {
            auto* persistent = dynamic_cast<TPersistent*>(holder);
            bool handled = false;
            Guard(p.line, component, p.path, [&] { handled = persistent && !p.isCollection && persistent->ReadExtraProperty(name, p.value); });
            if (!handled) Fail(p.line, component, p.path, "unknown property");
            return;
        }

        switch (property->kind) {
            case PropKind::Collection:
                if (!p.isCollection) Fail(p.line, component, p.path, "a collection (<item ... end>) expected");
                ReadCollection(*holder, *property, p, component);
                return;
            case PropKind::Component:
            case PropKind::Event:
                if (p.value.kind != TValue::Kind::Identifier)
                    Fail(p.line, component, p.path, property->kind == PropKind::Event ? "handler name expected" : "component name expected");
                fixups_.push_back(Fixup{holder, property, p.value.text, p.line, component});
                return;
            default:
                if (p.isCollection) Fail(p.line, component, p.path, "not a collection property");
                Guard(p.line, component, p.path, [&] { AssignProperty(*holder, *property, p.value); });
        }
    }

    void ReadCollection(TObject& holder, const TPropertyInfo& property, const TFormProperty& p, const std::string& component) {
        auto* collection = dynamic_cast<TCollection*>(property.subObject(holder));
        if (!collection) Fail(p.line, component, p.path, "holds no collection");
        Guard(p.line, component, p.path, [&] { collection->Clear(); });
        for (const auto& item : p.items) {
            TCollectionItem* created = nullptr;
            Guard(item.line, component, p.path, [&] { created = collection->Add(); });
            ReadProperties(*created, item.properties, component);
        }
    }

    void ResolveFixups() {
        for (const auto& fixup : fixups_) {
            TValue value;
            if (fixup.property->kind == PropKind::Event) {
                const THandlerInfo* handler = root_.ClassInfo().FindHandler(fixup.value);
                if (!handler) Fail(fixup.line, fixup.component, fixup.property->name, "handler " + fixup.value + " not found");
                value.kind = TValue::Kind::Handler;
                value.text = fixup.value;
                value.handler = handler->bind(root_);
            } else if (!SameText(fixup.value, "nil")) {
                TComponent* found = SameText(fixup.value, root_.Name()) ? &root_ : root_.FindComponent(fixup.value);
                if (!found) Fail(fixup.line, fixup.component, fixup.property->name, "component " + fixup.value + " not found");
                value = TValue::Comp(found);
            }
            Guard(fixup.line, fixup.component, fixup.property->name, [&] { AssignProperty(*fixup.target, *fixup.property, value); });
        }
    }

    TComponent& root_;
    const std::string& formName_;
    std::vector<TComponent*> created_;
    std::vector<Fixup> fixups_;
};

}  // namespace

void ReadFormResource(TComponent& root, const std::string& text, const std::string& formName) {
    Reader(root, formName).Read(text);
}

}  // namespace cl
