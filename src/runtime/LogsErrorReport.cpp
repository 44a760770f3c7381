// The multi-line error report of the generator log.
#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <ios>
#include <system_error>
#include <typeinfo>

#include "runtime/Logs.h"
#include "platform/SysUtils.h"

namespace znp {

namespace {

// The class name of an error without its namespace ("EConvertError", "runtime_error").
std::string ClassName(const std::exception& error) {
    const char* mangled = typeid(error).name();
    int status = 0;
    char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    std::string name = status == 0 && demangled ? demangled : mangled;
    std::free(demangled);
    size_t template_ = name.find('<');
    size_t colon = name.rfind("::", template_);
    return colon == std::string::npos ? name : name.substr(colon + 2);
}

std::string ErrorLine(const char* kind, int index, int code, const std::string& message) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%s Error %.2d: Code: %d, Message: ", kind, index, code);
    return buffer + message;
}

// The lines that describe Error, and the number of messages it holds.
int DescribeError(const std::exception& error) {
    if (auto* db = dynamic_cast<const EDBEngineError*>(&error)) {
        int index = 0;
        for (const EDBEngineError::SubError& sub : db->Errors())
            WriteGeneratorLog(ErrorLine("EDBEngineError", ++index, sub.ErrorCode, sub.Message));
        return index;
    }
    const bool io = dynamic_cast<const std::ios_base::failure*>(&error) ||
                    dynamic_cast<const std::filesystem::filesystem_error*>(&error);
    if (auto* system = dynamic_cast<const std::system_error*>(&error)) {
        WriteGeneratorLog(ErrorLine(io ? "EInOutError" : "EWin32Error", 1, system->code().value(), error.what()));
        return 1;
    }
    char number[16];
    std::snprintf(number, sizeof number, "%.2d", 1);
    WriteGeneratorLog("Exception is " + ClassName(error) + "\r\nMessage " + number + ": " + error.what());
    return 1;
}

}  // namespace

void ReportError(const std::exception* error, const std::string& title, const std::string& programmerMessage) {
    try {
        const std::string rule(34, '-');
        WriteGeneratorLog(rule + (Trim(title).empty() ? "" : " on " + title + " ") + rule);
        if (error) {
            WriteGeneratorLog("讯息信息:");
            int count = DescribeError(*error);
            WriteGeneratorLog("ErrorMessage Count: " + std::to_string(count));
        }
        if (!Trim(programmerMessage).empty()) WriteGeneratorLog("Programer Message: " + Trim(programmerMessage));
    } catch (...) {
        // A report that cannot be written is given up, like every log line.
    }
}

}  // namespace znp
