#pragma once

#include "Error.h"

#include <QString>
#include <QStringView>

namespace orvane::ui {

// The sentence the user reads for an error of the core or the parameter file, in the program's language
// (Russian source texts, translated by Qt's translation system).
QString ErrorText(const Error& error);

// Text typed or read from a file, as a message quotes it: control characters shown as '?', and a text
// longer than 40 characters shortened in its middle with "…", so a message stays the width of a window.
QString QuotedInput(QStringView text);

// The operating system's words for an errno value.
QString OsReason(int osError);

} // namespace orvane::ui
