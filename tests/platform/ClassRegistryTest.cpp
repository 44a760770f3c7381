#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "Kvtr42C/Exception.h"
#include "fixture/TestPaths.h"
#include "platform/ClassRegistry.h"
#include "platform/DispatchObject.h"

using namespace znp;
namespace fs = std::filesystem;

namespace {

using test::BuildDir;
using test::TempDir;

fs::path HostObjectsLibrary() { return BuildDir() / "services" / "hostobjects" / "OstrelWorkCenter.so"; }

class Echo : public DispatchObject {
public:
    explicit Echo(std::string tag = "echo") : tag_(std::move(tag)) {
        Method("Tag", 0, [this](std::vector<Variant>&) { return Variant(tag_); });
        // Writes the sum into its second (by-reference) argument.
        Method("Add", 2, [](std::vector<Variant>& args) -> Variant {
            args[1] = args[0].AsInteger() + args[1].AsInteger();
            return true;
        });
        Method("Fail", 0, [](std::vector<Variant>&) -> Variant { throw std::runtime_error("inner failure"); });
        Method("FailConvert", 0, [](std::vector<Variant>&) -> Variant { throw EConvertError("not a date"); });
        Property("Value", [this] { return value_; }, [this](const Variant& v) { value_ = v; });
    }

private:
    std::string tag_;
    Variant value_;
};

std::string OleErrorText(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const EOleError& e) {
        return e.what();
    } catch (const std::exception& e) {
        return std::string("not an EOleError: ") + e.what();
    }
    return "no error";
}

// Every test starts without configured classes and without the configuration variables.
class ClassRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"ZNP_AUTOMATION", "ZNP_INSTALL"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
            unsetenv(name);
        }
        ClearAutomationConfig();
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        UnregisterAutomationClass("Test.Echo");
        ClearAutomationConfig();
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace

TEST_F(ClassRegistryTest, CreatesRegisteredClassesByNameWithoutRegardToCase) {
    RegisterAutomationClass("Test.Echo", [] { return std::make_shared<Echo>(); });
    EXPECT_TRUE(IsAutomationClassKnown("test.echo"));
    Variant obj = CreateOleObject("TEST.ECHO");
    ASSERT_TRUE(obj.IsObject());
    EXPECT_EQ(OleCall(obj, "Tag"), Variant("echo"));

    UnregisterAutomationClass("test.Echo");
    EXPECT_FALSE(IsAutomationClassKnown("Test.Echo"));
    EXPECT_EQ(OleErrorText([] { CreateOleObject("Test.Echo"); }), "Invalid class string");
}

TEST_F(ClassRegistryTest, FailingFactoriesRaiseOleErrors) {
    RegisterAutomationClass("Test.Echo", []() -> AutomationRef { throw std::runtime_error("no licence"); });
    EXPECT_EQ(OleErrorText([] { CreateOleObject("Test.Echo"); }), "no licence");
    RegisterAutomationClass("Test.Echo", []() -> AutomationRef { return nullptr; });
    EXPECT_NE(OleErrorText([] { CreateOleObject("Test.Echo"); }).find("Test.Echo"), std::string::npos);
}

TEST_F(ClassRegistryTest, CallsWriteByReferenceArgumentsBack) {
    Variant obj(AutomationRef(std::make_shared<Echo>()));
    std::vector<Variant> args{2, 40};
    EXPECT_EQ(OleCall(obj, "Add", args), Variant(true));
    EXPECT_EQ(args[1], Variant(42));
    // The list form passes copies: nothing comes back, and nothing fails.
    EXPECT_EQ(OleCall(obj, "Add", {1, 1}), Variant(true));

    OleSet(obj, "Value", "v");
    EXPECT_EQ(OleGet(obj, "value"), Variant("v"));
}

TEST_F(ClassRegistryTest, CallingThroughNoObjectRaises) {
    for (const Variant& none : {Variant(), Variant::Null(), Variant(3), Variant("text")}) {
        EXPECT_THROW(OleCall(none, "Tag"), EOleError) << none.TypeName();
        EXPECT_THROW(OleGet(none, "Value"), EOleError) << none.TypeName();
        EXPECT_THROW(OleSet(none, "Value", 1), EOleError) << none.TypeName();
    }
}

TEST_F(ClassRegistryTest, ErrorsInsideTheObjectArriveAsOleErrorsWithTheirText) {
    Variant obj(AutomationRef(std::make_shared<Echo>()));
    EXPECT_EQ(OleErrorText([&] { OleCall(obj, "Fail"); }), "inner failure");
    EXPECT_EQ(OleErrorText([&] { OleCall(obj, "FailConvert"); }), "not a date");
    EXPECT_EQ(OleErrorText([&] { OleCall(obj, "Nope"); }), "Method 'Nope' not supported by automation object");
    EXPECT_EQ(OleErrorText([&] { OleGet(obj, "Nope"); }), "Property 'Nope' not supported by automation object");
}

TEST_F(ClassRegistryTest, ReadsTheConfigurationFormat) {
    TempDir dir;
    fs::path config = dir.Write("automation.ini",
                                "; comment\n"
                                "# another\n"
                                "[Classes]\n"
                                "\n"
                                "  A.One =  LibOne  \r\n"
                                "B.Two=LibTwo.dll\n"
                                "no equals sign\n"
                                "C.Empty=\n"
                                "=NoName\n");
    EXPECT_EQ(LoadAutomationConfig(config.string()), 2);
    EXPECT_TRUE(IsAutomationClassKnown("a.one"));
    EXPECT_TRUE(IsAutomationClassKnown("B.Two"));
    EXPECT_FALSE(IsAutomationClassKnown("C.Empty"));
    // The libraries do not exist: the creation names what is missing.
    std::string text = OleErrorText([] { CreateOleObject("A.One"); });
    EXPECT_NE(text.find("LibOne"), std::string::npos) << text;

    EXPECT_THROW(LoadAutomationConfig((dir.Path() / "missing.ini").string()), EOleError);
}

TEST_F(ClassRegistryTest, CreatesConfiguredClassesFromTheirServiceLibrary) {
    ASSERT_TRUE(fs::exists(HostObjectsLibrary())) << "build the services first: " << HostObjectsLibrary();
    TempDir dir;
    // A library named as the system names it, beside the configuration, in another spelling.
    fs::copy_file(HostObjectsLibrary(), dir.Path() / "ostrelworkcenter.so");
    fs::path config = dir.Write("automation.ini",
                                "OstrelWorkCenter.Manager=OstrelWorkCenter.DLL\n"
                                "Other.Class=OstrelWorkCenter\n");
    LoadAutomationConfig(config.string());

    Variant manager = CreateOleObject("ostrelworkcenter.manager");
    ASSERT_TRUE(manager.IsObject());
    EXPECT_TRUE(OleCall(manager, "GetMessage", {"E", "000038"}).IsText());
    // An error raised inside the library is caught here by its type.
    EXPECT_EQ(OleErrorText([&] { OleCall(manager, "NoSuchCall"); }),
              "Method 'NoSuchCall' not supported by automation object");
    // A library that does not make the class it is configured for.
    EXPECT_EQ(OleErrorText([] { CreateOleObject("Other.Class"); }), "Invalid class string");
}

TEST_F(ClassRegistryTest, RegisteredFactoriesStandInForConfiguredClasses) {
    TempDir dir;
    LoadAutomationConfig(dir.Write("automation.ini", "Test.Echo=Nowhere\n").string());
    RegisterAutomationClass("Test.Echo", [] { return std::make_shared<Echo>("fake"); });
    EXPECT_EQ(OleCall(CreateOleObject("Test.Echo"), "Tag"), Variant("fake"));
    // Unregistering gives the configured class back.
    UnregisterAutomationClass("Test.Echo");
    EXPECT_NE(OleErrorText([] { CreateOleObject("Test.Echo"); }).find("Nowhere"), std::string::npos);
}

TEST_F(ClassRegistryTest, ConfigurationFromTheEnvironmentIsReadAtTheFirstUnknownClass) {
    TempDir dir;
    fs::path named = dir.Write("named.ini", "Env.Named=Lib\n");
    TempDir install;
    install.Write("automation.ini", "Env.Install=Lib\n");

    setenv("ZNP_AUTOMATION", named.c_str(), 1);
    setenv("ZNP_INSTALL", install.Path().c_str(), 1);
    ClearAutomationConfig();
    EXPECT_TRUE(IsAutomationClassKnown("Env.Named"));
    EXPECT_FALSE(IsAutomationClassKnown("Env.Install"));

    unsetenv("ZNP_AUTOMATION");
    ClearAutomationConfig();
    EXPECT_TRUE(IsAutomationClassKnown("Env.Install"));
    EXPECT_FALSE(IsAutomationClassKnown("Env.Named"));

    // Read once: a later change of the variable is not seen until the configuration is cleared.
    setenv("ZNP_INSTALL", dir.Path().c_str(), 1);
    EXPECT_TRUE(IsAutomationClassKnown("Env.Install"));
}
