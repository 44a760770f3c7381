// Puts the built translator library on the library search path for the life of a test.
#pragma once

#include <string>
#include <vector>

#include "platform/DynamicLibrary.h"
#include "services/ServiceTestSupport.h"

namespace znp::test {

class ScopedTranslatorPath {
public:
    // With Available false the search path holds no translator at all.
    explicit ScopedTranslatorPath(bool available = true) : saved_(LibrarySearchPath()) {
        if (const char* env = std::getenv("ZNP_LIBRARY_PATH")) savedEnv_ = env;
        unsetenv("ZNP_LIBRARY_PATH");
        std::vector<std::string> path;
        if (available) path.push_back((BuildDir() / "services" / "translator").string());
        // A library that exports none of the translator's procedures.
        path.push_back((BuildDir() / "services" / "hostobjects").string());
        SetLibrarySearchPath(path);
    }
    ~ScopedTranslatorPath() {
        SetLibrarySearchPath(saved_);
        if (!savedEnv_.empty()) setenv("ZNP_LIBRARY_PATH", savedEnv_.c_str(), 1);
    }
    ScopedTranslatorPath(const ScopedTranslatorPath&) = delete;
    ScopedTranslatorPath& operator=(const ScopedTranslatorPath&) = delete;

private:
    std::vector<std::string> saved_;
    std::string savedEnv_;
};

// Big5 bytes of a text (the tests' own literals are GB, as the program's are).
inline std::string Big5(const std::u16string& text) { return WideToBytes(text, "950"); }
inline std::string GB(const std::u16string& text) { return WideToBytes(text, "936"); }

}  // namespace znp::test
