// Plain-text logs of failures that happen away from the user.
#pragma once

#include <exception>
#include <string>

namespace znp {

// Appends one line "[YYYY/MM/DD hh:nn:ss:zzz] Message" to <log folder>/Alert_<Name>_<stamp>[.log];
// Period "D" (daily), "M" (monthly), "Y" (yearly), anything else daily. False when the file could
// not be written.
bool WriteAlertLog(const std::string& name, const std::string& message, const std::string& period = "D");

// Appends one line to <log folder>/Alert_TKORPGenerator_<YYYYMMDD>.log. False on failure.
bool WriteGeneratorLog(const std::string& text);

// Writes the multi-line error report to the generator log. Error may be null.
void ReportError(const std::exception* error, const std::string& title, const std::string& programmerMessage);

}  // namespace znp
