// Texts and variant packages between code pages, on their way to and from the report server.
#include <exception>
#include <functional>

#include "runtime/LibStrs.h"
#include "runtime/Logs.h"

namespace znp {

namespace {

using TextConversion = std::function<Variant(const Variant&)>;

// Converts in place, so that a failure half-way leaves the elements done so far converted and
// the others as they were.
void ConvertElements(Variant& value, const TextConversion& convert) {
    if (!value.IsArray()) return;
    if (value.DimCount() == 1) {
        for (int i = value.LowBound(1); i <= value.HighBound(1); ++i) {
            Variant& item = value[i];
            if (item.IsArray())
                ConvertElements(item, convert);
            else if (item.Type() == VarType::OleStr)
                item = convert(item);
        }
    } else if (value.DimCount() == 2) {
        for (int i = value.LowBound(1); i <= value.HighBound(1); ++i)
            for (int j = value.LowBound(2); j <= value.HighBound(2); ++j) {
                Variant& item = value.At(i, j);
                if (item.Type() == VarType::OleStr) item = convert(item);
            }
    }
}

Variant ConvertPackage(const Variant& value, const TextConversion& convert, const char* logLine) {
    Variant result = value;
    try {
        if (result.IsText())
            result = convert(result);
        else
            ConvertElements(result, convert);
    } catch (const std::exception& e) {
        WriteAlertLog("libstrs", std::string(logLine) + e.what(), "D");
    } catch (...) {
        WriteAlertLog("libstrs", std::string(logLine) + "unknown error", "D");
    }
    return result;
}

}  // namespace

std::string WideToCodePage(const std::u16string& text, const std::string& codePage) {
    try {
        return WideToBytes(text, codePage);
    } catch (const EConvertError&) {
        // A code page the system cannot convert with: the platform's default conversion.
        return WideToBytes(text, AnsiCodePage());
    }
}

std::u16string CodePageToWide(const std::string& text, const std::string& codePage) {
    try {
        return BytesToWide(text, codePage);
    } catch (const EConvertError&) {
        return BytesToWide(text, AnsiCodePage());
    }
}

Variant VariantToCodePage(const Variant& value, const std::string& codePage) {
    return ConvertPackage(
        value, [&codePage](const Variant& text) { return Variant(WideToCodePage(text.AsWide(), codePage)); },
        "LINE[2735] ");
}

Variant VariantFromCodePage(const Variant& value, const std::string& codePage) {
    return ConvertPackage(
        value,
        [&codePage](const Variant& text) {
            // The bytes the text had before it was decoded, read again as the right code page.
            std::string bytes = text.Type() == VarType::OleStr ? WideToBytes(text.AsWide(), AnsiCodePage())
                                                                : text.AsString();
            return Variant(CodePageToWide(bytes, codePage));
        },
        "LINE[115] ");
}

}  // namespace znp
