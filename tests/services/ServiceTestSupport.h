// Reaching the built service libraries and the shipped installation data from the service tests.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/ClassRegistry.h"
#include "platform/DynamicLibrary.h"

namespace znp::test {

namespace fs = std::filesystem;

// KV_BUILD_DIR and KV_SOURCE_DIR as ctest sets them; otherwise found from this program and file.
inline fs::path BuildDir() {
    if (const char* dir = std::getenv("KV_BUILD_DIR"); dir && *dir) return dir;
    return fs::read_symlink("/proc/self/exe").parent_path().parent_path();
}

inline fs::path SourceDir() {
    if (const char* dir = std::getenv("KV_SOURCE_DIR"); dir && *dir) return dir;
    return fs::path(__FILE__).parent_path().parent_path().parent_path();
}

inline fs::path DataDir() { return SourceDir() / "data"; }

// Makes the shipped class configuration serve, with the built libraries on the search path.
inline void UseInstalledServices() {
    for (const char* folder : {"hostobjects", "reportserver"}) {
        fs::path dir = BuildDir() / "services" / folder;
        auto path = LibrarySearchPath();
        if (std::find(path.begin(), path.end(), dir.string()) == path.end()) AddLibrarySearchFolder(dir.string());
    }
    LoadAutomationConfig((DataDir() / "automation.ini").string());
}

class TempDir {
public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "kvsvXXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& Path() const { return path_; }
    void Write(const std::string& name, const std::string& text) const { std::ofstream(path_ / name) << text; }

private:
    fs::path path_;
};

}  // namespace znp::test
