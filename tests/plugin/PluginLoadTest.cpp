// Loads the built plug-in exactly as the host does: dlopen, GetController, the controller's
// operations through its table of virtual operations. Runs in a program of its own, since the
// plug-in registers its classes in the process-wide class registry.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "Kvtr42C/DLLBaseCtrller.h"
#include "fixture/HostFakes.h"
#include "fixture/TestPaths.h"
#include "platform/Application.h"
#include "platform/ClassRegistry.h"
#include "platform/SystemInfo.h"

using namespace znp;

namespace {

class Plugin : public ::testing::Test {
protected:
    void SetUp() override {
        const char* buildDir = getenv("KV_BUILD_DIR");
        ASSERT_NE(buildDir, nullptr) << "run through ctest";
        library_ = dlopen((std::string(buildDir) + "/Kvtr42C.so").c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library_, nullptr) << dlerror();

        root_ = test::MakeTempFolder("kvtr42c-plugin");
        std::filesystem::create_directories(root_ / "Mid");
        std::ofstream(root_ / "registry.ini") << "[HKEY_LOCAL_MACHINE\\Software\\ZNP\\Trovane]\nClientPath="
                                              << (root_ / "Mid").string() << "\n";
        std::ofstream(root_ / "Mid" / "TrovaneC.ini") << "[Server Information]\nComputerName=127.0.0.1\n";
        setenv("ZNP_REGISTRY", (root_ / "registry.ini").c_str(), 1);
        SetAnsiCodePage("936");
    }
    void TearDown() override {
        unsetenv("ZNP_REGISTRY");
        std::filesystem::remove_all(root_);
    }
    void* library_ = nullptr;
    std::filesystem::path root_;
    test::ScopedHostFakes fakes_;
};

TEST_F(Plugin, ExportsOnlyGetControllerAndDrivesTheFormThroughIt) {
    auto getController = reinterpret_cast<GetControllerFn>(dlsym(library_, "GetController"));
    ASSERT_NE(getController, nullptr);
    EXPECT_EQ(dlsym(library_, "_ZN3znp12StartLibraryEv"), nullptr) << "internals stay hidden";

    std::vector<int> notifications;
    std::unique_ptr<TDLLBaseController> controller(getController());
    ASSERT_NE(controller, nullptr);
    controller->OnNotify = [&](std::int32_t code, TDLLBaseController*) { notifications.push_back(code); };
    controller->Manager = CreateOleObject("OstrelWorkCenter.Manager");

    const Variant params = Variant::ArrayOf({Variant("U01"), Variant("C01"), Variant("DEMO"), Variant(0), Variant("ctx")});
    ASSERT_EQ(controller->Open(params), 0);
    Variant info;
    ASSERT_EQ(controller->GetInfo(info), 0);
    EXPECT_EQ(info[2], Variant("KVTR42")) << "the program id comes from the plug-in's own file name";
    EXPECT_EQ(controller->GetVersion(), u"870401-0.00.00");
    controller->SetVisible(-1);
    EXPECT_EQ(controller->GetVisible(), LongTrue);
    controller->CloseForm();
    EXPECT_TRUE(controller->IsFormFreed());
    EXPECT_EQ(notifications, (std::vector<int>{ncFormCreated, ncFormShown, ncFormDestroyed}));
    EXPECT_EQ(controller->ShowModal(), Variant(2));
}

}  // namespace
