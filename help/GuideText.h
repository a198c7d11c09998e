#pragma once

#include <QString>

namespace orvane {

// The help window's second part, after the help text of old: the rest of the program — the lessons'
// experiments, parameter files, the measurements window and its CSV file, the screen options, every key
// in a table, the language. Built in the current language at every opening; paragraphs separated by an
// empty line, the keys one row a line, key and action separated by a tab.
QString BuildGuideText();

} // namespace orvane
