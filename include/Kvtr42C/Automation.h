// Late-bound automation objects: called by name with variant arguments.
//
// An object answers method calls and property reads and writes by name (compared without regard
// to case). Arguments travel in a vector that the callee may change: an element written by the
// callee is how a by-reference argument returns its value. A name the object does not know raises
// EOleError, as the platform's late binding does.
#pragma once

#include <string>
#include <vector>

#include "Kvtr42C/Variant.h"

namespace znp {

class AutomationObject {
public:
    virtual ~AutomationObject() = default;
    // Calls the method Name with Args; the callee may write by-reference arguments back into Args.
    virtual Variant Invoke(const std::string& name, std::vector<Variant>& args) = 0;
    virtual Variant GetProperty(const std::string& name) = 0;
    virtual void SetProperty(const std::string& name, const Variant& value) = 0;
};

}  // namespace znp
