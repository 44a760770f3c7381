#include "platform/ClassRegistry.h"

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <sstream>

#include "Kvtr42C/Exception.h"
#include "platform/DispatchObject.h"
#include "platform/DynamicLibrary.h"
#include "platform/SafeFile.h"
#include "platform/SysUtils.h"

namespace znp {

namespace fs = std::filesystem;

namespace {

struct ConfiguredClass {
    std::string Library;
    std::string ConfigFolder;
};

struct Registry {
    std::mutex Mutex;
    std::map<std::string, AutomationFactory, DispatchObject::NameLess> Factories;
    std::map<std::string, ConfiguredClass, DispatchObject::NameLess> Configured;
    // Loaded service libraries by file; never freed (see the header).
    std::map<std::string, LibraryHandle> Libraries;
    bool EnvironmentRead = false;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

std::string ConfigPathFromEnvironment() {
    if (const char* path = std::getenv("ZNP_AUTOMATION"); path && *path) return path;
    if (const char* install = std::getenv("ZNP_INSTALL"); install && *install) {
        fs::path candidate = fs::path(install) / "automation.ini";
        std::error_code ec;
        if (fs::is_regular_file(candidate, ec)) return candidate.string();
    }
    return "";
}

// Reads the file into Entries; false (with the reason in Error) when it cannot be read.
bool ReadConfig(const std::string& path, std::map<std::string, ConfiguredClass, DispatchObject::NameLess>& entries,
                std::string* error = nullptr) {
    std::string content;
    if (ReadFileContents(path, content, kSettingsFileLimit, error) != FileReadStatus::Ok) return false;
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    std::string folder = (ec ? fs::path(path) : absolute).parent_path().string();
    std::istringstream in(content);
    std::string line;
    while (std::getline(in, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';' || line[0] == '#' || line[0] == '[') continue;
        size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        std::string name = Trim(line.substr(0, eq));
        std::string library = Trim(line.substr(eq + 1));
        if (name.empty() || library.empty()) continue;
        entries[name] = ConfiguredClass{library, folder};
    }
    return true;
}

void ReadEnvironmentConfigOnce(Registry& r) {
    if (r.EnvironmentRead) return;
    r.EnvironmentRead = true;
    std::string path = ConfigPathFromEnvironment();
    if (path.empty()) return;
    std::map<std::string, ConfiguredClass, DispatchObject::NameLess> entries;
    // An unreadable configuration leaves the classes unknown; the creation then says so.
    if (!ReadConfig(path, entries)) return;
    for (auto& [name, entry] : entries) r.Configured.emplace(name, entry);
}

std::string ResolveServiceLibrary(const ConfiguredClass& entry) {
    fs::path library(entry.Library);
    if (library.is_absolute()) return ResolveLibraryPath(entry.Library);
    if (!entry.ConfigFolder.empty()) {
        std::string beside = ResolveLibraryPath((fs::path(entry.ConfigFolder) / library).string());
        if (!beside.empty()) return beside;
    }
    return library.has_parent_path() ? "" : ResolveLibraryPath(entry.Library);
}

// The loaded library of a configured class; raises EOleError when it cannot be loaded.
LibraryHandle LoadServiceLibrary(Registry& r, const std::string& className, const ConfiguredClass& entry) {
    std::string path = ResolveServiceLibrary(entry);
    if (path.empty())
        throw EOleError("Library " + entry.Library + " of class " + className + " not found");
    std::lock_guard lock(r.Mutex);
    auto it = r.Libraries.find(path);
    if (it != r.Libraries.end()) return it->second;
    LibraryHandle handle = LoadLibrary(path);
    if (!handle) throw EOleError("Cannot load library " + path + " of class " + className + ": " + LastLibraryError());
    r.Libraries.emplace(path, handle);
    return handle;
}

AutomationRef CreateFromLibrary(Registry& r, const std::string& className, const ConfiguredClass& entry) {
    LibraryHandle handle = LoadServiceLibrary(r, className, entry);
    auto factory = reinterpret_cast<AutomationFactoryFn>(GetProcAddress(handle, kAutomationFactoryExport));
    if (!factory)
        throw EOleError("Library " + entry.Library + " of class " + className + " has no export " +
                        kAutomationFactoryExport);
    AutomationObject* object = factory(className.c_str());
    if (!object) throw EOleError("Invalid class string");
    return AutomationRef(object);
}

AutomationRef ObjectOf(const Variant& obj, const std::string& name) {
    if (!obj.IsObject()) throw EOleError("Cannot call '" + name + "' through a variant of type " + obj.TypeName());
    return obj.AsObject();
}

// Runs a late-bound call; errors of the object reach the caller as EOleError.
template <typename Fn>
auto Guarded(Fn&& fn) -> decltype(fn()) {
    try {
        return fn();
    } catch (const EOleError&) {
        throw;
    } catch (const std::exception& e) {
        throw EOleError(e.what());
    }
}

}  // namespace

void RegisterAutomationClass(const std::string& className, AutomationFactory factory) {
    Registry& r = TheRegistry();
    std::lock_guard lock(r.Mutex);
    r.Factories[className] = std::move(factory);
}

void UnregisterAutomationClass(const std::string& className) {
    Registry& r = TheRegistry();
    std::lock_guard lock(r.Mutex);
    r.Factories.erase(className);
}

bool IsAutomationClassKnown(const std::string& className) {
    Registry& r = TheRegistry();
    std::lock_guard lock(r.Mutex);
    if (r.Factories.count(className)) return true;
    ReadEnvironmentConfigOnce(r);
    return r.Configured.count(className) > 0;
}

int LoadAutomationConfig(const std::string& path) {
    std::map<std::string, ConfiguredClass, DispatchObject::NameLess> entries;
    std::string error;
    if (!ReadConfig(path, entries, &error))
        throw EOleError("Cannot read the automation configuration " + path + ": " + error);
    Registry& r = TheRegistry();
    std::lock_guard lock(r.Mutex);
    for (auto& [name, entry] : entries) r.Configured[name] = entry;
    return static_cast<int>(entries.size());
}

void ClearAutomationConfig() {
    Registry& r = TheRegistry();
    std::lock_guard lock(r.Mutex);
    r.Configured.clear();
    r.EnvironmentRead = false;
}

Variant CreateOleObject(const std::string& className) {
    Registry& r = TheRegistry();
    AutomationFactory factory;
    std::optional<ConfiguredClass> configured;
    {
        std::lock_guard lock(r.Mutex);
        if (auto f = r.Factories.find(className); f != r.Factories.end()) {
            factory = f->second;
        } else {
            ReadEnvironmentConfigOnce(r);
            if (auto c = r.Configured.find(className); c != r.Configured.end()) configured = c->second;
        }
    }
    // Factories run outside the lock: an object may create others while it is made.
    AutomationRef object;
    if (factory)
        object = Guarded([&] { return factory(); });
    else if (configured)
        object = Guarded([&] { return CreateFromLibrary(r, className, *configured); });
    if (!factory && !configured) throw EOleError("Invalid class string");
    if (!object) throw EOleError("Cannot create an object of class " + className);
    return Variant(std::move(object));
}

Variant OleCall(const Variant& obj, const std::string& name, std::vector<Variant>& args) {
    AutomationRef object = ObjectOf(obj, name);
    return Guarded([&] { return object->Invoke(name, args); });
}

Variant OleCall(const Variant& obj, const std::string& name, std::initializer_list<Variant> args) {
    std::vector<Variant> values(args);
    return OleCall(obj, name, values);
}

Variant OleGet(const Variant& obj, const std::string& name) {
    AutomationRef object = ObjectOf(obj, name);
    return Guarded([&] { return object->GetProperty(name); });
}

void OleSet(const Variant& obj, const std::string& name, const Variant& value) {
    AutomationRef object = ObjectOf(obj, name);
    Guarded([&] { object->SetProperty(name, value); });
}

}  // namespace znp
