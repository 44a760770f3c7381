#include "platform/ClassInfo.h"

#include <strings.h>

#include <map>

#include "platform/Component.h"

namespace znp {

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::string PropInfo::ValueName(int ordinal) const {
    if (ordinal < 0 || ordinal >= static_cast<int>(ValueNames.size())) return "";
    return ValueNames[ordinal];
}

int PropInfo::ValueOrdinal(std::string_view name) const {
    for (size_t i = 0; i < ValueNames.size(); ++i)
        if (SameText(ValueNames[i], name)) return static_cast<int>(i);
    return -1;
}

bool ClassInfo::InheritsFrom(std::string_view className) const {
    for (const ClassInfo* c = this; c; c = c->parent_)
        if (SameText(c->name_, className)) return true;
    return false;
}

bool ClassInfo::InheritsFrom(const ClassInfo& other) const {
    for (const ClassInfo* c = this; c; c = c->parent_)
        if (c == &other) return true;
    return false;
}

const PropInfo* ClassInfo::FindProperty(std::string_view name) const {
    for (const ClassInfo* c = this; c; c = c->parent_)
        for (const PropInfo& p : c->props_)
            if (SameText(p.Name, name)) return &p;
    return nullptr;
}

const FieldInfo* ClassInfo::FindField(std::string_view name) const {
    for (const ClassInfo* c = this; c; c = c->parent_)
        for (const FieldInfo& f : c->fields_)
            if (SameText(f.Name, name)) return &f;
    return nullptr;
}

std::vector<const FieldInfo*> ClassInfo::Fields() const {
    std::vector<const ClassInfo*> chain;
    for (const ClassInfo* c = this; c; c = c->parent_) chain.insert(chain.begin(), c);
    std::vector<const FieldInfo*> result;
    for (const ClassInfo* c : chain)
        for (const FieldInfo& f : c->fields_) result.push_back(&f);
    return result;
}

const MethodInfo* ClassInfo::FindMethod(std::string_view name) const {
    for (const ClassInfo* c = this; c; c = c->parent_)
        for (const MethodInfo& m : c->methods_)
            if (SameText(m.Name, name)) return &m;
    return nullptr;
}

std::vector<const PropInfo*> ClassInfo::Properties() const {
    std::vector<const ClassInfo*> chain;
    for (const ClassInfo* c = this; c; c = c->parent_) chain.insert(chain.begin(), c);
    std::vector<const PropInfo*> result;
    for (const ClassInfo* c : chain)
        for (const PropInfo& p : c->props_) {
            bool replaced = false;
            for (auto& existing : result)
                if (SameText(existing->Name, p.Name)) {
                    existing = &p;
                    replaced = true;
                }
            if (!replaced) result.push_back(&p);
        }
    return result;
}

TComponent* ClassInfo::Create(TComponent* owner) const {
    if (!factory_) throw Exception("Cannot create an instance of abstract class " + name_);
    TComponent* object = factory_(owner);
    FinishConstruction(object);
    return object;
}

namespace {

// Enumerations and sets accept only the values they name: a stored 42 for an enumeration of six
// values would otherwise read back as a number without a name. An enumeration also takes a
// value name as text.
void GuardOrdinalSetter(PropInfo& p) {
    if (!p.Set || (p.Kind != TypeKind::Enumeration && p.Kind != TypeKind::Set)) return;
    p.Set = [set = std::move(p.Set), names = p.ValueNames, kind = p.Kind, name = p.Name](TObject& o, const Variant& v) {
        auto refuse = [&] { throw EConvertError("Invalid property value " + VarToStr(v) + " for " + name); };
        if (kind == TypeKind::Enumeration && v.IsText()) {
            int ordinal = -1;
            for (size_t i = 0; i < names.size() && ordinal < 0; ++i)
                if (SameText(names[i], v.AsString())) ordinal = static_cast<int>(i);
            if (ordinal < 0) refuse();
            set(o, Variant(ordinal));
            return;
        }
        if (v.IsText() || v.IsEmpty() || v.IsNull()) refuse();
        const long long value = v.AsInt64();
        const long long limit = kind == TypeKind::Enumeration ? static_cast<long long>(names.size())
                                                              : (1LL << names.size());
        if (value < 0 || value >= limit) refuse();
        set(o, Variant(static_cast<int>(value)));
    };
}

}  // namespace

std::vector<std::string> SplitEnumNames(std::string_view list) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = list.find(',', start);
        if (comma == std::string_view::npos) comma = list.size();
        std::string_view item = list.substr(start, comma - start);
        while (!item.empty() && (item.front() == ' ' || item.front() == '\n' || item.front() == '\t')) item.remove_prefix(1);
        while (!item.empty() && (item.back() == ' ' || item.back() == '\n' || item.back() == '\t')) item.remove_suffix(1);
        if (!item.empty()) names.emplace_back(item);
        start = comma + 1;
    }
    return names;
}

ClassInfo& ClassInfo::Add(PropInfo p) {
    GuardOrdinalSetter(p);
    for (PropInfo& existing : props_)
        if (SameText(existing.Name, p.Name)) {
            existing = std::move(p);
            return *this;
        }
    props_.push_back(std::move(p));
    return *this;
}

namespace {

struct NoCase {
    bool operator()(const std::string& a, const std::string& b) const { return strcasecmp(a.c_str(), b.c_str()) < 0; }
};

std::map<std::string, const ClassInfo*, NoCase>& Classes() {
    static std::map<std::string, const ClassInfo*, NoCase> classes;
    return classes;
}

}  // namespace

void RegisterClass(const ClassInfo& info) { Classes()[info.Name()] = &info; }

const ClassInfo* FindClass(std::string_view name) {
    auto it = Classes().find(std::string(name));
    return it == Classes().end() ? nullptr : it->second;
}

}  // namespace znp
