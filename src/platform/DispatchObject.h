// The base of every automation object of our own: methods and properties registered by name.
//
// A concrete object declares what it answers in its constructor, right beside the code that
// answers it:
//
//     Method("GetMessage", 2, [this](std::vector<Variant>& args) { return Text(args[0], args[1]); });
//     Property("ProductID", [this] { return Variant(productId_); },
//              [this](const Variant& v) { productId_ = v.AsInteger(); });
//
// Names are found without regard to case, as late binding finds them. Late binding does not tell
// a property read from a call without arguments: `obj.ProductID` may arrive either way. So Invoke
// of a property name without arguments reads the property, and GetProperty of a method name calls
// the method without arguments. An unknown name, a wrong number of arguments and a write to a
// read-only property raise EOleError; whatever a method raises reaches the caller unchanged.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Kvtr42C/Automation.h"
#include "Kvtr42C/Variant.h"

namespace znp {

class DispatchObject : public AutomationObject {
public:
    using MethodFn = std::function<Variant(std::vector<Variant>& args)>;
    using Getter = std::function<Variant()>;
    using Setter = std::function<void(const Variant& value)>;

    // Orders names without regard to ASCII case, as late binding compares them.
    struct NameLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };

    // Any number of arguments.
    static constexpr int kAnyCount = -1;

    DispatchObject() = default;
    // The registered functions capture the object: a copy would call into the original.
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;

    Variant Invoke(const std::string& name, std::vector<Variant>& args) override;
    Variant GetProperty(const std::string& name) override;
    void SetProperty(const std::string& name, const Variant& value) override;

    bool HasMethod(const std::string& name) const;
    bool HasProperty(const std::string& name) const;

protected:
    // A method that takes any number of arguments (it checks them itself).
    void Method(const std::string& name, MethodFn fn);
    // A method that takes exactly Count arguments.
    void Method(const std::string& name, int count, MethodFn fn);
    // A method that takes MinCount to MaxCount arguments (MaxCount kAnyCount: no upper limit).
    void Method(const std::string& name, int minCount, int maxCount, MethodFn fn);
    // A property; without a setter it is read-only.
    void Property(const std::string& name, Getter get, Setter set = nullptr);

private:
    struct MethodEntry {
        int MinCount = 0;
        int MaxCount = kAnyCount;
        MethodFn Fn;
    };
    struct PropertyEntry {
        Getter Get;
        Setter Set;
    };
    std::map<std::string, MethodEntry, NameLess> methods_;
    std::map<std::string, PropertyEntry, NameLess> properties_;

    Variant Call(const std::string& name, MethodEntry& method, std::vector<Variant>& args);
};

}  // namespace znp
