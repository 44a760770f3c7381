// Class information of the component model: class names, the class chain, and the published
// properties and methods that stored forms, language packs and saved schemes reach by name.
//
// Every published class describes itself once in a ClassInfo: its name, its parent's ClassInfo,
// a factory (so that stored forms can create it by name), its published properties with their
// kind, and its published methods. Names are found without regard to case, derived classes first.
#pragma once

#include <any>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "Kvtr42C/Variant.h"
#include "platform/EnumNames.h"
#include "platform/Events.h"

namespace znp {

class TObject;
class TPersistent;
class TComponent;

enum class TypeKind { String, Integer, Char, Enumeration, Set, Boolean, Float, Class, Method };

struct PropInfo {
    std::string Name;
    TypeKind Kind = TypeKind::String;
    // Value names of an enumeration or the element names of a set; "False"/"True" for Booleans.
    std::vector<std::string> ValueNames;
    // Scalar access through variants: strings as byte text, ordinals (enumerations, sets,
    // characters) as integers, Booleans as Booleans, floats as doubles.
    std::function<Variant(const TObject&)> Get;
    std::function<void(TObject&, const Variant&)> Set;
    // Object properties (Font, Items, Lines ...).
    std::function<TPersistent*(const TObject&)> GetObject;
    // Properties that refer to another component (FocusControl, PopupMenu, Images ...).
    std::function<TComponent*(const TObject&)> GetComponent;
    std::function<void(TObject&, TComponent*)> SetComponent;
    // Event properties: the value is a TEvent<...> held in std::any.
    std::function<std::any(const TObject&)> GetMethod;
    std::function<void(TObject&, const std::any&)> SetMethod;

    bool IsReadOnly() const { return Kind == TypeKind::Class ? false : Kind == TypeKind::Method ? !SetMethod : !Set; }
    // The value name of an ordinal, or "" when out of range.
    std::string ValueName(int ordinal) const;
    // The ordinal of a value name (case-insensitive), or -1.
    int ValueOrdinal(std::string_view name) const;
};

struct MethodInfo {
    std::string Name;
    // Makes the event value (TEvent<...> in std::any) of this method bound to Instance.
    std::function<std::any(TObject&)> Bind;
};

// A published component field of a form level (ClassInfo::ComponentField).
struct FieldInfo {
    std::string Name;
    std::string ClassName;  // the class the field holds
    std::function<TComponent*(const TObject&)> Get;
    // Puts Component into the field; false (field unchanged) when it is not of ClassName.
    std::function<bool(TObject&, TComponent*)> Bind;
};

bool SameText(std::string_view a, std::string_view b);

// Converts a scalar C++ value to and from a variant for property access.
template <class T, class = void>
struct PropTraits;

template <>
struct PropTraits<std::string> {
    static constexpr TypeKind Kind = TypeKind::String;
    static Variant To(const std::string& v) { return Variant(v); }
    static std::string From(const Variant& v) { return VarToStr(v); }
};
template <>
struct PropTraits<bool> {
    static constexpr TypeKind Kind = TypeKind::Boolean;
    static Variant To(bool v) { return Variant(v); }
    static bool From(const Variant& v) { return v.AsBoolean(); }
};
template <>
struct PropTraits<char> {
    static constexpr TypeKind Kind = TypeKind::Char;
    static Variant To(char v) { return Variant(static_cast<int>(static_cast<unsigned char>(v))); }
    static char From(const Variant& v) {
        if (v.IsText()) {
            std::string s = v.AsString();
            return s.empty() ? '\0' : s[0];
        }
        return static_cast<char>(v.AsInteger());
    }
};
template <>
struct PropTraits<double> {
    static constexpr TypeKind Kind = TypeKind::Float;
    static Variant To(double v) { return Variant(v); }
    static double From(const Variant& v) { return v.AsDouble(); }
};
template <class T>
struct PropTraits<T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char>>> {
    static constexpr TypeKind Kind = TypeKind::Integer;
    static Variant To(T v) { return Variant(static_cast<int>(v)); }
    static T From(const Variant& v) { return static_cast<T>(v.AsInteger()); }
};
template <class T>
struct PropTraits<T, std::enable_if_t<std::is_enum_v<T>>> {
    static constexpr TypeKind Kind = TypeKind::Enumeration;
    static Variant To(T v) { return Variant(static_cast<int>(v)); }
    static T From(const Variant& v) { return static_cast<T>(v.AsInteger()); }
};

class ClassInfo {
public:
    using Factory = std::function<TComponent*(TComponent* owner)>;

    ClassInfo(std::string name, const ClassInfo* parent) : name_(std::move(name)), parent_(parent) {}

    const std::string& Name() const { return name_; }
    const ClassInfo* Parent() const { return parent_; }
    // True for this class and every class it derives from (names compared without regard to case).
    bool InheritsFrom(std::string_view className) const;
    bool InheritsFrom(const ClassInfo& other) const;

    const PropInfo* FindProperty(std::string_view name) const;
    const MethodInfo* FindMethod(std::string_view name) const;
    const FieldInfo* FindField(std::string_view name) const;
    // Every published component field, the ones of base classes first.
    std::vector<const FieldInfo*> Fields() const;
    // Every published property, the ones of base classes first; a redeclared name appears once.
    std::vector<const PropInfo*> Properties() const;

    bool CanCreate() const { return static_cast<bool>(factory_); }
    // Creates an instance with the given owner and finishes its construction.
    TComponent* Create(TComponent* owner) const;

    // --- Builders used by each class to publish itself ---

    template <class C>
    ClassInfo& Creatable() {
        factory_ = [](TComponent* owner) -> TComponent* { return new C(owner); };
        return *this;
    }

    // A property held in a public field. An enumeration's value names come from its ZNP_ENUM.
    template <class C, class T>
    ClassInfo& Field(std::string name, T C::*field) {
        PropInfo p{std::move(name), KindOf<T>(), ValueNamesOf<T>(), {}, {}, {}, {}, {}, {}, {}};
        p.Get = [field](const TObject& o) { return PropTraits<T>::To(static_cast<const C&>(o).*field); };
        p.Set = [field](TObject& o, const Variant& v) { static_cast<C&>(o).*field = PropTraits<T>::From(v); };
        return Add(std::move(p));
    }

    // A property read and written through accessors (setter may be null: read-only).
    template <class C, class T, class S>
    ClassInfo& Prop(std::string name, T (C::*getter)() const, void (C::*setter)(S)) {
        using V = std::remove_cv_t<std::remove_reference_t<T>>;
        PropInfo p{std::move(name), KindOf<V>(), ValueNamesOf<V>(), {}, {}, {}, {}, {}, {}, {}};
        p.Get = [getter](const TObject& o) { return PropTraits<V>::To((static_cast<const C&>(o).*getter)()); };
        if (setter)
            p.Set = [setter](TObject& o, const Variant& v) { (static_cast<C&>(o).*setter)(PropTraits<V>::From(v)); };
        return Add(std::move(p));
    }
    template <class C, class T>
    ClassInfo& ReadOnly(std::string name, T (C::*getter)() const) {
        return Prop<C, T, T>(std::move(name), getter, static_cast<void (C::*)(T)>(nullptr));
    }

    // A set property held in an integer field whose bit i is element ValueNames[i].
    template <class C, class T>
    ClassInfo& SetField(std::string name, T C::*field, std::vector<std::string> elementNames) {
        PropInfo p{std::move(name), TypeKind::Set, std::move(elementNames), {}, {}, {}, {}, {}, {}, {}};
        p.Get = [field](const TObject& o) { return Variant(static_cast<int>(static_cast<const C&>(o).*field)); };
        p.Set = [field](TObject& o, const Variant& v) { static_cast<C&>(o).*field = static_cast<T>(v.AsInteger()); };
        return Add(std::move(p));
    }

    // A set property read and written through accessors.
    template <class C, class T>
    ClassInfo& SetProp(std::string name, T (C::*getter)() const, void (C::*setter)(T),
                       std::vector<std::string> elementNames) {
        PropInfo p{std::move(name), TypeKind::Set, std::move(elementNames), {}, {}, {}, {}, {}, {}, {}};
        p.Get = [getter](const TObject& o) { return Variant(static_cast<int>((static_cast<const C&>(o).*getter)())); };
        p.Set = [setter](TObject& o, const Variant& v) { (static_cast<C&>(o).*setter)(static_cast<T>(v.AsInteger())); };
        return Add(std::move(p));
    }

    // An object property (Font, Items, Lines ...).
    template <class C, class T>
    ClassInfo& Object(std::string name, T* (C::*getter)() const) {
        PropInfo p{std::move(name), TypeKind::Class, {}, {}, {}, {}, {}, {}, {}, {}};
        p.GetObject = [getter](const TObject& o) -> TPersistent* { return (static_cast<const C&>(o).*getter)(); };
        return Add(std::move(p));
    }

    // A property that refers to another component, held in a public field of type T*.
    template <class C, class T>
    ClassInfo& Reference(std::string name, T* C::*field) {
        PropInfo p{std::move(name), TypeKind::Class, {}, {}, {}, {}, {}, {}, {}, {}};
        p.GetComponent = [field](const TObject& o) -> TComponent* { return static_cast<const C&>(o).*field; };
        p.SetComponent = [field](TObject& o, TComponent* value) {
            T* typed = value ? dynamic_cast<T*>(value) : nullptr;
            if (value && !typed) throw Exception("Invalid property value");
            static_cast<C&>(o).*field = typed;
        };
        return Add(std::move(p));
    }

    // A component reference read and written through accessors.
    template <class C, class T>
    ClassInfo& ReferenceProp(std::string name, T* (C::*getter)() const, void (C::*setter)(T*)) {
        PropInfo p{std::move(name), TypeKind::Class, {}, {}, {}, {}, {}, {}, {}, {}};
        p.GetComponent = [getter](const TObject& o) -> TComponent* { return (static_cast<const C&>(o).*getter)(); };
        p.SetComponent = [setter](TObject& o, TComponent* value) {
            T* typed = value ? dynamic_cast<T*>(value) : nullptr;
            if (value && !typed) throw Exception("Invalid property value");
            (static_cast<C&>(o).*setter)(typed);
        };
        return Add(std::move(p));
    }

    // An event property held in a public field.
    template <class C, class... Args>
    ClassInfo& Event(std::string name, TEvent<Args...> C::*field) {
        PropInfo p{name, TypeKind::Method, {}, {}, {}, {}, {}, {}, {}, {}};
        p.GetMethod = [field](const TObject& o) { return std::any(static_cast<const C&>(o).*field); };
        p.SetMethod = [field, name](TObject& o, const std::any& v) {
            if (!v.has_value()) {
                static_cast<C&>(o).*field = TEvent<Args...>();
                return;
            }
            const auto* ev = std::any_cast<TEvent<Args...>>(&v);
            if (!ev) throw Exception("Invalid property value: the handler does not fit event " + name);
            static_cast<C&>(o).*field = *ev;
        };
        return Add(std::move(p));
    }

    // A read-only event property: the value comes from a getter.
    template <class C, class... Args>
    ClassInfo& EventReadOnly(std::string name, TEvent<Args...> (C::*getter)() const) {
        PropInfo p{std::move(name), TypeKind::Method, {}, {}, {}, {}, {}, {}, {}, {}};
        p.GetMethod = [getter](const TObject& o) { return std::any((static_cast<const C&>(o).*getter)()); };
        return Add(std::move(p));
    }

    // A published component field of a form level: the stored-form reader puts the component of
    // that name into it, and refuses a component of another class.
    template <class C, class T>
    ClassInfo& ComponentField(std::string name, T* C::*field) {
        FieldInfo f{std::move(name), T::StaticClass().Name(), {}, {}};
        f.Get = [field](const TObject& o) -> TComponent* { return static_cast<const C&>(o).*field; };
        f.Bind = [field](TObject& o, TComponent* value) {
            T* typed = value ? dynamic_cast<T*>(value) : nullptr;
            if (value && !typed) return false;
            static_cast<C&>(o).*field = typed;
            return true;
        };
        fields_.push_back(std::move(f));
        return *this;
    }

    // A published method that stored forms bind events to by name.
    template <class C, class... Args>
    ClassInfo& Method(std::string name, void (C::*method)(Args...)) {
        MethodInfo m{name, {}};
        m.Bind = [method, name](TObject& o) {
            return std::any(TEvent<Args...>::Bind(&static_cast<C&>(o), name, method));
        };
        methods_.push_back(std::move(m));
        return *this;
    }

private:
    template <class T>
    static constexpr TypeKind KindOf() {
        return PropTraits<T>::Kind;
    }
    template <class T>
    static std::vector<std::string> ValueNamesOf() {
        if constexpr (std::is_same_v<T, bool>) {
            return {"False", "True"};
        } else if constexpr (std::is_enum_v<T>) {
            static_assert(HasEnumNames<T>::value, "declare the enumeration with ZNP_ENUM (platform/EnumNames.h)");
            return EnumNames<T>::Names();
        } else {
            return {};
        }
    }
    ClassInfo& Add(PropInfo p);

    std::string name_;
    const ClassInfo* parent_;
    Factory factory_;
    std::vector<PropInfo> props_;
    std::vector<MethodInfo> methods_;
    std::vector<FieldInfo> fields_;
};

// The classes that stored forms can create by name.
void RegisterClass(const ClassInfo& info);
const ClassInfo* FindClass(std::string_view name);

// Declares the class information of a published class. Put in the public part of the class.
#define ZNP_DECLARE_CLASS()                        \
    static const ::znp::ClassInfo& StaticClass();  \
    const ::znp::ClassInfo& ClassType() const override { return StaticClass(); }

}  // namespace znp
