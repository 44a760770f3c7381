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

const ClassInfo& TfrmBaseOpt::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmBaseOpt", &TfrmBaseGene::StaticClass());
        c.Creatable<TfrmBaseOpt>();
        // The stored form's components, reached through fields of the same names.
        c.ComponentField("grpGenTime", &TfrmBaseOpt::grpGenTime);
        c.ComponentField("rdoRealTime", &TfrmBaseOpt::rdoRealTime);
        c.ComponentField("rdoQueue", &TfrmBaseOpt::rdoQueue);
        c.ComponentField("rdoExceptTime", &TfrmBaseOpt::rdoExceptTime);
        c.ComponentField("pnlTime", &TfrmBaseOpt::pnlTime);
        c.ComponentField("edDate", &TfrmBaseOpt::edDate);
        c.ComponentField("btnDate", &TfrmBaseOpt::btnDate);
        c.ComponentField("edHour", &TfrmBaseOpt::edHour);
        c.ComponentField("edMin", &TfrmBaseOpt::edMin);
        c.ComponentField("edSec", &TfrmBaseOpt::edSec);
        c.ComponentField("chkNotify", &TfrmBaseOpt::chkNotify);
        c.ComponentField("btnNotify", &TfrmBaseOpt::btnNotify);
        c.ComponentField("grpAlarm", &TfrmBaseOpt::grpAlarm);
        c.ComponentField("btnSpd", &TfrmBaseOpt::btnSpd);
        c.ComponentField("pmOKExit", &TfrmBaseOpt::pmOKExit);
        c.ComponentField("miOKExit", &TfrmBaseOpt::miOKExit);
        c.ComponentField("miOKNoExit", &TfrmBaseOpt::miOKNoExit);
        c.ComponentField("btnOK01", &TfrmBaseOpt::btnOK01);
        c.ComponentField("btnOK02", &TfrmBaseOpt::btnOK02);
        c.ComponentField("btnPeriod", &TfrmBaseOpt::btnPeriod);
        c.ComponentField("tsPeriodOption", &TfrmBaseOpt::tsPeriodOption);
        c.ComponentField("sePeriodHour", &TfrmBaseOpt::sePeriodHour);
        c.ComponentField("sePeriodMin", &TfrmBaseOpt::sePeriodMin);
        c.ComponentField("meStartDate", &TfrmBaseOpt::meStartDate);
        c.ComponentField("meEndDate", &TfrmBaseOpt::meEndDate);
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

void RegisterBaseOptClasses() {
    RegisterClass(TfrmBaseOpt::StaticClass());
    RegisterFormResource("TfrmBaseOpt", std::string(storedforms::BaseOpt()));
}

}  // namespace znp
