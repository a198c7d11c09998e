#pragma once

#include <QString>

namespace orvane {

// The help window's text: six paragraphs joined by carriage return and line feed.
QString BuildHelpText();

} // namespace orvane
