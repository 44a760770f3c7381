// Published properties reached by name, and the simulated mouse click.
#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/PropText.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

const PropInfo* Find(const TComponent* component, const std::string& name) {
    if (!component || name.empty()) return nullptr;
    return component->ClassType().FindProperty(name);
}

bool IsOrdinal(TypeKind kind) {
    return kind == TypeKind::Integer || kind == TypeKind::Char || kind == TypeKind::Enumeration ||
           kind == TypeKind::Set || kind == TypeKind::Boolean;
}

}  // namespace

bool HasPropByName(const TComponent* component, const std::string& name) { return Find(component, name) != nullptr; }

std::string GetStrPropByName(const TComponent* component, const std::string& name) {
    const PropInfo* prop = Find(component, name);
    return prop ? PropValueToText(*component, *prop, TOrdinalText::Names) : std::string();
}

void SetStrPropByName(TComponent* component, const std::string& name, const std::string& value) {
    if (const PropInfo* prop = Find(component, name)) SetPropFromText(*component, *prop, value, TOrdinalText::Names);
}

long GetOrdPropByName(const TComponent* component, const std::string& name) {
    const PropInfo* prop = Find(component, name);
    if (!prop || !prop->Get || !IsOrdinal(prop->Kind)) return 0;
    const Variant value = prop->Get(*component);
    return prop->Kind == TypeKind::Boolean ? (value.AsBoolean() ? 1 : 0) : value.AsInteger();
}

void SetOrdPropByName(TComponent* component, const std::string& name, long value) {
    const PropInfo* prop = Find(component, name);
    if (!prop || !prop->Set || !IsOrdinal(prop->Kind)) return;
    // The property's own setter refuses a value its enumeration or set does not name.
    prop->Set(*component, prop->Kind == TypeKind::Boolean ? Variant(value != 0) : Variant(static_cast<std::int64_t>(value)));
}

std::any GetMethodPropByName(const TComponent* component, const std::string& name) {
    const PropInfo* prop = Find(component, name);
    if (!prop || prop->Kind != TypeKind::Method || !prop->GetMethod) return {};
    return prop->GetMethod(*component);
}

void SetMethodPropByName(TComponent* component, const std::string& name, const std::any& handler) {
    const PropInfo* prop = Find(component, name);
    if (!prop || prop->Kind != TypeKind::Method || !prop->SetMethod) return;
    prop->SetMethod(*component, handler);
}

void SimulateClick(TWinControl* control, std::uintptr_t wParam, std::intptr_t lParam) {
    if (!control) return;
    Application().SendMessage(control->Handle(), WM_LBUTTONDOWN, wParam, lParam);
    Application().SendMessage(control->Handle(), WM_LBUTTONUP, wParam, lParam);
}

}  // namespace znp
