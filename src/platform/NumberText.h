// Numbers in texts as the platform reads and writes them: the one reading of integers and
// decimal numbers that the variant, the date readers and the panels share, and the general
// floating-point format.
//
// Numbers use "." as the decimal point whatever the machine's locale, so that what one machine
// writes another reads. Blanks and control characters around a number are ignored, as every trim
// of the platform ignores them; inside a number nothing but its own characters may stand.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace znp {

// An integer: an optional sign, then decimal digits, or "$", "0x" or "0X" and hexadecimal
// digits. False for anything else ("+-12", "12a", "", a second sign) and for a value beyond
// the 64-bit range; never wraps.
bool TryTextToInt64(std::string_view text, std::int64_t& value);
// The same for a 32-bit integer: a value beyond its range is no integer.
bool TryTextToInt(std::string_view text, int& value);

// A decimal number: an optional sign, digits with an optional "." and fraction (at least one digit
// in all), an optional exponent "e" or "E" with an optional sign and digits. False for anything
// else ("+-12", "inf", "nan", "1,5") and for a value too large for a double; a value too small
// for one reads as 0.
bool TryTextToFloat(std::string_view text, double& value);

// The general format with 15 significant digits: fixed notation while the decimal exponent lies
// from -5 to 14 ("0.00001", "0.000042", "123456789012345"), scientific notation otherwise, with
// the exponent written without "+" and leading zeros ("1E-6", "1.5E20"). Trailing zeros of the
// fraction are dropped; "NAN", "INF" and "-INF" for the values that are no numbers.
std::string FloatToText(double value);

}  // namespace znp
