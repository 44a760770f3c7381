#include "platform/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>

#include "Kvtr42C/Exception.h"
#include "platform/SystemLog.h"

namespace znp {

namespace {

const char* KindName(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a regular file";
}

// The last refusal reported per file, so that a file read on every call is reported once.
struct Reported {
    std::mutex Mutex;
    std::map<std::string, std::string> Reasons;
};

Reported& TheReported() {
    static Reported reported;
    return reported;
}

void Remember(const std::string& fileName, FileReadStatus status, const std::string& reason) {
    Reported& r = TheReported();
    std::lock_guard lock(r.Mutex);
    if (status == FileReadStatus::Ok || status == FileReadStatus::Missing) {
        r.Reasons.erase(fileName);
        return;
    }
    auto it = r.Reasons.find(fileName);
    if (it != r.Reasons.end() && it->second == reason) return;
    if (r.Reasons.size() >= 256) r.Reasons.clear();
    r.Reasons[fileName] = reason;
    SystemLog("Cannot read " + fileName + ": " + reason);
}

std::string SizeText(std::size_t bytes) { return std::to_string(bytes) + " bytes"; }

FileReadStatus Read(const std::string& fileName, std::string& content, std::size_t limit, std::string& reason) {
    struct stat st{};
    if (stat(fileName.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return FileReadStatus::Missing;
        reason = std::strerror(errno);
        return FileReadStatus::Failed;
    }
    // Refused before it is opened: opening a device may already do something.
    if (!S_ISREG(st.st_mode)) {
        reason = std::string("it is ") + KindName(st.st_mode) + ", not a regular file";
        return FileReadStatus::NotRegular;
    }
    if (static_cast<unsigned long long>(st.st_size) > limit) {
        reason = "it has " + SizeText(static_cast<std::size_t>(st.st_size)) + ", more than the limit of " +
                 SizeText(limit);
        return FileReadStatus::TooLarge;
    }
    // Non-blocking, so that a file swapped for a FIFO since the check does not block the open.
    const int fd = open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return FileReadStatus::Missing;
        reason = std::strerror(errno);
        return FileReadStatus::Failed;
    }
    FileReadStatus status = FileReadStatus::Ok;
    if (fstat(fd, &st) != 0) {
        reason = std::strerror(errno);
        status = FileReadStatus::Failed;
    } else if (!S_ISREG(st.st_mode)) {
        reason = std::string("it is ") + KindName(st.st_mode) + ", not a regular file";
        status = FileReadStatus::NotRegular;
    } else {
        // The file may grow while it is read: never more than the limit.
        content.reserve(static_cast<std::size_t>(st.st_size) < limit ? static_cast<std::size_t>(st.st_size) : limit);
        char buffer[65536];
        while (true) {
            ssize_t n = read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                reason = std::strerror(errno);
                status = FileReadStatus::Failed;
                break;
            }
            if (n == 0) break;
            if (content.size() + static_cast<std::size_t>(n) > limit) {
                reason = "it has more than the limit of " + SizeText(limit);
                status = FileReadStatus::TooLarge;
                break;
            }
            content.append(buffer, static_cast<std::size_t>(n));
        }
    }
    close(fd);
    return status;
}

}  // namespace

FileReadStatus ReadFileContents(const std::string& fileName, std::string& content, std::size_t limit,
                                std::string* error) {
    content.clear();
    std::string reason;
    FileReadStatus status;
    try {
        status = Read(fileName, content, limit, reason);
    } catch (const std::exception& e) {  // memory for the content
        reason = e.what();
        status = FileReadStatus::Failed;
    }
    if (status != FileReadStatus::Ok) {
        content.clear();
        content.shrink_to_fit();
    }
    Remember(fileName, status, reason);
    if (error) *error = status == FileReadStatus::Missing ? std::string("the file does not exist") : reason;
    return status;
}

std::string LoadFileContents(const std::string& fileName, std::size_t limit) {
    std::string content, error;
    if (ReadFileContents(fileName, content, limit, &error) != FileReadStatus::Ok)
        throw Exception("Cannot open file \"" + fileName + "\": " + error);
    return content;
}

}  // namespace znp
