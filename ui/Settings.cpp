#include "Settings.h"

namespace orvane::ui {

namespace {
QString& SettingsFile() {
    static QString path;
    return path;
}
} // namespace

std::unique_ptr<QSettings> OpenSettings() {
    if (!SettingsFile().isEmpty()) return std::make_unique<QSettings>(SettingsFile(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("orvane"),
                                       QStringLiteral("orvane"));
}

void UseSettingsFile(const QString& path) {
    SettingsFile() = path;
}

} // namespace orvane::ui
