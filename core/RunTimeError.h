#pragma once

#include "Error.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace orvane {

// The program's single run-time error: a floating-point fault, an index outside an array's bounds,
// a 16-bit overflow or any other failure that ends an event handler. It carries the error value; the
// windows put it into words.
class RunTimeError : public std::runtime_error {
  public:
    explicit RunTimeError(Error error)
        : std::runtime_error("run-time error " + std::to_string(static_cast<int>(error.code))),
          error_(std::move(error)) {}
    const Error& Value() const { return error_; }

  private:
    Error error_;
};

} // namespace orvane
