// Report design ("设计报表"): the job is registered with the report server and run by the
// program's server module here in the client, then the suite's queue manager opens it for
// design. The registration and run are shared with the web report (BaseRptWeb.cpp).
#include "platform/SysUtils.h"
#include "forms/report/BaseRpt.h"
#include "forms/report/ButtonBusy.h"
#include "forms/report/RunningWinCF.h"
#include "platform/Buttons.h"
#include "platform/ClassRegistry.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "runtime/LibStrs.h"

namespace znp {

void TfrmBaseRpt::ShowRunningWin() {
    if (!RunningWin) RunningWin = dynamic_cast<TfrmRunningWinC*>(TfrmRunningWinC::StaticClass().Create(this));
    if (RunningWin) RunningWin->ShowRunning();
}

void TfrmBaseRpt::CloseRunningWin() {
    if (!RunningWin) return;
    TfrmRunningWinC* window = RunningWin;
    RunningWin = nullptr;
    TObject::Free(window);
}

bool TfrmBaseRpt::RegisterAndRunForOpening(bool web, std::string& jobNumber) {
    if (!CollectConditions()) return false;
    jobNumber = RegisterJob();
    if (SameText(jobNumber, "ERROR")) {
        std::string reason;
        try {
            reason = VarToStr(OleCall(ServerObject, "ErrorDescript"));
        } catch (const std::exception& e) {
            RecordError(e.what());
        }
        ShowMessageId("E;000013;" + ToUI(reason));
        // Nothing was registered: there is no job whose status could be recorded and no report
        // to open.
        return false;
    }
    ResultCode = 1;
    ResultValue = Variant(jobNumber);
    TextsCollected = false;
    if (web) ProgramKind = "CR";
    RunServerModule(jobNumber, ProgramId, ReportNumberOf(jobNumber), 1, ConditionPackage[2], DbName, ProgramKind,
                    ServerClassName, UserId, CompanyId, Output.FormatCode);
    if (ServerModuleRaised) {
        std::string failed;
        GetLangText("TfrmBaseRpt", "sFailedReason", failed, false, "产生报表失败! 原因: ");
        ShowDialog(ToUI(failed + "\r" + MessageTextLog), TMsgDlgType::mtError, mbOK);
        if (web) ProgramKind = "R";
        return false;
    }
    try {
        std::vector<Variant> args{Variant(jobNumber), Variant(MessageTextLog), Variant::FromDate(Now())};
        OleCall(ServerObject, "UpdateStatus1", args);
        // The server may hand back another number for the job; the opening uses it.
        if (!args.empty() && !IsEmptyOrNull(args[0])) jobNumber = VarToStr(args[0]);
    } catch (const std::exception&) {
        // The status is only a record; the report can still be opened.
    }
    return true;
}

void TfrmBaseRpt::btnDesignClick(TObject*) {
    ButtonBusy busy(btnDesign);
    std::string jobNumber;
    if (!RegisterAndRunForOpening(false, jobNumber)) return;
    ShowRunningWin();
    Variant queueManager;
    try {
        queueManager = CreateOleObject(kQueueManagerClass);
    } catch (const std::exception& e) {
        RecordError(e.what());
        std::string text;
        GetLangText("TfrmBaseRpt", "sFailedRunJobQ", text, true, "启动队列管理员失败! ");
        ShowDialog(text, TMsgDlgType::mtError, mbOK);
        CloseRunningWin();
        return;
    }
    int opened = -1;
    try {
        const Variant report = Variant::ArrayOf({Variant(jobNumber), Variant(ReportNumberOf(jobNumber)),
                                                 Variant(UserId), Variant(ProductCode)});
        opened = OleCall(queueManager, "OpenReport",
                         {Variant::ArrayOf({report, Variant(UserId), Variant(true)})})
                     .AsInteger();
    } catch (const std::exception& e) {
        RecordError(e.what());
    }
    if (opened != 0) {
        std::string text;
        GetLangText("TfrmBaseRpt", "sFailedOpenRep", text, true, "开启报表失败! ");
        ShowDialog(text, TMsgDlgType::mtError, mbOK);
    }
    queueManager = Variant();
    CloseRunningWin();
}

}  // namespace znp
