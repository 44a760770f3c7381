#include "platform/ModuleInfo.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>

namespace znp {

std::string ModuleFileOf(const void* address) {
    Dl_info info{};
    if (!dladdr(address, &info) || !info.dli_fname) return {};
    char resolved[PATH_MAX];
    if (realpath(info.dli_fname, resolved)) return resolved;
    return info.dli_fname;
}

}  // namespace znp
