#include "platform/SystemInfo.h"

#include <cstdlib>
#include <optional>
#include <string>

#include "Kvtr42C/Variant.h"

namespace znp {

namespace {

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::string CodePageFromLocale() {
    const char* names[] = {"LC_ALL", "LC_CTYPE", "LANG"};
    for (const char* name : names) {
        const char* value = std::getenv(name);
        if (!value || !*value) continue;
        std::string locale = Upper(value);
        if (locale.find("GBK") != std::string::npos || locale.find("GB2312") != std::string::npos ||
            locale.find("GB18030") != std::string::npos)
            return "936";
        if (locale.find("BIG5") != std::string::npos) return "950";
        return "437";
    }
    return "437";
}

std::optional<std::string>& Override() {
    static std::optional<std::string> value;
    return value;
}

}  // namespace

std::string AnsiCodePage() {
    if (!Override()) {
        Override() = CodePageFromLocale();
        SetVariantCodePage(*Override());
    }
    return *Override();
}

void SetAnsiCodePage(const std::string& codePage) {
    Override() = codePage;
    SetVariantCodePage(codePage);
}

}  // namespace znp
