#include "platform/DynamicLibrary.h"

#include <dlfcn.h>
#include <elf.h>
#include <fcntl.h>
#include <link.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <system_error>

namespace znp {

namespace fs = std::filesystem;

namespace {

std::mutex& PathMutex() {
    static std::mutex m;
    return m;
}

std::vector<std::string>& Folders() {
    static std::vector<std::string> folders;
    return folders;
}

thread_local std::string t_lastError;

bool EndsWithNoCase(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() && strcasecmp(s.c_str() + s.size() - suffix.size(), suffix.c_str()) == 0;
}

std::string BaseName(std::string file) {
    for (const char* ext : {".dll", ".so"}) {
        if (EndsWithNoCase(file, ext)) {
            file.resize(file.size() - std::string(ext).size());
            break;
        }
    }
    return file;
}

// The file of the folder named Wanted, exactly or else without regard to case; "" when none.
std::string FindInFolder(const fs::path& folder, const std::string& wanted) {
    std::error_code ec;
    if (fs::is_regular_file(folder / wanted, ec)) return (folder / wanted).string();
    std::string found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (strcasecmp(name.c_str(), wanted.c_str()) == 0 && it->is_regular_file(ec)) {
            // Several spellings of one name: take the first in name order, so the choice is stable.
            if (found.empty() || it->path().string() < found) found = it->path().string();
        }
    }
    return found;
}

// "libfoo.so.1", "libfoo.so.1.2.3": a versioned shared-object name, looked for as it is spelt.
bool IsVersionedName(const std::string& file) {
    size_t at = file.find(".so.");
    if (at == std::string::npos || at == 0) return false;
    bool digit = false;
    for (size_t i = at + 4; i < file.size(); ++i) {
        if (file[i] == '.') {
            if (!digit) return false;
            digit = false;
        } else if (file[i] >= '0' && file[i] <= '9') {
            digit = true;
        } else {
            return false;
        }
    }
    return digit;
}

bool ReadAt(int fd, void* buffer, size_t size, unsigned long long offset) {
    auto* out = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < size) {
        ssize_t n = pread(fd, out + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// Whether Offset + Count * Size stays within Limit, without overflow.
bool Within(unsigned long long offset, unsigned long long count, unsigned long long size, unsigned long long limit) {
    if (offset > limit) return false;
    if (size != 0 && count > (limit - offset) / size) return false;
    return true;
}

// The machine this process runs on, from its own ELF header (0 when it cannot be read).
unsigned OwnMachine() {
    static const unsigned machine = [] {
        ElfW(Ehdr) own{};
        const int fd = open("/proc/self/exe", O_RDONLY | O_CLOEXEC);
        if (fd < 0) return 0u;
        const bool ok = ReadAt(fd, &own, sizeof own, 0);
        close(fd);
        return ok && std::memcmp(own.e_ident, ELFMAG, SELFMAG) == 0 ? static_cast<unsigned>(own.e_machine) : 0u;
    }();
    return machine;
}

// Why the file cannot be handed to the system loader, or "" when it can. The loader maps the
// file's segments as its headers describe them; a truncated file makes it touch pages beyond the
// end, which kills the process (SIGBUS) instead of failing the load. So every header table and
// segment must lie within the file, and the file must be a shared object of this machine.
std::string LibraryFileProblem(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return std::strerror(errno);
    struct Closer {
        int fd;
        ~Closer() { close(fd); }
    } closer{fd};
    struct stat st{};
    if (fstat(fd, &st) != 0) return std::strerror(errno);
    if (!S_ISREG(st.st_mode)) return "not a regular file";
    const auto size = static_cast<unsigned long long>(st.st_size);
    ElfW(Ehdr) header{};
    if (size < sizeof header || !ReadAt(fd, &header, sizeof header, 0) ||
        std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
        return "not an ELF file";
    const unsigned char ownClass = sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32;
    const unsigned char ownData = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? ELFDATA2LSB : ELFDATA2MSB;
    if (header.e_ident[EI_CLASS] != ownClass || header.e_ident[EI_DATA] != ownData ||
        header.e_ident[EI_VERSION] != EV_CURRENT)
        return "an ELF file of another word size or byte order";
    if (header.e_type != ET_DYN) return "not a shared object";
    if (OwnMachine() != 0 && header.e_machine != OwnMachine()) return "a shared object of another machine";
    if (header.e_phnum == 0 || header.e_phentsize != sizeof(ElfW(Phdr)) ||
        !Within(header.e_phoff, header.e_phnum, sizeof(ElfW(Phdr)), size))
        return "the program headers lie beyond the end of the file (truncated)";
    if (header.e_shnum != 0 &&
        (header.e_shentsize != sizeof(ElfW(Shdr)) || !Within(header.e_shoff, header.e_shnum, sizeof(ElfW(Shdr)), size)))
        return "the section headers lie beyond the end of the file (truncated)";
    std::vector<ElfW(Phdr)> segments(header.e_phnum);
    if (!ReadAt(fd, segments.data(), segments.size() * sizeof(ElfW(Phdr)), header.e_phoff))
        return "the program headers cannot be read";
    bool loadable = false;
    for (const ElfW(Phdr)& segment : segments) {
        if (segment.p_type == PT_LOAD) loadable = true;
        if (segment.p_filesz != 0 && !Within(segment.p_offset, 1, segment.p_filesz, size))
            return "a segment lies beyond the end of the file (truncated)";
    }
    if (!loadable) return "no loadable segment";
    return {};
}

std::vector<std::string> SearchFolders() {
    std::vector<std::string> folders = LibrarySearchPath();
    if (const char* env = std::getenv("ZNP_LIBRARY_PATH")) {
        std::string list = env;
        size_t start = 0;
        while (start <= list.size()) {
            size_t end = list.find(':', start);
            if (end == std::string::npos) end = list.size();
            if (end > start) folders.push_back(list.substr(start, end - start));
            start = end + 1;
        }
    }
    return folders;
}

}  // namespace

void SetLibrarySearchPath(std::vector<std::string> folders) {
    std::lock_guard lock(PathMutex());
    Folders() = std::move(folders);
}

void AddLibrarySearchFolder(const std::string& folder) {
    std::lock_guard lock(PathMutex());
    Folders().push_back(folder);
}

std::vector<std::string> LibrarySearchPath() {
    std::lock_guard lock(PathMutex());
    return Folders();
}

std::string ResolveLibraryPath(const std::string& name) {
    if (name.empty()) return "";
    fs::path given(name);
    std::string base = BaseName(given.filename().string());
    if (base.empty()) return "";
    std::vector<std::string> folders;
    if (given.has_parent_path())
        folders.push_back(given.parent_path().string());
    else
        folders = SearchFolders();
    std::vector<std::string> files;
    if (IsVersionedName(given.filename().string())) files.push_back(given.filename().string());
    files.push_back(base + ".so");
    files.push_back("lib" + base + ".so");
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        for (const std::string& file : files) {
            std::string found = FindInFolder(folder, file);
            if (!found.empty()) return found;
        }
    }
    return "";
}

LibraryHandle LoadLibrary(const std::string& name) {
    std::string path = ResolveLibraryPath(name);
    if (path.empty()) {
        t_lastError = "Library " + name + " not found";
        return nullptr;
    }
    // A relative path must not send dlopen to its own search path.
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    if (!ec) path = absolute.string();
    if (std::string problem = LibraryFileProblem(path); !problem.empty()) {
        t_lastError = "Cannot load " + path + ": " + problem;
        return nullptr;
    }
    dlerror();
    LibraryHandle handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* err = dlerror();
        t_lastError = err ? err : "Cannot load " + path;
    }
    return handle;
}

void* GetProcAddress(LibraryHandle library, const std::string& symbol) {
    if (!library) {
        t_lastError = "No library";
        return nullptr;
    }
    dlerror();
    void* address = dlsym(library, symbol.c_str());
    if (!address) {
        const char* err = dlerror();
        t_lastError = err ? err : "Symbol " + symbol + " not found";
    }
    return address;
}

bool FreeLibrary(LibraryHandle library) { return library && dlclose(library) == 0; }

std::string LastLibraryError() { return t_lastError; }

DynamicLibrary& DynamicLibrary::operator=(DynamicLibrary&& other) noexcept {
    if (this != &other) {
        Reset();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

void DynamicLibrary::Reset() {
    if (handle_) FreeLibrary(std::exchange(handle_, nullptr));
}

}  // namespace znp
