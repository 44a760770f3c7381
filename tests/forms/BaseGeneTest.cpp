#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "fixture/FormFixture.h"
#include "forms/report/Kvtr42CF.h"
#include "platform/Application.h"
#include "platform/ClassRegistry.h"
#include "platform/Mask.h"
#include "platform/StdCtrls.h"
#include "platform/SystemInfo.h"

using namespace znp;
using namespace znp::test;

namespace {

TEST(ProgramId, DerivedFromTheModuleFileName) {
    struct Case {
        const char* path;
        const char* id;
        bool library;
    };
    const Case cases[] = {
        {"/opt/znp/C_PKG/ABCR10C.so", "ABCR10", true},
        {"/opt/znp/ABCR10xy.exe", "ABCR10", false},
        {"AB.so", "AB.SO", true},  // never fewer than six characters of the file name
        {"/x/AB.dll", "AB.DLL", false},
        {"/x/kvtr42c.SO", "KVTR42", true},
        {"/x/Kvtr42C.so", "KVTR42", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProgramIdOf(c.path), c.id) << c.path;
        EXPECT_EQ(IsLibraryPath(c.path), c.library) << c.path;
    }
}

class BaseGene : public FormTest {};

TEST_F(BaseGene, SetupConnectsToTheReportServerOnThisMachine) {
    auto* form = CreateForm();
    fakes_.Counter().SetSysParam("ZNP002", "8.7");
    fakes_.Validator().SetProgram("KVTR42", "叫修单列表", true);
    ASSERT_TRUE(form->Setup(HostParams()));
    EXPECT_EQ(form->UserId, "U01");
    EXPECT_EQ(form->CompanyId, "C01");
    EXPECT_EQ(form->DbName, "DEMO");
    EXPECT_EQ(form->HostWindow, 4711);
    EXPECT_EQ(form->HostContext, Variant("ctx"));
    EXPECT_EQ(form->ProgramId, "KVTR42");
    EXPECT_EQ(form->ServerClassName, "KVTR42S.Class1");
    EXPECT_EQ(form->ProgramTitle, "叫修单列表");
    EXPECT_TRUE(form->WantLog);
    EXPECT_EQ(form->VersionText, "8.7");
    EXPECT_TRUE(form->LocalServer);
    EXPECT_TRUE(form->ServerObject.IsObject());
    EXPECT_EQ(form->MainMidas->Address, "127.0.0.1");
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(Boxes().empty());
    EXPECT_FALSE(form->Setup(HostParams())) << "set-up runs once per form";
}

TEST_F(BaseGene, TheBaseLevelNamesNoServerSoSetupFails) {
    auto* form = CreateForm<TfrmBaseGene>();
    form->SetName("frmKVTR42");
    fakes_.Manager().SetMessage("E", "000006", "连不上");
    EXPECT_FALSE(form->Setup(HostParams()));
    EXPECT_EQ(Boxes(), std::vector<std::string>{"连不上"}) << "the form's own box, without the converter's margin";
    EXPECT_EQ(form->MessageIdLog, "E;000006; ");
    Application().ProcessMessages();
    EXPECT_FALSE(IsAlive(form)) << "the close request freed the form";
}

TEST_F(BaseGene, AFormOfAnotherProgramShowsTheMismatchAndNeverConnects) {
    auto* form = CreateForm();
    form->SetName("frmABD10");
    EXPECT_TRUE(form->Setup(HostParams()));
    EXPECT_EQ(form->MessageIdLog, "E;000036; ");
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_FALSE(form->ServerObject.IsObject());
    EXPECT_EQ(fakes_.Log().Count("ReportServer", "GetPower"), 0);
    Application().ProcessMessages();
    EXPECT_FALSE(IsAlive(form));
}

TEST_F(BaseGene, BadHostArraysFailWithTheErrorLoggedAndTheFormUsable) {
    const Variant cases[] = {
        Variant(),
        Variant::Null(),
        Variant("U01"),
        Variant::ArrayOf({Variant("U01"), Variant("C01")}),
        Variant::ArrayOf({Variant("U01"), Variant::Null(), Variant("DEMO"), Variant(0), Variant("x")}),
        Variant::ArrayOf({Variant("U01"), Variant("C01"), Variant("DEMO"), Variant("no number"), Variant("x")}),
        Variant::Array({{0, 4}, {0, 0}}),
        // A host window element that is no valid handle is refused, not wrapped into another one.
        Variant::ArrayOf({Variant("U01"), Variant("C01"), Variant("DEMO"), Variant(-1), Variant("x")}),
        Variant::ArrayOf({Variant("U01"), Variant("C01"), Variant("DEMO"), Variant(std::int64_t{1} << 32), Variant("x")}),
        Variant::ArrayOf({Variant("U01"), Variant("C01"), Variant("DEMO"), Variant(1e300), Variant("x")}),
        Variant::ArrayOf({Variant("U01"), Variant("C01"), Variant("DEMO"), Variant(true), Variant("x")}),
    };
    int index = 0;
    for (const Variant& params : cases) {
        auto* form = CreateForm();
            dialogs_->Clear();
        EXPECT_FALSE(form->Setup(params)) << index;
        EXPECT_NE(form->MessageIdLog.find("E;-1; "), std::string::npos) << index << ": " << form->MessageIdLog;
        ++index;
    }
}

TEST_F(BaseGene, ManagerFailuresDecideBetweenFailureAndDefaultProductCode) {
    auto* form = CreateForm();
    fakes_.Manager().FailOn("ProductID");
    EXPECT_TRUE(form->Setup(HostParams()));
    EXPECT_EQ(form->ProductCode, 3);

    auto* second = CreateForm();
    fakes_.Manager().FailOn("VersionType", "no version");
    EXPECT_FALSE(second->Setup(HostParams()));
    EXPECT_EQ(second->MessageIdLog, "E;-1; ");
    EXPECT_NE(second->MessageTextLog.find("no version"), std::string::npos);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(BaseGene, ConditionCountGrowsByLevel) {
    auto* form = CreateForm<TfrmKvtr42>();
    ASSERT_TRUE(form->Setup(HostParams()));
    EXPECT_EQ(form->ConditionCount, 14);
    EXPECT_EQ(form->EnvCount, 14);
    EXPECT_EQ(form->ReservedCount, 4);
    form->SetConditionCount(17);
    EXPECT_EQ(form->ConditionCount, 17);

    auto* base = CreateForm();
    ASSERT_TRUE(base->Setup(HostParams()));
    EXPECT_EQ(base->ConditionCount, 1);
    EXPECT_EQ(base->EnvCount, 9);
    // Sequence of the levels: base 1, report level 4, concrete report 14, then totals.
    base->ConditionCount = 0;
    base->ReservedCount = 1;
    const std::pair<int, int> steps[] = {{0, 1}, {0, 1}, {10, 11}, {3, 3}, {17, 17}};
    for (auto [n, expected] : steps) {
        base->SetConditionCount(n);
        EXPECT_EQ(base->ConditionCount, expected) << n;
    }
}

TEST_F(BaseGene, TitleLookupFallsBackToTheIdAndUsesTheEnglishNameOn437) {
    auto* failing = CreateForm();
    fakes_.Validator().FailOn("QueryData");
    ASSERT_TRUE(failing->Setup(HostParams()));
    EXPECT_EQ(failing->ProgramTitle, "");  // a query that fails answers nothing, it does not raise
    fakes_.Validator().StopFailing("QueryData");

    SetAnsiCodePage("437");
    auto* english = CreateForm();
    fakes_.Validator().SetProgram("KVTR42", "叫修单列表", false, false, "Repair Call List");
    ASSERT_TRUE(english->Setup(HostParams()));
    EXPECT_EQ(english->ProgramTitle, "Repair Call List");
    EXPECT_EQ(english->ProgramName, "Repair Call List");
    SetAnsiCodePage("936");
}

TEST_F(BaseGene, AProgramMasterRowTooShortForTheLogFlagTakesTheFailurePath) {
    const Variant shortRows[] = {
        Variant::ArrayOf({Variant("短"), Variant("KVTR42"), Variant("S"), Variant("R")}),
        Variant::ArrayOf(std::vector<Variant>{}),
        Variant("叫修单列表"),
    };
    for (const Variant& row : shortRows) {
        fakes_.Validator().SetProgramRow("KVTR42", row);
        auto* form = CreateForm();
        ASSERT_TRUE(form->Setup(HostParams()));
        EXPECT_EQ(form->ProgramTitle, "KVTR42") << VarToStr(row.IsArray() ? Variant("array") : row);
        EXPECT_EQ(form->ProgramName, "KVTR42");
        EXPECT_FALSE(form->WantLog);
    }
    // Five elements are enough.
    fakes_.Validator().SetProgramRow(
        "KVTR42", Variant::ArrayOf({Variant("叫修单列表"), Variant("KVTR42"), Variant("S"), Variant("R"), Variant("Y")}));
    auto* form = CreateForm();
    ASSERT_TRUE(form->Setup(HostParams()));
    EXPECT_EQ(form->ProgramTitle, "叫修单列表");
    EXPECT_TRUE(form->WantLog);
}

TEST_F(BaseGene, SystemParametersComeFromTheCacheWithClassificationDefaults) {
    auto* form = CreateForm();
    fakes_.Counter().SetSysParam("Sys001", "3");
    ASSERT_TRUE(form->Setup(HostParams()));
    EXPECT_EQ(form->GetSysParam("sys001"), "3");
    EXPECT_EQ(form->GetSysParam("SYS009"), "商品分类方式三");
    EXPECT_EQ(form->GetSysParam("nothing"), "");
    // The form reads its code pages when it is created.
    SetAnsiCodePage("437");
    auto* english = CreateForm();
    ASSERT_TRUE(english->Setup(HostParams()));
    EXPECT_EQ(english->GetSysParam("SYS009"), "Inv.Cate.3");
    SetAnsiCodePage("936");
}

TEST_F(BaseGene, ShowSetsTheCaptionFromTitleAndVersion) {
    auto* form = CreateForm();
    fakes_.Counter().SetSysParam("ZNP002", "8.7");
    fakes_.Validator().SetProgram("KVTR42", "叫修单列表");
    ASSERT_TRUE(form->Setup(HostParams()));
    form->Show();
    EXPECT_EQ(form->Caption(), "叫修单列表[8.7]");
    EXPECT_TRUE(form->Converted);
}

TEST_F(BaseGene, HostDrivenRunsByMode) {
    auto values = [](Variant entries) {
        return Variant::ArrayOf({Variant(true), Variant::ArrayOf({Variant(0), Variant::ArrayOf({Variant(true), entries})})});
    };
    const Variant good = Variant::ArrayOf({Variant::ArrayOf({Variant("edPrintDate"), Variant("2024/01/05")})});
    struct Case {
        int mode;
        bool okPressed;
        std::vector<int> autoExecuted;
        bool interactive;
    };
    const Case cases[] = {{0, false, {}, true}, {1, true, {}, true}, {2, true, {}, false},
                          {3, false, {3}, false}, {4, false, {4}, false}, {-1, true, {}, false}};
    for (const Case& c : cases) {
        auto* form = CreateForm();
        ASSERT_TRUE(form->Setup(HostParams()));
        Variant p = values(good);
        p[1][0] = Variant(c.mode);
        form->RunWithParams(p);
        EXPECT_EQ(form->OkClicks, c.okPressed ? 1 : 0) << c.mode;
        EXPECT_EQ(form->AutoExecuted, c.autoExecuted) << c.mode;
        EXPECT_EQ(form->InteractiveRun, c.interactive) << c.mode;
        EXPECT_EQ(form->edPrintDate->Text(), "2024/01/05") << "the value reached its control";
    }
}

TEST_F(BaseGene, HostDrivenValuesNamingAMissingOrUnsuitableComponentRunNothing) {
    const char* names[] = {"noSuchControl", "Splitter1", "MainMidas"};
    for (const char* name : names) {
        auto* form = CreateForm();
        ASSERT_TRUE(form->Setup(HostParams()));
        dialogs_->Clear();
        Variant entries = Variant::ArrayOf({Variant::ArrayOf({Variant("edPrintDate"), Variant("x")}),
                                            Variant::ArrayOf({Variant(name), Variant("y")})});
        form->RunWithParams(Variant::ArrayOf(
            {Variant(true), Variant::ArrayOf({Variant(1), Variant::ArrayOf({Variant(true), entries})})}));
        EXPECT_EQ(form->OkClicks, 0) << name;
        EXPECT_FALSE(form->AutoRunReady) << name;
        EXPECT_EQ(form->MessageIdLog, "W;000014; ") << name;
        EXPECT_EQ(form->edPrintDate->Text(), "") << "nothing is put in when a name fails";
    }
}

TEST_F(BaseGene, PositionalValuesAreNotSupported) {
    auto* form = CreateForm();
    ASSERT_TRUE(form->Setup(HostParams()));
    form->RunWithParams(Variant::ArrayOf({Variant(false), Variant::ArrayOf({Variant(1), Variant::ArrayOf({Variant(false),
                                                                         Variant::ArrayOf({Variant("x")})})})}));
    EXPECT_EQ(form->OkClicks, 0);
    EXPECT_FALSE(form->PassedByName);
}

TEST_F(BaseGene, StandAloneModuleSetsItselfUpWithTheHarness) {
    auto* form = dynamic_cast<TfrmTestGene*>(TfrmTestGene::StaticClass().Create(nullptr));
    Track(form);
    form->Manager = CreateOleObject("OstrelWorkCenter.Manager");
    form->SetModulePath("/opt/znp/KVTR42xy");
    EXPECT_EQ(form->UserId, "796");
    EXPECT_FALSE(form->CompanyId.empty());
    EXPECT_NE(form->MessageIdLog.find("E;000038"), std::string::npos);
    EXPECT_FALSE(form->Setup(HostParams())) << "the controller's own set-up then fails";
}

}  // namespace
