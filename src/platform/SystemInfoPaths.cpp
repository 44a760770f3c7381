// Folders of the system and the translation of the system's Windows-form paths.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/SystemInfo.h"

namespace znp {

namespace {

std::string& ProgramFolderOverride() {
    static std::string value;
    return value;
}

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool HasDrive(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

bool IsShare(const std::string& path) { return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]); }

// A real folder of the effective user that nobody else may enter.
bool IsOwnPrivateFolder(const std::string& folder) {
    struct stat st{};
    return lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0;
}

}  // namespace

std::string SystemTempFolder() {
    const char* dir = std::getenv("TMPDIR");
    return WithSlash(dir && *dir ? dir : "/tmp");
}

std::string PrivateFolder(const std::string& parent, const std::string& name) {
    if (parent.empty() || name.empty() || name.find('/') != std::string::npos) return {};
    const std::string folder = WithSlash(parent) + name;
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
    struct stat st{};
    if (lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid()) return {};
    if ((st.st_mode & 077) != 0) {
        // Our own folder, left open by an earlier version or by hand: close it through a handle
        // of the folder itself, so that a link swapped in meanwhile is not followed.
        const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) return {};
        const bool closed = fchmod(fd, 0700) == 0;
        close(fd);
        if (!closed || !IsOwnPrivateFolder(folder)) return {};
    }
    return WithSlash(folder);
}

std::string UserPrivateFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') {
        std::string folder = runtime;
        while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
        if (IsOwnPrivateFolder(folder)) return WithSlash(folder);
    }
    return PrivateFolder("/tmp", "znp-" + std::to_string(geteuid()));
}

std::string ProgramFile() {
    std::string buffer(4096, '\0');
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n <= 0 || static_cast<size_t>(n) >= buffer.size()) return {};
    buffer.resize(static_cast<size_t>(n));
    return buffer;
}

std::string ProgramFolder() {
    if (!ProgramFolderOverride().empty()) return WithSlash(ProgramFolderOverride());
    std::string file = ProgramFile();
    size_t slash = file.rfind('/');
    return slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
}

void SetProgramFolder(const std::string& folder) { ProgramFolderOverride() = folder; }

std::string PlatformPath(const std::string& path) {
    const std::string codePage = AnsiCodePage();
    std::string out;
    out.reserve(path.size() + 1);
    size_t i = 0;
    if (HasDrive(path)) {
        i = 2;
        out += '/';
        // "D:\Mid": the separator after the drive is the root just written.
        if (i < path.size() && IsSeparator(path[i])) ++i;
    }
    for (; i < path.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(path[i]);
        if (IsLeadByte(c, codePage) && i + 1 < path.size()) {
            out += path[i];
            out += path[++i];
            continue;
        }
        out += c == '\\' ? '/' : path[i];
    }
    return out;
}

bool IsAbsoluteSystemPath(const std::string& path) {
    if (HasDrive(path) || IsShare(path)) return true;
    return !path.empty() && path[0] == '/';
}

}  // namespace znp
