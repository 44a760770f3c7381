// Running the report at once ("直接查询"): registering the job with the report server when the
// program asks for logging, the run of the program's server module in this process, what the
// user is told afterwards, and when the query and design buttons are offered.
#include "platform/SysUtils.h"
#include "forms/report/BaseRpt.h"
#include "forms/report/ButtonBusy.h"
#include "platform/Buttons.h"
#include "platform/ClassRegistry.h"
#include "platform/SystemInfo.h"
#include "runtime/LibStrs.h"

namespace znp {

std::string TfrmBaseRpt::ReportNumberOf(const std::string& jobNumber) { return jobNumber.substr(0, 8) + "0001"; }

std::string TfrmBaseRpt::MachineName() {
    const std::string name = ComputerName();
    return name.empty() ? "Unknown" : name;
}

std::string TfrmBaseRpt::RegisterJob() {
    std::string jobNumber = "ERROR";
    try {
        ConditionPackage = VariantFromCodePage(ConditionPackage, "936");
        const Variant reply = OleCall(ServerObject, "Request1", {ConditionPackage, Variant(MachineName())});
        // An answer that is no text, or an empty one, registered nothing.
        if (reply.IsText() && !Trim(reply.AsString()).empty()) jobNumber = reply.AsString();
    } catch (const std::exception& e) {
        RecordError(e.what());
    }
    try {
        ConditionPackage = VariantToCodePage(ConditionPackage, "936");
    } catch (const std::exception& e) {
        RecordError(e.what());
    }
    return jobNumber;
}

void TfrmBaseRpt::btnQueryClick(TObject*) {
    ButtonBusy busy(btnQuery);
    if (!CollectConditions()) return;
    std::string jobNumber;
    if (WantLog) jobNumber = RegisterJob();
    RunServerModule(jobNumber, ProgramId, ReportNumberOf(jobNumber), 1, ConditionPackage[2], DbName, ProgramKind,
                    ServerClassName, UserId, CompanyId, Output.FormatCode);
    if (ServerModuleRaised) {
        std::string failed;
        GetLangText("TfrmBaseRpt", "sFailedReason", failed, false, "产生报表失败! 原因: ");
        ShowDialog(ToUI(failed + "\r" + MessageTextLog), TMsgDlgType::mtError, mbOK);
        return;
    }
    if (!Trim(ReplaceText(MessageTextLog, ";", "", true)).empty())
        ShowDialog(ToUI(MessageTextLog), TMsgDlgType::mtInformation, mbOK);
}

void TfrmBaseRpt::EnableQueryButtons() {
    const bool periodic = PeriodicMode();
    if (btnQuery) btnQuery->SetEnabled(!periodic && LocalServer);
    if (btnDesign) btnDesign->SetEnabled(!periodic && LocalServer);
    // The program master may forbid direct queries of the program.
    Variant data;
    if (QueryServer("ADMMB", "11", false, data, Variant::ArrayOf({Variant(UpperCase(ProgramId))})) &&
        !IsEmptyOrNull(data) && data.IsArray() && data.DimCount() == 1 && data.LowBound() + 3 <= data.HighBound() &&
        VarToStr(data[data.LowBound() + 3]) == "Y" && btnQuery)
        btnQuery->SetEnabled(false);
}

void TfrmBaseRpt::btnPeriodClick(TObject* sender) {
    TfrmBaseOpt::btnPeriodClick(sender);
    if (btnWebDesign) btnWebDesign->SetEnabled(!PeriodicMode());
    EnableQueryButtons();
}

bool TfrmBaseRpt::AutoExecute(int mode) {
    if (mode == 3 && btnDesign) btnDesign->Click();
    if (mode == 4 && btnQuery) btnQuery->Click();
    Close();
    return true;
}

}  // namespace znp
