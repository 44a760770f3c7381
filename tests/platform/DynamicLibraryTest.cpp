#include <elf.h>
#include <gtest/gtest.h>
#include <link.h>

#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

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

namespace {

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace

// A truncated copy of a library would be mapped beyond its end by the system loader, which kills
// the process with SIGBUS; it must fail like a missing library instead.
TEST_F(DynamicLibraryTest, DamagedLibrariesAreRefusedBeforeTheyAreMapped) {
    const std::string whole = ReadBytes(HostObjectsDir() / "OstrelWorkCenter.so");
    ASSERT_GT(whole.size(), 4096u);
    ElfW(Ehdr) header;
    std::memcpy(&header, whole.data(), sizeof header);
    // Without section headers only the segments can tell that the file is cut: cut it within
    // its last loaded segment (debug sections after the segments are never mapped).
    std::string noSections = whole;
    size_t segmentsEnd = 0;
    for (int n = 0; n < header.e_phnum; ++n) {
        ElfW(Phdr) segment;
        std::memcpy(&segment, whole.data() + header.e_phoff + n * sizeof segment, sizeof segment);
        if (segment.p_type == PT_LOAD) segmentsEnd = std::max<size_t>(segmentsEnd, segment.p_offset + segment.p_filesz);
    }
    header.e_shoff = 0;
    header.e_shnum = 0;
    std::memcpy(noSections.data(), &header, sizeof header);

    struct Case {
        const char* what;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"an empty file", "", "not an ELF file"},
        {"a text file", "not a library at all, but longer than an ELF header is, to be sure of it\n",
         "not an ELF file"},
        {"the ELF header only", whole.substr(0, sizeof(ElfW(Ehdr))), "program headers"},
        {"cut in half", whole.substr(0, whole.size() / 2), "truncated"},
        {"one byte short", whole.substr(0, whole.size() - 1), "truncated"},
        {"cut in the last segment, no section headers", noSections.substr(0, segmentsEnd - 1), "segment"},
    };
    TempDir dir;
    SetLibrarySearchPath({dir.Path().string()});
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string name = "Damaged" + std::to_string(n++);
        WriteBytes(dir.Path() / (name + ".so"), c.bytes);
        EXPECT_EQ(LoadLibrary(name + ".dll"), nullptr);
        EXPECT_NE(LastLibraryError().find(c.reason), std::string::npos) << LastLibraryError();
    }
    WriteBytes(dir.Path() / "Whole.so", noSections);
    DynamicLibrary intact("Whole.dll");
    EXPECT_TRUE(intact.Loaded()) << "a complete file without section headers loads: " << LastLibraryError();
}

TEST_F(DynamicLibraryTest, AVersionedLibraryNameIsFoundAsItIsSpelt) {
    TempDir dir;
    WriteBytes(dir.Path() / "libservice.so.1", ReadBytes(HostObjectsDir() / "OstrelWorkCenter.so"));
    dir.Touch("libother.so.1.2");
    dir.Touch("libbad.so.x");
    const std::string absolute = (dir.Path() / "libservice.so.1").string();
    EXPECT_EQ(ResolveLibraryPath(absolute), absolute);
    DynamicLibrary byPath(absolute);
    EXPECT_TRUE(byPath.Loaded()) << LastLibraryError();
    EXPECT_NE(byPath.Symbol(kAutomationFactoryExport), nullptr);

    SetLibrarySearchPath({dir.Path().string()});
    EXPECT_EQ(ResolveLibraryPath("libservice.so.1"), absolute);
    EXPECT_EQ(ResolveLibraryPath("libother.so.1.2"), (dir.Path() / "libother.so.1.2").string());
    EXPECT_EQ(ResolveLibraryPath("libbad.so.x"), "") << "no version number";
    EXPECT_EQ(ResolveLibraryPath("libservice.so.2"), "");
}
