#include "forms/options/ZnNotifyPortal.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "forms/options/ZnNotifyXml.h"
#include "platform/Clock.h"
#include "platform/DynamicLibrary.h"
#include "platform/SystemInfo.h"
#include "runtime/LibStrs.h"

namespace znp::notify {

namespace {

using CallWebServiceFx = int (*)(const char* address, const char* method, const char* request, const char* resultFile);

std::string ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The file's lines, each ended by CR LF, as a string list gives its text.
std::string JoinLines(const std::string& text) {
    std::string result;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        result += text.substr(start, end - start) + "\r\n";
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return result;
}

}  // namespace

std::string AnswerFileName(double moment) {
    int year = 0, month = 0, day = 0;
    // The day from the whole part only: the time is the fraction, clamped to the day.
    if (!TryDecodeDate(std::floor(moment), year, month, day)) return "~Velmo_.tmp";
    long long ms = std::llround((moment - std::floor(moment)) * 86400000.0);
    if (ms > 86399999) ms = 86399999;
    char text[64];
    std::snprintf(text, sizeof text, "~Velmo_%04d%02d%02d%02lld%02lld%02lld%03lld.tmp", year, month, day,
                  ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000);
    return text;
}

bool TracePauseWanted() {
    const std::string cmdline = ReadWhole("/proc/self/cmdline");
    if (cmdline.empty()) return false;
    std::string trimmed = cmdline;
    if (!trimmed.empty() && trimmed.back() == '\0') trimmed.pop_back();
    const size_t last = trimmed.rfind('\0');
    if (last == std::string::npos) return false;  // the program's name only
    const std::string arg = trimmed.substr(last + 1);
    return arg == "T" || arg == "t";
}

std::string InvokeWebService(const std::string& address, const std::string& method, const std::string& request,
                             const std::function<void(const std::string&)>& pause) {
    DynamicLibrary library("CallWebService.dll");
    if (TracePauseWanted() && pause) pause("跟踪测试中断!可在此时设置Dll之Modules。点\"OK\"继续。");
    if (!library.Loaded()) return "";
    auto call = reinterpret_cast<CallWebServiceFx>(library.Symbol("CallWebServiceFx"));
    if (!call) return "";
    std::string folder = SystemTempFolder();
    if (!folder.empty() && folder.back() != '/') folder += '/';
    const std::string file = folder + AnswerFileName(Now());
    const int result = call(address.c_str(), method.c_str(), request.c_str(), file.c_str());
    const std::string answer = JoinLines(ReadWhole(file));
    const std::string error = ReadWhole(file + ".error");
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    std::filesystem::remove(file + ".error", ignored);
    if (result != 0) throw EWebServiceError(error.empty() ? "CallWebServiceFx failed" : error, answer);
    return answer;
}

std::string CallPortal(const std::string& address, const std::string& userId, const std::string& companyId,
                       const std::string& uiCodePage, const std::function<void(const std::string&)>& showError,
                       const std::function<void(const std::string&)>& pause) {
    if (address.empty()) return "";
    std::string answer;
    try {
        answer = InvokeWebService(address, "PORTAL.getAllUser", PortalRequest(userId, companyId, uiCodePage), pause);
    } catch (const EWebServiceError& e) {
        if (showError) showError(std::string("Call portal webservice error! ") + e.what() + "\n\r" + "Result:" + e.Answer);
        return "";
    } catch (const std::exception& e) {
        if (showError) showError(std::string("Call portal webservice error! ") + e.what() + "\n\r" + "Result:");
        return "";
    }
    if (answer.empty()) return "";
    const PortalAnswer read = ReadPortalAnswer(answer);
    if (!read.Ok) {
        // An answer that could not be read at all says why in place of a description.
        if (showError) showError(std::string("Call portal webservice error! ") + "\n\r" + (read.Code.empty() && !read.Error.empty() ? read.Error : read.Description));
        return "";
    }
    return answer;
}

}  // namespace znp::notify
