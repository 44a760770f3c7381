// The input rules of the schedule's edits: what leaving an edit makes of its text, the keys the
// hours edit takes, the range radios that follow their edits, and the end-date check.
#include "forms/options/BaseOpt.h"
#include "controls/BitCheckBox.h"
#include "controls/ZnRadio.h"
#include "controls/ZnSpinEdit.h"
#include "platform/Mask.h"
#include "platform/NumberText.h"
#include "platform/Spin.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

// A text that is no non-zero integer becomes Replacement.
void NonZeroOr(TControl* edit, const char* replacement) {
    if (!edit) return;
    int value = 0;
    if (!TryTextToInt(Trim(edit->Text()), value) || value == 0) edit->SetText(replacement);
}

// The day of the month: no non-zero integer → "1", 32 or more → "31".
void DayOfMonth(TControl* edit) {
    if (!edit) return;
    int value = 0;
    if (!TryTextToInt(Trim(edit->Text()), value) || value == 0)
        edit->SetText("1");
    else if (value >= 32)
        edit->SetText("31");
}

// The hours: a decimal value of 0, or none, → "1".
void Hours(TControl* edit) {
    if (!edit) return;
    double value = 0;
    if (!TryTextToFloat(Trim(edit->Text()), value) || value == 0) edit->SetText("1");
}

// A spin edit's own leaving rule: a number outside its limits is put back inside them.
void WithinLimits(TSpinEdit* spin) {
    if (!spin || spin->MinValue == spin->MaxValue) return;
    int value = 0;
    if (TryTextToInt(Trim(spin->Text()), value) && value != spin->CheckValue(value)) spin->SetValue(value);
}

}  // namespace

void TfrmBaseOpt::sePeriodHourExit(TObject* sender) { NonZeroOr(dynamic_cast<TControl*>(sender), "0"); }

void TfrmBaseOpt::meDayExit(TObject* sender) { NonZeroOr(dynamic_cast<TControl*>(sender), "1"); }

void TfrmBaseOpt::meMonth_DExit(TObject* sender) { DayOfMonth(dynamic_cast<TControl*>(sender)); }

void TfrmBaseOpt::edEveryHourExit(TObject* sender) { Hours(dynamic_cast<TControl*>(sender)); }

// Digits, Backspace, and one "." after at least one character.
void TfrmBaseOpt::edEveryHourKeyPress(TObject* sender, char& key) {
    if ((key >= '0' && key <= '9') || key == '\b') return;
    const auto* edit = dynamic_cast<TControl*>(sender);
    const std::string text = edit ? edit->Text() : std::string();
    if (key == '.' && !text.empty() && text.find('.') == std::string::npos) return;
    key = '\0';
}

// The schedule is read at page changes and at collection: what it sends is what leaving each edit
// would have made of it, so a value typed without leaving the edit keeps to the limits as well.
void TfrmBaseOpt::NormaliseScheduleEdits() {
    for (TSpinEdit* spin : {sePeriodHour, sePeriodMin}) {
        NonZeroOr(spin, "0");
        WithinLimits(spin);
    }
    for (TSpinEdit* spin : {Period.meDay, Period.meWeek, Period.meMonth_M1, Period.meMonth_M2, Period.meCycleRang_2}) {
        NonZeroOr(spin, "1");
        WithinLimits(spin);
    }
    DayOfMonth(Period.meMonth_D);
    WithinLimits(Period.meMonth_D);
    Hours(Period.edEveryHour);
}

void TfrmBaseOpt::meCycleRang_2Change(TObject*) {
    if (Period.rbCycleRang_2 && !Period.rbCycleRang_2->Checked()) Period.rbCycleRang_2->SetChecked(true);
}

void TfrmBaseOpt::meEndDateChange(TObject*) {
    if (Period.rbCycleRang_3 && !Period.rbCycleRang_3->Checked()) Period.rbCycleRang_3->SetChecked(true);
}

bool TfrmBaseOpt::EndDateBeforeStart(bool focusEndDate) {
    if (!Period.rbCycleRang_3 || !Period.rbCycleRang_3->Checked() || !meStartDate || !meEndDate) return false;
    const int type = DateFormatType();
    const int layout = type >= 1 && type <= 5 ? type : 1;
    const double start = ParseDateByType(Trim(meStartDate->Text()), layout, DateSeparator());
    const double end = ParseDateByType(Trim(meEndDate->Text()), layout, DateSeparator());
    // A text that is no date is the date check's business; an empty one the required check's.
    if (start == 0 || end == 0 || end >= start) return false;
    if (focusEndDate) {
        // The focus is back on the end date before the box, which gives it back to the previous
        // control: leaving the end date again while the box shows would check it again.
        PreviousControl = meEndDate;
        if (meEndDate->CanFocus()) meEndDate->SetFocus();
    }
    const std::string rangeCaption = Period.rbCycleRang_3->Caption();
    const std::string startCaption = Period.lblPeriod11 ? Period.lblPeriod11->Caption() : std::string();
    ShowMessageId("E;100082;" + rangeCaption + ";" + startCaption);
    return true;
}

void TfrmBaseOpt::meEndDateExit(TObject*) { CheckFailed = EndDateBeforeStart(true); }

}  // namespace znp
