// Plain-text logs of failures that happen away from the user.
//
// Every call opens its file, appends one complete line with a single write and closes the file,
// so every call leaves a complete file behind and lines of two writers never interleave within a
// line. A log folder that is missing is created with its parents. Nothing is ever raised: a log
// that cannot be written is given up and the writer returns false.
//
// Time stamps come from the platform clock ("YYYY/MM/DD hh:nn:ss:zzz"); this platform has no
// system date and time separators or short date and long time formats, so both writers use that
// one form with "/" and ":". Lines end with "\n".
//
// Log folders: <base>/Log, where the base is
// - alert log: InstallFolder() (the registry's "ClientPath", else "ServerPath"); when that is
//   empty, the folder of the running program;
// - alert log of the module update: the folder of the running program;
// - generator log: InstallFolder(); when that is empty, the folder for temporary files; when that
//   is empty too or finding a folder fails, "/tmp" (the system's fixed fall-back folder).
#pragma once

#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "Kvtr42C/Exception.h"

namespace znp {

// Appends one line "[YYYY/MM/DD hh:nn:ss:zzz] Message" to <log folder>/Alert_<Name>_<stamp>[.log];
// Period "D" (daily), "M" (monthly), "Y" (yearly), anything else daily. ".log" is added when Name
// holds no ".". False when the file could not be written.
bool WriteAlertLog(const std::string& name, const std::string& message, const std::string& period = "D");

// The same, with the folder of the running program as base folder (the module update writes there,
// whatever the installation says).
bool WriteProgramAlertLog(const std::string& name, const std::string& message, const std::string& period = "D");

// The same, under <BaseFolder>/Log.
bool WriteAlertLogIn(const std::string& baseFolder, const std::string& name, const std::string& message,
                     const std::string& period = "D");

// The file an alert log line of Name and Period goes to now, under <BaseFolder>/Log.
std::string AlertLogFileName(const std::string& baseFolder, const std::string& name, const std::string& period);

// Appends one line to <log folder>/Alert_TKORPGenerator_<YYYYMMDD>.log. False on failure.
bool WriteGeneratorLog(const std::string& text);

// The file a generator log line goes to now.
std::string GeneratorLogFileName();

// A failure of the database engine: one error made of several sub-errors, each with its code.
class EDBEngineError : public Exception {
public:
    struct SubError {
        int ErrorCode = 0;
        std::string Message;
    };
    EDBEngineError(const std::string& message, std::vector<SubError> errors)
        : Exception(message), errors_(std::move(errors)) {}
    const std::vector<SubError>& Errors() const { return errors_; }

private:
    std::vector<SubError> errors_;
};

// Writes the multi-line error report to the generator log, each line with its own time stamp:
// a title line, then for an error "讯息信息:", its lines by kind (database engine error: one line
// per sub-error; std::ios_base::failure and std::filesystem::filesystem_error: an input/output
// error; any other std::system_error: an operating-system error; anything else: class name and
// message) and "ErrorMessage Count: n", then the programmer's message when it is not blank.
// Error may be null.
void ReportError(const std::exception* error, const std::string& title, const std::string& programmerMessage);

}  // namespace znp
