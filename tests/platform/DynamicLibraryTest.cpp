#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "fixture/TestPaths.h"
#include "platform/ClassRegistry.h"
#include "platform/DynamicLibrary.h"

using namespace znp;
namespace fs = std::filesystem;

namespace {

using test::BuildDir;
using test::TempDir;

fs::path HostObjectsDir() { return BuildDir() / "services" / "hostobjects"; }

// Keeps the search path and ZNP_LIBRARY_PATH of the process as they were.
class DynamicLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = LibrarySearchPath();
        if (const char* env = std::getenv("ZNP_LIBRARY_PATH")) savedEnv_ = env;
        unsetenv("ZNP_LIBRARY_PATH");
        SetLibrarySearchPath({});
    }
    void TearDown() override {
        SetLibrarySearchPath(saved_);
        if (savedEnv_.empty())
            unsetenv("ZNP_LIBRARY_PATH");
        else
            setenv("ZNP_LIBRARY_PATH", savedEnv_.c_str(), 1);
    }

    std::vector<std::string> saved_;
    std::string savedEnv_;
};

}  // namespace

TEST_F(DynamicLibraryTest, ResolvesWindowsNamesToSharedObjects) {
    TempDir dir;
    dir.Touch("Rirodozada.so");
    dir.Touch("libkvtr42s.so");
    dir.Touch("ZARiviZuzu.so");
    dir.Touch("libZARiviZuzu.so");
    SetLibrarySearchPath({dir.Path().string()});
    struct Case {
        const char* name;
        const char* file;  // "" = not found
    } cases[] = {
        {"Rirodozada.dll", "Rirodozada.so"},
        {"RIRODOZADA.DLL", "Rirodozada.so"},
        {"Rirodozada", "Rirodozada.so"},
        {"Rirodozada.so", "Rirodozada.so"},
        {"KVTR42S.DLL", "libkvtr42s.so"},
        // "<base>.so" comes before "lib<base>.so".
        {"ZARiviZuzu.dll", "ZARiviZuzu.so"},
        {"CallWebService.dll", ""},
        {".dll", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string found = ResolveLibraryPath(c.name);
        if (*c.file)
            EXPECT_EQ(found, (dir.Path() / c.file).string()) << c.name;
        else
            EXPECT_EQ(found, "") << c.name;
    }
}

TEST_F(DynamicLibraryTest, ExactSpellingWinsOverACaseFoldedOne) {
    TempDir dir;
    dir.Touch("Abc.so");
    dir.Touch("ABC.so");
    SetLibrarySearchPath({dir.Path().string()});
    EXPECT_EQ(ResolveLibraryPath("Abc.dll"), (dir.Path() / "Abc.so").string());
    EXPECT_EQ(ResolveLibraryPath("ABC.DLL"), (dir.Path() / "ABC.so").string());
    // Only case-folded matches: the first in name order, every time.
    EXPECT_EQ(ResolveLibraryPath("abc.dll"), (dir.Path() / "ABC.so").string());
}

TEST_F(DynamicLibraryTest, SearchPathOrderThenEnvironment) {
    TempDir first, second, env;
    first.Touch("Dup.so");
    second.Touch("Dup.so");
    second.Touch("Only2.so");
    env.Touch("Dup.so");
    env.Touch("OnlyEnv.so");
    SetLibrarySearchPath({first.Path().string()});
    AddLibrarySearchFolder(second.Path().string());
    setenv("ZNP_LIBRARY_PATH", ("/nonexistent:" + env.Path().string()).c_str(), 1);
    EXPECT_EQ(ResolveLibraryPath("Dup.dll"), (first.Path() / "Dup.so").string());
    EXPECT_EQ(ResolveLibraryPath("Only2.dll"), (second.Path() / "Only2.so").string());
    EXPECT_EQ(ResolveLibraryPath("OnlyEnv.dll"), (env.Path() / "OnlyEnv.so").string());
}

TEST_F(DynamicLibraryTest, AFolderInTheNameIsTheOnlyPlaceLookedAt) {
    TempDir searched, named;
    searched.Touch("Mod.so");
    named.Touch("C_PKG/KVTR42S.so");
    SetLibrarySearchPath({searched.Path().string()});
    EXPECT_EQ(ResolveLibraryPath((named.Path() / "C_PKG" / "KVTR42S.DLL").string()),
              (named.Path() / "C_PKG" / "KVTR42S.so").string());
    // Not in the named folder: the search path is not consulted.
    EXPECT_EQ(ResolveLibraryPath((named.Path() / "C_PKG" / "Mod.dll").string()), "");
}

TEST_F(DynamicLibraryTest, LoadFailuresGiveNoHandleAndAReason) {
    TempDir dir;
    dir.Touch("Broken.so");  // a file that is no library
    SetLibrarySearchPath({dir.Path().string()});
    EXPECT_EQ(LoadLibrary("Missing.dll"), nullptr);
    EXPECT_NE(LastLibraryError().find("Missing.dll"), std::string::npos) << LastLibraryError();
    EXPECT_EQ(LoadLibrary("Broken.dll"), nullptr);
    EXPECT_FALSE(LastLibraryError().empty());
    EXPECT_EQ(GetProcAddress(nullptr, "x"), nullptr);
    EXPECT_FALSE(FreeLibrary(nullptr));
}

TEST_F(DynamicLibraryTest, LoadsARealLibraryAndFindsItsExport) {
    ASSERT_TRUE(fs::exists(HostObjectsDir() / "OstrelWorkCenter.so")) << "build the services first: " << HostObjectsDir();
    SetLibrarySearchPath({HostObjectsDir().string()});
    LibraryHandle handle = LoadLibrary("ostrelworkcenter.DLL");
    ASSERT_NE(handle, nullptr) << LastLibraryError();
    EXPECT_NE(GetProcAddress(handle, kAutomationFactoryExport), nullptr);
    EXPECT_EQ(GetProcAddress(handle, "GetController"), nullptr);
    EXPECT_NE(LastLibraryError().find("GetController"), std::string::npos) << LastLibraryError();
    // The library's own functions stay hidden: only the factory is exported.
    EXPECT_EQ(GetProcAddress(handle, "_ZN3znp4host8HostData9SetFolderERKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE"),
              nullptr);
    EXPECT_TRUE(FreeLibrary(handle));
}

TEST_F(DynamicLibraryTest, HolderOwnsOneReference) {
    SetLibrarySearchPath({HostObjectsDir().string()});
    DynamicLibrary empty;
    EXPECT_FALSE(empty.Loaded());
    EXPECT_EQ(empty.Symbol(kAutomationFactoryExport), nullptr);

    DynamicLibrary lib("OstrelWorkCenter.dll");
    ASSERT_TRUE(lib.Loaded()) << LastLibraryError();
    auto factory = lib.Function<AutomationFactoryFn>(kAutomationFactoryExport);
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(factory("No.Such.Class"), nullptr);

    DynamicLibrary moved(std::move(lib));
    EXPECT_FALSE(lib.Loaded());
    EXPECT_TRUE(moved.Loaded());
    LibraryHandle released = moved.Release();
    EXPECT_FALSE(moved.Loaded());
    EXPECT_TRUE(FreeLibrary(released));
}
