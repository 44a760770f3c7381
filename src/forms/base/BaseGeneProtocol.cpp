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

// The data sets hold database texts: their captions are shown in the user interface's code page,
// and their text fields convert on the way to and from the user. Fields exist once a data set is
// open, so the scheme store runs this again after opening its data set.
void TfrmBaseGene::TranslateDataSets() {
    for (TComponent* component : OwnedComponents()) {
        auto* dataSet = dynamic_cast<TwwClientDataSet*>(component);
        if (!dataSet) continue;
        dataSet->DisableControls();
        for (const auto& field : dataSet->Fields()) {
            field->DisplayLabel = ToUI(field->DisplayLabel);
            if (field->DataType() != TFieldType::ftString) continue;
            if (!field->OnGetText)
                field->OnGetText = [this](TField& sender, std::string& text, bool) { text = ToUI(sender.AsString()); };
            if (!field->OnSetText)
                field->OnSetText = [this](TField& sender, const std::string& text) { sender.SetValue(Variant(FromUI(text))); };
        }
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
