// libFuzzer target over the variant's conversions of texts and numbers from outside: a text read
// as every type, and eight bytes read as a number or a date written as text. A conversion may
// refuse with an exception of the library; it must never crash or meet undefined behaviour.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzInput.h"
#include "Kvtr42C/Exception.h"
#include "Kvtr42C/Variant.h"

using namespace znp;

namespace {

template <class Fn>
void Try(Fn&& fn) {
    try {
        fn();
    } catch (const Exception&) {
    }
}

void Convert(const Variant& v) {
    Try([&] { (void)v.AsInteger(); });
    Try([&] { (void)v.AsInt64(); });
    Try([&] { (void)v.AsDouble(); });
    Try([&] { (void)v.AsBoolean(); });
    Try([&] { (void)v.AsDate(); });
    Try([&] { (void)v.AsString(); });
    Try([&] { (void)v.AsWide(); });
    Try([&] { (void)VarToStr(v); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzz::Text(data, size);
    SetVariantCodePage(fuzz::CodePageOf(size ? data[0] : 0));
    Convert(Variant(text));
    std::u16string wide;
    for (size_t i = 0; i + 1 < size; i += 2) wide += static_cast<char16_t>(data[i] | data[i + 1] << 8);
    Convert(Variant(wide));

    if (size >= 8) {
        double number;
        std::memcpy(&number, data, sizeof number);
        std::int64_t whole;
        std::memcpy(&whole, data, sizeof whole);
        Convert(Variant(number));
        Convert(Variant::FromDate(number));
        Convert(Variant(whole));
        Convert(Variant(static_cast<int>(whole)));
    }
    return 0;
}
