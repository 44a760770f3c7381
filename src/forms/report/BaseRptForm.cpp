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

namespace {

template <class T>
void Bind(TComponent& root, T*& field, const char* name) {
    field = dynamic_cast<T*>(root.FindComponent(name));
}

}  // namespace

const ClassInfo& TfrmBaseRpt::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmBaseRpt", &TfrmBaseOpt::StaticClass());
        c.Creatable<TfrmBaseRpt>();
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

void TfrmBaseRpt::Loaded() {
    TfrmBaseOpt::Loaded();
    Bind(*this, lblDateType, "lblDateType");
    Bind(*this, cboDateType, "cboDateType");
    Bind(*this, grpGenType, "grpGenType");
    Bind(*this, chkView, "chkView");
    Bind(*this, chkHTML, "chkHTML");
    Bind(*this, chkDirectPrint, "chkDirectPrint");
    Bind(*this, grpNote, "grpNote");
    Bind(*this, lblNoteID, "lblNoteID");
    Bind(*this, edNoteID, "edNoteID");
    Bind(*this, btnNote, "btnNote");
    Bind(*this, lblNote1, "lblNote1");
    Bind(*this, lblNote2, "lblNote2");
    Bind(*this, lblNote3, "lblNote3");
    Bind(*this, edNote1, "edNote1");
    Bind(*this, edNote2, "edNote2");
    Bind(*this, edNote3, "edNote3");
    Bind(*this, chkNoteEPPrint, "chkNoteEPPrint");
    Bind(*this, grpSignIn, "grpSignIn");
    Bind(*this, lblSignInID, "lblSignInID");
    Bind(*this, edSignInID, "edSignInID");
    Bind(*this, btnSignIn, "btnSignIn");
    Bind(*this, lblSignIn1, "lblSignIn1");
    Bind(*this, lblSignIn2, "lblSignIn2");
    Bind(*this, lblSignIn3, "lblSignIn3");
    Bind(*this, edSignIn1, "edSignIn1");
    Bind(*this, edSignIn2, "edSignIn2");
    Bind(*this, edSignIn3, "edSignIn3");
    Bind(*this, chkSignInEPPrint, "chkSignInEPPrint");
    Bind(*this, btnQuery, "btnQuery");
    Bind(*this, btnDesign, "btnDesign");
    Bind(*this, btnWebDesign, "btnWebDesign");
}

void RegisterBaseRptClasses() {
    RegisterClass(TfrmBaseRpt::StaticClass());
    RegisterFormResource("TfrmBaseRpt", std::string(storedforms::BaseRpt()));
    RegisterRunningWinClasses();
}

}  // namespace znp
