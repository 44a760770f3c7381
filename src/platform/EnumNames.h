// Published enumerations and their value names, declared together once:
//
//   ZNP_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient);
//
// declares `enum class TAlign` and makes EnumNames<TAlign>::Names() the names of its values in
// ordinal order, so that stored forms, saved schemes and property access by name read and write
// the same names the code uses. A class publishes such a property without repeating the names
// (ClassInfo::Field / Prop take them from the enumeration). The enumerators are 0, 1, 2 ...:
// published enumerations take no explicit values.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace znp {

// The value names of E, found through the function that ZNP_ENUM declares beside the enumeration
// (in the enumeration's own namespace, so that any namespace may declare one).
template <class E>
struct EnumNames {
    static const std::vector<std::string>& Names() { return ZnpEnumNames(E{}); }
};

template <class E, class = void>
struct HasEnumNames : std::false_type {};
template <class E>
struct HasEnumNames<E, std::void_t<decltype(ZnpEnumNames(E{}))>> : std::true_type {};

// The enumerators of a ZNP_ENUM list ("alNone, alTop") as names.
std::vector<std::string> SplitEnumNames(std::string_view list);

// The name of a value, or "" when it is out of range.
template <class E>
std::string EnumName(E value) {
    const auto& names = EnumNames<E>::Names();
    const auto i = static_cast<long long>(value);
    return i >= 0 && i < static_cast<long long>(names.size()) ? names[static_cast<size_t>(i)] : std::string();
}

}  // namespace znp

#define ZNP_ENUM(Name, ...)                                                                   \
    enum class Name { __VA_ARGS__ };                                                          \
    [[maybe_unused]] inline const std::vector<std::string>& ZnpEnumNames(Name) {              \
        static const std::vector<std::string> names = ::znp::SplitEnumNames(#__VA_ARGS__); \
        return names;                                                                         \
    }
