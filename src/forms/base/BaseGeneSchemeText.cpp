// The scheme value text: one CR LF line per key "component.property" of a key list, in key order,
// and its application back to the controls.
//
// Saving and restoring walk the keys the same way (cut at ";" until nothing is left), so a key
// that names nothing still has its line and every later key keeps its own line. Dates are stored
// as date texts yyyymmdd, independent of the date layout of the machine that saved them; a date
// field with a date-environment entry stores the date moved by the entry's rule.
#include "forms/base/BaseGene.h"
#include "controls/SelectPnl.h"
#include "platform/ComboBox.h"
#include "runtime/DateRule.h"
#include "platform/PropText.h"
#include "runtime/LibStrs.h"
#include "platform/SysUtils.h"

namespace znp {

namespace {

constexpr const char* kLineEnd = "\r\n";

// Component and property of a key; false when either part is missing.
bool SplitKey(const std::string& key, std::string& component, std::string& property) {
    std::string rest = key;
    component = Trim(SplitFirst(rest, "."));
    property = Trim(rest);
    return !component.empty() && !property.empty();
}

bool IsComboBox(const TComponent* component) {
    return dynamic_cast<const TComboBox*>(component) || component->InheritsFrom("TCustomComboBox");
}

int ComboItemIndex(const TComponent* component) {
    if (auto* combo = dynamic_cast<const TComboBox*>(component)) return combo->ItemIndex();
    return static_cast<int>(GetOrdPropByName(component, "ItemIndex"));
}

void SetComboItemIndex(TComponent* component, int index) {
    if (auto* combo = dynamic_cast<TComboBox*>(component))
        combo->SetItemIndex(index);
    else
        SetOrdPropByName(component, "ItemIndex", index);
}

// The line as a whole decimal integer (blanks around it allowed); anything else stops a restore.
int LineToInt(const std::string& line) {
    int value = 0;
    if (!TextToInt(line, value)) throw EConvertError("'" + line + "' is not a valid integer value");
    return value;
}

// Field N (from 1) of a date-environment entry.
std::string Field(const std::string& entry, int n) { return GetToken(entry, std::string(1, '\x03'), n); }

// The text a control shows, for the controls whose string property holds a date.
std::string ControlText(const TComponent* component, const PropInfo& prop) {
    if (auto* control = dynamic_cast<const TControl*>(component)) return control->Text();
    return prop.Get ? VarToStr(prop.Get(*component)) : std::string();
}

}  // namespace

// The first entry of the date environment that names the component; empty when none does.
std::string TfrmBaseGene::DateEnvironmentEntry(const std::string& name) const {
    if (!DateEnvironment) return "";
    for (int i = 0; i < DateEnvironment->Count(); ++i) {
        const std::string& entry = (*DateEnvironment)[i];
        if (SameText(Field(entry, 2), name)) return entry;
    }
    return "";
}

bool TfrmBaseGene::HasDateEnvironment() const { return DateEnvironment && DateEnvironment->Count() > 0; }

// The date a rule row of an entry gives for a date text: the date itself unless the row moves it.
std::string TfrmBaseGene::ApplyDateRule(const std::string& entry, int group, const std::string& date) const {
    const DynamicDateEntry rule = DynamicDateEntry::Parse(entry);
    const DateShiftRow& row = group == 3 ? rule.Begin : rule.End;
    if (date.empty() || !row.IsTicked()) return date;
    return row.Apply(date);
}

// A date range panel's saved dates: moved by the panel's entry; without a date environment the
// dates stay as shown; an environment without an entry for the panel saves no range at all.
bool TfrmBaseGene::SavedRangeDates(const std::string& panelName, std::string& beginDate,
                                   std::string& finalDate) const {
    if (!HasDateEnvironment()) return true;
    const std::string entry = DateEnvironmentEntry(panelName);
    if (entry.empty()) return false;
    beginDate = ApplyDateRule(entry, 3, beginDate);
    finalDate = ApplyDateRule(entry, 8, finalDate);
    return true;
}

bool TfrmBaseGene::SchemeLine(const std::string& key, std::string& line) {
    line.clear();
    std::string componentName, propertyName;
    if (!SplitKey(key, componentName, propertyName)) return true;
    TComponent* component = FindComponent(componentName);
    if (!component) return true;
    const PropInfo* prop = component->ClassType().FindProperty(propertyName);
    if (!prop) {
        if (IsComboBox(component)) line = std::to_string(ComboItemIndex(component));
        return true;
    }
    if (auto* panel = dynamic_cast<TSelectPanel*>(component)) {
        line = PanelSchemeValue(panel);
        return true;
    }
    if (!prop->Get) return true;
    if (prop->Kind != TypeKind::String) {
        line = PropValueToText(*component, *prop, TOrdinalText::Numbers);
        return true;
    }
    if (!IsDateField(component->Name())) {
        line = VarToStr(prop->Get(*component));
        return true;
    }
    const std::string date = DisplayToDateText(ControlText(component, *prop));
    // Without a date environment the scheme keeps the date as shown.
    if (!HasDateEnvironment()) {
        line = date;
        return true;
    }
    const std::string entry = DateEnvironmentEntry(component->Name());
    if (entry.empty()) return true;
    // A range rule cannot describe a single date: the environment does not belong to this form.
    if (Field(entry, 1) == "0") return false;
    line = ApplyDateRule(entry, 3, date);
    return true;
}

bool TfrmBaseGene::BuildSchemeValues(const std::string& keys, std::string& values) {
    values.clear();
    try {
        std::string rest = keys;
        while (!rest.empty()) {
            std::string line;
            const std::string key = Trim(SplitFirst(rest, ";"));
            if (!SchemeLine(key, line)) {
                values.clear();
                return false;
            }
            // Stored schemes know no escape: a line break inside a value would shift every later
            // key onto the wrong line when the scheme is opened.
            if (line.find_first_of("\r\n") != std::string::npos)
                throw Exception("The value of " + key + " holds a line break; a condition scheme cannot keep it");
            values += line + kLineEnd;
        }
        return true;
    } catch (const std::exception& e) {
        RecordError(e.what());
        values.clear();
        return false;
    }
}

namespace {

// The number of pieces a walk that cuts Text at Separator until nothing is left takes.
int CountCuts(std::string text, const std::string& separator) {
    int count = 0;
    for (; !text.empty(); ++count) SplitFirst(text, separator);
    return count;
}

}  // namespace

bool TfrmBaseGene::RestoreScheme(const std::string& keys, const std::string& values) {
    std::string restKeys = keys;
    std::string restValues = values;
    // More lines than keys: a value held a line break and every line after it would go to the
    // wrong control, so nothing is restored. (Missing lines read as empty: a text that lost its
    // last empty lines still matches its keys.)
    if (CountCuts(values, kLineEnd) > CountCuts(keys, ";")) {
        RecordError("The scheme holds more lines than keys; nothing was restored");
        return false;
    }
    try {
        while (!restKeys.empty()) {
            const std::string key = Trim(SplitFirst(restKeys, ";"));
            const std::string line = SplitFirst(restValues, kLineEnd);
            std::string componentName, propertyName;
            if (!SplitKey(key, componentName, propertyName)) continue;
            TComponent* component = FindComponent(componentName);
            if (!component) continue;
            BeforeRestoreValue(component, line);
            if (auto* panel = dynamic_cast<TSelectPanel*>(component)) {
                RestorePanel(panel, line);
                continue;
            }
            if (const PropInfo* prop = component->ClassType().FindProperty(propertyName)) {
                if (!RestoreProperty(component, *prop, line)) continue;
            } else if (IsComboBox(component)) {
                SetComboItemIndex(component, LineToInt(line));
            } else {
                continue;
            }
            AfterRestoreValue(component, line);
        }
        return true;
    } catch (const std::exception& e) {
        RecordError(e.what());
        return false;
    }
}

// False for properties a scheme does not restore (objects, events, read-only ones).
bool TfrmBaseGene::RestoreProperty(TComponent* component, const PropInfo& prop, const std::string& line) {
    if (!prop.Set) return false;
    if (prop.Kind != TypeKind::String) return SetPropFromText(*component, prop, line, TOrdinalText::Numbers);
    if (!IsDateField(component->Name())) {
        prop.Set(*component, Variant(line));
        return true;
    }
    if (HasPropByName(component, "EditMask")) SetStrPropByName(component, "EditMask", DateMask());
    // Only a date a date field could hold is shown; anything else leaves the field empty.
    const std::string shown =
        IsValidYYYYMMDD(line) && !line.empty() ? FormatDateByType(DateFormatType(), DateSeparator(), ParseYYYYMMDD(line))
                                               : std::string();
    if (auto* control = dynamic_cast<TControl*>(component))
        control->SetText(shown);
    else
        prop.Set(*component, Variant(shown));
    return true;
}

// A panel saves its whole state; its own saved value asks the form for the dates of a date range
// (SavedRangeDates), so the date environment applies there.
std::string TfrmBaseGene::PanelSchemeValue(TSelectPanel* panel) { return panel->BuildSaveValue(); }

void TfrmBaseGene::RestorePanel(TSelectPanel* panel, const std::string& line) { panel->ApplySaveValue(line); }

}  // namespace znp
