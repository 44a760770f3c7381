// Folders of the system and the translation of the system's Windows-form paths.
#include <unistd.h>

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

}  // namespace

std::string SystemTempFolder() {
    const char* dir = std::getenv("TMPDIR");
    return WithSlash(dir && *dir ? dir : "/tmp");
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
