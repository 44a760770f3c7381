// The scrambled form in which the server settings file keeps database passwords.
//
// Character k of the password (k counted from 1) is kept as its byte rotated right by k mod 8
// bits, written as two hexadecimal digits; the empty password is kept as the scrambled form of a
// fixed stand-in text, so that an empty value in the file is never mistaken for a password that
// was set. Reading rotates each byte back to the left.
#pragma once

#include <string>

namespace znp {

// The text that stands for the empty password.
extern const char* const EmptyPasswordText;
// The password used when a stored one cannot be read back: it opens nothing, so the failure
// shows at the database login rather than as a silently empty password.
extern const char* const BadPasswordText;

// The scrambled form of Password (lower-case hexadecimal digits).
std::string ScramblePassword(const std::string& password);

// Reads Stored back into Password. False, with BadPair the offending two characters, when a pair
// is not a hexadecimal number (Password is then unchanged). A single character left over at the
// end is ignored; the stand-in text and the empty text read as the empty password.
bool TryUnscramblePassword(const std::string& stored, std::string& password, std::string& badPair);

// The password a settings reader takes: as TryUnscramblePassword, but a stored text that cannot be
// read gives BadPasswordText and writes an error report to the generator log, titled with the
// scrambled form of "DecodeSQLSa".
std::string UnscramblePassword(const std::string& stored);

}  // namespace znp
