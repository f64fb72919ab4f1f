#pragma once

#include <stdexcept>
#include <string>

// The error kinds the program raises. Each carries the exact text the user
// sees; the handler guard shows it in the standard error box.
namespace sysutils {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// A text that is not a number in the expected form.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace sysutils
