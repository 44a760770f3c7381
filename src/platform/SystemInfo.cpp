#include "platform/SystemInfo.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "Kvtr42C/Variant.h"
#include "platform/SysUtils.h"

namespace znp {

namespace {

std::string CodePageFromLocale() {
    const char* names[] = {"LC_ALL", "LC_CTYPE", "LANG"};
    for (const char* name : names) {
        const char* value = std::getenv(name);
        if (!value || !*value) continue;
        std::string locale = UpperCase(value);
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

std::string& UserNameOverride() {
    static std::string value;
    return value;
}

std::string& ComputerNameOverride() {
    static std::string value;
    return value;
}

// Cuts a name to at most Limit bytes.
std::string Limit(std::string name, size_t limit) {
    if (name.size() > limit) name.resize(limit);
    return name;
}

std::string SystemUserName() {
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name)
        return found->pw_name;
    // A user without a passwd entry (containers): the login shell's idea of the user.
    for (const char* name : {"USER", "LOGNAME"}) {
        const char* value = std::getenv(name);
        if (value && *value) return value;
    }
    return {};
}

std::string SystemComputerName() {
    char buffer[256] = {};
    if (gethostname(buffer, sizeof buffer - 1) != 0) return {};
    std::string name = buffer;
    size_t dot = name.find('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

}  // namespace

bool IsLeadByte(unsigned char byte, const std::string& codePage) {
    return (codePage == "936" || codePage == "950") && byte >= 0x81 && byte <= 0xFE;
}

std::string UserName() {
    return Limit(UserNameOverride().empty() ? SystemUserName() : UserNameOverride(), 31);
}

void SetUserName(const std::string& name) { UserNameOverride() = name; }

std::string ComputerName() {
    return Limit(ComputerNameOverride().empty() ? SystemComputerName() : ComputerNameOverride(), 15);
}

void SetComputerName(const std::string& name) { ComputerNameOverride() = name; }

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
