// The platform's one exception class and the kinds derived from it.
//
// Every error that the platform or the library raises is an Exception (or derived from it), and
// Exception derives from std::runtime_error, so a host that only knows the standard library can
// still catch what reaches it as std::exception.
#pragma once

#include <stdexcept>
#include <string>

namespace znp {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// A variant could not be converted or indexed.
class EVariantError : public Exception {
public:
    using Exception::Exception;
};

// A text could not be read as a number or date.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An automation call failed: unknown name, unknown class, or the object raised.
class EOleError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace znp
