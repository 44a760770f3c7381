// The publication of the scheduling level's class and the registration of its stored form
// (BaseOpt.form).
#include "controls/BitCheckBox.h"
#include "controls/ZnRadio.h"
#include "controls/ZnSpinEdit.h"
#include "platform/SysUtils.h"
#include "forms/options/BaseOpt.h"

#include "controls/F2Button.h"
#include "platform/Buttons.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/FormReader.h"
#include "platform/Mask.h"
#include "platform/Menus.h"
#include "platform/Spin.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"

KV_STORED_FORM(BaseOpt)

namespace znp {

namespace {

template <class T>
void Bind(TComponent& root, T*& field, const char* name) {
    field = dynamic_cast<T*>(root.FindComponent(name));
}

}  // namespace

const ClassInfo& TfrmBaseOpt::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmBaseOpt", &TfrmBaseGene::StaticClass());
        c.Creatable<TfrmBaseOpt>();
        c.Method("FormCreate", &TfrmBaseOpt::FormCreate);
        c.Method("FormShow", &TfrmBaseOpt::FormShow);
        c.Method("rdoQueueClick", &TfrmBaseOpt::rdoQueueClick);
        c.Method("rdoExceptTimeClick", &TfrmBaseOpt::rdoExceptTimeClick);
        c.Method("btnOkClick", &TfrmBaseOpt::btnOkClick);
        c.Method("btnSpdClick", &TfrmBaseOpt::btnSpdClick);
        c.Method("miOKExitClick", &TfrmBaseOpt::miOKExitClick);
        c.Method("miOKNoExitClick", &TfrmBaseOpt::miOKNoExitClick);
        c.Method("btnCancelClick", &TfrmBaseOpt::btnCancelClick);
        c.Method("btnPeriodClick", &TfrmBaseOpt::btnPeriodClick);
        c.Method("chkNotifyClick", &TfrmBaseOpt::chkNotifyClick);
        c.Method("btnNotifyClick", &TfrmBaseOpt::btnNotifyClick);
        return c;
    }();
    return info;
}

void TfrmBaseOpt::Loaded() {
    TfrmBaseGene::Loaded();
    Bind(*this, grpGenTime, "grpGenTime");
    Bind(*this, rdoRealTime, "rdoRealTime");
    Bind(*this, rdoQueue, "rdoQueue");
    Bind(*this, rdoExceptTime, "rdoExceptTime");
    Bind(*this, pnlTime, "pnlTime");
    Bind(*this, edDate, "edDate");
    Bind(*this, btnDate, "btnDate");
    Bind(*this, edHour, "edHour");
    Bind(*this, edMin, "edMin");
    Bind(*this, edSec, "edSec");
    Bind(*this, chkNotify, "chkNotify");
    Bind(*this, btnNotify, "btnNotify");
    Bind(*this, grpAlarm, "grpAlarm");
    Bind(*this, btnSpd, "btnSpd");
    Bind(*this, pmOKExit, "pmOKExit");
    Bind(*this, miOKExit, "miOKExit");
    Bind(*this, miOKNoExit, "miOKNoExit");
    Bind(*this, btnOK01, "btnOK01");
    Bind(*this, btnOK02, "btnOK02");
    Bind(*this, btnPeriod, "btnPeriod");
    Bind(*this, tsPeriodOption, "tsPeriodOption");
    Bind(*this, sePeriodHour, "sePeriodHour");
    Bind(*this, sePeriodMin, "sePeriodMin");
    Bind(*this, meStartDate, "meStartDate");
    Bind(*this, meEndDate, "meEndDate");
}

void RegisterBaseOptClasses() {
    RegisterClass(TfrmBaseOpt::StaticClass());
    RegisterFormResource("TfrmBaseOpt", std::string(storedforms::BaseOpt()));
}

}  // namespace znp
