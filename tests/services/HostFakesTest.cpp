// The fakes stand in for the host objects in every form test: they must record faithfully and
// answer as configured, or those tests prove nothing.
#include <gtest/gtest.h>

#include "Kvtr42C/Exception.h"
#include "Kvtr42C/Protocol.h"
#include "fixture/HostFakes.h"
#include "platform/ClassRegistry.h"

using namespace znp;
using namespace znp::test;

TEST(HostFakes, RecordEveryAccessInOrderWithTheArgumentsAsReceived) {
    ScopedHostFakes fakes;
    Variant manager = CreateOleObject("OstrelWorkCenter.Manager");
    Variant validator = OleCall(manager, "Com_Validator");
    OleSet(validator, "ProductID", 3);
    std::vector<Variant> args{"ADMMB", "01", "DB", Variant::ArrayOf({"KVTR42"}), Variant()};
    EXPECT_EQ(OleCall(validator, "QueryData", args), Variant(true));
    OleGet(manager, "ProductID");

    EXPECT_EQ(fakes.Log().Names(), (std::vector<std::string>{"Manager.Com_Validator", "Validator.ProductID",
                                                             "Validator.QueryData", "Manager.ProductID"}));
    const RecordedCall* query = fakes.Log().Last("Validator", "querydata");
    ASSERT_NE(query, nullptr);
    // Recorded before the callee wrote its answer into the by-reference argument.
    EXPECT_TRUE(query->Args[4].IsEmpty());
    EXPECT_EQ(query->Args[3], Variant::ArrayOf({"KVTR42"}));
    EXPECT_EQ(fakes.Log().Last("Validator", "ProductID")->Kind, "set");
    EXPECT_EQ(fakes.Validator().ProductId, 3);
    EXPECT_EQ(fakes.ManagerCreations, 1);
}

TEST(HostFakes, AnswerAsConfigured) {
    ScopedHostFakes fakes;
    fakes.Counter().SetSysParam("Sys001", "3");
    fakes.Counter().SetSysParam("SYS999", "x");
    fakes.Manager().SetMessage("E", "38", "no host array");
    fakes.Validator().SetProgram("KVTR42", "Title", true, true, "English");
    fakes.ReportServer().JobAnswer = "ERROR";

    Variant manager = CreateOleObject("OstrelWorkCenter.Manager");
    Variant info = OleCall(OleCall(manager, "Com_Counter"), "GetSysInfo", {"C1"});
    EXPECT_EQ(info.At(1, 0), Variant("3"));
    EXPECT_EQ(info.At(0, info.HighBound(2)), Variant("SYS999"));
    EXPECT_EQ(OleCall(manager, "GetMessage", {"E", "000038"}), Variant("no host array"));
    EXPECT_EQ(OleCall(manager, "GetMessage", {"W", "000038"}), Variant("Message W 000038"));

    std::vector<Variant> args{"ADMMB", "11", "DB", Variant::ArrayOf({"kvtr42"}), Variant()};
    OleCall(OleCall(manager, "Com_Validator"), "CheckValue", args);
    EXPECT_EQ(args[4], Variant::ArrayOf({"KVTR42", "Title", "R", "Y"}));

    Variant server = CreateOleObject("ReportCounterS.dmReportCounter");
    EXPECT_EQ(OleCall(server, "Request", {Variant::ArrayOf({1})}), Variant("ERROR"));
}

TEST(HostFakes, FailWhereTold) {
    ScopedHostFakes fakes;
    fakes.Manager().FailOn("VersionType");
    fakes.Manager().NoF2Window = true;
    Variant manager = CreateOleObject("OstrelWorkCenter.Manager");
    EXPECT_THROW(OleCall(manager, "VersionType"), EOleError);
    EXPECT_EQ(fakes.Log().Count("Manager", "VersionType"), 1);
    EXPECT_TRUE(OleCall(manager, "Com_F2Window").IsEmpty());
    fakes.Manager().StopFailing("VersionType");
    EXPECT_EQ(OleCall(manager, "VersionType"), Variant(1));

    fakes.FailManagerCreation = true;
    fakes.FailServerCreation = true;
    EXPECT_THROW(CreateOleObject("OstrelWorkCenter.Manager"), EOleError);
    EXPECT_THROW(CreateOleObject("ReportCounterS.dmReportCounter"), EOleError);
}

TEST(HostFakes, RegistrationEndsWithTheGuard) {
    {
        ScopedHostFakes fakes;
        EXPECT_TRUE(IsAutomationClassKnown("OstrelWorkCenter.Manager"));
        ScopedFakeClass browser("InternetExplorer.Application", "Browser", nullptr);
        browser.Object().Method("Navigate", 1, [](std::vector<Variant>&) { return Variant(); });
        OleCall(CreateOleObject("InternetExplorer.Application"), "Navigate", {"http://x"});
        EXPECT_EQ(browser.Log().Count("Browser", "Navigate"), 1);
    }
    EXPECT_THROW(CreateOleObject("InternetExplorer.Application"), EOleError);
}

TEST(HostFakes, ReportServerKeepsSchemesAndNumbersJobs) {
    ScopedHostFakes fakes;
    Variant server = CreateOleObject("ReportCounterS.dmReportCounter");
    protocol::ConditionPackage package;
    package.Env.ProgramId = "KVTR42";
    const Variant request = package.ToVariant();
    EXPECT_EQ(OleCall(server, "Request", {request}), Variant("J0000001"));
    EXPECT_EQ(OleCall(server, "Request1", {request, "PC"}), Variant("J0000002"));
    // What is no condition package is refused as the server refuses it, with the reason.
    EXPECT_EQ(OleCall(server, "Request", {1}), Variant("ERROR"));
    EXPECT_NE(VarToStr(OleCall(server, "ErrorDescript")).find("Condition package"), std::string::npos);
    fakes.ReportServer().UpdatedJobNo = "J9";
    std::vector<Variant> status{"J0000002", "ok", 0.0};
    OleCall(server, "UpdateStatus1", status);
    EXPECT_EQ(status[0], Variant("J9"));

    auto insert = [&](const char* name, bool overwrite) {
        return OleCall(server, "InsertConTable",
                       {Variant::ArrayOf({name, "U1", "20261211", "KVTR42", "keys", "value", overwrite})});
    };
    EXPECT_EQ(insert("plan", false), Variant(std::string()));
    EXPECT_NE(insert("plan", false), Variant(std::string()));
    EXPECT_EQ(insert("plan", true), Variant(std::string()));
    ASSERT_EQ(fakes.ReportServer().Schemes.size(), 1u);
    OleCall(server, "LoadTable", {Variant::ArrayOf({"U1", "KVTR42"})});
    Variant table = OleCall(server, "GetRecords", {"pvdConSave"});
    EXPECT_EQ(table.At(1, 0), Variant("plan"));
    fakes.ReportServer().DeleteRefusal = "locked";
    EXPECT_EQ(OleCall(server, "DeleteConTable", {Variant::ArrayOf({"plan", "U1", "KVTR42"})}), Variant("locked"));
}
