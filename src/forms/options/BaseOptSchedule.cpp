// The periodic schedule: switching periodic mode on and off, the cycle modes and ranges with the
// required fields they bring, the cycle-mode array, the first run, the generation time following
// the schedule on page changes, and the schedule's part of the request (package elements 3 and 4).
// The date arithmetic is the runtime's (runtime/DateRule.h), shared with the report server's
// scheduler.
#include <cstdio>

#include "Kvtr42C/Protocol.h"
#include "controls/ExtPageControl.h"
#include "forms/options/BaseOpt.h"
#include "controls/BitCheckBox.h"
#include "controls/ZnRadio.h"
#include "controls/ZnSpinEdit.h"
#include "platform/Buttons.h"
#include "platform/Calendar.h"
#include "platform/Clock.h"
#include "platform/ComCtrls.h"
#include "platform/ComboBox.h"
#include "platform/ExtCtrls.h"
#include "platform/Mask.h"
#include "platform/NumberText.h"
#include "platform/Spin.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "runtime/DateRule.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

constexpr const char* kDaysRequired = "meDay,meStartDate";
constexpr const char* kWeeksRequired = "meWeek,meStartDate";
constexpr const char* kMonthDayRequired = "meMonth_M1,meMonth_D,meStartDate";
constexpr const char* kMonthWeekdayRequired = "meMonth_M2,meStartDate";
constexpr const char* kHoursRequired = "edEveryHour,meStartDate";

// Checks a radio button so that its click handler runs, also when it was checked already.
void CheckAndClick(TZnRadioButton* radio) {
    if (!radio) return;
    if (radio->Checked())
        radio->OnClick(radio);
    else
        radio->SetChecked(true);
}

bool IsChecked(const TZnRadioButton* radio) { return radio && radio->Checked(); }

std::string TextOf(const TControl* control) { return control ? control->Text() : std::string(); }

int IndexOf(const TComboBox* combo) { return combo ? combo->ItemIndex() : 0; }

// A whole number typed into an edit; raises when it is none.
int WholeNumber(const std::string& text) {
    int value = 0;
    if (!TryTextToInt(Trim(text), value)) throw EConvertError("'" + text + "' is not a valid integer value");
    return value;
}

std::string TwoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.2d", value);
    return buffer;
}

}  // namespace

// --- Switching periodic mode ----------------------------------------------------------------------

void TfrmBaseOpt::btnPeriodClick(TObject*) {
    try {
        if (auto* single = dynamic_cast<TControl*>(FindComponent("pnEdit"))) single->SetVisible(false);
        if (Panel1 && Panel1->CanFocus()) Panel1->SetFocus();
        const bool down = PeriodicMode();
        if (pgOption && pgOption->PageCount() > 0) pgOption->Pages(pgOption->PageCount() - 1)->SetTabVisible(down);
        if (down) {
            if (Schedule.PeriodicInitPending) {
                Schedule.BaseRequired = RequiredFields;
                if (Period.pnDay)
                    for (TPanel* panel : {Period.pnWeek, Period.pnMonth})
                        if (panel)
                            panel->SetBounds(Period.pnDay->Left(), Period.pnDay->Top(), panel->Width(), panel->Height());
            }
            InitDynamicFields();
            if (pgOption && tsPeriodOption) pgOption->SetActivePage(tsPeriodOption);
            if (grpGenTime) grpGenTime->SetEnabled(false);
            CheckAndClick(rdoExceptTime);
            if (edDate) {
                edDate->SetEditMask(DateMask());
                if (meStartDate) edDate->SetText(meStartDate->Text());
            }
            Generation.SchedulingChange = true;
            SetRequiredFields(JoinRequired({Schedule.CycleRequired, Schedule.RangeRequired, Generation.GenTimeRequired}));
            Generation.SchedulingChange = false;
        } else {
            if (pgOption && pgOption->PageCount() > 0) pgOption->SetActivePageIndex(0);
            if (grpGenTime) grpGenTime->SetEnabled(true);
            CheckAndClick(rdoQueue);
            Generation.SchedulingChange = true;
            SetRequiredFields(Generation.GenTimeRequired);
            Generation.SchedulingChange = false;
        }
    } catch (const std::exception& e) {
        // A failure while switching leaves the controls in whatever state they reached.
        RecordError(e.what());
        Generation.SchedulingChange = false;
    }
}

void TfrmBaseOpt::PutPassedValue(TComponent* component, const Variant& value) {
    if (btnPeriod && component == btnPeriod) {
        if (value.AsBoolean() != btnPeriod->Down()) btnPeriod->Click();
        return;
    }
    TfrmBaseGene::PutPassedValue(component, value);
    // The dynamic date fields: a condition picked loads its entry, and an editor's value is an
    // edit of that entry.
    if (Dynamic.cbocondition && component == Dynamic.cbocondition) {
        cboconditionChange(component);
    } else if (const TDateRuleRow* row = Dynamic.Editor.RowOf(component)) {
        Dynamic.Editor.ApplyRowRule(*row);
        StoreDynamicField();
    }
}

void TfrmBaseOpt::PrepareSchedule(bool firstPress) {
    if (firstPress) {
        for (TComboBox* combo : {Period.cboDayofWeek, Period.cbo1Month_M2, Period.cbo2Month_M2})
            if (combo) combo->SetItemIndex(0);
        for (TSpinEdit* spin : {Period.meDay, Period.meWeek, Period.meMonth_M1, Period.meMonth_D, Period.meMonth_M2})
            if (spin) spin->SetText("1");
    }
    if (meStartDate) {
        const int type = DateFormatType();
        meStartDate->SetEditMask(DateMask());
        meStartDate->SetText(FormatDateByType(type >= 1 && type <= 5 ? type : 1, DateSeparator(), Today()));
    }
    Schedule.CycleRequired = kDaysRequired;
    if (firstPress) return;
    // Later presses keep the user's schedule: the checked mode shows its panel again and brings
    // its required fields.
    if (IsChecked(Period.rdoEveryWeek))
        rdoEveryWeekClick(Period.rdoEveryWeek);
    else if (IsChecked(Period.rdoEveryMonth)) {
        rdoEveryMonthClick(Period.rdoEveryMonth);
        if (IsChecked(Period.rdomonth_2))
            rdomonth_2Click(Period.rdomonth_2);
        else if (IsChecked(Period.rdomonth_1))
            rdomonth_1Click(Period.rdomonth_1);
    } else if (IsChecked(Period.rbEveryHour))
        rbEveryHourClick(Period.rbEveryHour);
    else if (IsChecked(Period.rdoEveryday))
        rdoEverydayClick(Period.rdoEveryday);
}

void TfrmBaseOpt::tsPeriodOptionShow(TObject*) {
    if (Width() < 538) SetWidth(538);
    if (Height() < 424) SetHeight(424);
}

// --- Cycle modes and ranges -----------------------------------------------------------------------

void TfrmBaseOpt::UpdateScheduleRequired() {
    Generation.SchedulingChange = true;
    try {
        SetRequiredFields(JoinRequired(
            {Schedule.BaseRequired, Schedule.CycleRequired, Schedule.RangeRequired, Generation.GenTimeRequired}));
    } catch (...) {
        Generation.SchedulingChange = false;
        throw;
    }
    Generation.SchedulingChange = false;
}

void TfrmBaseOpt::ShowCyclePanel(TPanel* shown) {
    if (shown && Period.pnDay && shown != Period.pnEveryHour && shown != Period.pnDay)
        shown->SetBounds(Period.pnDay->Left(), Period.pnDay->Top(), shown->Width(), shown->Height());
    for (TPanel* panel : {Period.pnDay, Period.pnWeek, Period.pnMonth, Period.pnEveryHour})
        if (panel) panel->SetVisible(panel == shown);
}

void TfrmBaseOpt::rdoEverydayClick(TObject*) {
    ShowCyclePanel(Period.pnDay);
    Schedule.CycleRequired = kDaysRequired;
    UpdateScheduleRequired();
}

void TfrmBaseOpt::rdoEveryWeekClick(TObject*) {
    ShowCyclePanel(Period.pnWeek);
    Schedule.CycleRequired = kWeeksRequired;
    UpdateScheduleRequired();
}

void TfrmBaseOpt::rdoEveryMonthClick(TObject*) {
    ShowCyclePanel(Period.pnMonth);
    Schedule.CycleRequired = kMonthDayRequired;
    UpdateScheduleRequired();
}

void TfrmBaseOpt::rbEveryHourClick(TObject*) {
    ShowCyclePanel(Period.pnEveryHour);
    Schedule.CycleRequired = kHoursRequired;
    UpdateScheduleRequired();
}

void TfrmBaseOpt::rdomonth_1Click(TObject*) {
    Schedule.CycleRequired = kMonthDayRequired;
    UpdateScheduleRequired();
}

void TfrmBaseOpt::rdomonth_2Click(TObject*) {
    Schedule.CycleRequired = kMonthWeekdayRequired;
    UpdateScheduleRequired();
}

void TfrmBaseOpt::rbCycleRang_1Click(TObject*) {
    Schedule.RangeRequired.clear();
    UpdateScheduleRequired();
}

void TfrmBaseOpt::rbCycleRang_2Click(TObject*) {
    Schedule.RangeRequired = "meCycleRang_2";
    UpdateScheduleRequired();
}

void TfrmBaseOpt::rbCycleRang_3Click(TObject*) {
    Schedule.RangeRequired = "meEndDate";
    UpdateScheduleRequired();
}

// --- The cycle-mode array and the first run -------------------------------------------------------

// What is built before a failure stays (a mode without its parameters), and the collection of the
// request refuses such an array.
void TfrmBaseOpt::GetCycleMode() {
    NormaliseScheduleEdits();
    Variant mode = Variant::Array(0, 1);
    try {
        if (IsChecked(Period.rdoEveryWeek)) {
            mode[0] = Variant(protocol::CycleMode::kWeeks);
            mode[1] = Variant::ArrayOf({Variant(TextOf(Period.meWeek)), Variant(IndexOf(Period.cboDayofWeek))});
        } else if (IsChecked(Period.rdoEveryMonth)) {
            mode[0] = Variant(protocol::CycleMode::kMonths);
            if (IsChecked(Period.rdomonth_2))
                mode[1] = Variant::ArrayOf({Variant(1), Variant(TextOf(Period.meMonth_M2)),
                                            Variant(IndexOf(Period.cbo1Month_M2)), Variant(IndexOf(Period.cbo2Month_M2))});
            else
                mode[1] = Variant::ArrayOf({Variant(0), Variant(TextOf(Period.meMonth_M1)), Variant(TextOf(Period.meMonth_D))});
        } else if (IsChecked(Period.rbEveryHour)) {
            mode[0] = Variant(protocol::CycleMode::kHours);
            double hours = 0;
            if (!TryTextToFloat(Trim(TextOf(Period.edEveryHour)), hours))
                throw EConvertError("'" + TextOf(Period.edEveryHour) + "' is not a valid floating point value");
            mode[1] = Variant(hours);
        } else {
            mode[0] = Variant(protocol::CycleMode::kDays);
            mode[1] = Variant(TextOf(Period.meDay));
        }
    } catch (const std::exception& e) {
        RecordError(e.what());
    }
    Schedule.CycleMode = mode;
}

std::string TfrmBaseOpt::ComputeFirstRunDate(const std::string& startDate) {
    return FirstRunDateOf(startDate, Schedule.CycleMode);
}

// The 系统选项 page always shows when the first run starts.
void TfrmBaseOpt::pgOptionChange(TObject* sender) {
    TfrmBaseGene::pgOptionChange(sender);
    if (!PeriodicMode() || !edDate) return;
    try {
        GetCycleMode();
        const std::string first = ComputeFirstRunDate(meStartDate ? DisplayToDateText(meStartDate->Text()) : "");
        edDate->SetEditMask(DateMask());
        const int type = DateFormatType();
        const int layout = type >= 1 && type <= 5 ? type : 1;
        if (protocol::CycleMode::FromVariant(Schedule.CycleMode).Kind != protocol::CycleMode::kHours) {
            edDate->SetText(FormatDateByType(layout, DateSeparator(), ParseYYYYMMDD(first)));
            if (edHour) edHour->SetText(TextOf(sePeriodHour));
            if (edMin) edMin->SetText(TextOf(sePeriodMin));
        } else {
            const double now = Now();
            edDate->SetText(FormatDateByType(layout, DateSeparator(), now));
            const auto parts = calendar::SplitDate(now);
            if (edHour) edHour->SetText(TwoDigits(parts ? parts->Hour() : 0));
            if (edMin) edMin->SetText(TwoDigits(parts ? parts->Minute() : 0));
        }
    } catch (const std::exception& e) {
        RecordError(e.what());
    }
}

// --- The schedule's part of the request -----------------------------------------------------------

Variant TfrmBaseOpt::BuildScheduleArray() {
    protocol::Schedule schedule;
    schedule.RunTime = TwoDigits(WholeNumber(TextOf(sePeriodHour))) + ":" + TwoDigits(WholeNumber(TextOf(sePeriodMin)));
    schedule.Cycle = protocol::CycleMode::FromVariant(Schedule.CycleMode);
    schedule.Range.Start = DisplayToDateText(TextOf(meStartDate));
    if (IsChecked(Period.rbCycleRang_2)) {
        schedule.Range.Kind = protocol::CycleRange::kRepeats;
        schedule.Range.Repeats = TextOf(Period.meCycleRang_2);
    } else if (IsChecked(Period.rbCycleRang_3)) {
        schedule.Range.Kind = protocol::CycleRange::kEndDate;
        schedule.Range.End = DisplayToDateText(TextOf(meEndDate));
    }
    return schedule.ToVariant();
}

// A periodic request carries the schedule and the dynamic date fields, and its values are those
// of the first run. The start and end must be dates: the report server computes every later run
// from them.
bool TfrmBaseOpt::CollectConditions() {
    if (!TfrmBaseGene::CollectConditions()) return false;
    if (!PeriodicMode()) return true;
    try {
        const std::string start = DisplayToDateText(TextOf(meStartDate));
        const bool endUsed = IsChecked(Period.rbCycleRang_3);
        if (!IsValidYYYYMMDD(start) || start.empty() ||
            (endUsed && (DisplayToDateText(TextOf(meEndDate)).empty() || !IsValidYYYYMMDD(DisplayToDateText(TextOf(meEndDate)))))) {
            ShowMessageId("E;000005");
            return false;
        }
        if (EndDateBeforeStart()) return false;
        const Variant schedule = BuildScheduleArray();
        const Variant list = BuildDynamicFieldList(ConditionPackage[1]);
        Variant package = Variant::Array(0, 4);
        for (int i = 0; i <= 2; ++i) package[i] = ConditionPackage[i];
        package[2] = ApplyDynamicFields(ConditionPackage[2], schedule, list, Schedule.FirstRunDate);
        package[3] = schedule;
        package[4] = list;
        ConditionPackage = package;
        return true;
    } catch (const std::exception& e) {
        RecordError(e.what());
        return false;
    }
}

}  // namespace znp
