// The periodic button: switching periodic mode on and off and how the generation time follows it.
// The schedule's own rules (cycle modes and the first run, the dynamic date fields) have their
// operations here as virtual places; until they are built a periodic request has no cycle mode
// and no first run date, so only an hourly schedule (whose start is the moment of collection)
// can be computed.
#include "controls/ExtPageControl.h"
#include "controls/BitCheckBox.h"
#include "controls/ZnRadio.h"
#include "platform/SysUtils.h"
#include "forms/options/BaseOpt.h"
#include "platform/Buttons.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Mask.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"

namespace znp {

void TfrmBaseOpt::InitDynamicFields() { Schedule.PeriodicInitPending = false; }
void TfrmBaseOpt::GetCycleMode() {}
void TfrmBaseOpt::StoreDynamicField() {}
std::string TfrmBaseOpt::ComputeFirstRunDate(const std::string&) { return std::string(); }

namespace {

// Checks a radio button so that its click handler runs, also when it was checked already.
void CheckAndClick(TZnRadioButton* radio) {
    if (!radio) return;
    if (radio->Checked())
        radio->OnClick(radio);
    else
        radio->SetChecked(true);
}

}  // namespace

void TfrmBaseOpt::btnPeriodClick(TObject*) {
    try {
        if (Panel1 && Panel1->CanFocus()) Panel1->SetFocus();
        const bool down = PeriodicMode();
        if (tsPeriodOption) tsPeriodOption->SetTabVisible(down);
        if (down) {
            if (Schedule.PeriodicInitPending) {
                Schedule.BaseRequired = RequiredFields;
                if (auto* day = dynamic_cast<TControl*>(FindComponent("pnDay")))
                    for (const char* name : {"pnWeek", "pnMonth"})
                        if (auto* panel = dynamic_cast<TControl*>(FindComponent(name)))
                            panel->SetBounds(day->Left(), day->Top(), panel->Width(), panel->Height());
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
    } catch (const std::exception&) {
        // A failure while switching leaves the controls in whatever state they reached.
        Generation.SchedulingChange = false;
    }
}

}  // namespace znp
