// The scheduling level: generation time, the environment it adds, the required-field merge,
// submission to the report server and the exit menu, driven as a user would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/ExtPageControl.h"
#include "controls/BitCheckBox.h"
#include "controls/ZnRadio.h"
#include "controls/ZnSpinEdit.h"
#include "fixture/FormFixture.h"
#include "forms/options/BaseOpt.h"
#include "platform/Application.h"
#include "platform/Buttons.h"
#include "platform/ClassRegistry.h"
#include "platform/Clock.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/FormReader.h"
#include "platform/Mask.h"
#include "platform/Menus.h"
#include "platform/Spin.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"
#include "runtime/LibStrs.h"

using namespace znp;
using namespace znp::test;

namespace {

// A program's level on top of the scheduling level: one condition of its own on the first page,
// and a cycle mode a test can set (the schedule's own rules are not this level's business).
class TfrmTestOpt : public TfrmBaseOpt {
public:
    ZNP_DECLARE_CLASS()
    using TfrmBaseOpt::TfrmBaseOpt;
    Variant TestCycleMode;
    void GetCycleMode() override { Schedule.CycleMode = TestCycleMode; }
};

const ClassInfo& TfrmTestOpt::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmTestOpt", &TfrmBaseOpt::StaticClass());
        c.Creatable<TfrmTestOpt>();
        return c;
    }();
    return info;
}

constexpr const char* kTestOptForm = R"(inherited frmKVTR42Opt: TfrmTestOpt
  inherited pgOption: TExtPageControl
    inherited tsOption1: TTabSheet
      object edOwn: TEdit
        Left = 8
        Top = 8
        Width = 100
        Height = 21
        TabOrder = 0
      end
    end
  end
end
)";

// A level with no condition of its own: nothing to keep in a scheme.
class TfrmBareOpt : public TfrmBaseOpt {
public:
    ZNP_DECLARE_CLASS()
    using TfrmBaseOpt::TfrmBaseOpt;
};

const ClassInfo& TfrmBareOpt::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmBareOpt", &TfrmBaseOpt::StaticClass());
        c.Creatable<TfrmBareOpt>();
        return c;
    }();
    return info;
}

// 2024-05-01 10:20:30 as a date value.
double May1At(int hour, int minute, int second) {
    double date = 0;
    TryEncodeDate(2024, 5, 1, date);
    return date + (hour * 3600 + minute * 60 + second) / 86400.0;
}

class BaseOpt : public FormTest {
protected:
    BaseOpt() : clock_(May1At(9, 0, 0)) {
        RegisterClass(TfrmTestOpt::StaticClass());
        RegisterFormResource("TfrmTestOpt", kTestOptForm);
        RegisterClass(TfrmBareOpt::StaticClass());
        RegisterFormResource("TfrmBareOpt", "inherited frmKVTR42Bare: TfrmBareOpt\nend\n");
        fakes_.Manager().SetMessage("E", "000005", "日期错误%s");
        fakes_.Manager().SetMessage("I", "000009", "[生成时间]");
        fakes_.Manager().SetMessage("I", "000010", "[不正确]");
        fakes_.Manager().SetMessage("E", "000013", "后台处理失败: %s");
        fakes_.Manager().SetMessage("I", "000004", "作业 %s 已登记");
    }

    TfrmTestOpt* SetUpForm() {
        auto* form = CreateForm<TfrmTestOpt>();
        EXPECT_TRUE(form->Setup(HostParams()));
        dialogs_->Clear();
        fakes_.Log().Clear();
        return form;
    }

    // The environment of the last request sent.
    Variant SentEnvironment() {
        const RecordedCall* sent = fakes_.Log().Last("ReportServer", "Request");
        return sent ? sent->Args[0][0] : Variant();
    }

    FixedClock clock_;
};

TEST_F(BaseOpt, StartsInTheQueueAndBindsToTheReportServer) {
    auto* form = CreateForm<TfrmTestOpt>();
    ASSERT_TRUE(form->Setup(HostParams()));
    EXPECT_TRUE(form->rdoQueue->Checked());
    EXPECT_FALSE(form->rdoRealTime->Checked());
    EXPECT_FALSE(form->pnlTime->Enabled());
    EXPECT_EQ(form->edDate->Text(), "");
    EXPECT_EQ(form->edHour->Text(), "0");
    EXPECT_EQ(form->edHour->MaxValue, 23);
    EXPECT_EQ(form->edMin->MaxValue, 59);
    EXPECT_EQ(form->edSec->MaxLength, 2);
    EXPECT_TRUE(form->Generation.ExitAfterProcessing);
    EXPECT_TRUE(form->btnOk->Glyph()->SamePixels(*form->btnOK02->Glyph()));
    EXPECT_FALSE(form->btnOK01->Glyph()->SamePixels(*form->btnOK02->Glyph()));
    EXPECT_FALSE(form->grpAlarm->Visible());
    EXPECT_FALSE(form->tsPeriodOption->TabVisible());
    EXPECT_EQ(form->EnvCount, 12);
    EXPECT_EQ(form->F2Flags, 4);
    EXPECT_TRUE(form->F2Window.IsObject());
    EXPECT_EQ(form->DateFields.rfind("edDate,meStartDate,meEndDate", 0), 0u) << form->DateFields;
    EXPECT_EQ(form->MainMidas->ServerName, "ReportCounterS.dmReportCounter");
    const RecordedCall* power = fakes_.Log().Last("ReportServer", "GetPower");
    ASSERT_NE(power, nullptr);
    EXPECT_EQ(power->Args[0], Variant::ArrayOf({"DEMO", "U01", "KVTR42", std::string()}));
    EXPECT_EQ(form->SchemeKeys, "edOwn.text;");
    EXPECT_TRUE(form->pnlCondition->Visible());
}

TEST_F(BaseOpt, RightsThatCannotBeLoadedLeaveTheFormUsable) {
    struct Case {
        const char* name;
        bool raise;
        Variant answer;
    };
    const Case cases[] = {
        {"server raises", true, Variant()},
        {"no array", false, Variant("nothing")},
        {"short row", false, Variant::ArrayOf({"KVTR42"})},
        {"two dimensions", false, Variant::Array({{0, 1}, {0, 1}})},
    };
    for (const Case& c : cases) {
        if (c.raise) fakes_.ReportServer().FailOn("GetPower");
        fakes_.ReportServer().RightsRecord = c.answer;
        auto* form = CreateForm<TfrmTestOpt>();
        EXPECT_TRUE(form->Setup(HostParams())) << c.name;
        EXPECT_EQ(form->SchemeKeys, "edOwn.text;") << c.name;
        EXPECT_TRUE(Boxes().empty()) << c.name;
        fakes_.ReportServer().StopFailing("GetPower");
        form->btnOk->Click();
        EXPECT_EQ(fakes_.Log().Count("ReportServer", "Request"), 1) << c.name;
        fakes_.Log().Clear();
        dialogs_->Clear();
    }
}

TEST_F(BaseOpt, AFormWithoutSchemeControlsHidesTheSchemePane) {
    auto* form = CreateForm<TfrmBareOpt>();
    ASSERT_TRUE(form->Setup(HostParams()));
    EXPECT_EQ(form->SchemeKeys, "");
    EXPECT_FALSE(form->pnlCondition->Visible());
}

TEST_F(BaseOpt, QueueAndRealTimeStartNowWhateverTheTimeEditsHold) {
    struct Case {
        const char* name;
        TZnRadioButton* TfrmTestOpt::*radio;
        int mode;
    };
    const Case cases[] = {{"queue", &TfrmTestOpt::rdoQueue, 0}, {"real time", &TfrmTestOpt::rdoRealTime, 1}};
    for (const Case& c : cases) {
        auto* form = SetUpForm();
        form->edDate->SetText("2030/01/02");
        form->edHour->SetText("23");
        (form->*c.radio)->Click();
        form->btnOk->Click();
        const Variant env = SentEnvironment();
        ASSERT_TRUE(env.IsArray()) << c.name;
        EXPECT_EQ(env.HighBound(), 12) << c.name;
        EXPECT_EQ(env[9], Variant("R")) << c.name;
        EXPECT_EQ(env[10], Variant(c.mode)) << c.name;
        EXPECT_DOUBLE_EQ(env[11].AsDouble(), May1At(9, 0, 0)) << c.name;
        EXPECT_EQ(env[12], Variant(std::string())) << c.name;
    }
}

TEST_F(BaseOpt, ASetTimeStartsAtTheDateAndTimeOfItsEdits) {
    auto* form = SetUpForm();
    form->rdoExceptTime->Click();
    EXPECT_TRUE(form->pnlTime->Enabled());
    EXPECT_EQ(form->Generation.GenTimeRequired, "edDate");
    form->edDate->SetText("2024/05/01");
    form->edHour->SetText("10");
    form->edMin->SetText("20");
    form->edSec->SetText("30");
    form->btnOk->Click();
    const Variant env = SentEnvironment();
    ASSERT_TRUE(env.IsArray());
    EXPECT_EQ(env[10], Variant(2));
    EXPECT_DOUBLE_EQ(env[11].AsDouble(), May1At(10, 20, 30));
}

TEST_F(BaseOpt, ASetTimeThatCannotBeReadSendsNothing) {
    struct Case {
        const char* name;
        const char* date;
        const char* hour;
    };
    const Case cases[] = {{"no date", "2024/13/45", "1"}, {"no number", "2024/05/01", "x"}, {"empty hour", "2024/05/01", ""}};
    for (const Case& c : cases) {
        auto* form = SetUpForm();
        form->rdoExceptTime->Click();
        form->edDate->SetText(c.date);
        form->edHour->SetText(c.hour);
        form->btnOk->Click();
        EXPECT_EQ(fakes_.Log().Count("ReportServer", "Request"), 0) << c.name;
        EXPECT_EQ(Boxes(), std::vector<std::string>{"日期错误[生成时间][不正确]"}) << c.name;
        EXPECT_EQ(form->ResultCode, 0) << c.name;
        EXPECT_TRUE(IsAlive(form)) << c.name;
    }
}

TEST_F(BaseOpt, AnHourlyScheduleStartsAtTheMomentOfCollection) {
    auto* form = SetUpForm();
    form->TestCycleMode = Variant::ArrayOf({Variant(3), Variant(1.0)});
    form->btnPeriod->Click();
    ASSERT_TRUE(form->btnPeriod->Down());
    EXPECT_TRUE(form->tsPeriodOption->TabVisible());
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsPeriodOption);
    EXPECT_TRUE(form->rdoExceptTime->Checked());
    EXPECT_FALSE(form->grpGenTime->Enabled());
    form->edDate->SetText("2030/01/02");
    form->btnOk->Click();
    const Variant env = SentEnvironment();
    ASSERT_TRUE(env.IsArray());
    EXPECT_EQ(env[9], Variant("r"));
    EXPECT_EQ(env[10], Variant(2));
    EXPECT_DOUBLE_EQ(env[11].AsDouble(), May1At(9, 0, 0));
}

TEST_F(BaseOpt, RaisingThePeriodicButtonGoesBackToTheQueue) {
    auto* form = SetUpForm();
    form->btnPeriod->Click();
    form->btnPeriod->Click();
    EXPECT_FALSE(form->btnPeriod->Down());
    EXPECT_FALSE(form->tsPeriodOption->TabVisible());
    EXPECT_TRUE(form->grpGenTime->Enabled());
    EXPECT_TRUE(form->rdoQueue->Checked());
    EXPECT_FALSE(form->pnlTime->Enabled());
    EXPECT_EQ(form->Generation.GenTimeRequired, "");
    EXPECT_EQ(form->pgOption->ActivePageIndex(), 0);
}

TEST_F(BaseOpt, SchedulingChangesKeepTheFormsOwnRequiredFields) {
    auto* form = SetUpForm();
    form->SetRequiredFields("edOwn;Y");
    form->rdoExceptTime->Click();
    EXPECT_EQ(form->RequiredFields, "edDate,edOwn;Y");
    form->rdoQueue->Click();
    EXPECT_EQ(form->RequiredFields, ",edOwn;Y");
    // The program replacing its own part keeps the scheduling fields.
    form->rdoExceptTime->Click();
    form->SetRequiredFields("edPrintDate");
    EXPECT_EQ(form->RequiredFields, "edPrintDate,edDate");
    EXPECT_FALSE(form->Generation.SchedulingChange);
}

TEST_F(BaseOpt, RequiredFieldMergeSkipsUnknownAndRepeatedNames) {
    auto* form = SetUpForm();
    form->SetRequiredFields("edOwn, noSuchControl, edOwn ;N;2, muOperation");
    EXPECT_EQ(form->RequiredFields, "edOwn, noSuchControl, edOwn ;N;2, muOperation");
    form->rdoExceptTime->Click();
    EXPECT_EQ(form->RequiredFields, "edDate,edOwn");
}

TEST_F(BaseOpt, AnEmptyDateIsRequiredBeforeASetTimeIsSubmitted) {
    fakes_.Manager().SetMessage("E", "000037", "必须输入");
    auto* form = SetUpForm();
    form->Show();
    form->rdoExceptTime->Click();
    form->btnOk->Click();
    EXPECT_EQ(fakes_.Log().Count("ReportServer", "Request"), 0);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"必须输入"});
}

TEST_F(BaseOpt, ASuccessfulSubmissionReportsTheJobAndCloses) {
    auto* form = SetUpForm();
    form->btnOk->Click();
    ASSERT_EQ(fakes_.Log().Count("ReportServer", "Request"), 1);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"作业 J0000001 已登记"});
    EXPECT_EQ(form->ResultCode, 1);
    EXPECT_EQ(form->ResultValue, Variant("J0000001"));
    Application().ProcessMessages();
    EXPECT_FALSE(IsAlive(form));
}

TEST_F(BaseOpt, StayingOpenLetsASecondRequestGoOut) {
    auto* form = SetUpForm();
    form->miOKNoExit->Click();
    EXPECT_FALSE(form->Generation.ExitAfterProcessing);
    EXPECT_TRUE(form->btnOk->Glyph()->SamePixels(*form->btnOK01->Glyph()));
    form->btnOk->Click();
    Application().ProcessMessages();
    ASSERT_TRUE(IsAlive(form));
    EXPECT_EQ(fakes_.Log().Count("ReportServer", "Request"), 2);
    EXPECT_EQ(form->ResultValue, Variant("J0000002"));
    form->miOKExit->Click();
    EXPECT_TRUE(form->btnOk->Glyph()->SamePixels(*form->btnOK02->Glyph()));
    EXPECT_EQ(form->ResultValue, Variant("J0000003"));
    Application().ProcessMessages();
    EXPECT_FALSE(IsAlive(form));
}

TEST_F(BaseOpt, TheArrowOpensTheExitMenuUnderOK) {
    auto* form = SetUpForm();
    form->Show();
    form->btnSpd->Click();
    EXPECT_EQ(form->btnSpd->Left(), form->btnOk->Left() + form->btnOk->Width());
    EXPECT_EQ(form->btnSpd->Top(), form->btnOk->Top());
    EXPECT_EQ(form->pmOKExit->PopupX, form->Left() + form->Panel1->Left() + form->btnOk->Left());
    EXPECT_EQ(form->pmOKExit->PopupY,
              form->Top() + form->Panel1->Top() + form->btnOk->Top() + form->btnOk->Height());
}

TEST_F(BaseOpt, ARefusedSubmissionIsReportedAndTheFormStays) {
    struct Case {
        const char* name;
        bool raise;
        Variant answer;
        bool describeRaises;
        const char* box;
    };
    const Case cases[] = {
        {"ERROR", false, Variant("ERROR"), false, "后台处理失败: Simulated report server failure"},
        {"error in lower case", false, Variant("error"), false, "后台处理失败: Simulated report server failure"},
        {"Request raises", true, Variant(), false, "后台处理失败: Simulated report server failure"},
        {"empty job number", false, Variant(""), false, "后台处理失败: Simulated report server failure"},
        {"job number no text", false, Variant::ArrayOf({1}), false, "后台处理失败: Simulated report server failure"},
        {"ErrorDescript raises", false, Variant("ERROR"), true, "后台处理失败: "},
    };
    for (const Case& c : cases) {
        auto* form = SetUpForm();
        if (c.raise) fakes_.ReportServer().FailOn("Request");
        if (c.describeRaises) fakes_.ReportServer().FailOn("ErrorDescript");
        // Any shape of answer, through the fake's method table.
        fakes_.ReportServer().Method("Request", 1, [&](std::vector<Variant>&) { return c.answer; });
        form->btnOk->Click();
        EXPECT_EQ(Boxes(), std::vector<std::string>{c.box}) << c.name;
        EXPECT_EQ(form->ResultCode, 0) << c.name;
        Application().ProcessMessages();
        EXPECT_TRUE(IsAlive(form)) << c.name;
        fakes_.ReportServer().StopFailing("Request");
        fakes_.ReportServer().StopFailing("ErrorDescript");
    }
}

TEST_F(BaseOpt, NoReportServerMeansNoSuccess) {
    auto* form = SetUpForm();
    form->ServerObject = Variant();
    form->btnOk->Click();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"后台处理失败: "});
    EXPECT_EQ(form->ResultCode, 0);
}

TEST_F(BaseOpt, AHostDrivenSubmissionRecordsTheJobWithoutABox) {
    auto* form = SetUpForm();
    form->RunWithParams(Variant::ArrayOf(
        {Variant(true), Variant::ArrayOf({Variant(2), Variant::ArrayOf({Variant(true),
                                                                       Variant::ArrayOf({Variant::ArrayOf(
                                                                           {"edOwn", "abc"})})})})}));
    EXPECT_EQ(fakes_.Log().Count("ReportServer", "Request"), 1);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_NE(form->MessageIdLog.find("I;-000004;J0000001"), std::string::npos) << form->MessageIdLog;
    EXPECT_EQ(form->ResultCode, 1);
}

TEST_F(BaseOpt, CancelClosesWithResultTwo) {
    auto* form = SetUpForm();
    form->btnCancel->Click();
    EXPECT_EQ(form->ResultCode, 2);
    Application().ProcessMessages();
    EXPECT_FALSE(IsAlive(form));
}

TEST_F(BaseOpt, TickingNotifySendsTheCurrentUserAsRecipient) {
    auto* form = SetUpForm();
    EXPECT_FALSE(form->btnNotify->Enabled());
    form->chkNotify->Click();
    EXPECT_TRUE(form->btnNotify->Enabled());
    form->btnOk->Click();
    EXPECT_EQ(SentEnvironment()[12],
              Variant("<?xml version=\"1.0\" encoding=\"GB2312\"?><Root><R1 ID=\"U01\" Name=\"\" Type=\"5\" "
                      "Msg=\"YNN\"/></Root>"));
}

}  // namespace

namespace {

TEST_F(BaseOpt, F2OnTheScheduleDatesOpensTheDatePicker) {
    fakes_.F2Window().PickedDate = "20240615";
    auto* form = SetUpForm();
    for (TMaskEdit* date : {form->edDate, form->meStartDate, form->meEndDate}) {
        date->SetText("");
        form->QuickPick(VK_F2, date);
        EXPECT_EQ(date->Text(), "2024/06/15") << date->Name();
    }
    form->QuickPick(VK_F2, form->edHour);
    EXPECT_EQ(form->edHour->Text(), "0");
}

}  // namespace
