#include "platform/Spin.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

namespace znp {

const ClassInfo& TSpinEdit::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TSpinEdit", &TCustomEdit::StaticClass());
        c.Creatable<TSpinEdit>();
        c.Field("MinValue", &TSpinEdit::MinValue);
        c.Field("MaxValue", &TSpinEdit::MaxValue);
        c.Field("Increment", &TSpinEdit::Increment);
        c.Field("EditorEnabled", &TSpinEdit::EditorEnabled);
        c.Prop("Value", &TSpinEdit::Value, &TSpinEdit::SetValue);
        c.Prop("Text", &TControl::Text, &TControl::SetText);
        return c;
    }();
    return info;
}

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner) {
    SetText("0");
    SetBounds(0, 0, 121, 22);
}

int TSpinEdit::CheckValue(int value) const {
    if (MaxValue == MinValue) return value;
    return std::clamp(value, std::min(MinValue, MaxValue), std::max(MinValue, MaxValue));
}

int TSpinEdit::Value() const {
    const std::string& text = Text();
    const char* begin = text.c_str();
    while (*begin == ' ') ++begin;
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(begin, &end, 10);
    while (end && *end == ' ') ++end;
    if (end == begin || *end || errno == ERANGE || v < INT32_MIN || v > INT32_MAX) return CheckValue(MinValue);
    return CheckValue(static_cast<int>(v));
}

void TSpinEdit::SetValue(int value) { SetText(std::to_string(CheckValue(value))); }

void TSpinEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
    TCustomEdit::KeyDown(key, shift);
    if (key == VK_UP) {
        UpClick();
        key = 0;
    } else if (key == VK_DOWN) {
        DownClick();
        key = 0;
    }
}

// The control's own exit handler runs first and sees the text as typed (forms apply their leaving
// rules there); then a number outside the limits is put back inside them. A text that is no
// number stays as it is.
void TSpinEdit::DoExit() {
    TCustomEdit::DoExit();
    const std::string& text = Text();
    const char* begin = text.c_str();
    while (*begin == ' ') ++begin;
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(begin, &end, 10);
    while (end && *end == ' ') ++end;
    if (end == begin || *end || errno == ERANGE) return;
    const int low = std::min(MinValue, MaxValue), high = std::max(MinValue, MaxValue);
    if (MaxValue != MinValue && (v < low || v > high)) SetValue(v < low ? low : high);
}

void TSpinEdit::TypeCharacter(const std::string& character) {
    if (!EditorEnabled) return;
    const char c = character.size() == 1 ? character[0] : '\0';
    if ((c >= '0' && c <= '9') || c == '+' || c == '-') TCustomEdit::TypeCharacter(character);
}

}  // namespace znp
