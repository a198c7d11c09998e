#pragma once

#include <stdexcept>
#include <string>

namespace orvane {

// The program's single run-time error: a floating-point fault, an index outside an array's bounds,
// a 16-bit overflow or any other failure that ends an event handler. The message is plain Russian,
// ready to be shown to the user.
class RunTimeError : public std::runtime_error {
  public:
    explicit RunTimeError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace orvane
