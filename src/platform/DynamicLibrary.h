// Run-time loading of shared libraries, by the names the system gives them.
//
// The system names its libraries as Windows does ("Rirodozada.dll", "KVTR42S.DLL",
// "C_PKG/KVTR42S.DLL"); here a library is a shared object. A name is resolved to a file so:
//
// 1. Base name: the file part of the name without a trailing ".dll" or ".so" (any case);
//    "KVTR42S.DLL" -> "KVTR42S", "Kvtr42C.so" -> "Kvtr42C".
// 2. Folders: when the name has a folder part, that folder only (relative to the working folder
//    unless absolute). Otherwise the search path, in order: the folders the application or a test
//    set (SetLibrarySearchPath, AddLibrarySearchFolder), then the folders of the environment
//    variable ZNP_LIBRARY_PATH (separated by ":"), read at each resolution.
// 3. In each folder the file "<base>.so", then "lib<base>.so" (a versioned name such as
//    "libfoo.so.1" is looked for as it is spelt first); a file whose name matches only
//    without regard to case is taken when no exact match exists, as Windows file names are
//    matched ("kvtr42s.so" serves "KVTR42S.DLL").
// 4. Nothing found: the load fails. The system loader's own path is never searched, so a
//    library of the same name elsewhere on the machine is not picked up by chance.
//
// Before the system loader maps a file, its ELF headers are checked against the file: a file that
// is no shared object of this machine, or whose headers or segments reach beyond its end (a
// truncated copy), is refused as a load failure instead of killing the process when mapped.
//
// Handles are those of the system loader; loading the same file twice gives the same handle and
// counts references, as on the platform.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace znp {

using LibraryHandle = void*;

void SetLibrarySearchPath(std::vector<std::string> folders);
void AddLibrarySearchFolder(const std::string& folder);
std::vector<std::string> LibrarySearchPath();

// The file a library name resolves to (rule above), or "" when there is none.
std::string ResolveLibraryPath(const std::string& name);

// Loads the library; nullptr on failure (LastLibraryError tells why).
LibraryHandle LoadLibrary(const std::string& name);
// An exported symbol, or nullptr.
void* GetProcAddress(LibraryHandle library, const std::string& symbol);
// Drops one reference; false when the handle was not valid.
bool FreeLibrary(LibraryHandle library);
// Text of the last failure of LoadLibrary or GetProcAddress on this thread.
std::string LastLibraryError();

// Owns one reference to a library and frees it when it goes.
class DynamicLibrary {
public:
    DynamicLibrary() = default;
    explicit DynamicLibrary(const std::string& name) : handle_(LoadLibrary(name)) {}
    ~DynamicLibrary() { Reset(); }
    DynamicLibrary(DynamicLibrary&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    bool Loaded() const { return handle_ != nullptr; }
    LibraryHandle Handle() const { return handle_; }
    void* Symbol(const std::string& symbol) const { return handle_ ? GetProcAddress(handle_, symbol) : nullptr; }
    // An exported function as a pointer of type Fn, or nullptr.
    template <typename Fn>
    Fn Function(const std::string& symbol) const {
        return reinterpret_cast<Fn>(Symbol(symbol));
    }
    // Gives up ownership: the library stays loaded.
    LibraryHandle Release() { return std::exchange(handle_, nullptr); }
    void Reset();

private:
    LibraryHandle handle_ = nullptr;
};

}  // namespace znp
