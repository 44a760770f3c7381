// Published properties reached by name, and the simulated mouse click.
#include <cstdlib>

#include "platform/Application.h"
#include "platform/Controls.h"
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

std::string SetText(const PropInfo& prop, int bits) {
    std::string text = "[";
    for (size_t i = 0; i < prop.ValueNames.size(); ++i)
        if (bits & (1 << i)) text += (text.size() > 1 ? "," : "") + prop.ValueNames[i];
    return text + "]";
}

int SetBits(const PropInfo& prop, const std::string& text) {
    std::string inner = text;
    if (!inner.empty() && inner.front() == '[') inner.erase(0, 1);
    if (!inner.empty() && inner.back() == ']') inner.pop_back();
    int bits = 0;
    const int count = CountTokens(inner, ",");
    for (int i = 1; i <= count; ++i) {
        std::string element = GetToken(inner, ",", i);
        element.erase(0, element.find_first_not_of(' '));
        element.erase(element.find_last_not_of(' ') + 1);
        if (element.empty()) continue;
        int ordinal = prop.ValueOrdinal(element);
        if (ordinal < 0) throw EConvertError("Invalid property element: " + element);
        bits |= 1 << ordinal;
    }
    return bits;
}

}  // namespace

bool HasPropByName(const TComponent* component, const std::string& name) { return Find(component, name) != nullptr; }

std::string GetStrPropByName(const TComponent* component, const std::string& name) {
    const PropInfo* prop = Find(component, name);
    if (!prop || !prop->Get) return "";
    const Variant value = prop->Get(*component);
    switch (prop->Kind) {
        case TypeKind::Enumeration: return prop->ValueName(value.AsInteger());
        case TypeKind::Boolean: return prop->ValueName(value.AsBoolean() ? 1 : 0);
        case TypeKind::Set: return SetText(*prop, value.AsInteger());
        case TypeKind::Char: return std::string(1, static_cast<char>(value.AsInteger()));
        default: return VarToStr(value);
    }
}

void SetStrPropByName(TComponent* component, const std::string& name, const std::string& value) {
    const PropInfo* prop = Find(component, name);
    if (!prop || !prop->Set) return;
    switch (prop->Kind) {
        case TypeKind::Enumeration:
        case TypeKind::Boolean: {
            int ordinal = prop->ValueOrdinal(value);
            if (ordinal < 0) throw EConvertError("Invalid property value: " + value);
            prop->Set(*component, prop->Kind == TypeKind::Boolean ? Variant(ordinal != 0) : Variant(ordinal));
            return;
        }
        case TypeKind::Set: prop->Set(*component, Variant(SetBits(*prop, value))); return;
        case TypeKind::Char: prop->Set(*component, Variant(value)); return;
        case TypeKind::Integer: {
            Variant number(value);
            prop->Set(*component, Variant(number.AsInteger()));
            return;
        }
        default: prop->Set(*component, Variant(value)); return;
    }
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
    if (prop->Kind == TypeKind::Enumeration && (value < 0 || value >= static_cast<long>(prop->ValueNames.size())))
        throw EConvertError("Invalid property value: " + std::to_string(value));
    prop->Set(*component, prop->Kind == TypeKind::Boolean ? Variant(value != 0) : Variant(static_cast<int>(value)));
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
