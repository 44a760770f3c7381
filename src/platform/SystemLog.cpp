#include "platform/SystemLog.h"

#include <unistd.h>

#include <mutex>
#include <utility>

namespace znp {

namespace {

struct LogState {
    std::mutex Mutex;
    SystemLogHandler Handler;
};

LogState& State() {
    static LogState state;
    return state;
}

void WriteStandardError(const std::string& message) {
    const std::string line = "znp: " + message + "\n";
    size_t done = 0;
    while (done < line.size()) {
        ssize_t n = write(STDERR_FILENO, line.data() + done, line.size() - done);
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
}

}  // namespace

void SystemLog(const std::string& message) {
    SystemLogHandler handler;
    {
        std::lock_guard lock(State().Mutex);
        handler = State().Handler;
    }
    try {
        if (handler)
            handler(message);
        else
            WriteStandardError(message);
    } catch (...) {
    }
}

SystemLogHandler SetSystemLogHandler(SystemLogHandler handler) {
    std::lock_guard lock(State().Mutex);
    return std::exchange(State().Handler, std::move(handler));
}

}  // namespace znp
