// Field checks, required fields: their marking, the wrapping of the submitting buttons and the
// check that runs before a submitting button's own handler.
#include "controls/SelectPnl.h"
#include "controls/ExtPageControl.h"
#include "forms/base/BaseGeneHooks.h"
#include "platform/ComCtrls.h"
#include "platform/EditMask.h"
#include "platform/SysUtils.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

// Pale yellow: blue AF, green FF, red FF.
constexpr TColor kRequiredColour = 0x00AFFFFF;

// The buttons that submit the form's request (those of the derived levels when they exist).
constexpr const char* kSubmitButtons[] = {"btnOk", "btnQuery", "btnDesign", "btnPeriod"};

struct RequiredItem {
    std::string Name, Flag, Part;
};

// name [";" flag [";" part]], every field trimmed.
RequiredItem ReadItem(const std::string& item) {
    return {Trim(GetToken(item, ";", 1)), Trim(GetToken(item, ";", 2)),
            Trim(GetToken(item, ";", 3))};
}

// The part number of an item; false when the part is no integer (or missing).
bool ReadPart(const std::string& part, long& value) {
    if (part.empty()) return false;
    size_t i = (part[0] == '-' || part[0] == '+') ? 1 : 0;
    if (i == part.size() || part.size() - i > 9) return false;
    for (size_t j = i; j < part.size(); ++j)
        if (part[j] < '0' || part[j] > '9') return false;
    value = std::stol(part);
    return true;
}

void MarkPanel(TSelectPanel& panel, const std::string& part) {
    long number = 0;
    if (!ReadPart(part, number)) number = 0;
    const bool all = number < 1 || number > 3;
    if (all || number == 1) panel.BeginEdit->SetColor(kRequiredColour);
    if (all || number == 2) panel.FinalEdit->SetColor(kRequiredColour);
    if (all || number == 3) panel.ListView->SetColor(kRequiredColour);
}

// The value an edit under Mask holds when nothing is typed in it (the literals of a mask that
// keeps them, blanks for the input positions); "" without a mask.
std::string BlankValue(const std::string& mask) {
    const EditMask editMask(mask);
    return editMask.IsMasked() ? editMask.Value(editMask.BlankText()) : std::string();
}

bool ShowsNothing(const std::string& text, const std::string& mask) {
    return Trim(text) == Trim(BlankValue(mask));
}

bool IsEmpty(TComponent& component) {
    if (auto* panel = dynamic_cast<TSelectPanel*>(&component)) {
        // An edit that shows only the literals of its date mask holds no value either.
        if (panel->IsRangeMode())
            return ShowsNothing(panel->BeginEdit->Text(), panel->BeginEdit->EditMask()) ||
                   ShowsNothing(panel->FinalEdit->Text(), panel->FinalEdit->EditMask());
        return panel->ListView->ItemCount() == 0;
    }
    if (!HasPropByName(&component, "Text")) return false;
    return ShowsNothing(GetStrPropByName(&component, "Text"), GetStrPropByName(&component, "EditMask"));
}

TTabSheet* PageOf(const TControl& control) {
    for (TWinControl* parent = control.Parent(); parent; parent = parent->Parent())
        if (auto* sheet = dynamic_cast<TTabSheet*>(parent)) return sheet;
    return nullptr;
}

void FocusEmptyField(TComponent& component) {
    auto* control = dynamic_cast<TControl*>(&component);
    if (!control) return;
    if (TTabSheet* sheet = PageOf(*control); sheet && sheet->PageControl()) sheet->PageControl()->SetActivePage(sheet);
    if (!control->Enabled()) return;
    TWinControl* target = dynamic_cast<TWinControl*>(control);
    if (auto* panel = dynamic_cast<TSelectPanel*>(control))
        target = panel->IsRangeMode() ? static_cast<TWinControl*>(panel->BeginEdit) : panel->ListView;
    if (target && target->CanFocus()) target->SetFocus();
}

}  // namespace

void TfrmBaseGene::SetRequiredFields(const std::string& fields) {
    if (!RequiredFields.empty()) RestoreColours();
    RequiredFields = Trim(fields);
    hooks::ForEachName(RequiredFields, [&](const std::string& entry) {
        const RequiredItem item = ReadItem(entry);
        TComponent* component = FindComponent(item.Name);
        if (!component) return;
        if (auto* panel = dynamic_cast<TSelectPanel*>(component))
            MarkPanel(*panel, item.Part);
        else if (HasPropByName(component, "Color"))
            SetOrdPropByName(component, "Color", kRequiredColour);
    });
    if (!SavedButtonHandlers) SavedButtonHandlers = std::make_unique<TStringList>();
    for (const char* name : kSubmitButtons)
        if (TComponent* button = FindComponent(name))
            hooks::Wrap(*this, *SavedButtonHandlers, *button, "OnClick", OnRequiredExit());
}

void TfrmBaseGene::RequiredExit(TObject* sender) {
    CheckFailed = false;
    auto* component = dynamic_cast<TComponent*>(sender);
    TComponent* period = FindComponent("btnPeriod");
    const bool periodDown = period && HasPropByName(period, "Down") && GetOrdPropByName(period, "Down") != 0;
    const bool isOk = component && component == FindComponent("btnOk");
    const bool isQueryOrDesign =
        component && (component == FindComponent("btnQuery") || component == FindComponent("btnDesign"));
    if (isOk || isQueryOrDesign || (period && periodDown)) CheckFailed = RequiredCheck(RequiredFields);

    if (!CheckFailed) {
        if (component)
            if (TNotifyEvent own = hooks::SavedHandler(*this, component->Name(), "OnClick")) own(sender);
        return;
    }
    // A failed check of a periodic request leaves periodic mode, unless the empty field is on
    // the periodic page itself (where the user can fill it in now).
    if (period && pgOption && pgOption->PageCount() > 0) {
        TTabSheet* last = pgOption->Pages(pgOption->PageCount() - 1);
        if (pgOption->ActivePage() != last) {
            SetOrdPropByName(period, "Down", 0);
            last->SetTabVisible(false);
        }
    }
}

bool TfrmBaseGene::RequiredCheck(const std::string& fields) {
    bool found = false;
    hooks::ForEachName(fields, [&](const std::string& entry) {
        if (found) return;
        const RequiredItem item = ReadItem(entry);
        long part = 0;
        if (ReadPart(item.Part, part) || SameText(item.Flag, "N")) return;
        TComponent* component = FindComponent(item.Name);
        if (!component || !IsEmpty(*component)) return;
        ShowMessageId("E;000037");
        FocusEmptyField(*component);
        found = true;
    });
    return found;
}

}  // namespace znp
