#pragma once

#include <QSettings>

#include <memory>

namespace orvane::ui {

// The program's own settings: the user's options that outlive a run of the program, in the user's
// configuration folder (~/.config/orvane/orvane.conf). Tests redirect it with QSettings::setPath.
std::unique_ptr<QSettings> ProgramSettings();

} // namespace orvane::ui
