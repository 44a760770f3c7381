// An installation in a temporary folder for the tests of the logs and the settings readers: its
// own registry file (ZNP_REGISTRY), a fixed clock and the machine's names set for the test, all
// restored afterwards.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "fixture/TestPaths.h"
#include "platform/Clock.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"

namespace znp::testing {

// Sets an environment variable for the life of the object.
class EnvVar {
public:
    EnvVar(const char* name, const std::string& value) : name_(name) {
        if (const char* old = getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~EnvVar() {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }
    EnvVar(const EnvVar&) = delete;
    EnvVar& operator=(const EnvVar&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

using test::MakeTempFolder;

inline void WriteTextFile(const std::string& name, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(name).parent_path());
    std::ofstream(name, std::ios::binary) << text;
}

inline std::string ReadTextFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline bool FileExists(const std::string& name) { return std::filesystem::exists(name); }

// OLE date of a civil date and time (days since 30 December 1899).
inline double OleDate(int y, int m, int d, int hh = 0, int nn = 0, int ss = 0, int ms = 0) {
    // Days from civil, proleptic Gregorian.
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long unixDays = era * 146097 + doe - 719468;
    return static_cast<double>(unixDays + 25569) + ((hh * 3600 + nn * 60 + ss) * 1000.0 + ms) / 86400000.0;
}

// A temporary folder with a registry file of its own; Root is the folder, Mid the installation
// folder the registry names when SetClientPath is called.
class InstallationTest : public ::testing::Test {
protected:
    InstallationTest()
        : root_(MakeTempFolder("znp-test")),
          registry_("ZNP_REGISTRY", root_ + "/registry.ini"),
          tmpdir_("TMPDIR", root_ + "/tmp"),
          clock_(OleDate(2024, 1, 5, 14, 3, 7, 45)),
          codePage_(AnsiCodePage()) {
        SetProgramFolder(root_ + "/bin");
        SetUserName("user1");
    }
    ~InstallationTest() override {
        SetProgramFolder("");
        SetUserName("");
        SetAnsiCodePage(codePage_);
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    const std::string& Root() const { return root_; }
    std::string Mid() const { return root_ + "/Mid"; }

    // Sets values of the key "Software\ZNP\Trovane".
    void SetTrovane(const std::string& name, const std::string& value) {
        Registry registry;
        ASSERT_TRUE(registry.OpenKey("Software\\ZNP\\Trovane", true));
        registry.WriteString(name, value);
    }

private:
    std::string root_;
    EnvVar registry_;
    EnvVar tmpdir_;
    FixedClock clock_;
    std::string codePage_;
};

}  // namespace znp::testing
