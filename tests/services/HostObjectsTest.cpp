#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>

#include "Kvtr42C/Exception.h"
#include "platform/ClassRegistry.h"
#include "platform/Clock.h"
#include "services/ServiceTestSupport.h"

using namespace znp;
using namespace znp::test;

namespace {

int CountPlaceholders(const std::string& text) {
    int count = 0;
    for (size_t at = text.find("%s"); at != std::string::npos; at = text.find("%s", at + 2)) ++count;
    return count;
}

// The manager of the installed service library on the shipped data (or on Folder).
class HostObjectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseInstalledServices();
        manager = CreateOleObject("OstrelWorkCenter.Manager");
        OleSet(manager, "DataPath", DataDir().string());
    }

    Variant Lookup(const std::string& table, const std::string& query, bool multiRow, const std::string& filter,
                   const Variant& params = Variant::ArrayOf({""})) {
        Variant request = Variant::Array(0, 18);
        request[0] = table;
        request[1] = query;
        request[2] = params;
        request[3] = multiRow;
        request[4] = filter;
        return OleCall(OleCall(manager, "Com_F2Window"), "F2GetData", {request});
    }

    Variant manager;
};

}  // namespace

TEST_F(HostObjectsTest, CatalogueHoldsEveryMessageTheFormsUseWithTheirArguments) {
    struct Case {
        const char* type;
        const char* number;
        int arguments;
    } cases[] = {
        {"E", "000006", 0}, {"E", "000036", 0}, {"E", "000038", 0}, {"E", "000001", 1}, {"W", "000004", 1},
        {"W", "000014", 0}, {"I", "000004", 1}, {"I", "000008", 0}, {"E", "000015", 0}, {"E", "000016", 0},
        {"E", "000005", 0}, {"E", "000037", 0}, {"W", "000002", 3}, {"W", "000003", 3}, {"I", "000003", 1},
        {"E", "000013", 1}, {"R", "200235", 0},
    };
    for (const auto& c : cases) {
        std::string text = VarToStr(OleCall(manager, "GetMessage", {c.type, c.number}));
        EXPECT_FALSE(text.empty()) << c.type << c.number;
        EXPECT_EQ(text.find(c.number), std::string::npos) << c.type << c.number << " is not in the catalogue";
        EXPECT_EQ(CountPlaceholders(text), c.arguments) << c.type << c.number;
    }
}

TEST_F(HostObjectsTest, MessagesAreAnsweredInCodePage936AndFoundByNumberValue) {
    // This literal is compiled into code page 936 bytes; the file holds UTF-8.
    const std::string expected = "主程序传入的参数不足, 作业不能执行!";
    EXPECT_EQ(OleCall(manager, "GetMessage", {"E", "000038"}), Variant(expected));
    EXPECT_EQ(OleCall(manager, "GetMessage", {"E", "38"}), Variant(expected));
    // Type letters are sections: the same number under another letter is another message.
    EXPECT_NE(OleCall(manager, "GetMessage", {"I", "000004"}), OleCall(manager, "GetMessage", {"W", "000004"}));
    // A message the catalogue lacks is named in the answer, so a box never comes up blank.
    std::string missing = VarToStr(OleCall(manager, "GetMessage", {"E", "000999"}));
    EXPECT_NE(missing.find("E;000999"), std::string::npos) << missing;
    EXPECT_THROW(OleCall(manager, "GetMessage", {"E"}), EOleError);
}

TEST_F(HostObjectsTest, ManagerAnswersVersionProductAndFileList) {
    EXPECT_EQ(OleCall(manager, "VersionType"), Variant(1));
    EXPECT_EQ(OleGet(manager, "ProductID"), Variant(1));
    EXPECT_EQ(OleCall(manager, "GetFileList", {Variant::ArrayOf({"kvtr42s.dll"})}),
              Variant("<Modify>20261201120000</Modify><Path>S_PKG/KVTR42S.zip</Path>"));
    EXPECT_EQ(OleCall(manager, "GetFileList", {Variant::ArrayOf({"unknown.dll"})}), Variant(std::string()));
    OleCall(manager, "CallHelp", {Variant::ArrayOf({"KVTR42", "Conditions"})});
    EXPECT_EQ(OleGet(manager, "LastHelp"), Variant("KVTR42|Conditions"));
}

TEST_F(HostObjectsTest, DataOfAnotherInstallation) {
    TempDir dir;
    dir.Write("hostdata.ini",
              "[Manager]\nVersionType=fail\nProductID=5\n"
              "[SysInfo]\nSys001=1\nSys002=/\n"
              "[SysInfo.C2]\nSys001=3\nSYS999=x\n");
    OleSet(manager, "DataPath", dir.Path().string());
    EXPECT_THROW(OleCall(manager, "VersionType"), EOleError);
    EXPECT_EQ(OleGet(manager, "ProductID"), Variant(5));
    // No catalogue in that folder: every message names itself.
    EXPECT_NE(VarToStr(OleCall(manager, "GetMessage", {"E", "000038"})).find("E;000038"), std::string::npos);

    // A company's own parameters replace the common ones in place and add to them.
    Variant counter = OleCall(manager, "Com_Counter");
    Variant info = OleCall(counter, "GetSysInfo", {"C2"});
    ASSERT_EQ(info.HighBound(2), 2);
    EXPECT_EQ(info.At(0, 0), Variant("Sys001"));
    EXPECT_EQ(info.At(1, 0), Variant("3"));
    EXPECT_EQ(info.At(0, 2), Variant("SYS999"));
    EXPECT_EQ(OleCall(counter, "GetSysInfo", {"C1"}).At(1, 0), Variant("1"));
}

TEST_F(HostObjectsTest, DataFilesThatAreNoRegularFilesReadAsMissing) {
    TempDir dir;
    ASSERT_EQ(mkfifo((dir.Path() / "messages.ini").c_str(), 0600), 0) << "a FIFO would block the manager";
    ASSERT_EQ(symlink("/dev/zero", (dir.Path() / "hostdata.ini").c_str()), 0) << "an endless file";
    OleSet(manager, "DataPath", dir.Path().string());
    EXPECT_NE(VarToStr(OleCall(manager, "GetMessage", {"E", "000038"})).find("E;000038"), std::string::npos);
    EXPECT_EQ(OleGet(manager, "ProductID"), Variant(1)) << "the default product";
}

TEST_F(HostObjectsTest, InstallationFolderComesFromTheEnvironment) {
    TempDir dir;
    dir.Write("hostdata.ini", "[Manager]\nProductID=9\n");
    setenv("ZNP_INSTALL", dir.Path().c_str(), 1);
    Variant other = CreateOleObject("OstrelWorkCenter.Manager");
    unsetenv("ZNP_INSTALL");
    EXPECT_EQ(OleGet(other, "DataPath"), Variant(dir.Path().string()));
    EXPECT_EQ(OleGet(other, "ProductID"), Variant(9));
}

TEST_F(HostObjectsTest, CounterGivesTheSystemParametersAsATwoRowArray) {
    Variant counter = OleCall(manager, "Com_Counter");
    std::vector<Variant> args{"C1"};
    Variant info = OleCall(counter, "GetSysInfo", args);
    EXPECT_EQ(args[0], Variant("C1"));
    ASSERT_EQ(info.DimCount(), 2);
    EXPECT_EQ(info.LowBound(1), 0);
    EXPECT_EQ(info.HighBound(1), 1);
    EXPECT_EQ(info.LowBound(2), 0);
    std::map<std::string, std::string> params;
    for (int i = 0; i <= info.HighBound(2); ++i) params[VarToStr(info.At(0, i))] = VarToStr(info.At(1, i));
    EXPECT_EQ(params["Sys001"], "1");
    EXPECT_EQ(params["Sys002"], "/");
    for (const char* name : {"ZNP002", "SYS026", "SYS181"}) EXPECT_FALSE(params[name].empty()) << name;
}

TEST_F(HostObjectsTest, CountersCountPerNameAndCompany) {
    Variant counter = OleCall(manager, "Com_Counter");
    Variant params = Variant::ArrayOf({""});
    auto next = [&](const char* name, const char* company) {
        return OleCall(counter, "GetCounter", {name, params, Variant::ArrayOf({company, "DB"})});
    };
    EXPECT_EQ(next("JOBNO", "C1"), Variant("1"));
    EXPECT_EQ(next("JOBNO", "C1"), Variant("2"));
    EXPECT_EQ(next("JOBNO", "C2"), Variant("1"));
    EXPECT_EQ(next("OTHER", "C1"), Variant("1"));
}

TEST_F(HostObjectsTest, ValidatorAnswersTheProgramMasterThroughTheDataArgument) {
    Variant validator = OleCall(manager, "Com_Validator");
    OleSet(validator, "ProductID", 3);
    OleSet(validator, "BaseLimited", "L\x03" "0\x03");
    EXPECT_EQ(OleGet(validator, "ProductID"), Variant(3));
    EXPECT_EQ(OleGet(validator, "BaseLimited"), Variant("L\x03" "0\x03"));

    for (const char* call : {"QueryData", "CheckValue"}) {
        std::vector<Variant> args{"ADMMB", "01", "DB", Variant::ArrayOf({"kvtr42"}), Variant()};
        ASSERT_EQ(OleCall(validator, call, args), Variant(true)) << call;
        const Variant& row = args[4];
        ASSERT_EQ(row.HighBound(), 7);
        EXPECT_EQ(row[0], Variant(std::string("叫修单列表"))) << call;
        EXPECT_EQ(row[4], Variant("Y"));
        EXPECT_EQ(row[7], Variant("Repair Call List"));
    }
    struct Case {
        const char* table;
        const char* query;
        const char* key;
        bool found;
        int element;
        const char* value;
    } cases[] = {
        {"ADMMB", "11", "KVTR43", true, 3, "Y"},  // no direct query
        {"ADMMB", "11", "KVTR42", true, 3, "N"},
        {"ADMMB", "01", "KVTR41", true, 4, "N"},  // no logging
        {"ADMMB", "01", "NOPROG", false, 0, ""},
        {"CMSMA", "02", "", true, 0, "http://127.0.0.1:8080"},
        {"CUSMA", "01", "C002", true, 2, "XSJ"},
        {"CUSMA", "01", "C999", false, 0, ""},
        {"ZZZZZ", "01", "X", false, 0, ""},
    };
    for (const auto& c : cases) {
        std::vector<Variant> args{c.table, c.query, "DB", Variant::ArrayOf({c.key}), "stale"};
        Variant found = OleCall(validator, "QueryData", args);
        EXPECT_EQ(found, Variant(c.found)) << c.table << "/" << c.query << " " << c.key;
        if (c.found)
            EXPECT_EQ(args[4][c.element], Variant(c.value)) << c.table << "/" << c.query << " " << c.key;
        else
            EXPECT_TRUE(args[4].IsEmpty()) << c.table << "/" << c.query << " " << c.key;
    }
    std::vector<Variant> four{"ADMMB", "01", "DB", "KVTR42"};
    EXPECT_THROW(OleCall(validator, "QueryData", four), EOleError);
}

TEST_F(HostObjectsTest, F2WindowLooksUpListsDatesAndPhrases) {
    Variant all = Lookup("CUSMA", "01", true, "");
    ASSERT_TRUE(all.IsArray());
    EXPECT_EQ(all.HighBound(), 2);
    EXPECT_EQ(all[0][0], Variant("C001"));
    Variant filtered = Lookup("CUSMA", "01", true, "XSJ");
    ASSERT_EQ(filtered.HighBound(), 0);
    EXPECT_EQ(filtered[0][0], Variant("C002"));
    EXPECT_EQ(Lookup("CUSMA", "01", false, "")[0], Variant("C001"));
    EXPECT_TRUE(Lookup("CUSMA", "01", true, "nothing like it").IsEmpty());
    EXPECT_TRUE(Lookup("NOTAB", "01", false, "").IsEmpty());

    Variant f2 = OleCall(manager, "Com_F2Window");
    EXPECT_THROW(OleCall(f2, "F2GetData", {Variant::ArrayOf({"CUSMA"})}), EOleError);
    EXPECT_EQ(OleCall(f2, "ShowInputDay", {Variant::ArrayOf({false, "20261130", "DB"})}), Variant("20261130"));
    // No start date: the picker offers today, by the process's clock.
    FixedClock clock(46000.75);
    EXPECT_EQ(OleCall(f2, "ShowInputDay", {Variant::ArrayOf({false, "", "DB"})}), Variant("20251209"));
    EXPECT_EQ(OleCall(f2, "ShowInputDay", {Variant::ArrayOf({true, "2025", "DB"})}), Variant("20251209"));
    EXPECT_EQ(OleCall(f2, "GetPhrase", {"U1", "DB", 0}), Variant(std::string()));
}

// The scheme check of the save dialog asks the validator; the schemes live on the report server.
TEST_F(HostObjectsTest, ValidatorFindsSchemesOnTheReportServerWhateverTheUICodePage) {
    Variant server = CreateOleObject("ReportCounterS.dmReportCounter");
    const std::string name = "月报方案";  // code page 936 bytes, as the database holds them
    ASSERT_EQ(OleCall(server, "InsertConTable",
                      {Variant::ArrayOf({name, "genes-u1", "20261211", "KVTR42", "sp01", "value", false})}),
              Variant(std::string()));
    Variant validator = OleCall(manager, "Com_Validator");
    auto check = [&](const Variant& schemeName, const char* user, Variant& data) {
        std::vector<Variant> args{"GENES", "01", "DB", Variant::ArrayOf({schemeName, user, "KVTR42"}), Variant()};
        Variant found = OleCall(validator, "CheckValue", args);
        data = args[4];
        return found;
    };
    Variant data;
    EXPECT_EQ(check(name, "genes-u1", data), Variant(true));
    EXPECT_EQ(data[4], Variant("value"));
    EXPECT_EQ(check(name, "genes-u2", data), Variant(false));
    EXPECT_TRUE(data.IsEmpty());

    // A wide name is read as code page 936 even in a Big5 user interface.
    std::string previous = VariantCodePage();
    SetVariantCodePage("950");
    Variant wide(BytesToWide(name, "936"));
    Variant found = check(wide, "genes-u1", data);
    SetVariantCodePage(previous);
    EXPECT_EQ(found, Variant(true));
}

// The report's own lookups: text sets by kind, repair-call orders by type and number, customers
// and receiving staff by filter; the validator's default print texts and text sets by number.
TEST_F(HostObjectsTest, ReportLookupsAnswerFromTheInstallationsData) {
    const Variant footers = Lookup("CMSMS", "01", true, "", Variant::ArrayOf({"1"}));
    ASSERT_TRUE(footers.IsArray());
    EXPECT_EQ(footers.HighBound(), 1);
    EXPECT_EQ(footers[0], Variant::ArrayOf({"F01", "内部报表", "本报表仅供内部使用", "", ""}));
    EXPECT_EQ(Lookup("CMSMS", "01", false, "", Variant::ArrayOf({"2"}))[0], Variant("S01"));
    EXPECT_TRUE(Lookup("CMSMS", "01", true, "", Variant::ArrayOf({"9"})).IsEmpty());

    struct Case {
        const char* type;
        const char* number;
        int rows;
    } orders[] = {{"KV01", "", 2}, {"KV01", "20261202", 1}, {" KV02", "2026      ", 1}, {"", "", 3}, {"XX", "", 0}};
    for (const auto& c : orders) {
        const Variant rows = Lookup("RMATA", "03", true, "", Variant::ArrayOf({c.type, c.number}));
        EXPECT_EQ(rows.IsArray() ? rows.HighBound() + 1 : 0, c.rows) << c.type << "-" << c.number;
    }
    EXPECT_EQ(Lookup("RMATA", "03", false, "", Variant::ArrayOf({"KV02", ""}))[1], Variant("20261203001"));
    EXPECT_EQ(Lookup("COPMA", "01", true, "XSJ", Variant::ArrayOf({""}))[0][0], Variant("C002"));
    EXPECT_EQ(Lookup("CMSMK", "01", true, "", Variant::ArrayOf({"C", "C"})).HighBound(), 1);

    Variant validator = OleCall(manager, "Com_Validator");
    std::vector<Variant> texts{"CMSMT", "01", "DB", Variant::ArrayOf({"kvtr42"}), Variant()};
    ASSERT_EQ(OleCall(validator, "CheckValue", texts), Variant(true));
    ASSERT_EQ(texts[4].HighBound(), 11);
    EXPECT_EQ(texts[4][0], Variant("F01"));
    EXPECT_EQ(texts[4][1], Variant("Y"));
    EXPECT_EQ(texts[4][9], Variant("制表人:"));
    std::vector<Variant> none{"CMSMT", "01", "DB", Variant::ArrayOf({"KVTR41"}), Variant()};
    EXPECT_EQ(OleCall(validator, "CheckValue", none), Variant(false));
    std::vector<Variant> set{"CMSMS", "01", "DB", Variant::ArrayOf({"2", "S02"}), Variant()};
    ASSERT_EQ(OleCall(validator, "CheckValue", set), Variant(true));
    EXPECT_EQ(set[4], Variant::ArrayOf({"S02", "经办人:", "主管:", ""}));
    for (const Variant& params : {Variant::ArrayOf({"1", "S01"}), Variant::ArrayOf({"1"}), Variant("F01")}) {
        std::vector<Variant> missing{"CMSMS", "01", "DB", params, Variant()};
        EXPECT_EQ(OleCall(validator, "CheckValue", missing), Variant(false));
    }
}
