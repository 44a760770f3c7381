// The dynamic date fields ("变动字段"): one entry per movable date condition of the form, edited
// with the shared date-rule editor (DateRuleEditor.h), sent with a periodic request together with
// each condition's index, and applied to the request's values for the first run.
#include "Kvtr42C/Protocol.h"
#include "controls/SelectPnl.h"
#include "forms/options/BaseOpt.h"
#include "controls/BitCheckBox.h"
#include "controls/ZnRadio.h"
#include "controls/ZnSpinEdit.h"
#include "platform/ComboBox.h"
#include "platform/Mask.h"
#include "platform/Spin.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "runtime/DateRule.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

// The base forms' own date edits end every form's date-field list and move with nothing.
constexpr int kOwnDateEdits = 4;

std::vector<std::string> Names(const std::string& list) {
    std::vector<std::string> names;
    std::string rest = list;
    while (!rest.empty()) {
        const std::string name = Trim(SplitFirst(rest, ","));
        if (!name.empty()) names.push_back(name);
    }
    return names;
}

// The caption of the condition whose text names Name among the first Count texts; false when
// none does.
bool ConditionCaption(const Variant& texts, int count, const std::string& name, std::string& caption) {
    if (!texts.IsArray()) return false;
    for (int i = 1; i <= count && i <= texts.HighBound(); ++i) {
        const Variant& text = texts[i];
        if (!text.IsArray() || text.HighBound() < text.LowBound() + 1) continue;
        if (SameText(VarToStr(text[text.LowBound() + 1]), name)) {
            caption = VarToStr(text[text.LowBound()]);
            return true;
        }
    }
    return false;
}

bool IsSingleLineEdit(const TComponent* component) {
    return dynamic_cast<const TCustomEdit*>(component) && !dynamic_cast<const TMemo*>(component);
}

}  // namespace

// --- Building and editing the entries ------------------------------------------------------------

void TfrmBaseOpt::InitDynamicFields() {
    const bool firstPress = Schedule.PeriodicInitPending;
    PrepareSchedule(firstPress);
    if (firstPress)
        BuildDynamicEntries();
    else
        cboconditionChange(Dynamic.cbocondition);
    Schedule.PeriodicInitPending = false;
}

void TfrmBaseOpt::BuildDynamicEntries() {
    TDateRuleEditor& editor = Dynamic.Editor;
    TComboBox* items = Dynamic.cbocondition;
    try {
        editor.EditorEntered = false;
        const int own = ConditionCount - ReservedCount;
        Variant texts = Variant::Array(1, ConditionCount > 0 ? ConditionCount : 0);
        for (int i = 1; i <= ConditionCount; ++i) texts[i] = Variant::Null();
        if (own > 0) GetConditionTexts(texts, own);
        editor.ResetCombos();
        if (items) items->Items()->Clear();
        Dynamic.DynamicFields.clear();
        std::vector<std::string> names = Names(DateFields);
        names.resize(names.size() > kOwnDateEdits ? names.size() - kOwnDateEdits : 0);
        for (const std::string& name : names) {
            TComponent* component = FindComponent(name);
            std::string caption;
            bool range = false;
            if (auto* panel = dynamic_cast<TSelectPanel*>(component)) {
                caption = panel->Caption();
                range = true;
            } else if (!IsSingleLineEdit(component) || !ConditionCaption(texts, own, name, caption)) {
                continue;
            }
            if (items) items->Items()->Add(caption);
            Dynamic.DynamicFields.push_back(editor.NewEntry(range, component->Name()));
        }
        if (Dynamic.DynamicFields.empty()) {
            if (Dynamic.gbDynamicFields) Dynamic.gbDynamicFields->SetEnabled(false);
            return;
        }
        if (items) items->SetItemIndex(0);
        cboconditionChange(items);
        if (Dynamic.gbDynamicFields) Dynamic.gbDynamicFields->SetEnabled(true);
    } catch (const std::exception& e) {
        RecordError(e.what());
        if (items && items->Items()->Count() > 0) items->SetItemIndex(0);
    }
}

void TfrmBaseOpt::cboconditionChange(TObject*) {
    Dynamic.Editor.EditorEntered = false;
    const int index = Dynamic.cbocondition ? Dynamic.cbocondition->ItemIndex() : -1;
    if (index < 0 || index >= static_cast<int>(Dynamic.DynamicFields.size())) return;
    try {
        Dynamic.Editor.Load(Dynamic.DynamicFields[index]);
        StoreDynamicField();
    } catch (const std::exception& e) {
        // The editor shows what could be loaded.
        RecordError(e.what());
    }
}

void TfrmBaseOpt::StoreDynamicField() {
    const int index = Dynamic.cbocondition ? Dynamic.cbocondition->ItemIndex() : -1;
    if (index < 0 || index >= static_cast<int>(Dynamic.DynamicFields.size())) return;
    Dynamic.DynamicFields[index] = Dynamic.Editor.Rebuilt(Dynamic.DynamicFields[index]);
}

// Clicks raised while an entry is loaded are held back, so a click that arrives is the user's.
void TfrmBaseOpt::edChangeDateClick(TObject* sender) {
    const TDateRuleRow* row = Dynamic.Editor.RowOf(sender);
    if (!row) return;
    Dynamic.Editor.ApplyRowRule(*row);
    if (sender == row->Moves) StoreDynamicField();
}

void TfrmBaseOpt::cboDay2Change(TObject* sender) {
    const TDateRuleRow* row = Dynamic.Editor.RowOf(sender);
    if (row) Dynamic.Editor.ApplyAnchorRule(*row);
    if (Dynamic.Editor.EditorEntered) StoreDynamicField();
}

void TfrmBaseOpt::seDay1Change(TObject*) {
    if (Dynamic.Editor.EditorEntered) StoreDynamicField();
}

void TfrmBaseOpt::seDay1Enter(TObject*) { Dynamic.Editor.EditorEntered = true; }

void TfrmBaseOpt::seDay_B1Exit(TObject* sender) {
    if (auto* spin = dynamic_cast<TSpinEdit*>(sender)) TDateRuleEditor::NormaliseOnExit(*spin);
}

// --- The request ----------------------------------------------------------------------------------

Variant TfrmBaseOpt::BuildDynamicFieldList(const Variant& texts) const {
    protocol::DynamicFieldList list;
    for (const std::string& text : Dynamic.DynamicFields) {
        DynamicDateEntry entry = DynamicDateEntry::Parse(text);
        entry.ConditionIndex.clear();
        if (texts.IsArray())
            for (int j = texts.LowBound(); j <= texts.HighBound(); ++j) {
                const Variant& condition = texts[j];
                if (!condition.IsArray() || condition.HighBound() < condition.LowBound() + 1) continue;
                if (SameText(VarToStr(condition[condition.LowBound() + 1]), entry.ControlName)) {
                    entry.ConditionIndex = std::to_string(j);
                    break;
                }
            }
        // An entry whose control is no condition goes without an index; applying it then fails.
        list.Entries.push_back(entry.ConditionIndex.empty() ? entry.ToText() : entry.ToText(true));
    }
    return list.ToVariant();
}

// The schedule takes no part: the first run date already holds what it says.
Variant TfrmBaseOpt::ApplyDynamicFields(const Variant& values, const Variant&, const Variant& dynamicFields,
                                        const std::string& firstRunDate) {
    try {
        return ApplyDynamicDates(values, dynamicFields, firstRunDate);
    } catch (const std::exception&) {
        return Variant(std::string());
    }
}

}  // namespace znp
