// The generation time: the three modes, the required fields they bring, how a scheduling change
// and the form's own required fields are merged, and the environment elements 9-12.
#include "controls/ExtPageControl.h"
#include "Kvtr42C/Protocol.h"
#include "forms/options/BaseOpt.h"
#include "controls/BitCheckBox.h"
#include "controls/ZnRadio.h"
#include "controls/ZnSpinEdit.h"
#include "platform/Buttons.h"
#include "platform/Clock.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Mask.h"
#include "platform/Spin.h"
#include "platform/StdButtons.h"
#include "platform/SysUtils.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

// Sets the flag for the life of the object, so that a handler that raises still resets it.
class SchedulingScope {
public:
    explicit SchedulingScope(TGenerationState& state) : state_(state) { state_.SchedulingChange = true; }
    ~SchedulingScope() { state_.SchedulingChange = false; }

private:
    TGenerationState& state_;
};

// Whether Name already stands in Text as an entry: its first occurrence follows a comma, is
// followed by ";", or is the whole text.
bool StandsAsEntry(const std::string& text, const std::string& name) {
    if (text == name) return true;
    const auto at = text.find(name);
    if (at == std::string::npos) return false;
    return (at > 0 && text[at - 1] == ',') || (at + name.size() < text.size() && text[at + name.size()] == ';');
}

// The page (a sheet of a page control) that holds Control; null when it lies on no page.
TTabSheet* HoldingPage(TControl* control) {
    for (TControl* c = control; c && c->Parent(); c = c->Parent()) {
        TWinControl* parent = c->Parent();
        if (dynamic_cast<TPageControl*>(parent)) return dynamic_cast<TTabSheet*>(c);
        if (dynamic_cast<TCustomForm*>(parent)) return nullptr;
    }
    return nullptr;
}

// A whole number of at most two digits within 0..High, or -1.
int TimePart(const std::string& text, int high) {
    const std::string t = Trim(text);
    if (t.empty() || t.size() > 2) return -1;
    for (char c : t)
        if (c < '0' || c > '9') return -1;
    const int value = std::stoi(t);
    return value <= high ? value : -1;
}

}  // namespace

std::string TfrmBaseOpt::JoinRequired(const std::vector<std::string>& items) {
    std::string joined;
    for (const std::string& item : items) {
        if (item.empty()) continue;
        if (!joined.empty()) joined += ",";
        joined += item;
    }
    return joined;
}

void TfrmBaseOpt::rdoQueueClick(TObject*) {
    SchedulingScope scope(Generation);
    if (pnlTime) pnlTime->SetEnabled(false);
    Generation.GenTimeRequired.clear();
    SetRequiredFields(JoinRequired({Schedule.CycleRequired, Schedule.RangeRequired, Generation.GenTimeRequired}));
}

void TfrmBaseOpt::rdoExceptTimeClick(TObject*) {
    SchedulingScope scope(Generation);
    if (pnlTime) pnlTime->SetEnabled(true);
    Generation.GenTimeRequired = "edDate";
    if (PeriodicMode())
        SetRequiredFields(JoinRequired({Schedule.CycleRequired, Schedule.RangeRequired, "edDate"}));
    else
        SetRequiredFields("edDate");
}

// A scheduling handler replaces the scheduling part of the list and keeps the form's own
// required conditions; any other caller replaces the form's own part and keeps the scheduling
// fields.
void TfrmBaseOpt::SetRequiredFields(const std::string& fields) {
    std::string appended;
    std::string current = RequiredFields;
    while (!current.empty()) {
        std::string entry = Trim(SplitFirst(current, ","));
        const std::string name = Trim(GetToken(entry, ";", 1));
        const std::string flag = Trim(GetToken(entry, ";", 2));
        if (name.empty() || StandsAsEntry(appended, name)) continue;
        auto* control = dynamic_cast<TWinControl*>(FindComponent(name));
        if (!control) continue;
        TTabSheet* page = HoldingPage(control);
        const bool schedulingPage = page && (page == tsOption2 || page == tsPeriodOption);
        if (Generation.SchedulingChange) {
            if (!schedulingPage) appended += "," + name + (flag.empty() ? std::string() : ";" + flag);
        } else if (schedulingPage) {
            appended += "," + name;
        }
    }
    TfrmBaseGene::SetRequiredFields(fields + appended);
}

bool TfrmBaseOpt::GetEnvironment(Variant& env, int count) {
    if (!TfrmBaseGene::GetEnvironment(env, count)) return false;
    using protocol::Environment;
    Environment entries;
    entries.ProgramKind = PeriodicMode() ? LowerCase(ProgramKind) : UpperCase(ProgramKind);
    entries.StartAt = Now();
    bool result = true;
    if (rdoQueue && rdoQueue->Checked()) {
        entries.GenerationMode = 0;
    } else if (rdoRealTime && rdoRealTime->Checked()) {
        entries.GenerationMode = 1;
    } else {
        entries.GenerationMode = 2;
        try {
            entries.StartAt = ScheduledStart();
        } catch (const std::exception& e) {
            RecordError(e.what());
            entries.GenerationMode = 0;
            ShowMessageId("E;000005;" + GetMessageText("I", "000009") + GetMessageText("I", "000010"));
            result = false;
        }
    }
    entries.Recipients = chkNotify && chkNotify->Checked() ? Notify.NotifyRecipients : std::string();
    entries.WriteTo(env, Environment::kProgramKind, Environment::kRecipients);
    return result;
}

// Dates are read in the system date layout and the time from the three edits; a periodic
// request starts at its first run at the schedule's run time, an hourly one at once.
double TfrmBaseOpt::ScheduledStart() {
    double date = 0;
    if (PeriodicMode()) {
        GetCycleMode();
        const std::string start = meStartDate ? DisplayToDateText(meStartDate->Text()) : std::string();
        Schedule.FirstRunDate = ComputeFirstRunDate(start);
        if (protocol::CycleMode::FromVariant(Schedule.CycleMode).Kind == protocol::CycleMode::kHours) return Now();
        date = ParseYYYYMMDD(Schedule.FirstRunDate);
        if (edHour && sePeriodHour) edHour->SetText(sePeriodHour->Text());
        if (edMin && sePeriodMin) edMin->SetText(sePeriodMin->Text());
        if (edSec) edSec->SetText("00");
    } else {
        const int type = DateFormatType();
        date = edDate ? ParseDateByType(Trim(edDate->Text()), type >= 1 && type <= 5 ? type : 1, DateSeparator()) : 0;
    }
    if (date == 0) throw Exception("No start date for the generation time");
    const int hour = TimePart(edHour ? edHour->Text() : "", 23);
    const int minute = TimePart(edMin ? edMin->Text() : "", 59);
    const int second = TimePart(edSec ? edSec->Text() : "", 59);
    if (hour < 0 || minute < 0 || second < 0) throw Exception("No start time for the generation time");
    return date + (hour * 3600 + minute * 60 + second) / 86400.0;
}

}  // namespace znp
