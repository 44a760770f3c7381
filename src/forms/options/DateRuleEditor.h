// The editor of dynamic date entries: one row (tick box, N, unit, anchor, M) for a single date
// and two rows (begin, end) for a date range, each set of rows on a panel of its own.
//
// The scheduling level's "变动字段" group and the date environment dialog of scheme saving edit
// the same entries with the same rules; each binds its own controls to one of these editors and
// keeps its own list of entries. The editor holds the rules, never the list: the caller asks for
// the rebuilt entry and stores it where it belongs.
//
// Rules:
//  - Loading an entry shows the matching panel, sets the tick boxes without raising their clicks
//    and applies the row and anchor rules; the fields are read as the entry holds them, so an
//    unreadable unit or anchor raises part-way (the caller ignores the failure).
//  - Row rule: N, unit and anchor are enabled exactly when the row is ticked.
//  - Anchor rule: M is enabled exactly when the row is ticked and the anchor is plus/minus; first
//    and last day take no M.
//  - Writing back keeps the entry's type, control name and kind letter and takes the rows from
//    the editor: tick "Y"/"N", the spin edits' texts, the combo boxes' indexes.
//  - A user's change writes back only after the user entered one of the editors since the last
//    load (EditorEntered); a click on a tick box always does.
//  - Leaving a spin edit turns a text that is no non-zero integer into "0".
#pragma once

#include <string>

namespace znp {

class TObject;
class TSpinEdit;
class TComboBox;
class TWinControl;

struct TDateRuleRow {
    // The tick box: the kit's bitmap check box or the platform's check box.
    TWinControl* Moves = nullptr;
    TSpinEdit* N = nullptr;
    TComboBox* Unit = nullptr;
    TComboBox* Anchor = nullptr;
    TSpinEdit* M = nullptr;

    bool Holds(const TObject* control) const;
    bool IsTicked() const;
    // Sets the tick without raising the box's click.
    void SetTicked(bool ticked) const;
};

class TDateRuleEditor {
public:
    TWinControl* SinglePanel = nullptr;
    TDateRuleRow Single;
    TWinControl* RangePanel = nullptr;
    TDateRuleRow Begin;
    TDateRuleRow End;
    // The user has entered one of the editors since the last load.
    bool EditorEntered = false;

    // Every unit and anchor combo box to its first item ("周", "加/减").
    void ResetCombos();
    // A new entry of a range ("0") or single ("1") control from the editor's current values,
    // kind letter "D".
    std::string NewEntry(bool range, const std::string& controlName) const;
    // Shows the entry's rows; raises (EConvertError) at a unit or anchor that is no integer.
    void Load(const std::string& entry);
    // The entry with its rows taken from the editor; also shows the matching panel.
    std::string Rebuilt(const std::string& entry);

    // The row a control of the editor belongs to; null for any other control.
    TDateRuleRow* RowOf(const TObject* control);
    void ApplyRowRule(const TDateRuleRow& row) const;
    void ApplyAnchorRule(const TDateRuleRow& row) const;

    // The leaving rule of the editor's spin edits.
    static void NormaliseOnExit(TSpinEdit& spin);

private:
    void ShowPanel(bool range) const;
};

}  // namespace znp
