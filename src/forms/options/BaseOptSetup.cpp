// The scheduling level's parameters and set-up: its date fields and counts, the binding to the
// report server, the user's rights, the layout of its controls on "系统选项" and F2 on its dates.
#include "controls/F2Button.h"
#include "controls/BitCheckBox.h"
#include "controls/ZnRadio.h"
#include "controls/ZnSpinEdit.h"
#include "platform/SysUtils.h"
#include "forms/options/BaseOpt.h"
#include "platform/Buttons.h"
#include "platform/ClassRegistry.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Mask.h"
#include "platform/Spin.h"
#include "platform/StdButtons.h"
#include "runtime/LibStrs.h"

namespace znp {

void TfrmBaseOpt::InitFormParams() {
    TfrmBaseGene::InitFormParams();
    SetDateFields("edDate,meStartDate,meEndDate");
    EnvCount = 12;
    F2Flags = 4;
}

void TfrmBaseOpt::BeforeConnect(TSocketConnection* connection) {
    TfrmBaseGene::BeforeConnect(connection);
    connection->ServerName = "ReportCounterS.dmReportCounter";
}

bool TfrmBaseOpt::Setup(const Variant& hostParams) {
    const bool result = TfrmBaseGene::Setup(hostParams);
    if (result) {
        if (edDate) edDate->SetText("");
        LoadRights();
        // The host shows a library's form; only the stand-alone test program shows itself.
        if (!RunsAsLibrary()) Show();
        if (tsPeriodOption) tsPeriodOption->SetTabVisible(PeriodicMode());
        Schedule.PeriodicInitPending = true;
    }
    Notify.NotifyRecipients.clear();
    return result;
}

// A report server that is missing or refuses gives no rights, but the form stays usable: the
// rights are read from nothing and the scheme keys are still built.
void TfrmBaseOpt::LoadRights() {
    Variant record;
    try {
        record = OleCall(ServerObject, "GetPower",
                         {Variant::ArrayOf({Variant(DbName), Variant(UserId), Variant(ProgramId), Variant(std::string())})});
    } catch (const std::exception& e) {
        RecordError(e.what());
        record = Variant();
    }
    ReadRightsRecord(record);
}

void TfrmBaseOpt::AfterRightsLoaded() {
    TfrmBaseGene::AfterRightsLoaded();
    BuildSchemeKeys();
    if (Trim(SchemeKeys).empty() && pnlCondition) pnlCondition->SetVisible(false);
}

bool TfrmBaseOpt::PeriodicMode() const { return btnPeriod && btnPeriod->Down(); }

void TfrmBaseOpt::ArrangeSystemPage() {
    TfrmBaseGene::ArrangeSystemPage();
    if (Height() < 275) SetHeight(275);
    if (Width() < 340) SetWidth(340);
    if (grpGenTime) grpGenTime->SetBounds(8, 31, 225, 118);
    if (rdoRealTime) rdoRealTime->SetBounds(10, 18, 150, 17);
    if (rdoQueue) rdoQueue->SetBounds(10, 38, 150, 17);
    if (rdoExceptTime) rdoExceptTime->SetBounds(10, 58, 160, 17);
    if (pnlTime) pnlTime->SetBounds(8, 78, 212, 34);
    if (edDate) edDate->SetBounds(2, 5, 85, 21);
    if (btnDate) btnDate->AlignToControl();
    if (edHour) edHour->SetBounds(110, 5, 20, 21);
    if (edMin) edMin->SetBounds(148, 5, 20, 21);
    if (edSec) edSec->SetBounds(186, 5, 20, 21);
    if (chkNotify) chkNotify->SetBounds(241, 120, 100, 17);
    if (btnNotify) btnNotify->SetBounds(350, 116, 23, 22);
}

void TfrmBaseOpt::QuickPick(std::uint16_t key, TControl* control) {
    TfrmBaseGene::QuickPick(key, control);
    if (!control) return;
    for (TMaskEdit* date : {edDate, meStartDate, meEndDate})
        if (date && control == date) date->SetText(DateQuickPick(date->Text()));
}

}  // namespace znp
