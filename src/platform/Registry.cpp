#include "platform/Registry.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "Kvtr42C/Exception.h"
#include "platform/IniFile.h"

namespace znp {

namespace {

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    if (passwd* entry = getpwuid(geteuid()); entry && entry->pw_dir) return entry->pw_dir;
    return {};
}

// "software/ZNP\\Trovane\" -> "software\ZNP\Trovane".
std::string NormalizeKey(const std::string& key) {
    std::string out;
    for (char c : key) {
        if (c == '/') c = '\\';
        if (c == '\\' && (out.empty() || out.back() == '\\')) continue;
        out += c;
    }
    if (!out.empty() && out.back() == '\\') out.pop_back();
    return out;
}

// Creates the folders above File, as far as they are missing.
void MakeParentFolders(const std::string& file) {
    for (size_t slash = file.find('/', 1); slash != std::string::npos; slash = file.find('/', slash + 1)) {
        std::string folder = file.substr(0, slash);
        if (mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST)
            throw Exception("Cannot create the folder " + folder);
    }
}

}  // namespace

Registry::Registry(RegistryRoot root) : root_(root), file_(FileName()) {}

std::string Registry::FileName() {
    const char* file = std::getenv("ZNP_REGISTRY");
    if (file && *file) return file;
    return HomeFolder() + "/.znp/registry.ini";
}

std::string Registry::SectionOf(const std::string& key) const {
    std::string path = NormalizeKey(key);
    std::string root = root_ == RegistryRoot::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
    return path.empty() ? root : root + "\\" + path;
}

bool Registry::KeyExists(const std::string& key) const {
    const std::string section = SectionOf(key);
    for (const std::string& name : IniFile(file_).ReadSections()) {
        if (SameIniName(name, section)) return true;
        // A sub-key's section makes its parents exist.
        if (name.size() > section.size() && name[section.size()] == '\\' &&
            SameIniName(name.substr(0, section.size()), section))
            return true;
    }
    return false;
}

bool Registry::OpenKeyReadOnly(const std::string& key) {
    CloseKey();
    if (!KeyExists(key)) return false;
    current_ = NormalizeKey(key);
    return true;
}

bool Registry::OpenKey(const std::string& key, bool canCreate) {
    CloseKey();
    if (!KeyExists(key)) {
        if (!canCreate) return false;
        // A section header alone makes the key; IniFile writes keys only, so write and remove a
        // value: the header stays.
        MakeParentFolders(file_);
        IniFile file(file_);
        file.WriteString(SectionOf(key), "_", "");
        file.DeleteKey(SectionOf(key), "_");
    }
    current_ = NormalizeKey(key);
    writable_ = true;
    return true;
}

void Registry::CloseKey() {
    current_.clear();
    writable_ = false;
}

bool Registry::ValueExists(const std::string& name) const {
    if (current_.empty()) return false;
    return IniFile(file_).ValueExists(SectionOf(current_), name);
}

std::string Registry::ReadString(const std::string& name) const {
    if (current_.empty()) return {};
    return IniFile(file_).ReadString(SectionOf(current_), name, "");
}

std::vector<std::string> Registry::GetValueNames() const {
    if (current_.empty()) return {};
    return IniFile(file_).ReadSection(SectionOf(current_));
}

void Registry::WriteString(const std::string& name, const std::string& value) {
    if (current_.empty() || !writable_) throw Exception("Failed to set data for '" + name + "'");
    MakeParentFolders(file_);
    IniFile(file_).WriteString(SectionOf(current_), name, value);
}

bool Registry::DeleteValue(const std::string& name) {
    if (current_.empty() || !writable_ || !ValueExists(name)) return false;
    IniFile(file_).DeleteKey(SectionOf(current_), name);
    return true;
}

}  // namespace znp
