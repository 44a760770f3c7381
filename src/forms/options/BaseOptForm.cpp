// The publication of the scheduling level's class and the registration of its stored form
// (BaseOpt.form).
#include "controls/BitCheckBox.h"
#include "controls/ZnRadio.h"
#include "controls/ZnSpinEdit.h"
#include "platform/SysUtils.h"
#include "forms/options/BaseOpt.h"

#include "controls/F2Button.h"
#include "platform/Buttons.h"
#include "platform/ComboBox.h"
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
        c.Method("pgOptionChange", &TfrmBaseOpt::pgOptionChange);
        c.Method("tsPeriodOptionShow", &TfrmBaseOpt::tsPeriodOptionShow);
        c.Method("rdoEverydayClick", &TfrmBaseOpt::rdoEverydayClick);
        c.Method("rdoEveryWeekClick", &TfrmBaseOpt::rdoEveryWeekClick);
        c.Method("rdoEveryMonthClick", &TfrmBaseOpt::rdoEveryMonthClick);
        c.Method("rbEveryHourClick", &TfrmBaseOpt::rbEveryHourClick);
        c.Method("rdomonth_1Click", &TfrmBaseOpt::rdomonth_1Click);
        c.Method("rdomonth_2Click", &TfrmBaseOpt::rdomonth_2Click);
        c.Method("rbCycleRang_1Click", &TfrmBaseOpt::rbCycleRang_1Click);
        c.Method("rbCycleRang_2Click", &TfrmBaseOpt::rbCycleRang_2Click);
        c.Method("rbCycleRang_3Click", &TfrmBaseOpt::rbCycleRang_3Click);
        c.Method("meCycleRang_2Change", &TfrmBaseOpt::meCycleRang_2Change);
        c.Method("meEndDateChange", &TfrmBaseOpt::meEndDateChange);
        c.Method("meEndDateExit", &TfrmBaseOpt::meEndDateExit);
        c.Method("meDayExit", &TfrmBaseOpt::meDayExit);
        c.Method("meMonth_DExit", &TfrmBaseOpt::meMonth_DExit);
        c.Method("sePeriodHourExit", &TfrmBaseOpt::sePeriodHourExit);
        c.Method("edEveryHourExit", &TfrmBaseOpt::edEveryHourExit);
        c.Method("edEveryHourKeyPress", &TfrmBaseOpt::edEveryHourKeyPress);
        c.Method("cboconditionChange", &TfrmBaseOpt::cboconditionChange);
        c.Method("edChangeDateClick", &TfrmBaseOpt::edChangeDateClick);
        c.Method("spChangeDate_BClick", &TfrmBaseOpt::spChangeDate_BClick);
        c.Method("spChangeDate_EClick", &TfrmBaseOpt::spChangeDate_EClick);
        c.Method("cboDay2Change", &TfrmBaseOpt::cboDay2Change);
        c.Method("cboDay_B2Change", &TfrmBaseOpt::cboDay_B2Change);
        c.Method("cboDay_E2Change", &TfrmBaseOpt::cboDay_E2Change);
        c.Method("seDay1Change", &TfrmBaseOpt::seDay1Change);
        c.Method("seDay_B1Change", &TfrmBaseOpt::seDay_B1Change);
        c.Method("seDay1Enter", &TfrmBaseOpt::seDay1Enter);
        c.Method("seDay_B1Enter", &TfrmBaseOpt::seDay_B1Enter);
        c.Method("seDay_B1Exit", &TfrmBaseOpt::seDay_B1Exit);
        return c;
    }();
    return info;
}

void TfrmBaseOpt::Loaded() {
    TfrmBaseGene::Loaded();
    // The controls of the periodic page and the dynamic-date group live in the level's state
    // structs, which the reader cannot reach as published fields.
#define KV_BIND(holder, name) Bind(*this, holder.name, #name)
    KV_BIND(Period, rdoEveryday);
    KV_BIND(Period, rdoEveryWeek);
    KV_BIND(Period, rdoEveryMonth);
    KV_BIND(Period, rbEveryHour);
    KV_BIND(Period, pnDay);
    KV_BIND(Period, pnWeek);
    KV_BIND(Period, pnMonth);
    KV_BIND(Period, pnEveryHour);
    KV_BIND(Period, meDay);
    KV_BIND(Period, meWeek);
    KV_BIND(Period, meMonth_M1);
    KV_BIND(Period, meMonth_D);
    KV_BIND(Period, meMonth_M2);
    KV_BIND(Period, cboDayofWeek);
    KV_BIND(Period, cbo1Month_M2);
    KV_BIND(Period, cbo2Month_M2);
    KV_BIND(Period, rdomonth_1);
    KV_BIND(Period, rdomonth_2);
    KV_BIND(Period, edEveryHour);
    KV_BIND(Period, rbCycleRang_1);
    KV_BIND(Period, rbCycleRang_2);
    KV_BIND(Period, rbCycleRang_3);
    KV_BIND(Period, meCycleRang_2);
    KV_BIND(Period, lblPeriod11);
    KV_BIND(Dynamic, gbDynamicFields);
    KV_BIND(Dynamic, cbocondition);
#undef KV_BIND
    TDateRuleEditor& editor = Dynamic.Editor;
    Bind(*this, editor.SinglePanel, "pnEdit");
    Bind(*this, editor.RangePanel, "pnSp");
    const struct {
        TDateRuleRow& row;
        const char *moves, *n, *unit, *anchor, *m;
    } rows[] = {{editor.Single, "edChangeDate", "seDay1", "cboDay1", "cboDay2", "seDay2"},
                {editor.Begin, "spChangeDate_B", "seDay_B1", "cboDay_B1", "cboDay_B2", "seDay_B2"},
                {editor.End, "spChangeDate_E", "seDay_E1", "cboDay_E1", "cboDay_E2", "seDay_E2"}};
    for (const auto& r : rows) {
        Bind(*this, r.row.Moves, r.moves);
        Bind(*this, r.row.N, r.n);
        Bind(*this, r.row.Unit, r.unit);
        Bind(*this, r.row.Anchor, r.anchor);
        Bind(*this, r.row.M, r.m);
    }
}

void RegisterBaseOptClasses() {
    RegisterClass(TfrmBaseOpt::StaticClass());
    RegisterFormResource("TfrmBaseOpt", std::string(storedforms::BaseOpt()));
}

}  // namespace znp
