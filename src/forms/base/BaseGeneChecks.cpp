// Field checks, date fields: the wrapping of their enter and exit handlers and the date check.
// The required fields are in BaseGeneRequired.cpp, the colours in BaseGeneColours.cpp.
#include <any>
#include <cstdio>

#include "controls/SelectPnl.h"
#include "forms/base/BaseGeneHooks.h"
#include "platform/Buttons.h"
#include "platform/Mask.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "runtime/LibStrs.h"

namespace znp {

// --- Handler bookkeeping ------------------------------------------------------------------------

namespace hooks {

void ForEachName(const std::string& list, const std::function<void(const std::string&)>& fn) {
    const int count = CountTokens(list, ",");
    for (int i = 1; i <= count; ++i)
        if (std::string name = Trim(GetToken(list, ",", i)); !name.empty()) fn(name);
}

TNotifyEvent CurrentHandler(const TComponent& component, const std::string& event) {
    const std::any value = GetMethodPropByName(&component, event);
    const auto* handler = std::any_cast<TNotifyEvent>(&value);
    return handler ? *handler : TNotifyEvent();
}

void Wrap(TfrmBaseGene& form, TStringList& record, TComponent& component, const std::string& event,
          const TNotifyEvent& wrapper) {
    if (!HasPropByName(&component, event)) return;
    const TNotifyEvent current = CurrentHandler(component, event);
    if (current && current != wrapper) {
        const std::string key = component.Name() + "." + event;
        if (!current.Code().empty()) record.Add(key + ".Code=" + current.Code());
        if (current.Data()) {
            char data[32];
            std::snprintf(data, sizeof data, "%p", current.Data());
            record.Add(key + ".Data=" + data);
        }
        form.SavedHandlerEvents.emplace_back(key, current);
    }
    SetMethodPropByName(&component, event, std::any(wrapper));
}

TNotifyEvent SavedHandler(const TfrmBaseGene& form, const std::string& name, const std::string& event) {
    const std::string key = name + "." + event;
    for (const auto& [savedKey, handler] : form.SavedHandlerEvents)
        if (SameText(savedKey, key)) return handler;
    return TNotifyEvent();
}

}  // namespace hooks

// --- Date fields ----------------------------------------------------------------------------------

namespace {

// Puts back the handlers a date field had before it was wrapped (empty when it had none).
void Unwrap(TfrmBaseGene& form, TComponent& component) {
    for (const char* event : {"OnEnter", "OnExit"})
        if (HasPropByName(&component, event))
            SetMethodPropByName(&component, event, std::any(hooks::SavedHandler(form, component.Name(), event)));
}

TDateType PanelDateType(int formatType) {
    return formatType >= 1 && formatType <= 5 ? static_cast<TDateType>(formatType) : TDateType::dt_NoneCare;
}

}  // namespace

// Derived levels add their fields in front of the inherited ones; a list holding the print date
// is a whole new list.
void TfrmBaseGene::SetDateFields(const std::string& fields) {
    std::string names = Trim(fields);
    if (names == DateFields) return;
    if (!SavedFieldHandlers) SavedFieldHandlers = std::make_unique<TStringList>();
    TStringList& record = *SavedFieldHandlers;
    if (!DateFields.empty()) {
        hooks::ForEachName(DateFields, [&](const std::string& name) {
            if (TComponent* component = FindComponent(name)) Unwrap(*this, *component);
        });
        if (FindText(names, "edPrintDate") == std::string::npos)
            names = names.empty() ? DateFields : names + "," + DateFields;
    }
    DateFields = names;
    hooks::ForEachName(DateFields, [&](const std::string& name) {
        TComponent* component = FindComponent(name);
        if (!component) return;
        hooks::Wrap(*this, record, *component, "OnEnter", OnDateFieldEnter());
        hooks::Wrap(*this, record, *component, "OnExit", OnDateFieldExit());
        if (auto* panel = dynamic_cast<TSelectPanel*>(component)) {
            panel->ValueType = TValueType::vt_Date;
            panel->DateSign = DateSeparator();
            panel->DateType = PanelDateType(DateFormatType());
        }
    });
}

namespace {

// The check of a date field, then (when it passed) the handler the field had before wrapping.
void RunDateEvent(TfrmBaseGene& form, TObject* sender, const std::string& event) {
    auto* control = dynamic_cast<TControl*>(sender);
    if (!control) return;
    if (form.IsDateField(control->Name()))
        form.CheckFailed = form.CheckFailed || !form.DateCheck(control, event == "OnEnter");
    if (!form.CheckFailed)
        if (TNotifyEvent own = hooks::SavedHandler(form, control->Name(), event)) own(sender);
}

}  // namespace

void TfrmBaseGene::DateFieldEnter(TObject* sender) {
    CheckFailed = false;
    if (dynamic_cast<TWinControl*>(sender)) RunDateEvent(*this, sender, "OnEnter");
}

// Leaving for the Cancel button checks nothing: the user is giving up the input anyway.
void TfrmBaseGene::DateFieldExit(TObject* sender) {
    if (CancelHasFocus()) return;
    CheckFailed = false;
    RunDateEvent(*this, sender, "OnExit");
}

// Every call ends with its message text handed on, the empty one too: a check that found
// nothing clears the messages of the last one.
bool TfrmBaseGene::DateCheck(TControl* control, bool prepare) {
    std::vector<TCustomEdit*> examined;
    if (auto* panel = dynamic_cast<TSelectPanel*>(control)) {
        if (prepare) panel->SetEditMask(DateMask());
        examined = {panel->BeginEdit, panel->FinalEdit};
    } else if (auto* masked = dynamic_cast<TMaskEdit*>(control)) {
        if (prepare) masked->SetEditMask(DateMask());
        examined = {masked};
    } else if (auto* edit = dynamic_cast<TEdit*>(control)) {
        // Only an empty edit gets the blank layout: entering must never wipe a typed date.
        if (prepare && Trim(edit->Text()).empty()) edit->SetText(BlankDateText());
        examined = {edit};
    } else {
        std::string text;
        GetLangText("TfrmBaseGene", "sDatePramError", text, true,
                    "判断日期的函数第一个参数错误, 只能传下列三种物件:\rTSelectPanel, TMaskedit, TEdit");
        ShowMessageBox(text, TMsgDlgType::mtCustom, mbOK);
        ShowMessageId("");
        return false;
    }
    if (prepare) {
        ShowMessageId("");
        return true;
    }

    TCustomEdit* failed = nullptr;
    for (TCustomEdit* edit : examined) {
        if (!edit) continue;
        const std::string date = DisplayToDateText(edit->Text());
        if (!date.empty() && !IsValidYYYYMMDD(date)) {
            failed = edit;
            break;
        }
    }
    if (failed && failed->CanFocus()) {
        failed->SetFocus();
        // The error box gives the focus back to the previous control: that must be this field.
        PreviousControl = failed;
    }
    ShowMessageId(failed ? "E;000005" : "");
    return failed == nullptr;
}

}  // namespace znp
