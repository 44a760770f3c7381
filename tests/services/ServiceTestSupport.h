// Reaching the built service libraries and the shipped installation data from the service tests.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fixture/TestPaths.h"
#include "platform/ClassRegistry.h"
#include "platform/DynamicLibrary.h"

namespace znp::test {

namespace fs = std::filesystem;

inline fs::path DataDir() { return SourceDir() / "data"; }

// Makes the shipped class configuration serve, with the built libraries on the search path.
inline void UseInstalledServices() {
    for (const char* folder : {"hostobjects", "reportserver", "clientobjects"}) {
        fs::path dir = BuildDir() / "services" / folder;
        auto path = LibrarySearchPath();
        if (std::find(path.begin(), path.end(), dir.string()) == path.end()) AddLibrarySearchFolder(dir.string());
    }
    LoadAutomationConfig((DataDir() / "automation.ini").string());
}


}  // namespace znp::test
