// Bringing the local copy of a program's server module up to date before it is loaded.
#pragma once

#include <string>

namespace znp {

// Brings the local file FileName up to date from UpdateInfo, the description of the current
// server copy that the host's manager gives for the file (GetFileList). True means the file may be
// used: it was current, it was replaced, or updating is switched off. False means the update
// failed and ErrorText holds the reason. AskUser lets the user retry a failed transfer.
//
// For now every file counts as current: the comparison with the server copy and the transfer
// are not there yet, so the answer is always true and ErrorText stays empty.
bool UpdateModuleFile(const std::string& updateInfo, const std::string& fileName, bool askUser,
                      std::string& errorText);

}  // namespace znp
