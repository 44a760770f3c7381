#include "forms/options/DateRuleEditor.h"

#include "controls/BitCheckBox.h"

#include "platform/ComboBox.h"
#include "platform/NumberText.h"
#include "platform/Spin.h"
#include "platform/StdButtons.h"
#include "platform/SysUtils.h"
#include "runtime/DateRule.h"

namespace znp {

namespace {

int IndexOf(const std::string& field) {
    int value = 0;
    if (!TryTextToInt(Trim(field), value)) throw EConvertError("'" + field + "' is not a valid integer value");
    return value;
}

DateShiftRow ReadRow(const TDateRuleRow& row) {
    DateShiftRow shift;
    shift.Moves = row.IsTicked() ? "Y" : "N";
    shift.N = row.N ? row.N->Text() : "0";
    shift.Unit = std::to_string(row.Unit ? row.Unit->ItemIndex() : 0);
    shift.Anchor = std::to_string(row.Anchor ? row.Anchor->ItemIndex() : 0);
    shift.M = row.M ? row.M->Text() : "0";
    return shift;
}

void SetEnabled(TWinControl* control, bool enabled) {
    if (control) control->SetEnabled(enabled);
}

}  // namespace

bool TDateRuleRow::Holds(const TObject* control) const {
    return control && (control == Moves || control == N || control == Unit || control == Anchor || control == M);
}

bool TDateRuleRow::IsTicked() const {
    if (auto* kit = dynamic_cast<const TBitCheckBox*>(Moves)) return kit->Checked();
    if (auto* box = dynamic_cast<const TCheckBox*>(Moves)) return box->Checked();
    return false;
}

// Loading is no click of the user: the box's click must not write back half a load. (The kit's
// box raises its click only for the user's click; the platform's for every change.)
void TDateRuleRow::SetTicked(bool ticked) const {
    if (auto* kit = dynamic_cast<TBitCheckBox*>(Moves)) {
        kit->SetChecked(ticked);
    } else if (auto* box = dynamic_cast<TCheckBox*>(Moves)) {
        box->DisableClicks();
        box->SetChecked(ticked);
        box->EnableClicks();
    }
}

void TDateRuleEditor::ResetCombos() {
    for (TDateRuleRow* row : {&Single, &Begin, &End})
        for (TComboBox* combo : {row->Unit, row->Anchor})
            if (combo) combo->SetItemIndex(0);
}

std::string TDateRuleEditor::NewEntry(bool range, const std::string& controlName) const {
    DynamicDateEntry entry;
    entry.Type = range ? "0" : "1";
    entry.ControlName = controlName;
    entry.Begin = ReadRow(range ? Begin : Single);
    if (range) entry.End = ReadRow(End);
    entry.KindLetter = "D";
    return entry.ToText();
}

void TDateRuleEditor::Load(const std::string& text) {
    EditorEntered = false;
    const DynamicDateEntry entry = DynamicDateEntry::Parse(text);
    ShowPanel(entry.IsRange());
    auto loadRow = [this](const TDateRuleRow& row, const DateShiftRow& shift) {
        row.SetTicked(shift.IsTicked());
        ApplyRowRule(row);
        if (row.N) row.N->SetText(shift.N);
        if (row.Unit) row.Unit->SetItemIndex(IndexOf(shift.Unit));
        if (row.Anchor) row.Anchor->SetItemIndex(IndexOf(shift.Anchor));
        if (row.M) row.M->SetText(shift.M);
        ApplyAnchorRule(row);
    };
    if (entry.IsRange()) {
        loadRow(Begin, entry.Begin);
        loadRow(End, entry.End);
    } else {
        loadRow(Single, entry.Begin);
    }
}

std::string TDateRuleEditor::Rebuilt(const std::string& text) {
    DynamicDateEntry entry = DynamicDateEntry::Parse(text);
    entry.ConditionIndex.clear();
    if (entry.IsRange()) {
        entry.Begin = ReadRow(Begin);
        entry.End = ReadRow(End);
    } else {
        entry.Begin = ReadRow(Single);
    }
    ShowPanel(entry.IsRange());
    return entry.ToText();
}

TDateRuleRow* TDateRuleEditor::RowOf(const TObject* control) {
    for (TDateRuleRow* row : {&Single, &Begin, &End})
        if (row->Holds(control)) return row;
    return nullptr;
}

void TDateRuleEditor::ApplyRowRule(const TDateRuleRow& row) const {
    const bool ticked = row.IsTicked();
    SetEnabled(row.N, ticked);
    SetEnabled(row.Unit, ticked);
    SetEnabled(row.Anchor, ticked);
    ApplyAnchorRule(row);
}

void TDateRuleEditor::ApplyAnchorRule(const TDateRuleRow& row) const {
    const bool ticked = row.IsTicked();
    SetEnabled(row.M, ticked && row.Anchor && row.Anchor->ItemIndex() == 0);
}

void TDateRuleEditor::NormaliseOnExit(TSpinEdit& spin) {
    int value = 0;
    if (!TryTextToInt(Trim(spin.Text()), value) || value == 0) spin.SetText("0");
}

void TDateRuleEditor::ShowPanel(bool range) const {
    if (RangePanel) RangePanel->SetVisible(range);
    if (SinglePanel) SinglePanel->SetVisible(!range);
}

}  // namespace znp
