// The shell's verbs on files ("open", "properties", ...): the operating system's way of asking
// the desktop to act on a file. A library has no desktop of its own, so the verb is handed to
// whoever the process installed — the host shell, a window layer, or a test that records it.
#pragma once

#include <functional>
#include <string>

namespace znp {

// Performs Verb on the file at Path; true when it was carried out.
using ShellVerbHandler = std::function<bool(const std::string& verb, const std::string& path)>;

// Installs the process's handler and answers the one it replaces (empty when none was set).
ShellVerbHandler SetShellVerbHandler(ShellVerbHandler handler);

// Asks the installed handler to perform Verb on Path. False when no handler is installed, the
// verb or the path is empty, or the handler refused or raised: a verb never raises to the caller,
// as the shell reports failures only through its answer.
bool ShellVerb(const std::string& verb, const std::string& path);

}  // namespace znp
