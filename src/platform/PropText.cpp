#include "platform/PropText.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "Kvtr42C/Exception.h"

namespace znp {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

[[noreturn]] void Refuse(const PropInfo& prop, std::string_view text) {
    throw EConvertError("Invalid property value '" + std::string(text) + "' for " + prop.Name);
}

bool TextToFloat(std::string_view text, double& value) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    // from_chars would also read "inf", "nan" and hexadecimal forms.
    for (char c : text)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E')) return false;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    return ec == std::errc() && ptr == text.data() + text.size() && std::isfinite(value);
}

std::string SetToNames(const PropInfo& prop, long long bits) {
    std::string text = "[";
    for (size_t i = 0; i < prop.ValueNames.size(); ++i)
        if (bits & (1LL << i)) text += (text.size() > 1 ? "," : "") + prop.ValueNames[i];
    return text + "]";
}

int NamesToSet(const PropInfo& prop, std::string_view text) {
    std::string_view inner = TrimBlanks(text);
    if (!inner.empty() && inner.front() == '[') inner.remove_prefix(1);
    if (!inner.empty() && inner.back() == ']') inner.remove_suffix(1);
    int bits = 0;
    while (!inner.empty()) {
        const size_t comma = inner.find(',');
        std::string_view element = TrimBlanks(inner.substr(0, comma));
        inner = comma == std::string_view::npos ? std::string_view() : inner.substr(comma + 1);
        if (element.empty()) continue;
        const int ordinal = prop.ValueOrdinal(element);
        if (ordinal < 0) Refuse(prop, text);
        bits |= 1 << ordinal;
    }
    return bits;
}

}  // namespace

bool TextToInt(std::string_view text, int& value) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.front() == '+') return false;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size();
}

std::string PropValueToText(const TObject& object, const PropInfo& prop, TOrdinalText style) {
    if (!prop.Get) return "";
    const Variant value = prop.Get(object);
    switch (prop.Kind) {
        case TypeKind::Integer: return std::to_string(value.AsInteger());
        case TypeKind::Enumeration: return prop.ValueName(value.AsInteger());
        case TypeKind::Boolean: return prop.ValueName(value.AsBoolean() ? 1 : 0);
        case TypeKind::Set:
            return style == TOrdinalText::Names ? SetToNames(prop, value.AsInt64()) : std::to_string(value.AsInteger());
        case TypeKind::Char: {
            const int code = value.IsText() ? (value.AsString().empty() ? 0 : static_cast<unsigned char>(value.AsString()[0]))
                                            : value.AsInteger();
            return style == TOrdinalText::Names ? std::string(1, static_cast<char>(code)) : std::to_string(code);
        }
        case TypeKind::Float:
        case TypeKind::String: return VarToStr(value);
        case TypeKind::Class:
        case TypeKind::Method: return "";
    }
    return "";
}

bool SetPropFromText(TObject& object, const PropInfo& prop, std::string_view text, TOrdinalText style) {
    if (!prop.Set) return false;
    switch (prop.Kind) {
        case TypeKind::Integer: {
            int number = 0;
            if (!TextToInt(text, number)) Refuse(prop, text);
            prop.Set(object, Variant(number));
            return true;
        }
        case TypeKind::Enumeration:
        case TypeKind::Boolean: {
            const int ordinal = prop.ValueOrdinal(TrimBlanks(text));
            if (ordinal < 0) Refuse(prop, text);
            prop.Set(object, prop.Kind == TypeKind::Boolean ? Variant(ordinal != 0) : Variant(ordinal));
            return true;
        }
        case TypeKind::Set: {
            int bits = 0;
            if (style == TOrdinalText::Names)
                bits = NamesToSet(prop, text);
            else if (!TextToInt(text, bits) || bits < 0 || bits >= (1LL << prop.ValueNames.size()))
                Refuse(prop, text);
            prop.Set(object, Variant(bits));
            return true;
        }
        case TypeKind::Char: {
            int code = 0;
            if (style == TOrdinalText::Names) {
                if (text.size() > 1) Refuse(prop, text);
                code = text.empty() ? 0 : static_cast<unsigned char>(text[0]);
            } else if (!TextToInt(text, code) || code < 0 || code > 255) {
                Refuse(prop, text);
            }
            prop.Set(object, Variant(code));
            return true;
        }
        case TypeKind::Float: {
            double number = 0;
            if (!TextToFloat(text, number)) Refuse(prop, text);
            prop.Set(object, Variant(number));
            return true;
        }
        case TypeKind::String: prop.Set(object, Variant(std::string(text))); return true;
        case TypeKind::Class:
        case TypeKind::Method: return false;
    }
    return false;
}

}  // namespace znp
