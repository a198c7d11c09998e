#pragma once

#include <QString>

#include <optional>
#include <string>

namespace orvane::measure {

// Writes the text to the file as a whole or not at all: into a temporary file beside it, renamed over
// the target only when everything is written. Returns the reason when it fails; the target is then as
// it was before.
std::optional<QString> WriteWholeFile(const QString& path, const std::string& text);

} // namespace orvane::measure
