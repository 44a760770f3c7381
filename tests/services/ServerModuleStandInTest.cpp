// The program's server module as an installation ships it: it runs a job handed to it and names
// the report it wrote; a job of the wrong shape is refused with a reason.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Kvtr42C/SvrController.h"
#include "fixture/FormFixture.h"
#include "fixture/TestPaths.h"
#include "platform/DynamicLibrary.h"

using namespace znp;
using namespace znp::test;
namespace fs = std::filesystem;

namespace {

class ServerModuleStandIn : public ::testing::Test {
protected:
    ServerModuleStandIn()
        : folder_(fs::temp_directory_path() / ("kvtr42s-" + std::to_string(getpid()))),
          install_("ZNP_INSTALL", folder_.string()),
          library_((BuildDir() / "services/kvtr42s/KVTR42S.so").string()) {}
    ~ServerModuleStandIn() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // Runs one job; the status text, or the reason of the failure.
    std::string Run(const Variant& params, bool& failed) {
        auto get = library_.Function<GetSvrControllerFn>(kGetSvrControllerExport);
        EXPECT_NE(get, nullptr);
        TSvrController* controller = get();
        failed = false;
        std::string said;
        try {
            controller->Run(params);
        } catch (const Exception& e) {
            failed = true;
            said = e.what();
        }
        if (!failed) said = Variant(controller->MessageText()).AsString();
        controller->Free();
        return said;
    }

    fs::path folder_;
    ScopedEnv install_;
    DynamicLibrary library_;
};

Variant Job(const Variant& values) {
    return Variant::ArrayOf({"00000007", "B", "C01", "U01", "DEMO", values, 1, "R", "000000070001", 1, 1, "936"});
}

TEST_F(ServerModuleStandIn, WritesTheReportOfAJobAndNamesIt) {
    bool failed = true;
    const std::string status =
        Run(Job(Variant::ArrayOf({Variant::ArrayOf({"\x04", "20261201", "20261231"}), Variant("N")})), failed);
    ASSERT_FALSE(failed) << status;
    const fs::path report = folder_ / "Reports" / "KVTR42-000000070001-B.txt";
    EXPECT_NE(status.find(report.string()), std::string::npos) << status;
    std::ifstream in(report);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(),
              "KVTR42 job 00000007 report 000000070001 layout B company C01 user U01\n"
              "0: [R, 20261201, 20261231]\n"
              "1: N\n");
}

TEST_F(ServerModuleStandIn, RefusesJobsOfAnotherShape) {
    const Variant cases[] = {Variant(), Variant::ArrayOf({"00000007", "B"}), Job(Variant("no values"))};
    for (const Variant& params : cases) {
        bool failed = false;
        const std::string reason = Run(params, failed);
        EXPECT_TRUE(failed);
        EXPECT_EQ(reason.rfind("KVTR42S: ", 0), 0u) << reason;
    }
    EXPECT_FALSE(fs::exists(folder_ / "Reports"));
}

}  // namespace
