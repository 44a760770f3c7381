// The repair-call list report: its form, defaults, conditions in the request, layout codes,
// lookups, direct query and host-driven runs, driven as a user or the host would.
#include <stdlib.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "controls/ExtPageControl.h"
#include "controls/BitCheckBox.h"
#include "controls/SelectPnl.h"
#include "controls/ZnRadio.h"
#include "fixture/FormFixture.h"
#include "forms/report/Kvtr42CF.h"
#include "platform/Application.h"
#include "platform/Buttons.h"
#include "platform/ClassRegistry.h"
#include "platform/Clock.h"
#include "platform/ComboBox.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/ListView.h"
#include "platform/Mask.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "platform/SystemInfo.h"
#include "runtime/LibStrs.h"

using namespace znp;
using namespace znp::test;
namespace fs = std::filesystem;

namespace {

Variant Row(std::vector<Variant> items) { return Variant::ArrayOf(std::move(items)); }
const std::string R(1, '\x04');

std::string Shown(const Variant& v) {
    if (!v.IsArray()) return v.IsEmpty() ? "(empty)" : "'" + VarToStr(v) + "'";
    std::string s = "[";
    for (int i = v.LowBound(); i <= v.HighBound(); ++i) s += (i > v.LowBound() ? ", " : "") + Shown(v[i]);
    return s + "]";
}
const std::string L(1, '\x05');

class Kvtr42 : public FormTest {
protected:
    Kvtr42() : clock_(46150.5), sink_("ZnpTest.ServerModuleSink", "Module") {
        sink_.Object().Method("Run", 1, [this](std::vector<Variant>&) -> Variant {
            if (!RunFailure.empty()) throw Exception(RunFailure);
            return Variant();
        });
        sink_.Object().Method("MessageText", 0, [this](std::vector<Variant>&) { return Status; });
        sink_.Object().Method("Free", 0, [](std::vector<Variant>&) { return Variant(); });
        fakes_.Manager().SetMessage("E", "000013", "后台处理失败: %s");
        fakes_.Manager().SetMessage("I", "000004", "作业 %s 已登记");
        fakes_.Manager().SetMessage("W", "000014", "条件 %s 无法设定");
    }

    // The server settings name one work folder holding the test's server module.
    void InstallServerModule() {
        const std::string folder = installation_->Folder() + "/S_PKG/";
        fs::create_directories(folder);
        std::ofstream(getenv("ZNP_REGISTRY"), std::ios::app) << "ServerPath=" << installation_->Folder() << "\n";
        std::ofstream(installation_->Folder() + "/TrovaneS.ini") << "[WorkDLLPath]\nPath0=" << folder << "\n";
        fs::copy_file(KV_TEST_SERVER_MODULE, folder + "KVTR42S.so", fs::copy_options::overwrite_existing);
    }

    TfrmKvtr42* SetUpForm() {
        auto* form = CreateForm<TfrmKvtr42>();
        EXPECT_TRUE(form->Setup(HostParams()));
        dialogs_->Clear();
        fakes_.Log().Clear();
        return form;
    }

    Variant SentPackage() {
        const RecordedCall* sent = fakes_.Log().Last("ReportServer", "Request");
        return sent ? sent->Args[0] : Variant();
    }
    std::vector<RecordedCall> Runs() { return sink_.Log().Of("Module", "Run"); }

    FixedClock clock_;
    ScopedFakeClass sink_;
    Variant Status = Variant("");
    std::string RunFailure;
};

TEST_F(Kvtr42, TheFormHasBothPagesAndEveryCondition) {
    auto* form = SetUpForm();
    EXPECT_EQ(form->Name(), "frmKvtr42");
    EXPECT_EQ(form->ProgramId, "KVTR42");
    EXPECT_EQ(form->ConditionCount, 14);
    EXPECT_EQ(form->pgOption->Width(), 415);
    EXPECT_EQ(form->Panel1->Top(), 401);
    ASSERT_EQ(form->tsOption1->Caption(), "基本选项");
    EXPECT_EQ(form->TabSheet1->Caption(), "高级选项");
    EXPECT_EQ(form->sp01->Style(), TSelectStyle::sp_UserChoice);
    EXPECT_TRUE(form->sp01->UserChoice());
    EXPECT_EQ(form->sp01->OtherWidth, 400);
    EXPECT_EQ(form->sp01->UserChoiceBox->Hint, "用户自定输入方式");
    EXPECT_EQ(form->sp02->Style(), TSelectStyle::sp_Range);
    EXPECT_EQ(form->sp03->ValueType, TValueType::vt_Date);
    EXPECT_FALSE(form->sp06->UserChoice());
    EXPECT_EQ(form->sp05->GlyphIndex(), 39);
    EXPECT_EQ(form->rg04->Items()->Count(), 2);
    EXPECT_EQ(form->rg04->ItemIndex(), 0);
    EXPECT_EQ(form->cbo08->Items()->Count(), 7);
    EXPECT_EQ((*form->cbo08->Items())[6], "全部");
    EXPECT_EQ(form->chk10->Caption(), "打印单身明细");
    EXPECT_FALSE(form->chk10->Checked());
    const std::vector<std::string> firstPage{"sp01", "sp02", "sp03", "rg04", "sp05", "sp06"};
    std::vector<std::string> order;
    for (TWinControl* c : form->tsOption1->TabList()) order.push_back(c->Name());
    EXPECT_EQ(order, firstPage);
}

TEST_F(Kvtr42, SetupAppliesMasksLimitsAndDefaults) {
    auto* form = SetUpForm();
    EXPECT_EQ(form->sp01->EditMask(), "!aaaa\\-aaaaaaaaaaa;0; ");
    for (TComboBox* list : {form->cbo07, form->cbo08, form->cbo09}) {
        EXPECT_EQ(list->ItemIndex(), 0) << list->Name();
        EXPECT_FALSE(list->Sorted()) << list->Name();
    }
    const std::vector<TControl*> last(form->PageLastControls.begin(), form->PageLastControls.end());
    EXPECT_NE(std::find(last.begin(), last.end(), form->sp06), last.end());
    EXPECT_NE(std::find(last.begin(), last.end(), form->chk10), last.end());
    EXPECT_NE(form->DateFields.find("sp02,sp03"), std::string::npos) << form->DateFields;
}

TEST_F(Kvtr42, AnEleventhCharacterIsRefusedInCustomersAndStaff) {
    auto* form = SetUpForm();
    form->Show();
    for (TSelectPanel* panel : {form->sp05, form->sp06}) {
        if (!panel->IsRangeMode()) panel->UserChoiceBox->Click();
        for (TSelectMaskEdit* edit : {panel->BeginEdit, panel->FinalEdit}) {
            edit->SetFocus();
            for (char c : std::string("ABCDEFGHIJK")) form->TypeChar(c);
            EXPECT_EQ(edit->Text(), "ABCDEFGHIJ") << panel->Name();
        }
    }
}

// The default form, collected for the report server, element by element.
TEST_F(Kvtr42, TheDefaultPackageAsSent) {
    auto* form = SetUpForm();
    form->btnOk->Click();
    const Variant package = SentPackage();
    ASSERT_TRUE(package.IsArray());
    ASSERT_EQ(package.HighBound(), 2);
    const Variant expectedEnv = Row({"KVTR42", 14, 14, "C01", "U01", "DEMO", Variant::FromDate(46150.5), "KVTR42S.Class1",
                                     "R", 0, Variant::FromDate(46150.5), "", 1, "B"});
    const Variant& env = package[0];
    ASSERT_EQ(env.LowBound(), 1);
    ASSERT_EQ(env.HighBound(), 14);
    for (int i = 1; i <= 14; ++i) EXPECT_EQ(env[i], expectedEnv[i - 1]) << "environment " << i;
    const Variant expectedTexts = Row({
        Row({"选择叫修单号", "sp01"}), Row({"选择单据日期", "sp02"}), Row({"选择审核日期", "sp03"}),
        Row({"选择排序", "rg04"}),     Row({"选择客户编号", "sp05"}), Row({"选择接单人员", "sp06"}),
        Row({"选择审核状态", "cbo07"}), Row({"选择状态码", "cbo08"}), Row({"选择派工码", "cbo09"}),
        Row({"打印单身明细", "chk10"}), Row({"签核", "grpSignIn"}),  Row({"页脚", "grpNote"}),
        Row({"日期类型", "cboDateType"}), Row({"制表日期", "edPrintDate"})});
    const Variant expectedValues = Row({
        // sp01 and sp05 let the user type (a range), sp06 is a list.
        Row({R, "", ""}), Row({R, "", ""}), Row({R, "", ""}), Row({1, "单据日期"}), Row({R, "", ""}), Row({L}),
        Row({1, "已审核"}),
        Row({0, "未处理"}), Row({0, "未派工"}), "N",
        Row({"每页打印签核", false, "S01", "制表人:", "审核人:", ""}),
        Row({"每页打印页脚", false, "F01", "页脚一", "", ""}), Row({1, "公历 YYYYMMDD"}), ""});
    for (int i = 1; i <= 14; ++i) {
        EXPECT_EQ(package[1][i], expectedTexts[i - 1]) << "text " << i;
        EXPECT_EQ(package[2][i], expectedValues[i - 1]) << "value " << i << ": " << Shown(package[2][i]);
    }
}

TEST_F(Kvtr42, ListsSendTheirCodesAndTheLayoutCodeFollowsSortAndDetails) {
    struct Case {
        int sort;
        bool details;
        int status;
        int dispatch;
        int approval;
        Variant statusValue, dispatchValue, approvalValue;
        const char* layout;
    };
    const Case cases[] = {
        {0, true, 6, 3, 3, Row({9, "全部"}), Row({9, "全部"}), Row({4, "全部"}), "A"},
        {0, false, 5, 2, 2, Row({5, "交货完成"}), Row({2, "送原厂"}), Row({3, "作废"}), "B"},
        {1, true, 3, 1, 1, Row({3, "送供应商归还"}), Row({1, "转维修站"}), Row({2, "未审核"}), "C"},
        {1, false, 0, 0, 0, Row({0, "未处理"}), Row({0, "未派工"}), Row({1, "已审核"}), "D"},
    };
    for (const Case& c : cases) {
        auto* form = SetUpForm();
        form->miOKNoExit->Click();
        fakes_.Log().Clear();
        form->rg04->Buttons(c.sort)->Click();
        form->chk10->SetChecked(c.details);
        form->cbo07->SelectItem(c.approval);
        form->cbo08->SelectItem(c.status);
        form->cbo09->SelectItem(c.dispatch);
        form->btnOk->Click();
        const Variant package = SentPackage();
        ASSERT_TRUE(package.IsArray()) << c.layout;
        const Variant& values = package[2];
        EXPECT_EQ(values[4], Row({c.sort + 1, c.sort == 0 ? "单据日期" : "审核日期"})) << c.layout;
        EXPECT_EQ(values[7], c.approvalValue) << c.layout;
        EXPECT_EQ(values[8], c.statusValue) << c.layout;
        EXPECT_EQ(values[9], c.dispatchValue) << c.layout;
        EXPECT_EQ(values[10], Variant(c.details ? "Y" : "N")) << c.layout;
        EXPECT_EQ(package[0][14], Variant(c.layout));
        EXPECT_EQ(form->Output.FormatCode, c.layout);
    }
}

TEST_F(Kvtr42, OrderNumbersLeaveWithoutTheirMaskAndDatesAsDateTexts) {
    auto* form = SetUpForm();
    form->Show();
    form->sp01->BeginEdit->SetFocus();
    for (char c : std::string("KV0120261201001")) form->TypeChar(c);
    form->sp01->FinalEdit->SetFocus();
    for (char c : std::string("KV02")) form->TypeChar(c);
    form->sp02->BeginEdit->SetText("2026/12/31");
    form->sp02->FinalEdit->SetText("2026/12/01");
    form->sp06->AddRow({"E001"});
    form->btnOk->Click();
    const Variant package = SentPackage();
    ASSERT_TRUE(package.IsArray());
    const Variant& values = package[2];
    EXPECT_EQ(values[1], Row({R, "KV0120261201001", "KV02"})) << Shown(values[1]);
    EXPECT_EQ(values[2], Row({R, "20261201", "20261231"}));
    EXPECT_EQ(values[6], Row({L, Row({"E001"})}));
}

TEST_F(Kvtr42, F2OnAnOrderSplitsAtTheFirstDash) {
    fakes_.F2Window().Lookups[{"RMATA", "03"}] = Row({"KV01", "20261201001", "C001", "20261201"});
    auto* form = SetUpForm();
    form->Show();
    TSelectMaskEdit* edit = form->sp01->BeginEdit;
    ASSERT_TRUE(form->sp01->IsRangeMode());
    edit->SetFocus();
    for (char c : std::string("KV012026")) form->TypeChar(c);
    form->QuickPick(VK_F2, edit);
    const RecordedCall* asked = fakes_.Log().Last("F2Window", "F2GetData");
    ASSERT_NE(asked, nullptr);
    EXPECT_EQ(asked->Args[0][0], Variant("RMATA"));
    EXPECT_EQ(asked->Args[0][1], Variant("03"));
    EXPECT_EQ(asked->Args[0][2], Row({"KV01", "2026       "}));
    EXPECT_EQ(asked->Args[0][3], Variant(false)) << "one row while the user types the number";
    EXPECT_EQ(edit->EditText(), "KV01-20261201001");
}

TEST_F(Kvtr42, F2OnTheOtherConditionsAsksTheirTables) {
    fakes_.F2Window().Lookups[{"COPMA", "01"}] = Row({Row({"C002", "新世纪贸易公司"})});
    fakes_.F2Window().Lookups[{"CMSMK", "01"}] = Row({Row({"E001", "王小明"}), Row({"E002", "李华"})});
    fakes_.F2Window().PickedDate = "20261224";
    auto* form = SetUpForm();
    form->Show();
    form->sp05->BeginEdit->SetFocus();
    form->TypeChar('C');
    form->QuickPick(VK_F2, form->sp05->BeginEdit);
    const RecordedCall* customers = fakes_.Log().Last("F2Window", "F2GetData");
    ASSERT_NE(customers, nullptr);
    EXPECT_EQ(customers->Args[0][0], Variant("COPMA"));
    EXPECT_EQ(customers->Args[0][2], Row({""}));
    EXPECT_EQ(customers->Args[0][4], Variant("C")) << "the edit's text filters";
    EXPECT_EQ(form->sp05->BeginEdit->Text(), "C002");
    form->QuickPick(VK_F2, form->sp06->ListView);
    const RecordedCall* staff = fakes_.Log().Last("F2Window", "F2GetData");
    EXPECT_EQ(staff->Args[0][0], Variant("CMSMK"));
    EXPECT_EQ(staff->Args[0][2], Row({"C", "C"}));
    EXPECT_EQ(form->sp06->ListView->ItemCount(), 2);
    form->QuickPick(VK_F2, form->sp03->FinalEdit);
    EXPECT_EQ(form->sp03->FinalEdit->Text(), "2026/12/24");
}

TEST_F(Kvtr42, LookupsWithoutAnswerChangeNothing) {
    fakes_.F2Window().Lookups[{"RMATA", "03"}] = Variant("not rows");
    auto* form = SetUpForm();
    form->Show();
    form->sp01->BeginEdit->SetFocus();
    form->QuickPick(VK_F2, form->sp01->BeginEdit);
    form->QuickPick(VK_F2, form->sp06->ListView);
    EXPECT_EQ(Trim(form->sp01->BeginEdit->Text()), "");
    EXPECT_EQ(form->sp06->ListView->ItemCount(), 0);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Kvtr42, DirectQueryWithoutLogRunsTheModuleWithoutAJob) {
    InstallServerModule();
    auto* form = SetUpForm();
    ASSERT_TRUE(form->btnQuery->Enabled());
    form->btnQuery->Click();
    EXPECT_EQ(fakes_.Log().Count("ReportServer", "Request1"), 0);
    ASSERT_EQ(Runs().size(), 1u);
    const Variant params = Runs()[0].Args[0];
    ASSERT_EQ(params.HighBound(), 11) << Shown(params);
    EXPECT_EQ(params[0], Variant(""));
    EXPECT_EQ(params[1], Variant("B"));
    EXPECT_EQ(params[2], Variant("C01"));
    EXPECT_EQ(params[3], Variant("U01"));
    EXPECT_EQ(params[4], Variant("DEMO"));
    EXPECT_EQ(params[5].HighBound(), 14);
    EXPECT_EQ(params[6], Variant(1));
    EXPECT_EQ(params[7], Variant("R"));
    EXPECT_EQ(params[8], Variant("0001"));
    EXPECT_EQ(params[10], Variant(1));
    EXPECT_EQ(params[11], Variant("936"));
    EXPECT_TRUE(Boxes().empty()) << "an empty status says nothing";
    EXPECT_TRUE(form->btnQuery->Enabled());
    EXPECT_EQ(form->ResultCode, 0);
}

TEST_F(Kvtr42, DirectQueryWithLogRegistersTheJobWithTheMachineName) {
    InstallServerModule();
    SetComputerName("REPAIRDESK01");
    fakes_.Validator().SetProgram("KVTR42", "叫修单列表", true);
    fakes_.ReportServer().JobAnswer = "202612010001";
    auto* form = SetUpForm();
    form->btnQuery->Click();
    SetComputerName("");
    const RecordedCall* registered = fakes_.Log().Last("ReportServer", "Request1");
    ASSERT_NE(registered, nullptr);
    EXPECT_EQ(registered->Args[1], Variant("REPAIRDESK01"));
    ASSERT_EQ(Runs().size(), 1u);
    EXPECT_EQ(Runs()[0].Args[0][0], Variant("202612010001"));
    EXPECT_EQ(Runs()[0].Args[0][8], Variant("202612010001"));
    EXPECT_EQ(fakes_.Log().Count("ReportServer", "UpdateStatus1"), 0);
}

TEST_F(Kvtr42, AFailedRegistrationStillRunsWithError) {
    InstallServerModule();
    fakes_.Validator().SetProgram("KVTR42", "叫修单列表", true);
    fakes_.ReportServer().FailOn("Request1");
    auto* form = SetUpForm();
    form->btnQuery->Click();
    ASSERT_EQ(Runs().size(), 1u);
    EXPECT_EQ(Runs()[0].Args[0][0], Variant("ERROR"));
    EXPECT_EQ(Runs()[0].Args[0][8], Variant("ERROR0001"));
}

TEST_F(Kvtr42, WhatTheRunSaysIsShownAfterIt) {
    struct Case {
        const char* name;
        const char* failure;
        std::u16string status;
        std::vector<std::string> boxes;
        TMsgDlgType kind;
    };
    const Case cases[] = {
        {"status", "", u"报表已产生", {"报表已产生; "}, TMsgDlgType::mtInformation},
        {"only separators", "", u" ; ;", {}, TMsgDlgType::mtInformation},
        {"run raises", "磁盘已满", u"", {"产生报表失败! 原因: \r磁盘已满; "}, TMsgDlgType::mtError},
    };
    for (const Case& c : cases) {
        InstallServerModule();
        RunFailure = c.failure;
        Status = Variant(c.status);
        auto* form = SetUpForm();
        form->btnQuery->Click();
        EXPECT_EQ(Boxes(), c.boxes) << c.name;
        if (!c.boxes.empty()) {
            EXPECT_EQ(dialogs_->Records().back().Request.Type, c.kind) << c.name;
        }
        EXPECT_TRUE(form->btnQuery->Enabled()) << c.name;
    }
}

TEST_F(Kvtr42, WithoutAModuleNothingRunsAndNothingIsReportedAsDone) {
    auto* form = SetUpForm();
    form->btnQuery->Click();
    EXPECT_TRUE(Runs().empty());
    for (const std::string& box : Boxes()) EXPECT_EQ(box.find("产生报表失败"), std::string::npos) << box;
    EXPECT_TRUE(form->btnQuery->Enabled());
    EXPECT_EQ(form->ResultCode, 0);
}

TEST_F(Kvtr42, HostDrivenConditionsByNameAreSubmitted) {
    auto* form = SetUpForm();
    // A shell hands everything over as text: a whole number still picks an item.
    const Variant values = Row({Row({"rg04", "1"}), Row({"chk10", "True"}), Row({"cbo08", 6})});
    form->RunWithParams(Row({true, Row({2, Row({true, values})})}));
    const Variant package = SentPackage();
    ASSERT_TRUE(package.IsArray());
    EXPECT_EQ(package[0][14], Variant("C"));
    EXPECT_EQ(package[2][8], Row({9, "全部"}));
    EXPECT_EQ(form->rg04->Caption(), "选择排序");
    EXPECT_EQ(form->ResultCode, 1);
}

TEST_F(Kvtr42, HostDrivenValuesThatDoNotFitAreRefusedWhole) {
    struct Case {
        const char* name;
        Variant values;
    };
    const Case cases[] = {
        {"unknown control", Row({Row({"rg04", 1}), Row({"sp99", "x"})})},
        {"no Boolean", Row({Row({"rg04", 1}), Row({"chk10", "vielleicht"})})},
        {"array for a text", Row({Row({"rg04", 1}), Row({"cbo07", Row({1, 2})})})},
    };
    for (const Case& c : cases) {
        auto* form = SetUpForm();
        form->RunWithParams(Row({true, Row({2, Row({true, c.values})})}));
        EXPECT_EQ(fakes_.Log().Count("ReportServer", "Request"), 0) << c.name;
        EXPECT_EQ(form->rg04->ItemIndex(), 0) << c.name << ": nothing half-applied";
        EXPECT_EQ(Boxes().size(), 1u) << c.name;
        EXPECT_TRUE(IsAlive(form)) << c.name;
    }
}

}  // namespace

namespace {

TEST_F(Kvtr42, AHostDrivenQueryRunsTheReportAndCloses) {
    InstallServerModule();
    Status = Variant(std::u16string(u"报表已产生"));
    auto* form = SetUpForm();
    form->RunWithParams(Row({true, Row({4, Row({true, Row({Row({"chk10", true})})})})}));
    ASSERT_EQ(Runs().size(), 1u);
    EXPECT_EQ(Runs()[0].Args[0][1], Variant("A"));
    EXPECT_EQ(fakes_.Log().Count("ReportServer", "Request"), 0);
    Application().ProcessMessages();
    EXPECT_FALSE(IsAlive(form));
}

}  // namespace
