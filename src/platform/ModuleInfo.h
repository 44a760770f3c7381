// Which file a piece of loaded code comes from.
#pragma once

#include <string>

namespace znp {

// Full path of the shared library (or program) that holds Address, as the operating system
// reports it; empty when the address belongs to no loaded file.
std::string ModuleFileOf(const void* address);

}  // namespace znp
