// Host-driven values by component name.
//
// The host passes [ByName, Values] where Values is an array of entries [ComponentName, Value].
// Every entry must name a component of the form that can take a value — a selection panel, a
// combo box, or a component with a published "ItemIndex", "Checked", "Down", "Text" or "Lines" property,
// with a value of a kind that component takes. When one does not, the warning "W;000014" is shown
// and nothing is put in; when all do, every
// value is put into its component before the run goes on, so that the submission that follows
// carries what the host passed.
#include "forms/base/BaseGene.h"

#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

namespace znp {

namespace {

bool CanTakeValue(const TComponent& component) {
    if (component.InheritsFrom("TSelectPanel") || component.InheritsFrom("TCustomComboBox")) return true;
    for (const char* name : {"ItemIndex", "Checked", "Down", "Text", "Lines"})
        if (component.ClassType().FindProperty(name)) return true;
    return false;
}

// A number, or a text that is a whole decimal number (a shell hands everything over as text).
bool IsWholeNumber(const Variant& value, int& number) {
    if (value.IsNumeric()) {
        number = value.AsInteger();
        return true;
    }
    if (!value.IsText()) return false;
    const std::string text = Trim(value.AsString());
    size_t i = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (i == text.size() || text.size() - i > 9) return false;
    for (size_t j = i; j < text.size(); ++j)
        if (text[j] < '0' || text[j] > '9') return false;
    number = std::stoi(text);
    return true;
}

// Whether Value can be put into the component the way PutPassedValue puts it: a number into an
// ItemIndex, a Boolean (or a number, or "True"/"False") into Checked or a toggle button's Down, a
// single value as text.
bool ValueFits(const TComponent& component, const Variant& value) {
    const ClassInfo& cls = component.ClassType();
    int number = 0;
    if (const PropInfo* itemIndex = cls.FindProperty("ItemIndex"); itemIndex && itemIndex->Set && IsWholeNumber(value, number))
        return true;
    try {
        if (const PropInfo* checked = cls.FindProperty("Checked"); checked && checked->Set) {
            value.AsBoolean();
            return true;
        }
        if (const PropInfo* down = cls.FindProperty("Down"); down && down->Set) {
            value.AsBoolean();
            return true;
        }
        if (value.IsArray() || value.IsObject()) return false;
        VarToStr(value);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

}  // namespace

bool TfrmBaseGene::CheckPassedByName(const Variant& values) {
    std::vector<std::pair<TComponent*, Variant>> entries;
    for (int i = values.LowBound(); i <= values.HighBound(); ++i) {
        const Variant& entry = values[i];
        TComponent* component = nullptr;
        if (entry.IsArray() && entry.DimCount() == 1 && entry.HighBound() - entry.LowBound() >= 1 &&
            entry[entry.LowBound()].IsText())
            component = FindComponent(entry[entry.LowBound()].AsString());
        if (!component || !CanTakeValue(*component) || !ValueFits(*component, entry[entry.LowBound() + 1])) {
            ShowMessageId("W;000014");
            return false;
        }
        entries.emplace_back(component, entry[entry.LowBound() + 1]);
    }
    // Every value fits its component before any is put in, so a refused run changes nothing.
    try {
        for (auto& [component, value] : entries) PutPassedValue(component, value);
    } catch (const Exception& e) {
        RecordError(e.what());
        ShowMessageId("W;000014");
        return false;
    }
    return true;
}

void TfrmBaseGene::PutPassedValue(TComponent* component, const Variant& value) {
    const ClassInfo& cls = component->ClassType();
    // A number (also one written as text) picks an item of a list; a text is the control's text.
    int number = 0;
    if (const PropInfo* itemIndex = cls.FindProperty("ItemIndex"); itemIndex && itemIndex->Set && IsWholeNumber(value, number)) {
        itemIndex->Set(*component, Variant(number));
    } else if (const PropInfo* checked = cls.FindProperty("Checked"); checked && checked->Set) {
        checked->Set(*component, Variant(value.AsBoolean()));
    } else if (const PropInfo* down = cls.FindProperty("Down"); down && down->Set) {
        down->Set(*component, Variant(value.AsBoolean()));
    } else if (const PropInfo* lines = cls.FindProperty("Lines"); lines && lines->GetObject) {
        if (auto* list = dynamic_cast<TStringList*>(lines->GetObject(*component))) list->SetText(VarToStr(value));
    } else if (const PropInfo* text = cls.FindProperty("Text"); text && text->Set) {
        text->Set(*component, Variant(VarToStr(value)));
    } else if (const PropInfo* saveValue = cls.FindProperty("SaveValue"); saveValue && saveValue->Set) {
        saveValue->Set(*component, Variant(VarToStr(value)));
    }
}

}  // namespace znp
