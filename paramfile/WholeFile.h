#pragma once

#include "Error.h"

#include <optional>
#include <string>
#include <utility>

namespace orvane {

// What saving a file came to: true when it was saved; otherwise the error saying why not.
class SaveResult {
  public:
    SaveResult(std::nullopt_t) {}
    SaveResult(Error failure) : failure_(std::move(failure)) {}

    explicit operator bool() const { return !failure_; }
    const Error& Failure() const { return *failure_; }

  private:
    std::optional<Error> failure_;
};

// Writes the text to `path` as a whole or not at all: into a temporary file beside it, flushed to the
// disk and renamed into place only when everything is written, so the previous file survives any
// failure and nothing stays behind. An existing file keeps its permission bits; where `path` is a
// symbolic link, the file it points to is replaced and the link stays.
SaveResult WriteWholeFile(const std::string& path, const std::string& text);

} // namespace orvane
