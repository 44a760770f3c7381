// The periodic schedule, driven as a user would: the periodic button's presses and release, the
// cycle modes and ranges with their required fields and input rules, the first run of every mode
// and what a periodic request carries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BaseOptScheduleFixture.h"
#include "controls/BitCheckBox.h"
#include "controls/ZnRadio.h"
#include "controls/ZnSpinEdit.h"
#include "controls/ExtPageControl.h"
#include "platform/Buttons.h"
#include "platform/ComCtrls.h"
#include "platform/ComboBox.h"
#include "platform/ExtCtrls.h"
#include "platform/Mask.h"
#include "platform/Spin.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"

using namespace znp;
using namespace znp::test;

namespace {

using Schedule = ScheduleTest;

TEST_F(Schedule, TheFirstPressResetsTheScheduleAndStartsToday) {
    auto* form = SetUpForm();
    Get<TEdit>(form, "edOwn")->SetText("x");
    form->SetRequiredFields("edOwn");
    // Values a program may have left before the first press do not survive it.
    Get<TSpinEdit>(form, "meDay")->SetText("7");
    Get<TComboBox>(form, "cboDayofWeek")->SetItemIndex(4);
    form->btnPeriod->Click();

    EXPECT_TRUE(form->tsPeriodOption->TabVisible());
    EXPECT_EQ(form->pgOption->ActivePage(), form->tsPeriodOption);
    for (const char* name : {"meDay", "meWeek", "meMonth_M1", "meMonth_D", "meMonth_M2"})
        EXPECT_EQ(Get<TControl>(form, name)->Text(), "1") << name;
    for (const char* name : {"cboDayofWeek", "cbo1Month_M2", "cbo2Month_M2"})
        EXPECT_EQ(Get<TComboBox>(form, name)->ItemIndex(), 0) << name;
    EXPECT_EQ(form->meStartDate->Text(), "2024/05/01");
    EXPECT_EQ(form->edDate->Text(), "2024/05/01");
    EXPECT_TRUE(form->rdoExceptTime->Checked());
    EXPECT_FALSE(form->grpGenTime->Enabled());
    EXPECT_EQ(form->Schedule.BaseRequired, "edOwn");
    EXPECT_EQ(form->Schedule.CycleRequired, "meDay,meStartDate");
    EXPECT_EQ(form->RequiredFields, "meDay,meStartDate,edDate,edOwn");
    EXPECT_FALSE(form->Schedule.PeriodicInitPending);
    EXPECT_TRUE(Get<TPanel>(form, "pnDay")->Visible());
}

TEST_F(Schedule, EveryModeBringsItsPanelAndRequiredFields) {
    struct Case {
        const char* radio;
        const char* row;  // the month row clicked after the mode, or null
        const char* panel;
        const char* required;
    };
    const Case cases[] = {
        {"rdoEveryWeek", nullptr, "pnWeek", "meWeek,meStartDate"},
        {"rdoEveryMonth", nullptr, "pnMonth", "meMonth_M1,meMonth_D,meStartDate"},
        {"rdoEveryMonth", "rdomonth_2", "pnMonth", "meMonth_M2,meStartDate"},
        {"rbEveryHour", nullptr, "pnEveryHour", "edEveryHour,meStartDate"},
        {"rdoEveryday", nullptr, "pnDay", "meDay,meStartDate"},
    };
    auto* form = PeriodicForm();
    for (const Case& c : cases) {
        Get<TZnRadioButton>(form, c.radio)->Click();
        if (c.row) Get<TZnRadioButton>(form, c.row)->Click();
        for (const char* panel : {"pnDay", "pnWeek", "pnMonth", "pnEveryHour"})
            EXPECT_EQ(Get<TPanel>(form, panel)->Visible(), std::string(panel) == c.panel) << c.radio << " " << panel;
        EXPECT_EQ(form->Schedule.CycleRequired, c.required) << c.radio;
        EXPECT_EQ(form->RequiredFields, std::string(c.required) + ",edDate") << c.radio;
        EXPECT_FALSE(form->Generation.SchedulingChange);
    }
    // The week and month panels stand where the day panel stands.
    EXPECT_EQ(Get<TPanel>(form, "pnWeek")->Left(), Get<TPanel>(form, "pnDay")->Left());
    EXPECT_EQ(Get<TPanel>(form, "pnMonth")->Top(), Get<TPanel>(form, "pnDay")->Top());
}

TEST_F(Schedule, RangeRadiosFollowTheirEditsAndBringTheirRequiredFields) {
    auto* form = PeriodicForm();
    Get<TSpinEdit>(form, "meCycleRang_2")->SetText("5");
    EXPECT_TRUE(Get<TZnRadioButton>(form, "rbCycleRang_2")->Checked());
    EXPECT_EQ(form->Schedule.RangeRequired, "meCycleRang_2");
    EXPECT_EQ(form->RequiredFields, "meDay,meStartDate,meCycleRang_2,edDate");
    form->meEndDate->SetText("2024/06/01");
    EXPECT_TRUE(Get<TZnRadioButton>(form, "rbCycleRang_3")->Checked());
    EXPECT_EQ(form->Schedule.RangeRequired, "meEndDate");
    Get<TZnRadioButton>(form, "rbCycleRang_1")->Click();
    EXPECT_EQ(form->Schedule.RangeRequired, "");
    EXPECT_EQ(form->RequiredFields, "meDay,meStartDate,edDate");
}

TEST_F(Schedule, PressReleasePressKeepsTheWeeklyMode) {
    auto* form = PeriodicForm();
    Get<TZnRadioButton>(form, "rdoEveryWeek")->Click();
    Pick(form, "cboDayofWeek", 3);
    Get<TSpinEdit>(form, "meWeek")->SetText("2");
    form->btnPeriod->Click();
    EXPECT_FALSE(form->btnPeriod->Down());
    EXPECT_EQ(form->RequiredFields, "");
    EXPECT_TRUE(form->rdoQueue->Checked());
    form->btnPeriod->Click();
    EXPECT_TRUE(Get<TZnRadioButton>(form, "rdoEveryWeek")->Checked());
    EXPECT_EQ(Get<TComboBox>(form, "cboDayofWeek")->ItemIndex(), 3);
    EXPECT_EQ(Get<TControl>(form, "meWeek")->Text(), "2");
    for (const char* panel : {"pnDay", "pnWeek", "pnMonth", "pnEveryHour"})
        EXPECT_EQ(Get<TPanel>(form, panel)->Visible(), std::string(panel) == "pnWeek") << panel;
    EXPECT_EQ(form->Schedule.CycleRequired, "meWeek,meStartDate");
    EXPECT_EQ(form->RequiredFields, "meWeek,meStartDate,edDate");
}

TEST_F(Schedule, AnEmptyRequiredFieldElsewhereKeepsThePeriodicModeOff) {
    auto* form = SetUpForm();
    form->SetRequiredFields("edOwn");
    form->btnPeriod->Click();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"必须输入"});
    EXPECT_FALSE(form->btnPeriod->Down());
    EXPECT_FALSE(form->tsPeriodOption->TabVisible());
    EXPECT_TRUE(form->rdoQueue->Checked());
}

TEST_F(Schedule, TheCycleModeArrayOfEveryMode) {
    struct Case {
        const char* name;
        void (*set)(TfrmBaseOpt*);
        Variant expected;
    };
    const Case cases[] = {
        {"days",
         [](TfrmBaseOpt* f) { Get<TSpinEdit>(f, "meDay")->SetText("3"); },
         Variant::ArrayOf({Variant(0), Variant("3")})},
        {"weeks",
         [](TfrmBaseOpt* f) {
             Get<TZnRadioButton>(f, "rdoEveryWeek")->Click();
             Get<TSpinEdit>(f, "meWeek")->SetText("2");
             Pick(f, "cboDayofWeek", 6);
         },
         Variant::ArrayOf({Variant(1), Variant::ArrayOf({Variant("2"), Variant(6)})})},
        {"months by day",
         [](TfrmBaseOpt* f) {
             Get<TZnRadioButton>(f, "rdoEveryMonth")->Click();
             Get<TSpinEdit>(f, "meMonth_M1")->SetText("3");
             Get<TSpinEdit>(f, "meMonth_D")->SetText("15");
         },
         Variant::ArrayOf({Variant(2), Variant::ArrayOf({Variant(0), Variant("3"), Variant("15")})})},
        {"months by weekday",
         [](TfrmBaseOpt* f) {
             Get<TZnRadioButton>(f, "rdoEveryMonth")->Click();
             Get<TZnRadioButton>(f, "rdomonth_2")->Click();
             Get<TSpinEdit>(f, "meMonth_M2")->SetText("2");
             Pick(f, "cbo1Month_M2", 4);
             Pick(f, "cbo2Month_M2", 5);
         },
         Variant::ArrayOf({Variant(2), Variant::ArrayOf({Variant(1), Variant("2"), Variant(4), Variant(5)})})},
        {"hours",
         [](TfrmBaseOpt* f) {
             Get<TZnRadioButton>(f, "rbEveryHour")->Click();
             Get<TEdit>(f, "edEveryHour")->SetText("0.5");
         },
         Variant::ArrayOf({Variant(3), Variant(0.5)})},
    };
    for (const Case& c : cases) {
        auto* form = PeriodicForm();
        c.set(form);
        form->GetCycleMode();
        EXPECT_EQ(form->Schedule.CycleMode, c.expected) << c.name;
        form->btnOk->Click();
        const Variant sent = Sent();
        ASSERT_TRUE(sent.IsArray()) << c.name << " " << (Boxes().empty() ? "" : Boxes()[0]);
        ASSERT_EQ(sent.HighBound(), 4) << c.name;
        EXPECT_EQ(sent[3][2], c.expected) << c.name;
        EXPECT_EQ(sent[0][9], Variant("r")) << c.name;
        fakes_.Log().Clear();
    }
}

// Every worked example of the first run, each from its start date through the form.
TEST_F(Schedule, FirstRunOfTheWorkedExamples) {
    struct Case {
        const char* name;
        const char* start;
        void (*set)(TfrmBaseOpt*);
        const char* first;
    };
    const Case cases[] = {
        {"every day", "2024/01/15", [](TfrmBaseOpt* f) { Get<TSpinEdit>(f, "meDay")->SetText("5"); }, "20240115"},
        {"weekly Wednesday from Monday", "2024/01/15",
         [](TfrmBaseOpt* f) {
             Get<TZnRadioButton>(f, "rdoEveryWeek")->Click();
             Pick(f, "cboDayofWeek", 3);
         },
         "20240117"},
        {"every 2 weeks on Monday from Wednesday", "2024/01/17",
         [](TfrmBaseOpt* f) {
             Get<TZnRadioButton>(f, "rdoEveryWeek")->Click();
             Get<TSpinEdit>(f, "meWeek")->SetText("2");
             Pick(f, "cboDayofWeek", 1);
         },
         "20240129"},
        {"day 31 in a leap February", "2024/02/10",
         [](TfrmBaseOpt* f) {
             Get<TZnRadioButton>(f, "rdoEveryMonth")->Click();
             Get<TSpinEdit>(f, "meMonth_D")->SetText("31");
         },
         "20240229"},
        {"day 31 in a 30-day month", "2024/04/10",
         [](TfrmBaseOpt* f) {
             Get<TZnRadioButton>(f, "rdoEveryMonth")->Click();
             Get<TSpinEdit>(f, "meMonth_D")->SetText("31");
         },
         "20240430"},
        {"day 5 already past", "2024/01/10",
         [](TfrmBaseOpt* f) {
             Get<TZnRadioButton>(f, "rdoEveryMonth")->Click();
             Get<TSpinEdit>(f, "meMonth_D")->SetText("5");
         },
         "20240205"},
        {"day 15 of every 3 months", "2024/01/10",
         [](TfrmBaseOpt* f) {
             Get<TZnRadioButton>(f, "rdoEveryMonth")->Click();
             Get<TSpinEdit>(f, "meMonth_M1")->SetText("3");
             Get<TSpinEdit>(f, "meMonth_D")->SetText("15");
         },
         "20240315"},
        {"last Friday", "2024/01/10",
         [](TfrmBaseOpt* f) {
             Get<TZnRadioButton>(f, "rdoEveryMonth")->Click();
             Get<TZnRadioButton>(f, "rdomonth_2")->Click();
             Pick(f, "cbo1Month_M2", 4);
             Pick(f, "cbo2Month_M2", 5);
         },
         "20240126"},
        {"last Wednesday on the month's last day", "2024/01/10",
         [](TfrmBaseOpt* f) {
             Get<TZnRadioButton>(f, "rdoEveryMonth")->Click();
             Get<TZnRadioButton>(f, "rdomonth_2")->Click();
             Pick(f, "cbo1Month_M2", 4);
             Pick(f, "cbo2Month_M2", 3);
         },
         "20240131"},
        {"first Monday before the start", "2024/01/10",
         [](TfrmBaseOpt* f) {
             Get<TZnRadioButton>(f, "rdoEveryMonth")->Click();
             Get<TZnRadioButton>(f, "rdomonth_2")->Click();
             Pick(f, "cbo1Month_M2", 0);
             Pick(f, "cbo2Month_M2", 1);
         },
         "20240205"},
        {"second Tuesday of every 3 months", "2024/01/10",
         [](TfrmBaseOpt* f) {
             Get<TZnRadioButton>(f, "rdoEveryMonth")->Click();
             Get<TZnRadioButton>(f, "rdomonth_2")->Click();
             Get<TSpinEdit>(f, "meMonth_M2")->SetText("3");
             Pick(f, "cbo1Month_M2", 1);
             Pick(f, "cbo2Month_M2", 2);
         },
         "20240312"},
    };
    for (const Case& c : cases) {
        auto* form = PeriodicForm();
        c.set(form);
        form->meStartDate->SetText(c.start);
        form->sePeriodHour->SetText("7");
        form->sePeriodMin->SetText("5");
        form->btnOk->Click();
        EXPECT_EQ(form->Schedule.FirstRunDate, c.first) << c.name;
        const Variant sent = Sent();
        ASSERT_TRUE(sent.IsArray()) << c.name;
        const int y = std::stoi(std::string(c.first).substr(0, 4)), m = std::stoi(std::string(c.first).substr(4, 2)),
                  d = std::stoi(std::string(c.first).substr(6, 2));
        EXPECT_DOUBLE_EQ(sent[0][11].AsDouble(), DateAt(y, m, d, 7, 5)) << c.name;
        EXPECT_EQ(sent[0][10], Variant(2)) << c.name;
        EXPECT_EQ(sent[3][1], Variant("07:05")) << c.name;
        fakes_.Log().Clear();
    }
}

TEST_F(Schedule, TheScheduleArrayAndItsRanges) {
    struct Case {
        const char* name;
        void (*set)(TfrmBaseOpt*);
        Variant range;
    };
    const Case cases[] = {
        {"no end", [](TfrmBaseOpt*) {}, Variant::ArrayOf({Variant("20240501"), Variant(0)})},
        {"after repeats",
         [](TfrmBaseOpt* f) { Get<TSpinEdit>(f, "meCycleRang_2")->SetText("12"); },
         Variant::ArrayOf({Variant("20240501"), Variant(1), Variant("12")})},
        {"until a date",
         [](TfrmBaseOpt* f) { f->meEndDate->SetText("2024/12/31"); },
         Variant::ArrayOf({Variant("20240501"), Variant(2), Variant("20241231")})},
        {"an end equal to the start",
         [](TfrmBaseOpt* f) { f->meEndDate->SetText("2024/05/01"); },
         Variant::ArrayOf({Variant("20240501"), Variant(2), Variant("20240501")})},
    };
    for (const Case& c : cases) {
        auto* form = PeriodicForm();
        c.set(form);
        form->btnOk->Click();
        const Variant sent = Sent();
        ASSERT_TRUE(sent.IsArray()) << c.name << " " << (Boxes().empty() ? "" : Boxes()[0]);
        const Variant expected = Variant::ArrayOf(
            {Variant("Y"), Variant("00:00"), Variant::ArrayOf({Variant(0), Variant("1")}), c.range});
        EXPECT_EQ(sent[3], expected) << c.name;
        EXPECT_EQ(Boxes().size(), 1u) << c.name;  // the job number only
        fakes_.Log().Clear();
    }
}

TEST_F(Schedule, AnEndDateBeforeTheStartIsRefused) {
    auto* form = PeriodicForm();
    form->meStartDate->SetText("2024/05/10");
    form->meEndDate->SetFocus();
    form->meEndDate->SetText("2024/05/09");
    form->sePeriodHour->SetFocus();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"退出日期不能早于开始日期"});
    EXPECT_TRUE(form->CheckFailed);
    EXPECT_TRUE(form->meEndDate->Focused());
    // Nor does it go out with the request.
    dialogs_->Clear();
    form->btnOk->Click();
    EXPECT_EQ(fakes_.Log().Count("ReportServer", "Request"), 0);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"退出日期不能早于开始日期"});
    // Leaving with an end on the start is accepted and clears the failure.
    dialogs_->Clear();
    form->meEndDate->SetText("2024/05/10");
    form->sePeriodHour->SetFocus();
    EXPECT_TRUE(Boxes().empty());
    EXPECT_FALSE(form->CheckFailed);
    // Without the end-date range an earlier end is not compared.
    form->meEndDate->SetFocus();
    form->meEndDate->SetText("2024/05/01");
    Get<TZnRadioButton>(form, "rbCycleRang_1")->Click();
    form->sePeriodHour->SetFocus();
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Schedule, LeavingTheScheduleEditsKeepsTheirLimits) {
    struct Case {
        const char* mode;  // the cycle mode whose panel shows the edit
        const char* edit;
        const char* typed;
        const char* left;
    };
    const Case cases[] = {
        {"rdoEveryday", "sePeriodHour", "", "0"},       {"rdoEveryday", "sePeriodHour", "0", "0"},
        {"rdoEveryday", "sePeriodHour", "99", "23"},    {"rdoEveryday", "sePeriodMin", "75", "59"},
        {"rdoEveryday", "meDay", "0", "1"},             {"rdoEveryday", "meDay", "", "1"},
        {"rdoEveryday", "meDay", "-4", "1"},            {"rdoEveryday", "meDay", "1000", "999"},
        {"rdoEveryWeek", "meWeek", "0", "1"},           {"rdoEveryMonth", "meMonth_M1", "", "1"},
        {"rdoEveryMonth", "meMonth_M2", "0", "1"},      {"rdoEveryMonth", "meMonth_D", "0", "1"},
        {"rdoEveryMonth", "meMonth_D", "45", "31"},     {"rdoEveryMonth", "meMonth_D", "31", "31"},
        {"rdoEveryday", "meCycleRang_2", "0", "1"},     {"rdoEveryday", "meCycleRang_2", "999", "999"},
        {"rbEveryHour", "edEveryHour", "0", "1"},       {"rbEveryHour", "edEveryHour", "", "1"},
        {"rbEveryHour", "edEveryHour", "0.0", "1"},     {"rbEveryHour", "edEveryHour", "0.5", "0.5"},
    };
    auto* form = PeriodicForm();
    for (const Case& c : cases) {
        Get<TZnRadioButton>(form, c.mode)->Click();
        auto* edit = Get<TCustomEdit>(form, c.edit);
        edit->SetFocus();
        edit->SetText(c.typed);
        Get<TWinControl>(form, std::string(c.edit) == "sePeriodHour" ? "sePeriodMin" : "sePeriodHour")->SetFocus();
        EXPECT_EQ(edit->Text(), c.left) << c.edit << " '" << c.typed << "'";
    }
}

// What the schedule sends keeps to the same rules when an edit was never left.
TEST_F(Schedule, ValuesTypedWithoutLeavingAreSentWithinTheLimits) {
    auto* form = PeriodicForm();
    Get<TZnRadioButton>(form, "rdoEveryMonth")->Click();
    Get<TSpinEdit>(form, "meMonth_M1")->SetText("0");
    Get<TSpinEdit>(form, "meMonth_D")->SetText("77");
    form->sePeriodHour->SetText("30");
    form->btnOk->Click();
    const Variant sent = Sent();
    ASSERT_TRUE(sent.IsArray());
    EXPECT_EQ(sent[3][1], Variant("23:00"));
    EXPECT_EQ(sent[3][2], Variant::ArrayOf({Variant(2), Variant::ArrayOf({Variant(0), Variant("1"), Variant("31")})}));
}

TEST_F(Schedule, TheHoursEditTakesDigitsAndOneDecimalPoint) {
    auto* form = PeriodicForm();
    Get<TZnRadioButton>(form, "rbEveryHour")->Click();
    auto* hours = Get<TEdit>(form, "edEveryHour");
    hours->SetFocus();
    hours->SetText("");
    for (char key : {'.', '1', 'a', '.', '2', '.', '5', '-', ' '}) {
        char k = key;
        hours->KeyPress(k);
    }
    EXPECT_EQ(hours->Text(), "1.25");
    char back = '\b';
    hours->KeyPress(back);
    EXPECT_EQ(hours->Text(), "1.2");
    // Six characters at most.
    hours->SetText("");
    for (char key : {'1', '2', '3', '4', '5', '6', '7'}) {
        char k = key;
        hours->KeyPress(k);
    }
    EXPECT_EQ(hours->Text(), "123456");
}

TEST_F(Schedule, AnHourlyScheduleSendsItsHoursAsANumberAndStartsNow) {
    auto* form = PeriodicForm();
    Get<TZnRadioButton>(form, "rbEveryHour")->Click();
    Get<TEdit>(form, "edEveryHour")->SetText("0.5");
    form->btnOk->Click();
    const Variant sent = Sent();
    ASSERT_TRUE(sent.IsArray());
    EXPECT_EQ(sent[3][2][1].AsDouble(), 0.5);
    EXPECT_FALSE(sent[3][2][1].IsText());
    EXPECT_EQ(form->Schedule.FirstRunDate, "");
    EXPECT_DOUBLE_EQ(sent[0][11].AsDouble(), DateAt(2024, 5, 1, 9, 0));
}

TEST_F(Schedule, AStartThatIsNoDateSendsNothing) {
    for (const bool hourly : {false, true}) {
        auto* form = PeriodicForm();
        if (hourly) Get<TZnRadioButton>(form, "rbEveryHour")->Click();
        form->meStartDate->SetText("2024/13/45");
        form->btnOk->Click();
        EXPECT_EQ(fakes_.Log().Count("ReportServer", "Request"), 0) << hourly;
        EXPECT_EQ(Boxes().size(), 1u) << hourly;
        dialogs_->Clear();
    }
}

TEST_F(Schedule, ThePageOfTheGenerationTimeShowsTheFirstRun) {
    auto* form = PeriodicForm();
    Get<TZnRadioButton>(form, "rdoEveryWeek")->Click();
    Pick(form, "cboDayofWeek", 5);  // Friday, from Wednesday 1 May
    form->sePeriodHour->SetText("18");
    form->sePeriodMin->SetText("30");
    ASSERT_TRUE(form->pgOption->ChangePageByUser(form->tsOption2));
    EXPECT_EQ(form->edDate->Text(), "2024/05/03");
    EXPECT_EQ(form->edHour->Text(), "18");
    EXPECT_EQ(form->edMin->Text(), "30");

    ASSERT_TRUE(form->pgOption->ChangePageByUser(form->tsPeriodOption));
    Get<TZnRadioButton>(form, "rbEveryHour")->Click();
    ASSERT_TRUE(form->pgOption->ChangePageByUser(form->tsOption2));
    EXPECT_EQ(form->edDate->Text(), "2024/05/01");
    EXPECT_EQ(form->edHour->Text(), "09");
    EXPECT_EQ(form->edMin->Text(), "00");
}

TEST_F(Schedule, ThePeriodicPageWidensTheForm) {
    auto* form = SetUpForm();
    form->SetBounds(0, 0, 400, 300);
    form->btnPeriod->Click();
    form->tsPeriodOptionShow(form->tsPeriodOption);
    EXPECT_GE(form->Width(), 538);
    EXPECT_GE(form->Height(), 424);
}

}  // namespace

namespace {

// The host presses the periodic button by name before it hands the schedule's values over.
TEST_F(Schedule, TheHostPressesThePeriodicButtonByName) {
    auto* form = SetUpForm();
    auto pair = [](const char* name, const Variant& value) { return Variant::ArrayOf({Variant(name), value}); };
    ASSERT_TRUE(form->CheckPassedByName(Variant::ArrayOf({pair("btnPeriod", Variant(true)),
                                                          pair("rdoEveryMonth", Variant(true)),
                                                          pair("meMonth_D", Variant("15")),
                                                          pair("meStartDate", Variant("2024/01/10")),
                                                          pair("edDue", Variant("2000/01/01")),
                                                          pair("cbocondition", Variant(1)),
                                                          pair("edChangeDate", Variant(true)),
                                                          pair("seDay1", Variant("-1")),
                                                          pair("cboDay1", Variant(1)),
                                                          pair("cboDay2", Variant(2))})));
    EXPECT_TRUE(form->btnPeriod->Down());
    EXPECT_TRUE(Get<TPanel>(form, "pnMonth")->Visible());
    form->btnOk->Click();
    const Variant sent = Sent();
    ASSERT_TRUE(sent.IsArray());
    EXPECT_EQ(sent[3][3], Variant::ArrayOf({Variant("20240110"), Variant(0)}));
    EXPECT_DOUBLE_EQ(sent[0][11].AsDouble(), DateAt(2024, 1, 15));
    // The due date is the last day of the month before the first run.
    EXPECT_EQ(sent[2][2], Variant("20231231"));
    // Releasing by name goes back to the queue.
    ASSERT_TRUE(form->CheckPassedByName(Variant::ArrayOf({pair("btnPeriod", Variant(false))})));
    EXPECT_FALSE(form->btnPeriod->Down());
    EXPECT_TRUE(form->rdoQueue->Checked());
}

}  // namespace
