// The publication of the base condition form's class and the registration of its stored form
// (BaseGene.form).
#include "forms/base/BaseGene.h"

#include "controls/DBLabel.h"
#include "controls/ExtPageControl.h"
#include "controls/F2Button.h"
#include "platform/Buttons.h"
#include "platform/ComCtrls.h"
#include "platform/DBClient.h"
#include "platform/ExtCtrls.h"
#include "platform/FormReader.h"
#include "platform/ImgList.h"
#include "platform/ListView.h"
#include "platform/Mask.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"

KV_STORED_FORM(BaseGene)

namespace znp {

const ClassInfo& TfrmBaseGene::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmBaseGene", &TZNForm::StaticClass());
        c.Creatable<TfrmBaseGene>();
        c.EventReadOnly("OnDateFieldEnter", &TfrmBaseGene::OnDateFieldEnter);
        c.EventReadOnly("OnDateFieldExit", &TfrmBaseGene::OnDateFieldExit);
        c.EventReadOnly("OnRequiredExit", &TfrmBaseGene::OnRequiredExit);
        c.Field("WantLog", &TfrmBaseGene::WantLog);
        // The stored form's components, reached through fields of the same names.
        c.ComponentField("pnlCondition", &TfrmBaseGene::pnlCondition);
        c.ComponentField("lblCondition", &TfrmBaseGene::lblCondition);
        c.ComponentField("ToolBar1", &TfrmBaseGene::ToolBar1);
        c.ComponentField("btnInsert", &TfrmBaseGene::btnInsert);
        c.ComponentField("btnOpen", &TfrmBaseGene::btnOpen);
        c.ComponentField("btnDelete", &TfrmBaseGene::btnDelete);
        c.ComponentField("ToolButton1", &TfrmBaseGene::ToolButton1);
        c.ComponentField("lstCondition", &TfrmBaseGene::lstCondition);
        c.ComponentField("Splitter1", &TfrmBaseGene::Splitter1);
        c.ComponentField("pgOption", &TfrmBaseGene::pgOption);
        c.ComponentField("tsOption1", &TfrmBaseGene::tsOption1);
        c.ComponentField("tsOption2", &TfrmBaseGene::tsOption2);
        c.ComponentField("lblToday", &TfrmBaseGene::lblToday);
        c.ComponentField("edPrintDate", &TfrmBaseGene::edPrintDate);
        c.ComponentField("btnPrintDate", &TfrmBaseGene::btnPrintDate);
        c.ComponentField("Panel1", &TfrmBaseGene::Panel1);
        c.ComponentField("btnOk", &TfrmBaseGene::btnOk);
        c.ComponentField("btnCancel", &TfrmBaseGene::btnCancel);
        c.ComponentField("muOperation", &TfrmBaseGene::muOperation);
        c.ComponentField("N2", &TfrmBaseGene::N2);
        c.ComponentField("N3", &TfrmBaseGene::N3);
        c.ComponentField("mnList", &TfrmBaseGene::mnList);
        c.ComponentField("N7", &TfrmBaseGene::N7);
        c.ComponentField("N8", &TfrmBaseGene::N8);
        c.ComponentField("N9", &TfrmBaseGene::N9);
        c.ComponentField("N10", &TfrmBaseGene::N10);
        c.ComponentField("ImageList1", &TfrmBaseGene::ImageList1);
        c.ComponentField("ImageList2", &TfrmBaseGene::ImageList2);
        c.ComponentField("MainMidas", &TfrmBaseGene::MainMidas);
        c.ComponentField("ObjBroker", &TfrmBaseGene::ObjBroker);
        c.ComponentField("ClientDataSet1", &TfrmBaseGene::ClientDataSet1);
        c.Method("FormCreate", &TfrmBaseGene::FormCreate);
        c.Method("FormShow", &TfrmBaseGene::FormShow);
        c.Method("FormClose", &TfrmBaseGene::FormClose);
        c.Method("FormDestroy", &TfrmBaseGene::FormDestroy);
        c.Method("FormKeyDown", &TfrmBaseGene::FormKeyDown);
        c.Method("FormKeyPress", &TfrmBaseGene::FormKeyPress);
        c.Method("FormResize", &TfrmBaseGene::FormResize);
        c.Method("btnOkClick", &TfrmBaseGene::btnOkClick);
        c.Method("btnCancelClick", &TfrmBaseGene::btnCancelClick);
        c.Method("btnInsertClick", &TfrmBaseGene::btnInsertClick);
        c.Method("btnOpenClick", &TfrmBaseGene::btnOpenClick);
        c.Method("btnDeleteClick", &TfrmBaseGene::btnDeleteClick);
        c.Method("ToolButton1Click", &TfrmBaseGene::ToolButton1Click);
        c.Method("lstConditionEdited", &TfrmBaseGene::lstConditionEdited);
        c.Method("lstConditionKeyDown", &TfrmBaseGene::lstConditionKeyDown);
        c.Method("pgOptionChange", &TfrmBaseGene::pgOptionChange);
        c.Method("pgOptionChanging", &TfrmBaseGene::pgOptionChanging);
        c.Method("tsOption2Show", &TfrmBaseGene::tsOption2Show);
        c.Method("ViewIconExecute", &TfrmBaseGene::ViewIconExecute);
        c.Method("ViewSmallIconExecute", &TfrmBaseGene::ViewSmallIconExecute);
        c.Method("ViewListExecute", &TfrmBaseGene::ViewListExecute);
        c.Method("ViewReportExecute", &TfrmBaseGene::ViewReportExecute);
        return c;
    }();
    return info;
}

void RegisterBaseGeneClasses() {
    RegisterClass(TfrmBaseGene::StaticClass());
    RegisterFormResource("TfrmBaseGene", std::string(storedforms::BaseGene()));
}

}  // namespace znp
