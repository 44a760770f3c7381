#include "platform/DispatchObject.h"

#include <strings.h>

#include <utility>

#include "Kvtr42C/Exception.h"

namespace znp {

bool DispatchObject::NameLess::operator()(const std::string& a, const std::string& b) const {
    return strcasecmp(a.c_str(), b.c_str()) < 0;
}

void DispatchObject::Method(const std::string& name, MethodFn fn) { Method(name, 0, kAnyCount, std::move(fn)); }

void DispatchObject::Method(const std::string& name, int count, MethodFn fn) {
    Method(name, count, count, std::move(fn));
}

void DispatchObject::Method(const std::string& name, int minCount, int maxCount, MethodFn fn) {
    methods_[name] = MethodEntry{minCount, maxCount, std::move(fn)};
}

void DispatchObject::Property(const std::string& name, Getter get, Setter set) {
    properties_[name] = PropertyEntry{std::move(get), std::move(set)};
}

bool DispatchObject::HasMethod(const std::string& name) const { return methods_.count(name) > 0; }
bool DispatchObject::HasProperty(const std::string& name) const { return properties_.count(name) > 0; }

Variant DispatchObject::Call(const std::string& name, MethodEntry& method, std::vector<Variant>& args) {
    const int count = static_cast<int>(args.size());
    if (count < method.MinCount || (method.MaxCount != kAnyCount && count > method.MaxCount))
        throw EOleError("Invalid number of parameters for method '" + name + "'");
    return method.Fn(args);
}

Variant DispatchObject::Invoke(const std::string& name, std::vector<Variant>& args) {
    if (auto m = methods_.find(name); m != methods_.end()) return Call(name, m->second, args);
    if (auto p = properties_.find(name); p != properties_.end()) {
        if (!args.empty()) throw EOleError("Invalid number of parameters for property '" + name + "'");
        return p->second.Get();
    }
    throw EOleError("Method '" + name + "' not supported by automation object");
}

Variant DispatchObject::GetProperty(const std::string& name) {
    if (auto p = properties_.find(name); p != properties_.end()) return p->second.Get();
    if (auto m = methods_.find(name); m != methods_.end()) {
        std::vector<Variant> none;
        return Call(name, m->second, none);
    }
    throw EOleError("Property '" + name + "' not supported by automation object");
}

void DispatchObject::SetProperty(const std::string& name, const Variant& value) {
    auto p = properties_.find(name);
    if (p == properties_.end()) throw EOleError("Property '" + name + "' not supported by automation object");
    if (!p->second.Set) throw EOleError("Property '" + name + "' is read-only");
    p->second.Set(value);
}

}  // namespace znp
