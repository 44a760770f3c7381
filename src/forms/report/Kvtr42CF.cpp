// The repair-call list report's class, its stored form (Kvtr42CF.form) and its set-up.
#include "platform/SysUtils.h"
#include "forms/report/Kvtr42CF.h"

#include "controls/BitCheckBox.h"
#include "controls/SelectPnl.h"
#include "controls/ZnRadio.h"
#include "platform/ComCtrls.h"
#include "platform/ComboBox.h"
#include "platform/ExtCtrls.h"
#include "platform/FormReader.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"

KV_STORED_FORM(Kvtr42CF)

namespace znp {

namespace {

template <class T>
void Bind(TComponent& root, T*& field, const char* name) {
    field = dynamic_cast<T*>(root.FindComponent(name));
}

// Four characters of order type, a literal "-" that is not part of the value, eleven of order
// number; blanks at the end are trimmed and the empty place is a space.
constexpr const char* kOrderMask = "!aaaa\\-aaaaaaaaaaa;0; ";

}  // namespace

const ClassInfo& TfrmKvtr42::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmKvtr42", &TfrmBaseRpt::StaticClass());
        c.Creatable<TfrmKvtr42>();
        c.Method("btnOkClick", &TfrmKvtr42::btnOkClick);
        return c;
    }();
    return info;
}

void TfrmKvtr42::Loaded() {
    TfrmBaseRpt::Loaded();
    Bind(*this, sp01, "sp01");
    Bind(*this, sp02, "sp02");
    Bind(*this, sp03, "sp03");
    Bind(*this, rg04, "rg04");
    Bind(*this, sp05, "sp05");
    Bind(*this, sp06, "sp06");
    Bind(*this, TabSheet1, "TabSheet1");
    Bind(*this, lbl07, "lbl07");
    Bind(*this, cbo07, "cbo07");
    Bind(*this, lbl08, "lbl08");
    Bind(*this, cbo08, "cbo08");
    Bind(*this, lbl09, "lbl09");
    Bind(*this, cbo09, "cbo09");
    Bind(*this, chk10, "chk10");
}

void TfrmKvtr42::InitFormParams() {
    TfrmBaseRpt::InitFormParams();
    SetDateFields("sp02,sp03");
    SetConditionCount(10);
}

bool TfrmKvtr42::Setup(const Variant& hostParams) {
    const bool result = TfrmBaseRpt::Setup(hostParams);
    try {
        sp01->SetEditMask(kOrderMask);
        for (TSelectPanel* panel : {sp05, sp06}) {
            panel->BeginEdit->MaxLength = 10;
            panel->FinalEdit->MaxLength = 10;
        }
        for (TComboBox* list : {cbo07, cbo08, cbo09}) {
            list->SetSorted(false);
            list->SetItemIndex(0);
        }
        PageLastControls.push_back(sp06);
        PageLastControls.push_back(chk10);
    } catch (const std::exception& e) {
        RecordError(e.what());
        return false;
    }
    return result;
}

void TfrmKvtr42::btnOkClick(TObject* sender) { TfrmBaseRpt::btnOkClick(sender); }

void RegisterKvtr42Classes() {
    RegisterClass(TfrmKvtr42::StaticClass());
    RegisterFormResource("TfrmKvtr42", std::string(storedforms::Kvtr42CF()));
}

}  // namespace znp
