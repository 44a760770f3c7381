// The platform's small text routines, byte-wise as the platform's own are: blanks and control
// characters (bytes up to 0x20) are trimmed, only ASCII letters change case, so double-byte
// characters pass untouched.
#pragma once

#include <string>
#include <string_view>

namespace znp {

std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

}  // namespace znp
