// Base behaviour of the virtual protocol and of the form's own event handlers.
#include "forms/base/BaseGene.h"

#include "platform/Application.h"
#include "platform/ClassRegistry.h"

namespace znp {

void TfrmBaseGene::LoadPhrase(TControl* control) {
    if (!F2Window.IsObject() || !control) return;
    std::vector<Variant> args{Variant(UserId), Variant(DbName), Variant(static_cast<int>(Handle()))};
    std::string phrase = VarToStr(OleCall(F2Window, "GetPhrase", args));
    if (Converted) phrase = DBToUI(phrase);
    if (!phrase.empty()) control->SetText(phrase);
}

void TfrmBaseGene::TranslateDataSets() {
    for (TComponent* component : OwnedComponents())
        if (auto* dataSet = dynamic_cast<TwwClientDataSet*>(component)) {
            dataSet->DisableControls();
            dataSet->EnableControls();
        }
}

// Operations whose base behaviour is to do nothing or to answer a fixed value.
void TfrmBaseGene::SpareHook() {}
bool TfrmBaseGene::CheckPassedValues(const Variant&) { return false; }
void TfrmBaseGene::ResetOptions() {}
void TfrmBaseGene::AfterRightsLoaded() {}
void TfrmBaseGene::BeforeConnect(TSocketConnection*) {}
bool TfrmBaseGene::AfterSchemeRestored() { return true; }
bool TfrmBaseGene::AutoExecute(int) { return true; }
void TfrmBaseGene::BeforeRestoreValue(TObject*, const std::string&) {}
void TfrmBaseGene::AfterRestoreValue(TObject*, const std::string&) {}
void TfrmBaseGene::btnOkClick(TObject*) {}
void TfrmBaseGene::lstConditionKeyDown(TObject*, std::uint16_t&, TShiftState) {}

}  // namespace znp
