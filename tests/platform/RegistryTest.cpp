#include "platform/Registry.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "Kvtr42C/Exception.h"
#include "fixture/TestPaths.h"

using namespace znp;

namespace {

using Strings = std::vector<std::string>;

class EnvVar {
public:
    EnvVar(const char* name, const char* value) : name_(name) {
        if (const char* old = getenv(name)) old_ = old;
        if (value) setenv(name, value, 1);
        else unsetenv(name);
    }
    ~EnvVar() {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class RegistryTest : public ::testing::Test {
protected:
    RegistryTest() : folder_(test::MakeTempFolder("znp-reg")) {
        env_.emplace("ZNP_REGISTRY", (folder_ + "/registry.ini").c_str());
    }
    ~RegistryTest() override {
        env_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    void WriteRegistry(const std::string& text) {
        std::ofstream(folder_ + "/registry.ini", std::ios::binary) << text;
    }

    std::string folder_;
    std::optional<EnvVar> env_;
};

const char* const kRegistry =
    "[HKEY_LOCAL_MACHINE\\Software\\ZNP\\Trovane]\n"
    "ClientPath=/opt/Mid\n"
    "ProfileType=\n"
    "[HKEY_CURRENT_USER\\Software\\PLQR\\Hobrand]\n"
    "GoAhead=1\n";

}  // namespace

TEST_F(RegistryTest, FileNameComesFromTheEnvironmentEveryTime) {
    EXPECT_EQ(Registry::FileName(), folder_ + "/registry.ini");
    {
        EnvVar other("ZNP_REGISTRY", "/elsewhere/reg.ini");
        EXPECT_EQ(Registry::FileName(), "/elsewhere/reg.ini");
    }
    EnvVar unset("ZNP_REGISTRY", nullptr);
    EnvVar home("HOME", "/home/someone");
    EXPECT_EQ(Registry::FileName(), "/home/someone/.znp/registry.ini");
    EnvVar empty("ZNP_REGISTRY", "");
    EXPECT_EQ(Registry::FileName(), "/home/someone/.znp/registry.ini");
}

TEST_F(RegistryTest, OpenKeyReadOnly) {
    WriteRegistry(kRegistry);
    Registry registry;
    struct Case {
        const char* key;
        bool exists;
    } cases[] = {
        {"Software\\ZNP\\Trovane", true},   {"software\\znp\\TROVANE", true}, {"/Software/ZNP/Trovane/", true},
        {"\\Software\\\\ZNP\\Trovane", true}, {"Software\\ZNP", true},        {"Software", true},
        {"Software\\ZNP\\Trov", false},     {"Software\\PLQR\\Hobrand", false}, {"Software\\ZNP\\Trovane\\Sub", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(registry.OpenKeyReadOnly(c.key), c.exists);
        EXPECT_EQ(registry.CurrentPath().empty(), !c.exists);
    }
    Registry user(RegistryRoot::CurrentUser);
    EXPECT_TRUE(user.OpenKeyReadOnly("Software\\PLQR\\Hobrand"));
    EXPECT_EQ(user.ReadString("goahead"), "1");
}

TEST_F(RegistryTest, ValuesOfTheOpenKey) {
    WriteRegistry(kRegistry);
    Registry registry;
    EXPECT_EQ(registry.ReadString("ClientPath"), "");  // no key open
    ASSERT_TRUE(registry.OpenKeyReadOnly("Software\\ZNP\\Trovane"));
    EXPECT_EQ(registry.ReadString("clientpath"), "/opt/Mid");
    EXPECT_TRUE(registry.ValueExists("ProfileType"));
    EXPECT_EQ(registry.ReadString("ProfileType"), "");
    EXPECT_FALSE(registry.ValueExists("ServerPath"));
    EXPECT_EQ(registry.ReadString("ServerPath"), "");
    EXPECT_EQ(registry.GetValueNames(), (Strings{"ClientPath", "ProfileType"}));
    registry.CloseKey();
    EXPECT_FALSE(registry.ValueExists("ClientPath"));
}

TEST_F(RegistryTest, MissingFileHasNoKeys) {
    Registry registry;
    EXPECT_FALSE(registry.KeyExists("Software"));
    EXPECT_FALSE(registry.OpenKeyReadOnly("Software\\ZNP\\Trovane"));
    EXPECT_FALSE(registry.OpenKey("Software\\ZNP\\Trovane", false));
    EXPECT_FALSE(std::filesystem::exists(folder_ + "/registry.ini"));
}

TEST_F(RegistryTest, WritingCreatesKeyFileAndFolders) {
    EnvVar nested("ZNP_REGISTRY", (folder_ + "/a/b/registry.ini").c_str());
    {
        Registry registry;
        ASSERT_TRUE(registry.OpenKey("Software\\ZNP\\Trovane", true));
        EXPECT_TRUE(registry.KeyExists("Software\\ZNP\\Trovane"));
        registry.WriteString("ClientPath", "D:\\Mid");
        registry.WriteString("clientpath", "/srv/Mid");  // the same value
        registry.WriteString("ProfileType", "1");
    }
    Registry reader;
    ASSERT_TRUE(reader.OpenKeyReadOnly("Software\\ZNP\\Trovane"));
    EXPECT_EQ(reader.ReadString("ClientPath"), "/srv/Mid");
    EXPECT_EQ(reader.GetValueNames(), (Strings{"ClientPath", "ProfileType"}));
    EXPECT_FALSE(Registry(RegistryRoot::CurrentUser).KeyExists("Software\\ZNP\\Trovane"));

    Registry key;
    ASSERT_TRUE(key.OpenKey("Software\\ZNP\\Trovane", false));
    EXPECT_TRUE(key.DeleteValue("profiletype"));
    EXPECT_FALSE(key.DeleteValue("ProfileType"));
    EXPECT_EQ(key.GetValueNames(), Strings{"ClientPath"});
}

TEST_F(RegistryTest, WritingNeedsAKeyOpenForWriting) {
    WriteRegistry(kRegistry);
    Registry registry;
    EXPECT_THROW(registry.WriteString("x", "y"), Exception);
    ASSERT_TRUE(registry.OpenKeyReadOnly("Software\\ZNP\\Trovane"));
    EXPECT_THROW(registry.WriteString("ClientPath", "/elsewhere"), Exception);
    EXPECT_FALSE(registry.DeleteValue("ClientPath"));
    EXPECT_EQ(registry.ReadString("ClientPath"), "/opt/Mid");
}

TEST_F(RegistryTest, EveryObjectUsesTheFileTheEnvironmentNamesAtItsCreation) {
    WriteRegistry(kRegistry);
    Registry first;
    EnvVar other("ZNP_REGISTRY", (folder_ + "/other.ini").c_str());
    Registry second;
    EXPECT_TRUE(first.OpenKeyReadOnly("Software\\ZNP\\Trovane"));
    EXPECT_FALSE(second.OpenKeyReadOnly("Software\\ZNP\\Trovane"));
}
