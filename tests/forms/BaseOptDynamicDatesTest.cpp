// The dynamic date fields, driven as a user would: the entries of the movable date conditions,
// the editor's rules, and the first run's values and the list that a periodic request carries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BaseOptScheduleFixture.h"
#include "controls/BitCheckBox.h"
#include "controls/ZnRadio.h"
#include "controls/ZnSpinEdit.h"
#include "platform/Buttons.h"
#include "platform/ClassRegistry.h"
#include "platform/ComboBox.h"
#include "platform/ExtCtrls.h"
#include "platform/FormReader.h"
#include "platform/Menus.h"
#include "platform/Mask.h"
#include "platform/Spin.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"
#include "runtime/LibStrs.h"

using namespace znp;
using namespace znp::test;

namespace {

using DynamicDates = ScheduleTest;

// Fields joined by 0x03.
std::string Entry(const std::vector<std::string>& fields) {
    std::string text;
    for (size_t i = 0; i < fields.size(); ++i) text += (i ? "\x03" : "") + fields[i];
    return text;
}

// A level whose date-field list holds only the base forms' own date edits.
class TfrmNoDatesOpt : public TfrmBaseOpt {
public:
    ZNP_DECLARE_CLASS()
    using TfrmBaseOpt::TfrmBaseOpt;
};

const ClassInfo& TfrmNoDatesOpt::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmNoDatesOpt", &TfrmBaseOpt::StaticClass());
        c.Creatable<TfrmNoDatesOpt>();
        return c;
    }();
    return info;
}

// Sets one row of the editor as a user does: enters it, ticks it, types N and M, picks the unit
// and the anchor. Prefix "" for the single row, "_B" or "_E" for the range rows.
void SetRow(TfrmBaseOpt* form, const std::string& row, const std::string& n, int unit, int anchor, const std::string& m) {
    const std::string box = row.empty() ? "edChangeDate" : "spChangeDate" + row;
    const std::string base = row.empty() ? "Day" : "Day" + row;
    auto* moves = dynamic_cast<TBitCheckBox*>(form->FindComponent(box));
    if (!moves->Checked()) moves->Click();
    auto* nEdit = dynamic_cast<TSpinEdit*>(form->FindComponent("se" + base + "1"));
    nEdit->SetFocus();
    nEdit->SetText(n);
    dynamic_cast<TComboBox*>(form->FindComponent("cbo" + base + "1"))->SelectItem(unit);
    dynamic_cast<TComboBox*>(form->FindComponent("cbo" + base + "2"))->SelectItem(anchor);
    auto* mEdit = dynamic_cast<TSpinEdit*>(form->FindComponent("se" + base + "2"));
    if (mEdit->Enabled()) {
        mEdit->SetFocus();
        mEdit->SetText(m);
    }
}

TEST_F(DynamicDates, EveryMovableDateConditionGetsAnUntickedEntry) {
    auto* form = PeriodicForm();
    auto* items = Get<TComboBox>(form, "cbocondition");
    // edLoose is a date field but no condition; edOwn a condition but no date field.
    ASSERT_EQ(items->Items()->Count(), 2);
    EXPECT_EQ((*items->Items())[0], "单据日期");
    EXPECT_EQ((*items->Items())[1], "到期日");
    EXPECT_EQ(form->Dynamic.DynamicFields,
              (std::vector<std::string>{Entry({"0", "sp02", "N", "0", "0", "0", "0", "N", "0", "0", "0", "0", "D"}),
                                        Entry({"1", "edDue", "N", "0", "0", "0", "0", "D"})}));
    EXPECT_TRUE(Get<TGroupBox>(form, "gbDynamicFields")->Enabled());
    EXPECT_EQ(items->ItemIndex(), 0);
    EXPECT_TRUE(Get<TPanel>(form, "pnSp")->Visible());
    EXPECT_FALSE(Get<TPanel>(form, "pnEdit")->Visible());
    for (const char* editor : {"seDay_B1", "cboDay_B1", "cboDay_B2", "seDay_B2", "seDay_E1", "seDay_E2"})
        EXPECT_FALSE(Get<TWinControl>(form, editor)->Enabled()) << editor;

    items->SelectItem(1);
    EXPECT_FALSE(Get<TPanel>(form, "pnSp")->Visible());
    EXPECT_TRUE(Get<TPanel>(form, "pnEdit")->Visible());
}

TEST_F(DynamicDates, AFormWithOnlyTheBaseDateEditsHasNothingToMove) {
    RegisterClass(TfrmNoDatesOpt::StaticClass());
    RegisterFormResource("TfrmNoDatesOpt", "inherited frmKVTR42NoDates: TfrmNoDatesOpt\nend\n");
    auto* form = CreateForm<TfrmNoDatesOpt>();
    ASSERT_TRUE(form->Setup(HostParams()));
    form->Show();
    form->btnPeriod->Click();
    EXPECT_EQ(Get<TComboBox>(form, "cbocondition")->Items()->Count(), 0);
    EXPECT_FALSE(Get<TGroupBox>(form, "gbDynamicFields")->Enabled());
    form->btnOk->Click();
    const Variant sent = Sent();
    ASSERT_TRUE(sent.IsArray());
    EXPECT_EQ(sent[4], Variant::ArrayOf({Variant(0)}));
}

TEST_F(DynamicDates, TheEditorsRowAndAnchorRules) {
    auto* form = PeriodicForm();
    Get<TComboBox>(form, "cbocondition")->SelectItem(1);
    auto* moves = Get<TBitCheckBox>(form, "edChangeDate");
    moves->Click();
    for (const char* editor : {"seDay1", "cboDay1", "cboDay2", "seDay2"})
        EXPECT_TRUE(Get<TWinControl>(form, editor)->Enabled()) << editor;
    EXPECT_EQ(form->Dynamic.DynamicFields[1], Entry({"1", "edDue", "Y", "0", "0", "0", "0", "D"}));
    // First or last day take no M.
    Pick(form, "cboDay2", 1);
    EXPECT_FALSE(Get<TWinControl>(form, "seDay2")->Enabled());
    Pick(form, "cboDay2", 0);
    EXPECT_TRUE(Get<TWinControl>(form, "seDay2")->Enabled());
    moves->Click();
    for (const char* editor : {"seDay1", "cboDay1", "cboDay2", "seDay2"})
        EXPECT_FALSE(Get<TWinControl>(form, editor)->Enabled()) << editor;
    EXPECT_EQ(form->Dynamic.DynamicFields[1], Entry({"1", "edDue", "N", "0", "0", "0", "0", "D"}));
}

TEST_F(DynamicDates, OnlyAUserWhoEnteredTheEditorChangesTheEntry) {
    auto* form = PeriodicForm();
    Get<TComboBox>(form, "cbocondition")->SelectItem(1);
    Get<TBitCheckBox>(form, "edChangeDate")->Click();
    const std::string ticked = form->Dynamic.DynamicFields[1];
    // A change made by the program, without the user in the editor, writes nothing back.
    Get<TSpinEdit>(form, "seDay1")->SetText("5");
    EXPECT_EQ(form->Dynamic.DynamicFields[1], ticked);
    Get<TSpinEdit>(form, "seDay1")->SetFocus();
    Get<TSpinEdit>(form, "seDay1")->SetText("-3");
    EXPECT_EQ(form->Dynamic.DynamicFields[1], Entry({"1", "edDue", "Y", "-3", "0", "0", "0", "D"}));
    // Changing the item reloads the other entry and forgets the entering.
    Get<TComboBox>(form, "cbocondition")->SelectItem(0);
    EXPECT_FALSE(form->Dynamic.Editor.EditorEntered);
    Get<TComboBox>(form, "cbocondition")->SelectItem(1);
    EXPECT_TRUE(Get<TBitCheckBox>(form, "edChangeDate")->Checked());
    EXPECT_EQ(Get<TControl>(form, "seDay1")->Text(), "-3");
    EXPECT_EQ(form->Dynamic.DynamicFields[1], Entry({"1", "edDue", "Y", "-3", "0", "0", "0", "D"}));
}

TEST_F(DynamicDates, LeavingAnEditorSpinTurnsNoNumberIntoZero) {
    auto* form = PeriodicForm();
    SetRow(form, "_B", "-1", 1, 0, "");
    form->sePeriodHour->SetFocus();
    EXPECT_EQ(Get<TControl>(form, "seDay_B1")->Text(), "-1");
    EXPECT_EQ(Get<TControl>(form, "seDay_B2")->Text(), "0");
    SetRow(form, "_E", "x", 0, 0, "7");
    form->sePeriodHour->SetFocus();
    EXPECT_EQ(Get<TControl>(form, "seDay_E1")->Text(), "0");
    EXPECT_EQ(Get<TControl>(form, "seDay_E2")->Text(), "7");
    EXPECT_EQ(form->Dynamic.DynamicFields[0],
              Entry({"0", "sp02", "Y", "-1", "1", "0", "0", "Y", "0", "0", "0", "7", "D"}));
}

TEST_F(DynamicDates, EntriesSurviveReleaseAndPressAndTheSelectedItemIsReloaded) {
    auto* form = PeriodicForm();
    SetRow(form, "_B", "-1", 1, 1, "0");
    const std::vector<std::string> entries = form->Dynamic.DynamicFields;
    form->btnPeriod->Click();
    form->btnPeriod->Click();
    EXPECT_EQ(form->Dynamic.DynamicFields, entries);
    EXPECT_TRUE(Get<TBitCheckBox>(form, "spChangeDate_B")->Checked());
    EXPECT_EQ(Get<TComboBox>(form, "cboDay_B2")->ItemIndex(), 1);
    EXPECT_TRUE(Get<TPanel>(form, "pnSp")->Visible());
}

// Every worked example of the shift, as the first run's value of a single date condition: a daily
// schedule's first run is its start.
TEST_F(DynamicDates, TheFirstRunMovesSingleDatesByTheWorkedExamples) {
    struct Case {
        const char* runDay;
        const char* n;
        int unit;    // 0 week, 1 month
        int anchor;  // 0 plus/minus, 1 first day, 2 last day
        const char* m;
        const char* moved;
    };
    const Case cases[] = {
        {"2024/03/15", "-1", 1, 1, "0", "20240201"},  {"2024/03/15", "-1", 1, 2, "0", "20240229"},
        {"2024/03/15", "0", 0, 1, "0", "20240310"},   {"2024/03/15", "0", 0, 2, "0", "20240316"},
        {"2024/03/15", "0", 0, 0, "-1", "20240314"},  {"2024/03/15", "1", 0, 0, "2", "20240324"},
        {"2024/03/15", "1", 1, 0, "-1", "20240414"},  {"2024/03/15", "-2", 0, 1, "0", "20240225"},
        {"2024/01/31", "1", 1, 0, "0", "20240229"},   {"2023/01/31", "1", 1, 0, "0", "20230228"},
        {"2024/03/15", "0", 1, 0, "0", "20240315"},   {"2024/03/15", "0", 0, 0, "0", "20240315"},
        {"2024/03/10", "0", 0, 1, "0", "20240310"},   {"2024/03/16", "0", 0, 2, "0", "20240316"},
    };
    for (const Case& c : cases) {
        auto* form = PeriodicForm();
        Get<TMaskEdit>(form, "edDue")->SetText("2000/01/01");
        Get<TComboBox>(form, "cbocondition")->SelectItem(1);
        SetRow(form, "", c.n, c.unit, c.anchor, c.m);
        form->meStartDate->SetText(c.runDay);
        form->btnOk->Click();
        const Variant sent = Sent();
        ASSERT_TRUE(sent.IsArray()) << c.runDay << " " << c.n;
        EXPECT_EQ(sent[2][2], Variant(c.moved)) << c.runDay << " N " << c.n << " unit " << c.unit << " anchor " << c.anchor;
        fakes_.Log().Clear();
    }
}

TEST_F(DynamicDates, ARangeMovesToTheMonthBeforeTheRunAndUntickedValuesStay) {
    auto* form = PeriodicForm();
    auto* panel = Get<TSelectPanel>(form, "sp02");
    panel->BeginEdit->SetText("2000/01/01");
    panel->FinalEdit->SetText("2000/12/31");
    Get<TMaskEdit>(form, "edDue")->SetText("2001/02/03");
    SetRow(form, "_B", "-1", 1, 1, "0");
    SetRow(form, "_E", "-1", 1, 2, "0");
    Get<TZnRadioButton>(form, "rdoEveryMonth")->Click();
    Get<TSpinEdit>(form, "meMonth_D")->SetText("5");
    form->meStartDate->SetText("2024/03/01");
    form->btnOk->Click();
    const Variant sent = Sent();
    ASSERT_TRUE(sent.IsArray());
    // The first run is 5 March: the range is February.
    EXPECT_EQ(sent[2][1], Variant::ArrayOf({Variant("\x04"), Variant("20240201"), Variant("20240229")}));
    EXPECT_EQ(sent[2][2], Variant("20010203"));
    EXPECT_EQ(sent[2][3], Variant(""));
    EXPECT_EQ(sent[4], Variant::ArrayOf({Variant(2),
                                         Variant(Entry({"0", "sp02", "Y", "-1", "1", "1", "0", "Y", "-1", "1", "2", "0", "D", "1"})),
                                         Variant(Entry({"1", "edDue", "N", "0", "0", "0", "0", "D", "2"}))}));
}

TEST_F(DynamicDates, AnHourlyScheduleSendsTickedDatesEmpty) {
    auto* form = PeriodicForm();
    auto* panel = Get<TSelectPanel>(form, "sp02");
    panel->BeginEdit->SetText("2000/01/01");
    panel->FinalEdit->SetText("2000/12/31");
    SetRow(form, "_B", "0", 0, 0, "0");
    Get<TMaskEdit>(form, "edDue")->SetText("2001/02/03");
    Get<TComboBox>(form, "cbocondition")->SelectItem(1);
    SetRow(form, "", "-1", 1, 1, "0");
    Get<TZnRadioButton>(form, "rbEveryHour")->Click();
    form->btnOk->Click();
    const Variant sent = Sent();
    ASSERT_TRUE(sent.IsArray());
    EXPECT_EQ(sent[2][1], Variant::ArrayOf({Variant("\x04"), Variant(""), Variant("20001231")}));
    EXPECT_EQ(sent[2][2], Variant(""));
}

TEST_F(DynamicDates, ARequestSubmittedTwiceCarriesOneIndexPerEntry) {
    auto* form = PeriodicForm();
    form->miOKNoExit->Click();
    form->btnOk->Click();
    EXPECT_EQ(fakes_.Log().Count("ReportServer", "Request"), 2);
    const Variant list = Sent()[4];
    EXPECT_EQ(list, Variant::ArrayOf({Variant(2),
                                      Variant(Entry({"0", "sp02", "N", "0", "0", "0", "0", "N", "0", "0", "0", "0", "D", "1"})),
                                      Variant(Entry({"1", "edDue", "N", "0", "0", "0", "0", "D", "2"}))}));
    EXPECT_EQ(form->Dynamic.DynamicFields[1], Entry({"1", "edDue", "N", "0", "0", "0", "0", "D"}));
}

TEST_F(DynamicDates, AnEntryThatCannotBeAppliedEmptiesTheValuesButTheRequestGoes) {
    auto* form = PeriodicForm();
    // A rule whose N is no number (as a damaged entry would hold).
    form->Dynamic.DynamicFields[1] = Entry({"1", "edDue", "Y", "x", "0", "0", "0", "D"});
    form->btnOk->Click();
    const Variant sent = Sent();
    ASSERT_TRUE(sent.IsArray());
    EXPECT_EQ(sent[2], Variant(""));
    EXPECT_EQ(sent[3][0], Variant("Y"));
}

TEST_F(DynamicDates, ALoadThatFailsKeepsWhatWasLoaded) {
    auto* form = PeriodicForm();
    form->Dynamic.DynamicFields[1] = Entry({"1", "edDue", "Y", "4", "u", "0", "0", "D"});
    Get<TComboBox>(form, "cbocondition")->SelectItem(1);
    EXPECT_TRUE(Get<TBitCheckBox>(form, "edChangeDate")->Checked());
    EXPECT_EQ(Get<TControl>(form, "seDay1")->Text(), "4");
    // Not written back: the entry keeps its fields.
    EXPECT_EQ(form->Dynamic.DynamicFields[1], Entry({"1", "edDue", "Y", "4", "u", "0", "0", "D"}));
}

}  // namespace
