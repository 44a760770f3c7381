// The publication of the report level's class and the registration of its stored form
// (BaseRpt.form).
#include "controls/F2Button.h"
#include "controls/BitCheckBox.h"
#include "controls/ZnRadio.h"
#include "platform/SysUtils.h"
#include "forms/report/BaseRpt.h"
#include "forms/report/RunningWinCF.h"
#include "platform/Buttons.h"
#include "platform/ComboBox.h"
#include "platform/FormReader.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"

KV_STORED_FORM(BaseRpt)

namespace znp {

const ClassInfo& TfrmBaseRpt::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmBaseRpt", &TfrmBaseOpt::StaticClass());
        c.Creatable<TfrmBaseRpt>();
        // The stored form's components, reached through fields of the same names.
        c.ComponentField("lblDateType", &TfrmBaseRpt::lblDateType);
        c.ComponentField("cboDateType", &TfrmBaseRpt::cboDateType);
        c.ComponentField("grpGenType", &TfrmBaseRpt::grpGenType);
        c.ComponentField("chkView", &TfrmBaseRpt::chkView);
        c.ComponentField("chkHTML", &TfrmBaseRpt::chkHTML);
        c.ComponentField("chkDirectPrint", &TfrmBaseRpt::chkDirectPrint);
        c.ComponentField("grpNote", &TfrmBaseRpt::grpNote);
        c.ComponentField("lblNoteID", &TfrmBaseRpt::lblNoteID);
        c.ComponentField("edNoteID", &TfrmBaseRpt::edNoteID);
        c.ComponentField("btnNote", &TfrmBaseRpt::btnNote);
        c.ComponentField("lblNote1", &TfrmBaseRpt::lblNote1);
        c.ComponentField("lblNote2", &TfrmBaseRpt::lblNote2);
        c.ComponentField("lblNote3", &TfrmBaseRpt::lblNote3);
        c.ComponentField("edNote1", &TfrmBaseRpt::edNote1);
        c.ComponentField("edNote2", &TfrmBaseRpt::edNote2);
        c.ComponentField("edNote3", &TfrmBaseRpt::edNote3);
        c.ComponentField("chkNoteEPPrint", &TfrmBaseRpt::chkNoteEPPrint);
        c.ComponentField("grpSignIn", &TfrmBaseRpt::grpSignIn);
        c.ComponentField("lblSignInID", &TfrmBaseRpt::lblSignInID);
        c.ComponentField("edSignInID", &TfrmBaseRpt::edSignInID);
        c.ComponentField("btnSignIn", &TfrmBaseRpt::btnSignIn);
        c.ComponentField("lblSignIn1", &TfrmBaseRpt::lblSignIn1);
        c.ComponentField("lblSignIn2", &TfrmBaseRpt::lblSignIn2);
        c.ComponentField("lblSignIn3", &TfrmBaseRpt::lblSignIn3);
        c.ComponentField("edSignIn1", &TfrmBaseRpt::edSignIn1);
        c.ComponentField("edSignIn2", &TfrmBaseRpt::edSignIn2);
        c.ComponentField("edSignIn3", &TfrmBaseRpt::edSignIn3);
        c.ComponentField("chkSignInEPPrint", &TfrmBaseRpt::chkSignInEPPrint);
        c.ComponentField("btnQuery", &TfrmBaseRpt::btnQuery);
        c.ComponentField("btnDesign", &TfrmBaseRpt::btnDesign);
        c.ComponentField("btnWebDesign", &TfrmBaseRpt::btnWebDesign);
        c.Method("FormCreate", &TfrmBaseRpt::FormCreate);
        c.Method("FormShow", &TfrmBaseRpt::FormShow);
        c.Method("chkViewClick", &TfrmBaseRpt::chkViewClick);
        c.Method("edNoteIDEnter", &TfrmBaseRpt::edNoteIDEnter);
        c.Method("edNoteIDExit", &TfrmBaseRpt::edNoteIDExit);
        c.Method("edSignInIDExit", &TfrmBaseRpt::edSignInIDExit);
        c.Method("btnPeriodClick", &TfrmBaseRpt::btnPeriodClick);
        c.Method("btnQueryClick", &TfrmBaseRpt::btnQueryClick);
        c.Method("btnDesignClick", &TfrmBaseRpt::btnDesignClick);
        c.Method("btnWebDesignClick", &TfrmBaseRpt::btnWebDesignClick);
        return c;
    }();
    return info;
}

void RegisterBaseRptClasses() {
    RegisterClass(TfrmBaseRpt::StaticClass());
    RegisterFormResource("TfrmBaseRpt", std::string(storedforms::BaseRpt()));
    RegisterRunningWinClasses();
}

}  // namespace znp
