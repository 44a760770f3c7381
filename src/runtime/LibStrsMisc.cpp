// Small helpers: variants, counted lists, masked texts, button captions, numbers, hosts, folders.
#include <charconv>
#include <cmath>
#include <system_error>

#include "platform/EditMask.h"
#include "runtime/LibStrs.h"

namespace znp {

Variant IfThen(bool condition, const Variant& whenTrue, const Variant& whenFalse) {
    return condition ? whenTrue : whenFalse;
}

bool IsEmptyOrNull(const Variant& value) { return value.IsEmpty() || value.IsNull(); }

std::u16string BuildCountedList(const std::u16string& prefix, const Variant& values) {
    const std::u16string separator(1, u'\x03');
    const int count = values[0].AsInteger();
    std::u16string out = prefix + separator + values[0].AsWide() + separator;
    for (int i = 1; i <= count; ++i) out += values[i].AsWide() + separator;
    return out;
}

std::string ReformatMaskText(const std::string& text, const std::string& mask, const std::string& newMask,
                             const std::string& codePage) {
    // The text as a masked edit with Mask would take it, its literals lined up with the mask's.
    const std::string inputs = EditMask(mask, codePage).Inputs(text);
    if (newMask.empty()) return inputs;
    const EditMask target(newMask, codePage);
    return target.Value(target.Apply(inputs));
}

std::string ButtonCaption(const std::string& name) {
    static const struct {
        const char* name;
        const char* caption;
    } kCaptions[] = {
        {"Yes", "是(&Y)"},      {"No", "否(&N)"},        {"OK", "确定"},          {"Cancel", "取消"},
        {"Abort", "中断(&A)"},  {"Retry", "重试(&R)"},   {"Ignore", "忽略(&I)"},  {"All", "全部(&A)"},
        {"NoToAll", "全否(&o)"}, {"YesToAll", "全是(&A)"}, {"Help", "帮助(&H)"},
    };
    for (const auto& entry : kCaptions)
        if (name == entry.name) return entry.caption;
    return name;
}

double StrToFloatDef(const std::string& text, double defaultValue) {
    size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return defaultValue;
    size_t end = text.find_last_not_of(' ') + 1;
    const char* first = text.data() + begin;
    const char* last = text.data() + end;
    // from_chars takes no "+"; a second sign after it is no number.
    if (*first == '+') {
        ++first;
        if (first == last || *first == '-' || *first == '+') return defaultValue;
    }
    // Only digits, a point, signs and exponents: from_chars would also read "inf" and "nan".
    for (const char* p = first; p != last; ++p)
        if (!((*p >= '0' && *p <= '9') || *p == '.' || *p == '-' || *p == '+' || *p == 'e' || *p == 'E'))
            return defaultValue;
    double value = 0;
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec != std::errc() || ptr != last || !std::isfinite(value)) return defaultValue;
    return value;
}

bool IsLocalHost(const std::string& address) { return address == "127.0.0.1"; }

std::string TempFolder() { return SystemTempFolder(); }

}  // namespace znp
