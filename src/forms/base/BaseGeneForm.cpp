// The publication of the base condition form's class and the registration of its stored form
// (BaseGene.form).
#include "forms/base/BaseGene.h"

#include "platform/FormReader.h"
#include "platform/ListView.h"

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
