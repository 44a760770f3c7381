#include "platform/ShellVerbs.h"

#include <exception>
#include <utility>

namespace znp {

namespace {

// Process wide, like the shell itself; used on the user-interface thread only.
ShellVerbHandler& InstalledHandler() {
    static ShellVerbHandler handler;
    return handler;
}

}  // namespace

ShellVerbHandler SetShellVerbHandler(ShellVerbHandler handler) {
    return std::exchange(InstalledHandler(), std::move(handler));
}

bool ShellVerb(const std::string& verb, const std::string& path) {
    if (verb.empty() || path.empty()) return false;
    // A copy, so that a handler replacing itself does not pull the function from under its feet.
    ShellVerbHandler handler = InstalledHandler();
    if (!handler) return false;
    try {
        return handler(verb, path);
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace znp
