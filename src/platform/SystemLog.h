// The system log: where the platform reports problems that have no caller to tell, such as a
// settings file it refused to read. By default each message is one line on the standard error
// stream ("znp: " + message); a host or a test can take the messages instead.
#pragma once

#include <functional>
#include <string>

namespace znp {

using SystemLogHandler = std::function<void(const std::string& message)>;

// Reports one message. Never raises.
void SystemLog(const std::string& message);

// Installs Handler (an empty one restores the standard error stream) and answers the previous one.
SystemLogHandler SetSystemLogHandler(SystemLogHandler handler);

}  // namespace znp
