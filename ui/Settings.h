#pragma once

#include <QSettings>
#include <QString>

#include <memory>

namespace orvane::ui {

// The program's own settings (the user's options, the recent files), in the user's configuration
// folder; never beside the program.
std::unique_ptr<QSettings> OpenSettings();

// Keeps the settings in this file instead, as the tests do so as never to touch the user's own; an
// empty path goes back to the user's configuration folder.
void UseSettingsFile(const QString& path);

} // namespace orvane::ui
