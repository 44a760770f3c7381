#include <gtest/gtest.h>

#include "Kvtr42C/Exception.h"
#include "Kvtr42C/Protocol.h"
#include "platform/ClassRegistry.h"
#include "services/ServiceTestSupport.h"

using namespace znp;
using namespace znp::test;

namespace {

// A request as the form sends it: [environment 1..14, texts, values].
Variant Package(const std::string& programId) {
    protocol::ConditionPackage package;
    package.Env.ProgramId = programId;
    package.Env.EnvCount = protocol::Environment::kReportCount;
    package.Env.ConditionCount = 1;
    package.Texts = {{"制表日期", "edPrintDate"}};
    package.Values = {Variant("20240501")};
    return package.ToVariant();
}

bool IsJobNumber(const Variant& v) {
    std::string s = VarToStr(v);
    return s.size() == 8 && s.find_first_not_of("0123456789") == std::string::npos;
}

class ReportServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseInstalledServices();
        server = CreateOleObject("ReportCounterS.dmReportCounter");
    }

    Variant Insert(const std::string& name, const std::string& user, const std::string& value, bool overwrite = false) {
        return OleCall(server, "InsertConTable",
                       {Variant::ArrayOf({name, user, "20261211", "KVTR42", "sp01,sp02", value, overwrite})});
    }
    // The provider's rows after LoadTable: name -> value.
    std::vector<std::pair<std::string, std::string>> Schemes(const std::string& user) {
        OleCall(server, "LoadTable", {Variant::ArrayOf({user, "KVTR42"})});
        Variant table = OleCall(server, "GetRecords", {"pvdConSave"});
        std::vector<std::pair<std::string, std::string>> rows;
        for (int r = 1; r <= table.HighBound(1); ++r)
            rows.emplace_back(VarToStr(table.At(r, 0)), VarToStr(table.At(r, 4)));
        return rows;
    }

    Variant server;
};

using Rows = std::vector<std::pair<std::string, std::string>>;

}  // namespace

TEST_F(ReportServerTest, QueuesAndRegistersJobsUnderNewNumbers) {
    Variant package = Package("KVTR42");
    Variant first = OleCall(server, "Request", {package});
    Variant second = OleCall(server, "Request1", {package, "PC01"});
    ASSERT_TRUE(IsJobNumber(first)) << VarToStr(first);
    ASSERT_TRUE(IsJobNumber(second)) << VarToStr(second);
    EXPECT_GT(second.AsInt64(), first.AsInt64());
    EXPECT_EQ(OleCall(server, "ErrorDescript"), Variant(std::string()));

    Variant queued = OleCall(server, "GetJob", {first});
    EXPECT_EQ(queued[1], Variant("Q"));
    EXPECT_EQ(queued[5], package);
    Variant registered = OleCall(server, "GetJob", {second});
    EXPECT_EQ(registered[1], Variant("C"));
    EXPECT_EQ(registered[2], Variant("PC01"));
    EXPECT_TRUE(OleCall(server, "GetJob", {"nojob"}).IsEmpty());

    // Every connection of the process talks to the same server.
    Variant other = CreateOleObject("ReportCounterS.dmReportCounter");
    EXPECT_EQ(OleCall(other, "GetJob", {first})[0], first);
}

TEST_F(ReportServerTest, RefusesWhatIsNoRequestWithERRORAndAReason) {
    Variant envWithoutProgram = Package("");
    Variant textsWithoutNames = Package("KVTR42");
    textsWithoutNames[1][1] = Variant::ArrayOf({Variant("制表日期")});
    for (const Variant& bad : {Variant(), Variant("text"), Variant::ArrayOf({1, 2}), envWithoutProgram, textsWithoutNames}) {
        EXPECT_EQ(OleCall(server, "Request", {bad}), Variant("ERROR")) << bad.TypeName();
        EXPECT_FALSE(VarToStr(OleCall(server, "ErrorDescript")).empty());
    }
    EXPECT_TRUE(IsJobNumber(OleCall(server, "Request", {Package("KVTR42")})));
    EXPECT_EQ(OleCall(server, "ErrorDescript"), Variant(std::string()));
}

TEST_F(ReportServerTest, UpdateStatusRecordsTheOutcomeAndWritesTheNumberBack) {
    Variant job = OleCall(server, "Request1", {Package("KVTR42"), "PC01"});
    std::vector<Variant> args{" " + VarToStr(job) + " ", "done; ", Variant::FromDate(46000.5)};
    OleCall(server, "UpdateStatus1", args);
    EXPECT_EQ(args[0], job);
    Variant record = OleCall(server, "GetJob", {job});
    EXPECT_EQ(record[3], Variant("done; "));
    EXPECT_EQ(record[4], Variant::FromDate(46000.5));

    std::vector<Variant> unknown{"ERROR", "", 0.0};
    EXPECT_THROW(OleCall(server, "UpdateStatus1", unknown), EOleError);
    EXPECT_NE(VarToStr(OleCall(server, "ErrorDescript")).find("ERROR"), std::string::npos);
}

TEST_F(ReportServerTest, GetPowerAnswersTheRightsRecord) {
    Variant rights = OleCall(server, "GetPower", {Variant::ArrayOf({"DB", "U1", "KVTR42", ""})});
    ASSERT_GE(rights.HighBound(), 5);
    std::string fields = VarToStr(rights[1]);
    EXPECT_EQ(fields, "U1,Y,Y,YYYYYYYY,,");
    Variant limits = rights[5];
    ASSERT_TRUE(limits.IsArray());
    EXPECT_EQ(limits[0], Variant(0));
    EXPECT_THROW(OleCall(server, "GetPower", {Variant::ArrayOf({"DB"})}), EOleError);
}

TEST_F(ReportServerTest, SchemesAreKeptPerUserAndProgram) {
    EXPECT_EQ(Insert("B plan", "save-u1", "v1"), Variant(std::string()));
    EXPECT_EQ(Insert("A plan", "save-u1", "v2"), Variant(std::string()));
    EXPECT_EQ(Insert("A plan", "save-u2", "other user"), Variant(std::string()));
    EXPECT_EQ(Schemes("save-u1"), (Rows{{"A plan", "v2"}, {"B plan", "v1"}}));

    // The provider delivers nothing before LoadTable, and its header row names the fields.
    Variant fresh = CreateOleObject("ReportCounterS.dmReportCounter");
    Variant table = OleCall(fresh, "GetRecords", {"pvdConSave"});
    ASSERT_EQ(table.HighBound(1), 0);
    std::vector<std::string> header;
    for (int c = 0; c <= table.HighBound(2); ++c) header.push_back(VarToStr(table.At(0, c)));
    EXPECT_EQ(header, (std::vector<std::string>{"NCONDITION", "CREATOR", "PROGRAMME", "SCONDITION", "VCONDITION",
                                                "CREATE_DATE"}));
    EXPECT_THROW(OleCall(fresh, "GetRecords", {"pvdOther"}), EOleError);
}

TEST_F(ReportServerTest, SavingOverAnExistingSchemeNeedsOverwrite) {
    Insert("plan", "over-u1", "old");
    EXPECT_FALSE(VarToStr(Insert("plan", "over-u1", "new")).empty());
    EXPECT_EQ(Schemes("over-u1"), (Rows{{"plan", "old"}}));
    EXPECT_EQ(Insert("plan", "over-u1", "new", true), Variant(std::string()));
    EXPECT_EQ(Schemes("over-u1"), (Rows{{"plan", "new"}}));
    EXPECT_FALSE(VarToStr(Insert("  ", "over-u1", "blank")).empty());
}

TEST_F(ReportServerTest, DeleteAndRenameAnswerEmptyOrTheReason) {
    Insert("one", "ren-u1", "1");
    Insert("two", "ren-u1", "2");
    auto rename = [&](const std::string& from, const std::string& to) {
        return VarToStr(OleCall(server, "ChangeConName",
                                {Variant::ArrayOf({from, "ren-u1", "KVTR42"}), Variant::ArrayOf({to, "ren-u1", "KVTR42"})}));
    };
    EXPECT_FALSE(rename("one", "two").empty());
    EXPECT_FALSE(rename("none", "three").empty());
    EXPECT_EQ(rename("one", "One"), "");  // names compare with case
    EXPECT_EQ(Schemes("ren-u1"), (Rows{{"One", "1"}, {"two", "2"}}));

    auto remove = [&](const std::string& name) {
        return VarToStr(OleCall(server, "DeleteConTable", {Variant::ArrayOf({name, "ren-u1", "KVTR42"})}));
    };
    EXPECT_EQ(remove("two"), "");
    EXPECT_FALSE(remove("two").empty());
    EXPECT_EQ(Schemes("ren-u1"), (Rows{{"One", "1"}}));
    EXPECT_THROW(OleCall(server, "DeleteConTable", {Variant::ArrayOf({"One"})}), EOleError);
}

// Schemes live in the installation's database: a later server of the same installation (here: the
// store opened again after another installation was used) still lists them.
TEST_F(ReportServerTest, SchemesOutliveTheServerInTheInstallationsDatabase) {
    const TempDir a, b;
    const fs::path& first = a.Path();
    const fs::path& second = b.Path();
    const char* before = std::getenv("ZNP_INSTALL");
    const std::string saved = before ? before : "";
    setenv("ZNP_INSTALL", first.c_str(), 1);
    EXPECT_EQ(Insert("月报", "keep-u1", "v\r\n"), Variant(std::string()));
    EXPECT_TRUE(fs::exists(first / "ReportServer" / "schemes.db"));

    setenv("ZNP_INSTALL", second.c_str(), 1);
    EXPECT_TRUE(Schemes("keep-u1").empty());

    setenv("ZNP_INSTALL", first.c_str(), 1);
    EXPECT_EQ(Schemes("keep-u1"), (Rows{{"月报", "v\r\n"}}));
    if (before)
        setenv("ZNP_INSTALL", saved.c_str(), 1);
    else
        unsetenv("ZNP_INSTALL");
}
