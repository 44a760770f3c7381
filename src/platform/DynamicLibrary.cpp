#include "platform/DynamicLibrary.h"

#include <dlfcn.h>
#include <strings.h>

#include <cstdlib>
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
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        for (const std::string& file : {base + ".so", "lib" + base + ".so"}) {
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
